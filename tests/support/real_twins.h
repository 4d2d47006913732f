#pragma once
// The numeric library's float and double twins: one typed fixture runs a test
// for both. A test file names its suite with an alias of the fixture,
//   template <class T> using SignalTwins = test_support::RealTwins<T>;
//   TYPED_TEST_SUITE(SignalTwins, test_support::RealTypes);
// so that every suite keeps a name of its own in the test list.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace test_support {

template <class T>
class RealTwins : public ::testing::Test {};

using RealTypes = ::testing::Types<float, double>;

template <class T>
using V = std::vector<T>;

// Equal values, or both NaN (which never compare equal).
template <class T>
bool sameValue(T got, T expected) {
    return std::isnan(expected) ? std::isnan(got) : got == expected;
}

} // namespace test_support
