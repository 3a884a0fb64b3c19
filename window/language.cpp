// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace sumbrix {

void UseLanguage(const QLocale &locale)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    static const QString kOurs = QStringLiteral("sumbrix-translator");
    for (QTranslator *old : app->findChildren<QTranslator *>(kOurs, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const auto install = [&](const QString &name, const QString &folder) {
        auto *translator = new QTranslator(app);
        translator->setObjectName(kOurs);
        if (translator->load(locale, name, QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    };
    install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(QStringLiteral("sumbrix"), QStringLiteral(":/i18n"));
}

QLocale WindowLanguage()
{
    if (const QCoreApplication *app = QCoreApplication::instance())
        for (const QTranslator *t : app->findChildren<QTranslator *>(QStringLiteral("sumbrix-translator"),
                                                                      Qt::FindDirectChildrenOnly))
            if (t->filePath().startsWith(QLatin1String(":/i18n")))
                return QLocale(t->language());
    return QLocale(QLocale::English);
}

}  // namespace sumbrix
