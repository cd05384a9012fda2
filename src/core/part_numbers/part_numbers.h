// Makers' part numbers both ways: what «GRM188R71H104KA93D» orders, and how each family orders
// a value of a given tolerance, size, voltage and dielectric.
#pragma once

#include "core/codes/dielectric.h"
#include "core/part_numbers/families.h"
#include "core/value/readout.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::parts {

struct PartReading {
    const Family* family;
    value::Reading reading; // every fact the part number carries; packaging is none
    std::optional<codes::Dielectric> dielectric;
};

struct PartAnswer {
    std::vector<PartReading> readings;
    // Where the text fits a family's pattern but a field holds a code the family does not
    // have, or a value it cannot: why it is no part number. Empty otherwise.
    std::string reason;
};

// The part number in either case, with hyphens and spaces anywhere and a distributor's number
// before it ("667-", "80-"): a reading for each family it is a valid number of.
PartAnswer readPartNumber(std::string_view text);

struct PartNumber {
    const Family* family;
    std::string text; // as the maker prints it
};

// The part number each family gives a part of the reading's value and facts, in the order of
// the families offered: only where the reading has every fact the number states (a size; a
// tolerance; a capacitor's voltage; a ceramic's dielectric, a tantalum's case) and the number
// states every fact the reading has. Fields that change nothing the reading shows are written with
// the family's commonest code.
std::vector<PartNumber> partNumbersOf(const value::Reading& reading,
                                      const std::optional<codes::Dielectric>& dielectric);

// The family's number for the reading, where it writes one.
std::optional<std::string> partNumberOf(const Family& family, const value::Reading& reading,
                                        const std::optional<codes::Dielectric>& dielectric);

// Every family, those not offered too.
std::vector<const Family*> allFamilies();

// "Murata GRM", "UniOhm".
std::string familyName(const Family& family);

} // namespace vantrel::parts
