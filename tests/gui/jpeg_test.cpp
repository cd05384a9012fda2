// The JPEG decoder on the committed pictures and on broken copies of them. Under the
// sanitizers these also show that a broken file neither crashes nor leaks.
#include "ui/jpeg.h"
#include "ui/pictures.h"

#include <QFile>
#include <QIcon>
#include <functional>
#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QByteArray resource(const char* name) {
    return contents(QStringLiteral(":/pictures/") + QLatin1String(name));
}

qsizetype markerAt(const QByteArray& jpeg, char marker) {
    return jpeg.indexOf(QByteArray("\xFF") + marker);
}

} // namespace

TEST(Jpeg, DecodesEveryPictureAtItsSize) {
    const std::pair<const char*, QSize> pictures[] = {{"about.jpg", {194, 199}},
                                                      {"colours.jpg", {68, 286}},
                                                      {"letter_code_1.jpg", {194, 170}},
                                                      {"letter_code_2.jpg", {194, 170}}};
    for (const auto& [name, size] : pictures)
        EXPECT_EQ(vantrel::ui::decodeJpeg(resource(name)).size(), size) << name;
}

// The build decodes the first frame's pictures before start-up: the main window and its icon
// must show the very pixels that decoding the committed files gives, the JPEG with the
// program's decoder and the PNG with Qt's, as the program decoded them before.
TEST(BuiltPictures, AreThePixelsTheirFilesDecodeTo) {
    using vantrel::ui::picture;
    const QImage banner = vantrel::ui::decodeJpeg(contents(VANTREL_PICTURES "/banner.jpg"));
    ASSERT_EQ(banner.size(), QSize(691, 66));
    EXPECT_EQ(picture(QStringLiteral(":/pictures/banner.pixels")).toImage(),
              QPixmap::fromImage(banner).toImage());
    const QIcon icon(QStringLiteral(VANTREL_PICTURES "/icon.png"));
    ASSERT_EQ(icon.availableSizes(), QList<QSize>{QSize(32, 32)});
    EXPECT_EQ(vantrel::ui::applicationIcon().availableSizes(), icon.availableSizes());
    EXPECT_EQ(vantrel::ui::applicationIcon().pixmap(32).toImage(), icon.pixmap(32).toImage());
}

TEST(Jpeg, BrokenFilesGiveAnEmptyPicture) {
    const QByteArray good = resource("colours.jpg");
    const qsizetype scan = markerAt(good, '\xDA'); // start of the compressed data
    ASSERT_GT(scan, 0);
    const std::pair<const char*, std::function<QByteArray()>> broken[] = {
        {"empty", [] { return QByteArray(); }},
        {"no JPEG at all", [] { return contents(VANTREL_PICTURES "/icon.png"); }},
        {"start marker only", [&] { return good.left(2); }},
        {"cut after the header", [&] { return good.left(scan + 20); }},
        {"cut halfway", [&] { return good.left(good.size() / 2); }},
        {"cut before the end marker", [&] { return good.left(good.size() - 2); }},
        {"an end marker inside the data",
         [&] { return QByteArray(good).replace((scan + good.size()) / 2, 2, "\xFF\xD9"); }},
        {"a Huffman table of zeros",
         [&] {
             QByteArray damaged = good;
             const qsizetype table = markerAt(good, '\xC4');
             damaged.replace(table + 5, 16, QByteArray(16, '\0'));
             return damaged;
         }},
        {"60000 x 60000 pixels",
         [&] { // the frame header's height and width
             return QByteArray(good).replace(markerAt(good, '\xC0') + 5, 4, "\xEA\x60\xEA\x60");
         }},
    };
    for (const auto& [what, bytes] : broken)
        EXPECT_TRUE(vantrel::ui::decodeJpeg(bytes()).isNull()) << what;
}
