#include "core/codes/typed_code.h"

namespace vantrel::codes {

std::optional<std::string> readLookalikes(std::string_view text,
                                          std::span<const Lookalike> lookalikes) {
    std::string read;
    while (!text.empty()) {
        if (static_cast<unsigned char>(text.front()) < 0x80) {
            read += text.front();
            text.remove_prefix(1);
            continue;
        }
        const Lookalike* found = nullptr;
        for (const Lookalike& lookalike : lookalikes) {
            if (text.starts_with(lookalike.typed)) {
                found = &lookalike;
                break;
            }
        }
        if (!found)
            return std::nullopt;
        read += found->read;
        text.remove_prefix(found->typed.size());
    }
    return read;
}

} // namespace vantrel::codes
