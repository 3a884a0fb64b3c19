// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace sumbrix {
namespace {

// Naming only families that are installed spares the font database a
// fallback search for a missing one, which start-up would pay for. The
// list is read once; asking for each name would resolve aliases each time.
QStringList Installed(std::initializer_list<const char *> families)
{
    static const QStringList installed = QFontDatabase::families();
    QStringList found;
    for (const char *family : families)
        if (installed.contains(QLatin1String(family), Qt::CaseInsensitive))
            found << QLatin1String(family);
    return found;
}

struct Script {
    QStringList families;  // the script's own faces, best first
    int captionPixels;
};

Script ScriptOf(const QLocale &language)
{
    // A line of each face must fit the 17-pixel boxes and two lines the
    // notice's 33: Arabic needs its UI face for that (plain Noto Sans
    // Arabic is half as tall again), Devanagari and Bengali their plain
    // faces (the UI ones are a pixel too tall for two lines). The CJK faces are named
    // per language, so that each draws the shared characters in the forms
    // its schools teach.
    // Urdu is written in Naskh: a Nastaliq line at 12 pixels is 30 tall.
    // Kannada, Georgian and Armenian are as large as their "to" allows.
    switch (language.language()) {
    case QLocale::Arabic:
    case QLocale::Persian:
        return {Installed({"Noto Sans Arabic UI", "DejaVu Sans"}), 12};
    case QLocale::Urdu:
        return {Installed({"Noto Naskh Arabic UI", "Noto Sans Arabic UI"}), 12};
    case QLocale::Hindi:
    case QLocale::Marathi:
    case QLocale::Nepali:
        return {Installed({"Noto Sans Devanagari", "Noto Sans Devanagari UI"}), 12};
    case QLocale::Bengali:
    case QLocale::Assamese:
        return {Installed({"Noto Sans Bengali", "Noto Sans Bengali UI"}), 13};
    case QLocale::Gujarati:
        return {Installed({"Noto Sans Gujarati"}), 12};
    case QLocale::Punjabi:
        return {Installed({"Noto Sans Gurmukhi"}), 12};
    case QLocale::Telugu:
        return {Installed({"Noto Sans Telugu"}), 12};
    case QLocale::Kannada:
        return {Installed({"Noto Sans Kannada"}), 11};
    case QLocale::Odia:
        return {Installed({"Noto Sans Oriya"}), 12};
    case QLocale::Sinhala:
        return {Installed({"Noto Sans Sinhala"}), 12};
    case QLocale::Amharic:
        return {Installed({"Noto Sans Ethiopic"}), 12};
    case QLocale::Georgian:
        return {Installed({"Noto Sans Georgian"}), 10};
    case QLocale::Armenian:
        return {Installed({"Noto Sans Armenian"}), 11};
    case QLocale::Japanese:
        return {Installed({"Noto Sans CJK JP", "WenQuanYi Micro Hei"}), 12};
    case QLocale::Korean:
        return {Installed({"Noto Sans CJK KR", "WenQuanYi Micro Hei"}), 12};
    case QLocale::Chinese:
        if (language.territory() == QLocale::HongKong)
            return {Installed({"Noto Sans CJK HK", "Noto Sans CJK TC", "WenQuanYi Micro Hei"}), 12};
        return {language.script() == QLocale::TraditionalChineseScript
                    ? Installed({"Noto Sans CJK TC", "WenQuanYi Micro Hei"})
                    : Installed({"Noto Sans CJK SC", "WenQuanYi Micro Hei"}),
                12};
    case QLocale::Vietnamese:
        // At 10 pixels ắ and ằ, ấ and ầ look the same.
        return {{}, 12};
    case QLocale::Azerbaijani:
    case QLocale::Kazakh:
        // At 10 pixels ə and ә are hardly told from a.
        return {{}, 11};
    default:
        return {{}, 10};
    }
}

QFont WithFamilies(QStringList families, const Script &script, int pixelSize)
{
    families << script.families;
    QFont f;
    if (!families.isEmpty())
        f.setFamilies(families);
    f.setPixelSize(pixelSize);
    return f;
}

}  // namespace

// The layout was drawn for a small sans serif: "Time:" has 25 pixels.
// Liberation Sans at 10 pixels fits every caption; DejaVu Sans would clip.
QFont WindowFont(const QLocale &language)
{
    const Script script = ScriptOf(language);
    QStringList latin = Installed({"Liberation Sans", "Arial", "DejaVu Sans"});
    return WithFamilies(latin.mid(0, 1), script, script.captionPixels);
}

QFont ProblemFont(const QLocale &language, int pixelSize)
{
    QFont f = WithFamilies(Installed({"Verdana", "DejaVu Sans"}).mid(0, 1), ScriptOf(language), pixelSize);
    f.setBold(true);
    return f;
}

}  // namespace sumbrix
