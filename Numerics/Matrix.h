#pragma once
// The Matrix type: a rows x columns rectangle of scalars stored row by row in
// one contiguous array (element (r, c) at r * columns + c).
//
// Generic over any floating-point scalar; the random constructors (and the
// matrix arithmetic of MatrixOperations.h) exist for float and double.
//
// Spellings: the element subscript is m(r, c); the row and column subscripts
// are row(r) / setRow(r, values) and column(c) / setColumn(c, values); the
// collection of rows is begin()/end() (each element a read-only span of
// `columns` scalars) and rowView(i). The accessors check their limits
// fully (row and column indices, the lengths given to the row and column
// writers), so the grid invariant always holds.

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <ranges>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "Numerics/Memory.h"
#include "Numerics/Random.h"
#include "platform/NumberText.h"

namespace numerics {

// Matrix<T>::Shape.
enum class MatrixShape { wide, tall, square };

// Direction of sum(m, axies) ("axies" is the public spelling; callers use it).
enum class MatrixAxies { row, column };

template <std::floating_point T>
class Matrix {
public:
    using Shape = MatrixShape;
    using Scalar = T;

    // ---- constructors ----

    // An empty 0 x 0 matrix.
    Matrix() = default;

    // Every element = repeatedValue.
    Matrix(int64_t rows, int64_t columns, T repeatedValue) : rows_(rows), columns_(columns) {
        const int64_t n = detail::checkedMul(rows, columns);
        detail::require(rows >= 0 && columns >= 0 && n >= 0);
        grid_.assign(static_cast<std::size_t>(n), repeatedValue);
    }

    // Takes the grid as given; its count must be rows x columns.
    Matrix(int64_t rows, int64_t columns, std::vector<T> grid)
        : rows_(rows),
          columns_(columns),
          grid_(std::move(grid)) {
        const int64_t n = detail::checkedMul(rows, columns);
        detail::require(rows >= 0 && columns >= 0);
        detail::require(static_cast<int64_t>(grid_.size()) == n);
    }

    // Element (r, c) = generator(r, c), in row-major order; a failure thrown by
    // the generator passes through and no matrix results.
    template <class Generator>
    requires std::invocable<Generator&, int64_t, int64_t> Matrix(int64_t rows, int64_t columns, Generator generator)
        : rows_(rows),
          columns_(columns) {
        const int64_t n = detail::checkedMul(rows, columns);
        detail::require(rows >= 0 && columns >= 0);
        grid_.reserve(static_cast<std::size_t>(n));
        for (int64_t r = 0; r < rows; ++r)
            for (int64_t c = 0; c < columns; ++c) grid_.push_back(static_cast<T>(generator(r, c)));
    }

    // From a non-empty list of rows, each of the first row's length.
    Matrix(std::initializer_list<std::initializer_list<T>> rows) { assignRows(rows); }

    template <std::ranges::input_range Rows>
    requires std::ranges::input_range<std::ranges::range_reference_t<Rows>> &&
        std::convertible_to<std::ranges::range_value_t<std::ranges::range_reference_t<Rows>>, T>
    explicit Matrix(const Rows& rows) { assignRows(rows); }

    // 1 x n and n x 1 matrices.
    static Matrix fromRow(std::vector<T> row) {
        const auto n = static_cast<int64_t>(row.size());
        return Matrix(1, n, std::move(row));
    }
    static Matrix fromColumn(std::vector<T> column) {
        const auto n = static_cast<int64_t>(column.size());
        return Matrix(n, 1, std::move(column));
    }

    static Matrix identity(int64_t size) { return diagonal(size, size, T(1)); }
    static Matrix eye(int64_t rows, int64_t columns) { return diagonal(rows, columns, T(1)); }

    static Matrix diagonal(int64_t rows, int64_t columns, T repeatedValue) {
        detail::require(rows >= 0 && columns >= 0);
        const int64_t k = rows < columns ? rows : columns;
        return diagonal(rows, columns, std::vector<T>(static_cast<std::size_t>(k), repeatedValue));
    }

    static Matrix diagonal(int64_t rows, int64_t columns, const std::vector<T>& scalars) {
        Matrix m(rows, columns, T(0));
        const int64_t k = rows < columns ? rows : columns;
        detail::require(static_cast<int64_t>(scalars.size()) == k);
        for (int64_t i = 0; i < k; ++i) m(i, i) = scalars[static_cast<std::size_t>(i)];
        return m;
    }

    template <RandomNumberGenerator G>
    requires Real<T>
    static Matrix random(int64_t rows, int64_t columns, ClosedRange<T> range, G& generator) {
        const int64_t n = detail::checkedMul(rows, columns);
        auto grid = numerics::random(n, range, generator);
        detail::require(static_cast<int64_t>(grid.size()) == n);
        return Matrix(rows, columns, std::move(grid));
    }

    static Matrix random(int64_t rows, int64_t columns, ClosedRange<T> range) requires Real<T> {
        SystemRandomNumberGenerator generator;
        return random(rows, columns, range, generator);
    }

    template <RandomNumberGenerator G>
    requires Real<T>
    static Matrix randomNormal(int64_t rows, int64_t columns, T mean, T stdDeviation, G& generator) {
        const int64_t n = detail::checkedMul(rows, columns);
        auto grid = numerics::randomNormal(n, mean, stdDeviation, generator);
        detail::require(static_cast<int64_t>(grid.size()) == n);
        return Matrix(rows, columns, std::move(grid));
    }

    static Matrix randomNormal(int64_t rows, int64_t columns, T mean, T stdDeviation) requires Real<T> {
        SystemRandomNumberGenerator generator;
        return randomNormal(rows, columns, mean, stdDeviation, generator);
    }

    // ---- accessors ----

    int64_t rows() const { return rows_; }
    int64_t columns() const { return columns_; }
    const std::vector<T>& grid() const { return grid_; }

    Shape shape() const {
        if (rows_ > columns_) return Shape::tall;
        if (rows_ < columns_) return Shape::wide;
        return Shape::square;
    }

    T& operator()(int64_t row, int64_t column) { return grid_[position(row, column)]; }
    const T& operator()(int64_t row, int64_t column) const { return grid_[position(row, column)]; }

    std::vector<T> row(int64_t row) const {
        detail::require(row >= 0 && row < rows_);
        const auto start = grid_.begin() + static_cast<std::ptrdiff_t>(row * columns_);
        return std::vector<T>(start, start + static_cast<std::ptrdiff_t>(columns_));
    }

    void setRow(int64_t row, const std::vector<T>& values) {
        detail::require(row >= 0 && row < rows_);
        detail::require(static_cast<int64_t>(values.size()) == columns_);
        std::copy(values.begin(), values.end(), grid_.begin() + static_cast<std::ptrdiff_t>(row * columns_));
    }

    std::vector<T> column(int64_t column) const {
        detail::require(column >= 0 && column < columns_);
        std::vector<T> r;
        r.reserve(static_cast<std::size_t>(rows_));
        for (int64_t i = 0; i < rows_; ++i) r.push_back(grid_[position(i, column)]);
        return r;
    }

    void setColumn(int64_t column, const std::vector<T>& values) {
        detail::require(column >= 0 && column < columns_);
        detail::require(static_cast<int64_t>(values.size()) == rows_);
        for (int64_t i = 0; i < rows_; ++i) grid_[position(i, column)] = values[static_cast<std::size_t>(i)];
    }

    // The multi-line text form: one line per row, bracketed.
    std::string description() const {
        std::string text;
        for (int64_t i = 0; i < rows_; ++i) {
            const char* prefix;
            const char* suffix;
            if (rows_ == 1) {
                prefix = "(";
                suffix = ")";
            } else if (i == 0) {
                prefix = "\u239B";
                suffix = "\u239E";
            } else if (i == rows_ - 1) {
                prefix = "\u239D";
                suffix = "\u23A0";
            } else {
                prefix = "\u239C";
                suffix = "\u23A5";
            }
            text += prefix;
            text += '\t';
            for (int64_t c = 0; c < columns_; ++c) {
                if (c > 0) text += '\t';
                text += platform::shortestDecimalText(grid_[static_cast<std::size_t>(i * columns_ + c)]);
            }
            text += '\t';
            text += suffix;
            text += '\n';
        }
        return text;
    }

    // ---- the collection of rows ----

    class RowIterator {
    public:
        using value_type = std::span<const T>;
        using reference = std::span<const T>;
        using difference_type = std::ptrdiff_t;
        using iterator_concept = std::forward_iterator_tag;

        RowIterator() = default;
        RowIterator(const T* base, int64_t offset, int64_t columns) : base_(base), offset_(offset), columns_(columns) {}
        std::span<const T> operator*() const {
            return std::span<const T>(base_ + offset_, static_cast<std::size_t>(columns_));
        }
        RowIterator& operator++() {
            offset_ += columns_;
            return *this;
        }
        RowIterator operator++(int) {
            auto t = *this;
            ++*this;
            return t;
        }
        friend bool operator==(const RowIterator& a, const RowIterator& b) { return a.offset_ == b.offset_; }

    private:
        const T* base_ = nullptr;
        int64_t offset_ = 0;
        int64_t columns_ = 0;
    };

    // Iteration keeps a running grid offset from 0 to rows x columns (so a
    // matrix without columns yields no rows).
    RowIterator begin() const { return RowIterator(grid_.data(), 0, columns_); }
    RowIterator end() const { return RowIterator(grid_.data(), rows_ * columns_, columns_); }

    // Indexed access to the collection of rows (indices 0 to rows - 1).
    int64_t rowCount() const { return rows_; }
    std::span<const T> rowView(int64_t i) const {
        detail::require(i >= 0 && i < rows_);
        return std::span<const T>(grid_.data() + i * columns_, static_cast<std::size_t>(columns_));
    }

    friend bool operator==(const Matrix& a, const Matrix& b) {
        return a.rows_ == b.rows_ && a.columns_ == b.columns_ && a.grid_ == b.grid_;
    }

    // Writable grid for the matrix operations (the count never changes).
    std::vector<T>& mutableGrid() { return grid_; }

private:
    std::size_t position(int64_t row, int64_t column) const {
        detail::require(row >= 0 && row < rows_ && column >= 0 && column < columns_);
        const int64_t p = detail::checkedAdd(detail::checkedMul(row, columns_), column);
        detail::require(p >= 0 && p < static_cast<int64_t>(grid_.size()));
        return static_cast<std::size_t>(p);
    }

    template <class Rows>
    void assignRows(const Rows& rows) {
        const auto count = static_cast<int64_t>(std::ranges::distance(rows));
        detail::require(count > 0);
        rows_ = count;
        columns_ = static_cast<int64_t>(std::ranges::distance(*std::ranges::begin(rows)));
        grid_.assign(static_cast<std::size_t>(detail::checkedMul(rows_, columns_)), T(0));
        int64_t i = 0;
        for (const auto& r : rows) {
            detail::require(static_cast<int64_t>(std::ranges::distance(r)) == columns_);
            auto out = grid_.begin() + static_cast<std::ptrdiff_t>(i * columns_);
            for (const auto& v : r) *out++ = static_cast<T>(v);
            ++i;
        }
    }

    int64_t rows_ = 0;
    int64_t columns_ = 0;
    std::vector<T> grid_;
};

} // namespace numerics
