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
    int readingPixels;     // its captions' size where a child reads it
};

Script ScriptOf(const QLocale &language)
{
    // The size at which a teacher reading the language could tell its
    // smallest marks apart on a 96-dpi screen: Latin as drawn, 10 pixels;
    // scripts whose marks, subjoined letters or digits merge at that size
    // larger. The window opens as much larger as the script needs, so the
    // boxes grow with the text. Arabic takes its UI face (plain Noto Sans
    // Arabic is half as tall again), Devanagari and Bengali their plain
    // faces; Urdu is written in Naskh (a Nastaliq line is twice as tall).
    // The CJK faces are named per language, so that each draws the shared
    // characters in the forms its schools teach.
    switch (language.language()) {
    case QLocale::Arabic:
    case QLocale::Persian:
        return {Installed({"Noto Sans Arabic UI", "DejaVu Sans"}), 16};  // the hamza of إلى
    case QLocale::Urdu:
        return {Installed({"Noto Naskh Arabic UI", "Noto Sans Arabic UI"}), 16};
    case QLocale::Hindi:
    case QLocale::Marathi:
    case QLocale::Nepali:
        return {Installed({"Noto Sans Devanagari", "Noto Sans Devanagari UI"}), 16};  // १ and ९
    case QLocale::Bengali:
    case QLocale::Assamese:
        return {Installed({"Noto Sans Bengali", "Noto Sans Bengali UI"}), 15};
    case QLocale::Gujarati:
        return {Installed({"Noto Sans Gujarati"}), 15};
    case QLocale::Punjabi:
        return {Installed({"Noto Sans Gurmukhi"}), 15};
    case QLocale::Telugu:
        return {Installed({"Noto Sans Telugu"}), 16};  // the subjoined letters
    case QLocale::Kannada:
        return {Installed({"Noto Sans Kannada"}), 16};
    case QLocale::Tamil:
        return {Installed({"Noto Sans Tamil"}), 14};
    case QLocale::Malayalam:
        return {Installed({"Noto Sans Malayalam"}), 15};
    case QLocale::Odia:
        return {Installed({"Noto Sans Oriya"}), 15};
    case QLocale::Sinhala:
        return {Installed({"Noto Sans Sinhala"}), 15};
    case QLocale::Amharic:
        return {Installed({"Noto Sans Ethiopic"}), 15};  // the vowel orders' marks
    case QLocale::Georgian:
        return {Installed({"Noto Sans Georgian"}), 14};
    case QLocale::Armenian:
        return {Installed({"Noto Sans Armenian"}), 14};
    case QLocale::Japanese:
        return {Installed({"Noto Sans CJK JP", "WenQuanYi Micro Hei"}), 14};  // ば and ぱ
    case QLocale::Korean:
        return {Installed({"Noto Sans CJK KR", "WenQuanYi Micro Hei"}), 14};
    case QLocale::Chinese:
        if (language.territory() == QLocale::HongKong)
            return {Installed({"Noto Sans CJK HK", "Noto Sans CJK TC", "WenQuanYi Micro Hei"}), 14};
        return {language.script() == QLocale::TraditionalChineseScript
                    ? Installed({"Noto Sans CJK TC", "WenQuanYi Micro Hei"})
                    : Installed({"Noto Sans CJK SC", "WenQuanYi Micro Hei"}),
                14};
    case QLocale::Vietnamese:
        // Below, ắ and ằ, ấ and ầ look the same.
        return {{}, 12};
    case QLocale::Azerbaijani:
    case QLocale::Kazakh:
        // Below, ə and ә are hardly told from a.
        return {{}, 14};
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
// Liberation Sans at 10 pixels fits every English caption; DejaVu Sans
// would clip.
QFont WindowFont(const QLocale &language)
{
    const Script script = ScriptOf(language);
    QStringList latin = Installed({"Liberation Sans", "Arial", "DejaVu Sans"});
    return WithFamilies(latin.mid(0, 1), script, script.readingPixels);
}

QFont ProblemFont(const QLocale &language, int pixelSize)
{
    QFont f = WithFamilies(Installed({"Verdana", "DejaVu Sans"}).mid(0, 1), ScriptOf(language), pixelSize);
    f.setBold(true);
    return f;
}

}  // namespace sumbrix
