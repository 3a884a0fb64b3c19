// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The layout is drawn in twips; 15 twips make one pixel at 96 dpi. A zoom,
// in percent of the drawing's size, scales it here and nowhere else; Qt's
// high-DPI scaling takes it from logical pixels to the screen.
#pragma once

#include <QRect>
#include <QWidget>
#include <iterator>

namespace sumbrix {

// The zooms the keys step through; the drawing's own size is 100.
constexpr int kZoomSteps[] = {100, 110, 125, 150, 175, 200, 225, 250, 275, 300};
constexpr int kZoomLeast = kZoomSteps[0], kZoomMost = kZoomSteps[std::size(kZoomSteps) - 1];

constexpr int Px(int twips, int zoom = 100) { return (twips * zoom + 750) / 1500; }  // nearest pixel

constexpr QRect TwipsRect(int left, int top, int width, int height, int zoom = 100)
{
    return QRect(Px(left, zoom), Px(top, zoom), Px(width, zoom), Px(height, zoom));
}

constexpr QRect TwipsRect(const QRect &twips, int zoom = 100)
{
    return TwipsRect(twips.x(), twips.y(), twips.width(), twips.height(), zoom);
}

// The next step from `zoom` in `direction` (+1 larger, -1 smaller), kept
// within `most`; `zoom` itself where there is none.
int ZoomStep(int zoom, int direction, int most = kZoomMost);

// The largest zoom at which a window drawn `width` by `height` twips, with
// `frame` pixels of window-manager border, fits into `available`.
int LargestZoom(int width, int height, const QSize &frame, const QSize &available);

// Whether a box follows its container's reading direction or keeps the
// drawing's left-to-right order (a sum written left to right in a
// right-to-left window).
enum class Order { Reading, LeftToRight };

// The box `drawn` gives, within a container `width` pixels wide: right to
// left, it lies as far from the right edge as the drawing has it from the
// left. Qt mirrors layouts, not boxes placed by hand.
constexpr QRect Mirrored(const QRect &drawn, int width)
{
    return QRect(width - drawn.x() - drawn.width(), drawn.y(), drawn.width(), drawn.height());
}

// Places `widget` at `drawn` (pixels from its container's top left as
// drawn), mirrored when its container reads right to left.
inline void PlaceDrawn(QWidget *widget, const QRect &drawn, Order order = Order::Reading)
{
    const QWidget *container = widget->parentWidget();
    const bool mirror = order == Order::Reading && container && container->isRightToLeft();
    widget->setGeometry(mirror ? Mirrored(drawn, container->width()) : drawn);
}

// Places `widget` at `twips` for `zoom`, and remembers the drawing so that
// Rezoom can place it again.
void PlaceTwips(QWidget *widget, const QRect &twips, int zoom, Order order = Order::Reading);

// A font size of the drawing, in pixels at 100 %, that Rezoom scales.
void DrawnPixels(QWidget *widget, qreal pixels, int zoom);

// Places every widget under `top` that PlaceTwips placed, containers
// first, and sizes every font DrawnPixels named, for `zoom`.
void Rezoom(QWidget *top, int zoom);

}  // namespace sumbrix
