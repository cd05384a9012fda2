#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <array>

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

// For each named family, the families to ask Qt for: the named family where it is installed,
// else its stand-ins from the first installed one on, looked up once from one list of the
// installed families. That is the face, and the order of faces for characters it lacks, that
// Qt ends up with; but asked for a family that is not installed, Qt first sorts every font on
// the machine by likeness to it, half a millisecond per family and style, before it tries the
// stand-ins.
const std::array<QStringList, std::size(kStandIns)>& installedFamilies() {
    static const auto resolved = [] {
        const QStringList installed = QFontDatabase::families();
        const auto isInstalled = [&](const char* name) {
            return installed.contains(QLatin1String(name), Qt::CaseInsensitive);
        };
        std::array<QStringList, std::size(kStandIns)> families;
        for (std::size_t i = 0; i < std::size(kStandIns); ++i) {
            if (!isInstalled(kStandIns[i].family))
                for (const char* standIn : kStandIns[i].standIns)
                    if (!families[i].isEmpty() || isInstalled(standIn))
                        families[i] << QString::fromLatin1(standIn);
            if (families[i].isEmpty())
                families[i] << QString::fromLatin1(kStandIns[i].family);
        }
        return families;
    }();
    return resolved;
}

QStringList familiesFor(const char* family) {
    for (std::size_t i = 0; i < std::size(kStandIns); ++i)
        if (qstrcmp(kStandIns[i].family, family) == 0)
            return installedFamilies()[i];
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
