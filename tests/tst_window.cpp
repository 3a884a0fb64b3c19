// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The real window on the offscreen platform, driven by key presses.
#include "colours.h"
#include "frmSumbrix.h"
#include "conversions.h"
#include "fitting.h"
#include "settings.h"
#include "twips.h"
#include "widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <utility>
#include <QTabWidget>
#include <QtTest>
#include <qpa/qwindowsysteminterface.h>

namespace {

template <class W = QWidget>
W *Find(QWidget &window, const char *name)
{
    auto *w = window.findChild<W *>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

QString Text(QWidget &window, const char *name)
{
    QWidget *w = Find(window, name);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    return qobject_cast<QLabel *>(w)->text();
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private:
    // The answer for the problem shown, as the window presents it.
    static int Expected(frmSumbrix &w) { return w.State().Answer; }

    static void Answer(frmSumbrix &w, const QString &typed)
    {
        auto *answer = Find<QLineEdit>(w, "txtAnswer");
        QTest::keyClicks(answer, typed);
        QTest::keyClick(answer, Qt::Key_Return);
    }

private slots:
    void startUp()
    {
        frmSumbrix w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(Text(w, "txtMin"), QStringLiteral(" 0"));
        QCOMPARE(Text(w, "txtMax"), QStringLiteral(" 6"));
        QCOMPARE(Text(w, "lblOps"), QStringLiteral("+"));
        QCOMPARE(Text(w, "txtAnswer"), QString());
        for (const char *name : {"lblNRight", "lblNWrong", "lblPctRight", "lblScore"})
            QVERIFY2(Text(w, name).isEmpty(), name);
        auto *list = Find<QListWidget>(w, "List1");
        QCOMPARE(list->count(), 1);
        // The time of day in the locale's format (C here), without a time zone.
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d Begin$")).match(list->item(0)->text()).hasMatch(),
                 qPrintable(list->item(0)->text()));
        auto *op = Find<QComboBox>(w, "boxOp");
        QCOMPARE(op->count(), 4);
        QCOMPARE(op->currentText(), QStringLiteral("Addition"));
        QCOMPARE(Find<QScrollBar>(w, "HScroll1")->value(), 6);
        const int a1 = Text(w, "lblArg1").toInt(), a2 = Text(w, "lblArg2").toInt();
        QVERIFY(a1 >= 0 && a1 <= 6 && a2 >= 0 && a2 <= 6);
        QCOMPARE(Expected(w), a1 + a2);
        QCOMPARE(QApplication::focusWidget(), Find(w, "txtAnswer"));
    }

    void choosingOperations()
    {
        frmSumbrix w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *op = Find<QComboBox>(w, "boxOp");
        const struct {
            Qt::Key key;
            const char *sign;
            const char *from;
        } steps[] = {{Qt::Key_Up, "-", " 0"}, {Qt::Key_Up, "x", " 0"}, {Qt::Key_Up, "/", " 1"},
                     {Qt::Key_Down, "x", " 0"}};
        for (const auto &step : steps) {
            QTest::keyClick(op, step.key);
            QCOMPARE(Text(w, "lblOps"), QLatin1String(step.sign));
            QCOMPARE(Text(w, "txtMin"), QLatin1String(step.from));
        }
        // Division never leaves a remainder, subtraction never goes negative.
        QTest::keyClick(op, Qt::Key_Up);
        for (int i = 0; i < 50; ++i) {
            const int a1 = Text(w, "lblArg1").toInt(), a2 = Text(w, "lblArg2").toInt();
            QVERIFY(a2 >= 1 && a1 % a2 == 0);
            QCOMPARE(Expected(w), a1 / a2);
            Answer(w, QString::number(Expected(w)));
        }
        QTest::keyClick(op, Qt::Key_Down);
        QTest::keyClick(op, Qt::Key_Down);
        QCOMPARE(Text(w, "lblOps"), QStringLiteral("-"));
        for (int i = 0; i < 50; ++i) {
            const int a1 = Text(w, "lblArg1").toInt(), a2 = Text(w, "lblArg2").toInt();
            QVERIFY(a1 - a2 >= 0);
            QCOMPARE(Expected(w), a1 - a2);
            Answer(w, QString::number(Expected(w)));
        }
        QCOMPARE(Text(w, "lblNRight"), QStringLiteral(" 100"));
        QCOMPARE(Text(w, "lblPctRight"), QStringLiteral(" 100"));
    }

    void movingTheRange()
    {
        frmSumbrix w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *scroll = Find<QScrollBar>(w, "HScroll1");
        scroll->setFocus();
        QTest::keyClick(scroll, Qt::Key_Right);
        QCOMPARE(Text(w, "txtMax"), QStringLiteral(" 7"));
        QTest::keyClick(scroll, Qt::Key_End);
        QCOMPARE(scroll->value(), 20);
        QCOMPARE(Text(w, "txtMax"), QStringLiteral(" 20"));
        QTest::keyClick(scroll, Qt::Key_Home);
        QCOMPARE(Text(w, "txtMax"), QStringLiteral(" 0"));

        // A drag from 6 to 10 draws a problem at every step on the way.
        scroll->setValue(6);
        QSignalSpy moves(scroll, &QScrollBar::sliderMoved);
        scroll->setSliderDown(true);
        for (int v = 7; v <= 10; ++v) {
            scroll->setSliderPosition(v);
            QCOMPARE(Text(w, "txtMax"), QStringLiteral(" %1").arg(v));
            QCOMPARE(int(w.State().RangeMax), v);
        }
        scroll->setSliderDown(false);
        QCOMPARE(moves.count(), 4);
        QCOMPARE(scroll->value(), 10);
        QCOMPARE(Text(w, "txtMax"), QStringLiteral(" 10"));
    }

    void grading()
    {
        frmSumbrix w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *list = Find<QListWidget>(w, "List1");
        const QString problem = Text(w, "lblArg1") + "+" + Text(w, "lblArg2");

        Answer(w, QString::number(Expected(w)));
        QCOMPARE(Text(w, "lblNRight"), QStringLiteral(" 1"));
        QCOMPARE(Text(w, "lblNWrong"), QString());
        QCOMPARE(Text(w, "lblPctRight"), QStringLiteral(" 100"));
        QCOMPARE(list->count(), 2);
        QVERIFY2(list->item(1)->text().endsWith(" # 1:" + problem), qPrintable(list->item(1)->text()));
        QCOMPARE(Text(w, "txtAnswer"), QString());
        QCOMPARE(QApplication::focusWidget(), Find(w, "txtAnswer"));

        const QString second = Text(w, "lblArg1") + "+" + Text(w, "lblArg2");
        Answer(w, QStringLiteral("99 bottles"));
        QCOMPARE(Text(w, "lblNWrong"), QStringLiteral(" 1"));
        QCOMPARE(Text(w, "lblPctRight"), QStringLiteral(" 50"));
        QVERIFY(list->item(2)->text().endsWith(" # 2:" + second + "=99 bottles"));

        // Enter on an empty box only draws a new problem.
        const int score = w.State().Score;
        QTest::keyClick(Find(w, "txtAnswer"), Qt::Key_Return);
        QCOMPARE(list->count(), 3);
        QCOMPARE(w.State().Score, score);
        QCOMPARE(w.State().NTotal, sumbrix::Integer(2));

        // Emoji, control characters and a wild hex number are just wrong answers.
        auto *answer = Find<QLineEdit>(w, "txtAnswer");
        while (Expected(w) == 0)  // text that is no number reads as 0
            QTest::keyClick(answer, Qt::Key_Return);
        const int graded = list->count();
        answer->insert(QStringLiteral("\U0001F600\u0007&HFFFFFFFF"));  // as if pasted
        QTest::keyClick(answer, Qt::Key_Return);
        QVERIFY(list->item(graded)->text().endsWith(QStringLiteral("=\U0001F600\u0007&HFFFFFFFF")));

        QCOMPARE(list->count(), graded + 1);
        QCOMPARE(Text(w, "lblNWrong"), QStringLiteral(" 2"));
        QCOMPARE(Text(w, "lblScore"), QString::fromStdString(sumbrix::SignedText(w.State().Score)));

        // A megabyte of digits is just a long wrong answer, logged whole.
        const QString megabyte(1 << 20, u'7');
        answer->insert(megabyte);
        QTest::keyClick(answer, Qt::Key_Return);
        QCOMPARE(list->count(), graded + 2);
        QVERIFY(list->item(graded + 1)->text().endsWith("=" + megabyte));
        // It is drawn cut short, so showing the history does not stall.
        QStyleOptionViewItem option;
        option.initFrom(list);
        QVERIFY(list->itemDelegate()->sizeHint(option, list->model()->index(graded + 1, 0)).width() < 20 * list->width());
        QCOMPARE(Text(w, "txtAnswer"), QString());
        QCOMPARE(Text(w, "lblNWrong"), QStringLiteral(" 3"));
    }

    void quickTypingKeepsOrder()
    {
        frmSumbrix w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *list = Find<QListWidget>(w, "List1");
        // Queue the whole answer as the window system would for a fast typist,
        // before any of it is handled.
        QWindow *window = w.windowHandle();
        const struct {
            Qt::Key key;
            const char *text;
        } keys[] = {{Qt::Key_9, "9"}, {Qt::Key_8, "8"}, {Qt::Key_7, "7"}, {Qt::Key_Return, "\r"}};
        for (const auto &k : keys) {
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
                QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
                    window, type, k.key, Qt::NoModifier, QString::fromLatin1(k.text));
        }
        QTRY_COMPARE(list->count(), 2);
        QVERIFY2(list->item(1)->text().endsWith(QLatin1String("=987")), qPrintable(list->item(1)->text()));
        QCOMPARE(Text(w, "txtAnswer"), QString());
        // The accessibility bridge hands each key back from its reply, which
        // can come while the key before is still handled: "6", "5", Enter.
        auto *answer = Find<sumbrix::AnswerBox>(w, "txtAnswer");
        const auto send = [answer](Qt::Key key, const char *text) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString::fromLatin1(text));
            QCoreApplication::sendEvent(answer, &event);
        };
        bool handedBack = false;
        connect(answer, &sumbrix::AnswerBox::keyPressed, &w, [&](int key) {
            if (key == '6' && !std::exchange(handedBack, true)) {
                send(Qt::Key_5, "5");
                send(Qt::Key_Return, "\r");
            }
        });
        send(Qt::Key_6, "6");
        QCOMPARE(list->count(), 3);
        QVERIFY2(list->item(2)->text().endsWith(QLatin1String("=65")), qPrintable(list->item(2)->text()));
        QCOMPARE(Text(w, "txtAnswer"), QString());
    }

    void clockCounts()
    {
        frmSumbrix w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *timer = Find<QLabel>(w, "lblTimer");
        QTRY_VERIFY(!timer->text().isEmpty());
        bool ok = false;
        const int shown = timer->text().toInt(&ok);
        QVERIFY(ok && shown >= 0 && !timer->text().startsWith(' '));
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");
        const struct {
            const char *control, *container;
            int l, t, w, h;
        } rows[] = {
            {"SSTab1", "frmSumbrix", 240, 480, 5775, 3855},
            {"Frame3", "SSTab1", 240, 840, 2775, 1455},
            {"Frame2", "SSTab1", 240, 2400, 2775, 1215},
            {"Frame1", "SSTab1", 3120, 840, 2415, 2775},
            {"boxOp", "Frame3", 360, 360, 1935, 315},
            {"txtMin", "Frame3", 360, 1000, 255, 225},
            {"txtMax", "Frame3", 840, 960, 375, 285},
            {"HScroll1", "Frame3", 1320, 960, 1215, 255},
            {"Label1", "Frame3", 320, 720, 375, 255},
            {"Label2", "Frame3", 900, 720, 255, 255},
            {"txtAnswer", "Frame2", 2040, 320, 615, 390},
            {"lblTimer", "Frame2", 1560, 840, 375, 255},
            {"Label3", "Frame2", 1080, 840, 375, 255},
            {"lblArg1", "Frame2", 120, 360, 615, 280},
            {"lblOps", "Frame2", 780, 360, 255, 255},
            {"lblArg2", "Frame2", 1080, 360, 615, 280},
            {"Label11", "Frame2", 1800, 360, 135, 255},
            {"Label5", "Frame1", 720, 1920, 1095, 255},
            {"lblScore", "Frame1", 600, 2160, 1215, 495},
            {"Line1", "Frame1", 120, 600, 2160, 15},
            {"lblNRight", "Frame1", 240, 720, 495, 255},
            {"lblNWrong", "Frame1", 960, 720, 495, 255},
            {"lblPctRight", "Frame1", 1560, 720, 615, 255},
            {"Label6", "Frame1", 240, 360, 495, 255},
            {"Label7", "Frame1", 960, 360, 495, 255},
            {"Label8", "Frame1", 1680, 360, 495, 255},
            {"List1", "SSTab1", 240, 480, 5295, 1620},
            {"Image1", "SSTab1", 2760, 2160, 240, 240},
            {"cmdGotoQuor", "SSTab1", 720, 2520, 4335, 375},
            {"Label16", "SSTab1", 360, 3000, 5055, 255},
            {"Label4", "SSTab1", 720, 3240, 4335, 495},
        };
        for (const auto &r : rows)
            QTest::newRow(r.control) << r.control << r.container << QRect(r.l, r.t, r.w, r.h);
    }
    void geometry()
    {
        QFETCH(QString, control);
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        frmSumbrix w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *tabs = Find<QTabWidget>(w, "SSTab1");
        QWidget *c = Find(w, qPrintable(control));
        if (!c->isVisible())
            tabs->setCurrentIndex(1);
        QWidget *box = container == QLatin1String("frmSumbrix") ? &w : Find(w, qPrintable(container));
        for (const int zoom : {100, 110, 125, 150, 175, 200, 225, 250, 275, 300, 200, 100}) {  // up and down
            w.SetZoom(zoom);
            const QRect actual(c->mapTo(box, QPoint(0, 0)), c->size());
            QCOMPARE(actual, sumbrix::TwipsRect(twips, zoom));
        }
    }

    // The keys and Ctrl+wheel zoom the whole window, fonts and picture too,
    // in steps and back, keeping the choice for the next start; the drill
    // goes on untouched.
    void zoomKeys()
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(sumbrix::SettingsFile());
        frmSumbrix w;
        w.KeepZoomChoice(true);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *answer = Find<QLineEdit>(w, "txtAnswer");
        Answer(w, QString::number(Expected(w)));
        QTest::keyClicks(answer, QStringLiteral("12"));
        const sumbrix::QuizState before = w.State();
        const QString problem = Text(w, "lblArg1") + Text(w, "lblOps") + Text(w, "lblArg2");
        auto *list = Find<QListWidget>(w, "List1");
        const int rowAt100 = list->sizeHintForRow(0);
        using Press = std::tuple<Qt::Key, Qt::KeyboardModifiers, int>;
        for (const auto &[key, modifiers, zoom] :
             {Press{Qt::Key_Plus, Qt::ControlModifier, 110}, {Qt::Key_Equal, Qt::ControlModifier, 125},
              {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, 150}, {Qt::Key_Minus, Qt::ControlModifier, 125},
              {Qt::Key_0, Qt::ControlModifier, 100}, {Qt::Key_Minus, Qt::ControlModifier, 100}}) {
            QTest::keyClick(answer, key, modifiers);
            QCOMPARE(w.Zoom(), zoom);
            QCOMPARE(w.size(), QSize(sumbrix::Px(6225, zoom), sumbrix::Px(4605, zoom)));
            QCOMPARE(w.font().pixelSize(), (10 * zoom + 50) / 100);
            QCOMPARE(Find(w, "lblArg1")->font().pixelSize(), (16 * zoom + 50) / 100);
            QCOMPARE(Find<QLabel>(w, "Image1")->pixmap().deviceIndependentSize(), QSizeF(Find(w, "Image1")->size()));
            QCOMPARE(sumbrix::KeptZoom().value_or(100), zoom);  // the opening size is not kept
            QVERIFY(list->sizeHintForRow(0) >= rowAt100 * zoom / 100);  // history rows grow as boxes do
        }
        // Ctrl+wheel over the scroll bar zooms, a notch a step, and leaves the range alone.
        auto *scroll = Find<QScrollBar>(w, "HScroll1");
        const int range = scroll->value();
        for (const auto &[notch, zoom] : {std::pair{60, 100}, {60, 110}, {-120, 100}}) {
            QWheelEvent turn(QPointF(5, 5), scroll->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, notch), Qt::NoButton,
                             Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(scroll, &turn);
            QCOMPARE(w.Zoom(), zoom);
        }
        QCOMPARE(scroll->value(), range);
        w.KeepZoomChoice(false);  // as under --zoom
        for (int i = 0; i < 20; ++i)
            QTest::keyClick(answer, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(w.Zoom(), sumbrix::kZoomMost);
        QCOMPARE(sumbrix::KeptZoom(), std::nullopt);
        QCOMPARE(answer->text(), QStringLiteral("12"));
        QCOMPARE(Text(w, "lblArg1") + Text(w, "lblOps") + Text(w, "lblArg2"), problem);
        QCOMPARE(QApplication::focusWidget(), answer);
        QCOMPARE(Find<QTabWidget>(w, "SSTab1")->currentIndex(), 0);
        QTest::keyClick(answer, Qt::Key_Return);
        QCOMPARE(w.State().NRight + w.State().NWrong, before.NRight + before.NWrong + 1);
    }

    // Whatever the settings file holds gives a zoom from 100 to 300 or none,
    // and one that cannot be written is left alone; never a crash.
    void keptZoom_data()
    {
        QTest::addColumn<QByteArray>("found");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("keptAfter");
        QTest::newRow("no file") << QByteArray() << 0 << 175;
        QTest::newRow("kept") << QByteArray("[Window]\nZoom=150\n") << 150 << 175;
        QTest::newRow("too large") << QByteArray("[Window]\nZoom=500\n") << 0 << 175;
        QTest::newRow("not a number") << QByteArray("[Window]\nZoom=big\n") << 0 << 175;
        QTest::newRow("garbled") << QByteArray("\xff\xfe[[Window\n\0Zoom==\n=\n") << 0 << 175;
        QTest::newRow("a folder") << QByteArray("folder") << 0 << 0;
    }
    void keptZoom()
    {
        QFETCH(QByteArray, found);
        QStandardPaths::setTestModeEnabled(true);
        const QString file = sumbrix::SettingsFile();
        QVERIFY(file.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
        QDir(file).removeRecursively();
        QFile::remove(file);
        QVERIFY(QDir().mkpath(found == "folder" ? file : QFileInfo(file).path()));
        QFile f(file);
        QVERIFY(found.isNull() || found == "folder" || (f.open(QIODevice::WriteOnly) && f.write(found) > 0));
        f.close();
        QTEST(sumbrix::KeptZoom().value_or(0), "kept");
        sumbrix::KeepZoom(175);
        QTEST(sumbrix::KeptZoom().value_or(0), "keptAfter");
        QDir(file).removeRecursively();
        QFile::remove(file);
    }

    void fixedSizeAndFirstPage()
    {
        frmSumbrix w;
        QCOMPARE(w.minimumSize(), QSize(415, 307));
        QCOMPARE(w.maximumSize(), QSize(415, 307));
        QCOMPARE(w.windowTitle(), QStringLiteral("Sumbrix"));
        QVERIFY(!w.windowIcon().isNull());
        auto *tabs = Find<QTabWidget>(w, "SSTab1");
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Problem"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Diagnostics"));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(Find<QGroupBox>(w, "Frame3")->title(), QStringLiteral("Setup "));
        QCOMPARE(Find<QGroupBox>(w, "Frame2")->title(), QStringLiteral("Problem du jour "));
        QCOMPARE(Find<QGroupBox>(w, "Frame1")->title(), QStringLiteral("Score Sheet"));
        QVERIFY(!Find(w, "txtMax")->isEnabled());
        QVERIFY(!Find<QComboBox>(w, "boxOp")->isEditable());
        QCOMPARE(Find<QScrollBar>(w, "HScroll1")->maximum(), 20);
        QCOMPARE(Find<QScrollBar>(w, "HScroll1")->singleStep(), 1);
        QVERIFY(Find<QLabel>(w, "Label4")->wordWrap());
        QVERIFY(Find<QLabel>(w, "Label4")->text().contains(QLatin1String("product.  ")));
        QVERIFY(Find<QLabel>(w, "Label16")->text().startsWith(QLatin1String("Version 1.0")));
        QVERIFY(w.windowIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(w.windowIcon().availableSizes().contains(QSize(32, 32)));
        auto *list = Find<QListWidget>(w, "List1");
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!list->isSortingEnabled());
        // The whole problem line, "=" included, is in one large bold font; the score is larger.
        const QFont problem = Find(w, "lblArg1")->font();
        QVERIFY(problem.bold());
        for (const char *name : {"lblOps", "lblArg2", "Label11", "txtAnswer"})
            QCOMPARE(Find(w, name)->font(), problem);
        QVERIFY(Find(w, "lblScore")->font().pixelSize() > problem.pixelSize());
    }

    // The picture keeps its 16-pixel look at scale 1; on denser screens it
    // is the smooth drawing at the screen's own resolution, not the 16
    // pixels blown up.
    void pictureSharpAtEveryScale()
    {
        frmSumbrix w;
        const QPixmap shown = Find<QLabel>(w, "Image1")->pixmap();
        const qreal ratio = w.devicePixelRatioF();
        QCOMPARE(shown.deviceIndependentSize(), QSizeF(16, 16));
        QCOMPARE(shown.size(), QSize(qRound(16 * ratio), qRound(16 * ratio)));
        const QImage image = shown.toImage().convertToFormat(QImage::Format_ARGB32);
        int soft = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                soft += qAlpha(image.pixel(x, y)) > 0 && qAlpha(image.pixel(x, y)) < 255;
        if (ratio == 1.0)
            QCOMPARE(soft, 0);  // the original's hard pixels
        else
            QVERIFY2(soft > 10, qPrintable(QString::number(soft)));
    }

    void ctrlQCloses()
    {
        frmSumbrix w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(Find(w, "txtAnswer"), Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!w.isVisible());
    }

    // Each page shows only its own controls, and switching changes nothing.
    void pages()
    {
        frmSumbrix w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *tabs = Find<QTabWidget>(w, "SSTab1");
        const char *problemPage[] = {"Frame1", "Frame2", "Frame3", "txtAnswer", "boxOp"};
        const char *diagnosticsPage[] = {"List1", "cmdGotoQuor", "Image1", "Label4", "Label16"};
        QTest::keyClicks(Find(w, "txtAnswer"), QStringLiteral("12"));
        const sumbrix::QuizState before = w.State();
        const QString arg1 = Text(w, "lblArg1");
        for (int page : {0, 1, 0}) {
            tabs->setCurrentIndex(page);
            for (const char *name : problemPage)
                QCOMPARE(Find(w, name)->isVisible(), page == 0);
            for (const char *name : diagnosticsPage)
                QCOMPARE(Find(w, name)->isVisible(), page == 1);
        }
        QCOMPARE(Text(w, "txtAnswer"), QStringLiteral("12"));
        QCOMPARE(Text(w, "lblArg1"), arg1);
        QCOMPARE(w.State(), before);
    }

    void tabOrder()
    {
        frmSumbrix w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto *tabs = Find<QTabWidget>(w, "SSTab1");
        QWidget *strip = tabs->tabBar();
        const auto cycle = [&]() {
            QList<QWidget *> seen{QApplication::focusWidget()};
            for (int i = 0; i < 8; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                seen << QApplication::focusWidget();
            }
            return seen;
        };
        QWidget *answer = Find(w, "txtAnswer");
        QCOMPARE(QApplication::focusWidget(), answer);
        // The read-only "from" box stays out: it would only be read back as "selected".
        QCOMPARE(cycle(), (QList<QWidget *>{answer, strip, Find(w, "HScroll1"), Find(w, "boxOp"), answer, strip,
                                             Find(w, "HScroll1"), Find(w, "boxOp"), answer}));
        tabs->setCurrentIndex(1);
        strip->setFocus();
        QCOMPARE(cycle(), (QList<QWidget *>{strip, Find(w, "List1"), Find(w, "cmdGotoQuor"), strip, Find(w, "List1"),
                                             Find(w, "cmdGotoQuor"), strip, Find(w, "List1"), Find(w, "cmdGotoQuor")}));
    }

    // The right count blue, the wrong count red; on a dark or high-contrast
    // palette every value a child reads stands out from its ground (4.5:1,
    // 3:1 for the large score), judged by the painted pixels.
    void countColours_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("lockedText");
        QTest::newRow("light") << QColor() << QColor() << QColor();
        QTest::newRow("dark") << QColor(0x31, 0x36, 0x3b) << QColor(0xef, 0xf0, 0xf1) << QColor(0x6e, 0x71, 0x75);
        QTest::newRow("high contrast") << QColor(Qt::black) << QColor(Qt::white) << QColor(Qt::black);
        // On a KDE desktop (the kde_dark test), as Qt's KDE theme and the
        // style draw its own colours.
        if (qEnvironmentVariable("XDG_CURRENT_DESKTOP") == QLatin1String("KDE"))
            QTest::newRow("desktop") << QColor() << QColor() << QColor();
    }
    void countColours()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, text);
        QFETCH(QColor, lockedText);
        const QPalette before = QApplication::palette();
        const bool desktop = QLatin1String(QTest::currentDataTag()) == QLatin1String("desktop");
        if (desktop)  // the desktop's dark colours reached the program
            QVERIFY(before.color(QPalette::Window).lightness() < before.color(QPalette::WindowText).lightness());
        if (window.isValid()) {
            QPalette p(text, window);  // as a desktop's scheme gives it: every role from these two
            for (auto role : {QPalette::Base, QPalette::Button, QPalette::AlternateBase})
                p.setColor(role, window.darker(110));
            for (auto role : {QPalette::Text, QPalette::ButtonText})
                p.setColor(role, text);
            p.setColor(QPalette::Disabled, QPalette::Text, lockedText);
            p.setColor(QPalette::Disabled, QPalette::Base, window);
            QApplication::setPalette(p);
        }
        const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
        frmSumbrix w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Answer(w, QString::number(Expected(w)));
        Answer(w, QStringLiteral("999"));
        // The ground is the commonest pixel where the control lies in the
        // window, as drawn over the page; the ink, the one most unlike it.
        struct Drawn { QColor ground, ink; };
        const auto drawn = [&](const char *name) {
            const QWidget *control = Find(w, name);
            const QImage image = w.grab(QRect(control->mapTo(&w, QPoint()), control->size())).toImage();
            QHash<QRgb, int> count;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    ++count[image.pixel(x, y)];
            const QColor ground = QColor(std::max_element(count.keyValueBegin(), count.keyValueEnd(),
                                                          [](auto a, auto b) { return a.second < b.second; })->first);
            QColor ink = ground;
            for (auto it = count.keyBegin(); it != count.keyEnd(); ++it)
                if (sumbrix::Contrast(QColor(*it), ground) > sumbrix::Contrast(ink, ground))
                    ink = QColor(*it);
            return Drawn{ground, ink};
        };
        const QColor right = drawn("lblNRight").ink, wrong = drawn("lblNWrong").ink;
        // Still blue and red to a child: the hue kept, and some of its colour.
        QVERIFY2(std::abs(right.hsvHue() - 240) <= 20 && right.hsvSaturation() >= 48, qPrintable(right.name()));
        QVERIFY2((wrong.hsvHue() <= 20 || wrong.hsvHue() >= 340) && wrong.hsvSaturation() >= 48, qPrintable(wrong.name()));
        if (!window.isValid() && !desktop) {  // as designed, to the byte
            QCOMPARE(Find(w, "lblNRight")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            QCOMPARE(Find(w, "lblNWrong")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            return;
        }
        QTRY_VERIFY(!Find<QLabel>(w, "lblTimer")->text().isEmpty());  // the clock's first second
        QTest::keyClicks(Find<QLineEdit>(w, "txtAnswer"), QStringLiteral("7"));  // an answer being typed
        for (const char *name : {"lblNRight", "lblNWrong", "lblPctRight", "lblScore", "lblTimer", "lblArg1", "lblOps",
                                 "lblArg2", "txtAnswer", "txtMin", "txtMax"}) {
            const Drawn d = drawn(name);
            const double least = QLatin1String(name) == QLatin1String("lblScore") ? 3.0 : 4.5;
            QVERIFY2(sumbrix::Contrast(d.ink, d.ground) >= least,
                     qPrintable(QStringLiteral("%1: %2 on %3").arg(QLatin1String(name), d.ink.name(), d.ground.name())));
        }
        // The locked box still looks locked: its text dimmer than a live box's.
        QVERIFY(sumbrix::Contrast(drawn("txtMax").ink, drawn("txtMax").ground) <
                sumbrix::Contrast(drawn("txtMin").ink, drawn("txtMin").ground));
    }

    // The frames are drawn without Fusion's picture, yet look as Fusion's do.
    // The frames of the group boxes and of the tab widget look as Fusion's
    // own, judged on the page as it is shown.
    void framesLookStock()
    {
        if (QApplication::style()->name() != QLatin1String("fusion"))
            QSKIP("frames are drawn by the desktop's own style");
        frmSumbrix w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *tabs = w.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
        QList<QWidget *> framed{tabs};
        for (QGroupBox *box : w.findChildren<QGroupBox *>())
            framed << box;
        QStyle *ours = tabs->style();
        const QImage drawn = tabs->grab().toImage();
        for (QWidget *f : framed)
            f->setStyle(QApplication::style());
        const QImage stock = tabs->grab().toImage();
        for (QWidget *f : framed)
            f->setStyle(ours);
        QCOMPARE(drawn.size(), stock.size());
        const qreal ratio = drawn.devicePixelRatio();
        // Fusion's group-box picture is resampled when scaled, blurring its
        // one-pixel lines over their neighbours, where ours stay sharp; the
        // tab frame is Fusion's own, to the pixel.
        const int allowed = ratio == 1.0 ? 6 : 20;
        const QRgb ground = stock.pixel(stock.width() / 2, stock.height() - 8 * ratio);
        for (QGroupBox *box : w.findChildren<QGroupBox *>()) {
            const QRect area(QPointF(box->mapTo(tabs, QPoint()) * ratio).toPoint(), box->size() * ratio);
            int worst = 0, visible = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QRgb p = drawn.pixel(x, y), q = stock.pixel(x, y);
                    worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                      std::abs(qBlue(p) - qBlue(q))});
                    visible = std::max(visible, std::abs(qGray(q) - qGray(ground)));
                }
            QVERIFY2(worst <= allowed, qPrintable(box->objectName() + QString::number(worst)));
            QVERIFY2(visible > 12, "the stock frame should be visible against the page");
        }
        int differing = 0;  // outside the group boxes
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const QPoint at = QPointF(x / ratio, y / ratio).toPoint();
                bool inBox = false;
                for (QGroupBox *box : w.findChildren<QGroupBox *>())
                    inBox = inBox || QRect(box->mapTo(tabs, QPoint()), box->size()).adjusted(-1, -1, 1, 1).contains(at);
                differing += !inBox && drawn.pixel(x, y) != stock.pixel(x, y);
            }
        QCOMPARE(differing, 0);
    }

    // The group-box frames, blended in advance over the tab page's colour,
    // are the pixels the raster engine draws blending them itself.
    void framesBlendedAsDrawn()
    {
        if (QApplication::style()->name() != QLatin1String("fusion"))
            QSKIP("frames are drawn by the desktop's own style");
        const qreal ratio = qApp->devicePixelRatio();
        QStyleOption page;
        page.rect = QRect(0, 0, 120, 90);
        QStyleOption box = page;
        box.rect = QRect(10, 10, 80, 60);
        const auto image = [ratio](const QColor &fill) {
            QImage i(QSize(120, 90) * ratio, QImage::Format_ARGB32_Premultiplied);
            i.setDevicePixelRatio(ratio);
            i.fill(fill);
            return i;
        };
        sumbrix::FrameStyle blended(QStringLiteral("fusion")), drawn(QStringLiteral("fusion"));
        QImage pageImage = image(Qt::transparent);
        {
            QPainter p(&pageImage);
            box.fontMetrics = page.fontMetrics = p.fontMetrics();
            blended.drawPrimitive(QStyle::PE_FrameTabWidget, &page, &p);  // notes the page's colour
        }
        const QColor under = pageImage.pixelColor(pageImage.width() / 2, pageImage.height() / 2);
        QImage ours = image(under), theirs = image(under);
        {
            QPainter p(&ours);
            blended.drawPrimitive(QStyle::PE_FrameGroupBox, &box, &p);
        }
        {
            QPainter p(&theirs);
            drawn.drawPrimitive(QStyle::PE_FrameGroupBox, &box, &p);
        }
        QVERIFY(ours != image(under));  // a frame was drawn
        QCOMPARE(ours, theirs);
    }

    // No fixed caption, nor any number the drill can show, is cut off.
    void captionsFit()
    {
        SKIP_UNLESS_WINDOW_FONTS();
        frmSumbrix w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        using sumbrix::test::DrawnWhole;
        using sumbrix::test::Fits;
        const QStringList clipped = sumbrix::test::ClippedCaptions(w);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1String("; "))));
        const struct {
            const char *control;
            const char *widest;
        } numbers[] = {{"lblArg1", " 400"}, {"lblArg2", " 20"}, {"lblOps", "x"},  {"txtAnswer", "400"},
                       {"txtMax", " 20"},   {"txtMin", " 1"},   {"lblTimer", "999"}, {"lblNRight", " 999"},
                       {"lblNWrong", " 999"}, {"lblPctRight", " 100"}, {"lblScore", "-9999"}};
        for (const auto &n : numbers)
            QVERIFY2(Fits(Find(w, n.control), QLatin1String(n.widest)), n.control);
        // A score too long for its box is drawn narrower, not cut.
        auto *score = Find<QLabel>(w, "lblScore");
        score->setText(QStringLiteral("-1234567"));
        QVERIFY(DrawnWhole(score));
    }

    // The answer box's name carries the problem shown, whatever drew it;
    // frames are named by their titles without the trailing blank; value
    // labels keep their shown value as what is read.
    void screenReaderTexts()
    {
        frmSumbrix w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *answer = Find<QLineEdit>(w, "txtAnswer");
        const auto problem = [&] {
            return QStringLiteral("Answer to %1 %2 %3")
                .arg(Text(w, "lblArg1").trimmed(), QStringLiteral("plus"), Text(w, "lblArg2").trimmed());
        };
        QCOMPARE(answer->accessibleName(), problem());
        Answer(w, QString::number(Expected(w)));
        QCOMPARE(answer->accessibleName(), problem());
        Find<QScrollBar>(w, "HScroll1")->setValue(12);
        QCOMPARE(answer->accessibleName(), problem());
        Find<QComboBox>(w, "boxOp")->setCurrentIndex(0);
        QCOMPARE(answer->accessibleName(), QStringLiteral("Answer to %1 divided by %2")
                                               .arg(Text(w, "lblArg1").trimmed(), Text(w, "lblArg2").trimmed()));
        QCOMPARE(Find(w, "Frame2")->accessibleName(), QStringLiteral("Problem du jour"));
        QCOMPARE(Find(w, "Frame3")->accessibleName(), QStringLiteral("Setup"));
        for (const char *value : {"lblNRight", "lblNWrong", "lblPctRight", "lblScore", "lblTimer"})
            QVERIFY2(Find(w, value)->accessibleName().isEmpty(), value);
        QCOMPARE(Find(w, "txtMin")->focusPolicy(), Qt::NoFocus);
    }

    void accessibleNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const char *rows[][3] = {
            {"SSTab1", "Pages", "Problem and Diagnostics pages"},
            {"boxOp", "", "Operation"},
            {"txtMin", "From", "Smallest number drawn"},
            {"txtMax", "To", "Largest number drawn"},
            {"HScroll1", "Largest number", "Sets the largest number drawn"},
            {"lblArg1", "", "First number"},
            {"lblOps", "", "Operation sign"},
            {"lblArg2", "", "Second number"},
            {"txtAnswer", "Answer+", "Type the answer, then press Enter"},
            {"lblTimer", "", "Seconds on this problem"},
            {"lblNRight", "", "Right answers"},
            {"lblNWrong", "", "Wrong answers"},
            {"lblPctRight", "", "Percent right"},
            {"lblScore", "", "Score"},
            {"List1", "History", "Every graded answer with its time"},
            {"cmdGotoQuor", "*", "Opens the learning-tools page in the browser"},
            {"Image1", "Learning tools", "Picture that opens the learning-tools page"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[0] << row[1] << row[2];
    }
    void accessibleNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        frmSumbrix w;
        QWidget *c = Find(w, qPrintable(control));
        if (name == QLatin1String("*"))
            name = qobject_cast<QPushButton *>(c)->text();
        if (name.endsWith(QLatin1Char('+'))) {  // the name may go on, after its first word
            name.chop(1);
            QVERIFY2(c->accessibleName().startsWith(name + QLatin1Char(' ')), qPrintable(c->accessibleName()));
        } else {
            QCOMPARE(c->accessibleName(), name);
        }
        QTEST(c->accessibleDescription(), "description");
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
