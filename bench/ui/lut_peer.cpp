#include "bench/ui/lut_peer.h"

#include <cstdlib>
#include <vips/vips.h>

namespace bench {

struct LutPeer::Images {
    VipsImage* lut = nullptr;
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
    images_->input = vips_image_new_from_memory(grey, static_cast<size_t>(width) * static_cast<size_t>(height), width,
                                                height, 1, VIPS_FORMAT_UCHAR);
    if (images_->lut == nullptr || images_->input == nullptr) fail();
}

LutPeer::~LutPeer() {
    g_object_unref(images_->input);
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

void LutPeer::mapFresh() const {
    VipsImage* mapped = nullptr;
    if (vips_maplut(images_->input, &mapped, images_->lut, nullptr)) fail();
    size_t size = 0;
    void* memory = vips_image_write_to_memory(mapped, &size);
    if (memory == nullptr) fail();
    g_free(memory);
    g_object_unref(mapped);
}

} // namespace bench
