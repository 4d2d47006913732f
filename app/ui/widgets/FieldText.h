#pragma once
#include <QString>
#include <optional>

namespace appui {

// A text field's "double value": the number at the start of its text, after
// any leading white space ("50%" is 50, " -2.5e1x" is -25); 0 when the text
// does not start with a number. C-locale syntax whatever the process locale.
double fieldDoubleValue(const QString& text);

// The number a text is, when it is wholly one (white space around it aside)
// in C-locale syntax and finite: "12abc", "50%", "abc", "" and "1e999" are
// none.
std::optional<double> wholeNumber(const QString& text);

// A number as shown on screen: "%.2f" in the C locale.
QString twoDecimals(double value);

} // namespace appui
