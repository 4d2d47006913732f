#pragma once
// Element-wise functions. Each unary function has the copying shape of
// Memory.h: copy the collection into a fresh array, check the kernel's limit,
// one kernel call in place, return the fresh array.

#include <vector>

#include "Numerics/Kernels.h"
#include "Numerics/Memory.h"

namespace numerics {

namespace detail {

// Copying shape over an element-wise math kernel (count limit 2^31 - 1).
template <RealCollection C, class Routine>
std::vector<ElementOf<C>> mathCopy(const C& x, Routine routine) {
    return mapContiguous(x, routine);
}

} // namespace detail

#define NUMERICS_MATH_FUNCTION(name, routine)                                                                          \
    template <RealCollection C>                                                                                        \
    NUMERICS_ONE_BODY std::vector<ElementOf<C>> name(const C& x) {                                                     \
        return detail::mathCopy(x, [](auto* y, const auto* s, int n) { vmath::routine(y, s, n); });                    \
    }

NUMERICS_MATH_FUNCTION(exp, exp)
NUMERICS_MATH_FUNCTION(exp2, exp2)
NUMERICS_MATH_FUNCTION(log, log)
NUMERICS_MATH_FUNCTION(log2, log2)
NUMERICS_MATH_FUNCTION(log10, log10)
NUMERICS_MATH_FUNCTION(logb, logb)
NUMERICS_MATH_FUNCTION(sqrt, sqrt)
NUMERICS_MATH_FUNCTION(sin, sin)
NUMERICS_MATH_FUNCTION(cos, cos)
NUMERICS_MATH_FUNCTION(tan, tan)
NUMERICS_MATH_FUNCTION(asin, asin)
NUMERICS_MATH_FUNCTION(acos, acos)
NUMERICS_MATH_FUNCTION(atan, atan)
NUMERICS_MATH_FUNCTION(sinh, sinh)
NUMERICS_MATH_FUNCTION(cosh, cosh)
NUMERICS_MATH_FUNCTION(tanh, tanh)
NUMERICS_MATH_FUNCTION(asinh, asinh)
NUMERICS_MATH_FUNCTION(acosh, acosh)
NUMERICS_MATH_FUNCTION(atanh, atanh)
NUMERICS_MATH_FUNCTION(abs, fabs)
NUMERICS_MATH_FUNCTION(floor, floor)
NUMERICS_MATH_FUNCTION(ceil, ceil)
NUMERICS_MATH_FUNCTION(round, roundHalfEven)
NUMERICS_MATH_FUNCTION(trunc, trunc)
NUMERICS_MATH_FUNCTION(rec, reciprocal)
#undef NUMERICS_MATH_FUNCTION

// threshold(x, low): the elements rounded to the nearest integer value (as
// round); `low` is not read. Kept as it is because callers may rely on it;
// nothing here calls it.
template <RealCollection C>
NUMERICS_ONE_BODY std::vector<ElementOf<C>> threshold(const C& x, ElementOf<C> /*low*/) {
    return round(x);
}

// x squared.
template <RealCollection C>
NUMERICS_ONE_BODY std::vector<ElementOf<C>> sq(const C& x) {
    return detail::mapStrided(x, [](auto* a, auto ia, auto* c, auto n) { vec::square(a, ia, c, 1, n); });
}

// -x.
template <RealCollection C>
NUMERICS_ONE_BODY std::vector<ElementOf<C>> neg(const C& x) {
    return detail::mapStrided(x, [](auto* a, auto ia, auto* c, auto n) { vec::negate(a, ia, c, 1, n); });
}

// low where x < low, high where x > high, else x; low and high are not
// checked against each other.
template <RealCollection C>
NUMERICS_ONE_BODY std::vector<ElementOf<C>> clip(const C& x, ElementOf<C> low, ElementOf<C> high) {
    return detail::mapStrided(x, [&](auto* a, auto ia, auto* c, auto n) { vec::clip(a, ia, &low, &high, c, 1, n); });
}

template <Real T>
struct SinCos {
    std::vector<T> sin;
    std::vector<T> cos;
};

// Sines and cosines in one call; the view must be contiguous.
template <RealCollection C>
NUMERICS_ONE_BODY SinCos<ElementOf<C>> sincos(const C& x) {
    using T = ElementOf<C>;
    return withUnsafeMemory(x, [](UnsafeMemory<T> v) {
        detail::requireUnitStride(v.stride);
        // The count limit is checked before the two result arrays are made,
        // so an oversized view stops the program without allocating them.
        detail::require(v.count >= 0 && detail::fitsInt32(v.count));
        SinCos<T> r{std::vector<T>(static_cast<std::size_t>(v.count)),
                    std::vector<T>(static_cast<std::size_t>(v.count))};
        vmath::sincos(r.sin.data(), r.cos.data(), v.pointer, detail::mathCount(v.count));
        return r;
    });
}

// sqrt(x, results): results[i] = sqrt(x[i]) for i < count(x); the rest of
// results is untouched. results may be an array, a span or a write view.
template <RealCollection A, class B>
requires MutableRealCollection<B> && SameElement<A, B> NUMERICS_ONE_BODY void sqrt(const A& x, B&& results) {
    using T = ElementOf<A>;
    withUnsafeMemory(x, [&](UnsafeMemory<T> vx) {
        withUnsafeMutableMemory(results, [&](UnsafeMutableMemory<T> vr) {
            detail::requireUnitStride(vx.stride);
            detail::requireUnitStride(vr.stride);
            detail::require(vr.count >= vx.count);
            detail::require(detail::fitsInt32(vx.count));
            vmath::sqrt(vr.pointer, vx.pointer, static_cast<int>(vx.count));
        });
    });
}

// |magnitude[i]| with the sign of sign[i].
template <RealCollection S, RealCollection M>
requires SameElement<S, M> NUMERICS_ONE_BODY std::vector<ElementOf<M>> copysign(const S& sign, const M& magnitude) {
    using T = ElementOf<M>;
    return withUnsafeMemory(magnitude, sign, [](UnsafeMemory<T> vm, UnsafeMemory<T> vs) {
        detail::require(vs.count == vm.count);
        std::vector<T> r;
        if (vm.stride == 1) {
            // Read the magnitudes directly into the fresh array.
            detail::requireUnitStride(vs.stride);
            detail::require(detail::fitsInt32(vm.count));
            r.resize(static_cast<std::size_t>(vm.count));
            vmath::copysign(r.data(), vm.pointer, vs.pointer, static_cast<int>(vm.count));
        } else {
            r = detail::copyToArray(vm);
            detail::requireUnitStride(vs.stride);
            detail::require(detail::fitsInt32(vm.count));
            vmath::copysign(r.data(), r.data(), vs.pointer, static_cast<int>(vm.count));
        }
        return r;
    });
}

} // namespace numerics
