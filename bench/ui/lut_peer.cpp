#include "bench/ui/lut_peer.h"

#include <cstdlib>
#include <vips/vips.h>

namespace bench {

struct LutPeer::Images {
    VipsImage* lut = nullptr;
    VipsImage* lut3 = nullptr;
    VipsImage* input = nullptr;
};

namespace {
[[noreturn]] void fail() { vips_error_exit(nullptr); }
} // namespace

LutPeer::LutPeer(const std::uint8_t* grey, int width, int height, const std::uint32_t* table)
    : images_(std::make_unique<Images>()),
      width_(width),
      height_(height) {
    if (VIPS_INIT("bench")) fail();
    vips_cache_set_max(0); // every map is computed, never answered from the operation cache
    // The table's words as they lie in memory: four bands of bytes.
    images_->lut = vips_image_new_from_memory(table, 256 * 4, 256, 1, 4, VIPS_FORMAT_UCHAR);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(table);
    for (int i = 0; i < 256; ++i)
        for (int c = 0; c < 3; ++c) threeBandTable_[3 * i + c] = bytes[4 * i + c];
    images_->lut3 = vips_image_new_from_memory(threeBandTable_, sizeof threeBandTable_, 256, 1, 3, VIPS_FORMAT_UCHAR);
    images_->input = vips_image_new_from_memory(grey, static_cast<size_t>(width) * static_cast<size_t>(height), width,
                                                height, 1, VIPS_FORMAT_UCHAR);
    if (images_->lut == nullptr || images_->lut3 == nullptr || images_->input == nullptr) fail();
}

LutPeer::~LutPeer() {
    g_object_unref(images_->input);
    g_object_unref(images_->lut3);
    g_object_unref(images_->lut);
}

void LutPeer::mapInto(std::uint8_t* output) const {
    VipsImage* mapped = nullptr;
    if (vips_maplut(images_->input, &mapped, images_->lut, nullptr)) fail();
    const size_t bytes = static_cast<size_t>(width_) * static_cast<size_t>(height_) * 4;
    VipsImage* target = vips_image_new_from_memory(output, bytes, width_, height_, 4, VIPS_FORMAT_UCHAR);
    if (target == nullptr || vips_image_write(mapped, target)) fail();
    g_object_unref(target);
    g_object_unref(mapped);
}

namespace {
// The input mapped through the table into a fresh image of the peer's own
// making; the caller frees it with g_free.
std::uint8_t* mappedIntoMemory(VipsImage* input, VipsImage* lut, size_t& size) {
    VipsImage* mapped = nullptr;
    if (vips_maplut(input, &mapped, lut, nullptr)) fail();
    auto* memory = static_cast<std::uint8_t*>(vips_image_write_to_memory(mapped, &size));
    if (memory == nullptr) fail();
    g_object_unref(mapped);
    return memory;
}
} // namespace

void LutPeer::mapFresh() const {
    size_t size = 0;
    g_free(mappedIntoMemory(images_->input, images_->lut, size));
}

void LutPeer::mapFreshThreeBands() const {
    size_t size = 0;
    g_free(mappedIntoMemory(images_->input, images_->lut3, size));
}

bool LutPeer::threeBandsMatch(const std::uint8_t* expected) const {
    size_t size = 0;
    std::uint8_t* memory = mappedIntoMemory(images_->input, images_->lut3, size);
    const size_t pixels = static_cast<size_t>(width_) * static_cast<size_t>(height_);
    bool same = size == pixels * 3;
    for (size_t p = 0; same && p < pixels; ++p)
        same = memory[3 * p] == expected[4 * p] && memory[3 * p + 1] == expected[4 * p + 1] &&
               memory[3 * p + 2] == expected[4 * p + 2];
    g_free(memory);
    return same;
}

} // namespace bench
