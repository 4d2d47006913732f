#include <gtest/gtest.h>

#include "platform/FatalError.h"

namespace {

// Every stop of the program says where and why on standard error, in the
// caller's own words.
TEST(FatalErrorDeathTest, EveryStopSaysWhereAndWhy) {
    EXPECT_DEATH(platform::precondition(false, "Screen::show: a graph missing from the form"),
                 "Screen::show: a graph missing from the form");
    EXPECT_DEATH(platform::fatalError("Reader::parse: never reached"), "Reader::parse: never reached");
}

} // namespace
