// Networks and dividers of standard parts: every answer against a search of every network,
// written here, and the worked cases a builder checks by hand.
#include "core/networks/network_text.h"
#include "core/networks/networks.h"
#include "core/value/series.h"
#include "series_definition.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

using namespace vantrel::networks;
using vantrel::value::Quantity;

Stock series(std::string_view name, Quantity quantity = Quantity::Resistance) {
    std::optional<Stock> stock = seriesStock(name, quantity);
    EXPECT_TRUE(stock) << name;
    return stock ? *stock : Stock{};
}

double amountOfPart(const Stock& stock, std::size_t index) {
    return stock.parts[index].amount;
}

// Series adds values, parallel adds reciprocals: resistors' rule, the other way for capacitors.
double inSeries(std::initializer_list<double> values) {
    double sum = 0;
    for (const double v : values)
        sum += v;
    return sum;
}
double inParallel(std::initializer_list<double> values) {
    double sum = 0;
    for (const double v : values)
        sum += 1 / v;
    return 1 / sum;
}

// The least error in size of every network of exactly `parts` parts of the stock, each network
// tried: every part, every pair and every triple in every shape.
double bruteForceError(const std::vector<double>& v, double target, int parts) {
    double best = INFINITY;
    const auto offer = [&](double amount) {
        best = std::min(best, std::abs(amount - target) / target);
    };
    const std::size_t n = v.size();
    for (std::size_t a = 0; a < n; ++a) {
        if (parts == 1)
            offer(v[a]);
        for (std::size_t b = 0; parts >= 2 && b < n; ++b) {
            if (parts == 2) {
                offer(inSeries({v[a], v[b]}));
                offer(inParallel({v[a], v[b]}));
            }
            for (std::size_t c = 0; parts == 3 && c < n; ++c) {
                offer(v[a] + inParallel({v[b], v[c]}));
                offer(inParallel({v[a], v[b] + v[c]}));
                offer(inSeries({v[a], v[b], v[c]}));
                offer(inParallel({v[a], v[b], v[c]}));
            }
        }
    }
    return best;
}

std::vector<double> amounts(const Stock& stock) {
    std::vector<double> values;
    for (const Part& part : stock.parts)
        values.push_back(part.amount);
    return values;
}

// Targets spread evenly over the decades on a logarithmic scale, the same on every run.
std::vector<double> targets(int count, double least, double most, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> exponent(std::log10(least), std::log10(most));
    std::vector<double> made;
    for (int i = 0; i < count; ++i)
        made.push_back(std::pow(10.0, exponent(random)));
    return made;
}

// The value of a found network, computed here from its parts as a resistor network.
double resistanceOf(const Network& network, const Stock& stock) {
    const auto p = [&](std::size_t i) { return amountOfPart(stock, network.parts[i]); };
    switch (network.shape) {
    case Shape::One:
        return p(0);
    case Shape::Added:
        return inSeries({p(0), p(1)});
    case Shape::Reciprocal:
        return inParallel({p(0), p(1)});
    case Shape::AddedReciprocal:
        return p(0) + inParallel({p(1), p(2)});
    case Shape::ReciprocalAdded:
        return inParallel({p(0), p(1) + p(2)});
    case Shape::ThreeAdded:
        return inSeries({p(0), p(1), p(2)});
    case Shape::ThreeReciprocal:
        return inParallel({p(0), p(1), p(2)});
    }
    return NAN;
}

void expectSameError(double found, double expected, const std::string& where) {
    EXPECT_NEAR(std::abs(found), expected, 1e-9 * std::max(1.0, expected)) << where;
}

// Each network listed has the least error of its number of parts, has its own value and error,
// beats every network of fewer parts, and none is missing that would.
void expectBestNetworks(const Stock& stock, double target, int parts) {
    const Combiner combiner(stock);
    const std::vector<Network> found = combiner.best(target, parts);
    const std::vector<double> values = amounts(stock);
    const std::string where =
        stock.name + " " + std::to_string(target) + " in " + std::to_string(parts) + " parts";
    ASSERT_FALSE(found.empty()) << where;
    double fewer = INFINITY; // the least error of the networks of fewer parts
    std::vector<int> listed;
    for (auto network = found.rbegin(); network != found.rend(); ++network)
        listed.push_back(partsIn(network->shape));
    for (int count = 1; count <= parts; ++count) {
        const double best = bruteForceError(values, target, count);
        const bool better = best < fewer - 1e-9 * std::max(1.0, best);
        const auto at = std::ranges::find(listed, count);
        EXPECT_EQ(at != listed.end(), better) << where << ", " << count << " parts";
        if (at != listed.end()) {
            const Network& network = found[found.size() - 1 - (at - listed.begin())];
            expectSameError(network.error, best, where);
            const double value = resistanceOf(network, stock);
            EXPECT_NEAR(network.amount, value, value * 1e-12) << where;
            EXPECT_NEAR(network.error, (value - target) / target, 1e-9) << where;
        }
        fewer = std::min(fewer, best);
    }
}

} // namespace

TEST(Networks, SeriesDecadesFollowTheirDefinition) {
    for (const int n : {3, 6, 12, 24, 48, 96, 192})
        EXPECT_EQ(vantrel::value::decadeOf(n), vantrel::test::definition(n)) << "E" << n;
    for (const int n : {0, 1, 2, 4, 5, 8, 16, 36, 100, 384, -6})
        EXPECT_TRUE(vantrel::value::decadeOf(n).empty()) << n;
}

TEST(Networks, SeriesStockCoversSevenDecadesAndTheNextDecadesFirstValue) {
    struct Case {
        std::string_view name;
        Quantity quantity;
        std::size_t count;
        double least, most, tolerance;
    };
    const Case cases[] = {
        {"E3", Quantity::Resistance, 22, 1, 1e7, 0},
        {"e12", Quantity::Resistance, 85, 1, 1e7, 0.10},
        {"E96", Quantity::Resistance, 673, 1, 1e7, 0.01},
        {"E192", Quantity::Capacitance, 1345, 1, 1e7, 0.005}, // 1 пФ to 10 мкФ
        {"E6", Quantity::Inductance, 43, 10, 1e8, 0.20},      // 10 нГн to 100 мГн
    };
    for (const Case& c : cases) {
        const Stock stock = series(c.name, c.quantity);
        ASSERT_EQ(stock.parts.size(), c.count) << c.name;
        EXPECT_EQ(stock.parts.front().amount, c.least) << c.name;
        EXPECT_EQ(stock.parts.back().amount, c.most) << c.name;
        EXPECT_EQ(stock.toleranced, c.tolerance > 0) << c.name;
        EXPECT_TRUE(std::ranges::is_sorted(amounts(stock))) << c.name;
        for (const Part& part : stock.parts)
            EXPECT_NEAR(part.most, part.amount * (1 + c.tolerance), part.amount * 1e-12);
    }
    for (const std::string_view name : {"", "E", "E7", "E240", "E24 ", "Ж24", "E 24"})
        EXPECT_FALSE(seriesStock(name, Quantity::Resistance)) << name;
    for (const std::string_view name : {"Е24" /* Cyrillic */, "е24", "e24"})
        EXPECT_EQ(series(name).parts.size(), 169u) << name;
}

TEST(Networks, BestOfEachSizeAgainstEveryNetworkTried) {
    // Three parts over the small series, two over a larger one, and a builder's odd list.
    const Stock odd = std::get<Stock>(
        readStock("1; 3,3; 7,5; 12; 68; 150; 390; 820; 1k8; 5k1; 9k1; 27k; 82k; 330k; 1M2; 4M7",
                  Quantity::Resistance, "list"));
    unsigned seed = 1;
    for (const auto& [stock, parts, count] :
         {std::tuple{series("E3"), 3, 250}, std::tuple{series("E6"), 3, 60},
          std::tuple{odd, 3, 150}, std::tuple{series("E12"), 2, 150}}) {
        const Range reach = Combiner(stock).reach(parts);
        for (const double target : targets(count, reach.least, reach.most, seed++))
            expectBestNetworks(stock, target, parts);
    }
    // Values at the ends of the decades and at the ends of what can be reached.
    for (const double target : {1.0, 1.0 / 3, 0.34, 9.99, 10.0, 99.9, 1e7, 2.9e7, 3e7})
        expectBestNetworks(series("E3"), target, 3);
}

TEST(Networks, WorkedCases) {
    const Stock e12 = series("E12");
    const std::vector<Network> wanted = Combiner(e12).best(14'700);
    ASSERT_EQ(wanted.size(), 2u);
    EXPECT_EQ(networkLine(wanted[0], e12),
              "12 кОм + 2,7 кОм = 14,7 кОм, ошибка 0 %, с допуском от 13,23 кОм до 16,17 кОм");
    EXPECT_EQ(networkLine(wanted[1], e12),
              "15 кОм, ошибка +2,041 %, с допуском от 13,5 кОм до 16,5 кОм");
    EXPECT_EQ(shapeName(wanted[0].shape, Quantity::Resistance), "a+b");

    // A value of the series is one part: more parts are never offered as better.
    for (const std::string_view name : {"E6", "E24", "E192"}) {
        const Combiner combiner(series(name));
        const std::vector<Part>& parts = combiner.stock().parts;
        for (std::size_t i = 0; i < parts.size(); i += name == "E192" ? 7 : 1) {
            const Part& part = parts[i];
            const std::vector<Network> found = combiner.best(part.amount);
            ASSERT_EQ(found.size(), 1u) << name << " " << part.amount;
            EXPECT_EQ(found[0].shape, Shape::One);
            EXPECT_EQ(found[0].error, 0);
        }
    }

    // Two equal capacitors in series are half of one; in parallel, twice.
    const Stock capacitors = series("E6", Quantity::Capacitance);
    const std::vector<Network> halved = Combiner(capacitors).best(5'000, 2);
    ASSERT_EQ(halved.size(), 2u);
    EXPECT_EQ(networkLine(halved[0], capacitors),
              "10 нФ + 10 нФ = 5 нФ, ошибка 0 %, с допуском от 4 нФ до 6 нФ");
    EXPECT_EQ(shapeName(halved[0].shape, Quantity::Capacitance), "a+b");
    EXPECT_EQ(halved[0].shape, Shape::Reciprocal);
    const std::vector<Network> doubled = Combiner(capacitors).best(30'000, 2);
    EXPECT_EQ(networkText(doubled[0], capacitors), "15 нФ ‖ 15 нФ");
    const std::vector<Network> resistors = Combiner(series("E6")).best(5'000, 2);
    EXPECT_EQ(networkText(resistors[0], series("E6")), "10 кОм ‖ 10 кОм");
    EXPECT_EQ(shapeName(Shape::AddedReciprocal, Quantity::Capacitance), "a||(b+c)");
    EXPECT_EQ(shapeName(Shape::ReciprocalAdded, Quantity::Resistance), "a||(b+c)");
    EXPECT_EQ(shapeName(Shape::ThreeReciprocal, Quantity::Inductance), "a||b||c");

    // Fewer distinct values first where the error is the same: 10 + 10 + 10, not 15 + 15.
    const Stock tens = std::get<Stock>(readStock("10; 15; 5", Quantity::Resistance, "list"));
    const std::vector<Network> thirty = Combiner(tens).best(30, 3);
    ASSERT_EQ(thirty.size(), 2u);
    EXPECT_EQ(networkText(thirty[0], tens), "15 Ом + 15 Ом");
    const std::vector<Network> fortyFive =
        Combiner(std::get<Stock>(readStock("15; 45; 30", Quantity::Resistance, "list")))
            .best(60, 3);
    EXPECT_EQ(fortyFive[0].distinctValues(), 1);
}

namespace exact {

// A network's value as a fraction of whole ohms, and its error against a target of tenths of
// an ohm as |10 N - t D| / (10 D): computed here with 128-bit integers, each network tried.
__extension__ using Wide = __int128;
struct Value {
    Wide n, d;
};
Value sum(Value a, Value b) {
    return {a.n * b.d + b.n * a.d, a.d * b.d};
}
Value parallel(Value a, Value b) {
    return {a.n * b.n, a.n * b.d + b.n * a.d};
}
Value off(Value v, Wide tenths) {
    const Wide n = 10 * v.n - tenths * v.d;
    return {n < 0 ? -n : n, 10 * v.d};
}
bool less(Value a, Value b) {
    return a.n * b.d < b.n * a.d;
}

// The least error of `parts` parts and, of the networks with it, the fewest distinct values.
std::pair<Value, int> best(const std::vector<Wide>& v, Wide tenths, int parts) {
    std::pair<Value, int> kept{{1, 0}, 0}; // an error of infinity
    const auto offer = [&](Value value, int distinct) {
        const Value error = off(value, tenths);
        if (kept.first.d == 0 || less(error, kept.first) ||
            (!less(kept.first, error) && distinct < kept.second))
            kept = {error, distinct};
    };
    const std::size_t n = v.size();
    for (std::size_t a = 0; a < n; ++a) {
        const Value x{v[a], 1};
        if (parts == 1)
            offer(x, 1);
        for (std::size_t b = 0; parts >= 2 && b < n; ++b) {
            const Value y{v[b], 1};
            if (parts == 2) {
                const int distinct = a == b ? 1 : 2;
                offer(sum(x, y), distinct);
                offer(parallel(x, y), distinct);
            }
            for (std::size_t c = 0; parts == 3 && c < n; ++c) {
                const Value z{v[c], 1};
                const int distinct = 1 + (b != a) + (c != a && c != b);
                offer(sum(x, parallel(y, z)), distinct);
                offer(parallel(x, sum(y, z)), distinct);
                offer(sum(sum(x, y), z), distinct);
                offer(parallel(parallel(x, y), z), distinct);
            }
        }
    }
    return kept;
}

} // namespace exact

TEST(Networks, TiesGoToFewerDistinctValuesAgainstEveryNetworkTried) {
    // Targets that many networks reach exactly or miss by the same amount: whole ohms and
    // halves, of E12 from 10 Ом to 1 кОм.
    std::string list;
    std::vector<exact::Wide> ohms;
    for (const int power : {1, 10})
        for (const int figures : {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82}) {
            ohms.push_back(figures * power);
            list += std::to_string(figures * power) + ";";
        }
    ohms.push_back(1000);
    const Combiner combiner(std::get<Stock>(readStock(list + "1000", Quantity::Resistance, "E12")));
    for (int tenths = 50; tenths < 20'000; tenths += 115) {
        const auto target = vantrel::value::Decimal{tenths, -1};
        const std::vector<Network> found = combiner.best(target, 3);
        ASSERT_FALSE(found.empty());
        const Network& first = found.front();
        const auto [error, distinct] = exact::best(ohms, tenths, partsIn(first.shape));
        const std::string where = std::to_string(tenths) + " tenths";
        EXPECT_EQ(first.distinctValues(), distinct)
            << where << ": " << networkText(first, combiner.stock());
        EXPECT_EQ(first.error == 0, error.n == 0) << where;
        for (int parts = 1; parts < partsIn(first.shape); ++parts)
            EXPECT_TRUE(exact::less(error, exact::best(ohms, tenths, parts).first)) << where;
    }
}

TEST(Networks, DividersAgainstEveryPairTried) {
    // 5 V to 1,2 V from E24: no pair gives 0,24, one side of two parts does.
    const Stock e24 = series("E24");
    const std::vector<Divider> found =
        Combiner(e24).dividers(0.24, vantrel::value::toDouble(kAimedTotal));
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].parts(), 3);
    EXPECT_EQ(found[0].error, 0);
    EXPECT_EQ(found[0].total, 10'000);
    EXPECT_NE(found[1].error, 0);
    EXPECT_EQ(dividerLine(found[1], e24, 5),
              "верх 5,1 кОм, низ 1,6 кОм: 1,194 В, ошибка -0,4975 %, сумма 6,7 кОм, с допуском "
              "от 1,105 В до 1,287 В");

    // Every pair and every pair with one side of two parts, within a decade around the aim.
    const Stock e6 = series("E6");
    const std::vector<double> v = amounts(e6);
    unsigned seed = 100;
    for (const double aim : {50.0, 10'000.0, 3.3e6})
        for (const double ratio : targets(40, 0.01, 0.99, seed++)) {
            double pair = INFINITY, three = INFINITY;
            const auto offer = [&](double upper, double lower, double& best) {
                const double total = upper + lower;
                if (total >= aim / kTotalSpread && total <= aim * kTotalSpread)
                    best = std::min(best, std::abs(lower / total - ratio) / ratio);
            };
            for (const double a : v)
                for (const double b : v) {
                    offer(a, b, pair);
                    for (const double c : v)
                        for (const double side : {b + c, inParallel({b, c})}) {
                            offer(a, side, three);
                            offer(side, a, three);
                        }
                }
            const std::vector<Divider> best = Combiner(e6).dividers(ratio, aim);
            const std::string where = std::to_string(ratio) + " around " + std::to_string(aim);
            ASSERT_FALSE(best.empty()) << where;
            expectSameError(best.back().error, pair, where);
            EXPECT_EQ(best.back().parts(), 2) << where;
            const bool threeBetter = three < pair - 1e-9;
            ASSERT_EQ(best.size(), threeBetter ? 2u : 1u) << where;
            if (threeBetter)
                expectSameError(best.front().error, three, where);
            for (const Divider& divider : best) {
                EXPECT_NEAR(divider.ratio, divider.lower.amount / divider.total, 1e-15);
                EXPECT_GE(divider.total, aim / kTotalSpread) << where;
                EXPECT_LE(divider.total, aim * kTotalSpread) << where;
            }
        }
}

TEST(Networks, TextsOfErrorsAndRoundedValues) {
    struct Case {
        double error;
        std::string_view text;
    };
    const Case cases[] = {
        {0, "0 %"},        {0.020408163, "+2,041 %"}, {-0.00006313, "-0,006313 %"},
        {0.001, "+0,1 %"}, {-0.5, "-50 %"},           {1.23456e-9, "+0,0000001235 %"}};
    for (const Case& c : cases)
        EXPECT_EQ(errorText(c.error), c.text) << c.error;
}

TEST(Networks, ValuesAsTheBuilderTypesThem) {
    struct Case {
        std::string_view typed;
        Quantity quantity;
        double amount; // in the quantity's smallest unit
    };
    const Case read[] = {
        {"4k32", Quantity::Resistance, 4320},
        {"4,32 кОм", Quantity::Resistance, 4320},
        {"4.32k", Quantity::Resistance, 4320},
        {" 4700 ", Quantity::Resistance, 4700},
        {"4,7", Quantity::Resistance, 4.7},
        {"R47", Quantity::Resistance, 0.47},
        {"1M5", Quantity::Resistance, 1.5e6},
        {"100n", Quantity::Capacitance, 1e5},
        {"4,7 мкФ", Quantity::Capacitance, 4.7e6},
        {"10 мкГн", Quantity::Inductance, 1e4},
        {"4,7 кОм ±1 %", Quantity::Resistance, 4700},
        {"2k2 ±1 %", Quantity::Resistance, 2200},
        {"2200 ±1 %", Quantity::Resistance, 2200},
        {"100n +80/-20 %", Quantity::Capacitance, 1e5},
    };
    for (const Case& c : read) {
        const auto value = readPartValue(c.typed);
        ASSERT_TRUE(std::holds_alternative<vantrel::value::Reading>(value)) << c.typed;
        const auto& reading = std::get<vantrel::value::Reading>(value);
        EXPECT_EQ(reading.quantity, c.quantity) << c.typed;
        EXPECT_DOUBLE_EQ(vantrel::value::toDouble(reading.value), c.amount) << c.typed;
    }
    struct Refused {
        std::string_view typed;
        std::string_view message;
    };
    const std::string tooLong(300, '1');
    const Refused refused[] = {
        {"", "не задано: номинал"},
        {"  ", "не задано: номинал"},
        {"0", "«0»: ноль, а нужно больше"},
        {"0 Ом", "«0 Ом»: ноль, а нужно больше"},
        {"-4k7", "«-4k7»: меньше нуля, а нужно больше"},
        {"−5", "«−5»: меньше нуля, а нужно больше"},
        {"- 47", "«- 47»: меньше нуля, а нужно больше"},
        {"кот", "«кот» не номинал: пишите, например, 4,7 кОм, 4k7, 100 нФ"},
        {"4k7q", "«4k7q» не номинал: пишите, например, 4,7 кОм, 4k7, 100 нФ"},
        {tooLong, "номинал: больше 256 байт"},
    };
    for (const Refused& r : refused) {
        const auto value = readPartValue(r.typed);
        ASSERT_TRUE(std::holds_alternative<Refusal>(value)) << r.typed;
        EXPECT_EQ(std::get<Refusal>(value).message, r.message) << r.typed;
    }
}

TEST(Networks, DividerRatiosAndTotals) {
    struct Case {
        std::string_view input, output;
        std::variant<double, std::string_view> ratio; // or the refusal's message
    };
    const Case cases[] = {
        {"5", "1,2", 0.24},
        {"5 В", "1.2V", 0.24},
        {"12v", "3300 мВ", 0.275},
        {"1 кВ", "10 В", 0.01},
        {"0,24", "", 0.24},
        {"5", "5", "выходное напряжение делителя должно быть меньше входного"},
        {"1,2", "5", "выходное напряжение делителя должно быть меньше входного"},
        {"1", "", "«1»: коэффициент делителя должен быть меньше 1"},
        {"0", "", "«0»: ноль, а нужно больше"},
        {"5", "-1", "«-1»: меньше нуля, а нужно больше"},
        {"5", "0 В", "«0 В»: ноль, а нужно больше"},
        {"пять", "1", "«пять» не напряжение: пишите, например, 5, 1,2 В, 3.3V"},
        {"5 Ом", "1", "«5 Ом» не напряжение: пишите, например, 5, 1,2 В, 3.3V"},
    };
    for (const Case& c : cases) {
        const auto ratio = readRatio(c.input, c.output);
        if (const auto* expected = std::get_if<double>(&c.ratio)) {
            ASSERT_TRUE(std::holds_alternative<double>(ratio)) << c.input << " " << c.output;
            EXPECT_DOUBLE_EQ(std::get<double>(ratio), *expected);
        } else {
            ASSERT_TRUE(std::holds_alternative<Refusal>(ratio)) << c.input << " " << c.output;
            EXPECT_EQ(std::get<Refusal>(ratio).message, std::get<std::string_view>(c.ratio));
        }
    }
    EXPECT_EQ(std::get<double>(readAimedTotal("")), 10'000);
    EXPECT_EQ(std::get<double>(readAimedTotal("47k")), 47'000);
    EXPECT_EQ(std::get<Refusal>(readAimedTotal("100 нФ")).message,
              "«100 нФ»: сумма делителя — сопротивление, а это ёмкость");
}

TEST(Networks, ListsOfTheBuildersOwnValues) {
    const auto read =
        readStock("# мой ящик\n4,7 кОм ±1 %; 1K0F\n\n  10 кОм ±5 % # на полке\n4,7 кОм\n",
                  Quantity::Resistance, "ящик");
    ASSERT_TRUE(std::holds_alternative<Stock>(read)) << std::get<Refusal>(read).message;
    const Stock& stock = std::get<Stock>(read);
    ASSERT_EQ(amounts(stock), (std::vector<double>{1000, 4700, 10'000})); // 4,7 кОм once
    EXPECT_TRUE(stock.toleranced);
    EXPECT_DOUBLE_EQ(stock.parts[1].least, 4653);
    EXPECT_DOUBLE_EQ(stock.parts[2].most, 10'500);
    EXPECT_FALSE(std::get<Stock>(readStock("4K7F\n1k", Quantity::Resistance, "x")).toleranced);
    // Lists as editors save them, and a tolerance after a value in any of its forms.
    for (const std::string_view text : {"\xEF\xBB\xBF"
                                        "2k2 ±1 %\r\n1k ±1 %\r\n",
                                        "2200 ±1 %\r\n1K0F", "2,2 кОм ±1 %;1k +/-1 %"}) {
        const auto list = readStock(text, Quantity::Resistance, "x");
        ASSERT_TRUE(std::holds_alternative<Stock>(list)) << std::get<Refusal>(list).message;
        EXPECT_EQ(amounts(std::get<Stock>(list)), (std::vector<double>{1000, 2200})) << text;
        EXPECT_DOUBLE_EQ(std::get<Stock>(list).parts[1].most, 2222) << text;
    }

    // A value listed twice keeps its first tolerance however many values the list sorts, and
    // a list at the bounds, 2000 values in 1 МиБ, is read.
    std::string twice;
    for (int i = 2000; i > 0; --i)
        twice += std::to_string(i) + " ±1 %\n" + std::to_string(i) + ".0 ±5 %\n";
    const auto kept = readStock(twice + std::string(kLongestStockText - twice.size(), '#'),
                                Quantity::Resistance, "x");
    ASSERT_TRUE(std::holds_alternative<Stock>(kept)) << std::get<Refusal>(kept).message;
    ASSERT_EQ(std::get<Stock>(kept).parts.size(), kMostStockValues);
    for (const Part& part : std::get<Stock>(kept).parts)
        EXPECT_DOUBLE_EQ(part.most, part.amount * 1.01) << part.amount;

    struct Refused {
        std::string text;
        Quantity quantity;
        std::string_view message;
    };
    std::string tooMany;
    for (int i = 1; i <= 2001; ++i)
        tooMany += std::to_string(i) + "\n";
    const Refused refused[] = {
        {"", Quantity::Resistance, "ящик: в списке нет ни одного номинала"},
        {"# только заметка\n\n ; ;", Quantity::Resistance, "ящик: в списке нет ни одного номинала"},
        {"4k7\n1k\nкот", Quantity::Resistance,
         "ящик, строка 3: «кот» не номинал: пишите, например, 4,7 кОм, 4k7, 100 нФ"},
        {"4k7; 0", Quantity::Resistance, "ящик, строка 1: «0»: ноль, а нужно больше"},
        {"4k7\r\n2k2 ±", Quantity::Resistance,
         "ящик, строка 2: «2k2 ±» не номинал: пишите, например, 4,7 кОм, 4k7, 100 нФ"},
        {"1k\n\x1b[2J1k", Quantity::Resistance,
         "ящик, строка 2: «?[2J1k» не номинал: пишите, например, 4,7 кОм, 4k7, 100 нФ"},
        {"1k ±5 пФ", Quantity::Resistance,
         "ящик, строка 1: «1k ±5 пФ» не номинал: пишите, например, 4,7 кОм, 4k7, 100 нФ"},
        {"1k\n1K±12k", Quantity::Resistance,
         "ящик, строка 2: «1K±12k»: допуск не меньше самого номинала"},
        {"1k ±1 кОм", Quantity::Resistance,
         "ящик, строка 1: «1k ±1 кОм»: допуск не меньше самого номинала"},
        {"100n +80/-100 %", Quantity::Capacitance,
         "ящик, строка 1: «100n +80/-100 %»: допуск не меньше самого номинала"},
        {"100n\n4k7", Quantity::Capacitance,
         "ящик, строка 2: «4k7» — сопротивление, а нужно ёмкость"},
        {tooMany, Quantity::Resistance, "ящик: в списке больше 2000 разных номиналов"},
        {std::string(kLongestStockText + 1, ' '), Quantity::Resistance,
         "ящик: список длиннее 1 МиБ"},
    };
    for (const Refused& r : refused) {
        const auto result = readStock(r.text, r.quantity, "ящик");
        ASSERT_TRUE(std::holds_alternative<Refusal>(result)) << r.message;
        EXPECT_EQ(std::get<Refusal>(result).message, r.message);
    }
}
