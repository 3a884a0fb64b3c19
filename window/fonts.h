// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's fonts, chosen for the script of the window's language.
#pragma once

#include <QFont>
#include <QLocale>

namespace sumbrix {

// The captions' font at the window's opening zoom: a small sans serif the
// layout was drawn for, with the script's own face behind it, at the size
// the script is read at (10 pixels for Latin, more where smaller would
// merge a script's marks).
QFont WindowFont(const QLocale &language);

// The problem line and the score, large and bold.
QFont ProblemFont(const QLocale &language, int pixelSize);

}  // namespace sumbrix
