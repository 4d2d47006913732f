#include "app/curves/core/MessageText.h"

namespace curves {

std::string quotedForMessage(std::string_view text) {
    constexpr std::size_t shown = 40;
    constexpr char hex[] = "0123456789ABCDEF";
    std::string quoted = "\"";
    for (std::size_t i = 0; i < text.size() && i < shown; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            quoted += "\\x";
            quoted += hex[c >> 4];
            quoted += hex[c & 0xF];
        } else {
            quoted += static_cast<char>(c);
        }
    }
    if (text.size() > shown) quoted += "...";
    return quoted + "\"";
}

} // namespace curves
