// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, read before any display is needed.
#pragma once

namespace sumbrix {

// Answers --help and --version, and refuses what it does not know, each
// by leaving the process; returns when the window should start. Qt's own
// options (-platform, -style ...) pass through for QApplication to take.
void ReadCommandLine(int argc, char *argv[]);

}  // namespace sumbrix
