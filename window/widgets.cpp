#include "widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace sumbrix {

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    int keyAscii = -1;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        keyAscii = 13;
    else if (!event->text().isEmpty())
        keyAscii = event->text().front().unicode();
    if (keyAscii >= 0)
        emit keyPressed(keyAscii);
    // The key is never consumed: the line edit still gets it.
    QLineEdit::keyPressEvent(event);
}

void FittedLabel::paintEvent(QPaintEvent *event)
{
    const QRect box = contentsRect();
    const QFontMetrics metrics = fontMetrics();
    if (metrics.horizontalAdvance(text()) <= box.width()) {
        QLabel::paintEvent(event);
        return;
    }
    const QRect ink = metrics.tightBoundingRect(text());
    if (ink.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    // Narrow the glyphs, keeping their height and the same font: a smaller
    // size would load a further font just for this. A pixel of room is left
    // on each side for the antialiased edges.
    const qreal room = std::max(1, box.width() - 2);
    const qreal scale = std::min<qreal>(1.0, room / ink.width());
    QPainter painter(this);
    painter.translate(box.left() + (box.width() - ink.width() * scale) / 2 - ink.left() * scale, 0);
    painter.scale(scale, 1.0);
    const QRect line(0, box.top(), metrics.horizontalAdvance(text()) + 1, box.height());
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

void HistoryDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->text.size() > kShown)
        option->text = option->text.left(kShown) + QChar(0x2026);
}

SharedWidthTabBar::SharedWidthTabBar(int width, int height, QWidget *parent)
    : QTabBar(parent), width_(width), height_(height)
{
}

QSize SharedWidthTabBar::tabSizeHint(int index) const
{
    const QSize natural = QTabBar::tabSizeHint(index);
    const int share = width_ / std::max(1, count());
    // Never narrower or lower than the caption needs.
    return QSize(std::max(share, natural.width()), std::max(height_, fontMetrics().height() + 6));
}

TabbedDialog::TabbedDialog(const QRect &geometry, int tabHeight, QWidget *parent) : QTabWidget(parent)
{
    setTabBar(new SharedWidthTabBar(geometry.width(), tabHeight, this));
    setGeometry(geometry);
}

QWidget *TabbedDialog::addSheet(const QString &caption)
{
    auto *page = new QWidget;
    auto *sheet = new QWidget(page);
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
