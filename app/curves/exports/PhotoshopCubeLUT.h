#pragma once
#include <optional>
#include <string>
#include <vector>

namespace curves {

// A one-dimensional .cube lookup table made from a curve of percentages
// (0 to 100, one per table entry); each row repeats the value for R, G and B.
class PhotoshopCubeLUT {
public:
    std::vector<double> curve;
    std::optional<std::string> outputCube;

    PhotoshopCubeLUT() = default;
    explicit PhotoshopCubeLUT(std::vector<double> percentages) : curve(std::move(percentages)) {}

    // The five header lines; nothing for an empty curve.
    std::optional<std::string> header() const;

    // The whole file: the header and one row per curve value, each ended by a
    // line feed. Also printed to standard output.
    std::optional<std::string> makeCube() const;

    // Offers `outputCube` in a save panel of type "cube" and writes it whole on
    // confirmation; nothing happens without text.
    void showSavePanel() const;
};

// A number in the shortest decimal form that reads back to the same double,
// in fixed notation, with at least one digit after the point (1 -> "1.0").
std::string cubeNumberText(double value);

} // namespace curves
