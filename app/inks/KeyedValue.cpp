#include "app/inks/KeyedValue.h"

#include <cmath>
#include <cstdint>

#include "platform/NumberText.h"

namespace inks {

double KeyedValue::number() const {
    if (const auto* value = std::get_if<double>(&storage_)) return *value;
    throw curves::DecodingError("typeMismatch: expected a number");
}

const std::string& KeyedValue::string() const {
    if (const auto* value = std::get_if<std::string>(&storage_)) return *value;
    throw curves::DecodingError("typeMismatch: expected a string");
}

const KeyedValue::List& KeyedValue::list() const {
    if (const auto* value = std::get_if<List>(&storage_)) return *value;
    throw curves::DecodingError("typeMismatch: expected a list");
}

const KeyedValue::Container& KeyedValue::entries() const {
    if (const auto* value = std::get_if<Container>(&storage_)) return *value;
    throw curves::DecodingError("typeMismatch: expected a keyed container");
}

void KeyedValue::set(std::string key, KeyedValue value) {
    auto* entries = std::get_if<Container>(&storage_);
    if (!entries) {
        storage_ = Container{};
        entries = std::get_if<Container>(&storage_);
    }
    for (auto& entry : *entries) {
        if (entry.first == key) {
            entry.second = std::move(value);
            return;
        }
    }
    entries->emplace_back(std::move(key), std::move(value));
}

const KeyedValue* KeyedValue::find(std::string_view key) const {
    for (const auto& entry : entries()) {
        if (entry.first == key) return &entry.second;
    }
    return nullptr;
}

const KeyedValue& KeyedValue::required(std::string_view key) const {
    if (const auto* value = find(key)) return *value;
    throw curves::DecodingError("keyNotFound: no value for key \"" + std::string(key) + "\"");
}

// ---- text form ------------------------------------------------------------

namespace {

void writeString(std::string& out, const std::string& text) {
    static constexpr char hex[] = "0123456789abcdef";
    out += '"';
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        switch (ch) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20) {
                out += "\\u00";
                out += hex[byte >> 4];
                out += hex[byte & 0xF];
            } else {
                out += ch;
            }
        }
    }
    out += '"';
}

void writeValue(std::string& out, const KeyedValue& value) {
    if (value.isNumber()) {
        const double number = value.number();
        if (!std::isfinite(number)) throw EncodingError("invalidValue: a number that is not finite has no keyed form");
        out += platform::shortestDecimalText(number);
    } else if (value.isString()) {
        writeString(out, value.string());
    } else if (value.isList()) {
        out += '[';
        bool first = true;
        for (const auto& element : value.list()) {
            if (!first) out += ',';
            first = false;
            writeValue(out, element);
        }
        out += ']';
    } else {
        out += '{';
        bool first = true;
        for (const auto& [key, element] : value.entries()) {
            if (!first) out += ',';
            first = false;
            writeString(out, key);
            out += ':';
            writeValue(out, element);
        }
        out += '}';
    }
}

// A recursive-descent reader over the whole text. Nesting is bounded so that
// hostile input cannot exhaust the stack.
class KeyedTextReader {
public:
    explicit KeyedTextReader(std::string_view text) : text_(text) {}

    KeyedValue readDocument() {
        KeyedValue value = readValue(0);
        skipBlanks();
        if (pos_ != text_.size()) fail("unexpected text after the value");
        return value;
    }

private:
    static constexpr int maxDepth = 256;

    [[noreturn]] void fail(const std::string& what) const {
        throw curves::DecodingError("dataCorrupted: " + what + " at offset " + std::to_string(pos_));
    }

    void skipBlanks() {
        while (pos_ < text_.size() && std::string_view(" \t\n\r").find(text_[pos_]) != std::string_view::npos) ++pos_;
    }

    bool consume(char ch) {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == ch) {
            ++pos_;
            return true;
        }
        return false;
    }

    KeyedValue readValue(int depth) {
        if (depth > maxDepth) fail("nesting too deep");
        skipBlanks();
        if (pos_ >= text_.size()) fail("missing value");
        const char ch = text_[pos_];
        if (ch == '{') return readContainer(depth);
        if (ch == '[') return readList(depth);
        if (ch == '"') return KeyedValue(readString());
        return KeyedValue(readNumber());
    }

    KeyedValue readContainer(int depth) {
        ++pos_;
        KeyedValue::Container entries;
        if (consume('}')) return KeyedValue(std::move(entries));
        do {
            skipBlanks();
            if (pos_ >= text_.size() || text_[pos_] != '"') fail("expected a key");
            std::string key = readString();
            for (const auto& entry : entries) {
                if (entry.first == key) fail("duplicate key \"" + key + "\"");
            }
            if (!consume(':')) fail("expected ':'");
            entries.emplace_back(std::move(key), readValue(depth + 1));
        } while (consume(','));
        if (!consume('}')) fail("expected ',' or '}'");
        return KeyedValue(std::move(entries));
    }

    KeyedValue readList(int depth) {
        ++pos_;
        KeyedValue::List elements;
        if (consume(']')) return KeyedValue(std::move(elements));
        do {
            elements.push_back(readValue(depth + 1));
        } while (consume(','));
        if (!consume(']')) fail("expected ',' or ']'");
        return KeyedValue(std::move(elements));
    }

    double readNumber() {
        const std::size_t start = pos_;
        while (pos_ < text_.size()) {
            const char ch = text_[pos_];
            if ((ch >= '0' && ch <= '9') || ch == '-' || ch == '+' || ch == '.' || ch == 'e' || ch == 'E') {
                ++pos_;
            } else {
                break;
            }
        }
        if (pos_ == start) fail("unexpected character");
        const auto number = platform::parseFiniteDouble(text_.substr(start, pos_ - start));
        if (!number) {
            pos_ = start;
            fail("invalid number");
        }
        return *number;
    }

    unsigned readHex4() {
        if (text_.size() - pos_ < 4) fail("short \\u escape");
        unsigned code = 0;
        for (int i = 0; i < 4; ++i) {
            const char ch = text_[pos_++];
            code <<= 4;
            if (ch >= '0' && ch <= '9')
                code |= static_cast<unsigned>(ch - '0');
            else if (ch >= 'a' && ch <= 'f')
                code |= static_cast<unsigned>(ch - 'a' + 10);
            else if (ch >= 'A' && ch <= 'F')
                code |= static_cast<unsigned>(ch - 'A' + 10);
            else
                fail("invalid \\u escape");
        }
        return code;
    }

    static void appendUtf8(std::string& out, std::uint32_t code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::string readString() {
        ++pos_; // opening quote
        std::string out;
        while (true) {
            if (pos_ >= text_.size()) fail("unterminated string");
            const char ch = text_[pos_++];
            if (ch == '"') return out;
            if (static_cast<unsigned char>(ch) < 0x20) fail("control character in string");
            if (ch != '\\') {
                out += ch;
                continue;
            }
            if (pos_ >= text_.size()) fail("unterminated string");
            const char escape = text_[pos_++];
            switch (escape) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                std::uint32_t code = readHex4();
                if (code >= 0xD800 && code <= 0xDBFF) {
                    if (text_.substr(pos_, 2) != "\\u") fail("unpaired surrogate");
                    pos_ += 2;
                    const unsigned low = readHex4();
                    if (low < 0xDC00 || low > 0xDFFF) fail("unpaired surrogate");
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                } else if (code >= 0xDC00 && code <= 0xDFFF) {
                    fail("unpaired surrogate");
                }
                appendUtf8(out, code);
                break;
            }
            default: fail("invalid escape");
            }
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

std::string keyedText(const KeyedValue& value) {
    std::string out;
    writeValue(out, value);
    return out;
}

KeyedValue parseKeyedText(std::string_view text) { return KeyedTextReader(text).readDocument(); }

// ---- shared encodings -----------------------------------------------------

namespace {

// The encoder refuses a number without a keyed form as it meets it, so the
// first such value ends the encoding rather than surfacing only when the text
// is written.
double encodableNumber(double value) {
    if (!std::isfinite(value)) throw EncodingError("invalidValue: a number that is not finite has no keyed form");
    return value;
}

} // namespace

KeyedValue encodeNumbers(const std::vector<double>& values) {
    KeyedValue::List list;
    list.reserve(values.size());
    for (const double value : values) list.emplace_back(encodableNumber(value));
    return KeyedValue(std::move(list));
}

std::vector<double> decodeNumbers(const KeyedValue& value) {
    std::vector<double> numbers;
    numbers.reserve(value.list().size());
    for (const auto& element : value.list()) numbers.push_back(element.number());
    return numbers;
}

KeyedValue encodeCurves(const std::vector<std::vector<double>>& curves) {
    KeyedValue::List list;
    list.reserve(curves.size());
    for (const auto& curve : curves) list.push_back(encodeNumbers(curve));
    return KeyedValue(std::move(list));
}

std::vector<std::vector<double>> decodeCurves(const KeyedValue& value) {
    std::vector<std::vector<double>> curves;
    curves.reserve(value.list().size());
    for (const auto& element : value.list()) curves.push_back(decodeNumbers(element));
    return curves;
}

KeyedValue encodeLabList(const std::vector<curves::CIELab>& labs) {
    KeyedValue::List list;
    list.reserve(labs.size());
    for (const auto& lab : labs) {
        KeyedValue record = KeyedValue::container();
        for (const auto& [key, number] : encode(lab)) record.set(key, encodableNumber(number));
        list.push_back(std::move(record));
    }
    return KeyedValue(std::move(list));
}

std::vector<curves::CIELab> decodeLabList(const KeyedValue& value) {
    std::vector<curves::CIELab> labs;
    labs.reserve(value.list().size());
    for (const auto& element : value.list()) {
        // Only the three keys of a Lab record are read; others are ignored.
        curves::KeyedDoubles record;
        for (const char* key : {"L", "a", "b"}) {
            if (const auto* number = element.find(key)) record[key] = number->number();
        }
        labs.push_back(curves::decodeCIELab(record));
    }
    return labs;
}

} // namespace inks
