// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The learning-tools link: what address reaches the desktop, and that a
// refusal leaves the drill alone.
#include "frmSumbrix.h"
#include "learningtools.h"
#include "openbrowser.h"

#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

// Stands in for the browser: records what it was asked to open.
class Browser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class WeblinkTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }

    void prefix_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("handed");
        QTest::newRow("already http") << "http://sumbrix.org/resources/kids" << "http://sumbrix.org/resources/kids";
        QTest::newRow("https") << "https://sumbrix.org/" << "https://sumbrix.org/";
        QTest::newRow("capitals") << "HTTP://SUMBRIX.ORG/x" << "HTTP://SUMBRIX.ORG/x";
        QTest::newRow("bare host and path") << "sumbrix.org/resources/kids" << "http://sumbrix.org/resources/kids";
        QTest::newRow("http later on") << "sumbrix.org/http" << "http://sumbrix.org/http";
        QTest::newRow("empty") << "" << "http://";
    }
    void prefix()
    {
        QFETCH(QString, url);
        const QString original = url;
        QTEST(sumbrix::WithWebScheme(url), "handed");
        QCOMPARE(url, original);  // the caller's text is never changed
    }

    void opensThroughTheDesktop()
    {
        Browser browser;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
        QVERIFY(sumbrix::OpenBrowser(QStringLiteral("sumbrix.org/resources/kids")));
        QVERIFY(sumbrix::OpenBrowser(QStringLiteral("HTTP://Sumbrix.org/a b")));
        QVERIFY(sumbrix::OpenBrowser(QString()));
        QCOMPARE(browser.opened.size(), 3);
        QCOMPARE(browser.opened[0], QUrl(QStringLiteral("http://sumbrix.org/resources/kids")));
        QCOMPARE(browser.opened[1].host(), QStringLiteral("sumbrix.org"));
        QCOMPARE(browser.opened[1].path(), QStringLiteral("/a b"));  // spaces go as data, never as words of a command
        QCOMPARE(browser.opened[2].scheme(), QStringLiteral("http"));
    }

    void bothClicksOpenTheLearningToolsPage()
    {
        Browser browser;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
        frmSumbrix w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
        auto *button = w.findChild<QPushButton *>(QStringLiteral("cmdGotoQuor"));
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(w.findChild<QLabel *>(QStringLiteral("Image1")), Qt::LeftButton);
        const QUrl expected(QStringLiteral("http://" SUMBRIX_MAKER_HOST "/resources/kids"));
        QCOMPARE(browser.opened, (QList<QUrl>{expected, expected}));
        QCOMPARE(button->text(), QStringLiteral("More free learning tools at " SUMBRIX_MAKER_HOST "/resources/kids"));
        // The keyboard reaches the button too.
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(browser.opened.size(), 3);
    }

    void refusalChangesNothing()
    {
        // The offscreen platform has no browser: the desktop refuses.
        frmSumbrix w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const sumbrix::QuizState before = w.State();
        const int lines = w.findChild<QListWidget *>(QStringLiteral("List1"))->count();
        const QRegularExpression refusal(QStringLiteral(".*openUrl.*"));
        QTest::ignoreMessage(QtWarningMsg, refusal);
        QVERIFY(!w.OpenBrowser(sumbrix::LearningToolsUrl()));
        w.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
        QTest::ignoreMessage(QtWarningMsg, refusal);
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("cmdGotoQuor")), Qt::LeftButton);
        QCOMPARE(w.State(), before);
        QCOMPARE(w.findChild<QListWidget *>(QStringLiteral("List1"))->count(), lines);
        // No message box: the window is the one thing shown. (Qt may keep
        // hidden helpers of its own as top-level widgets.)
        const QWidgetList tops = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(tops.begin(), tops.end(), [](QWidget *t) { return t->isVisible(); }), 1);
    }
};

QTEST_MAIN(WeblinkTest)
#include "tst_weblink.moc"
