#pragma once
// Running ffmpeg's filters over a grey ramp, for the tests of the curves we
// export.
#include <string>

#include "tests/support/scratch_files.h"
#include "tests/support/shell_commands.h"

namespace curves_test {

// Runs ffmpeg's video filter `filter` over a 256x1 grey ramp (0 to 255) in
// `dir`; answers the filtered pixels as rgb24 bytes, or "" with the tool's
// message in `output` when ffmpeg fails.
inline std::string ffmpegOnGreyRamp(const test_support::ScratchDirectory& dir, const std::string& filter,
                                    std::string& output) {
    std::string ramp;
    for (int x = 0; x < 256; ++x) ramp += std::string(3, static_cast<char>(x));
    test_support::writeBytes(dir.file("in.rgb"), ramp);
    const std::string command = "cd " + test_support::quoted(dir.path()) +
                                " && ffmpeg -v error -y -f rawvideo -pix_fmt rgb24 -s 256x1 -i in.rgb -vf " + filter +
                                " -f rawvideo -pix_fmt rgb24 out.rgb 2>&1";
    if (test_support::runCommand(command, output) != 0) return {};
    return test_support::readBytes(dir.file("out.rgb"));
}

} // namespace curves_test
