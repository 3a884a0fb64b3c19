// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include "twips.h"

#include <QSettings>

namespace sumbrix {

namespace {
constexpr char kZoomKey[] = "Window/Zoom";

QSettings Kept() { return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral(SUMBRIX_APP_ID), QStringLiteral("sumbrix")); }
}  // namespace

std::optional<int> KeptZoom()
{
    const QSettings settings = Kept();
    bool number = false;
    const int zoom = settings.value(QLatin1String(kZoomKey)).toInt(&number);
    if (settings.status() != QSettings::NoError || !number || zoom < kZoomLeast || zoom > kZoomMost)
        return std::nullopt;
    return zoom;
}

void KeepZoom(std::optional<int> zoom)
{
    QSettings settings = Kept();
    if (zoom)
        settings.setValue(QLatin1String(kZoomKey), *zoom);
    else
        settings.remove(QLatin1String(kZoomKey));
    settings.sync();
}

QString SettingsFile() { return Kept().fileName(); }

}  // namespace sumbrix
