// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up benchmark's floor: a bare Qt program with one label of the
// window's size, linking Qt Widgets and nothing else.
#include "startupreport.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Sumbrix"));
    label.setFixedSize(415, 307);
    sumbrix::startup::ReportIfAsked(&label);
    label.show();
    return app.exec();
}
