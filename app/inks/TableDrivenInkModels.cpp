#include "app/inks/TableDrivenInkModels.h"

#include "app/inks/InkChannelTables.h"

namespace inks {

namespace {

struct TableDrivenSets {
    std::string_view glossLab;
    std::string_view matteLab;
    ChannelTableNames gloss;
    ChannelTableNames matte;
    ChannelTableNames gravure;
    ChannelTableNames dtpGravure;
};

constexpr std::string_view gravureLab = "Gravure_Lab";

// The two three-ink black sets and the single black curve of the gravure media.
constexpr ChannelTableNames gravureA = eightChannels("GravureA_K", "", "", "", "", "", "GravureA_LK", "GravureA_LLK");
constexpr ChannelTableNames gravureB = eightChannels("GravureB_K", "", "", "", "", "", "GravureB_LK", "GravureB_LLK");
constexpr ChannelTableNames dtpGravure = eightChannels("DTPGravure_K", "", "", "", "", "", "", "");
constexpr ChannelTableNames pro10Gravure =
    tenChannels("GravureB_K", "", "", "", "", "", "GravureB_LK", "GravureB_LLK", "", "");
constexpr ChannelTableNames pro10DTPGravure = tenChannels("", "", "", "", "", "", "", "", "", "DTPGravure_K");

// The UCK3 curve sets, shared channel for channel by the CCProHDMK3 classes
// (and on Gloss by PSeriesBlack).
constexpr ChannelTableNames uck3BlackGloss =
    eightChannels("UCK3Black_Gloss_K", "", "", "", "", "", "UCK3Black_Gloss_LK", "UCK3Black_Gloss_LLK");
constexpr ChannelTableNames uck3BlackMatte =
    eightChannels("UCK3Black_Matte_K", "", "", "", "", "", "UCK3Black_Matte_LK", "UCK3Black_Matte_LLK");
constexpr ChannelTableNames uck3CyanGloss = eightChannels(
    "UCK3Cyan_Gloss_K", "UCK3Cyan_Gloss_C", "", "", "UCK3Cyan_Gloss_LC", "", "UCK3Cyan_Gloss_LC", "UCK3Cyan_Gloss_LLK");
constexpr ChannelTableNames uck3CyanMatte = eightChannels(
    "UCK3Cyan_Matte_K", "UCK3Cyan_Matte_C", "", "", "UCK3Cyan_Matte_LC", "", "UCK3Cyan_Matte_LK", "UCK3Cyan_Matte_LLK");
constexpr ChannelTableNames uck3MagentaGloss =
    eightChannels("UCK3Magenta_Gloss_K", "", "UCK3Magenta_Gloss_M", "", "", "UCK3Magenta_Gloss_LM",
                  "UCK3Magenta_Gloss_LK", "UCK3Magenta_Gloss_LLK");
constexpr ChannelTableNames uck3MagentaMatte =
    eightChannels("UCK3Magenta_Matte_K", "", "UCK3Magenta_Matte_M", "", "", "UCK3Magenta_Matte_LM",
                  "UCK3Magenta_Matte_LK", "UCK3Magenta_Matte_LLK");
constexpr ChannelTableNames uck3YellowGloss = eightChannels("UCK3Yellow_Gloss_K", "", "", "UCK3Yellow_Gloss_Y", "", "",
                                                            "UCK3Yellow_Gloss_LK", "UCK3Yellow_Gloss_LLK");

// The PSeries Magenta and Yellow classes print their Matte set on every media but Gloss.
constexpr ChannelTableNames pSeriesMagentaMatte =
    eightChannels("PSeriesMagenta_Matte_K", "", "PSeriesMagenta_Matte_M", "", "", "PSeriesMagenta_Matte_LM",
                  "PSeriesMagenta_Matte_LK", "PSeriesMagenta_Matte_LLK");
constexpr ChannelTableNames pSeriesYellowMatte =
    eightChannels("PSeriesYellow_Matte_K", "", "", "PSeriesYellow_Matte_Y", "", "", "PSeriesYellow_Matte_LK",
                  "PSeriesYellow_Matte_LLK");

// Indexed by TableDrivenKind.
constexpr TableDrivenSets tableDrivenSets[] = {
    // UCK3Black
    {"UCK3Black_Gloss_Lab", "UCK3Black_Matte_Lab", uck3BlackGloss, uck3BlackMatte, gravureA, dtpGravure},
    // UCK3Cyan: on Gloss the LC curve also serves as LK.
    {"UCK3Cyan_Gloss_Lab", "UCK3Cyan_Matte_Lab", uck3CyanGloss, uck3CyanMatte, gravureB, dtpGravure},
    // UCK3Magenta
    {"UCK3Magenta_Gloss_Lab", "UCK3Magenta_Matte_Lab", uck3MagentaGloss, uck3MagentaMatte, gravureB, dtpGravure},
    // UCK3Yellow
    {"UCK3Yellow_Gloss_Lab", "UCK3Yellow_Matte_Lab", uck3YellowGloss,
     eightChannels("UCK3Yellow_Matte_K", "", "", "UCK3Yellow_Matte_Y", "", "", "UCK3Yellow_Matte_LK",
                   "UCK3Yellow_Matte_LLK"),
     gravureA, dtpGravure},
    // PSeriesBlack: the UCK3 Gloss curves with a Lab ramp of its own.
    {"PSeriesBlack_Gloss_Lab", "PSeriesBlack_Matte_Lab", uck3BlackGloss,
     eightChannels("PSeriesBlack_Matte_K", "", "", "", "", "", "PSeriesBlack_Matte_LK", "PSeriesBlack_Matte_LLK"),
     gravureB, dtpGravure},
    // PSeriesCyan: on Matte the UCK3 Cyan Lab ramp.
    {"PSeriesCyan_Gloss_Lab", "UCK3Cyan_Matte_Lab",
     eightChannels("PSeriesCyan_Gloss_K", "PSeriesCyan_Gloss_C", "", "", "PSeriesCyan_Gloss_LC", "",
                   "PSeriesCyan_Gloss_LK", "PSeriesCyan_Gloss_LLK"),
     eightChannels("PSeriesCyan_Matte_K", "PSeriesCyan_Matte_C", "", "", "PSeriesCyan_Matte_LC", "",
                   "PSeriesCyan_Matte_LK", "PSeriesCyan_Matte_LLK"),
     gravureB, dtpGravure},
    // PSeriesMagenta: only two sets; every media but Gloss prints the Matte set.
    {"PSeriesMagenta_Gloss_Lab", "PSeriesMagenta_Matte_Lab",
     eightChannels("PSeriesMagenta_Gloss_K", "", "PSeriesMagenta_Gloss_M", "", "", "PSeriesMagenta_Gloss_LM",
                   "PSeriesMagenta_Gloss_LK", "PSeriesMagenta_Gloss_LLK"),
     pSeriesMagentaMatte, pSeriesMagentaMatte, pSeriesMagentaMatte},
    // PSeriesYellow: likewise.
    {"PSeriesYellow_Gloss_Lab", "PSeriesYellow_Matte_Lab",
     eightChannels("PSeriesYellow_Gloss_K", "", "", "PSeriesYellow_Gloss_Y", "", "", "PSeriesYellow_Gloss_LK",
                   "PSeriesYellow_Gloss_LLK"),
     pSeriesYellowMatte, pSeriesYellowMatte, pSeriesYellowMatte},
    // PSeriesPro10Black: on Matte the PSeries Black Matte set, its K moved to MK.
    {"PSeriesPro10Black_Gloss_Lab", "PSeriesBlack_Matte_Lab",
     tenChannels("PSeriesPro10Black_Gloss_K", "", "", "", "", "", "PSeriesPro10Black_Gloss_LK",
                 "PSeriesPro10Black_Gloss_LLK", "", ""),
     tenChannels("", "", "", "", "", "", "PSeriesBlack_Matte_LK", "PSeriesBlack_Matte_LLK", "", "PSeriesBlack_Matte_K"),
     pro10Gravure, pro10DTPGravure},
    // PSeriesPro10Cyan
    {"PSeriesPro10Cyan_Gloss_Lab", "PSeriesPro10Cyan_Matte_Lab",
     tenChannels("PSeriesPro10Cyan_Gloss_K", "PSeriesPro10Cyan_Gloss_C", "", "", "PSeriesPro10Cyan_Gloss_LC", "",
                 "PSeriesPro10Cyan_Gloss_LK", "PSeriesPro10Cyan_Gloss_LLK", "", ""),
     tenChannels("", "PSeriesPro10Cyan_Matte_C", "", "", "PSeriesPro10Cyan_Matte_LC", "", "PSeriesPro10Cyan_Matte_LK",
                 "PSeriesPro10Cyan_Matte_LLK", "", "PSeriesPro10Cyan_Matte_MK"),
     pro10Gravure, pro10DTPGravure},
    // PSeriesPro10Magenta
    {"PSeriesPro10Magenta_Gloss_Lab", "PSeriesPro10Magenta_Matte_Lab",
     tenChannels("PSeriesPro10Magenta_Gloss_K", "", "PSeriesPro10Magenta_Gloss_M", "", "",
                 "PSeriesPro10Magenta_Gloss_LM", "PSeriesPro10Magenta_Gloss_LK", "PSeriesPro10Magenta_Gloss_LLK", "",
                 ""),
     tenChannels("", "", "PSeriesPro10Magenta_Matte_M", "", "", "PSeriesPro10Magenta_Matte_LM",
                 "PSeriesPro10Magenta_Matte_LK", "PSeriesPro10Magenta_Matte_LLK", "", "PSeriesPro10Magenta_Matte_MK"),
     pro10Gravure, pro10DTPGravure},
    // PSeriesPro10Yellow
    {"PSeriesPro10Yellow_Gloss_Lab", "PSeriesPro10Yellow_Matte_Lab",
     tenChannels("PSeriesPro10Yellow_Gloss_K", "", "", "PSeriesPro10Yellow_Gloss_Y", "", "",
                 "PSeriesPro10Yellow_Gloss_LK", "PSeriesPro10Yellow_Gloss_LLK", "", ""),
     tenChannels("", "", "", "PSeriesPro10Yellow_Matte_Y", "", "", "PSeriesPro10Yellow_Matte_LK",
                 "PSeriesPro10Yellow_Matte_LLK", "", "PSeriesPro10Yellow_Matte_MK"),
     pro10Gravure, pro10DTPGravure},
    // CCPBlack: the UCK3 curves; on Matte a Lab ramp of its own.
    {"UCK3Black_Gloss_Lab", "CCPBlack_Matte_Lab", uck3BlackGloss, uck3BlackMatte, gravureA, dtpGravure},
    // CCPCyan
    {"UCK3Cyan_Gloss_Lab", "CCPCyan_Matte_Lab", uck3CyanGloss, uck3CyanMatte, gravureB, dtpGravure},
    // CCPMagenta
    {"UCK3Magenta_Gloss_Lab", "CCPMagenta_Matte_Lab", uck3MagentaGloss, uck3MagentaMatte, gravureB, dtpGravure},
    // CCPYellow: the one Matte curve of its own is K.
    {"UCK3Yellow_Gloss_Lab", "CCPYellow_Matte_Lab", uck3YellowGloss,
     eightChannels("CCPYellow_Matte_K", "", "", "UCK3Yellow_Matte_Y", "", "", "UCK3Yellow_Matte_LK",
                   "UCK3Yellow_Matte_LLK"),
     gravureA, dtpGravure},
};

static_assert(std::size(tableDrivenSets) == static_cast<std::size_t>(TableDrivenKind::CCPYellow) + 1);

const TableDrivenSets& setsOf(TableDrivenKind kind) { return tableDrivenSets[static_cast<std::size_t>(kind)]; }

} // namespace

QuadCurves TableDrivenInkComponent::makeCurveArray(TableDrivenKind kind, curves::MediaType mediaType) {
    const TableDrivenSets& sets = setsOf(kind);
    switch (mediaType) {
    case curves::MediaType::Gloss: return curvesFromTables(sets.gloss);
    case curves::MediaType::Matte: return curvesFromTables(sets.matte);
    case curves::MediaType::Gravure: return curvesFromTables(sets.gravure);
    case curves::MediaType::DTPGravure: return curvesFromTables(sets.dtpGravure);
    }
    return curvesFromTables(sets.gloss);
}

std::vector<curves::CIELab> TableDrivenInkComponent::makeLabArray(TableDrivenKind kind, curves::MediaType mediaType) {
    const TableDrivenSets& sets = setsOf(kind);
    switch (mediaType) {
    case curves::MediaType::Gloss: return labFromTable(sets.glossLab);
    case curves::MediaType::Matte: return labFromTable(sets.matteLab);
    case curves::MediaType::Gravure:
    case curves::MediaType::DTPGravure: return labFromTable(gravureLab);
    }
    return labFromTable(sets.glossLab);
}

TableDrivenInkComponent::TableDrivenInkComponent(TableDrivenKind kind, std::string componentName,
                                                 curves::MediaType mediaType)
    : BuiltInInkComponent(std::move(componentName), mediaType) {
    labArray = makeLabArray(kind, blackInkType);
    curveArray = makeCurveArray(kind, blackInkType);
}

} // namespace inks
