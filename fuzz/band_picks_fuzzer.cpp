// libFuzzer target: band lookups with any text, and any sequence of picks and presses in
// every colour window.
#include "bands/recipes.h"

#include <algorithm>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantrel::bands;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const BandTable* table :
         {&kLeadingDigitTable, &kDigitTable, &kResistorMultiplierTable, &kResistorToleranceTable,
          &kFiveBandToleranceTable, &kTemperatureCoefficientTable, &kInductorMultiplierTable3,
          &kInductorMultiplierTable4, &kInductorToleranceTable}) {
        const bool isItem =
            std::find(table->items.begin(), table->items.end(), text) != table->items.end();
        if (lookUp(*table, text).has_value() != isItem)
            std::abort();
    }
    for (const WindowRecipe* recipe : {&kResistor3Recipe, &kResistor4Recipe, &kResistor5Recipe,
                                       &kResistor6Recipe, &kInductor3Recipe, &kInductor4Recipe}) {
        BandSet set(*recipe);
        for (std::size_t i = 0; i + 1 < size; i += 2) {
            const int band = static_cast<signed char>(data[i]) % 8;
            const int item = static_cast<signed char>(data[i + 1]) % 14;
            const int before = set.acceptedItem(band);
            const PickOutcome pick = set.pick(band, item);
            if (pick.accepted && set.acceptedItem(band) != item)
                std::abort(); // an accepted pick is what the band holds
            if (!pick.accepted && set.acceptedItem(band) != before)
                std::abort(); // a refused pick changes nothing
            const PressOutcome press = set.press();
            if (press.line.empty() == press.missing.empty())
                std::abort(); // exactly one of a line or a missing-data message
            if (!press.line.empty() && !press.line.starts_with("R=") &&
                !press.line.starts_with("L="))
                std::abort();
        }
    }
    return 0;
}
