#pragma once
// Element-wise arithmetic and operators.
//
// Operator spellings. C++ cannot declare new operators, so the library's
// operators are spelled as follows (the named functions are the same in
// both):
//   collection + - * / % scalar      unchanged
//   scalar * collection              unchanged
//   .+  .-  .*  ./  .%               + - * / % with a collection on both sides
//   **  (collection, scalar)         pow(x, e)
//   .** (collection, collection)     pow(x, y)
//   •   (dot product)                dot(x, y)
//   += -= *= /= with a scalar        unchanged
//   .%= with a scalar                %= with a scalar
//   .+= .-= .*= ./= .%=              += -= *= /= %= with a collection operand
//   **= and .**=                     powAssign(x, e) and powAssign(x, y)
// The operators live in namespace numerics; a caller brings them in with
// `using namespace numerics;` (or a using-declaration), since std::vector's
// own namespace is std. Precedence and associativity are C++'s.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "Numerics/Kernels.h"
#include "Numerics/Memory.h"
#include "Numerics/Platform.h"

namespace numerics {

namespace detail {

// The scalar forms of the element-wise math kernels run their routine
// against count copies of the scalar. The copies are handed over in chunks of
// a small buffer rather than as one array of count copies: the routine
// computes the same elements, and no second array of the operand's size is
// made.
// routine(const T* repeated, int offset, int length).
// Only as much of the buffer is filled as the first chunk uses.
template <Real T, class Routine>
void againstRepeated(T value, int count, Routine routine) {
    constexpr int kChunk = 1024;
    T repeated[kChunk];
    std::fill(repeated, repeated + (count < kChunk ? count : kChunk), value);
    for (int offset = 0; offset < count; offset += kChunk)
        routine(static_cast<const T*>(repeated), offset, count - offset < kChunk ? count - offset : kChunk);
}

// In-place forms on a write view (shape 4).
template <Real T>
void addScalar(UnsafeMutableMemory<T> v, T s) {
    vec::addScalar(v.pointer, v.stride, &s, v.pointer, v.stride, vectorLength(v.count));
}
// x *= s. Contiguous runs of up to kLongestOwnScale<T> elements take the
// library's own kernel, built for the machine's widest vectors; longer ones
// the BLAS scale. At a few dozen elements the BLAS call costs more than the
// products; up to the size of the first-level cache the kernel is as fast as
// the BLAS double scale or faster, and about twice as fast as its float
// scale. Beyond that cache the two double routines run at one speed (the
// BLAS one is kept), while the float kernel (past the second-level cache in
// 32-byte vectors, WideKernels.cpp) stays ahead up to the runs that the BLAS
// scale splits among its threads (above 2^20 elements).
// The BLAS scale is not used for s = 0, where it writes zeros without
// multiplying (NaN and infinity would become 0, -x would lose its sign), nor
// where its 32-bit count and stride do not reach. Strided views take it
// otherwise; a stride of 0 (one element seen count times) is scaled count
// times by the strided kernel, as BLAS would not. Every routine makes the same
// products (one rounding each).
template <Real T>
inline constexpr int64_t kLongestOwnScale = std::is_same_v<T, float> ? int64_t(1) << 20 : int64_t(8192);

// The body for every view; mulScalar below takes the common case. (The view
// comes in three arguments, which the caller keeps in registers.)
template <Real T>
NUMERICS_OUT_OF_LINE void mulScalarAnyView(T* pointer, int64_t stride, int64_t count, T s) {
    if (s != T(0) && stride != 0 && fitsInt32(count) && fitsInt32(stride) && stride != kInt32Min &&
        (stride != 1 || count > kLongestOwnScale<T>)) {
        // BLAS scales nothing for a negative increment; the same elements
        // read forward from the lowest address are scaled alike.
        const int increment = static_cast<int>(stride < 0 ? -stride : stride);
        blas::scal(static_cast<int>(count), s, blasBase(pointer, stride, count), increment);
        return;
    }
    if (stride == 1) return vec::scaleInPlace(pointer, vectorLength(count), s);
    vec::multiplyScalar(pointer, stride, &s, pointer, stride, vectorLength(count));
}

// The common case, in line: a contiguous run of 0 to kLongestOwnScale<T>
// elements (one unsigned comparison takes both ends) goes to the kernel at
// once, whatever the factor (the kernel multiplies by 0 too).
template <Real T>
NUMERICS_INLINE_FRONT void mulScalar(UnsafeMutableMemory<T> v, T s) {
    if (v.stride == 1 && static_cast<uint64_t>(v.count) <= uint64_t(kLongestOwnScale<T>)) [[likely]] {
        vec::scaleInPlace(v.pointer, static_cast<VectorLength>(v.count), s);
        return;
    }
    mulScalarAnyView(v.pointer, v.stride, v.count, s);
}

template <Real T>
void divScalar(UnsafeMutableMemory<T> v, T s) {
    vec::divideScalar(v.pointer, v.stride, &s, v.pointer, v.stride, vectorLength(v.count));
}

template <Real T>
void axpyInto(UnsafeMutableMemory<T> x, UnsafeMemory<T> y, T alpha) {
    require(x.count == y.count);
    const int n = cblasInt(x.count);
    const int incx = cblasInt(x.stride);
    const int incy = cblasInt(y.stride);
    blas::axpy(n, alpha, blasBase(y.pointer, y.stride, y.count), incy, blasBase(x.pointer, x.stride, x.count), incx);
}

template <Real T>
void elmulInto(UnsafeMutableMemory<T> x, UnsafeMemory<T> y) {
    require(x.count == y.count);
    vec::multiply(x.pointer, x.stride, y.pointer, y.stride, x.pointer, x.stride, vectorLength(x.count));
}

template <Real T>
void divInto(UnsafeMutableMemory<T> x, UnsafeMemory<T> y) {
    require(x.count == y.count);
    // Divisor y first, then dividend x: x[i] / y[i].
    vec::divide(x.pointer, x.stride, y.pointer, y.stride, x.pointer, x.stride, vectorLength(x.count));
}

// The element-wise math kernels take bare pointers: the views must be
// contiguous.
template <Real T>
void fmodInto(UnsafeMutableMemory<T> x, UnsafeMemory<T> y) {
    require(x.count == y.count);
    requireUnitStride(x.stride);
    requireUnitStride(y.stride);
    vmath::fmod(x.pointer, x.pointer, y.pointer, mathCount(x.count));
}

template <Real T>
void remainderInto(UnsafeMutableMemory<T> x, UnsafeMemory<T> y) {
    require(x.count == y.count);
    requireUnitStride(x.stride);
    requireUnitStride(y.stride);
    vmath::remainder(x.pointer, x.pointer, y.pointer, mathCount(x.count));
}

template <Real T>
void powInto(UnsafeMutableMemory<T> x, UnsafeMemory<T> y) {
    require(x.count == y.count);
    requireUnitStride(x.stride);
    requireUnitStride(y.stride);
    vmath::pow(x.pointer, x.pointer, y.pointer, mathCount(x.count));
}

// Two-operand copying shape: compare counts, copy x, apply the in-place form
// to the copy. The copy is the function's own fresh array, so its write view
// is made from the count already known: reading the new array's size back at
// once would stall on the stores that just made it.
template <class A, class B, class Op>
std::vector<ElementOf<A>> copyThen(const A& x, const B& y, Op op) {
    const int64_t n = countOf(x);
    require(n == countOf(y));
    auto r = copyToArray(x);
    withUnsafeMemory(y,
                     [&](UnsafeMemory<ElementOf<A>> vy) { op(UnsafeMutableMemory<ElementOf<A>>(r.data(), 1, n), vy); });
    return r;
}

} // namespace detail

// ---------------------------------------------------------------------------
// Collection and scalar, returning a new array

template <RealCollection C>
NUMERICS_ONE_BODY std::vector<ElementOf<C>> add(const C& x, ElementOf<C> s) {
    return detail::mapStrided(x, [&](auto* a, auto ia, auto* c, auto n) { vec::addScalar(a, ia, &s, c, 1, n); });
}

template <RealCollection C>
NUMERICS_ONE_BODY std::vector<ElementOf<C>> sub(const C& x, ElementOf<C> s) {
    const ElementOf<C> negated = -s;
    return detail::mapStrided(x, [&](auto* a, auto ia, auto* c, auto n) { vec::addScalar(a, ia, &negated, c, 1, n); });
}

template <RealCollection C>
NUMERICS_ONE_BODY std::vector<ElementOf<C>> mul(const C& x, ElementOf<C> s) {
    return detail::mapStrided(x, [&](auto* a, auto ia, auto* c, auto n) { vec::multiplyScalar(a, ia, &s, c, 1, n); });
}

// Scalar first: the products s * x[i], the same values as mul(x, s), made in
// one pass.
template <RealCollection C>
NUMERICS_ONE_BODY std::vector<ElementOf<C>> mul(ElementOf<C> s, const C& x) {
    return mul(x, s);
}

template <RealCollection C>
NUMERICS_ONE_BODY std::vector<ElementOf<C>> div(const C& x, ElementOf<C> s) {
    return detail::mapStrided(x, [&](auto* a, auto ia, auto* c, auto n) { vec::divideScalar(a, ia, &s, c, 1, n); });
}

template <RealCollection C>
NUMERICS_ONE_BODY std::vector<ElementOf<C>> mod(const C& x, ElementOf<C> s) {
    return detail::mapContiguous(x, [&](auto* z, const auto* a, int n) {
        detail::againstRepeated(
            s, n, [&](const auto* divisors, int at, int length) { vmath::fmod(z + at, a + at, divisors, length); });
    });
}

// x[i] raised to e: the application's gamma ramp.
template <RealCollection C>
NUMERICS_ONE_BODY std::vector<ElementOf<C>> pow(const C& x, ElementOf<C> e) {
    return detail::mapContiguous(x, [&](auto* z, const auto* a, int n) {
        detail::againstRepeated(
            e, n, [&](const auto* exponents, int at, int length) { vmath::pow(z + at, a + at, exponents, length); });
    });
}

// ---------------------------------------------------------------------------
// Two collections, returning a new array

namespace detail {

// Two-operand copying shape over a strided vector kernel: counts compared,
// then routine(x view, y view -> fresh array).
template <class A, class B, class Routine>
std::vector<ElementOf<A>> mapStrided2(const A& x, const B& y, Routine routine) {
    using T = ElementOf<A>;
    return withUnsafeMemory(x, y, [&](UnsafeMemory<T> vx, UnsafeMemory<T> vy) {
        require(vx.count == vy.count);
        const auto n = vectorLength(vx.count);
        std::vector<T> r(n);
        routine(vx, vy, r.data(), n);
        return r;
    });
}

// Two-operand copying shape over an element-wise math kernel: contiguous
// operands are read directly into the fresh array; otherwise the
// copy-then-in-place form (which checks the strides) runs.
template <class A, class B, class Routine, class InPlace>
std::vector<ElementOf<A>> mapContiguous2(const A& x, const B& y, Routine routine, InPlace inPlace) {
    using T = ElementOf<A>;
    const bool contiguous =
        withUnsafeMemory(x, y, [](UnsafeMemory<T> vx, UnsafeMemory<T> vy) { return vx.stride == 1 && vy.stride == 1; });
    if (!contiguous) return copyThen(x, y, inPlace);
    return withUnsafeMemory(x, y, [&](UnsafeMemory<T> vx, UnsafeMemory<T> vy) {
        require(vx.count == vy.count);
        const int n = mathCount(vx.count);
        std::vector<T> r(static_cast<std::size_t>(n));
        routine(r.data(), vx.pointer, vy.pointer, n);
        return r;
    });
}

} // namespace detail

template <class A, class B>
requires SameElement<A, B> NUMERICS_ONE_BODY std::vector<ElementOf<A>> add(const A& x, const B& y) {
    return detail::copyThen(x, y, [](auto vx, auto vy) { detail::axpyInto(vx, vy, ElementOf<A>(1)); });
}

template <class A, class B>
requires SameElement<A, B> NUMERICS_ONE_BODY std::vector<ElementOf<A>> sub(const A& x, const B& y) {
    return detail::copyThen(x, y, [](auto vx, auto vy) { detail::axpyInto(vx, vy, ElementOf<A>(-1)); });
}

template <class A, class B>
requires SameElement<A, B> NUMERICS_ONE_BODY std::vector<ElementOf<A>> elmul(const A& x, const B& y) {
    return detail::mapStrided2(x, y, [](auto vx, auto vy, auto* r, auto n) {
        vec::multiply(vx.pointer, vx.stride, vy.pointer, vy.stride, r, 1, n);
    });
}

template <class A, class B>
requires SameElement<A, B> NUMERICS_ONE_BODY std::vector<ElementOf<A>> div(const A& x, const B& y) {
    return detail::mapStrided2(x, y, [](auto vx, auto vy, auto* r, auto n) {
        // Divisor y first, then dividend x: x[i] / y[i].
        vec::divide(vx.pointer, vx.stride, vy.pointer, vy.stride, r, 1, n);
    });
}

template <class A, class B>
requires SameElement<A, B> NUMERICS_ONE_BODY std::vector<ElementOf<A>> mod(const A& x, const B& y) {
    return detail::mapContiguous2(
        x, y, [](auto* r, const auto* a, const auto* b, int n) { vmath::fmod(r, a, b, n); },
        [](auto vx, auto vy) { detail::fmodInto(vx, vy); });
}

template <class A, class B>
requires SameElement<A, B> NUMERICS_ONE_BODY std::vector<ElementOf<A>> remainder(const A& x, const B& y) {
    return detail::mapContiguous2(
        x, y, [](auto* r, const auto* a, const auto* b, int n) { vmath::remainder(r, a, b, n); },
        [](auto vx, auto vy) { detail::remainderInto(vx, vy); });
}

template <class A, class B>
requires SameElement<A, B> NUMERICS_ONE_BODY std::vector<ElementOf<A>> pow(const A& x, const B& y) {
    return detail::mapContiguous2(
        x, y, [](auto* r, const auto* a, const auto* b, int n) { vmath::pow(r, a, b, n); },
        [](auto vx, auto vy) { detail::powInto(vx, vy); });
}

// ---------------------------------------------------------------------------
// Scalar results

namespace detail {

// Below this many elements the BLAS dot costs more to call than the library's
// own kernel takes to finish.
inline constexpr int64_t kBlasDotFromCount = 32;

// The dot product of two views of one count: the BLAS dot, the faster
// routine, from kBlasDotFromCount elements where its 32-bit count and strides
// reach (a stride of 0 stays with the kernel); the kernel otherwise.
// This is the body for every pair of views (in five arguments, which the
// caller keeps in registers); dotOfViews below takes the common cases.
template <Real T>
NUMERICS_OUT_OF_LINE T dotOfAnyViews(const T* xPointer, int64_t xStride, const T* yPointer, int64_t yStride,
                                     int64_t count) {
    const auto blasStride = [](int64_t stride) { return stride != 0 && fitsInt32(stride); };
    if (count >= kBlasDotFromCount && fitsInt32(count) && blasStride(xStride) && blasStride(yStride))
        return blas::dot(static_cast<int>(count), blasBase(xPointer, xStride, count), static_cast<int>(xStride),
                         blasBase(yPointer, yStride, count), static_cast<int>(yStride));
    T result = 0;
    vec::dotProduct(xPointer, xStride, yPointer, yStride, &result, vectorLength(count));
    return result;
}

// The common cases, in line: two contiguous runs of kBlasDotFromCount to
// 2^31 - 1 elements go to the BLAS dot, shorter ones to the kernel's loop
// (Kernels.h); anything else, a negative count too, to the body above. One
// unsigned comparison takes both ends of each range.
template <Real T>
NUMERICS_INLINE_FRONT T dotOfViews(UnsafeMemory<T> x, UnsafeMemory<T> y) {
    require(x.count == y.count);
    const auto n = static_cast<uint64_t>(x.count);
    const bool contiguous = x.stride == 1 && y.stride == 1;
    constexpr auto kFrom = uint64_t(kBlasDotFromCount);
    if (contiguous && n - kFrom <= uint64_t(kInt32Max) - kFrom) [[likely]]
        return blas::dot(static_cast<int>(n), x.pointer, 1, y.pointer, 1);
    if (contiguous && n < kFrom) return vec::dotProductContiguous(x.pointer, y.pointer, n);
    return dotOfAnyViews(x.pointer, x.stride, y.pointer, y.stride, x.count);
}

// A std::vector keeps its elements in storage of its own: one that holds
// elements always has its pointer, so the missing-pointer stop of
// withUnsafeMemory (Memory.h) never fires for it.
template <class C>
inline constexpr bool kHoldsOwnStorage = false;
template <class T, class Alloc>
inline constexpr bool kHoldsOwnStorage<std::vector<T, Alloc>> = true;

// The views' road for any two collections, out of line where dot below takes
// the common case in line.
template <class A, class B>
NUMERICS_OUT_OF_LINE ElementOf<A> dotOfCollections(const A& x, const B& y) {
    return withUnsafeMemory(
        x, y, [](UnsafeMemory<ElementOf<A>> vx, UnsafeMemory<ElementOf<A>> vy) { return detail::dotOfViews(vx, vy); });
}

} // namespace detail

// The dot product (the • operator). Two arrays of one count go straight from
// their sizes and pointers to the BLAS dot (kBlasDotFromCount elements or
// more) or to the kernel's loop: at 64 elements every step that the BLAS
// call's count waits for (opening views, testing the pointers that an array
// of elements always has) showed in the call's time. Everything else, unequal
// counts too, takes the views' road with its checks in their order.
template <class A, class B>
requires SameElement<A, B> NUMERICS_INLINE_FRONT ElementOf<A> dot(const A& x, const B& y) {
    if constexpr (detail::kHoldsOwnStorage<A> && detail::kHoldsOwnStorage<B>) {
        const auto n = static_cast<uint64_t>(x.size());
        constexpr auto kFrom = uint64_t(detail::kBlasDotFromCount);
        if (n == y.size()) [[likely]] {
            if (n - kFrom <= uint64_t(detail::kInt32Max) - kFrom) [[likely]]
                return blas::dot(static_cast<int>(n), x.data(), 1, y.data(), 1);
            if (n < kFrom) return vec::dotProductContiguous(x.data(), y.data(), n);
        }
        return detail::dotOfCollections(x, y);
    }
    return withUnsafeMemory(
        x, y, [](UnsafeMemory<ElementOf<A>> vx, UnsafeMemory<ElementOf<A>> vy) { return detail::dotOfViews(vx, vy); });
}

template <class A, class B>
requires SameElement<A, B> NUMERICS_ONE_BODY ElementOf<A> distSq(const A& x, const B& y) {
    detail::require(detail::countOf(x) == detail::countOf(y));
    auto d = sub(x, y);
    const auto n = detail::vectorLength(static_cast<int64_t>(d.size()));
    vec::square(d.data(), 1, d.data(), 1, n);
    ElementOf<A> result = 0;
    vec::sum(d.data(), 1, &result, n);
    return result;
}

template <class A, class B>
requires SameElement<A, B> ElementOf<A> dist(const A& x, const B& y) { return std::sqrt(distSq(x, y)); }

// ---------------------------------------------------------------------------
// In-place forms (left operand modified)

template <MutableRealCollection C>
NUMERICS_ONE_BODY C& operator+=(C& x, ElementOf<C> s) {
    withUnsafeMutableMemory(x, [&](UnsafeMutableMemory<ElementOf<C>> v) { detail::addScalar(v, s); });
    return x;
}

template <MutableRealCollection C>
NUMERICS_ONE_BODY C& operator-=(C& x, ElementOf<C> s) {
    withUnsafeMutableMemory(x, [&](UnsafeMutableMemory<ElementOf<C>> v) { detail::addScalar(v, -s); });
    return x;
}

template <MutableRealCollection C>
NUMERICS_INLINE_FRONT C& operator*=(C& x, ElementOf<C> s) {
    withUnsafeMutableMemory(x, [&](UnsafeMutableMemory<ElementOf<C>> v) { detail::mulScalar(v, s); });
    return x;
}

template <MutableRealCollection C>
NUMERICS_ONE_BODY C& operator/=(C& x, ElementOf<C> s) {
    withUnsafeMutableMemory(x, [&](UnsafeMutableMemory<ElementOf<C>> v) { detail::divScalar(v, s); });
    return x;
}

// .+= .-= .*= ./= .%=: in place, with a collection operand.
template <MutableRealCollection A, RealCollection B>
requires SameElement<A, B> NUMERICS_ONE_BODY A& operator+=(A& x, const B& y) {
    withUnsafeMutableMemory(
        x, [&](auto vx) { withUnsafeMemory(y, [&](auto vy) { detail::axpyInto(vx, vy, ElementOf<A>(1)); }); });
    return x;
}

template <MutableRealCollection A, RealCollection B>
requires SameElement<A, B> NUMERICS_ONE_BODY A& operator-=(A& x, const B& y) {
    withUnsafeMutableMemory(
        x, [&](auto vx) { withUnsafeMemory(y, [&](auto vy) { detail::axpyInto(vx, vy, ElementOf<A>(-1)); }); });
    return x;
}

template <MutableRealCollection A, RealCollection B>
requires SameElement<A, B> NUMERICS_ONE_BODY A& operator*=(A& x, const B& y) {
    withUnsafeMutableMemory(x, [&](auto vx) { withUnsafeMemory(y, [&](auto vy) { detail::elmulInto(vx, vy); }); });
    return x;
}

template <MutableRealCollection A, RealCollection B>
requires SameElement<A, B> NUMERICS_ONE_BODY A& operator/=(A& x, const B& y) {
    withUnsafeMutableMemory(x, [&](auto vx) { withUnsafeMemory(y, [&](auto vy) { detail::divInto(vx, vy); }); });
    return x;
}

template <MutableRealCollection A, RealCollection B>
requires SameElement<A, B> NUMERICS_ONE_BODY A& operator%=(A& x, const B& y) {
    withUnsafeMutableMemory(x, [&](auto vx) { withUnsafeMemory(y, [&](auto vy) { detail::fmodInto(vx, vy); }); });
    return x;
}

// .%= with a scalar: against count(x) copies of s (the collection form's
// checks: contiguous, 32-bit count).
template <MutableRealCollection C>
NUMERICS_ONE_BODY C& operator%=(C& x, ElementOf<C> s) {
    withUnsafeMutableMemory(x, [&](UnsafeMutableMemory<ElementOf<C>> v) {
        detail::requireUnitStride(v.stride);
        const int n = detail::mathCount(v.count);
        detail::againstRepeated(s, n, [&](const auto* divisors, int at, int length) {
            vmath::fmod(v.pointer + at, v.pointer + at, divisors, length);
        });
    });
    return x;
}

// .**=: x[i] raised to y[i], both contiguous.
template <MutableRealCollection A, RealCollection B>
requires SameElement<A, B> NUMERICS_ONE_BODY A& powAssign(A& x, const B& y) {
    withUnsafeMutableMemory(x, [&](auto vx) { withUnsafeMemory(y, [&](auto vy) { detail::powInto(vx, vy); }); });
    return x;
}

// **=: against count(x) copies of e (the collection form's
// checks: contiguous, 32-bit count).
template <MutableRealCollection C>
NUMERICS_ONE_BODY C& powAssign(C& x, ElementOf<C> e) {
    withUnsafeMutableMemory(x, [&](UnsafeMutableMemory<ElementOf<C>> v) {
        detail::requireUnitStride(v.stride);
        const int n = detail::mathCount(v.count);
        detail::againstRepeated(e, n, [&](const auto* exponents, int at, int length) {
            vmath::pow(v.pointer + at, v.pointer + at, exponents, length);
        });
    });
    return x;
}

// ---------------------------------------------------------------------------
// Operators returning a new array

template <RealCollection C>
std::vector<ElementOf<C>> operator+(const C& x, ElementOf<C> s) {
    return add(x, s);
}
template <RealCollection C>
std::vector<ElementOf<C>> operator-(const C& x, ElementOf<C> s) {
    return sub(x, s);
}
template <RealCollection C>
std::vector<ElementOf<C>> operator*(const C& x, ElementOf<C> s) {
    return mul(x, s);
}
template <RealCollection C>
std::vector<ElementOf<C>> operator*(ElementOf<C> s, const C& x) {
    return mul(s, x);
}
template <RealCollection C>
std::vector<ElementOf<C>> operator/(const C& x, ElementOf<C> s) {
    return div(x, s);
}
template <RealCollection C>
std::vector<ElementOf<C>> operator%(const C& x, ElementOf<C> s) {
    return mod(x, s);
}

template <class A, class B>
requires SameElement<A, B> std::vector<ElementOf<A>>
operator+(const A& x, const B& y) { return add(x, y); }
template <class A, class B>
requires SameElement<A, B> std::vector<ElementOf<A>>
operator-(const A& x, const B& y) { return sub(x, y); }
template <class A, class B>
requires SameElement<A, B> std::vector<ElementOf<A>>
operator*(const A& x, const B& y) { return elmul(x, y); }
template <class A, class B>
requires SameElement<A, B> std::vector<ElementOf<A>>
operator/(const A& x, const B& y) { return div(x, y); }
template <class A, class B>
requires SameElement<A, B> std::vector<ElementOf<A>>
operator%(const A& x, const B& y) { return mod(x, y); }

} // namespace numerics
