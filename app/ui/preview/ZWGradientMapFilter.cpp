#include "app/ui/preview/ZWGradientMapFilter.h"

#include <QThreadPool>

#include "app/ui/preview/GradientColors.h"
#include "app/ui/preview/GreyLevelMapping.h"

namespace appui {

ZWGradientMapFilter::ZWGradientMapFilter() : ZWGradientMapFilter(std::make_shared<MapFilter>()) {}

ZWGradientMapFilter::ZWGradientMapFilter(std::shared_ptr<MapFilter> filter) : mapFilter(std::move(filter)) {}

void ZWGradientMapFilter::applyGradientMap() {
    if (!inputLabArray || !inputImage) return;
    const auto gradient = gradientImage(gradientColors(*inputLabArray));
    if (!gradient || !mapFilter) return;
    const auto table = gradientMapTable(*gradient);
    if (!table) return;
    QThreadPool& pool = mapFilter->pool != nullptr ? *mapFilter->pool : *QThreadPool::globalInstance();
    QImage output;
    if (mapFilter->buffers) output = mapFilter->buffers->take(inputImage->size(), QImage::Format_RGB32);
    if (!mapGreyLevels(*inputImage, *table, output, pool)) return;
    if (mapFilter->buffers) mapFilter->buffers->keep(output);
    outputImage = std::move(output);
}

} // namespace appui
