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

bool DarkPalette(const QPalette &palette)
{
    // By the palette the window gets, which a desktop's dark or
    // high-contrast scheme sets whether or not Qt reports the scheme.
    return Luminance(palette.color(QPalette::Window)) < Luminance(palette.color(QPalette::WindowText));
}

QColor LightenedFor(const QColor &colour, const QColor &ground, double ratio)
{
    for (int step = 0; step <= 32; ++step) {
        const QColor c = Mix(colour, Qt::white, step / 32.0);
        if (Contrast(c, ground) >= ratio)
            return c;
    }
    return QColor(Qt::white);
}

TextColours ReadableColours(const QPalette &palette)
{
    const QColor blue(0, 0, 255), red(255, 0, 0);
    if (!DarkPalette(palette))
        return {blue, red, QColor()};
    const QColor ground = palette.color(QPalette::Window);
    // A locked box keeps its text dimmer than a live one's, as far as
    // readable: from the ground towards the text, no further than needed.
    const QColor base = palette.color(QPalette::Disabled, QPalette::Base);
    const QColor text = palette.color(QPalette::Active, QPalette::Text);
    QColor locked = palette.color(QPalette::Disabled, QPalette::Text);
    if (Contrast(locked, base) >= 4.5)
        return {LightenedFor(blue, ground, kAim), LightenedFor(red, ground, kAim), QColor()};
    locked = text;
    for (int step = 1; step <= 32; ++step) {
        const QColor c = Mix(base, text, step / 32.0);
        if (Contrast(c, base) >= kAim) {
            locked = c;
            break;
        }
    }
    return {LightenedFor(blue, ground, kAim), LightenedFor(red, ground, kAim), locked};
}

}  // namespace sumbrix
