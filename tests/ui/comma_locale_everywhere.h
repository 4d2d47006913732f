#pragma once
// A decimal comma in every locale a test can switch in this process: the C++
// and C locales (test_support::CommaLocale) and Qt's default locale, which
// Qt carries itself whatever the system has installed.
#include <QLocale>

#include "tests/support/comma_locale.h"

namespace appui::uitest {

class CommaLocaleEverywhere {
public:
    CommaLocaleEverywhere() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    ~CommaLocaleEverywhere() { QLocale::setDefault(previousQt_); }
    CommaLocaleEverywhere(const CommaLocaleEverywhere&) = delete;
    CommaLocaleEverywhere& operator=(const CommaLocaleEverywhere&) = delete;

    // Whether Qt's default and the C++ global locale write a decimal comma
    // now, as they must for the test to mean anything.
    static bool inEffect() {
        return QLocale().decimalPoint() == QStringLiteral(",") && test_support::CommaLocale::commaInCppLocale();
    }

private:
    QLocale previousQt_;
    test_support::CommaLocale comma_;
};

} // namespace appui::uitest
