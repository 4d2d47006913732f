#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/curves/core/Enumerations.h"
#include "app/inks/InkComponent.h"

namespace inks {

// The tables of one blend channel, copied from an ink component.
class InkCurve {
public:
    std::string curveName;
    QuadCurves quad;
    std::vector<curves::CIELab> lab;

    explicit InkCurve(std::string name) : curveName(std::move(name)) {}
};

// One channel of a blend (black, cyan, magenta or yellow). It keeps only the
// copied tables, never the component they came from.
class InkModel {
public:
    std::shared_ptr<InkCurve> curve = std::make_shared<InkCurve>("QuadCurveName");

    // Fills `curve` from the built-in component of the ink set and channel
    // (0 black, 1 cyan, 2 magenta, 3 yellow) for the media type; ink sets and
    // channels without a model give the empty component. The curve's name is
    // left as it is.
    void loadComponent(curves::Inkset inkset, int channel, curves::MediaType mediaType);
};

// The built-in component that loadComponent copies from.
std::shared_ptr<InkComponent> makeInkComponent(curves::Inkset inkset, int channel, curves::MediaType mediaType);

} // namespace inks
