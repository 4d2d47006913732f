#pragma once
#include <string>
#include <vector>

#include "app/curves/measurements/CgatsKeywords.h"

namespace curves::cgats {

// The device values of a CGATS-family file: the RGB or CMYK numbers each
// patch was printed with (RGB_R, RGB_G, RGB_B; CMYK_C, CMYK_M, CMYK_Y,
// CMYK_K). Indices are -1 for columns the file does not have.
struct DeviceColumns {
    int r = -1, g = -1, b = -1;
    int c = -1, m = -1, y = -1, k = -1;

    static DeviceColumns of(const std::vector<std::string>& fieldNames);

    // Whether the file says which patches are neutral: all three RGB columns,
    // or the C, M and Y columns.
    bool tellGreyPatches() const;
};

// A grey patch is printed with one channel only: R = G = B, or C = M = Y = 0.
// A row whose device values do not read is no grey patch.
bool isGreyPatch(const std::vector<std::string>& row, const DeviceColumns& columns);

// The input position of every row: the R value of an RGB file (the paper at
// the top of its scale), the K value of a CMYK file (the paper at 0). Empty
// when the file has neither column or a value does not read (after
// keepGreyRampOfAChart every kept row's value reads).
std::vector<double> devicePositions(const Rows& rows, const DeviceColumns& columns);

// A colour characterisation chart is no step wedge: when the device values
// vary in more than one channel (some patch is not grey), only the grey
// ramp is kept, the patches printed with one channel. A patch whose device
// values (those that tell a grey patch, and its position) do not read as
// numbers is no part of the ramp either, in a chart or in a wedge: it is left
// out. Answers false, with the reason in the developer's log, when fewer than
// two patches are left. Rows of a file without device columns, and rows whose
// device values all read and tell a wedge, are kept as they are.
bool keepGreyRampOfAChart(Rows& rows, const DeviceColumns& columns);

} // namespace curves::cgats
