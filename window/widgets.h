// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Small widgets the window needs that Qt does not have as such.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QHash>
#include <QTabBar>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTransform>
#include <QKeyEvent>
#include <deque>
#include <memory>
#include <vector>

namespace sumbrix {

// Reports each typed character before the line edit takes it, Enter as 13.
class AnswerBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    // A digit typed on a 0-9 keyboard shows in the digits of this zero.
    void UseDigits(QChar zero) { zero_ = zero; }

signals:
    void keyPressed(int keyAscii);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Handle(QKeyEvent *event);

    QChar zero_ = u'0';
    bool handling_ = false;
    std::deque<std::unique_ptr<QKeyEvent>> later_;  // keys that came while one was handled
};

// The rows at the foot of a widget that a sibling's box reaches into (the
// range's top box into its caption's last row), where ink would touch its frame.
int CoveredBelow(const QWidget *widget);

// A label whose text, should it outgrow the box, is drawn narrower instead
// of being cut off (a score of five digits and a sign, say, or a bold "="
// in a box drawn for a thinner one).
class FittedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    // How far the text is made narrower or lower to fit: 1 when it is
    // drawn as its font has it.
    qreal Squeeze() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal Narrowing() const;  // the glyphs' horizontal scale
    // Moves, or lowers, the text into the box, clear of its `covered` last
    // rows; `narrowed` is the glyphs' horizontal scale.
    QTransform VerticalFit(const QRect &box, int flags, int covered, qreal narrowed) const;
    int Flags() const;
    mutable QString fitKey_;  // what the fit was measured for
    mutable QTransform fit_;
};

// A picture that can be clicked.
class ClickableImage : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// Draws history lines cut to what could ever show, so a pasted megabyte
// does not stall painting; the item keeps the whole line.
class HistoryDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int kShown = 512;  // characters, far wider than the list

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // A text rows may hold, such as the language's "Begin", that they must be tall enough for.
    void Sample(const QString &text) { sample_ = text; }
    // Rows grow with the window's zoom, as its boxes do.
    void Zoom(int zoom) { zoom_ = zoom; }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    // The row's height for `option`'s font, its ink's room included.
    int RowHeight(const QStyleOptionViewItem &option, const QModelIndex &index) const;
    QString sample_;
    mutable QHash<QString, int> grown_;  // pixels added to each row, by font and height
    int zoom_ = 100;
};

// Draws the frames of group boxes and of the tab widget as the Fusion
// style does, more cheaply. Group-box frames are drawn with lines instead
// of the picture Fusion loads for them: loading that picture first makes
// Qt probe every image-format plugin. The tab widget's frame is Fusion's
// own, drawn small once and stretched, with opaque fills: Fusion strokes
// it with translucent lines as tall as the page, which the raster engine
// blends row by row on a pool of threads, a millisecond of start-up.
// Give it only to group boxes and tab widgets, and only over Fusion.
class FrameStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

private:
    void drawTabFrame(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    // The tab page's colour, once its frame is drawn: the group boxes on
    // the page are drawn over it.
    mutable QColor beneath_;
};

// Tabs that share the whole width of the strip, at a fixed height.
class SharedWidthTabBar : public QTabBar {
    Q_OBJECT
public:
    SharedWidthTabBar(int width, int height, QWidget *parent = nullptr);
    void Resize(int width, int height);

protected:
    QSize tabSizeHint(int index) const override;

private:
    int width_;
    int height_;
    mutable QHash<QString, int> heights_;  // by caption, font and width
};

// A tab widget whose pages place controls relative to the whole widget,
// tab strip included, which is how the layout was drawn.
class TabbedDialog : public QTabWidget {
    Q_OBJECT
public:
    TabbedDialog(const QRect &geometry, int tabHeight, QWidget *parent);
    QWidget *addSheet(const QString &caption);  // parent for the page's controls
    // Moves and sizes it, its strip and its sheets at once, shown or not.
    void Place(const QRect &geometry, int tabHeight);

protected:
    bool event(QEvent *event) override;

private:
    void placeSheets();
    std::vector<QWidget *> sheets_;
};

}  // namespace sumbrix
