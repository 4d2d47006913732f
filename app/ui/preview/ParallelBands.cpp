#include "app/ui/preview/ParallelBands.h"

#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <memory>

namespace appui {

namespace {

struct Bands {
    int rows = 0;
    int rowsPerBand = 1;
    int count = 0;
    // Reached only for bands claimed before the caller has seen them all
    // done, so it never outlives the caller's function.
    const std::function<void(int, int)>* work = nullptr;
    std::atomic<int> next{0};
    std::atomic<int> done{0};
};

void takeBands(Bands& bands) {
    for (;;) {
        const int band = bands.next.fetch_add(1);
        if (band >= bands.count) return;
        const int first = band * bands.rowsPerBand;
        (*bands.work)(first, std::min(bands.rowsPerBand, bands.rows - first));
        if (bands.done.fetch_add(1) + 1 == bands.count) bands.done.notify_all();
    }
}

} // namespace

void forEachBand(int rows, int rowsPerBand, QThreadPool& pool, const std::function<void(int, int)>& work) {
    if (rows <= 0) return;
    auto bands = std::make_shared<Bands>();
    bands->rows = rows;
    bands->rowsPerBand = std::max(1, rowsPerBand);
    bands->count = (rows + bands->rowsPerBand - 1) / bands->rowsPerBand;
    bands->work = &work;
    // A helper that starts after the last band was claimed finds nothing to
    // do; it holds the shared state, never the caller's stack.
    const int helpers = std::min(pool.maxThreadCount(), bands->count) - 1;
    for (int i = 0; i < helpers; ++i) pool.start([bands] { takeBands(*bands); });
    takeBands(*bands);
    for (int seen = bands->done.load(); seen < bands->count; seen = bands->done.load()) bands->done.wait(seen);
}

} // namespace appui
