// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Any text read as a number: never NaN, blanks never matter, and plain
// decimals agree with the C library's reader.
#include "conversions.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Digits with at most one '.', an optional leading '-', and a digit somewhere.
bool PlainDecimal(const std::string &s)
{
    std::size_t i = !s.empty() && s[0] == '-' ? 1 : 0;
    bool digit = false, point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9')
            digit = true;
        else if (s[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const double value = sumbrix::NumericValue(text);
    Check(!std::isnan(value));

    std::string spaced;  // the same text with blanks, tabs and line feeds strewn in
    for (std::size_t i = 0; i < text.size(); ++i) {
        spaced += text[i];
        spaced += " \t\n"[i % 3];
    }
    const double again = sumbrix::NumericValue(spaced);
    Check(again == value || (std::isnan(again) && std::isnan(value)));

    if (PlainDecimal(text) && size < 4096) {
        std::setlocale(LC_NUMERIC, "C");
        Check(std::strtod(text.c_str(), nullptr) == value);
    }
    return 0;
}
