// What goes on paper: the sorting sheet's rows, one per value of a checked parts list, and the
// labels of a list of values. Each names the markings to look for on the part, drawn by
// paper_drawing in the windows and on the command line.
#pragma once

#include "core/marking/value_markings.h"
#include "core/parts_list/checks.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vantrel::paper {

// The markings a part of this value, size and tolerance carries, split as paper draws them.
struct PartMarkings {
    std::vector<marking::Marking> bands; // at most two band markings, drawn as bodies
    std::vector<marking::Marking> codes; // printed codes: SMD, EIA-96, capacitor, letter codes
};
PartMarkings partMarkings(const value::Reading& reading);

struct SheetRow {
    value::Quantity quantity = value::Quantity::Resistance;
    std::optional<value::Reading> reading; // nothing where the value cannot be read
    std::string designators;               // each line's as written, joined by ", "
    std::size_t count = 0;                 // parts to fit
    std::string written;                   // the value as the list writes it, each way once
    std::string plainly;                   // "10 кОм ±1 %, 0603 (1608 мм)"
    PartMarkings markings;
    std::vector<std::string> findings; // "строка 4: …"
};

struct SortingSheet {
    std::vector<SheetRow> rows;
    std::string notFitted; // the designators of DNP lines, joined by ", "
};

// One row per resistor, capacitor and inductor value of the list, fitted: resistors, then
// capacitors, then inductors, each in ascending value, then by size and tolerance; a value
// that cannot be read comes last of its part. Lines of other parts are left out.
SortingSheet sortingSheet(std::span<const lists::CheckedLine> lines);

// The same sheet made a line at a time, as a long list is checked: each line's designators and
// spellings kept once, however many lines repeat them.
class SheetBuilder {
public:
    SheetBuilder();
    SheetBuilder(SheetBuilder&&) noexcept;
    ~SheetBuilder();
    void add(const lists::CheckedLine& checked);
    SortingSheet done() &&;

private:
    struct Joined;
    std::unique_ptr<Joined> joined_;
    SortingSheet sheet_;
    std::vector<SheetRow> unread_;
};

// Values for labels, one or more a line, separated by ';', '#' starting a comment, as the
// finder's own values are kept: each a value as the finder takes it ("4k7", "100n"), or else any
// marking, part number or whole line with its facts ("10k 1% 0603"), read as its first reading
// that gives a value. The first entry that gives none is named, with the list's name and line.
std::variant<std::vector<value::Reading>, std::string> readLabelValues(std::string_view text,
                                                                       const std::string& name);

struct Label {
    value::Reading reading;
    std::string value;   // "4,7 кОм"
    std::string details; // "±1 %, 0603": tolerance, voltage and size where known
    PartMarkings markings;
    std::string payload; // the QR code's text: the value line, which `vantrel` reads back
};
Label labelOf(const value::Reading& reading);

} // namespace vantrel::paper
