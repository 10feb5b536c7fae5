#pragma once
// Fixed-capacity arrays indexed from 1, as the data record is described and
// read everywhere ("point 1 is the first point"). Every access is checked:
// an index outside the capacity is a programming fault and stops the program
// at once instead of corrupting neighbouring data.

#include <array>
#include <cstddef>

namespace vex {

[[noreturn]] void oneBasedIndexFault(long index, long capacity);

template <class T, int N> class OneBased {
  public:
    static constexpr int capacity = N;

    T& operator()(int i) {
        check(i);
        return items_[static_cast<std::size_t>(i - 1)];
    }
    const T& operator()(int i) const {
        check(i);
        return items_[static_cast<std::size_t>(i - 1)];
    }
    void fill(const T& value) { items_.fill(value); }
    T* data() { return items_.data(); }
    const T* data() const { return items_.data(); }
    friend bool operator==(const OneBased&, const OneBased&) = default;

  private:
    static void check(int i) {
        if (i < 1 || i > N) oneBasedIndexFault(i, N);
    }
    std::array<T, N> items_{};
};

template <class T, int Rows, int Cols> class OneBased2 {
  public:
    static constexpr int rows = Rows;
    static constexpr int cols = Cols;

    T& operator()(int r, int c) { return items_[offset(r, c)]; }
    const T& operator()(int r, int c) const { return items_[offset(r, c)]; }
    void fill(const T& value) { items_.fill(value); }
    // Row r (1-based) as a contiguous run of Cols values.
    T* row(int r) { return &items_[offset(r, 1)]; }
    const T* row(int r) const { return &items_[offset(r, 1)]; }
    friend bool operator==(const OneBased2&, const OneBased2&) = default;

  private:
    static std::size_t offset(int r, int c) {
        if (r < 1 || r > Rows) oneBasedIndexFault(r, Rows);
        if (c < 1 || c > Cols) oneBasedIndexFault(c, Cols);
        return static_cast<std::size_t>(r - 1) * Cols + static_cast<std::size_t>(c - 1);
    }
    std::array<T, static_cast<std::size_t>(Rows) * Cols> items_{};
};

} // namespace vex
