#pragma once
#include <optional>

#include "app/curves/core/KeyedCoding.h"

namespace curves {

enum class MediaType { Gloss = 0, Matte = 1, Gravure = 2, DTPGravure = 3 };

constexpr int rawValue(MediaType type) { return static_cast<int>(type); }

// Any integer other than 0 to 3 gives no value.
constexpr std::optional<MediaType> mediaTypeFromRawValue(int raw) {
    if (raw < 0 || raw > 3) return std::nullopt;
    return static_cast<MediaType>(raw);
}

// Encoded as its raw integer; decoding an unknown integer throws DecodingError.
inline int encode(MediaType type) { return rawValue(type); }
inline MediaType decodeMediaType(int raw) {
    auto type = mediaTypeFromRawValue(raw);
    if (!type) throw DecodingError("dataCorrupted: no MediaType with raw value " + std::to_string(raw));
    return *type;
}

enum class Inkset {
    UCK3,
    PSeriesK3,
    PSeriesPro10,
    K5LcLmY,
    K5CarbonLcLm,
    PiezoProK4,
    PiezoProK5,
    CCProHDMK3,
    Custom,
};

enum class InksetType { KCMY, KCM, Dual };

enum class TonerType { k3, warm, warmNeutral, neutral, cool, selenium, sepia, custom };

enum class ExportType { quad, acv, lut, xml, icc, tsmc, measurementsOnly };

} // namespace curves
