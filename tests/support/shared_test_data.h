#pragma once
// The shared real test files: files written by other programs and instruments,
// kept beside the clone in ../shared/testdata (the build may name another
// folder with TINTSMITH_TESTDATA_DIR), never in the repository. CI has the
// folder; a plain clone may not, and the tests that read it then skip.
//
//   TEST(Reader, RealFiles) {
//       SKIP_WITHOUT_SHARED_TEST_DATA();
//       read(test_support::sharedTestFile("measurements/wedge.ti3"));
//   }
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace test_support {

inline std::filesystem::path sharedTestDataFolder() { return TINTSMITH_TESTDATA; }

inline std::filesystem::path sharedTestFile(const std::string& relative) { return sharedTestDataFolder() / relative; }

} // namespace test_support

// Skips the running test, naming the folder, when the shared test data folder
// does not exist. (A macro: only the test body itself can end the test.)
#define SKIP_WITHOUT_SHARED_TEST_DATA()                                                                                \
    if (const auto sharedFolder_ = ::test_support::sharedTestDataFolder();                                             \
        std::filesystem::is_directory(sharedFolder_)) {                                                                \
    } else                                                                                                             \
        GTEST_SKIP() << "the shared test data folder " << sharedFolder_.string() << " is missing"
