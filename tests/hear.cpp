// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What the program hands the voice in a language, through the program's
// own code, for translators and tools/voice-table:
//   sumbrix-hear LANG [--qm FILE]               numbers heard otherwise than the teacher's words
//   sumbrix-hear LANG [--qm FILE] --all         every number, both texts and phonemes
//   sumbrix-hear LANG [--qm FILE] --sentences   the sentences read aloud, one a line
// --qm puts a catalogue compiled by lrelease over the built-in one, so a
// catalogue being mended is heard without building the program.
#include "hearing.h"
#include "language.h"
#include "speech.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstdio>

namespace {

void Print(const QString &line) { std::printf("%s\n", line.toUtf8().constData()); }

QString Shown(int n) { return sumbrix::LocalNumber(u' ' + QString::number(n), sumbrix::NumberLocale()); }

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.front().startsWith(u'-')) {
        std::fprintf(stderr, "usage: sumbrix-hear LANG [--qm FILE] [--all | --sentences]\n");
        return 2;
    }
    const QString language = args.takeFirst();
    sumbrix::UseLanguage(QLocale(language));
    QTranslator extra;
    if (const qsizetype qm = args.indexOf(QStringLiteral("--qm")); qm >= 0 && qm + 1 < args.size()) {
        if (!extra.load(args.at(qm + 1)) || !QCoreApplication::installTranslator(&extra)) {
            std::fprintf(stderr, "sumbrix-hear: cannot load %s\n", qPrintable(args.at(qm + 1)));
            return 2;
        }
    }
    if (args.contains(QStringLiteral("--sentences"))) {
        const QString first = sumbrix::SpokenProblem(Shown(8), QStringLiteral("+"), Shown(2));
        for (const auto &[a, sign, b] : {std::tuple{8, "+", 2}, {15, "-", 3}, {7, "x", 11}, {400, "/", 20}})
            Print(sumbrix::SpokenProblem(Shown(a), QLatin1String(sign), Shown(b)));
        Print(sumbrix::SpokenAfterEnter(sumbrix::Verdict::Right, first));
        Print(sumbrix::SpokenAfterEnter(sumbrix::Verdict::Wrong, first));
        Print(sumbrix::SpokenRange(0, 12, first));
        Print(sumbrix::hearing::ProgramText(-21));
        return 0;
    }
    const auto teacher =
        sumbrix::hearing::ReadTeacherWords(QStringLiteral(SUMBRIX_NUMBERS_DIR "/") + language + QStringLiteral(".txt"));
    if (!teacher) {
        std::fprintf(stderr, "sumbrix-hear: no teacher's words for %s in %s\n", qPrintable(language), SUMBRIX_NUMBERS_DIR);
        return 2;
    }
    const QString voice = sumbrix::hearing::VoiceOf(language);
    if (!sumbrix::hearing::Phonemes(voice, QStringLiteral("1"))) {
        std::fprintf(stderr, "sumbrix-hear: espeak-ng has no voice %s\n", qPrintable(voice));
        return 2;
    }
    if (args.contains(QStringLiteral("--all"))) {
        for (auto it = teacher->words.cbegin(); it != teacher->words.cend(); ++it) {
            const QString program = sumbrix::hearing::ProgramText(it.key());
            Print(QStringList{QString::number(it.key()), program, it.value(),
                              *sumbrix::hearing::Phonemes(voice, program), *sumbrix::hearing::Phonemes(voice, it.value())}
                      .join(u'\t'));
        }
        return 0;
    }
    int faults = 0, known = 0;
    for (const auto &m : sumbrix::hearing::Compare(voice, *teacher)) {
        const bool engine = m.problem.isEmpty() && teacher->engineFaults.contains(m.number);
        (engine ? known : faults)++;
        Print(QStringList{engine ? QStringLiteral("engine %1").arg(m.number)
                                 : m.problem.isEmpty() ? QString::number(m.number) : QStringLiteral("problem ") + m.problem,
                          m.program,
                          m.teacher, m.programSaid, m.teacherSaid}
                  .join(u'\t'));
    }
    const auto alike = sumbrix::hearing::HeardAlike(voice, *teacher);
    for (const auto &[a, b] : alike)
        Print(QStringLiteral("alike %1 %2: the teacher's words for both are heard the same").arg(a).arg(b));
    faults += int(alike.size());
    std::fprintf(stderr, "%s: %lld numbers, %d heard otherwise, %d more as known engine faults\n", qPrintable(language),
                 qint64(teacher->words.size()), faults, known);
    return faults ? 1 : 0;
}
