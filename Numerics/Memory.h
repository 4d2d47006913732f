#pragma once
// Memory access layer and call frame.
//
// A collection of float or double lends its storage as a strided view:
// UnsafeMemory (read) or UnsafeMutableMemory (write), each a small value of
// pointer, stride (in elements) and count. Every public function of the
// library opens views through the drivers below and hands the views'
// pointers, strides and counts to the kernels and platform routines
// (Kernels.h, CBLAS, LAPACK, FFTW).
//
// Conformances (MemoryAccess<C>):
//   std::vector<T>     read and write; pointer = data(), stride 1, count = size()
//   std::span<T>       read, and write when T is not const
//   std::span<const T> read only
//   UnsafeMemory<T>    read: the view itself (any stride)
//   UnsafeMutableMemory<T> read and write: the view itself (any stride)
// The two view conformances let a caller (and the tests) hand a strided run
// of storage to any function, so the stride pass-through and the stride
// preconditions are reachable.
//
// A std::vector is a value that never shares storage, so a write view of one
// array can never be seen through another array ("shared storage is never
// written through" holds by construction). A std::span is a reference to
// storage it does not own: writing through it writes that storage, as a span
// always does in C++.

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>
#include <span>
#include <type_traits>
#include <utility>
#include <vector>

#include "Numerics/Kernels.h"
#include "platform/FatalError.h"

// The public functions of the library are thin: open views, check limits,
// call one routine. Each is compiled as one body, every step it takes inlined
// up to the routines of other translation units: left to itself the compiler
// keeps some steps out of line, hands the three-word views and the fresh
// arrays' bookkeeping through the stack and stalls reading them back, which
// costs a fifth of a call at 64 elements.
#define NUMERICS_ONE_BODY [[gnu::flatten]]

// The dot product and scaling in place are called at a few dozen elements,
// where the routine itself takes 5 to 20 ns and each instruction around it
// adds about a percent: their common case (the checks, then the routine) is
// inlined into the caller, so that the library adds no call of its own; every
// other case is one out-of-line body.
#define NUMERICS_INLINE_FRONT [[gnu::always_inline, gnu::flatten]] inline
#define NUMERICS_OUT_OF_LINE [[gnu::noinline, gnu::flatten]]

namespace numerics {

// The two element types of the library. Every public function is one template
// constrained on Real; its instances for float and double are the twins.
template <class T>
concept Real = std::same_as<T, float> || std::same_as<T, double>;

// ---------------------------------------------------------------------------
// Program stops and limits

namespace detail {

// A violated precondition of a library call: stops the program, naming the
// function whose precondition failed and the line that found it. The call
// site comes from the compiler's builtins rather than std::source_location,
// which clang cannot build against this standard library.
[[noreturn]] void stop(const char* function = __builtin_FUNCTION(), const char* file = __builtin_FILE(),
                       int line = __builtin_LINE());

inline void require(bool condition, const char* function = __builtin_FUNCTION(), const char* file = __builtin_FILE(),
                    int line = __builtin_LINE()) {
    if (!condition) [[unlikely]]
        stop(function, file, line);
}

inline int64_t checkedMul(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_mul_overflow(a, b, &r)) stop();
    return r;
}

inline int64_t checkedAdd(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_add_overflow(a, b, &r)) stop();
    return r;
}

inline int64_t checkedSub(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_sub_overflow(a, b, &r)) stop();
    return r;
}

inline constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();
inline constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();

inline bool fitsInt32(int64_t v) { return v >= kInt32Min && v <= kInt32Max; }

// Element-wise math kernels: the element count is passed as a 32-bit integer.
inline int mathCount(int64_t count) {
    require(count <= kInt32Max);
    return static_cast<int>(count);
}

// Strided vector kernels: the length is unsigned; a negative count stops the
// program.
inline std::size_t vectorLength(int64_t count) {
    require(count >= 0);
    return static_cast<std::size_t>(count);
}

// CBLAS: lengths and strides are 32-bit integers.
inline int cblasInt(int64_t v) {
    require(fitsInt32(v));
    return static_cast<int>(v);
}

// Element-wise math kernels handed a view's pointer directly need stride 1.
inline void requireUnitStride(int64_t stride) { require(stride == 1); }

} // namespace detail

// ---------------------------------------------------------------------------
// Views and their iterators

template <class View>
struct UnsafeMemoryIterator;

// Read-only iterator over a view for C++ range-for and algorithms.
template <class Pointer>
class StridedIterator {
public:
    using value_type = std::remove_cv_t<std::remove_pointer_t<Pointer>>;
    using reference = std::remove_pointer_t<Pointer>&;
    using difference_type = std::ptrdiff_t;
    using iterator_category = std::random_access_iterator_tag;

    StridedIterator() = default;
    StridedIterator(Pointer base, int64_t stride, int64_t index) : base_(base), stride_(stride), index_(index) {}

    reference operator*() const { return base_[index_ * stride_]; }
    reference operator[](difference_type n) const { return base_[(index_ + n) * stride_]; }
    StridedIterator& operator++() {
        ++index_;
        return *this;
    }
    StridedIterator operator++(int) {
        auto t = *this;
        ++index_;
        return t;
    }
    StridedIterator& operator--() {
        --index_;
        return *this;
    }
    StridedIterator operator--(int) {
        auto t = *this;
        --index_;
        return t;
    }
    StridedIterator& operator+=(difference_type n) {
        index_ += n;
        return *this;
    }
    StridedIterator& operator-=(difference_type n) {
        index_ -= n;
        return *this;
    }
    friend StridedIterator operator+(StridedIterator a, difference_type n) { return a += n; }
    friend StridedIterator operator+(difference_type n, StridedIterator a) { return a += n; }
    friend StridedIterator operator-(StridedIterator a, difference_type n) { return a -= n; }
    friend difference_type operator-(const StridedIterator& a, const StridedIterator& b) { return a.index_ - b.index_; }
    friend bool operator==(const StridedIterator& a, const StridedIterator& b) { return a.index_ == b.index_; }
    friend auto operator<=>(const StridedIterator& a, const StridedIterator& b) { return a.index_ <=> b.index_; }

private:
    Pointer base_ = nullptr;
    int64_t stride_ = 1;
    int64_t index_ = 0;
};

// A strided, read-only run of elements: element i at pointer + i * stride.
template <class Element>
struct UnsafeMemory {
    using element_type = Element;
    using value_type = Element;

    const Element* pointer = nullptr;
    int64_t stride = 1;
    int64_t count = 0;

    constexpr UnsafeMemory() = default;
    constexpr UnsafeMemory(const Element* pointer_, int64_t stride_, int64_t count_)
        : pointer(pointer_),
          stride(stride_),
          count(count_) {}

    UnsafeMemoryIterator<UnsafeMemory> makeIterator() const { return UnsafeMemoryIterator<UnsafeMemory>(*this); }

    // C++ iteration (same elements, same order as makeIterator()).
    StridedIterator<const Element*> begin() const { return {pointer, stride, 0}; }
    StridedIterator<const Element*> end() const { return {pointer, stride, count}; }
    const Element& operator[](int64_t i) const { return pointer[i * stride]; }
};

// A strided run of elements that may be overwritten in place.
template <class Element>
struct UnsafeMutableMemory {
    using element_type = Element;
    using value_type = Element;

    Element* pointer = nullptr;
    int64_t stride = 1;
    int64_t count = 0;

    constexpr UnsafeMutableMemory() = default;
    constexpr UnsafeMutableMemory(Element* pointer_, int64_t stride_, int64_t count_)
        : pointer(pointer_),
          stride(stride_),
          count(count_) {}

    UnsafeMemoryIterator<UnsafeMutableMemory> makeIterator() const {
        return UnsafeMemoryIterator<UnsafeMutableMemory>(*this);
    }

    // The read view of the same run.
    constexpr operator UnsafeMemory<Element>() const { return {pointer, stride, count}; }

    StridedIterator<Element*> begin() const { return {pointer, stride, 0}; }
    StridedIterator<Element*> end() const { return {pointer, stride, count}; }
    Element& operator[](int64_t i) const { return pointer[i * stride]; }
};

// The iterator of both views: `next()` returns the next element or nothing;
// once it has returned nothing it keeps returning nothing. A copy continues
// independently from the same position.
template <class View>
struct UnsafeMemoryIterator {
    using Element = typename View::element_type;

    View base;
    std::optional<int64_t> index;

    explicit UnsafeMemoryIterator(View base_) : base(base_) {}

    std::optional<Element> next() {
        int64_t candidate = index ? detail::checkedAdd(*index, 1) : 0;
        if (candidate < base.count) {
            index = candidate;
            return base.pointer[detail::checkedMul(candidate, base.stride)];
        }
        return std::nullopt;
    }
};

// The same iterator over a write view, under its own name.
template <class Element>
using UnsafeMutableMemoryIterator = UnsafeMemoryIterator<UnsafeMutableMemory<Element>>;

// ---------------------------------------------------------------------------
// Access interfaces: MemoryAccess<C> is specialised for every conforming type.
//   using Element;
//   static constexpr bool isMutable;
//   static R withUnsafeMemory(const C&, F body)            // body(UnsafeMemory<Element>)
//   static R withUnsafeMutableMemory(C&, F body)           // body(UnsafeMutableMemory<Element>)

template <class C>
struct MemoryAccess; // no conformance by default

namespace detail {

// Calls body(view), then check(); returns the body's result. A failure thrown
// by the body passes through unchanged and skips the check.
template <class F, class V, class Check>
decltype(auto) callThenCheck(F&& body, V view, Check check) {
    using R = std::invoke_result_t<F, V>;
    if constexpr (std::is_void_v<R>) {
        std::forward<F>(body)(view);
        check();
    } else {
        R result = std::forward<F>(body)(view);
        check();
        return result;
    }
}

} // namespace detail

template <class T, class Alloc>
struct MemoryAccess<std::vector<T, Alloc>> {
    using Element = T;
    static constexpr bool isMutable = true;

    template <class F>
    static decltype(auto) withUnsafeMemory(const std::vector<T, Alloc>& array, F&& body) {
        const T* p = array.data();
        if (p == nullptr && !array.empty()) [[unlikely]]
            platform::fatalError("Fatal error: Array is missing its pointer");
        return std::forward<F>(body)(UnsafeMemory<T>(p, 1, static_cast<int64_t>(array.size())));
    }

    template <class F>
    static decltype(auto) withUnsafeMutableMemory(std::vector<T, Alloc>& array, F&& body) {
        T* p = array.data();
        if (p == nullptr && !array.empty()) [[unlikely]]
            platform::fatalError("Fatal error: Array is missing its pointer");
        const auto n = static_cast<int64_t>(array.size());
        return detail::callThenCheck(std::forward<F>(body), UnsafeMutableMemory<T>(p, 1, n), [&] {
            // The action may overwrite elements but must leave the storage in place.
            detail::require(array.data() == p && static_cast<int64_t>(array.size()) == n);
        });
    }
};

template <class T, std::size_t Extent>
struct MemoryAccess<std::span<T, Extent>> {
    using Element = std::remove_const_t<T>;
    static constexpr bool isMutable = !std::is_const_v<T>;

    template <class F>
    static decltype(auto) withUnsafeMemory(const std::span<T, Extent>& slice, F&& body) {
        const Element* p = slice.data();
        if (p == nullptr && !slice.empty()) [[unlikely]]
            platform::fatalError("Fatal error: ArraySlice is missing its pointer");
        return std::forward<F>(body)(UnsafeMemory<Element>(p, 1, static_cast<int64_t>(slice.size())));
    }

    template <class F>
    requires(!std::is_const_v<T>) static decltype(auto)
        withUnsafeMutableMemory(const std::span<T, Extent>& slice, F&& body) {
        T* p = slice.data();
        if (p == nullptr && !slice.empty()) [[unlikely]]
            platform::fatalError("Fatal error: ArraySlice is missing its pointer");
        return std::forward<F>(body)(UnsafeMutableMemory<T>(p, 1, static_cast<int64_t>(slice.size())));
    }
};

template <class T>
struct MemoryAccess<UnsafeMemory<T>> {
    using Element = T;
    static constexpr bool isMutable = false;

    template <class F>
    static decltype(auto) withUnsafeMemory(const UnsafeMemory<T>& view, F&& body) {
        return std::forward<F>(body)(view);
    }
};

template <class T>
struct MemoryAccess<UnsafeMutableMemory<T>> {
    using Element = T;
    static constexpr bool isMutable = true;

    template <class F>
    static decltype(auto) withUnsafeMemory(const UnsafeMutableMemory<T>& view, F&& body) {
        return std::forward<F>(body)(UnsafeMemory<T>(view));
    }

    template <class F>
    static decltype(auto) withUnsafeMutableMemory(const UnsafeMutableMemory<T>& view, F&& body) {
        return std::forward<F>(body)(view);
    }
};

// UnsafeMemoryAccessible: the collection lends a read view.
template <class C>
concept UnsafeMemoryAccessible = requires {
    typename MemoryAccess<std::remove_cvref_t<C>>::Element;
};

template <UnsafeMemoryAccessible C>
using ElementOf = typename MemoryAccess<std::remove_cvref_t<C>>::Element;

// UnsafeMutableMemoryAccessible: the collection also lends a write view.
template <class C>
concept UnsafeMutableMemoryAccessible = UnsafeMemoryAccessible<C> && MemoryAccess<std::remove_cvref_t<C>>::isMutable;

// A conforming collection of float or double.
template <class C>
concept RealCollection = UnsafeMemoryAccessible<C> && Real<ElementOf<C>>;

template <class C>
concept MutableRealCollection = UnsafeMutableMemoryAccessible<C> && Real<ElementOf<C>>;

// Two collections of the same element type (the twins never mix precisions).
template <class A, class B>
concept SameElement = RealCollection<A> && RealCollection<B> && std::same_as<ElementOf<A>, ElementOf<B>>;

// ---------------------------------------------------------------------------
// Free driver functions

// Opens the read view of one, two or three collections (nested in argument
// order) and calls the body with the views; returns the body's result.
template <UnsafeMemoryAccessible A, class F>
decltype(auto) withUnsafeMemory(const A& a, F&& body) {
    return MemoryAccess<std::remove_cvref_t<A>>::withUnsafeMemory(a, std::forward<F>(body));
}

template <UnsafeMemoryAccessible A, UnsafeMemoryAccessible B, class F>
decltype(auto) withUnsafeMemory(const A& a, const B& b, F&& body) {
    return withUnsafeMemory(a, [&](auto va) -> decltype(auto) {
        return withUnsafeMemory(b, [&](auto vb) -> decltype(auto) { return std::forward<F>(body)(va, vb); });
    });
}

template <UnsafeMemoryAccessible A, UnsafeMemoryAccessible B, UnsafeMemoryAccessible C, class F>
decltype(auto) withUnsafeMemory(const A& a, const B& b, const C& c, F&& body) {
    return withUnsafeMemory(a, [&](auto va) -> decltype(auto) {
        return withUnsafeMemory(b, [&](auto vb) -> decltype(auto) {
            return withUnsafeMemory(c, [&](auto vc) -> decltype(auto) { return std::forward<F>(body)(va, vb, vc); });
        });
    });
}

// The same with write views over collections passed for modification.
template <UnsafeMutableMemoryAccessible A, class F>
decltype(auto) withUnsafeMutableMemory(A& a, F&& body) {
    return MemoryAccess<std::remove_cvref_t<A>>::withUnsafeMutableMemory(a, std::forward<F>(body));
}

template <UnsafeMutableMemoryAccessible A, UnsafeMutableMemoryAccessible B, class F>
decltype(auto) withUnsafeMutableMemory(A& a, B& b, F&& body) {
    return withUnsafeMutableMemory(a, [&](auto va) -> decltype(auto) {
        return withUnsafeMutableMemory(b, [&](auto vb) -> decltype(auto) { return std::forward<F>(body)(va, vb); });
    });
}

template <UnsafeMutableMemoryAccessible A, UnsafeMutableMemoryAccessible B, UnsafeMutableMemoryAccessible C, class F>
decltype(auto) withUnsafeMutableMemory(A& a, B& b, C& c, F&& body) {
    return withUnsafeMutableMemory(a, [&](auto va) -> decltype(auto) {
        return withUnsafeMutableMemory(b, [&](auto vb) -> decltype(auto) {
            return withUnsafeMutableMemory(
                c, [&](auto vc) -> decltype(auto) { return std::forward<F>(body)(va, vb, vc); });
        });
    });
}

// Pointers to two or three single values, nested in argument order.
template <class A, class B, class F>
decltype(auto) withUnsafePointers(A& a, B& b, F&& body) {
    return std::forward<F>(body)(static_cast<const A*>(&a), static_cast<const B*>(&b));
}

template <class A, class B, class C, class F>
decltype(auto) withUnsafePointers(A& a, B& b, C& c, F&& body) {
    return std::forward<F>(body)(static_cast<const A*>(&a), static_cast<const B*>(&b), static_cast<const C*>(&c));
}

template <class A, class B, class F>
decltype(auto) withUnsafeMutablePointers(A& a, B& b, F&& body) {
    return std::forward<F>(body)(&a, &b);
}

template <class A, class B, class C, class F>
decltype(auto) withUnsafeMutablePointers(A& a, B& b, C& c, F&& body) {
    return std::forward<F>(body)(&a, &b, &c);
}

// ---------------------------------------------------------------------------
// Call-frame helpers

namespace detail {

// Copying shape, step 1: the input's elements, in its iteration order, in a
// fresh array that shares storage with nothing. A strided view is gathered by
// the strided copy kernel into the array made at its full size.
template <RealCollection C>
std::vector<ElementOf<C>> copyToArray(const C& x) {
    return withUnsafeMemory(x, [](UnsafeMemory<ElementOf<C>> v) {
        require(v.count >= 0);
        if (v.stride == 1) return std::vector<ElementOf<C>>(v.pointer, v.pointer + v.count);
        std::vector<ElementOf<C>> r(static_cast<std::size_t>(v.count));
        vec::copy(v.pointer, v.stride, r.data(), 1, static_cast<VectorLength>(v.count));
        return r;
    });
}

// Copying shape over a strided vector kernel: the fresh array receives
// routine(view -> fresh array, stride 1).
// The result is that of copying the elements and running the routine in
// place; the routine reads the view directly, which saves the copy pass.
// routine(const T* source, stride, T* destination, VectorLength length).
template <RealCollection C, class Routine>
std::vector<ElementOf<C>> mapStrided(const C& x, Routine routine) {
    return withUnsafeMemory(x, [&](UnsafeMemory<ElementOf<C>> v) {
        const auto n = vectorLength(v.count);
        std::vector<ElementOf<C>> r(n);
        routine(v.pointer, v.stride, r.data(), n);
        return r;
    });
}

// Copying shape over an element-wise math kernel (bare pointers, 32-bit
// count): a contiguous view is read directly into the fresh array; a strided
// one is first copied in its iteration order and transformed in place.
// routine(T* destination, const T* source, int count).
template <RealCollection C, class Routine>
std::vector<ElementOf<C>> mapContiguous(const C& x, Routine routine) {
    return withUnsafeMemory(x, [&](UnsafeMemory<ElementOf<C>> v) {
        if (v.stride != 1) {
            auto r = copyToArray(v);
            const int n = mathCount(static_cast<int64_t>(r.size()));
            routine(r.data(), r.data(), n);
            return r;
        }
        require(v.count >= 0);
        const int n = mathCount(v.count);
        std::vector<ElementOf<C>> r(static_cast<std::size_t>(n));
        routine(r.data(), v.pointer, n);
        return r;
    });
}

template <UnsafeMemoryAccessible C>
int64_t countOf(const C& x) {
    return withUnsafeMemory(x, [](auto v) { return v.count; });
}

// The address that BLAS expects for a vector whose element i lives at
// pointer + i * stride: for a negative increment BLAS starts at the lowest
// address, which is pointer + (count - 1) * stride.
template <class P>
P blasBase(P pointer, int64_t stride, int64_t count) {
    if (stride < 0 && count > 0) return pointer + (count - 1) * stride;
    return pointer;
}

} // namespace detail

} // namespace numerics
