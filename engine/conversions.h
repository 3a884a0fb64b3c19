// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Value conversions and checked arithmetic shared by the quiz engine.
// Everything here is pure: no clock, no randomness, no I/O.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sumbrix {

using Integer = std::int16_t;  // counters, operands, percentage
using Long = std::int32_t;     // clock values and the score

// Checked arithmetic: nullopt when the exact result does not fit in T.
template <class T>
std::optional<T> CheckedAdd(T a, T b)
{
    T r{};
    if (__builtin_add_overflow(a, b, &r))
        return std::nullopt;
    return r;
}

template <class T>
std::optional<T> CheckedSub(T a, T b)
{
    T r{};
    if (__builtin_sub_overflow(a, b, &r))
        return std::nullopt;
    return r;
}

template <class T>
std::optional<T> CheckedMul(T a, T b)
{
    T r{};
    if (__builtin_mul_overflow(a, b, &r))
        return std::nullopt;
    return r;
}

// A whole number narrowed to T, or nullopt when it does not fit.
template <class T>
std::optional<T> Narrow(long long v)
{
    T r{};
    if (__builtin_add_overflow(v, 0LL, &r))
        return std::nullopt;
    return r;
}

// floor(x) as T; nullopt for NaN, infinities and values out of range.
std::optional<Integer> FloorToInteger(double x);

// x rounded to the nearest whole number, ties to even; nullopt out of range.
std::optional<Long> RoundToLong(double x);

// " 7", " 0", "-3": a blank stands where a minus sign would.
std::string SignedText(long long n);

// "7", "0", "-3".
std::string PlainText(long long n);

// The number spelled by the leading part of text; 0 when there is none.
// Blanks, tabs and line feeds are ignored anywhere. Accepts a sign, digits,
// one '.', an exponent (E or D), or the prefixes &H / &O for hex / octal.
double NumericValue(std::string_view text);

}  // namespace sumbrix
