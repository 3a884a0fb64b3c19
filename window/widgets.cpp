// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets.h"

#include "language.h"
#include "twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace sumbrix {

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    // The key handler lets the window repaint, and a key can be delivered
    // meanwhile: the accessibility bridge hands keys back as its replies
    // come. Such a key waits its turn, so "1", "0", Enter is graded as 10.
    if (handling_) {
        later_.emplace_back(static_cast<QKeyEvent *>(event->clone()));
        event->accept();
        return;
    }
    handling_ = true;
    Handle(event);
    while (!later_.empty()) {
        const std::unique_ptr<QKeyEvent> next = std::move(later_.front());
        later_.pop_front();
        Handle(next.get());
    }
    handling_ = false;
}

void AnswerBox::Handle(QKeyEvent *event)
{
    int keyAscii = -1;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        keyAscii = 13;
    else if (!event->text().isEmpty())
        keyAscii = event->text().front().unicode();
    if (keyAscii >= 0)
        emit keyPressed(keyAscii);
    // The key is never consumed: the line edit still gets it, a 0-9 digit
    // as the window's own.
    const QString text = event->text();
    if (const QString shown = LocalDigits(text, zero_); shown != text) {
        QKeyEvent local(event->type(), event->key(), event->modifiers(), shown, event->isAutoRepeat(),
                        event->count());
        QLineEdit::keyPressEvent(&local);
        event->setAccepted(local.isAccepted());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

namespace {

// The first and last rows `text` inks when drawn into `box` (which only
// places it: nothing is clipped), in the box's pixels; measured by drawing,
// since the marks and tails of a script a font falls back to lie beyond
// what its metrics say. {0, -1} for no ink.
std::pair<int, int> InkRows(const QString &text, const QFont &font, int flags, const QSize &box, qreal ratio,
                            qreal narrowed = 1.0)
{
    const int pad = box.height();
    QImage canvas(QSize(box.width(), box.height() + 2 * pad) * ratio, QImage::Format_Alpha8);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(0);
    {
        QPainter painter(&canvas);
        painter.setFont(font);
        // Narrowed glyphs are drawn as outlines, unhinted, so they sit
        // otherwise than hinted ones.
        painter.scale(narrowed, 1.0);
        painter.drawText(QRect(0, pad, box.width(), box.height()), flags | Qt::TextDontClip, text);
    }
    int first = -1, last = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const uchar *row = canvas.constScanLine(y);
        if (std::any_of(row, row + canvas.width(), [](uchar a) { return a > 0; })) {
            first = first < 0 ? y : first;
            last = y;
        }
    }
    if (first < 0)
        return {0, -1};
    return {int(std::floor(first / ratio)) - pad, int(std::ceil((last + 1) / ratio)) - 1 - pad};
}

}  // namespace

int CoveredBelow(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    if (!parent)
        return 0;
    int covered = 0;
    for (const QObject *child : parent->children()) {
        const auto *below = qobject_cast<const QWidget *>(child);
        if (below && below != widget && !below->isHidden() && below->y() > widget->y() &&
            below->geometry().intersects(widget->geometry()))
            covered = std::max(covered, widget->geometry().bottom() - below->y() + 1);
    }
    return covered;
}

QTransform FittedLabel::VerticalFit(const QRect &box, int flags, int covered, qreal narrowed) const
{
    const QString key = text() + QChar(0) + font().key() + QChar(0) + QString::number(box.width()) + QChar(0) +
                        QString::number(box.height()) + QChar(0) + QString::number(devicePixelRatioF()) +
                        QChar(0) + QString::number(covered) + QChar(0) + QString::number(narrowed);
    if (key == fitKey_)
        return fit_;
    fitKey_ = key;
    fit_.reset();
    const auto [top, bottom] = InkRows(text(), font(), flags, box.size(), devicePixelRatioF(), narrowed);
    if (bottom < top)
        return fit_;
    // A row of room is kept at each edge where the box has it; ink taller
    // than the box is made a little lower, as a long word is made narrower.
    const int lowest = box.height() - 2 - covered;
    if (bottom - top > lowest - 1) {
        const qreal scale = std::max(0.8, qreal(lowest) / (bottom - top + 1));
        const qreal middle = box.top() + (top + bottom + 1) / 2.0;
        fit_.translate(0, box.top() + (box.height() - covered) / 2.0).scale(1.0, scale).translate(0, -middle);
    } else if (bottom > lowest) {
        fit_.translate(0, -(bottom - lowest));
    } else if (top < 1) {
        fit_.translate(0, 1 - top);
    }
    return fit_;
}

int FittedLabel::Flags() const { return int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0); }

qreal FittedLabel::Narrowing() const
{
    // Narrow the glyphs, keeping their height and the same font: a smaller
    // size would load a further font just for this. A pixel of room is left
    // on each side for the antialiased edges.
    const QFontMetrics metrics = fontMetrics();
    const int room = contentsRect().width();
    if (wordWrap() || metrics.horizontalAdvance(text()) <= room)
        return 1.0;
    return std::min<qreal>(1.0, std::max(1, room - 2) / qreal(metrics.tightBoundingRect(text()).width()));
}

qreal FittedLabel::Squeeze() const
{
    const qreal narrowed = Narrowing();
    if (text().isEmpty())
        return narrowed;
    const QTransform fit = VerticalFit(contentsRect(), Flags(), CoveredBelow(this), narrowed);
    return std::min(narrowed, fit.m22());
}

void FittedLabel::paintEvent(QPaintEvent *event)
{
    const QRect box = contentsRect();
    const int flags = Flags();
    const QFontMetrics metrics = fontMetrics();
    const int advance = metrics.horizontalAdvance(text());
    const qreal scale = Narrowing();
    const bool narrowed = !wordWrap() && advance > box.width();
    const QRect ink = narrowed ? metrics.tightBoundingRect(text()) : QRect();
    // Ink that would reach past the top or bottom (Arabic إلى's hamza and
    // tail, Vietnamese stacked marks) moves the text into the box.
    const QTransform fit = text().isEmpty() ? QTransform() : VerticalFit(box, flags, CoveredBelow(this), scale);
    if (!narrowed && fit.isIdentity()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setTransform(fit);
    if (!narrowed) {
        style()->drawItemText(&painter, box, flags, palette(), isEnabled(), text(), foregroundRole());
        return;
    }
    painter.translate(box.left() + (box.width() - ink.width() * scale) / 2 - ink.left() * scale, 0);
    painter.scale(scale, 1.0);
    const QRect line(0, box.top(), advance + 1, box.height());
    const Qt::Alignment vertical = alignment() & Qt::AlignVertical_Mask;
    style()->drawItemText(&painter, line, int(vertical | Qt::AlignLeft), palette(), isEnabled(), text(),
                          foregroundRole());
}

void ClickableImage::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

int HistoryDelegate::RowHeight(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // Stacked marks (Vietnamese "Bắt đầu") rise above the line, vowel
    // signs (Devanagari) reach below it; the row, its text centred, grows
    // by as much at each side.
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    // Rows are of one size: measured once per font, on the first row that
    // comes with the sample, not again as each graded answer is added.
    const QString key = item.font.key() + QChar(0) + QString::number(size.height());
    if (!grown_.contains(key)) {
        int grown = 0;
        const QString text = item.text + QLatin1Char(' ') + sample_;
        const auto [top, bottom] = InkRows(text, item.font, Qt::AlignLeft | Qt::AlignVCenter, size, 1.0);
        // A row of room between the ink and the selection's frame, above
        // and below (Devanagari's vowel signs reach below the line).
        if (bottom >= top)
            grown = 2 * std::max({0, 3 - top, bottom - (size.height() - 4)});
        grown_.insert(key, grown);
    }
    return size.height() + grown_.value(key);
}

QSize HistoryDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(RowHeight(option, index));
    // Zoomed, a row is never lower than the drawing's row grown as every
    // box grows, though its larger text may need less room around it.
    if (zoom_ != 100 && option.font.pixelSize() > 0) {
        QStyleOptionViewItem drawn = option;
        drawn.font.setPixelSize(std::max(1, int(std::lround(option.font.pixelSize() * 100.0 / zoom_))));
        size.setHeight(std::max(size.height(), int(std::lround(RowHeight(drawn, index) * zoom_ / 100.0))));
    }
    return size;
}

void HistoryDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->text.size() > kShown)
        option->text = option->text.left(kShown) + QChar(0x2026);
}

void FrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    if (element == PE_FrameTabWidget) {
        drawTabFrame(option, painter, widget);
        return;
    }
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Qt 6.4's Fusion starts the frame below the title, three pixels under
    // the taller of a radio indicator and a line of text; an untitled box
    // only by three. Later Qt hands the frame's own rectangle over.
    int top = 0;
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    constexpr int kBelowTitle = 3;
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    top = kBelowTitle;
    if (!box || box->isCheckable() || !box->title().isEmpty())
        top += std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget), option->fontMetrics.height());
#endif
    const QRect r = option->rect.adjusted(0, top, 0, 0);
    if (r.width() < 6 || r.height() < 6)
        return;
    // A faint grey outline one pixel in from the top left, its corners cut
    // and softened; a fainter ring inside it; a barely darker inside.
    const int left = r.left() + 1, right = r.right(), upper = r.top() + 1, lower = r.bottom();
    // No two of these overlap, so over the tab page's known colour each is
    // blended in advance: opaque fills are cheap, translucent ones are
    // blended row by row.
    const QColor beneath = beneath_;
    const auto line = [painter, beneath](int x0, int y0, int x1, int y1, const QColor &colour) {
        QColor c = colour;
        if (beneath.isValid()) {
            // Rounded as the raster engine blends (premultiply, then source
            // over), so the pixels are the ones it would have drawn.
            const auto div255 = [](int t) { return (t + (t >> 8) + 0x80) >> 8; };
            const auto mix = [a = colour.alpha(), div255](int over, int under) {
                return div255(over * a) + div255(under * (255 - a));
            };
            c = QColor(mix(colour.red(), beneath.red()), mix(colour.green(), beneath.green()),
                       mix(colour.blue(), beneath.blue()));
        }
        painter->fillRect(QRect(QPoint(x0, y0), QPoint(x1, y1)), c);
    };
    const QColor outline(0x75, 0x75, 0x75, 0x32), nearCorner(0x60, 0x60, 0x60, 0x36), ring(0, 0, 0, 7);
    line(left + 2, upper + 2, right - 2, lower - 2, QColor(0, 0, 0, 3));
    line(left + 2, upper + 1, right - 2, upper + 1, ring);
    line(left + 2, lower - 1, right - 2, lower - 1, ring);
    line(left + 1, upper + 2, left + 1, lower - 2, ring);
    line(right - 1, upper + 2, right - 1, lower - 2, ring);
    line(left + 2, upper, right - 2, upper, outline);
    line(left + 2, lower, right - 2, lower, outline);
    line(left, upper + 2, left, lower - 2, outline);
    line(right, upper + 2, right, lower - 2, outline);
    for (const auto &[x, y, dx, dy] : {std::array{left, upper, 1, 1}, std::array{right, upper, -1, 1},
                                       std::array{left, lower, 1, -1}, std::array{right, lower, -1, -1}}) {
        line(x, y, x, y, QColor(0x20, 0x20, 0x20, 0x0d));
        line(x + dx, y, x + dx, y, nearCorner);
        line(x, y + dy, x, y + dy, nearCorner);
        line(x + dx, y + dy, x + dx, y + dy, QColor(0x5c, 0x5c, 0x5c, 0x1f));
    }
}

namespace {

// A logical offset o and length n, from `least` on, whose ends fall on the
// same fractions of a device pixel as `from` and `to`: Fusion drawn at
// (o, o + n) then lands on device pixels as it would at (from, to).
bool SamePhase(qreal ratio, qreal from, qreal to, int least, int &o, int &n)
{
    const auto frac = [](qreal v) { return v - std::floor(v + 1e-6); };
    for (o = 2; o < 2 + least; ++o) {
        if (std::abs(frac(o * ratio) - frac(from)) > 1e-3)
            continue;
        for (n = least; n < 2 * least; ++n)
            if (std::abs(frac((o + n) * ratio) - frac(to)) <= 1e-3)
                return true;
    }
    return false;
}

}  // namespace

void FrameStyle::drawTabFrame(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const QTransform toDevice = painter->deviceTransform();
    const qreal ratio = toDevice.m11();
    const QRect &r = option->rect;
    const QPointF from = toDevice.map(QPointF(r.topLeft())), to = toDevice.map(QPointF(r.x() + r.width(), r.y() + r.height()));
    constexpr int kLeast = 8;  // logical pixels: wider than the frame's lines, both sides
    int ox = 0, nx = 0, oy = 0, ny = 0;
    // Rotated, mirrored, unevenly scaled, too small, or on no common phase:
    // as Fusion draws it.
    if (toDevice.type() > QTransform::TxScale || ratio <= 0 || toDevice.m22() != ratio || r.width() < 3 * kLeast ||
        r.height() < 3 * kLeast || !SamePhase(ratio, from.x(), to.x(), kLeast, ox, nx) ||
        !SamePhase(ratio, from.y(), to.y(), kLeast, oy, ny)) {
        QProxyStyle::drawPrimitive(PE_FrameTabWidget, option, painter, widget);
        return;
    }
    // Fusion's frame, small, with a margin for what it draws just outside.
    QImage small(int(std::ceil((2 * ox + nx) * ratio)), int(std::ceil((2 * oy + ny) * ratio)),
                 QImage::Format_ARGB32_Premultiplied);
    small.setDevicePixelRatio(ratio);
    small.fill(Qt::transparent);
    {
        // Copied as what it is: QStyleOption has no virtual destructor.
        QStyleOptionTabWidgetFrame frameCopy;
        QStyleOption plainCopy;
        QStyleOption *copy = &plainCopy;
        if (const auto *tabFrame = qstyleoption_cast<const QStyleOptionTabWidgetFrame *>(option)) {
            frameCopy = *tabFrame;
            copy = &frameCopy;
        } else {
            plainCopy = *option;
        }
        copy->rect = QRect(ox, oy, nx, ny);
        QPainter p(&small);
        QProxyStyle::drawPrimitive(PE_FrameTabWidget, copy, &p, widget);
    }
    small.setDevicePixelRatio(1.0);  // copied pixel for pixel below
    // In device pixels: the small frame's two halves at the two ends, the
    // row or column at the middle stretched between them.
    const int shiftL = int(std::lround(from.x() - ox * ratio)), shiftR = int(std::lround(to.x() - (ox + nx) * ratio));
    const int shiftT = int(std::lround(from.y() - oy * ratio)), shiftB = int(std::lround(to.y() - (oy + ny) * ratio));
    const int cx = int((ox + nx / 2) * ratio), cy = int((oy + ny / 2) * ratio);
    const int w = small.width(), h = small.height();
    painter->save();
    // Device pixels: undo the scaling and the offsets painting applies.
    painter->setWorldTransform(painter->worldTransform() * toDevice.inverted());
    for (const auto &[x0, x1, dx] : {std::array{0, cx, shiftL}, std::array{cx, w, shiftR}})
        for (const auto &[y0, y1, dy] : {std::array{0, cy, shiftT}, std::array{cy, h, shiftB}})
            painter->drawImage(QPoint(x0 + dx, y0 + dy), small, QRect(x0, y0, x1 - x0, y1 - y0));
    const auto fill = [&](const QRect &area, int x, int y) {
        const QColor c = small.pixelColor(x, y);
        if (c.alpha() > 0 && !area.isEmpty())
            painter->fillRect(area, c);
    };
    const int stretchW = shiftR - shiftL, stretchH = shiftB - shiftT;
    for (int y = 0; y < h; ++y)  // the rows between the two halves
        fill(QRect(cx + shiftL, y + (y < cy ? shiftT : shiftB), stretchW, 1), cx - 1, y);
    for (int x = 0; x < w; ++x)  // the columns between the two halves
        fill(QRect(x + (x < cx ? shiftL : shiftR), cy + shiftT, 1, stretchH), x, cy - 1);
    fill(QRect(cx + shiftL, cy + shiftT, stretchW, stretchH), cx - 1, cy - 1);
    painter->restore();
    beneath_ = small.pixelColor(cx - 1, cy - 1);  // what the page's group boxes lie on
}

SharedWidthTabBar::SharedWidthTabBar(int width, int height, QWidget *parent)
    : QTabBar(parent), width_(width), height_(height)
{
}

void SharedWidthTabBar::Resize(int width, int height)
{
    if (width == width_ && height == height_)
        return;
    width_ = width;
    height_ = height;
    setElideMode(elideMode());  // measures the tabs again
}

QSize SharedWidthTabBar::tabSizeHint(int index) const
{
    const QSize natural = QTabBar::tabSizeHint(index);
    const int share = width_ / std::max(1, count());
    // Never narrower or lower than the caption needs: its line, and its ink
    // with every font it falls back to.
    const QString key = tabText(index) + QChar(0) + font().key() + QChar(0) + QString::number(share) + QChar(0) +
                        QString::number(height_);
    if (!heights_.contains(key)) {
        // Centred, the ink keeps clear of an unselected tab's frame, which
        // is drawn lower: four rows above, three below.
        int height = std::max(height_, fontMetrics().height() + 6);
        for (int grown = 0; grown < 24; ++grown, ++height) {
            const auto [top, bottom] = InkRows(tabText(index), font(), Qt::AlignCenter, QSize(share, height), 1.0);
            if (bottom < top || (top >= 4 && bottom <= height - 4))
                break;
        }
        heights_.insert(key, height);
    }
    return QSize(std::max(share, natural.width()), heights_.value(key));
}

TabbedDialog::TabbedDialog(const QRect &geometry, int tabHeight, QWidget *parent) : QTabWidget(parent)
{
    setTabBar(new SharedWidthTabBar(geometry.width(), tabHeight, this));
    PlaceDrawn(this, geometry);
}

void TabbedDialog::Place(const QRect &geometry, int tabHeight)
{
    static_cast<SharedWidthTabBar *>(tabBar())->Resize(geometry.width(), tabHeight);
    PlaceDrawn(this, geometry);
    placeSheets();  // a hidden widget hears of its new size only when shown
}

QWidget *TabbedDialog::addSheet(const QString &caption)
{
    auto *page = new QWidget;
    auto *sheet = new QWidget(page);
    sheet->resize(size());  // its controls are mirrored within this width
    addTab(page, caption);
    sheets_.push_back(sheet);
    return sheet;
}

bool TabbedDialog::event(QEvent *event)
{
    const bool handled = QTabWidget::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Resize:
    case QEvent::LayoutRequest:
    case QEvent::StyleChange:
    case QEvent::FontChange:
        placeSheets();
        break;
    default:
        break;
    }
    return handled;
}

void TabbedDialog::placeSheets()
{
    // Pages fill a stack below the tab strip; shift each sheet back by the
    // stack's offset so that its origin is the tab widget's own corner.
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        const QWidget *stack = sheets_[i]->parentWidget()->parentWidget();
        const QPoint offset = stack ? stack->pos() : QPoint();
        sheets_[i]->setGeometry(QRect(-offset, size()));
    }
}

}  // namespace sumbrix
