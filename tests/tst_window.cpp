// The real window on the offscreen platform, driven by key presses.
#include "frmSumbrix.h"
#include "conversions.h"
#include "twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
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
        QVERIFY(list->item(0)->text().endsWith(QLatin1String(" Begin")));
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
        answer->insert(QStringLiteral("\U0001F600\u0007&HFFFFFFFF"));  // as if pasted
        QTest::keyClick(answer, Qt::Key_Return);
        QVERIFY(list->item(3)->text().endsWith(QStringLiteral("=\U0001F600\u0007&HFFFFFFFF")));
        QCOMPARE(list->count(), 4);
        QCOMPARE(Text(w, "lblNWrong"), QStringLiteral(" 2"));
        QCOMPARE(Text(w, "lblScore"), QString::fromStdString(sumbrix::SignedText(w.State().Score)));
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
            {"txtAnswer", "Answer", "Type the answer, then press Enter"},
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
        QCOMPARE(c->accessibleName(), name);
        QTEST(c->accessibleDescription(), "description");
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
