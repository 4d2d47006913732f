#pragma once
// What the blending screen's printer-model and ink-set pop-ups choose, as
// values the screen then applies: the channel names the ink-curve panel and
// the curve editor use, the ink set the blend is made with, where the other
// pop-up moves and which media items it enables.
#include <optional>
#include <string>
#include <vector>

#include "app/curves/core/Enumerations.h"
#include "app/curves/core/InkList.h"

namespace appui {

// One of the channel-name lists of curves::InkList.
using ChannelNames = std::vector<std::string> curves::InkList::*;

// The ink set an item of the ink-set pop-up (tag 0 to 3) makes the blend
// with, and the media items it enables: 0 UCK3 (media 1, 3), 1 PSeries K3
// (0, 2, 1, 3), 2 PSeries Pro10 (0, 2), any other CCPro HD MK3 (0, 2, 1, 3).
struct InkSetChoice {
    curves::Inkset inkset;
    std::vector<int> mediaItemsEnabled;
};
InkSetChoice inkSetChoiceOfTag(int tag);

// The channel names of an ink-set item: the Pro10 list for item 2, else the
// eight-channel one.
ChannelNames channelNamesOfInkSet(int tag);

// The printer-model item an ink-set item moves the printer pop-up to, given
// the tag of the printer item shown; nothing when it stays. UCK3 needs an
// eight- or ten-channel printer (item 0 unless one is shown), PSeries K3 and
// Pro10 their own (items 2, 3), the last ink set anything but the Pro10.
std::optional<int> printerItemForInkSet(int inkSetTag, std::optional<int> printerTag);

// What choosing an item of the printer-model pop-up does.
struct PrinterModelChoice {
    ChannelNames channelNames;
    // The ink-set item the ink-set pop-up shows afterwards.
    int inkSetItem = 0;
    // The ink set the blend is made anew with; nothing: the blend stays.
    std::optional<curves::Inkset> inkset;
    std::vector<int> mediaItemsEnabled;
    // The blend made as choosing inkSetItem in the ink-set pop-up makes it
    // (its ink set, media and tone controls).
    bool asInkSetItem = false;
};
// By the item's tag: 0 eight channels and UCK3 (media 1, 3 enabled), 1 ten
// channels and UCK3, 2 eight channels and PSeries K3, 3 the Pro10 channels
// and PSeries Pro10, 4 and 5 eight or ten channels and the ink-set item 1 as
// if chosen; no tag, or another, eight channels and the blend as it is.
PrinterModelChoice printerModelChoiceOfTag(std::optional<int> tag);

} // namespace appui
