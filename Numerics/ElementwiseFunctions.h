#pragma once
// Part 1.104: element-wise functions. Each unary function is the copying shape
// of Part 1.101: copy the collection into a fresh array, check the routine's
// limit, one routine call in place, return the fresh array.

#include <vector>

#include "Numerics/Kernels.h"
#include "Numerics/Memory.h"

namespace numerics {

namespace detail {

// Copying shape over a vForce routine (count limit 2^31 - 1).
template <RealCollection C, class Routine>
std::vector<ElementOf<C>> vForceCopy(const C& x, Routine routine) {
    return mapContiguous(x, routine);
}

}  // namespace detail

#define NUMERICS_VFORCE_FUNCTION(name, routine)                                                   \
    template <RealCollection C>                                                                   \
    std::vector<ElementOf<C>> name(const C& x) {                                                  \
        return detail::vForceCopy(x, [](auto* y, const auto* s, int n) { vforce::routine(y, s, n); }); \
    }

NUMERICS_VFORCE_FUNCTION(exp, exp)
NUMERICS_VFORCE_FUNCTION(exp2, exp2)
NUMERICS_VFORCE_FUNCTION(log, log)
NUMERICS_VFORCE_FUNCTION(log2, log2)
NUMERICS_VFORCE_FUNCTION(log10, log10)
NUMERICS_VFORCE_FUNCTION(logb, logb)
NUMERICS_VFORCE_FUNCTION(sqrt, sqrt)
NUMERICS_VFORCE_FUNCTION(sin, sin)
NUMERICS_VFORCE_FUNCTION(cos, cos)
NUMERICS_VFORCE_FUNCTION(tan, tan)
NUMERICS_VFORCE_FUNCTION(asin, asin)
NUMERICS_VFORCE_FUNCTION(acos, acos)
NUMERICS_VFORCE_FUNCTION(atan, atan)
NUMERICS_VFORCE_FUNCTION(sinh, sinh)
NUMERICS_VFORCE_FUNCTION(cosh, cosh)
NUMERICS_VFORCE_FUNCTION(tanh, tanh)
NUMERICS_VFORCE_FUNCTION(asinh, asinh)
NUMERICS_VFORCE_FUNCTION(acosh, acosh)
NUMERICS_VFORCE_FUNCTION(atanh, atanh)
NUMERICS_VFORCE_FUNCTION(abs, fabs)
NUMERICS_VFORCE_FUNCTION(floor, floor)
NUMERICS_VFORCE_FUNCTION(ceil, ceil)
NUMERICS_VFORCE_FUNCTION(round, nint)
NUMERICS_VFORCE_FUNCTION(trunc, int_)
NUMERICS_VFORCE_FUNCTION(rec, rec)
#undef NUMERICS_VFORCE_FUNCTION

// threshold(_:low:): kept as the Parts give it: the elements rounded to the
// nearest integer value (as round), `low` not read. Nothing calls it.
template <RealCollection C>
std::vector<ElementOf<C>> threshold(const C& x, ElementOf<C> /*low*/) {
    return round(x);
}

// x squared (vDSP_vsqD / vDSP_vsq).
template <RealCollection C>
std::vector<ElementOf<C>> sq(const C& x) {
    return detail::mapStrided(x, [](auto* a, auto ia, auto* c, auto n) { vdsp::vsq(a, ia, c, 1, n); });
}

// -x (vDSP_vnegD / vDSP_vneg).
template <RealCollection C>
std::vector<ElementOf<C>> neg(const C& x) {
    return detail::mapStrided(x, [](auto* a, auto ia, auto* c, auto n) { vdsp::vneg(a, ia, c, 1, n); });
}

// low where x < low, high where x > high, else x (vDSP_vclipD); low and high
// are not checked against each other.
template <RealCollection C>
std::vector<ElementOf<C>> clip(const C& x, ElementOf<C> low, ElementOf<C> high) {
    return detail::mapStrided(x, [&](auto* a, auto ia, auto* c, auto n) { vdsp::vclip(a, ia, &low, &high, c, 1, n); });
}

template <Real T>
struct SinCos {
    std::vector<T> sin;
    std::vector<T> cos;
};

// Sines and cosines in one call (vvsincos); the view must be contiguous.
template <RealCollection C>
SinCos<ElementOf<C>> sincos(const C& x) {
    using T = ElementOf<C>;
    return withUnsafeMemory(x, [](UnsafeMemory<T> v) {
        detail::requireUnitStride(v.stride);
        // The count limit is checked before the two result arrays are made
        // (the Parts make them first; the outcome is the same stop).
        detail::require(v.count >= 0 && detail::fitsInt32(v.count));
        SinCos<T> r{std::vector<T>(static_cast<std::size_t>(v.count)), std::vector<T>(static_cast<std::size_t>(v.count))};
        vforce::sincos(r.sin.data(), r.cos.data(), v.pointer, detail::vForceCount(v.count));
        return r;
    });
}

// sqrt(_:into:): results[i] = sqrt(x[i]) for i < count(x); the rest of
// results is untouched. results may be an array, a span or a write view.
template <RealCollection A, class B>
    requires MutableRealCollection<B> && SameElement<A, B>
void sqrt(const A& x, B&& results) {
    using T = ElementOf<A>;
    withUnsafeMemory(x, [&](UnsafeMemory<T> vx) {
        withUnsafeMutableMemory(results, [&](UnsafeMutableMemory<T> vr) {
            detail::requireUnitStride(vx.stride);
            detail::requireUnitStride(vr.stride);
            detail::require(vr.count >= vx.count);
            detail::require(detail::fitsInt32(vx.count));
            vforce::sqrt(vr.pointer, vx.pointer, static_cast<int>(vx.count));
        });
    });
}

// |magnitude[i]| with the sign of sign[i] (vvcopysign).
template <RealCollection S, RealCollection M>
    requires SameElement<S, M>
std::vector<ElementOf<M>> copysign(const S& sign, const M& magnitude) {
    using T = ElementOf<M>;
    return withUnsafeMemory(magnitude, sign, [](UnsafeMemory<T> vm, UnsafeMemory<T> vs) {
        detail::require(vs.count == vm.count);
        std::vector<T> r;
        if (vm.stride == 1) {
            // Read the magnitudes directly into the fresh array.
            detail::requireUnitStride(vs.stride);
            detail::require(detail::fitsInt32(vm.count));
            r.resize(static_cast<std::size_t>(vm.count));
            vforce::copysign(r.data(), vm.pointer, vs.pointer, static_cast<int>(vm.count));
        } else {
            r = detail::copyToArray(vm);
            detail::requireUnitStride(vs.stride);
            detail::require(detail::fitsInt32(vm.count));
            vforce::copysign(r.data(), r.data(), vs.pointer, static_cast<int>(vm.count));
        }
        return r;
    });
}

}  // namespace numerics
