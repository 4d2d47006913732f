#include "app/ui/blending/PrinterChoice.h"

namespace appui {

InkSetChoice inkSetChoiceOfTag(int tag) {
    switch (tag) {
    case 0: return {curves::Inkset::UCK3, {1, 3}};
    case 1: return {curves::Inkset::PSeriesK3, {0, 2, 1, 3}};
    case 2: return {curves::Inkset::PSeriesPro10, {0, 2}};
    default: return {curves::Inkset::CCProHDMK3, {0, 2, 1, 3}};
    }
}

ChannelNames channelNamesOfInkSet(int tag) {
    return tag == 2 ? &curves::InkList::inkListforPro10Ink : &curves::InkList::inkListfor8Ink;
}

std::optional<int> printerItemForInkSet(int inkSetTag, std::optional<int> printerTag) {
    switch (inkSetTag) {
    case 0:
        if (printerTag != 0 && printerTag != 1) return 0;
        return std::nullopt;
    case 1: return 2;
    case 2: return 3;
    default:
        if (printerTag == 3) return 0;
        return std::nullopt;
    }
}

PrinterModelChoice printerModelChoiceOfTag(std::optional<int> tag) {
    using curves::InkList;
    using curves::Inkset;
    switch (tag.value_or(-1)) {
    case 0: return {&InkList::inkListfor8Ink, 0, Inkset::UCK3, {1, 3}, false};
    case 1: return {&InkList::inkListfor10Ink, 0, Inkset::UCK3, {}, false};
    case 2: return {&InkList::inkListfor8Ink, 1, Inkset::PSeriesK3, {}, false};
    case 3: return {&InkList::inkListforPro10Ink, 2, Inkset::PSeriesPro10, {}, false};
    // The ink-set pop-up moves to PSeries K3, and the blend is made with it:
    // the sliders, read-outs and save follow the ink set shown.
    case 4: return {&InkList::inkListfor8Ink, 1, std::nullopt, {}, true};
    case 5: return {&InkList::inkListfor10Ink, 1, std::nullopt, {}, true};
    default: return {&InkList::inkListfor8Ink, 0, std::nullopt, {}, false};
    }
}

} // namespace appui
