// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <QVariant>
#include <algorithm>
#include <cmath>

namespace sumbrix {

namespace {
constexpr char kTwips[] = "sumbrixTwips";
constexpr char kOrder[] = "sumbrixOrder";
constexpr char kPixels[] = "sumbrixPixels";

void SizeFont(QWidget *widget, qreal pixels, int zoom)
{
    QFont font = widget->font();
    font.setPixelSize(std::max(1, int(std::lround(pixels * zoom / 100.0))));
    if (font != widget->font())
        widget->setFont(font);
}
}  // namespace

int ZoomStep(int zoom, int direction, int most)
{
    if (direction > 0) {
        for (const int step : kZoomSteps)
            if (step > zoom && step <= most)
                return step;
        return zoom;
    }
    int below = zoom;
    for (const int step : kZoomSteps)
        if (step < zoom)
            below = step;
    return below;
}

int LargestZoom(int width, int height, const QSize &frame, const QSize &available)
{
    for (int zoom = kZoomMost; zoom > kZoomLeast; --zoom)
        if (Px(width, zoom) + frame.width() <= available.width() && Px(height, zoom) + frame.height() <= available.height())
            return zoom;
    return kZoomLeast;  // the drawing's own size, whatever the screen
}

void PlaceTwips(QWidget *widget, const QRect &twips, int zoom, Order order)
{
    widget->setProperty(kTwips, twips);
    widget->setProperty(kOrder, int(order));
    PlaceDrawn(widget, TwipsRect(twips, zoom), order);
}

void DrawnPixels(QWidget *widget, qreal pixels, int zoom)
{
    widget->setProperty(kPixels, pixels);
    SizeFont(widget, pixels, zoom);
}

void Rezoom(QWidget *top, int zoom)
{
    QList<QWidget *> widgets = top->findChildren<QWidget *>();  // each container before what it holds
    widgets.prepend(top);
    for (QWidget *w : widgets) {
        if (const QVariant pixels = w->property(kPixels); pixels.isValid())
            SizeFont(w, pixels.toReal(), zoom);
        if (const QVariant twips = w->property(kTwips); twips.isValid())
            PlaceDrawn(w, TwipsRect(twips.toRect(), zoom), Order(w->property(kOrder).toInt()));
    }
}

}  // namespace sumbrix
