#include "core/parts_list/headings.h"

#include <algorithm>

namespace vantrel::lists {
namespace {

struct Heading {
    std::string_view name; // in lower case, one space between words
    Role role;
};

// The headings of KiCad (kicad-cli and its older scripts), EasyEDA (Standard: ID, Name,
// Designator …; Pro: No., Comment, Value …), Eagle's and Fusion's bom.ulp (Part or Parts,
// Value, Device, Package), Altium (Comment, Designator, LibRef; ActiveBOM's Manufacturer Part
// Number 1 …), assembly houses, distributors' upload forms and Russian lists.
// clang-format off
constexpr Heading kHeadings[] = {
    {"reference", Role::Designators}, {"references", Role::Designators},
    {"reference(s)", Role::Designators}, {"ref", Role::Designators},
    {"refs", Role::Designators}, {"designator", Role::Designators},
    {"designators", Role::Designators}, {"refdes", Role::Designators},
    {"ref des", Role::Designators}, {"reference designator", Role::Designators},
    {"reference designators", Role::Designators}, {"reference designator(s)", Role::Designators},
    {"part", Role::Designators}, {"parts", Role::Designators},
    {"part references", Role::Designators}, {"part reference", Role::Designators},
    {"позиционное обозначение", Role::Designators}, {"поз. обозначение", Role::Designators},
    {"поз. обозн.", Role::Designators}, {"обозначение", Role::Designators},
    {"pos", Role::Designators}, {"pos.", Role::Designators}, {"поз.", Role::Designators},
    {"qty", Role::Quantity}, {"qnty", Role::Quantity}, {"quantity", Role::Quantity},
    {"${quantity}", Role::Quantity}, {"count", Role::Quantity}, {"кол.", Role::Quantity},
    {"кол-во", Role::Quantity}, {"количество", Role::Quantity},
    {"value", Role::Value}, {"comment", Role::Value}, {"designation", Role::Value},
    {"specification", Role::Value}, {"name", Role::Value}, {"номинал", Role::Value},
    {"param", Role::Value}, {"parameters", Role::Value}, {"параметры", Role::Value},
    {"description", Role::Description}, {"desc", Role::Description},
    {"наименование", Role::Description}, {"компонент", Role::Description},
    {"footprint", Role::Footprint}, {"package", Role::Footprint}, {"case", Role::Footprint},
    {"корпус", Role::Footprint},
    {"mpn", Role::PartNumber}, {"pn", Role::PartNumber}, {"p/n", Role::PartNumber},
    {"manufacturer part", Role::PartNumber}, {"manufacturer part number", Role::PartNumber},
    {"manufacturer part #", Role::PartNumber}, {"manufacturer pn", Role::PartNumber},
    {"manufacturer p/n", Role::PartNumber}, {"manufacturerpartnumber", Role::PartNumber},
    {"mfr part", Role::PartNumber}, {"mfr. part #", Role::PartNumber},
    {"mfr part #", Role::PartNumber}, {"mfr part number", Role::PartNumber},
    {"mfr. part number", Role::PartNumber}, {"mfr pn", Role::PartNumber},
    {"mfr. pn", Role::PartNumber}, {"mfr #", Role::PartNumber}, {"mfr. #", Role::PartNumber},
    {"mfr p/n", Role::PartNumber}, {"mfg part #", Role::PartNumber},
    {"mfg part number", Role::PartNumber}, {"mfg pn", Role::PartNumber},
    {"mfpn", Role::PartNumber}, {"manf#", Role::PartNumber}, {"manuf#", Role::PartNumber},
    {"part number", Role::PartNumber}, {"partnumber", Role::PartNumber},
    {"part #", Role::PartNumber}, {"part no", Role::PartNumber}, {"part no.", Role::PartNumber},
    {"lcsc", Role::Distributor}, {"lcsc part", Role::Distributor},
    {"lcsc part #", Role::Distributor}, {"lcsc part number", Role::Distributor},
    {"jlcpcb part #", Role::Distributor}, {"supplier part", Role::Distributor},
    {"supplier part number", Role::Distributor}, {"supplier part #", Role::Distributor},
    {"supplier and ref", Role::Distributor}, {"digikey", Role::Distributor},
    {"digi-key", Role::Distributor}, {"digikey pn", Role::Distributor},
    {"digi-key pn", Role::Distributor}, {"digikey part number", Role::Distributor},
    {"digi-key part number", Role::Distributor}, {"digikey part #", Role::Distributor},
    {"digi-key part #", Role::Distributor}, {"mouser", Role::Distributor},
    {"mouser pn", Role::Distributor}, {"mouser part number", Role::Distributor},
    {"mouser part #", Role::Distributor}, {"mouser #", Role::Distributor},
    {"farnell", Role::Distributor}, {"newark", Role::Distributor}, {"tme", Role::Distributor},
    {"distributor pn", Role::Distributor}, {"order code", Role::Distributor},
    {"vendor pn", Role::Distributor}, {"vendor part number", Role::Distributor},
    {"vendor part #", Role::Distributor}, {"supplier pn", Role::Distributor},
    {"dnp", Role::NotFitted}, {"${dnp}", Role::NotFitted}, {"dnf", Role::NotFitted},
    {"do not populate", Role::NotFitted}, {"do not place", Role::NotFitted},
    {"do not fit", Role::NotFitted}, {"exclude from bom", Role::NotFitted},
    {"exclude from board", Role::NotFitted}, {"no pop", Role::NotFitted},
    {"fitted", Role::Fitted}, {"fit", Role::Fitted}, {"populate", Role::Fitted},
    {"populated", Role::Fitted}, {"mount", Role::Fitted}, {"place", Role::Fitted},
    {"installed", Role::Fitted}, {"установка", Role::Fitted},
    {"примечание", Role::Note}, {"note", Role::Note}, {"notes", Role::Note},
    {"manufacturer", Role::Known}, {"mfr", Role::Known}, {"mfg", Role::Known},
    {"mf", Role::Known}, {"производитель", Role::Known}, {"vendor", Role::Known},
    {"supplier", Role::Known}, {"libref", Role::Known}, {"lib ref", Role::Known},
    {"libpart", Role::Known}, {"device", Role::Known}, {"cmp name", Role::Known},
    {"id", Role::Known}, {"no.", Role::Known}, {"item", Role::Known}, {"line #", Role::Known},
    {"datasheet", Role::Known}, {"price", Role::Known}, {"pins", Role::Known},
};
// clang-format on

// Roles whose columns come numbered, one for each alternate part: «MPN 2», «Supplier 1».
bool numbered(Role role) {
    return role == Role::PartNumber || role == Role::Distributor || role == Role::Known;
}

// The marks that say a part is not fitted, in lower case. Those after kWholeOnly stand for
// that only as the whole text: «100 NF» is a hundred nanofarads.
constexpr std::string_view kNotFitted[] = {
    "dnp", "dnf", "dni", "dnl", "dns", "nc", "n/c", "n.c.", "n.f.", "not fitted", "no fit", "nofit",
    "do not fit", "do not place", "do not populate", "do not mount", "no pop", "nopop", "no stuff",
    "nostuff", "not placed", "not populated", "не устанавливать", "не уст.", "не устанавливается",
    // Only alone; an open, infinite resistance is no part.
    "nf", "n/f", "na", "x", "inf", "∞"};
constexpr std::size_t kWholeOnly = std::size(kNotFitted) - 6;

// The answers a column of fitted parts gives where the part is not fitted, and the answers a
// column of parts not fitted gives where it is.
constexpr std::string_view kNo[] = {"no", "n", "0", "false", "нет", "-"};

bool letterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
           static_cast<unsigned char>(c) >= 0x80;
}

// The heading in lower case with one space between words, an underscore taken for a space.
std::string plain(std::string_view heading) {
    std::string low = folded(heading);
    std::string kept;
    for (const char c : low) {
        const char each = c == '_' ? ' ' : c;
        if (each == ' ' && (kept.empty() || kept.back() == ' '))
            continue;
        kept += each;
    }
    while (!kept.empty() && kept.back() == ' ')
        kept.pop_back();
    return kept;
}

std::optional<Role> known(std::string_view name, bool alternate) {
    const auto* row = std::ranges::find(kHeadings, name, &Heading::name);
    if (row == std::end(kHeadings) || (alternate && !numbered(row->role)))
        return std::nullopt;
    return row->role;
}

} // namespace

std::string folded(std::string_view text) {
    constexpr std::string_view kSpaces = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kSpaces);
    if (first == std::string_view::npos)
        return {};
    std::string low(text.substr(first, text.find_last_not_of(kSpaces) - first + 1));
    for (std::size_t i = 0; i < low.size(); ++i) {
        char& c = low[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + ('a' - 'A'));
        } else if (c == '\xD0' && i + 1 < low.size()) {
            char& next = low[i + 1];
            if (next >= '\x90' && next <= '\x9F') { // А to П
                next = static_cast<char>(next + 0x20);
            } else if (next >= '\xA0' && next <= '\xAF') { // Р to Я
                c = '\xD1';
                next = static_cast<char>(next - 0x20);
            } else if (next == '\x81') { // Ё
                c = '\xD1', next = '\x91';
            }
            ++i;
        }
    }
    return low;
}

std::optional<Role> roleOf(std::string_view heading) {
    const std::string name = plain(heading);
    if (auto role = known(name, false))
        return role;
    // An alternate's number: «MPN1», «Manufacturer Part Number 2».
    std::string_view stem = name;
    while (!stem.empty() && stem.back() >= '0' && stem.back() <= '9')
        stem.remove_suffix(1);
    if (stem.size() == name.size())
        return std::nullopt;
    if (stem.ends_with(' '))
        stem.remove_suffix(1);
    return known(stem, true);
}

bool saysNotFitted(std::string_view text) {
    const std::string low = folded(text);
    for (std::size_t m = 0; m < std::size(kNotFitted); ++m) {
        const std::string_view mark = kNotFitted[m];
        if (m >= kWholeOnly) {
            if (low == mark)
                return true;
            continue;
        }
        for (std::size_t at = low.find(mark); at != std::string::npos;
             at = low.find(mark, at + 1)) {
            const std::size_t end = at + mark.size();
            if ((at == 0 || !letterOrDigit(low[at - 1])) &&
                (end == low.size() || !letterOrDigit(low[end]) || !letterOrDigit(mark.back())))
                return true;
        }
    }
    return false;
}

bool cellSaysNotFitted(Role role, std::string_view cell) {
    const std::string low = folded(cell);
    if (low.empty())
        return false;
    const bool no = std::ranges::find(kNo, low) != std::end(kNo);
    switch (role) {
    case Role::NotFitted: // anything but a no, as KiCad writes «DNP» or «Excluded from BOM»
        return !no && low != "fitted" && low != "fit";
    case Role::Fitted:
        return no || saysNotFitted(low);
    case Role::Note:
        return saysNotFitted(low) && low != "x";
    default:
        return false;
    }
}

std::span<const std::string_view> notFittedMarks() {
    return kNotFitted;
}

} // namespace vantrel::lists
