#include "ui/fonts.h"

#include <QStringList>

namespace vantrel::ui {

void registerFontSubstitutes() {
    // Liberation fonts share the metrics of Arial and Courier New, so texts keep their width.
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    for (const char* family :
         {"MS Sans Serif", "Arial", "Arial Black", "PT Sans Cyr", "Shotgun BT"})
        QFont::insertSubstitutions(QString::fromLatin1(family), sans);
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"),
                                                               QStringLiteral("DejaVu Sans Mono")});
}

QFont makeFont(const FontSpec& wanted) {
    QFont font(QString::fromLatin1(wanted.family));
    font.setPixelSize(wanted.pixels);
    font.setBold(wanted.bold);
    font.setUnderline(wanted.underline);
    if (qstrcmp(wanted.family, "Arial Black") == 0)
        font.setWeight(QFont::Black);
    return font;
}

} // namespace vantrel::ui
