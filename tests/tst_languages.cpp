// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The window in every shipped language: whole captions, whole catalogues,
// the script drawn, mirrored where it reads right to left, and the same
// drill as in English, in the language's own digits.
#include "fitting.h"
#include "fonts.h"
#include "frmSumbrix.h"
#include "language.h"
#include "speech.h"
#include "twips.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QListWidget>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextLayout>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// Every catalogue shipped, with the face its script needs beyond the
// window's two fonts.
QStringList Languages()
{
    QStringList found;
    for (const QString &file : QDir(QStringLiteral(SUMBRIX_TRANSLATIONS_DIR)).entryList({QStringLiteral("sumbrix_*.ts")}))
        found << file.mid(8, file.size() - 11);
    return found;
}

QString ScriptFace(const QString &language)
{
    static const QHash<QString, QString> faces = {
        {"ar", "Noto Sans Arabic UI"}, {"fa", "Noto Sans Arabic UI"}, {"hi", "Noto Sans Devanagari"},
        {"bn", "Noto Sans Bengali"}, {"ja", "Noto Sans CJK JP"},    {"ko", "Noto Sans CJK KR"},
        {"zh_CN", "Noto Sans CJK SC"},  {"zh_TW", "Noto Sans CJK TC"},  {"zh_HK", "Noto Sans CJK HK"},
        {"ur", "Noto Naskh Arabic UI"}, {"mr", "Noto Sans Devanagari"}, {"ne", "Noto Sans Devanagari"},
        {"as", "Noto Sans Bengali"},    {"gu", "Noto Sans Gujarati"},   {"pa", "Noto Sans Gurmukhi"},
        {"te", "Noto Sans Telugu"},     {"kn", "Noto Sans Kannada"},    {"or", "Noto Sans Oriya"},
        {"si", "Noto Sans Sinhala"},    {"am", "Noto Sans Ethiopic"},   {"ka", "Noto Sans Georgian"},
        {"hy", "Noto Sans Armenian"},   {"ta", "Noto Sans Tamil"},      {"ml", "Noto Sans Malayalam"},
    };
    return faces.value(language);
}

// Why the window cannot be judged in this language here; empty if it can.
QString MissingFont(const QString &language)
{
    if (QString missing = sumbrix::test::MissingWindowFont(); !missing.isEmpty())
        return missing;
    const QString face = ScriptFace(language);
    if (!face.isEmpty() && !QFontDatabase::families().contains(face))
        return face;
    return QString();
}

// The characters of `text` that no installed font draws in `font`.
QString Undrawn(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QString missing;
    for (const QGlyphRun &run : layout.glyphRuns())
        if (run.glyphIndexes().contains(0))
            missing = text;
    return missing;
}

struct Message {
    QString context, source, translation, type, comment;
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
            messages.append({context, {}, {}, {}, {}});
        else if (xml.name() == QLatin1String("source"))
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("extracomment"))
            messages.last().comment = xml.readElementText();
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
            if (m.comment.startsWith(QLatin1String("Optional.")) && m.translation.isEmpty())
                continue;  // a language that needs no pattern of its own
            QVERIFY2(m.type.isEmpty(), qPrintable(where + QLatin1String(" is ") + m.type));
            QVERIFY2(!m.translation.trimmed().isEmpty(), qPrintable(where));
            QVERIFY2(Placeholders(m.translation) == Placeholders(m.source), qPrintable(where));
            // A title's trailing blank is part of the layout's look.
            QCOMPARE(m.translation.endsWith(QLatin1Char(' ')), m.source.endsWith(QLatin1Char(' ')));
        }
        // The menu's and the software centre's words: every text English has.
        const auto asset = [](const char *name) {
            QFile f(QStringLiteral(SUMBRIX_ASSETS_DIR "/") + QLatin1String(name));
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };
        const QString entry = asset("org.sumbrix.sumbrix.desktop");
        for (const char *key : {"Name", "GenericName", "Comment", "Keywords"})
            QVERIFY2(entry.count(QStringLiteral("\n%1[%2]=").arg(QLatin1String(key), language)) ==
                         entry.count(QStringLiteral("\n%1=").arg(QLatin1String(key))), key);
        const QString metainfo = asset("org.sumbrix.sumbrix.metainfo.xml.in");
        QCOMPARE(metainfo.count(QStringLiteral("xml:lang=\"%1\"").arg(language)),
                 metainfo.count(QLatin1String("<summary>")) + metainfo.count(QLatin1String("<p>")) +
                     metainfo.count(QLatin1String("<caption>")));
    }

    // Every caption fits its box at this scale, the window speaks the
    // language, and a right answer is graded as in English. (A wrapped
    // notice is judged by its lines' height.)
    void windowInLanguage_data() { Languages(); }
    void windowInLanguage()
    {
        QFETCH(QString, language);
        sumbrix::UseLanguage(QLocale(language));
        frmSumbrix w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (MissingFont(language).isEmpty()) {
            const QStringList clipped = sumbrix::test::ClippedCaptions(w);
            QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1String("; "))));
            // It opens at the size its script is read at: captions at the
            // script's size, none drawn narrower or lower than 90 % of it.
            qInfo("%s opens at %d %%", qPrintable(language), w.Zoom());
            QCOMPARE(w.font().pixelSize(), sumbrix::WindowFont(sumbrix::WindowLanguage()).pixelSize());
            for (sumbrix::FittedLabel *caption : w.findChildren<sumbrix::FittedLabel *>()) {
                const QRect own = sumbrix::test::Ink(caption->text(), caption->font(), caption->devicePixelRatioF());
                const QRect drawn = sumbrix::test::Ink(caption->grab().toImage());
                if (!caption->property("sumbrixPixels").isValid() && !caption->wordWrap())
                    QVERIFY2(drawn.width() >= own.width() * 0.9 - 1 && drawn.height() >= own.height() * 0.9 - 1,
                             qPrintable(caption->text()));
            }
        }

        auto *tabs = w.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
        QCOMPARE(tabs->tabText(0), Translation(language, "frmSumbrix", "Problem"));
        auto *history = w.findChild<QListWidget *>(QStringLiteral("List1"));
        QVERIFY(history->item(0)->text().endsWith(QLatin1Char(' ') + Translation(language, "sumbrix::Quiz", "Begin")));

        auto *answer = w.findChild<QLineEdit *>(QStringLiteral("txtAnswer"));
        const QString shown = w.findChild<QLabel *>(QStringLiteral("lblArg1"))->text() +
                              w.findChild<QLabel *>(QStringLiteral("lblOps"))->text() +
                              w.findChild<QLabel *>(QStringLiteral("lblArg2"))->text();
        // Typed in the digits the window shows, as the child's keyboard types them.
        const QChar zero = sumbrix::WindowZeroDigit();
        const auto local = [zero](const QString &ascii) { return sumbrix::LocalDigits(ascii, zero); };
        QVERIFY(!shown.contains(QRegularExpression(zero == u'0' ? QStringLiteral("[^ 0-9+x/-]") : QStringLiteral("[0-9]"))));
        QVERIFY(w.findChild<QLabel *>(QStringLiteral("Label16"))->text().contains(local(QStringLiteral(SUMBRIX_VERSION))));
        const QString firstArg2 = w.findChild<QLabel *>(QStringLiteral("lblArg2"))->text();
        for (const QChar c : local(QString::number(w.State().Answer)))  // keyClicks knows only ASCII
            QTest::sendKeyEvent(QTest::Click, answer, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(answer, Qt::Key_Return);
        QCOMPARE(w.State().NRight, sumbrix::Integer(1));
        // 0-9 too, on any keyboard.
        QTest::keyClicks(answer, QString::number(w.State().Answer));
        QCOMPARE(answer->text(), local(QString::number(w.State().Answer)));  // shown as the window's digits
        QTest::keyClick(answer, Qt::Key_Return);
        QCOMPARE(w.State().NRight, sumbrix::Integer(2));
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lblNRight"))->text(), local(QStringLiteral(" 2")));
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lblPctRight"))->text(), local(QStringLiteral(" 100")));
        // Where a right-to-left language writes sums left to right, the
        // history keeps each sum so.
        const QString line = history->item(1)->text();
        const bool isolated = Translation(language, "QGuiApplication", "QT_LAYOUT_DIRECTION") == QLatin1String("RTL") &&
                              Translation(language, "frmSumbrix", "SUM_DIRECTION") != QLatin1String("RTL");
        QCOMPARE(line.endsWith(QChar(0x2069)), isolated);
        QVERIFY(!line.contains(QString(QChar(0x2066)) + u' '));  // the blank stays by the colon
        QVERIFY2(QString(line).remove(QChar(0x2066)).remove(QChar(0x2069)).endsWith(local(QStringLiteral(" # 1:")) + shown),
                 qPrintable(line));
        // Where the voice misreads digits, a screen reader gets rows and range boxes in words.
        const QString rules = Translation(language, "speech", "digits");
        const bool words = !rules.isEmpty() && rules != QLatin1String("digits");
        const QString rowName = history->item(1)->data(Qt::AccessibleTextRole).toString();
        QVERIFY2((rowName.isEmpty() ? line : rowName).contains(sumbrix::SpokenNumber(firstArg2)),
                 qPrintable(rowName));
        auto *top = w.findChild<QLineEdit *>(QStringLiteral("txtMax"));
        QAccessibleInterface *topRead = QAccessible::queryAccessibleInterface(top);
        QCOMPARE(topRead->textInterface() == nullptr, words);
        if (words)
            QCOMPARE(topRead->text(QAccessible::Name),
                     Translation(language, "frmSumbrix", "To") + u' ' + sumbrix::SpokenNumber(top->text()));
        // Multiplication, division and subtraction in the schoolbooks' signs, graded as ever.
        for (const auto &[index, sign] : {std::pair{1, "x"}, std::pair{0, "/"}, std::pair{2, "-"}}) {
            w.findChild<QComboBox *>(QStringLiteral("boxOp"))->setCurrentIndex(index);
            const QString school = language == QLatin1String("en") ? QString::fromLatin1(sign) : Translation(language, "sign", sign);
            QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lblOps"))->text(), school);
            const sumbrix::Integer right = w.State().NRight;
            QTest::keyClicks(answer, QString::number(w.State().Answer));
            QTest::keyClick(answer, Qt::Key_Return);
            QCOMPARE(w.State().NRight, right + 1);
            const QString row = history->item(history->count() - 1)->text();
            QVERIFY2(row.contains(school) && !row.contains(QRegularExpression(QStringLiteral("#[^:]*:[^:]*\\p{Nd}:"))), qPrintable(row));
        }
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

    // Right to left, every control lies as far from its container's right
    // edge as it lies from the left in English, but for a sum the language
    // writes left to right; the scroll bar and the tab strip run from the right.
    void mirroredRightToLeft_data() { Languages(); }
    void mirroredRightToLeft()
    {
        QFETCH(QString, language);
        sumbrix::UseLanguage(QLocale(language));
        const bool rtl = Translation(language, "QGuiApplication", "QT_LAYOUT_DIRECTION") == QLatin1String("RTL");
        const bool sumRtl = Translation(language, "frmSumbrix", "SUM_DIRECTION") == QLatin1String("RTL");
        QVERIFY(!sumRtl || rtl);
        frmSumbrix w;
        QHash<QString, QRect> english;  // at the language's opening zoom
        {
            sumbrix::UseLanguage(QLocale::c());
            frmSumbrix drawn;
            drawn.SetZoom(w.Zoom());
            for (QWidget *c : drawn.findChildren<QWidget *>())
                english.insert(c->objectName(), c->geometry());
        }
        sumbrix::UseLanguage(QLocale(language));
        QCOMPARE(w.isRightToLeft(), rtl);
        const QStringList sum = {"lblArg1", "lblOps", "lblArg2", "Label11", "txtAnswer"};
        int placed = 0;
        for (QWidget *c : w.findChildren<QWidget *>()) {
            const QRect drawn = english.value(c->objectName());
            if (c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_")) || !english.contains(c->objectName()))
                continue;
            const bool mirrored = rtl && (sumRtl || !sum.contains(c->objectName()));
            const QRect expected = mirrored ? sumbrix::Mirrored(drawn, c->parentWidget()->width()) : drawn;
            QVERIFY2(c->geometry() == expected, qPrintable(c->objectName()));
            ++placed;
        }
        QVERIFY(placed >= 30);
        QCOMPARE(w.findChild<QScrollBar *>(QStringLiteral("HScroll1"))->isRightToLeft(), rtl);
        const QTabBar *strip = w.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->tabBar();
        QCOMPARE(strip->tabRect(0).x() > strip->tabRect(1).x(), rtl);
    }

    // Every text of the catalogue is drawn by an installed font in the
    // window's face, and every digit in the problem's.
    void scriptDrawn_data() { Languages(); }
    void scriptDrawn()
    {
        QFETCH(QString, language);
        if (const QString missing = MissingFont(language); !missing.isEmpty())
            QSKIP(qPrintable(missing + QLatin1String(" is not installed (Debian: fonts-noto-core, fonts-noto-ui-core, fonts-noto-cjk)")));
        sumbrix::UseLanguage(QLocale(language));
        const QLocale window = sumbrix::WindowLanguage();
        for (const Message &m : Catalogue(language))
            QVERIFY2(Undrawn(m.translation, sumbrix::WindowFont(window)).isEmpty(), qPrintable(m.translation));
        const QString digits = sumbrix::LocalDigits(QStringLiteral("0123456789 +-x/="), sumbrix::WindowZeroDigit());
        QVERIFY2(Undrawn(digits, sumbrix::ProblemFont(window, 16)).isEmpty(), qPrintable(digits));
    }

    // Every number read aloud or to a screen reader is heard: the
    // language's espeak-ng voice (speech-dispatcher's) says each one, in
    // the language, without falling silent or spelling it in another.
    void numbersHeard_data() { Languages(); }
    void numbersHeard()
    {
        QFETCH(QString, language);
        const QString espeak = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
        if (espeak.isEmpty())
            QSKIP("espeak-ng is not installed (tools/setup installs it)");
        sumbrix::UseLanguage(QLocale(language));
        const QString voice = language.startsWith(QLatin1String("zh")) ? QStringLiteral("cmn-latn-pinyin")
                                                                        : language.toLower().replace(u'_', u'-');
        const auto shown = [](int n) { return sumbrix::LocalNumber(u' ' + QString::number(n), sumbrix::NumberLocale()); };
        for (const auto &[a, sign, b] : {std::tuple{0, "+", 7}, {12, "-", 40}, {121, "x", 3}, {315, "/", 19}}) {
            const QString sentence = sumbrix::SpokenProblem(shown(a), QLatin1String(sign), shown(b));
            QProcess say;
            say.start(espeak, {QStringLiteral("-q"), QStringLiteral("-x"), QStringLiteral("-v"), voice, sentence});
            QVERIFY(say.waitForFinished());
            const QStringList words = QString::fromUtf8(say.readAllStandardOutput()).simplified().split(u' ');
            QVERIFY2(!words.join(u' ').contains(u'('), qPrintable(sentence + QLatin1String(": ") + words.join(u' ')));
        }
    }

    // A catalogue's spell-out rules hand the voice words where it says no
    // digits (he), misreads some (ja, cy, be) or reads them one by one
    // (uz); a score below zero is said with the language's word.
    void numbersSpelled()
    {
        for (const auto &[language, number, spoken] :
             {std::tuple{"he", 8, u"\u05e9\u05c1\u05b0\u05de\u05d5\u05b9\u05e0\u05b6\u05d4"}, {"ja", 400, u"\u3088\u3093\u3072\u3083\u304f"},
              {"uz", 12, u"o\u02bbn ikki"}, {"cy", 15, u"un deg pump"}, {"be", 120, u"\u0441\u0442\u043e \u0434\u0432\u0430\u0446\u0446\u0430\u0446\u044c"}, {"de", 15, u"15"},
              {"de", -21, u"minus 21"}, {"fa", -21, u"\u0645\u0646\u0641\u06cc \u06f2\u06f1"}}) {
            sumbrix::UseLanguage(QLocale(QLatin1String(language)));
            const QString shown = sumbrix::LocalNumber(QString::number(number), sumbrix::NumberLocale());
            QCOMPARE(sumbrix::SpokenNumber(shown), QString::fromUtf16(spoken));
        }
    }

    // Any script's digits are read as the digits they are.
    void digitsOfAnyScript()
    {
        const QString twelve = QStringLiteral("12");
        for (const char16_t zero : {u'0', u'\u0660', u'\u06f0', u'\u0966', u'\u09e6', u'\uff10'}) {
            const QString local = sumbrix::LocalDigits(twelve, QChar(zero));
            QCOMPARE(local.front().unicode(), char16_t(zero + 1));
            QCOMPARE(sumbrix::AsciiDigits(local), twelve);
        }
        QCOMPARE(sumbrix::AsciiDigits(QStringLiteral("1\u0662\u06f3")), QStringLiteral("123"));  // mixed as typed
        QCOMPARE(sumbrix::AsciiDigits(QStringLiteral(" -\u0663\u00b2x")), QStringLiteral(" -3\u00b2x"));  // ² is no digit
    }

    // Whole numbers as the locale writes them (its digits, its minus sign in
    // its place), the engine's leading blank kept; read back as the engine's.
    void numbersAsTheLocaleWrites_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("shown");
        QTest::newRow("en") << "en_US" << "-21" << "-21";
        QTest::newRow("en blank") << "en_US" << " 1234" << " 1234";
        QTest::newRow("ar") << "ar_EG" << "-21" << "\u061c-\u0662\u0661";
        QTest::newRow("ar blank") << "ar_EG" << " 1234" << " \u0661\u0662\u0663\u0664";
        QTest::newRow("fa") << "fa_IR" << "-21" << "\u200e\u2212\u06f2\u06f1";
        QTest::newRow("he") << "he_IL" << "-21" << "\u200e-21";
        QTest::newRow("bn time") << "bn_BD" << "12:05" << "\u09e7\u09e8:\u09e6\u09eb";
    }
    void numbersAsTheLocaleWrites()
    {
        QFETCH(QString, locale);
        QFETCH(QString, engine);
        QFETCH(QString, shown);
        QCOMPARE(sumbrix::LocalNumber(engine, QLocale(locale)), shown);
        QCOMPARE(sumbrix::AsciiDigits(shown), engine);
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
        for (const QString &language : ::Languages())
            QTest::newRow(qPrintable(language)) << language;
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
