#pragma once
// Golden text files: a test's output compared line by line with a file kept
// in the repository. After an intended change, run the tests with
// TINTSMITH_UPDATE_GOLDEN=1 in the environment: each golden test then
// writes its file anew (whole, through a temporary file) instead of
// comparing, and says so; review the difference with git before committing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "tests/support/scratch_files.h"

namespace test_support {

inline bool updatingGoldenFiles() {
    const char* value = std::getenv("TINTSMITH_UPDATE_GOLDEN");
    return value && std::string(value) == "1";
}

inline std::vector<std::string> textLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The output against the golden file, line by line: a failure names the
// first lines that differ (up to a few) with both versions, and the counts.
inline ::testing::AssertionResult matchesGoldenFile(const std::string& output, const std::filesystem::path& file) {
    if (updatingGoldenFiles()) {
        std::filesystem::path temporary = file;
        temporary += ".new";
        writeBytes(temporary, output);
        std::error_code error;
        std::filesystem::rename(temporary, file, error);
        if (error) return ::testing::AssertionFailure() << "could not write " << file << ": " << error.message();
        std::cout << "[ GOLDEN   ] wrote " << file.string() << "\n";
        return ::testing::AssertionSuccess();
    }
    if (!std::filesystem::exists(file)) {
        return ::testing::AssertionFailure() << file << " is missing; run with TINTSMITH_UPDATE_GOLDEN=1 to make it";
    }
    const std::vector<std::string> expected = textLines(readBytes(file));
    const std::vector<std::string> actual = textLines(output);
    std::ostringstream differences;
    int shown = 0;
    const std::size_t common = std::min(expected.size(), actual.size());
    for (std::size_t i = 0; i < common && shown < 5; ++i) {
        if (expected[i] == actual[i]) continue;
        differences << "line " << i + 1 << "\n  golden: " << expected[i] << "\n  now:    " << actual[i] << "\n";
        ++shown;
    }
    if (shown == 0 && expected.size() == actual.size()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << file.filename() << " differs (" << expected.size() << " golden lines, "
                                         << actual.size() << " now):\n"
                                         << differences.str()
                                         << "after an intended change: TINTSMITH_UPDATE_GOLDEN=1 rewrites it";
}

} // namespace test_support
