#pragma once
// The .quad file the blending screen saves a blend as: the header and channel
// lines of the printer model, and the blend's curves laid out under them.
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/curves/core/InkList.h"
#include "app/curves/quad/QuadText.h"

namespace appui {

// The printer model as the number of channels written (8, 10, or 11 for the
// ten-channel list with V and MK), from the tag of the printer pop-up's item.
// No item gives 8.
int printerModelSelectionForTag(std::optional<int> printerTag);

struct QuadFileLayout {
    std::string header;
    std::vector<std::string> channels; // channel-name lines, "# K Curve", ...
};

// Header and channel lines by printer model: 11 and 10 their ten-channel
// lists, 8 and any other value the eight-channel one.
QuadFileLayout quadFileLayout(int printerModelSelection, const curves::InkList& lists);

// The channel-name lines of a blend of `count` curves: a ten-curve blend is
// the ten-channel ink set's (V and MK after the eight), any other the
// eight-channel names; curves past the names have none ("").
std::vector<std::string> blendChannelNames(std::size_t count, const curves::InkList& lists);

// The short ink name of a channel-name line: "MK" for "# MK Curve".
std::string inkNameOfChannel(const std::string& channelLine);

// Whether a curve puts any ink down once written (some value writes as more
// than 0).
bool carriesInk(const std::vector<double>& curve);

// A channel of the blend that carries ink but would not reach the file under
// its own name: dropped (no channel at its place) or written under the name
// of the file's channel at its place.
struct UnwritableChannel {
    std::string channel;                  // the blend's channel line
    std::optional<std::string> writtenAs; // the file's channel line at its place, if any
};

// One curve per file channel: the blend's curve at the same place when the
// names agree, 256 zeros where the blend has no curve or an inkless curve of
// another name. When an inked channel of the blend would be lost or renamed,
// the channels at fault instead, in blend order.
std::variant<curves::quadtext::Curves, std::vector<UnwritableChannel>>
curvesForQuadFile(const curves::quadtext::Curves& blend, const std::vector<std::string>& blendChannels,
                  const std::vector<std::string>& fileChannels);

} // namespace appui
