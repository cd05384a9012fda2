// --combine and --divider: the best networks and dividers of standard parts for a value or a
// ratio, as text or as one JSON object.
#pragma once

#include "core/networks/typed_values.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vantrel::cli {

struct NetworkQuestion {
    enum Kind { Combine, Divider };
    Kind kind = Combine;
    std::vector<std::string_view> values; // the value; or the input and output voltages, or a ratio
    std::optional<std::string_view> series; // a series' name, a file of values, or "-" for input
    std::optional<std::string_view> parts;  // --combine: at most this many parts
    std::optional<std::string_view> total;  // --divider: the total aimed at
    bool json = false;
};

// Answers the question on `out`, or says on `err` what is wrong with it, writing nothing on
// `out`, and gives the exit code: 0 with an answer, 1 where no divider fits the total aimed at,
// 2 for a question that cannot be asked (a value that is none, or none of the parts can
// reach, an unreadable or empty list of values) and 3 where the answer could not be written.
int answerNetworkQuestion(const NetworkQuestion& question, std::istream& in, std::ostream& out,
                          std::ostream& err);

// "список «мои.txt»", "список со стандартного ввода"; in a message that the list failed, with
// what it lists: "список номиналов «мои.txt»".
std::string listName(std::string_view name, std::string_view what = "");

// A list from a file, or from standard input for "-": at most one byte more than `most`, so
// that a longer one is refused whole. `what` names what it lists in a refusal: "номиналов ".
std::variant<std::string, networks::Refusal> readList(std::string_view name, std::istream& in,
                                                      std::size_t most, std::string_view what);

} // namespace vantrel::cli
