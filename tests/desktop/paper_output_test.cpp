// The real program putting a parts list and labels on paper with no display: the PDF's text
// read back by pdftotext, its QR codes decoded by zbarimg and read back by `vantrel --json`,
// and no file at all where the list, the sheet or the output path is wrong.
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

struct Finished {
    int exitCode = -1;
    QString output, errors;
};

// A program with these arguments and standard input, with no display in its environment.
Finished run(const QString& program, const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

Finished vantrel(const QStringList& arguments, const QByteArray& input = {}) {
    return run(QStringLiteral(VANTREL_PROGRAM), arguments, input);
}

QString pageText(const QString& pdf, int page) {
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                QString::number(page), pdf, QStringLiteral("-")})
        .output;
}

// Each value of the workshop's list with the codes a builder looks for on it, by the codes'
// own rules: two or three digits and the power of ten, EIA-96, R as the point, µH codes.
TEST(Paper, SortingSheetHoldsEveryValueAndItsCodesOnOnePage) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("лист.pdf"));
    const Finished made =
        vantrel({QStringLiteral("--sheet"), QStringLiteral(VANTREL_LISTS "/workshop.txt"),
                 QStringLiteral("-o"), pdf, QStringLiteral("--paper"), QStringLiteral("A4")});
    ASSERT_EQ(made.exitCode, 0) << made.errors.toStdString();
    EXPECT_EQ(made.errors, ""); // nothing of Qt's off-screen platform
    EXPECT_EQ(made.output, "");
    struct Row {
        const char* written;
        QStringList codes; // and the colour names of its first bands
    };
    const Row rows[] = {
        {"220", {"221", "2200", "220R", "Крас.", "Кор."}},
        {"4k7 1%", {"472", "4701", "4K7", "Жёлт.", "Фиол.", "Чёрн."}},
        {"4,8k", {"482", "4801", "E24 4,7 кОм"}},
        {"10k, 10K", {"103", "1002", "01C", "Оранж."}},
        {"47k 0805", {"473", "4702", "47 кОм, 0805"}},
        {"1M", {"105", "1004", "1M0", "Зел."}},
        {"22p", {"220", "22 пФ"}},
        {"100n", {"104", "100 нФ"}},
        {"4,7 мкФ 25В", {"475", "4,7 мкФ, 25 В"}},
        {"10uH", {"100", "10 мкГн"}},
    };
    const QString pages[] = {pageText(pdf, 1), pageText(pdf, 2)};
    for (int page = 0; page < 2; ++page) {
        EXPECT_TRUE(pages[page].contains(QStringLiteral("Лист для сортировки: workshop.txt")));
        EXPECT_TRUE(pages[page].contains(QStringLiteral("Страница %1 из 2").arg(page + 1)));
    }
    EXPECT_EQ(pageText(pdf, 3), "");
    for (const Row& row : rows) {
        const QString written = QString::fromUtf8(row.written);
        const int page = pages[0].contains(u'\n' + written + u'\n') ? 0 : 1;
        ASSERT_TRUE(pages[page].contains(written)) << row.written;
        for (const QString& code : row.codes)
            EXPECT_TRUE(pages[page].contains(code)) << row.written << ": " << code.toStdString();
    }
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Не устанавливаются: R9")));
}

// Every label's QR code decoded from the printed page holds the value as Vantrel writes it,
// and Vantrel reads it back to the same value.
TEST(Paper, LabelQrCodesReadBackToTheirValues) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("labels.pdf"));
    const Finished made =
        vantrel({QStringLiteral("--labels"), QStringLiteral("-"), QStringLiteral("--qr"),
                 QStringLiteral("--preset"), QStringLiteral("5x13"), QStringLiteral("-o"), pdf},
                "10k 1% 0603\n4,7 мкФ 25В; 220\nGRM188R71H104KA93D\n");
    ASSERT_EQ(made.exitCode, 0) << made.errors.toStdString();
    const QString png = folder.filePath(QStringLiteral("page"));
    ASSERT_EQ(run(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                   QStringLiteral("-singlefile"), pdf, png})
                  .exitCode,
              0);
    const Finished decoded = run(QStringLiteral("zbarimg"),
                                 {QStringLiteral("--raw"), QStringLiteral("-q"), png + ".png"});
    ASSERT_EQ(decoded.exitCode, 0) << decoded.errors.toStdString();
    // In the JSON's units, in any order: a reader scans the page its own way.
    const std::multiset<std::string> expected = {"10000 Ω ±1 %", "0.0000047 F ", "220 Ω ",
                                                 "0.0000001 F ±10 %"};
    std::multiset<std::string> read;
    for (const QString& payload : decoded.output.split(u'\n', Qt::SkipEmptyParts)) {
        const Finished answer = vantrel({QStringLiteral("--json"), payload});
        EXPECT_EQ(answer.exitCode, 0) << payload.toStdString();
        const QJsonObject first = QJsonDocument::fromJson(answer.output.toUtf8())
                                      .object()[QStringLiteral("readings")][0]
                                      .toObject();
        read.insert((first[QStringLiteral("value")].toString() + u' ' +
                     first[QStringLiteral("unit")].toString() + u' ' +
                     first[QStringLiteral("tolerance")].toString())
                        .toStdString());
    }
    EXPECT_EQ(read, expected) << decoded.output.toStdString();
}

// A clear message, exit code 2, and no file, not even a temporary one beside it.
TEST(Paper, WhatCannotBePrintedLeavesNoFile) {
    QTemporaryDir folder;
    const QString binary = folder.filePath(QStringLiteral("binary.csv"));
    {
        QFile file(binary);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\x00\x01\x02\x03PK", 6));
    }
    const QString notAFolder = folder.filePath(QStringLiteral("file"));
    QFile(notAFolder).open(QIODevice::WriteOnly);
    struct Case {
        QStringList arguments;
        QByteArray input;
        const char* said;
    };
    const QString out = folder.filePath(QStringLiteral("out.pdf"));
    const Case cases[] = {
        {{"--sheet", binary, "-o", out}, {}, "двоичные"},
        {{"--labels", "-", "--grid", "3x8", "--label", "80x37", "-o", out}, "10k", "не помещаются"},
        {{"--labels", "-", "-o", notAFolder + "/out.pdf"}, "10k", "не удалось записать"},
        {{"--labels", "-", "-o", folder.path() + "/нет/out.pdf"}, "10k", "не удалось записать"},
    };
    for (const Case& c : cases) {
        const Finished made = vantrel(c.arguments, c.input);
        EXPECT_EQ(made.exitCode, 2) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(made.errors.startsWith(QStringLiteral("vantrel: ")));
        EXPECT_TRUE(made.errors.contains(QString::fromUtf8(c.said))) << made.errors.toStdString();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  (QStringList{"binary.csv", "file"}));
    }
}

} // namespace
