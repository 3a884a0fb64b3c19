// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversions.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace sumbrix {

std::optional<Integer> FloorToInteger(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    const double f = std::floor(x);
    if (f < std::numeric_limits<Integer>::min() || f > std::numeric_limits<Integer>::max())
        return std::nullopt;
    return static_cast<Integer>(f);
}

std::optional<Long> RoundToLong(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    // Spelled out rather than left to the FPU's current rounding mode.
    double r = std::floor(x);
    const double rest = x - r;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(r, 2.0) != 0.0))
        r += 1.0;
    if (r < std::numeric_limits<Long>::min() || r > std::numeric_limits<Long>::max())
        return std::nullopt;
    return static_cast<Long>(r);
}

std::string SignedText(long long n)
{
    // Appended, not prepended: GCC 12 at -O3 warns falsely (-Wrestrict)
    // on a literal placed before a string.
    std::string text(n < 0 ? "" : " ");
    text += std::to_string(n);
    return text;
}

std::string PlainText(long long n)
{
    return std::to_string(n);
}

namespace {

// Walks text, hiding the blanks, tabs and line feeds that the reader ignores.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) { skip(); }
    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void take()
    {
        ++pos_;
        skip();
    }

private:
    void skip()
    {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n'))
            ++pos_;
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c, int base)
{
    int d = -1;
    if (IsDigit(c))
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < base ? d : -1;
}

double RadixValue(Reader &in, int base)
{
    double v = 0;
    for (int d = DigitValue(in.peek(), base); d >= 0; d = DigitValue(in.peek(), base)) {
        v = v * base + d;  // saturates at infinity on absurd lengths
        in.take();
    }
    return v;
}

constexpr long long kExponentCap = 100000;  // far past double's range either way

}  // namespace

double NumericValue(std::string_view text)
{
    Reader in(text);
    if (in.peek() == '&') {
        in.take();
        const char kind = in.peek();
        if (kind == 'H' || kind == 'h') {
            in.take();
            return RadixValue(in, 16);
        }
        if (kind == 'O' || kind == 'o') {
            in.take();
            return RadixValue(in, 8);
        }
        return 0;
    }

    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.take();
    }

    std::string mantissa;
    long long intDigits = 0;     // significant digits before the point
    long long leadingZeros = 0;  // zeros after the point before the first non-zero digit
    bool nonZero = false;
    bool point = false;
    for (;;) {
        const char c = in.peek();
        if (IsDigit(c)) {
            if (c != '0')
                nonZero = true;
            if (!point && nonZero)
                ++intDigits;
            if (point && !nonZero)
                ++leadingZeros;
            mantissa += c;
        } else if (c == '.' && !point) {
            point = true;
            mantissa += c;
        } else {
            break;
        }
        in.take();
    }
    if (mantissa.find_first_of("0123456789") == std::string::npos)
        return 0;
    if (!nonZero)
        return negative ? -0.0 : 0.0;

    long long exponent = 0;
    const char e = in.peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        in.take();
        bool expNegative = false;
        if (in.peek() == '+' || in.peek() == '-') {
            expNegative = in.peek() == '-';
            in.take();
        }
        // Without digits the exponent is not part of the number.
        while (IsDigit(in.peek())) {
            exponent = std::min(exponent * 10 + (in.peek() - '0'), kExponentCap);
            in.take();
        }
        if (expNegative)
            exponent = -exponent;
    }

    const std::string spelled = mantissa + "e" + std::to_string(exponent);
    double value = 0;
    const auto [end, ec] = std::from_chars(spelled.data(), spelled.data() + spelled.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Decimal position of the first significant digit decides the direction.
        const long long lead = intDigits > 0 ? intDigits - 1 : -leadingZeros - 1;
        value = lead + exponent >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

}  // namespace sumbrix
