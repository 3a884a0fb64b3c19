// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The layout is drawn in twips; 15 twips make one pixel at 96 dpi. Qt's
// high-DPI scaling takes it from logical pixels to the screen.
#pragma once

#include <QRect>

namespace sumbrix {

constexpr int Px(int twips) { return (twips + 7) / 15; }  // nearest pixel

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

}  // namespace sumbrix
