#pragma once
#include <functional>

class QThreadPool;

namespace appui {

// Runs `work(firstRow, rowCount)` over bands of `rowsPerBand` rows covering
// rows 0 to `rows` - 1, on the pool's threads and the calling thread
// together, and returns once every band is done. The calling thread takes
// bands itself and waits only for bands a pool thread has already begun, so
// the call finishes even when every pool thread is busy (a job running on the
// same pool cannot starve waiting for its own bands).
void forEachBand(int rows, int rowsPerBand, QThreadPool& pool, const std::function<void(int, int)>& work);

} // namespace appui
