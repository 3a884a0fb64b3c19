// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, read before any display is needed.
#pragma once

namespace sumbrix {

struct Options {
    bool readAloud = false;  // --read-aloud
    int zoom = 0;            // --zoom PERCENT; 0 when not given
};

// Answers --help and --version, and refuses what it does not know, each
// by leaving the process; returns what was asked for when the window
// should start. Qt's own options (-platform, -style ...) pass through for
// QApplication to take.
Options ReadCommandLine(int argc, char *argv[]);

}  // namespace sumbrix
