#pragma once

#include "RuntimeError.h"

#include <QtGlobal>

#include <array>
#include <compare>
#include <concepts>
#include <cstddef>
#include <limits>

// A whole number of fixed width whose arithmetic fails loudly instead of wrapping.
template<std::signed_integral T>
class Checked
{
public:
    constexpr Checked() = default;
    constexpr Checked(T value) : m_value(value) {}

    // Narrows a wide result; out of range is an overflow failure.
    static Checked from(qint64 wide)
    {
        if (wide < std::numeric_limits<T>::min() || wide > std::numeric_limits<T>::max())
            throw RuntimeError(Failure::Overflow);
        return Checked(static_cast<T>(wide));
    }

    constexpr T value() const { return m_value; }

    friend Checked operator+(Checked a, qint64 b) { return from(qint64(a.m_value) + b); }
    friend Checked operator-(Checked a, qint64 b) { return from(qint64(a.m_value) - b); }
    Checked &operator+=(qint64 b) { return *this = *this + b; }
    Checked &operator-=(qint64 b) { return *this = *this - b; }

    friend constexpr bool operator==(Checked a, Checked b) = default;
    friend constexpr auto operator<=>(Checked a, Checked b) = default;
    friend constexpr bool operator==(Checked a, qint64 b) { return a.m_value == b; }
    friend constexpr auto operator<=>(Checked a, qint64 b) { return qint64(a.m_value) <=> b; }

private:
    T m_value = 0;
};

using Int16 = Checked<qint16>;
using Int32 = Checked<qint32>;

// Rounds to the nearest whole number, halves to the even neighbour, then narrows to 16 bits.
// Not-a-number and infinities are overflows, as any value out of range.
Int16 toInt16(double value);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// A fixed array whose every index is checked.
template<typename T, std::size_t N>
class CheckedArray
{
public:
    T &operator[](qint64 index)
    {
        check(index);
        return m_items[static_cast<std::size_t>(index)];
    }
    const T &operator[](qint64 index) const
    {
        check(index);
        return m_items[static_cast<std::size_t>(index)];
    }
    template<std::signed_integral I>
    T &operator[](Checked<I> index)
    {
        return (*this)[qint64(index.value())];
    }
    template<std::signed_integral I>
    const T &operator[](Checked<I> index) const
    {
        return (*this)[qint64(index.value())];
    }

    void fill(const T &value) { m_items.fill(value); }
    static constexpr std::size_t size() { return N; }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    static void check(qint64 index)
    {
        if (index < 0 || index >= qint64(N))
            throw RuntimeError(Failure::IndexOutOfRange);
    }
    std::array<T, N> m_items{};
};
