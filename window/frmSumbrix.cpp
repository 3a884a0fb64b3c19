// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSumbrix.h"

#include "colours.h"
#include "fonts.h"
#include "language.h"

#include "learningtools.h"
#include "sumbrix-rendered.h"
#include "sumbrix.xpm"
#include "openbrowser.h"
#include "settings.h"
#include "speech.h"
#include "twips.h"
#include "widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWheelEvent>

using sumbrix::Control;

namespace {

constexpr int kProblemPixels = 16;  // 12 pt at 96 dpi
constexpr int kScorePixels = 21;    // 15.75 pt at 96 dpi
constexpr QRect kTabsTwips(240, 480, 5775, 3855);
constexpr int kTabTwips = 295;  // the tab strip's height
constexpr int kWidthTwips = 6225, kHeightTwips = 4605;

// Places a control at its drawn place, given in twips; SetZoom scales it.
template <class W>
W *Place(W *widget, const char *name, const QRect &twips, sumbrix::Order order = sumbrix::Order::Reading)
{
    widget->setObjectName(QLatin1String(name));
    sumbrix::PlaceTwips(widget, twips, 100, order);
    return widget;
}

template <class L = QLabel>
L *MakeLabel(QWidget *parent, const char *name, const QString &text, const QRect &twips,
             Qt::Alignment align = Qt::AlignLeft, sumbrix::Order order = sumbrix::Order::Reading)
{
    auto *label = Place(new L(text, parent), name, twips, order);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(align | Qt::AlignTop);
    return label;
}

void Describe(QWidget *w, const QString &name, const QString &description)
{
    if (!name.isEmpty())
        w->setAccessibleName(name);
    w->setAccessibleDescription(description);
}

void Colour(QWidget *w, QPalette::ColorRole role, const QColor &text, std::initializer_list<QPalette::ColorGroup> groups)
{
    QPalette p = w->palette();
    for (auto group : groups)
        p.setColor(group, role, text);
    w->setPalette(p);
}

// Window background behind window text, whatever the page colour.
void OnWindowColour(QLabel *label)
{
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Base);
    label->setForegroundRole(QPalette::Text);
}

}  // namespace

frmSumbrix::frmSumbrix(QWidget *parent) : QWidget(parent)
{
    CreateControls();
    ColourTexts();
    WireEvents();
    Form_Load();
}

void frmSumbrix::CreateControls()
{
    setObjectName(QStringLiteral("frmSumbrix"));
    const QLocale language = sumbrix::WindowLanguage();
    setWindowTitle(QStringLiteral("Sumbrix"));
    // The 16-pixel original, and the vector drawing's pixels for larger
    // sizes; both are built in, so no image decoder or plugin is loaded.
    // Still larger sizes come from the installed icon theme.
    QIcon icon{QPixmap(sumbrix_xpm)};
    for (const auto &rendered : sumbrix_icon::rendered)
        icon.addPixmap(QPixmap::fromImage(
            QImage(rendered.rgba, rendered.size, rendered.size, QImage::Format_RGBA8888)));
    setWindowIcon(icon);
    // The window is the whole program, so its font is the application's
    // too: text a widget lays out before it takes its own font (a line
    // edit's does) then needs no second font loaded.
    const QFont font = sumbrix::WindowFont(language);
    if (QApplication::font() != font)
        QApplication::setFont(font);
    setFont(font);
    setFixedSize(sumbrix::Px(kWidthTwips), sumbrix::Px(kHeightTwips));

    SSTab1 = new sumbrix::TabbedDialog(sumbrix::TwipsRect(kTabsTwips), sumbrix::Px(kTabTwips), this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    QWidget *problem = SSTab1->addSheet(tr("Problem"));
    QWidget *diagnostics = SSTab1->addSheet(tr("Diagnostics"));
    SSTab1->setCurrentIndex(0);
    for (int i = 0; i < SSTab1->count(); ++i)
        sumbrix::NamedPage(SSTab1->widget(i), SSTab1->tabText(i));
    sumbrix::SayPageOnTurn(SSTab1);

    // Diagnostics page
    cmdGotoQuor = Place(new QPushButton(tr("More free learning tools at %1").arg(sumbrix::LearningToolsAddress()),
                                        diagnostics),
                        "cmdGotoQuor", QRect(720, 2520, 4335, 375));
    List1 = Place(new QListWidget(diagnostics), "List1", QRect(240, 480, 5295, 1620));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setSortingEnabled(false);
    auto *rows = new sumbrix::HistoryDelegate(List1);
    rows->Sample(QCoreApplication::translate("sumbrix::Quiz", "Begin"));
    List1->setItemDelegate(rows);
    List1->setUniformItemSizes(true);

    // Score sheet
    Frame1 = Place(new QGroupBox(tr("Score Sheet"), problem), "Frame1", QRect(3120, 840, 2415, 2775));
    Label5 = MakeLabel<sumbrix::FittedLabel>(Frame1, "Label5", tr("Your score"), QRect(720, 1920, 1095, 255), Qt::AlignHCenter);
    lblScore = MakeLabel<sumbrix::FittedLabel>(Frame1, "lblScore", QStringLiteral("S"), QRect(600, 2160, 1215, 495),
                                               Qt::AlignHCenter);
    lblScore->setFont(sumbrix::ProblemFont(language, kScorePixels));
    sumbrix::DrawnPixels(lblScore, kScorePixels, 100);
    Line1 = Place(new QFrame(Frame1), "Line1", QRect(120, 600, 2160, 15));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setLineWidth(1);
    lblNRight = MakeLabel(Frame1, "lblNRight", QStringLiteral("#right"), QRect(240, 720, 495, 255), Qt::AlignHCenter);
    lblNWrong = MakeLabel(Frame1, "lblNWrong", QStringLiteral("#wrong"), QRect(960, 720, 495, 255), Qt::AlignHCenter);
    lblPctRight = MakeLabel(Frame1, "lblPctRight", QStringLiteral("%right"), QRect(1560, 720, 615, 255), Qt::AlignHCenter);
    //: Heading of the count of right answers; the box is 33 pixels wide.
    Label6 = MakeLabel<sumbrix::FittedLabel>(Frame1, "Label6", tr("Right"), QRect(240, 360, 495, 255));
    //: Heading of the count of wrong answers; the box is 33 pixels wide.
    Label7 = MakeLabel<sumbrix::FittedLabel>(Frame1, "Label7", tr("Wrong"), QRect(960, 360, 495, 255));
    Label8 = MakeLabel(Frame1, "Label8", sumbrix::NumberLocale().percent(), QRect(1680, 360, 495, 255),
                       Qt::AlignHCenter);

    // The problem line: first number, operator, second number, "=", answer
    Frame2 = Place(new QGroupBox(tr("Problem du jour "), problem), "Frame2", QRect(240, 2400, 2775, 1215));
    //: How schoolbooks in this language write a sum such as 4 + 1 = 5: translate as LTR when it reads from left to right, as RTL when it reads from right to left. Only a right-to-left language may need RTL; every other language writes LTR.
    const auto sum = tr("SUM_DIRECTION") == QLatin1String("RTL") ? sumbrix::Order::Reading : sumbrix::Order::LeftToRight;
    // Line edits are made empty and given their text afterwards: one made
    // with text first lays it out in the application's font, which would
    // load a font the window never shows.
    txtAnswer = Place(new sumbrix::AnswerBox(Frame2), "txtAnswer", QRect(2040, 320, 615, 390), sum);
    txtAnswer->setFont(sumbrix::ProblemFont(language, kProblemPixels));
    sumbrix::DrawnPixels(txtAnswer, kProblemPixels, 100);
    txtAnswer->setMaxLength(std::numeric_limits<int>::max());
    txtAnswer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    txtAnswer->setText(QStringLiteral("?"));
    lblTimer = MakeLabel(Frame2, "lblTimer", QStringLiteral("T"), QRect(1560, 840, 375, 255), Qt::AlignRight);
    //: Before the seconds spent on the problem; the box is 25 pixels wide.
    Label3 = MakeLabel<sumbrix::FittedLabel>(Frame2, "Label3", tr("Time:"), QRect(1080, 840, 375, 255));
    lblArg1 = MakeLabel(Frame2, "lblArg1", QStringLiteral("Arg1"), QRect(120, 360, 615, 280), Qt::AlignHCenter, sum);
    lblOps = MakeLabel(Frame2, "lblOps", QString(), QRect(780, 360, 255, 255), Qt::AlignHCenter, sum);
    lblArg2 = MakeLabel(Frame2, "lblArg2", QStringLiteral("Arg2"), QRect(1080, 360, 615, 280), Qt::AlignHCenter, sum);
    Label11 = MakeLabel<sumbrix::FittedLabel>(Frame2, "Label11", QStringLiteral("="), QRect(1800, 360, 135, 255),
                                              Qt::AlignHCenter, sum);
    for (QLabel *l : {lblArg1, lblOps, lblArg2, Label11}) {
        l->setFont(sumbrix::ProblemFont(language, kProblemPixels));
        sumbrix::DrawnPixels(l, kProblemPixels, 100);
        // The large glyphs fill these boxes; centre them so none is cut.
        l->setAlignment((l->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
    }
    for (QLabel *l : {lblArg1, lblOps, lblArg2})
        OnWindowColour(l);
    if (sum == sumbrix::Order::LeftToRight)
        for (QWidget *w : std::initializer_list<QWidget *>{lblArg1, lblOps, lblArg2, Label11, txtAnswer})
            w->setLayoutDirection(Qt::LeftToRight);

    // Setup: operation and range
    Frame3 = Place(new QGroupBox(tr("Setup "), problem), "Frame3", QRect(240, 840, 2775, 1455));
    boxOp = Place(new QComboBox(Frame3), "boxOp", QRect(360, 360, 1935, 315));
    boxOp->setEditable(false);
    // Unhinted, a small capital keeps its marks (Hungarian "Ö", Romanian
    // "Î"): hinting merges them into the letter's top.
    // Only the hinting is their own: the size follows the window's zoom.
    for (QWidget *w : std::initializer_list<QWidget *>{boxOp, List1}) {
        QFont unhinted;
        unhinted.setHintingPreference(QFont::PreferNoHinting);
        w->setFont(unhinted);
    }
    txtMin = Place(new QLineEdit(Frame3), "txtMin", QRect(360, 1000, 255, 225));
    txtMin->setReadOnly(true);  // shown for reference; the operation sets it
    // Out of the Tab order: a read-only box would only have its text
    // selected and read back as "selected".
    txtMin->setFocusPolicy(Qt::NoFocus);
    txtMax = Place(new QLineEdit(Frame3), "txtMax", QRect(840, 960, 375, 285));
    txtMax->setEnabled(false);
    HScroll1 = Place(new QScrollBar(Qt::Horizontal, Frame3), "HScroll1", QRect(1320, 960, 1215, 255));
    HScroll1->setRange(0, 20);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(2);
    HScroll1->setValue(0);
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    // Qt's horizontal scroll bar steps left on the Right key unless told otherwise.
    HScroll1->setInvertedControls(false);
    // A drag reports its moves through sliderMoved and its end through valueChanged.
    HScroll1->setTracking(false);
    for (QLineEdit *e : {txtMin, txtMax}) {
        e->setTextMargins(0, 0, 0, 0);
        sumbrix::SpokenBox(e);
    }
    txtMin->setText(QStringLiteral("1"));
    txtMax->setText(QStringLiteral("RangeMax"));
    //: Above the smallest number drawn; the box is 25 pixels wide.
    Label1 = MakeLabel<sumbrix::FittedLabel>(Frame3, "Label1", tr("from"), QRect(320, 720, 375, 255));
    //: Above the largest number drawn; the box is 17 pixels wide.
    Label2 = MakeLabel<sumbrix::FittedLabel>(Frame3, "Label2", tr("to"), QRect(900, 720, 255, 255));

    // Diagnostics page, below the history
    Label4 = MakeLabel<sumbrix::FittedLabel>(diagnostics, "Label4",
                       tr("Sumbrix is a free product.  Share it with anyone who likes numbers."),
                       QRect(720, 3240, 4335, 495), Qt::AlignHCenter);
    Label4->setWordWrap(true);
    Label16 = MakeLabel<sumbrix::FittedLabel>(diagnostics, "Label16",
                        tr("Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.")
                            .arg(sumbrix::LocalDigits(QStringLiteral(SUMBRIX_VERSION), sumbrix::WindowZeroDigit())),
                        QRect(360, 3000, 5055, 255), Qt::AlignHCenter);
    Image1 = Place(new sumbrix::ClickableImage(diagnostics), "Image1", QRect(2760, 2160, 240, 240));
    // The 16-pixel look at scale 1, the smooth drawing on denser screens.
    Image1->setPixmap(icon.pixmap(QSize(16, 16), devicePixelRatioF()));
    captionPixels_ = font.pixelSize();
    Image1->setCursor(Qt::PointingHandCursor);

    if (QApplication::style()->name() == QLatin1String("fusion")) {
        auto *frames = new sumbrix::FrameStyle(QStringLiteral("fusion"));
        frames->setParent(this);  // after the pages, so it outlives the boxes it draws
        for (QGroupBox *frame : {Frame1, Frame2, Frame3})
            frame->setStyle(frames);
        SSTab1->setStyle(frames);
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer1->start();

    // Keyboard order: answer, pages, then the settings, then the history page.
    // The tab strip itself takes the focus. The tab widget stays out of the
    // chain: as a focus proxy it would drag both pages along with the strip
    // and Tab would visit the strip twice.
    QWidget *strip = SSTab1->tabBar();
    SSTab1->setFocusProxy(nullptr);
    SSTab1->setFocusPolicy(Qt::NoFocus);
    setTabOrder(txtAnswer, strip);
    setTabOrder(strip, HScroll1);
    setTabOrder(HScroll1, boxOp);
    setTabOrder(boxOp, List1);
    setTabOrder(List1, cmdGotoQuor);
    txtAnswer->setFocus();

    Describe(SSTab1, tr("Pages"), tr("Problem and Diagnostics pages"));
    sumbrix::PlainPageStack(SSTab1);
    // Frames are read by their titles, without the trailing blank.
    for (QGroupBox *frame : {Frame1, Frame2, Frame3})
        frame->setAccessibleName(frame->title().trimmed());
    Describe(boxOp, {}, tr("Operation"));
    Describe(txtMin, tr("From"), tr("Smallest number drawn"));
    Describe(txtMax, tr("To"), tr("Largest number drawn"));
    Describe(HScroll1, tr("Largest number"), tr("Sets the largest number drawn"));
    Describe(lblArg1, {}, tr("First number"));
    Describe(lblOps, {}, tr("Operation sign"));
    Describe(lblArg2, {}, tr("Second number"));
    Describe(txtAnswer, {}, tr("Type the answer, then press Enter"));  // named with its problem
    Describe(lblTimer, {}, tr("Seconds on this problem"));
    Describe(lblNRight, {}, tr("Right answers"));
    Describe(lblNWrong, {}, tr("Wrong answers"));
    Describe(lblPctRight, {}, tr("Percent right"));
    Describe(lblScore, {}, tr("Score"));
    Describe(List1, tr("History"), tr("Every graded answer with its time"));
    Describe(cmdGotoQuor, cmdGotoQuor->text(), tr("Opens the learning-tools page in the browser"));
    Describe(Image1, tr("Learning tools"), tr("Picture that opens the learning-tools page"));

    surface_.UseNumbers(sumbrix::NumberLocale());
    txtAnswer->UseDigits(sumbrix::WindowZeroDigit());
    surface_.IsolateSums(isRightToLeft() && sum == sumbrix::Order::LeftToRight);
    surface_.Bind(Control::txtMin, txtMin);
    surface_.Bind(Control::txtMax, txtMax);
    surface_.Bind(Control::lblOps, lblOps);
    surface_.Bind(Control::lblArg1, lblArg1);
    surface_.Bind(Control::lblArg2, lblArg2);
    surface_.Bind(Control::txtAnswer, txtAnswer);
    surface_.Bind(Control::lblNRight, lblNRight);
    surface_.Bind(Control::lblNWrong, lblNWrong);
    surface_.Bind(Control::lblPctRight, lblPctRight);
    surface_.Bind(Control::lblScore, lblScore);
    surface_.Bind(Control::lblTimer, lblTimer);
    surface_.Bind(boxOp, HScroll1, List1);

    openingZoom_ = FindOpeningZoom();
}

void frmSumbrix::WireEvents()
{
    // currentIndexChanged and valueChanged also fire when code sets them,
    // which the start-up sequence relies on.
    connect(boxOp, &QComboBox::currentIndexChanged, this, &frmSumbrix::boxOp_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmSumbrix::HScroll1_Change);
    connect(HScroll1, &QScrollBar::sliderMoved, this, &frmSumbrix::HScroll1_Scroll);
    connect(Timer1, &QTimer::timeout, this, &frmSumbrix::Timer1_Timer);
    connect(txtAnswer, &sumbrix::AnswerBox::keyPressed, this, &frmSumbrix::txtAnswer_KeyPress);
    connect(Image1, &sumbrix::ClickableImage::clicked, this, &frmSumbrix::Image1_Click);
    connect(cmdGotoQuor, &QPushButton::clicked, this, &frmSumbrix::cmdGotoQuor_Click);
    // Turned from inside a page (Ctrl+Tab), a page is entered at its first
    // control: the answer box, or the history. Qt would go back to the
    // control that last had the focus there.
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int index) {
        QWidget *first = index == 0 ? static_cast<QWidget *>(txtAnswer) : List1;
        if (QWidget *focused = QApplication::focusWidget(); focused && SSTab1->currentWidget()->isAncestorOf(focused))
            first->setFocus(Qt::TabFocusReason);
    });
    // Ctrl+Q closes, as in every desktop program.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this, &QWidget::close);
    // Ctrl+R turns reading aloud on and off: no control uses it, and a
    // child typing digits does not press Ctrl.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this), &QShortcut::activated, this,
            &frmSumbrix::ToggleReadAloud);
    // Zoom as in a browser. Ctrl+= is Ctrl++ without Shift on a US
    // keyboard; the keypad's keys find these when nothing else is bound.
    const auto keys = [this](std::initializer_list<QKeySequence> sequences, void (frmSumbrix::*slot)()) {
        for (const QKeySequence &sequence : sequences)
            connect(new QShortcut(sequence, this), &QShortcut::activated, this, slot);
    };
    keys({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, &frmSumbrix::ZoomIn);
    keys({QKeySequence::ZoomOut}, &frmSumbrix::ZoomOut);
    keys({QKeySequence(Qt::CTRL | Qt::Key_0)}, &frmSumbrix::ZoomReset);
    // Ctrl+wheel too, over any control: the scroll bar and the list would
    // take it as a scroll.
    qApp->installEventFilter(this);
}

bool frmSumbrix::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel || !watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != this)
        return false;
    const auto *wheel = static_cast<QWheelEvent *>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    // A touchpad turns in small steps: a zoom step per notch's worth.
    wheelTurned_ += wheel->angleDelta().y();
    for (; wheelTurned_ >= 120; wheelTurned_ -= 120)
        ZoomIn();
    for (; wheelTurned_ <= -120; wheelTurned_ += 120)
        ZoomOut();
    return true;
}

void frmSumbrix::Form_Load()
{
    quiz_.Start();
    ProblemShown();
}

void frmSumbrix::boxOp_Click()
{
    if (!quiz_.OperationChosen())
        Refused();
    ProblemShown();
    sumbrix::SayChosenItem(boxOp);
    readAloud_.Say(boxOp->currentText());
    readAloud_.Say(SpokenProblem(), false);
}

void frmSumbrix::HScroll1_Change(int value)
{
    if (!quiz_.RangeTopChanged(value))
        Refused();
    ProblemShown();
    // The thumb has come to rest (a drag ends here too): say the range.
    readAloud_.Say(sumbrix::SpokenRange(State().RangeMin, State().RangeMax, SpokenProblem()));
}

void frmSumbrix::HScroll1_Scroll(int value)
{
    if (!quiz_.RangeTopChanged(value))
        Refused();
    ProblemShown();
}

void frmSumbrix::Timer1_Timer() { quiz_.TimerTick(); }

void frmSumbrix::txtAnswer_KeyPress(int KeyAscii)
{
    // Let the clock repaint first, but keep further keys queued in order so
    // quickly typed digits are never reordered or lost.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (KeyAscii != 13)
        return;
    const sumbrix::QuizState before = quiz_.State();
    if (!quiz_.CheckAnswer()) {
        Refused();
        return;
    }
    const sumbrix::QuizState &after = quiz_.State();
    const auto verdict = after.NRight > before.NRight   ? sumbrix::Verdict::Right
                         : after.NWrong > before.NWrong ? sumbrix::Verdict::Wrong
                                                        : sumbrix::Verdict::None;
    const QString problem = SpokenProblem();
    sumbrix::SayAfterEnter(txtAnswer, verdict, problem, AnswerName(problem));
    readAloud_.Say(sumbrix::SpokenAfterEnter(verdict, problem));
}

QString frmSumbrix::SpokenProblem() const
{
    return sumbrix::SpokenProblem(lblArg1->text(), QString::fromStdString(surface_.Text(sumbrix::Control::lblOps)),
                                  lblArg2->text());
}

//: The answer box as a screen reader names it; %1 is the problem in words.
QString frmSumbrix::AnswerName(const QString &problem) const { return tr("Answer to %1").arg(problem); }

// The answer box carries the problem in its name, so a screen reader reads
// the problem whenever the box takes the focus.
void frmSumbrix::ProblemShown() { txtAnswer->setAccessibleName(AnswerName(SpokenProblem())); }

void frmSumbrix::ColourTexts()
{
    // Blue and red as designed on a light palette; on a dark or
    // high-contrast one, as light as they must be to be read.
    const sumbrix::TextColours colours = sumbrix::ReadableColours(palette(), SSTab1);
    const auto all = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};
    Colour(lblNRight, QPalette::WindowText, colours.right, all);
    Colour(lblNWrong, QPalette::WindowText, colours.wrong, all);
    txtMax->setPalette(QPalette());  // the window's own, then the locked text on it
    if (colours.locked.isValid())
        Colour(txtMax, QPalette::Text, colours.locked, {QPalette::Disabled});
}

void frmSumbrix::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        ColourTexts();
}

void frmSumbrix::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // The speech engine connects synchronously: the window is shown first.
    if (readAloudAtFirstFrame_) {
        readAloudAtFirstFrame_ = false;
        QTimer::singleShot(0, this, &frmSumbrix::StartReadingAloud);
    }
}

void frmSumbrix::StartReadingAloud()
{
    readAloud_.SetOn(true);
    readAloud_.Say(SpokenProblem());
}

void frmSumbrix::ToggleReadAloud()
{
    if (readAloud_.IsOn()) {
        readAloud_.Say(sumbrix::SpokenReadingAloud(false));
        readAloud_.SetOn(false);
        return;
    }
    readAloud_.SetOn(true);
    readAloud_.Say(sumbrix::SpokenReadingAloud(true));
    readAloud_.Say(SpokenProblem(), false);
}

// The smallest zoom at which every caption, at its script's own size, is
// drawn whole: made no narrower or lower than 90 % of its font.
int frmSumbrix::FindOpeningZoom()
{
    const int most = LargestZoom();
    for (const int step : sumbrix::kZoomSteps) {
        if (step > most)
            break;
        openingZoom_ = step;  // the captions at the script's size at this step
        SetZoom(step);
        const auto captions = findChildren<sumbrix::FittedLabel *>();
        if (std::all_of(captions.begin(), captions.end(), [](const sumbrix::FittedLabel *caption) {
                // A wrapped notice is not squeezed at all: its lines would crowd.
                return caption->property("sumbrixPixels").isValid() ||
                       caption->Squeeze() >= (caption->wordWrap() ? 1.0 : 0.9);
            }))
            break;
    }
    return openingZoom_;
}

int frmSumbrix::LargestZoom() const
{
    const QScreen *shown = screen();
    if (!shown)
        return sumbrix::kZoomMost;
    return sumbrix::LargestZoom(kWidthTwips, kHeightTwips, frameGeometry().size() - size(),
                                shown->availableGeometry().size());
}

void frmSumbrix::SetZoom(int percent)
{
    const int zoom = std::clamp(percent, sumbrix::kZoomLeast, std::min(sumbrix::kZoomMost, LargestZoom()));
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    setUpdatesEnabled(false);  // one repaint, of the whole window at its new size
    setFixedSize(sumbrix::Px(kWidthTwips, zoom), sumbrix::Px(kHeightTwips, zoom));
    // The captions keep the script's size at its opening zoom.
    sumbrix::DrawnPixels(this, captionPixels_ * 100 / openingZoom_, zoom);
    if (QApplication::font() != font())
        QApplication::setFont(font());  // the operation list's popup, too
    SSTab1->Place(sumbrix::TwipsRect(kTabsTwips, zoom), sumbrix::Px(kTabTwips, zoom));
    sumbrix::Rezoom(this, zoom);
    Line1->setLineWidth(std::max(1, sumbrix::Px(15, zoom)));
    static_cast<sumbrix::HistoryDelegate *>(List1->itemDelegate())->Zoom(zoom);
    List1->doItemsLayout();  // rows of the new height
    Image1->setPixmap(windowIcon().pixmap(Image1->size(), devicePixelRatioF()));  // 16 pixels, zoomed
    // Grown past the screen's edge, it moves back inside.
    if (const QScreen *shown = screen(); shown && isVisible()) {
        const QRect free = shown->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveRight(std::min(frame.right(), free.right()));
        frame.moveBottom(std::min(frame.bottom(), free.bottom()));
        frame.moveLeft(std::max(frame.left(), free.left()));
        frame.moveTop(std::max(frame.top(), free.top()));
        if (frame.topLeft() != frameGeometry().topLeft())
            move(frame.topLeft());
    }
    setUpdatesEnabled(true);
}

void frmSumbrix::ZoomChosen(int percent)
{
    SetZoom(percent);
    if (keepZoom_)
        sumbrix::KeepZoom(zoom_ == openingZoom_ ? std::nullopt : std::optional<int>(zoom_));
}

void frmSumbrix::ZoomIn() { ZoomChosen(sumbrix::ZoomStep(zoom_, +1, LargestZoom())); }

void frmSumbrix::ZoomOut() { ZoomChosen(sumbrix::ZoomStep(zoom_, -1)); }

// Back to the size the language opens at, which is kept no longer.
void frmSumbrix::ZoomReset() { ZoomChosen(openingZoom_); }

void frmSumbrix::Image1_Click() { OpenBrowser(sumbrix::LearningToolsUrl()); }

void frmSumbrix::cmdGotoQuor_Click() { OpenBrowser(sumbrix::LearningToolsUrl()); }

bool frmSumbrix::OpenBrowser(const QString &URL) { return sumbrix::OpenBrowser(URL); }

// An event the arithmetic could not carry out changed nothing; say so softly.
void frmSumbrix::Refused() { QApplication::beep(); }
