#include "app/curves/core/TextDecoding.h"

#include <cstdint>

namespace curves {

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0) low = 0xA0;
            if (c == 0xED) high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0) low = 0x90;
            if (c == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (i + length > n) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto t = static_cast<unsigned char>(bytes[i + k]);
            if (k == 1 ? (t < low || t > high) : (t < 0x80 || t > 0xBF)) return false;
        }
        i += length;
    }
    return true;
}

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string fromUtf16(std::string_view bytes, bool littleEndian) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char16_t>(littleEndian ? (second << 8 | first) : (first << 8 | second));
    };
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char16_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            const char16_t next = unit(i + 2);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (next - 0xDC00));
                i += 2;
                continue;
            }
        }
        appendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? replacementCharacter : u);
    }
    if (i < bytes.size()) appendUtf8(out, replacementCharacter);
    return out;
}

void appendLatin1(std::string& out, std::string_view bytes) {
    for (const char c : bytes) appendUtf8(out, static_cast<unsigned char>(c));
}

// Each line in its own encoding: UTF-8 where the line is valid UTF-8, Latin-1
// where it is not. One stray Latin-1 byte (a degree sign typed in an old
// editor) then leaves the other lines' UTF-8 letters as they were, so that
// text saved again is the text that was read. Line ends are never part of a
// UTF-8 sequence, so splitting after them cuts no character.
std::string fromUtf8OrLatin1ByLine(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    while (!bytes.empty()) {
        const auto end = bytes.find_first_of("\r\n");
        const auto line = bytes.substr(0, end == std::string_view::npos ? bytes.size() : end + 1);
        if (isValidUtf8(line))
            out += line;
        else
            appendLatin1(out, line);
        bytes.remove_prefix(line.size());
    }
    return out;
}

} // namespace

std::string_view encodingName(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::utf8: return "UTF-8";
    case TextEncoding::utf16LittleEndian: return "UTF-16LE";
    case TextEncoding::utf16BigEndian: return "UTF-16BE";
    case TextEncoding::latin1: return "Latin-1";
    }
    return "UTF-8";
}

DecodedText decodeText(std::string_view bytes) {
    if (isValidUtf8(bytes)) {
        if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
        return {std::string(bytes), TextEncoding::utf8};
    }
    // Neither mark can begin UTF-8 text, so valid UTF-8 never gets here.
    if (bytes.starts_with("\xFF\xFE")) return {fromUtf16(bytes.substr(2), true), TextEncoding::utf16LittleEndian};
    if (bytes.starts_with("\xFE\xFF")) return {fromUtf16(bytes.substr(2), false), TextEncoding::utf16BigEndian};
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    return {fromUtf8OrLatin1ByLine(bytes), TextEncoding::latin1};
}

} // namespace curves
