// Mapping 1,000,000 points from values to pixels in place: through the
// transformer (one composed matrix per call) beside a plain loop doing the
// same arithmetic with the matrix terms at hand.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "Charts/foundation/Transformer.h"

namespace {

constexpr std::size_t pointCount = 1'000'000;

std::vector<charts::Point> samplePoints() {
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> values(-100, 100);
    std::vector<charts::Point> points(pointCount);
    for (charts::Point& p : points) p = charts::Point{values(random), values(random)};
    return points;
}

std::shared_ptr<charts::Transformer> preparedTransformer() {
    const auto handler = charts::ViewPortHandler::create(800, 600);
    handler->restrainViewPort(40, 10, 20, 30);
    handler->refresh(charts::AffineTransform{1.5, 0, 0, 1.25, -60, 20}, nullptr, false);
    auto transformer = std::make_shared<charts::Transformer>(handler);
    transformer->prepareMatrixValuePx(-100, 200, 200, -100);
    transformer->prepareMatrixOffset(false);
    return transformer;
}

void BM_TransformerPointValuesToPixel(benchmark::State& state) {
    const auto transformer = preparedTransformer();
    const std::vector<charts::Point> source = samplePoints();
    std::vector<charts::Point> points = source;
    for (auto _ : state) {
        transformer->pointValuesToPixel(points);
        benchmark::DoNotOptimize(points.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pointCount));
}
BENCHMARK(BM_TransformerPointValuesToPixel)->Unit(benchmark::kMicrosecond);

void BM_PlainLoopSameArithmetic(benchmark::State& state) {
    const charts::AffineTransform m = preparedTransformer()->valueToPixelMatrix();
    const double a = m.a, b = m.b, c = m.c, d = m.d, tx = m.tx, ty = m.ty;
    const std::vector<charts::Point> source = samplePoints();
    std::vector<charts::Point> points = source;
    for (auto _ : state) {
        for (charts::Point& p : points) {
            const double x = p.x;
            p.x = a * x + c * p.y + tx;
            p.y = b * x + d * p.y + ty;
        }
        benchmark::DoNotOptimize(points.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pointCount));
}
BENCHMARK(BM_PlainLoopSameArithmetic)->Unit(benchmark::kMicrosecond);

} // namespace
