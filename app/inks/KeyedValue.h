#pragma once
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/curves/core/KeyedCoding.h"

namespace inks {

// The keyed form in which ink components and blend records are encoded: a
// tree of numbers, strings, lists and keyed containers. Containers keep their
// keys in the order they were written. Its text form is compact JSON.
class KeyedValue {
public:
    using List = std::vector<KeyedValue>;
    using Container = std::vector<std::pair<std::string, KeyedValue>>;

    KeyedValue() : storage_(Container{}) {}
    KeyedValue(double number) : storage_(number) {}
    KeyedValue(std::string text) : storage_(std::move(text)) {}
    KeyedValue(const char* text) : storage_(std::string(text)) {}
    KeyedValue(List list) : storage_(std::move(list)) {}
    KeyedValue(Container container) : storage_(std::move(container)) {}

    static KeyedValue container() { return KeyedValue(Container{}); }

    bool isNumber() const { return std::holds_alternative<double>(storage_); }
    bool isString() const { return std::holds_alternative<std::string>(storage_); }
    bool isList() const { return std::holds_alternative<List>(storage_); }
    bool isContainer() const { return std::holds_alternative<Container>(storage_); }

    // Typed reads; each throws DecodingError naming the expected type.
    double number() const;
    const std::string& string() const;
    const List& list() const;
    const Container& entries() const;

    // Keyed container access. `set` appends the key (or replaces its value);
    // `find` answers nothing for a missing key; `required` throws DecodingError.
    void set(std::string key, KeyedValue value);
    const KeyedValue* find(std::string_view key) const;
    const KeyedValue& required(std::string_view key) const;

    friend bool operator==(const KeyedValue&, const KeyedValue&) = default;

private:
    std::variant<double, std::string, List, Container> storage_;
};

// The encoder's error: a value has no keyed form (a number that is not finite).
class EncodingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Compact JSON text; numbers in their shortest exact C-locale form. Throws
// EncodingError for a NaN or infinite number.
std::string keyedText(const KeyedValue& value);

// Reads the text written by keyedText (any JSON of objects, arrays, numbers and
// strings, with white space between tokens). Throws DecodingError with the
// offset of the first fault; nothing is returned partly read.
KeyedValue parseKeyedText(std::string_view text);

// Shared encodings of the value types the ink records hold. The encoders throw
// EncodingError at the first number that is not finite.
KeyedValue encodeNumbers(const std::vector<double>& values);
std::vector<double> decodeNumbers(const KeyedValue& value);
KeyedValue encodeCurves(const std::vector<std::vector<double>>& curves);
std::vector<std::vector<double>> decodeCurves(const KeyedValue& value);
KeyedValue encodeLabList(const std::vector<curves::CIELab>& labs);
std::vector<curves::CIELab> decodeLabList(const KeyedValue& value);

} // namespace inks
