#pragma once
// The lines the program prints on standard output (platform::printToStandardOutput),
// word for word, in one place. They are part of its behaviour, as its
// alerts are, and stay as they are; what only a developer reads goes to the
// developer's log instead. Lines that carry a value are printed as the
// constant followed by the value.
#include <string_view>

namespace curves::printed {

// The linearization model and screen.
inline constexpr std::string_view correctionCurveMissing = "Failed to create correction curve";
inline constexpr std::string_view nothingToLinearize = "Doesnt have correction curve or quad data for linearization";
// Followed by the file's name, ": ", the channel count and " channels".
inline constexpr std::string_view quadFileExported = "Quad file ";

// .quad files: the value of the header test of a file whose header is not
// known.
inline constexpr std::string_view unknownQuadHeader = "false";

// .acv files, by the curve type written.
inline constexpr std::string_view rgbCurve = "RGB Curve";
inline constexpr std::string_view cmykCurve = "CMYK Curve";
inline constexpr std::string_view grayscaleCurve = "Grayscale Curve";
inline constexpr std::string_view unknownCurveType = "unknown curve type";
inline constexpr std::string_view curvePointsCut = "Curve has more than 65535 points; only the first 65535 are written";

// The toner presets: a toner without preset tables, and an ink set without
// rows for the warm or the other toners.
inline constexpr std::string_view customToner = "set custom";
inline constexpr std::string_view warmTonerMissing = "set custom toner";
inline constexpr std::string_view tonerMissing = "should never reach this point";

// The blending screen: a toner title with no toner (followed by the title
// quoted, in "Optional(...)", or "nil" when no item is selected), and the ink
// list handed to the curve editor (followed by the list in brackets).
inline constexpr std::string_view noTonerSelected = "nil";
inline constexpr std::string_view editorInkList = "quadDataInkList when editing setup ";

// The quad-curve graph on every plot, each followed by its count.
inline constexpr std::string_view curveCount = "Curve Count:  ";
inline constexpr std::string_view inkListCount = "InkList Count:  ";

} // namespace curves::printed
