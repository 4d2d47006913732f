#include "app/inks/FieldDrivenInkModels.h"

#include "app/inks/InkChannelTables.h"

namespace inks {

namespace {

struct FieldTables {
    std::string_view lab;
    // k, c, m, y, lc, lm, lk, llk; an empty name is the zero curve.
    ChannelTableNames fields;
};

// Indexed by FieldDrivenKind.
constexpr FieldTables fieldTables[] = {
    {"k5CMYBlack_Lab",
     eightChannels("k5CMYBlack_k", "k5CMYBlack_c", "k5CMYBlack_m", "", "", "", "k5CMYBlack_lk", "k5CMYBlack_llk")},
    {"k5CMYCyan_Lab", eightChannels("k5CMYCyan_k", "k5CMYCyan_c", "k5CMYCyan_m", "", "k5CMYCyan_lc", "", "k5CMYCyan_lk",
                                    "k5CMYCyan_llk")},
    {"k5CMYMagenta_Lab", eightChannels("k5CMYMagenta_k", "k5CMYMagenta_c", "k5CMYMagenta_m", "", "", "k5CMYMagenta_lm",
                                       "k5CMYMagenta_lk", "k5CMYMagenta_llk")},
    {"k5CMYYellow_Lab", eightChannels("k5CMYYellow_k", "k5CMYYellow_c", "k5CMYYellow_m", "k5CMYYellow_y", "", "",
                                      "k5CMYYellow_lk", "k5CMYYellow_llk")},
    {"K5CMBlack_Lab",
     eightChannels("K5CMBlack_k", "K5CMBlack_c", "K5CMBlack_m", "K5CMBlack_y", "", "", "", "K5CMBlack_llk")},
    {"K5CMCyan_Lab",
     eightChannels("K5CMCyan_k", "K5CMCyan_c", "K5CMCyan_m", "K5CMCyan_y", "K5CMCyan_lc", "", "", "K5CMCyan_llk")},
    {"K5CMMagenta_Lab", eightChannels("K5CMMagenta_k", "K5CMMagenta_c", "K5CMMagenta_m", "K5CMMagenta_y", "",
                                      "K5CMMagenta_lm", "", "K5CMMagenta_llk")},
    {"Empty_Lab", eightChannels("", "", "", "", "", "", "", "")},
};

static_assert(std::size(fieldTables) == static_cast<std::size_t>(FieldDrivenKind::Empty) + 1);

} // namespace

FieldDrivenInkComponent::FieldDrivenInkComponent(FieldDrivenKind kind, std::string componentName,
                                                 curves::MediaType mediaType)
    : BuiltInInkComponent(kind == FieldDrivenKind::Empty ? std::string("Empty") : std::move(componentName), mediaType) {
    const FieldTables& tables = fieldTables[static_cast<std::size_t>(kind)];
    QuadCurves starting = curvesFromTables(tables.fields);
    k = std::move(starting[0]);
    c = std::move(starting[1]);
    m = std::move(starting[2]);
    y = std::move(starting[3]);
    lc = std::move(starting[4]);
    lm = std::move(starting[5]);
    lk = std::move(starting[6]);
    llk = std::move(starting[7]);
    // The media type is stored and changes nothing else.
    labArray = labFromTable(tables.lab);
    curveArray = makeCurveArray();
}

QuadCurves FieldDrivenInkComponent::makeCurveArray() const { return {k, c, m, y, lc, lm, lk, llk}; }

} // namespace inks
