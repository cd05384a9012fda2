// Draws every picture the windows show and writes them into the folder given as argument:
// the JPEGs through libjpeg, the 16-colour icon as PNG.
//   cmake --build build --target pictures
#include "ui/band_colours.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <jpeglib.h>

namespace {

bool writeJpeg(const QImage& picture, const QString& path, int quality) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    FILE* file = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar*>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

QImage canvas(int width, int height, QColor ground) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ground);
    return image;
}

// Twelve swatches in the order of the extended colour list, each about 20 rows high.
QImage colourPicture() {
    constexpr int kTops[] = {1, 25, 48, 72, 97, 122, 147, 174, 196, 221, 245, 268};
    static_assert(std::size(kTops) == vantrel::ui::kBandColours.size());
    QImage image = canvas(68, 286, Qt::white);
    QPainter painter(&image);
    for (std::size_t i = 0; i < std::size(kTops); ++i) {
        const QRect box(0, kTops[i], 68, 20);
        painter.fillRect(box, QColor(vantrel::ui::kBandColours[i].rgb));
        if (vantrel::ui::kBandColours[i].outlined) {
            painter.setPen(Qt::black);
            painter.drawRect(box.adjusted(0, 0, -1, -1));
        }
    }
    return image;
}

QImage banner() {
    QImage image = canvas(691, 66, QColor(212, 208, 200));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(54);
    font.setWeight(QFont::Black);
    font.setStretch(QFont::UltraExpanded);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 14);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("VANTREL"));
    return image;
}

// A resistor lying across the middle under a large question mark, on a yellow ground, drawn
// on a 32-unit grid at any size.
QImage iconDrawing(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 0));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, size > 32);
    painter.setRenderHint(QPainter::TextAntialiasing, size > 32);
    painter.scale(size / 32.0, size / 32.0);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(26);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 128));
    painter.drawText(QRect(0, -3, 32, 26), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("?"));
    painter.fillRect(QRectF(0, 23, 32, 2), QColor(128, 128, 128));
    painter.fillRect(QRectF(7, 20, 18, 8), QColor(128, 0, 0));
    painter.fillRect(QRectF(10, 20, 2, 8), QColor(255, 0, 0));
    painter.fillRect(QRectF(15, 20, 2, 8), QColor(0, 128, 0));
    painter.fillRect(QRectF(20, 20, 2, 8), QColor(0, 255, 255));
    return image;
}

// The 32 x 32 icon in the sixteen standard colours.
QImage icon() {
    QVector<QRgb> standard;
    for (const QColor colour :
         {QColor(0, 0, 0), QColor(128, 0, 0), QColor(0, 128, 0), QColor(128, 128, 0),
          QColor(0, 0, 128), QColor(128, 0, 128), QColor(0, 128, 128), QColor(192, 192, 192),
          QColor(128, 128, 128), QColor(255, 0, 0), QColor(0, 255, 0), QColor(255, 255, 0),
          QColor(0, 0, 255), QColor(255, 0, 255), QColor(0, 255, 255), QColor(255, 255, 255)})
        standard << colour.rgb();
    return iconDrawing(32).convertToFormat(QImage::Format_Indexed8, standard, Qt::ThresholdDither);
}

void arrow(QPainter& painter, QPointF from, QPointF to) {
    painter.drawLine(from, to);
    const QPointF direction = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF side(-direction.y(), direction.x());
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to - direction * 7 + side * 4);
    head.lineTo(to - direction * 7 - side * 4);
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

// A resistor marked «R33G» with numbered arrows at its four characters; the optional
// variant adds a cross after the last letter, with the word «Опционально» pointing at it.
QImage letterCode(bool optional) {
    QImage image = canvas(194, 170, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), 3));
    painter.drawLine(4, 85, 40, 85);
    painter.drawLine(154, 85, 190, 85);
    const QRectF body(40, 62, 114, 46);
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.setBrush(optional ? QColor(Qt::white) : QColor(255, 140, 0));
    painter.drawRoundedRect(body, 8, 8);
    QFont marking(QStringLiteral("Liberation Sans"));
    marking.setPixelSize(26);
    marking.setBold(true);
    painter.setFont(marking);
    painter.setPen(Qt::black);
    const QString letters = QStringLiteral("R33G");
    const qreal left = optional ? 50 : 56;
    for (int i = 0; i < letters.size(); ++i)
        painter.drawText(QRectF(left + 21 * i, 70, 21, 30), Qt::AlignCenter, letters.mid(i, 1));
    QFont numbers(QStringLiteral("Liberation Sans"));
    numbers.setPixelSize(14);
    numbers.setBold(true);
    painter.setFont(numbers);
    painter.setPen(QPen(QColor(0, 0, 160), 2));
    for (int i = 0; i < 4; ++i) {
        const qreal x = left + 21 * i + 10.5;
        const bool above = i < 2;
        const qreal tip = above ? 68 : 102;
        const qreal tail = above ? 30 : 140;
        arrow(painter, QPointF(x, tail), QPointF(x, tip));
        painter.drawText(QRectF(x - 10, above ? 12 : 142, 20, 18), Qt::AlignCenter,
                         QString::number(i + 1));
    }
    if (optional) {
        const QPointF cross(left + 84 + 8, 85);
        painter.setPen(QPen(QColor(220, 0, 0), 3));
        painter.drawLine(cross + QPointF(-6, -6), cross + QPointF(6, 6));
        painter.drawLine(cross + QPointF(-6, 6), cross + QPointF(6, -6));
        QFont word(QStringLiteral("Liberation Sans"));
        word.setPixelSize(11);
        painter.setFont(word);
        painter.setPen(QColor(220, 0, 0));
        painter.drawText(QRectF(112, 2, 80, 14), Qt::AlignRight, QStringLiteral("Опционально"));
        painter.setPen(QPen(QColor(220, 0, 0), 1.5));
        arrow(painter, QPointF(cross.x() + 10, 17), QPointF(cross.x() + 2, 74));
    }
    return image;
}

// A chip resistor seen from above, its black body between two tinned ends, marked «472»,
// with an arrow at the code.
QImage smdResistor() {
    QImage image = canvas(160, 105, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(22, 44, 116, 50);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(190, 190, 196)); // the tinned ends
    painter.drawRoundedRect(QRectF(12, 44, 136, 50), 4, 4);
    painter.setBrush(QColor(28, 28, 30));
    painter.drawRect(body.adjusted(8, 0, -8, 0));
    painter.setPen(QPen(QColor(120, 120, 126), 1));
    painter.drawLine(QPointF(30, 44), QPointF(30, 94));
    painter.drawLine(QPointF(130, 44), QPointF(130, 94));
    QFont marking(QStringLiteral("Liberation Sans"));
    marking.setPixelSize(30);
    marking.setBold(true);
    marking.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    painter.setFont(marking);
    painter.setPen(Qt::white);
    painter.drawText(body, Qt::AlignCenter, QStringLiteral("472"));
    QFont word(QStringLiteral("Liberation Sans"));
    word.setPixelSize(13);
    word.setBold(true);
    painter.setFont(word);
    painter.setPen(QPen(QColor(0, 0, 160), 2));
    painter.drawText(QRectF(0, 2, 70, 18), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("код"));
    arrow(painter, QPointF(74, 12), QPointF(78, 41));
    return image;
}

// A ceramic disc capacitor on its two leads, marked «2A104J»: 100 В, 0,1 мкФ, ±5 %.
QImage ceramicCapacitor() {
    QImage image = canvas(160, 105, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(150, 150, 156), 3)); // the tinned leads
    painter.drawLine(QPointF(60, 60), QPointF(60, 105));
    painter.drawLine(QPointF(100, 60), QPointF(100, 105));
    painter.setPen(QPen(QColor(150, 84, 20), 1.5));
    painter.setBrush(QColor(214, 128, 40));
    const QRectF disc(14, 6, 132, 76);
    painter.drawEllipse(disc);
    QFont marking(QStringLiteral("Liberation Sans"));
    marking.setPixelSize(24);
    marking.setBold(true);
    marking.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    painter.setFont(marking);
    painter.setPen(QColor(40, 24, 8));
    painter.drawText(disc, Qt::AlignCenter, QStringLiteral("2A104J"));
    return image;
}

// A stylised seated figure with folded arms, in a dark sweater, before a plain yellow wall.
QImage aboutPicture() {
    QImage image = canvas(194, 199, QColor(236, 200, 70));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(214, 178, 56)); // the wall's shadow behind the figure
    painter.drawEllipse(QRectF(30, 40, 150, 190));
    QPainterPath sweater;
    sweater.moveTo(22, 199);
    sweater.cubicTo(24, 120, 50, 104, 97, 102);
    sweater.cubicTo(144, 104, 170, 120, 172, 199);
    sweater.closeSubpath();
    painter.fillPath(sweater, QColor(38, 40, 58));
    painter.setBrush(QColor(226, 182, 150)); // neck and face
    painter.drawRect(QRectF(86, 86, 22, 22));
    painter.drawEllipse(QRectF(70, 28, 54, 66));
    painter.setBrush(QColor(60, 42, 30)); // hair
    QPainterPath hair;
    hair.moveTo(69, 58);
    hair.cubicTo(66, 22, 128, 20, 125, 58);
    hair.cubicTo(116, 40, 80, 38, 69, 58);
    painter.fillPath(hair, QColor(60, 42, 30));
    painter.setBrush(QColor(40, 30, 30)); // eyes
    painter.drawEllipse(QRectF(84, 58, 6, 4));
    painter.drawEllipse(QRectF(104, 58, 6, 4));
    painter.setPen(QPen(QColor(150, 80, 70), 2));
    painter.drawArc(QRectF(88, 70, 18, 10), 200 * 16, 140 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(26, 28, 44)); // folded arms across the chest
    painter.drawRoundedRect(QRectF(36, 142, 122, 30), 14, 14);
    painter.setBrush(QColor(48, 50, 70));
    painter.drawRoundedRect(QRectF(46, 132, 104, 24), 12, 12);
    painter.setBrush(QColor(226, 182, 150)); // hands
    painter.drawEllipse(QRectF(40, 136, 18, 16));
    painter.drawEllipse(QRectF(136, 148, 18, 16));
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: draw_pictures FOLDER\n");
        return 2;
    }
    const QString folder = arguments[1] + u'/';
    const bool written = writeJpeg(colourPicture(), folder + "colours.jpg", 95) &&
                         writeJpeg(banner(), folder + "banner.jpg", 90) &&
                         writeJpeg(letterCode(false), folder + "letter_code_1.jpg", 85) &&
                         writeJpeg(letterCode(true), folder + "letter_code_2.jpg", 85) &&
                         writeJpeg(aboutPicture(), folder + "about.jpg", 88) &&
                         writeJpeg(smdResistor(), folder + "smd_resistor.jpg", 90) &&
                         writeJpeg(ceramicCapacitor(), folder + "ceramic_capacitor.jpg", 90) &&
                         icon().save(folder + "icon.png") &&
                         iconDrawing(256).save(folder + "icon-256.png");
    if (!written)
        std::fprintf(stderr, "draw_pictures: could not write into %s\n", qPrintable(folder));
    return written ? 0 : 1;
}
