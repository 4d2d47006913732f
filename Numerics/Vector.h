#pragma once
// The Vector type and its operations.
//
// Operator spellings (C++ has no dotted operators): + - * / with a vector and
// a scalar, scalar * vector and matrix/vector products are C++'s own;
// .* and ./ are * and / with a vector on both sides, .*= and ./= are *= and
// /= with a vector operand, and • is dot(v, w).

#include <cmath>
#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <ranges>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "Numerics/Arithmetic.h"
#include "Numerics/ElementwiseFunctions.h"
#include "Numerics/Kernels.h"
#include "Numerics/Matrix.h"
#include "Numerics/Platform.h"
#include "Numerics/Random.h"
#include "platform/NumberText.h"

namespace numerics {

template <std::floating_point T>
class Vector {
public:
    using Scalar = T;

    Vector() = default;

    // dimensions copies of the value.
    Vector(int64_t dimensions, T repeatedValue) {
        detail::require(dimensions >= 0);
        scalars_.assign(static_cast<std::size_t>(dimensions), repeatedValue);
        dimensions_ = dimensions;
    }

    // The array as given.
    explicit Vector(std::vector<T> scalars)
        : dimensions_(static_cast<int64_t>(scalars.size())),
          scalars_(std::move(scalars)) {}

    // The literal form.
    Vector(std::initializer_list<T> scalars) : Vector(std::vector<T>(scalars)) {}

    // Any sequence of scalars, in order.
    template <std::ranges::input_range R>
    requires std::convertible_to<std::ranges::range_value_t<R>, T> &&
        (!std::same_as<std::remove_cvref_t<R>, std::vector<T>>)explicit Vector(const R& sequence) {
        for (const auto& v : sequence) scalars_.push_back(static_cast<T>(v));
        dimensions_ = static_cast<int64_t>(scalars_.size());
    }

    // Component i = generator(i), in order; a failure of the generator passes
    // through and no vector results.
    template <class Generator>
    requires std::invocable<Generator&, int64_t> Vector(int64_t dimensions, Generator generator) {
        detail::require(dimensions >= 0);
        scalars_.reserve(static_cast<std::size_t>(dimensions));
        for (int64_t i = 0; i < dimensions; ++i) scalars_.push_back(static_cast<T>(generator(i)));
        dimensions_ = dimensions;
    }

    template <RandomNumberGenerator G>
    requires Real<T>
    static Vector random(int64_t count, ClosedRange<T> range, G& generator) {
        return Vector(numerics::random(count, range, generator));
    }
    static Vector random(int64_t count, ClosedRange<T> range) requires Real<T> {
        return Vector(numerics::random(count, range));
    }
    template <RandomNumberGenerator G>
    requires Real<T>
    static Vector randomNormal(int64_t count, T mean, T stdDeviation, G& generator) {
        return Vector(numerics::randomNormal(count, mean, stdDeviation, generator));
    }
    static Vector randomNormal(int64_t count, T mean, T stdDeviation) requires Real<T> {
        return Vector(numerics::randomNormal(count, mean, stdDeviation));
    }

    int64_t dimensions() const { return dimensions_; }
    const std::vector<T>& scalars() const { return scalars_; }

    // Assigning the whole array: it must keep the vector's dimensions.
    void setScalars(std::vector<T> scalars) {
        scalars_ = std::move(scalars);
        checkInvariant();
    }

    // Changing the array in place; the invariant is checked afterwards.
    template <class F>
    void modifyScalars(F&& change) {
        std::forward<F>(change)(scalars_);
        checkInvariant();
    }

    const T& operator[](int64_t i) const {
        detail::require(i >= 0 && i < dimensions_);
        return scalars_[static_cast<std::size_t>(i)];
    }
    T& operator[](int64_t i) {
        detail::require(i >= 0 && i < dimensions_);
        return scalars_[static_cast<std::size_t>(i)];
    }

    // The texts of the scalars joined by TAB; no brackets, no line end.
    std::string description() const {
        std::string text;
        for (std::size_t i = 0; i < scalars_.size(); ++i) {
            if (i > 0) text += '\t';
            text += platform::shortestDecimalText(scalars_[i]);
        }
        return text;
    }

    auto begin() const { return scalars_.begin(); }
    auto end() const { return scalars_.end(); }

    friend bool operator==(const Vector& a, const Vector& b) { return a.scalars_ == b.scalars_; }

private:
    void checkInvariant() const { detail::require(static_cast<int64_t>(scalars_.size()) == dimensions_); }

    int64_t dimensions_ = 0;
    std::vector<T> scalars_;
};

template <class T>
Vector(std::vector<T>) -> Vector<T>;

namespace detail {

template <Real T>
void requireSameDimensions(const Vector<T>& v, const Vector<T>& w) {
    require(v.dimensions() == w.dimensions() && v.scalars().size() == w.scalars().size());
}

// v + alpha * w by cblas_?axpy on a copy of v.
template <Real T>
Vector<T> axpyVector(const Vector<T>& v, const Vector<T>& w, T alpha) {
    requireSameDimensions(v, w);
    const int n = cblasInt(static_cast<int64_t>(v.scalars().size()));
    std::vector<T> r = v.scalars();
    blas::axpy(n, alpha, w.scalars().data(), 1, r.data(), 1);
    return Vector<T>(std::move(r));
}

// routine(source -> fresh array): the result of copying and running the
// routine in place, without the copy pass.
template <Real T, class Routine>
Vector<T> scalarVector(const Vector<T>& v, T s, Routine routine) {
    const auto n = vectorLength(static_cast<int64_t>(v.scalars().size()));
    std::vector<T> r(n);
    routine(v.scalars().data(), 1, &s, r.data(), 1, n);
    return Vector<T>(std::move(r));
}

template <Real T, class Routine>
void scalarInPlace(Vector<T>& v, T s, Routine routine) {
    v.modifyScalars([&](std::vector<T>& r) {
        routine(r.data(), 1, &s, r.data(), 1, vectorLength(static_cast<int64_t>(r.size())));
    });
}

} // namespace detail

// ---- sums and differences ----

template <Real T>
NUMERICS_ONE_BODY Vector<T> add(const Vector<T>& v, const Vector<T>& w) {
    return detail::axpyVector(v, w, T(1));
}
template <Real T>
NUMERICS_ONE_BODY Vector<T> sub(const Vector<T>& v, const Vector<T>& w) {
    return detail::axpyVector(v, w, T(-1));
}
// v + s * w.
template <Real T>
NUMERICS_ONE_BODY Vector<T> muladd(const Vector<T>& v, const Vector<T>& w, std::type_identity_t<T> s) {
    return detail::axpyVector(v, w, s);
}

template <Real T>
NUMERICS_INLINE_FRONT Vector<T>& operator+=(Vector<T>& v, const Vector<T>& w) {
    detail::requireSameDimensions(v, w);
    const int n = detail::cblasInt(v.dimensions());
    v.modifyScalars([&](std::vector<T>& r) { blas::axpy(n, T(1), w.scalars().data(), 1, r.data(), 1); });
    return v;
}

template <Real T>
NUMERICS_INLINE_FRONT Vector<T>& operator-=(Vector<T>& v, const Vector<T>& w) {
    detail::requireSameDimensions(v, w);
    const int n = detail::cblasInt(v.dimensions());
    v.modifyScalars([&](std::vector<T>& r) { blas::axpy(n, T(-1), w.scalars().data(), 1, r.data(), 1); });
    return v;
}

template <Real T>
NUMERICS_ONE_BODY Vector<T> add(const Vector<T>& v, std::type_identity_t<T> s) {
    return detail::scalarVector(v, s, [](auto... a) { vec::addScalar(a...); });
}
template <Real T>
NUMERICS_ONE_BODY Vector<T> sub(const Vector<T>& v, std::type_identity_t<T> s) {
    return detail::scalarVector(v, -s, [](auto... a) { vec::addScalar(a...); });
}
template <Real T>
NUMERICS_ONE_BODY Vector<T> mul(const Vector<T>& v, std::type_identity_t<T> s) {
    return detail::scalarVector(v, s, [](auto... a) { vec::multiplyScalar(a...); });
}
template <Real T>
NUMERICS_ONE_BODY Vector<T> div(const Vector<T>& v, std::type_identity_t<T> s) {
    return detail::scalarVector(v, s, [](auto... a) { vec::divideScalar(a...); });
}

template <Real T>
NUMERICS_ONE_BODY Vector<T>& operator+=(Vector<T>& v, std::type_identity_t<T> s) {
    detail::scalarInPlace(v, s, [](auto... a) { vec::addScalar(a...); });
    return v;
}
template <Real T>
NUMERICS_ONE_BODY Vector<T>& operator-=(Vector<T>& v, std::type_identity_t<T> s) {
    detail::scalarInPlace(v, -s, [](auto... a) { vec::addScalar(a...); });
    return v;
}
template <Real T>
NUMERICS_INLINE_FRONT Vector<T>& operator*=(Vector<T>& v, std::type_identity_t<T> s) {
    // The array form's scaling (Arithmetic.h), in line like it.
    v.modifyScalars([&](std::vector<T>& r) { r *= s; });
    return v;
}
template <Real T>
NUMERICS_ONE_BODY Vector<T>& operator/=(Vector<T>& v, std::type_identity_t<T> s) {
    detail::scalarInPlace(v, s, [](auto... a) { vec::divideScalar(a...); });
    return v;
}

// Scalar first: the products s * v[i], the same values as v * s, made in one
// pass.
template <Real T>
NUMERICS_ONE_BODY Vector<T> mul(std::type_identity_t<T> s, const Vector<T>& v) {
    return mul(v, s);
}

// ---- element-wise product and quotient, dot product ----

template <Real T>
NUMERICS_ONE_BODY Vector<T> elmul(const Vector<T>& v, const Vector<T>& w) {
    detail::requireSameDimensions(v, w);
    return Vector<T>(numerics::elmul(v.scalars(), w.scalars()));
}

template <Real T>
NUMERICS_ONE_BODY Vector<T> eldiv(const Vector<T>& v, const Vector<T>& w) {
    detail::requireSameDimensions(v, w);
    return Vector<T>(numerics::div(v.scalars(), w.scalars())); // v[i] / w[i], w the divisor
}

template <Real T>
NUMERICS_ONE_BODY Vector<T>& operator*=(Vector<T>& v, const Vector<T>& w) {
    detail::requireSameDimensions(v, w);
    v.modifyScalars([&](std::vector<T>& r) {
        vec::multiply(r.data(), 1, w.scalars().data(), 1, r.data(), 1,
                      detail::vectorLength(static_cast<int64_t>(r.size())));
    });
    return v;
}

template <Real T>
NUMERICS_ONE_BODY Vector<T>& operator/=(Vector<T>& v, const Vector<T>& w) {
    detail::requireSameDimensions(v, w);
    v.modifyScalars([&](std::vector<T>& r) {
        vec::divide(r.data(), 1, w.scalars().data(), 1, r.data(), 1,
                    detail::vectorLength(static_cast<int64_t>(r.size())));
    });
    return v;
}

// The array form's dot product (Arithmetic.h), in line like it. A vector's
// dimensions are the count of its scalars (checked whenever they change), so
// the BLAS dot takes its count from them: one load, where the arrays' counts
// come from two pointers apart. The arrays' road takes the rest.
template <Real T>
NUMERICS_INLINE_FRONT T dot(const Vector<T>& v, const Vector<T>& w) {
    const int64_t n = v.dimensions();
    constexpr auto kFrom = uint64_t(detail::kBlasDotFromCount);
    if (n == w.dimensions() && static_cast<uint64_t>(n) - kFrom <= uint64_t(detail::kInt32Max) - kFrom) [[likely]]
        return blas::dot(static_cast<int>(n), v.scalars().data(), 1, w.scalars().data(), 1);
    return detail::dotOfCollections(v.scalars(), w.scalars());
}

// ---- power, exponential, distance ----

template <Real T>
NUMERICS_ONE_BODY Vector<T> pow(const Vector<T>& v, std::type_identity_t<T> exponent) {
    // The array power of Arithmetic.h (count limit 2^31 - 1).
    return Vector<T>(numerics::pow(v.scalars(), exponent));
}

template <Real T>
NUMERICS_ONE_BODY Vector<T> exp(const Vector<T>& v) {
    return Vector<T>(numerics::exp(v.scalars()));
}

template <Real T>
NUMERICS_ONE_BODY T distSq(const Vector<T>& v, const Vector<T>& w) {
    // v - w by axpy on a copy of v, squared in place, summed.
    detail::requireSameDimensions(v, w);
    std::vector<T> d = v.scalars();
    const int count = detail::cblasInt(static_cast<int64_t>(d.size()));
    blas::axpy(count, T(-1), w.scalars().data(), 1, d.data(), 1);
    const auto n = detail::vectorLength(static_cast<int64_t>(d.size()));
    vec::square(d.data(), 1, d.data(), 1, n);
    T result = 0;
    vec::sum(d.data(), 1, &result, n);
    return result;
}

template <Real T>
T dist(const Vector<T>& v, const Vector<T>& w) {
    return std::sqrt(distSq(v, w));
}

// ---- products with a matrix ----

// M (rows x columns) times v (columns): cblas_?gemv, row-major, no transpose.
template <Real T>
NUMERICS_ONE_BODY Vector<T> mul(const Matrix<T>& m, const Vector<T>& v) {
    detail::require(m.columns() == v.dimensions());
    const int rows = detail::cblasInt(m.rows());
    const int columns = detail::cblasInt(m.columns());
    std::vector<T> r(static_cast<std::size_t>(m.rows()), T(0));
    if (rows == 0 || columns == 0) return Vector<T>(std::move(r));
    blas::gemv(BlasTranspose::none, rows, columns, T(1), m.grid().data(), columns, v.scalars().data(), 1, T(0),
               r.data(), 1);
    return Vector<T>(std::move(r));
}

// The row vector v (rows) times M: gemv with M transposed.
template <Real T>
NUMERICS_ONE_BODY Vector<T> mul(const Vector<T>& v, const Matrix<T>& m) {
    detail::require(v.dimensions() == m.rows());
    const int rows = detail::cblasInt(m.rows());
    const int columns = detail::cblasInt(m.columns());
    std::vector<T> r(static_cast<std::size_t>(m.columns()), T(0));
    if (rows == 0 || columns == 0) return Vector<T>(std::move(r));
    blas::gemv(BlasTranspose::transpose, rows, columns, T(1), m.grid().data(), columns, v.scalars().data(), 1, T(0),
               r.data(), 1);
    return Vector<T>(std::move(r));
}

// ---- operators ----

template <Real T>
Vector<T> operator+(const Vector<T>& v, const Vector<T>& w) {
    return add(v, w);
}
template <Real T>
Vector<T> operator-(const Vector<T>& v, const Vector<T>& w) {
    return sub(v, w);
}
template <Real T>
Vector<T> operator+(const Vector<T>& v, std::type_identity_t<T> s) {
    return add(v, s);
}
template <Real T>
Vector<T> operator-(const Vector<T>& v, std::type_identity_t<T> s) {
    return sub(v, s);
}
template <Real T>
Vector<T> operator*(const Vector<T>& v, std::type_identity_t<T> s) {
    return mul(v, s);
}
template <Real T>
Vector<T> operator/(const Vector<T>& v, std::type_identity_t<T> s) {
    return div(v, s);
}
template <Real T>
Vector<T> operator*(std::type_identity_t<T> s, const Vector<T>& v) {
    return mul(s, v);
}
template <Real T>
Vector<T> operator*(const Vector<T>& v, const Vector<T>& w) {
    return elmul(v, w);
} // .*
template <Real T>
Vector<T> operator/(const Vector<T>& v, const Vector<T>& w) {
    return eldiv(v, w);
} // ./
template <Real T>
Vector<T> operator*(const Matrix<T>& m, const Vector<T>& v) {
    return mul(m, v);
}
template <Real T>
Vector<T> operator*(const Vector<T>& v, const Matrix<T>& m) {
    return mul(v, m);
}

} // namespace numerics
