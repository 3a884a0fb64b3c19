// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Colours a child reads, kept readable on whatever palette the desktop gives.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace sumbrix {

// WCAG's contrast ratio of two colours, 1 to 21.
double Contrast(const QColor &a, const QColor &b);

// The colours of the design's coloured texts on `palette`: as designed on a
// light palette, lightened on a dark one; and a locked box's text, dimmer
// than live text yet readable. Lightened against the pages of `tabs` as its
// style fills them too: some styles draw a page a shade off the palette's
// window colour, and the page is what the texts on it are read against.
struct TextColours {
    QColor right;   // the right count, blue
    QColor wrong;   // the wrong count, red
    QColor locked;  // a disabled box's text; invalid where the palette's own is kept
};
TextColours ReadableColours(const QPalette &palette, const QWidget *tabs = nullptr);

}  // namespace sumbrix
