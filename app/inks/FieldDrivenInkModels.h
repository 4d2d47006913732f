#pragma once
#include <string>
#include <vector>

#include "app/inks/InkComponent.h"

namespace inks {

// The components that keep one curve per ink in a field of its own and are the
// same on every media: the K5LcLmY channels, the Black, Cyan and Magenta
// channels of K5CarbonLcLm, and the all-zero component of every ink set and
// channel without a model.
enum class FieldDrivenKind {
    k5CMYBlack,
    k5CMYCyan,
    k5CMYMagenta,
    k5CMYYellow,
    K5CMBlack,
    K5CMCyan,
    K5CMMagenta,
    Empty,
};

class FieldDrivenInkComponent : public BuiltInInkComponent {
public:
    std::vector<double> k, c, m, y, lc, lm, lk, llk;

    // The fields in .quad channel order K, C, M, Y, LC, LM, LK, LLK.
    QuadCurves makeCurveArray() const;

protected:
    FieldDrivenInkComponent(FieldDrivenKind kind, std::string componentName, curves::MediaType mediaType);
};

template <FieldDrivenKind Kind>
class FieldDrivenInkModel final : public FieldDrivenInkComponent {
public:
    FieldDrivenInkModel(std::string componentName, curves::MediaType mediaType)
        : FieldDrivenInkComponent(Kind, std::move(componentName), mediaType) {}
};

using k5CMYBlackInkModel = FieldDrivenInkModel<FieldDrivenKind::k5CMYBlack>;
using k5CMYCyanInkModel = FieldDrivenInkModel<FieldDrivenKind::k5CMYCyan>;
using k5CMYMagentaInkModel = FieldDrivenInkModel<FieldDrivenKind::k5CMYMagenta>;
using k5CMYYellowInkModel = FieldDrivenInkModel<FieldDrivenKind::k5CMYYellow>;
using K5CMBlackInkModel = FieldDrivenInkModel<FieldDrivenKind::K5CMBlack>;
using K5CMCyanInkModel = FieldDrivenInkModel<FieldDrivenKind::K5CMCyan>;
using K5CMMagentaInkModel = FieldDrivenInkModel<FieldDrivenKind::K5CMMagenta>;
// Always named "Empty", whatever name it is given.
using EmptyInkModel = FieldDrivenInkModel<FieldDrivenKind::Empty>;

} // namespace inks
