#pragma once
// The image-processing peer's look-up-table map, behind a small interface: its
// headers and Qt's cannot share a translation unit (both claim "signals").
#include <cstddef>
#include <cstdint>
#include <memory>

namespace bench {

class LutPeer {
public:
    // An 8-bit one-band image of width x height bytes (rows packed) and a
    // table of 256 four-byte entries; both must outlive the peer.
    LutPeer(const std::uint8_t* grey, int width, int height, const std::uint32_t* table);
    ~LutPeer();
    LutPeer(const LutPeer&) = delete;
    LutPeer& operator=(const LutPeer&) = delete;

    // The mapped image written into a buffer of width x height x 4 bytes.
    void mapInto(std::uint8_t* output) const;
    // The mapped image written into a fresh image of the peer's own making.
    void mapFresh() const;
    // The same with a three-band table (each entry's first three bytes): the
    // same colour bytes without the fourth.
    void mapFreshThreeBands() const;
    // Whether the three-band map's bytes are the first three of every pixel
    // of `expected` (width x height x 4 bytes).
    bool threeBandsMatch(const std::uint8_t* expected) const;

private:
    struct Images;
    std::unique_ptr<Images> images_;
    std::uint8_t threeBandTable_[256 * 3];
    int width_;
    int height_;
};

} // namespace bench
