// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "openbrowser.h"

#include <QDesktopServices>
#include <QUrl>

namespace sumbrix {

QString WithWebScheme(const QString &url)
{
    if (url.startsWith(QLatin1String("http"), Qt::CaseInsensitive))
        return url;
    return QStringLiteral("http://") + url;
}

bool OpenBrowser(QString URL)
{
    const QUrl target(WithWebScheme(URL), QUrl::TolerantMode);
    if (!target.isValid())
        return false;
    return QDesktopServices::openUrl(target);
}

}  // namespace sumbrix
