#include "app/inks/InkModel.h"

#include <array>

#include "app/inks/FieldDrivenInkModels.h"
#include "app/inks/TableDrivenInkModels.h"

namespace inks {

namespace {

using ComponentMaker = std::shared_ptr<InkComponent> (*)(std::string name, curves::MediaType mediaType);

template <class Component>
std::shared_ptr<InkComponent> make(std::string name, curves::MediaType mediaType) {
    return std::make_shared<Component>(std::move(name), mediaType);
}

constexpr std::array<const char*, 4> channelNames = {"Black Curve", "Cyan Curve", "Magenta Curve", "Yellow Curve"};

// Rows by ink set case index 0 to 7; entries by channel. Null: no model.
constexpr ComponentMaker makers[8][4] = {
    /* UCK3 */ {make<UCK3BlackInkModel>, make<UCK3CyanInkModel>, make<UCK3MagentaInkModel>, make<UCK3YellowInkModel>},
    /* PSeriesK3 */
    {make<PSeriesBlackInkModel>, make<PSeriesCyanInkModel>, make<PSeriesMagentaInkModel>, make<PSeriesYellowInkModel>},
    /* PSeriesPro10 */
    {make<PSeriesPro10BlackInkModel>, make<PSeriesPro10CyanInkModel>, make<PSeriesPro10MagentaInkModel>,
     make<PSeriesPro10YellowInkModel>},
    /* K5LcLmY */
    {make<k5CMYBlackInkModel>, make<k5CMYCyanInkModel>, make<k5CMYMagentaInkModel>, make<k5CMYYellowInkModel>},
    /* K5CarbonLcLm */ {make<K5CMBlackInkModel>, make<K5CMCyanInkModel>, make<K5CMMagentaInkModel>, nullptr},
    /* PiezoProK4 */ {nullptr, nullptr, nullptr, nullptr},
    /* PiezoProK5 */ {nullptr, nullptr, nullptr, nullptr},
    /* CCProHDMK3 */ {make<CCPBlackInkModel>, make<CCPCyanInkModel>, make<CCPMagentaInkModel>, make<CCPYellowInkModel>},
};

} // namespace

std::shared_ptr<InkComponent> makeInkComponent(curves::Inkset inkset, int channel, curves::MediaType mediaType) {
    const int row = static_cast<int>(inkset);
    if (row >= 0 && row < 8 && channel >= 0 && channel < 4) {
        if (const ComponentMaker maker = makers[row][channel]) return maker(channelNames[channel], mediaType);
    }
    return std::make_shared<EmptyInkModel>("Empty Curve", mediaType);
}

void InkModel::loadComponent(curves::Inkset inkset, int channel, curves::MediaType mediaType) {
    const auto component = makeInkComponent(inkset, channel, mediaType);
    curve->lab = std::move(component->labArray);
    curve->quad = std::move(component->curveArray);
}

} // namespace inks
