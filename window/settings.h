// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What is kept between runs: the zoom the user chose, and nothing else.
// It lives in the user's configuration folder (XDG_CONFIG_HOME).
#pragma once

#include <QString>
#include <optional>

namespace sumbrix {

// The zoom kept from an earlier run, in percent; none when there is no
// file, no such line, or one that cannot be read as a zoom.
std::optional<int> KeptZoom();

// Keeps `zoom` for the next start, or forgets it. A file that cannot be
// written is left as it is, without a word: the zoom is a convenience.
void KeepZoom(std::optional<int> zoom);

// Where it is kept.
QString SettingsFile();

}  // namespace sumbrix
