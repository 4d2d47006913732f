// Mapping 1,000,000 points from values to pixels in place: through the
// transformer (one composed matrix per call) beside a plain loop doing the
// same arithmetic with the matrix terms at hand. The side-by-side benchmark
// prints the ratio the transformer is held to: at most 1.2 times the loop.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <vector>

#include "Charts/foundation/Transformer.h"
#include "bench/support/side_by_side.h"

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

// The same arithmetic written out, the matrix terms in locals.
void plainLoop(const charts::AffineTransform& m, std::vector<charts::Point>& points) {
    const double a = m.a, b = m.b, c = m.c, d = m.d, tx = m.tx, ty = m.ty;
    for (charts::Point& p : points) {
        const double x = p.x;
        p.x = a * x + c * p.y + tx;
        p.y = b * x + d * p.y + ty;
    }
}

void BM_PlainLoopSameArithmetic(benchmark::State& state) {
    const charts::AffineTransform m = preparedTransformer()->valueToPixelMatrix();
    std::vector<charts::Point> points = samplePoints();
    for (auto _ : state) {
        plainLoop(m, points);
        benchmark::DoNotOptimize(points.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pointCount));
}
BENCHMARK(BM_PlainLoopSameArithmetic)->Unit(benchmark::kMicrosecond);

// Both in interleaved rounds on the same points, with the medians and the
// ratio of the transformer to the loop (goal at most 1.2). One buffer for
// both, so that neither is timed on memory placed better than the other's
// (a 16 MB buffer may or may not land on huge pages).
void BM_TransformerBesideThePlainLoop(benchmark::State& state) {
    const auto transformer = preparedTransformer();
    const charts::AffineTransform matrix = transformer->valueToPixelMatrix();
    std::vector<charts::Point> points = samplePoints();
    const std::vector<bench::Variant> variants{
        {"transformer",
         [&] {
             transformer->pointValuesToPixel(points);
             benchmark::DoNotOptimize(points.data());
             benchmark::ClobberMemory();
         }},
        {"plain loop",
         [&] {
             plainLoop(matrix, points);
             benchmark::DoNotOptimize(points.data());
             benchmark::ClobberMemory();
         }},
    };
    const auto medians = bench::medianMillisecondsPerRound(state, variants, "1,000,000 points in place");
    const double ratio = medians[0] / medians[1];
    std::printf("transformer / plain loop: %.2fx (goal at most 1.2) %s\n\n", ratio, ratio <= 1.2 ? "ok" : "OVER");
    state.counters["transformer_ms"] = medians[0];
    state.counters["transformer_over_loop"] = ratio;
}
BENCHMARK(BM_TransformerBesideThePlainLoop)->Iterations(60)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
