// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the learning-tools link points. The host comes from the build
// (SUMBRIX_MAKER_HOST) so a packager can redirect it in one place.
#pragma once

#include <QString>

namespace sumbrix {

inline QString MakerHost() { return QStringLiteral(SUMBRIX_MAKER_HOST); }
inline QString LearningToolsAddress() { return MakerHost() + QStringLiteral("/resources/kids"); }
inline QString LearningToolsUrl() { return QStringLiteral("http://") + LearningToolsAddress(); }

}  // namespace sumbrix
