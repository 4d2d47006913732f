#pragma once
// A process locale with a decimal comma, for tests that numbers are read and
// written in C syntax whatever the user's locale.
#include <clocale>
#include <locale>
#include <string>

namespace test_support {

// A decimal comma and thousands grouping, as in many user locales.
struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

// Puts the process in a locale with a decimal comma for the life of the object:
// the C++ global locale always, the C locale when such a locale is installed
// (see commaInCLocale()).
class CommaLocale {
public:
    CommaLocale() : previousCpp_(std::locale::global(std::locale(std::locale::classic(), new CommaDecimal))) {
        previousC_ = std::setlocale(LC_ALL, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8"})
            if (std::setlocale(LC_ALL, name) != nullptr) break;
    }
    ~CommaLocale() {
        std::setlocale(LC_ALL, previousC_.c_str());
        std::locale::global(previousCpp_);
    }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    // Whether the C library prints a decimal comma now (only where a comma
    // locale is installed).
    static bool commaInCLocale() { return std::localeconv()->decimal_point[0] == ','; }
    // Whether the C++ global locale prints one (always while the object lives).
    static bool commaInCppLocale() { return std::use_facet<std::numpunct<char>>(std::locale()).decimal_point() == ','; }

private:
    std::locale previousCpp_;
    std::string previousC_;
};

} // namespace test_support
