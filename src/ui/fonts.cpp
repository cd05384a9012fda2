#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace vantrel::ui {
namespace {

// The families the windows name, each with the installed families that stand in for it.
// Liberation fonts share the metrics of Arial and Courier New, so texts keep their width.
struct StandIns {
    const char* family;
    const char* standIns[2];
};
constexpr StandIns kStandIns[] = {
    {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
    {"Arial", {"Liberation Sans", "DejaVu Sans"}},
    {"Arial Black", {"Liberation Sans", "DejaVu Sans"}},
    {"PT Sans Cyr", {"Liberation Sans", "DejaVu Sans"}},
    {"Shotgun BT", {"Liberation Sans", "DejaVu Sans"}},
    {"Courier New", {"Liberation Mono", "DejaVu Sans Mono"}},
};

// The families to ask Qt for: the named family where it is installed, else its stand-ins from
// the first installed one on, looked up once. That is the face, and the order of faces for
// characters it lacks, that Qt ends up with; but asked for a family that is not installed, Qt
// first sorts every font on the machine by likeness to it, half a millisecond per family and
// style, before it tries the stand-ins.
QStringList familiesFor(const char* family) {
    static QStringList resolved[std::size(kStandIns)];
    for (std::size_t i = 0; i < std::size(kStandIns); ++i) {
        if (qstrcmp(kStandIns[i].family, family) != 0)
            continue;
        if (resolved[i].isEmpty()) {
            const QStringList installed = QFontDatabase::families();
            const auto isInstalled = [&](const char* name) {
                return installed.contains(QLatin1String(name), Qt::CaseInsensitive);
            };
            if (!isInstalled(family))
                for (const char* standIn : kStandIns[i].standIns)
                    if (!resolved[i].isEmpty() || isInstalled(standIn))
                        resolved[i] << QString::fromLatin1(standIn);
            if (resolved[i].isEmpty())
                resolved[i] << QString::fromLatin1(family);
        }
        return resolved[i];
    }
    return {QString::fromLatin1(family)};
}

} // namespace

void registerFontSubstitutes() {
    for (const StandIns& entry : kStandIns)
        QFont::insertSubstitutions(
            QString::fromLatin1(entry.family),
            {QString::fromLatin1(entry.standIns[0]), QString::fromLatin1(entry.standIns[1])});
}

QFont makeFont(const FontSpec& wanted) {
    QFont font(familiesFor(wanted.family));
    font.setPixelSize(wanted.pixels);
    font.setBold(wanted.bold);
    font.setUnderline(wanted.underline);
    if (qstrcmp(wanted.family, "Arial Black") == 0)
        font.setWeight(QFont::Black);
    return font;
}

} // namespace vantrel::ui
