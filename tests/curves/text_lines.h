#pragma once
// Text cut at its line feeds and joined again, for tests that edit files
// line by line.
#include <string>
#include <vector>

namespace curves_test {

// The pieces between line feeds; a final line feed gives a last empty piece.
inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines(1);
    for (const char c : text) {
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

// The lines with a line feed between each two.
inline std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? "\n" : "") + lines[i];
    return text;
}

} // namespace curves_test
