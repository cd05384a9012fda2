// The E6 to E192 series by their definition, for tests to check tables against: the i-th of n
// values is 10^(i/n) rounded to two significant figures (E6, E12, E24) or three (E48, E96,
// E192), but where IEC 60063 keeps the values of older practice.
#pragma once

#include <cmath>
#include <map>
#include <vector>

namespace vantrel::test {

// The series' decade as three-digit values, 100 to 999, in order.
inline std::vector<int> definition(int n) {
    // What the standard writes where the rounding says otherwise: E24's 2,7 3,0 3,3 3,6 3,9 4,3
    // 4,7 and 8,2, which E6 and E12 share, and E192's 9,20.
    static const std::map<int, int> kTwoFigures{{26, 27}, {29, 30}, {32, 33}, {35, 36},
                                                {38, 39}, {42, 43}, {46, 47}, {83, 82}};
    static const std::map<int, int> kThreeFigures{{919, 920}};
    const bool two = n <= 24;
    std::vector<int> values;
    for (int i = 0; i < n; ++i) {
        int rounded =
            static_cast<int>(std::lround(std::pow(10.0, i / double(n)) * (two ? 10 : 100)));
        const auto& exceptions = two ? kTwoFigures : kThreeFigures;
        if (const auto found = exceptions.find(rounded); found != exceptions.end())
            rounded = found->second;
        values.push_back(two ? rounded * 10 : rounded);
    }
    return values;
}

} // namespace vantrel::test
