#include <gtest/gtest.h>

#include "platform/Log.h"
#include "platform/testing/LogCapture.h"

TEST(Log, DeveloperLogAndStandardOutputAreSeparateSinks) {
    platform::LogCapture capture;
    platform::devLog("Invalid Interpolation Type");
    platform::printToStandardOutput("set custom");
    EXPECT_EQ(capture.devLogLines(), std::vector<std::string>{"Invalid Interpolation Type"});
    EXPECT_EQ(capture.standardOutputLines(), std::vector<std::string>{"set custom"});
    EXPECT_TRUE(capture.devLogContains("Interpolation"));
    EXPECT_FALSE(capture.standardOutputContains("Interpolation"));
}

TEST(Log, CapturesNestAndRestore) {
    platform::LogCapture outer;
    {
        platform::LogCapture inner;
        platform::printToStandardOutput("inner");
        EXPECT_EQ(inner.standardOutputLines().size(), 1u);
    }
    platform::printToStandardOutput("outer");
    EXPECT_EQ(outer.standardOutputLines(), std::vector<std::string>{"outer"});
}
