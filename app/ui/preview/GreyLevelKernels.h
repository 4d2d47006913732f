#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace appui {

// The row kernels of the grey-level map: a row of 8-bit levels looked up in
// a 256-entry table of 0xffRRGGBB words. Output this large is written past
// the caches (streaming stores), as nothing reads it again before the whole
// picture is done; the vector kernels are taken where the processor has
// them, each with the plain loop for what its vectors do not cover.
enum class GreyLevelKernel {
    plain,      // one look-up per pixel, ordinary stores
    streaming,   // four look-ups gathered into a 16-byte streaming store (SSE2)
    bytePermute, // 64 pixels at once: byte-permute look-ups of the table's channel planes (opaque tables; AVX-512 VBMI)
    avx2         // sixteen look-ups assembled into one whole-line streaming write (AVX2)
};

// The fastest kernel this processor runs, chosen once, at the first call.
GreyLevelKernel fastestGreyLevelKernel();
bool kernelAvailable(GreyLevelKernel kernel);
// "plain", "SSE2", "AVX-512 VBMI" or "AVX2", for reports.
const char* kernelName(GreyLevelKernel kernel);

// The table, ready for one kernel; made once per map.
class PreparedTable {
public:
    PreparedTable(const std::array<std::uint32_t, 256>& table, GreyLevelKernel kernel);

    GreyLevelKernel kernel() const { return kernel_; }

    // Maps one row. The output is complete and visible to other threads once
    // the call returns.
    void mapRow(const std::uint8_t* levels, std::uint32_t* out, int width) const;

private:
    GreyLevelKernel kernel_;
    alignas(64) std::array<std::uint32_t, 256> table_;
    // Blue, green and red planes of the table, for the byte-permute kernel.
    alignas(64) std::array<std::uint8_t, 3 * 256> planes_;
};

} // namespace appui
