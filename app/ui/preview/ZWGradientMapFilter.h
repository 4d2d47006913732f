#pragma once
#include <QImage>
#include <memory>
#include <optional>
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/curves/core/ColourConversion.h"
#include "app/ui/preview/OutputBuffers.h"

class QThreadPool;

namespace appui {

// The gradient-map filter the toned preview runs: every grey level of the
// image becomes the colour at its place along a gradient made from Lab
// samples, darkest first (GreyLevelMapping.h). The gradient has one colour per
// sample; the map itself is one 256-entry table, one look-up per pixel.
//
// It maps the stored grey levels directly: a working-space filter of a
// platform image library would first linearise the image and the gradient,
// map, and encode again; that conversion is not reproduced.
class ZWGradientMapFilter {
public:
    // What the map runs on: the thread pool its bands use and the output
    // buffers it reuses. Copies of a filter share them, so every preview job
    // maps with the same settings on a filter state of its own.
    struct MapFilter {
        QThreadPool* pool = nullptr; // the global pool when none is given
        std::shared_ptr<OutputBuffers> buffers = std::make_shared<OutputBuffers>();
    };

    ZWGradientMapFilter();
    explicit ZWGradientMapFilter(std::shared_ptr<MapFilter> mapFilter);

    std::optional<std::vector<curves::CIELab>> inputLabArray;
    std::optional<QImage> inputImage;
    // The result of the last successful application.
    std::optional<QImage> outputImage;
    std::shared_ptr<MapFilter> mapFilter;

    // Builds the gradient from inputLabArray and maps inputImage through it
    // into outputImage. Without samples, without an image, without a gradient
    // or when the map fails, outputImage keeps its value.
    void applyGradientMap();
};

} // namespace appui
