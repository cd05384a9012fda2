// The JPEG decoder on the committed pictures and on broken copies of them. Under the
// sanitizers these also show that a broken file neither crashes nor leaks.
#include "ui/jpeg.h"
#include "ui/pictures.h"

#include <QFile>
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

// The build decodes the banner before start-up: the window must show the very pixels that
// decoding the committed JPEG gives.
TEST(Jpeg, TheBannerIsBuiltIntoTheProgramAsItsJpegDecodes) {
    const QImage decoded = vantrel::ui::decodeJpeg(contents(VANTREL_PICTURES "/banner.jpg"));
    ASSERT_EQ(decoded.size(), QSize(691, 66));
    const QImage shown = vantrel::ui::picture(QStringLiteral(":/pictures/banner.rgb32")).toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
              decoded.convertToFormat(QImage::Format_RGB32));
}

TEST(Jpeg, BrokenFilesGiveAnEmptyPicture) {
    const QByteArray good = resource("colours.jpg");
    const qsizetype scan = markerAt(good, '\xDA'); // start of the compressed data
    ASSERT_GT(scan, 0);
    const std::pair<const char*, std::function<QByteArray()>> broken[] = {
        {"empty", [] { return QByteArray(); }},
        {"no JPEG at all", [] { return resource("icon.png"); }},
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
