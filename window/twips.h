// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The layout is drawn in twips; 15 twips make one pixel at 96 dpi. Qt's
// high-DPI scaling takes it from logical pixels to the screen.
#pragma once

#include <QRect>
#include <QWidget>

namespace sumbrix {

constexpr int Px(int twips) { return (twips + 7) / 15; }  // nearest pixel

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

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

}  // namespace sumbrix
