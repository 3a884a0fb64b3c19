// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "colours.h"

#include <algorithm>
#include <cmath>

namespace sumbrix {

namespace {

double Luminance(const QColor &c)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

QColor Mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// Aimed above WCAG's 4.5:1: small antialiased figures are drawn paler
// than their colour, on a page a shade off the palette's.
constexpr double kAim = 6.0;

}  // namespace

double Contrast(const QColor &a, const QColor &b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {

// `from` moved towards `to` no further than it takes to stand out from
// `ground` by `ratio`; `to` if it never does.
QColor Towards(const QColor &from, const QColor &to, const QColor &ground, double ratio)
{
    for (int step = 0; step <= 32; ++step) {
        const QColor c = Mix(from, to, step / 32.0);
        if (Contrast(c, ground) >= ratio)
            return c;
    }
    return to;
}

// Whether the palette draws light text on a dark ground: a dark scheme,
// or a high-contrast one of white on black. By the palette the window
// gets, which a desktop's scheme sets whether or not Qt reports it.
bool DarkPalette(const QPalette &palette)
{
    return Luminance(palette.color(QPalette::Window)) < Luminance(palette.color(QPalette::WindowText));
}

}  // namespace

TextColours ReadableColours(const QPalette &palette)
{
    const QColor blue(0, 0, 255), red(255, 0, 0);
    if (!DarkPalette(palette))
        return {blue, red, QColor()};
    const QColor ground = palette.color(QPalette::Window);
    // Lightened towards white, their hue kept.
    const QColor right = Towards(blue, Qt::white, ground, kAim), wrong = Towards(red, Qt::white, ground, kAim);
    // A locked box keeps its text dimmer than a live one's, as far as
    // readable: from its ground towards the text, no further than needed.
    const QColor base = palette.color(QPalette::Disabled, QPalette::Base);
    if (Contrast(palette.color(QPalette::Disabled, QPalette::Text), base) >= 4.5)
        return {right, wrong, QColor()};
    return {right, wrong, Towards(base, palette.color(QPalette::Active, QPalette::Text), base, kAim)};
}

}  // namespace sumbrix
