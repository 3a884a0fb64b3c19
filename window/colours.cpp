// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "colours.h"

#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QWidget>
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

// Aimed above WCAG's 4.5:1, as small antialiased figures are drawn paler
// than their colour: the counts against the page as drawn, and no further,
// so that a child still sees them blue and red; a locked box's thinner
// figures further.
constexpr double kAimCounts = 5.5, kAimLocked = 6.0;

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

// The colour `tabs` fills its pages with, under `palette`.
QColor PageGround(const QWidget *tabs, const QPalette &palette)
{
    // A small page, drawn as the style draws it over the window colour; its
    // middle is the page's fill.
    constexpr int kSide = 48;
    QImage page(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    page.fill(palette.color(QPalette::Window));
    QStyleOptionTabWidgetFrame option;
    option.initFrom(tabs);
    option.palette = palette;  // the tabs' own may not have changed yet
    option.rect = page.rect();
    option.lineWidth = tabs->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, tabs);
    {
        QPainter painter(&page);
        tabs->style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, tabs);
    }
    return page.pixelColor(kSide / 2, kSide / 2);
}

}  // namespace

TextColours ReadableColours(const QPalette &palette, const QWidget *tabs)
{
    const QColor blue(0, 0, 255), red(255, 0, 0);
    if (!DarkPalette(palette))
        return {blue, red, QColor()};
    // Light text against the lighter of the two grounds it may lie on.
    QColor ground = palette.color(QPalette::Window);
    if (const QColor page = tabs ? PageGround(tabs, palette) : QColor(); page.isValid() && Luminance(page) > Luminance(ground))
        ground = page;
    // Lightened towards white, their hue kept.
    const QColor right = Towards(blue, Qt::white, ground, kAimCounts),
                 wrong = Towards(red, Qt::white, ground, kAimCounts);
    // A locked box keeps its text dimmer than a live one's, as far as
    // readable: from its ground towards the text, no further than needed.
    const QColor base = palette.color(QPalette::Disabled, QPalette::Base);
    if (Contrast(palette.color(QPalette::Disabled, QPalette::Text), base) >= 4.5)
        return {right, wrong, QColor()};
    return {right, wrong, Towards(base, palette.color(QPalette::Active, QPalette::Text), base, kAimLocked)};
}

}  // namespace sumbrix
