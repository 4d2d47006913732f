#pragma once
#include <QString>

namespace appui {

// A text field's "double value": the number at the start of its text, after
// any leading white space ("50%" is 50, " -2.5e1x" is -25); 0 when the text
// does not start with a number. C-locale syntax whatever the process locale.
double fieldDoubleValue(const QString& text);

// A number as shown on screen: "%.2f" in the C locale.
QString twoDecimals(double value);

} // namespace appui
