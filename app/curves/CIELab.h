#pragma once

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
};
