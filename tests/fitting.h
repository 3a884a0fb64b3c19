// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a control's caption shows whole, judged by the glyphs' ink or
// by what is painted.
#pragma once

#include "widgets.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStringList>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTextLayout>

namespace sumbrix::test {

// The fonts the layout was drawn for; with others the captions' widths say
// nothing about the shipped program. Empty when both are installed.
inline QString MissingWindowFont()
{
    const QStringList families = QFontDatabase::families();
    for (const char *family : {"Liberation Sans", "DejaVu Sans"})
        if (!families.contains(QLatin1String(family), Qt::CaseInsensitive))
            return QLatin1String(family);
    return QString();
}

#define SKIP_UNLESS_WINDOW_FONTS()                                                                        \
    do {                                                                                                  \
        if (const QString missing = sumbrix::test::MissingWindowFont(); !missing.isEmpty())               \
            QSKIP(qPrintable(missing + QLatin1String(" is not installed: fitting is judged in it")));     \
    } while (false)

// The height of a line of `text`, with every font it falls back to.
inline qreal LineHeight(const QFont &font, const QString &text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return line.ascent() + line.descent();
}

// The height of `text` wrapped at `width`, with every font it falls back to.
inline qreal WrappedHeight(const QFont &font, const QString &text, int width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        height += line.height();
    }
    layout.endLayout();
    return height;
}

// The glyphs' ink must lie inside the box, wherever the alignment puts the
// pen, and a caption's line must not be cut off below.
inline bool Fits(QWidget *c, const QString &text)
{
    const QFontMetrics m(c->font());
    if (qobject_cast<QLineEdit *>(c))
        return m.horizontalAdvance(text) <= c->width() - 8;
    auto *label = qobject_cast<QLabel *>(c);
    // A top-aligned caption keeps its whole line; the problem's large
    // glyphs are centred and may overhang their line's leading.
    if ((label->alignment() & Qt::AlignTop) && LineHeight(label->font(), text) > label->contentsRect().height() + 1)
        return false;
    const int room = label->contentsRect().width();
    const int advance = m.horizontalAdvance(text);
    int pen = 0;
    if (label->alignment() & Qt::AlignRight)
        pen = room - advance;
    else if (label->alignment() & Qt::AlignHCenter)
        pen = (room - advance) / 2;
    const QRect ink = m.tightBoundingRect(text).translated(pen, 0);
    // tightBoundingRect may overstate the ink by a pixel.
    return ink.left() >= -1 && ink.right() <= room;
}

// Labels that narrow what outgrows them are judged by what they paint:
// ink in the middle and none at either edge.
inline bool DrawnWhole(QWidget *c)
{
    const QImage shot = c->grab().toImage();
    const auto inkIn = [&](int x) {
        for (int y = 0; y < shot.height(); ++y)
            if (qGray(shot.pixel(x, y)) < 128)
                return true;
        return false;
    };
    bool middle = false;  // somewhere in the middle half: two glyphs may leave a gap at the centre
    for (int x = shot.width() / 4; x <= shot.width() * 3 / 4; ++x)
        middle = middle || inkIn(x);
    return !inkIn(0) && !inkIn(shot.width() - 1) && middle;
}

// Ink in the first or last row a caption shows (above any box that covers
// its foot): a mark or a tail cut off, or one against the box's frame.
inline bool InkAtTopOrBottom(QWidget *c)
{
    const QImage shot = c->grab().toImage();
    const int last = shot.height() - 1 - int(CoveredBelow(c) * shot.devicePixelRatio());
    for (const int y : {0, last})
        for (int x = 0; x < shot.width(); ++x)
            if (qGray(shot.pixel(x, y)) < 128)
                return true;
    return false;
}

// The box around a grabbed widget's dark ink, in device pixels.
inline QRect Ink(const QImage &shot)
{
    QRect ink;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (qGray(shot.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// The box around `text`'s ink as `font` draws it, unsqueezed, in device pixels.
inline QRect Ink(const QString &text, const QFont &font, qreal ratio)
{
    const QFontMetrics metrics(font);
    QImage canvas(QSize(metrics.horizontalAdvance(text) + 1, metrics.height()) * 3 * ratio, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.drawText(QPointF(metrics.horizontalAdvance(text) + 1, 2 * metrics.height()), text);
    painter.end();
    return Ink(canvas);
}

// The fixed captions of a shown window that do not show whole: labels,
// the wrapped notice, the button, the tabs, the frame titles and the
// operation list's items.
inline QStringList ClippedCaptions(QWidget &window)
{
    QStringList clipped;
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (label->text().isEmpty() || label->objectName().startsWith(QLatin1String("lbl")))
            continue;
        bool whole;
        if (label->wordWrap())
            whole = WrappedHeight(label->font(), label->text(), label->contentsRect().width()) <=
                    label->contentsRect().height();
        else if (qobject_cast<FittedLabel *>(label) && !Fits(label, label->text()))
            // Narrowed, by a quarter at most for a word, or it no longer reads.
            whole = DrawnWhole(label) &&
                    (label->text().size() == 1 ||
                     label->fontMetrics().horizontalAdvance(label->text()) * 3 <= label->contentsRect().width() * 4);
        else
            whole = Fits(label, label->text());
        if (!whole || InkAtTopOrBottom(label))
            clipped << label->objectName() + QLatin1String(": ") + label->text();
    }
    for (QPushButton *button : window.findChildren<QPushButton *>())
        if (button->fontMetrics().horizontalAdvance(button->text()) >= button->width() - 12)
            clipped << button->objectName() + QLatin1String(": ") + button->text();
    for (QTabWidget *tabs : window.findChildren<QTabWidget *>())
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabBar()->tabRect(i).width() <= tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)) + 8)
                clipped << QLatin1String("tab: ") + tabs->tabText(i);
    for (QGroupBox *frame : window.findChildren<QGroupBox *>())
        if (frame->fontMetrics().horizontalAdvance(frame->title()) >= frame->width() - 16)
            clipped << frame->objectName() + QLatin1String(": ") + frame->title();
    for (QComboBox *box : window.findChildren<QComboBox *>()) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        const int room =
            box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width();
        for (int i = 0; i < box->count(); ++i)
            if (box->fontMetrics().horizontalAdvance(box->itemText(i)) > room)
                clipped << box->objectName() + QLatin1String(": ") + box->itemText(i);
    }
    return clipped;
}

}  // namespace sumbrix::test
