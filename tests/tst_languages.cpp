// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The window in every shipped language: whole captions, whole catalogues,
// and the same drill as in English.
#include "fitting.h"
#include "frmSumbrix.h"
#include "language.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const char *const kLanguages[] = {"de", "es", "fr", "it", "nb", "pt_BR"};

struct Message {
    QString context, source, translation, type;
};

QList<Message> Catalogue(const QString &language)
{
    QFile file(QStringLiteral(SUMBRIX_TRANSLATIONS_DIR "/sumbrix_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no catalogue for %s", qPrintable(language));
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.append({context, {}, {}, {}});
        else if (xml.name() == QLatin1String("source"))
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = xml.readElementText();
        }
    }
    if (xml.hasError())
        qFatal("%s", qPrintable(xml.errorString()));
    return messages;
}

QStringList Placeholders(const QString &text)
{
    QStringList found;
    for (const auto &m : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { sumbrix::UseLanguage(QLocale::c()); }

    void catalogueComplete_data() { Languages(); }
    void catalogueComplete()
    {
        QFETCH(QString, language);
        const QList<Message> messages = Catalogue(language);
        QVERIFY(messages.size() > 40);
        for (const Message &m : messages) {
            const QString where = m.context + QLatin1String(": ") + m.source;
            QVERIFY2(m.type.isEmpty(), qPrintable(where + QLatin1String(" is ") + m.type));
            QVERIFY2(!m.translation.trimmed().isEmpty(), qPrintable(where));
            QVERIFY2(Placeholders(m.translation) == Placeholders(m.source), qPrintable(where));
            // A title's trailing blank is part of the layout's look.
            QCOMPARE(m.translation.endsWith(QLatin1Char(' ')), m.source.endsWith(QLatin1Char(' ')));
        }
    }

    // Every caption fits its box at this scale, the window speaks the
    // language, and a right answer is graded as in English.
    void windowInLanguage_data() { Languages(); }
    void windowInLanguage()
    {
        QFETCH(QString, language);
        sumbrix::UseLanguage(QLocale(language));
        frmSumbrix w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (sumbrix::test::MissingWindowFont().isEmpty()) {
            const QStringList clipped = sumbrix::test::ClippedCaptions(w);
            QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1String("; "))));
        }

        auto *tabs = w.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
        QCOMPARE(tabs->tabText(0), Translation(language, "frmSumbrix", "Problem"));
        auto *history = w.findChild<QListWidget *>(QStringLiteral("List1"));
        QVERIFY(history->item(0)->text().endsWith(QLatin1Char(' ') + Translation(language, "sumbrix::Quiz", "Begin")));

        auto *answer = w.findChild<QLineEdit *>(QStringLiteral("txtAnswer"));
        const QString shown = w.findChild<QLabel *>(QStringLiteral("lblArg1"))->text() +
                              w.findChild<QLabel *>(QStringLiteral("lblOps"))->text() +
                              w.findChild<QLabel *>(QStringLiteral("lblArg2"))->text();
        QTest::keyClicks(answer, QString::number(w.State().Answer));
        QTest::keyClick(answer, Qt::Key_Return);
        QCOMPARE(w.State().NRight, sumbrix::Integer(1));
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lblNRight"))->text(), QStringLiteral(" 1"));
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lblPctRight"))->text(), QStringLiteral(" 100"));
        QVERIFY2(history->item(1)->text().endsWith(QLatin1String(" # 1:") + shown), qPrintable(history->item(1)->text()));
        QVERIFY(QStringList({"+", "-", "x", "/"}).contains(w.findChild<QLabel *>(QStringLiteral("lblOps"))->text()));
    }

    // Qt's own texts (the answer box's context menu) come from Qt's
    // catalogue wherever Qt has one for the language, English otherwise.
    void qtsOwnTexts_data() { Languages(); }
    void qtsOwnTexts()
    {
        QFETCH(QString, language);
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (QDir(qtFolder).entryList({QStringLiteral("qtbase_*.qm")}).isEmpty())
            QSKIP("Qt's own catalogues are not installed (Debian: qt6-translations-l10n)");
        const bool qtHasIt = QTranslator().load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"), qtFolder);
        sumbrix::UseLanguage(QLocale(language));
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo") != QLatin1String("&Undo"), qtHasIt);
    }

    void englishWithoutCatalogue()
    {
        for (const char *name : {"en_US", "xx_YY", "C"}) {
            sumbrix::UseLanguage(QLocale(QLatin1String(name)));
            frmSumbrix w;
            QCOMPARE(w.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->tabText(0), QStringLiteral("Problem"));
            QCOMPARE(w.findChild<QComboBox *>(QStringLiteral("boxOp"))->itemText(0), QStringLiteral("Division"));
        }
    }

private:
    static void Languages()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : kLanguages)
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    static QString Translation(const QString &language, const char *context, const char *source)
    {
        for (const Message &m : Catalogue(language))
            if (m.context == QLatin1String(context) && m.source == QLatin1String(source))
                return m.translation;
        return QString();
    }
};

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
