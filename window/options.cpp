// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include "language.h"
#include "twips.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace sumbrix {

namespace {

// Options QGuiApplication and QApplication read for themselves. They are
// declared here, unseen in --help, only so that they are not refused.
constexpr const char *kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "session",  "display",            "geometry",      "title",  "name",            "style",       "stylesheet",
    "qmljsdebugger", "dialogs", "fontengine"};
constexpr const char *kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

}  // namespace

Options ReadCommandLine(int argc, char *argv[])
{
    if (argc < 2)
        return {};  // the usual start: nothing to read, nothing to pay for
    // A core application needs no display, so --help works without one.
    // It is gone before the window's application is made.
    QCoreApplication app(argc, argv);
    UseLanguage();  // --help in the user's language, Qt's own lines too
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "sumbrix", "An arithmetic drill for children: one problem at a time, graded as soon as Enter is pressed."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    //: Help for the --read-aloud option; %1 is the key, Ctrl+R.
    const QCommandLineOption readAloud(
        QStringLiteral("read-aloud"),
        QCoreApplication::translate("sumbrix", "Read the problems and the verdicts aloud. %1 turns it on and off.")
            .arg(QStringLiteral("Ctrl+R")));
    parser.addOption(readAloud);
    //: Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.
    const QCommandLineOption zoom(
        QStringLiteral("zoom"),
        QCoreApplication::translate("sumbrix", "Open at this size, in percent (%1 to %2), instead of the size kept "
                                               "from the last run. %3, %4 and %5 zoom in, out and back.")
            .arg(kZoomLeast)
            .arg(kZoomMost)
            .arg(QStringLiteral("Ctrl++"), QStringLiteral("Ctrl+-"), QStringLiteral("Ctrl+0")),
        QStringLiteral("percent"));
    parser.addOption(zoom);
    for (const char *name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.process(app);  // leaves on --help, --version or an unknown option
    if (!parser.positionalArguments().isEmpty()) {
        //: %1 is the program, %2 what was given after it.
        const QString refusal = QCoreApplication::translate("sumbrix", "%1: takes no files or other arguments: %2")
                                    .arg(app.applicationName(), parser.positionalArguments().join(QLatin1Char(' ')));
        std::fprintf(stderr, "%s\n", qPrintable(refusal));
        std::exit(EXIT_FAILURE);
    }
    Options options{parser.isSet(readAloud)};
    if (parser.isSet(zoom)) {
        QString value = parser.value(zoom).trimmed();
        if (value.endsWith(QLatin1Char('%')))
            value.chop(1);
        bool number = false;
        options.zoom = value.toInt(&number);
        if (!number || options.zoom < kZoomLeast || options.zoom > kZoomMost) {
            //: %1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.
            const QString refusal =
                QCoreApplication::translate("sumbrix", "%1: --zoom takes a percentage from %2 to %3, not \"%4\"")
                    .arg(app.applicationName())
                    .arg(kZoomLeast)
                    .arg(kZoomMost)
                    .arg(parser.value(zoom));
            std::fprintf(stderr, "%s\n", qPrintable(refusal));
            std::exit(EXIT_FAILURE);
        }
    }
    return options;
}

}  // namespace sumbrix
