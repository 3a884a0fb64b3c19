// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSumbrix.h"
#include "language.h"
#include "options.h"
#include "settings.h"
#include "startupreport.h"

#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

namespace {

bool HasDisplay()
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

// Until the window system is reached, a fatal message from Qt means the
// display could not be used: say so and leave without a core dump.
void NoDisplay(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) {
        std::fputs("sumbrix: the graphical display could not be opened; nothing was started.\n", stderr);
        std::_Exit(1);
    }
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationVersion(QStringLiteral(SUMBRIX_VERSION));
    const sumbrix::Options options = sumbrix::ReadCommandLine(argc, argv);
    // Qt aborts without a display; tell the user plainly instead.
    if (!HasDisplay()) {
        std::fputs("sumbrix: no graphical display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                   "Start it from a desktop session, or under xvfb-run for a virtual one.\n",
                   stderr);
        return 1;
    }
    qInstallMessageHandler(NoDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    sumbrix::UseLanguage();  // before the first widget, which takes its texts as it is made
    QApplication::setApplicationName(QStringLiteral("Sumbrix"));
    QApplication::setDesktopFileName(QStringLiteral(SUMBRIX_APP_ID));

    frmSumbrix window;
    // --zoom is for this run; the keys' choice is kept only without it.
    if (options.zoom) {
        window.SetZoom(options.zoom);
    } else {
        window.KeepZoomChoice(true);
        if (const std::optional<int> kept = sumbrix::KeptZoom())
            window.SetZoom(*kept);
    }
    // Without a window manager a new window lands at (0, 0); centre it.
    if (const QScreen *screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    sumbrix::startup::ReportIfAsked(&window);  // for the benchmarks only
    if (options.readAloud)
        window.ReadAloudFromFirstFrame();
    window.show();
    return app.exec();
}
