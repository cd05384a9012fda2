// A parts list as a schematic tool, an assembly house or a spreadsheet writes it, read into
// its lines: designators, quantity, value, part numbers and footprint, each as written.
#pragma once

#include "core/parts_list/designators.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vantrel::lists {

// A maker's or a distributor's number as the line gives it, and the column it stands in.
struct ListedNumber {
    std::string number; // as written, a trailing dot or comma left out
    std::string column; // "MPN 2"; empty in a plain list
    bool operator==(const ListedNumber&) const = default;
};

struct ListLine {
    std::size_t line = 0;                    // in the file, from 1
    std::string designators;                 // as written: "R1-R4, R7"
    Designators expanded;                    // read: their ranges
    std::string quantity;                    // as written; empty where the list has no quantity
    std::string value;                       // the value, or the description it sits in
    std::string description;                 // a description column's, where the list has one
    std::string partNumber;                  // the first maker's number or, where there is none, a
                                             // distributor's
    std::vector<ListedNumber> makersNumbers; // every maker's number on the line, alternates too
    std::string footprint;                   // "R_0805_2012Metric", "0603"
    bool doNotPopulate = false; // listed, not fitted: DNP, Fitted = No, «10k DNP» …
    bool notUtf8 = false;       // a field held bytes that are no UTF-8, read as Windows-1251
};

// Why a file is no parts list that can be read: "в файле двоичные данные".
struct Unreadable {
    std::string reason;
};

// The longest file read: a parts list of 100 000 lines is a few megabytes.
inline constexpr std::size_t kLongestList = std::size_t{32} << 20; // 32 МиБ

// A parts list read a line at a time, so that a long one is never held whole: its format,
// found from the file itself, first. A CSV or TSV with a header row naming a value column
// (after any preamble lines): KiCad's, EasyEDA's, Eagle's, Altium's and assembly houses' among
// them; else a plain list, one part a line, designators first where it has them. A table whose
// header names no value column is refused with the columns it saw.
class PartsListReader {
public:
    // The list's text; Unreadable where it is none.
    static std::variant<PartsListReader, Unreadable> open(std::string_view bytes);
    PartsListReader(PartsListReader&&) noexcept;
    PartsListReader& operator=(PartsListReader&&) noexcept;
    ~PartsListReader();

    // The next line into `line`; false at the end.
    bool next(ListLine& line);
    // From the first line again.
    void rewind();
    // "таблица KiCad", "список, деталь в строке", and, once the lines are read, how the file
    // is encoded where it is not UTF-8: ", Windows-1251", or the lines that held bytes no UTF-8
    // has, where the rest is UTF-8.
    std::string format() const;

private:
    struct State;
    explicit PartsListReader(std::unique_ptr<State> state);
    std::unique_ptr<State> state_;
};

struct PartsList {
    std::string format; // what the file was read as: "таблица KiCad" ...
    std::vector<ListLine> lines;
};

// The whole list at once.
std::variant<PartsList, Unreadable> readPartsList(std::string_view bytes);

} // namespace vantrel::lists
