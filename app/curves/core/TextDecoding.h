#pragma once
#include <string>
#include <string_view>

namespace curves {

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool isValidUtf8(std::string_view bytes);

enum class TextEncoding { utf8, utf16LittleEndian, utf16BigEndian, latin1 };

// The name of an encoding for messages: "UTF-8", "UTF-16LE", "UTF-16BE",
// "Latin-1".
std::string_view encodingName(TextEncoding encoding);

struct DecodedText {
    std::string text; // UTF-8, without a leading byte-order mark
    TextEncoding encoding = TextEncoding::utf8;
};

// The text of a file's bytes, as UTF-8. Valid UTF-8 stands as it is. Other
// bytes are read as UTF-16 when they begin with its byte-order mark (either
// byte order), and otherwise line by line: a line that is valid UTF-8 stands
// as it is, any other line is read as Latin-1, the encoding of older
// measuring programs (the result's encoding is then latin1). Every byte is a
// Latin-1 character, so nothing is refused. Broken UTF-16 (a lone surrogate,
// an odd last byte) becomes U+FFFD. A byte-order mark at the start is dropped
// in every encoding.
DecodedText decodeText(std::string_view bytes);

} // namespace curves
