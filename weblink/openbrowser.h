// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sumbrix {

// The address as handed to the desktop: "http://" is put in front unless it
// already starts with "http" in any case.
QString WithWebScheme(const QString &url);

// Asks the desktop to open url in the default browser. True only when the
// desktop accepted the request. No shell is involved.
bool OpenBrowser(QString URL);

}  // namespace sumbrix
