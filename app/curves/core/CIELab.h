#pragma once
#include <string>
#include <vector>

namespace curves {

// A Lab colour: L* 0 to 100, a* and b* signed. Equal when all three are equal;
// ordered by lightness alone, so sorting and min/max of Lab lists work on L*.
struct CIELab {
    double L = 0;
    double a = 0;
    double b = 0;

    friend bool operator==(const CIELab& x, const CIELab& y) { return x.L == y.L && x.a == y.a && x.b == y.b; }
    friend bool operator<(const CIELab& x, const CIELab& y) { return x.L < y.L; }
    friend bool operator>(const CIELab& x, const CIELab& y) { return y < x; }
    friend bool operator<=(const CIELab& x, const CIELab& y) { return !(y < x); }
    friend bool operator>=(const CIELab& x, const CIELab& y) { return !(x < y); }

    // "(L:95.0, a:-0.5, b:1.25)": each number in its shortest exact form.
    std::string debugDescription() const;
};

// The text form of a Lab list: "[" + the entries' debug texts joined by ", " + "]".
std::string debugDescription(const std::vector<CIELab>& list);

// Every L becomes (L - L_last) / (L_first - L_last) x 100, so the first entry
// is 100 and the last 0; a and b unchanged. An empty list stays empty; when the
// first and last L are equal there is no range to stretch and the list is
// returned unchanged.
std::vector<CIELab> normalizeLabL(const std::vector<CIELab>& list);

} // namespace curves
