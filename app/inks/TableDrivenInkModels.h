#pragma once
#include <string>

#include "app/inks/InkComponent.h"

namespace inks {

// The sixteen components that pick their tables by media type: one per ink set
// (UCK3, PSeriesK3, PSeriesPro10, CCProHDMK3) and toning channel.
enum class TableDrivenKind {
    UCK3Black,
    UCK3Cyan,
    UCK3Magenta,
    UCK3Yellow,
    PSeriesBlack,
    PSeriesCyan,
    PSeriesMagenta,
    PSeriesYellow,
    PSeriesPro10Black,
    PSeriesPro10Cyan,
    PSeriesPro10Magenta,
    PSeriesPro10Yellow,
    CCPBlack,
    CCPCyan,
    CCPMagenta,
    CCPYellow,
};

// The shared body of the table-driven classes: Gloss and Matte each have a
// set of their own, Gravure and DTPGravure share the gravure Lab ramp.
class TableDrivenInkComponent : public BuiltInInkComponent {
public:
    // The 8 (or 10) channels of 256 values of a class on a media; every
    // channel the class leaves unused is a fresh list of 256 zeros.
    static QuadCurves makeCurveArray(TableDrivenKind kind, curves::MediaType mediaType);
    static std::vector<curves::CIELab> makeLabArray(TableDrivenKind kind, curves::MediaType mediaType);

protected:
    TableDrivenInkComponent(TableDrivenKind kind, std::string componentName, curves::MediaType mediaType);
};

template <TableDrivenKind Kind>
class TableDrivenInkModel final : public TableDrivenInkComponent {
public:
    TableDrivenInkModel(std::string componentName, curves::MediaType mediaType)
        : TableDrivenInkComponent(Kind, std::move(componentName), mediaType) {}

    static QuadCurves makeCurveArray(curves::MediaType mediaType) {
        return TableDrivenInkComponent::makeCurveArray(Kind, mediaType);
    }
};

using UCK3BlackInkModel = TableDrivenInkModel<TableDrivenKind::UCK3Black>;
using UCK3CyanInkModel = TableDrivenInkModel<TableDrivenKind::UCK3Cyan>;
using UCK3MagentaInkModel = TableDrivenInkModel<TableDrivenKind::UCK3Magenta>;
using UCK3YellowInkModel = TableDrivenInkModel<TableDrivenKind::UCK3Yellow>;
using PSeriesBlackInkModel = TableDrivenInkModel<TableDrivenKind::PSeriesBlack>;
using PSeriesCyanInkModel = TableDrivenInkModel<TableDrivenKind::PSeriesCyan>;
using PSeriesMagentaInkModel = TableDrivenInkModel<TableDrivenKind::PSeriesMagenta>;
using PSeriesYellowInkModel = TableDrivenInkModel<TableDrivenKind::PSeriesYellow>;
using PSeriesPro10BlackInkModel = TableDrivenInkModel<TableDrivenKind::PSeriesPro10Black>;
using PSeriesPro10CyanInkModel = TableDrivenInkModel<TableDrivenKind::PSeriesPro10Cyan>;
using PSeriesPro10MagentaInkModel = TableDrivenInkModel<TableDrivenKind::PSeriesPro10Magenta>;
using PSeriesPro10YellowInkModel = TableDrivenInkModel<TableDrivenKind::PSeriesPro10Yellow>;
using CCPBlackInkModel = TableDrivenInkModel<TableDrivenKind::CCPBlack>;
using CCPCyanInkModel = TableDrivenInkModel<TableDrivenKind::CCPCyan>;
using CCPMagentaInkModel = TableDrivenInkModel<TableDrivenKind::CCPMagenta>;
using CCPYellowInkModel = TableDrivenInkModel<TableDrivenKind::CCPYellow>;

} // namespace inks
