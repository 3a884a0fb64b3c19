// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hearing.h"

#include "language.h"
#include "speech.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTextStream>
#include <espeak-ng/speak_lib.h>

namespace sumbrix::hearing {

QString VoiceOf(const QString &language)
{
    // espeak-ng lists Mandarin and Cantonese by their own codes, as the
    // program asks speech-dispatcher for them.
    if (language == QLatin1String("zh_CN") || language == QLatin1String("zh_TW"))
        return QStringLiteral("cmn-latn-pinyin");
    if (language == QLatin1String("zh_HK"))
        return QStringLiteral("yue");
    return language.toLower().replace(u'_', u'-');
}

std::optional<QString> Phonemes(const QString &voice, const QString &text)
{
    static const bool ready = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT) > 0;
    static QString current;
    if (!ready)
        return std::nullopt;
    if (voice != current) {
        if (espeak_SetVoiceByName(voice.toUtf8().constData()) != EE_OK)
            return std::nullopt;
        current = voice;
    }
    const QByteArray utf8 = text.toUtf8();
    const void *next = utf8.constData();
    QStringList clauses;
    while (next)
        if (const char *said = espeak_TextToPhonemes(&next, espeakCHARS_UTF8, 0); said && *said)
            clauses += QString::fromUtf8(said).trimmed();
    return clauses.join(u' ');
}

QString VoiceVersion()
{
    const QString version = QString::fromLatin1(espeak_Info(nullptr));
    return version.section(u'.', 0, 1).section(u' ', 0, 0);
}

QString Sounds(const QString &phonemes)
{
    static const QRegularExpression marks(QStringLiteral("[',_:!| -]"));
    return QString(phonemes).remove(marks);
}

std::optional<TeacherWords> ReadTeacherWords(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    TeacherWords teacher;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (const QStringList same = line.split(u'\t'); same.size() == 3 && same.front() == QLatin1String("same")) {
            teacher.same.emplace_back(QRegularExpression(same.at(1)), same.at(2));
            continue;
        }
        if (line.startsWith(QLatin1String("voice\t"))) {
            teacher.voices << line.mid(6).trimmed();
            continue;
        }
        if (line.startsWith(QLatin1String("problem "))) {
            teacher.problems << line.mid(8, line.indexOf(u'\t') - 8);
            teacher.problemWords << line.mid(line.indexOf(u'\t') + 1);
            continue;
        }
        const bool fault = line.startsWith(QLatin1String("engine "));
        const qsizetype tab = line.indexOf(u'\t');
        bool whole = false;
        const int n = line.mid(fault ? 7 : 0, tab - (fault ? 7 : 0)).toInt(&whole);
        if (tab < 0 || !whole)
            continue;
        (fault ? teacher.engineFaults : teacher.words).insert(n, line.mid(tab + 1));
    }
    return teacher;
}

QString TeacherWords::Heard(const QString &phonemes) const
{
    QString heard = Sounds(phonemes);
    for (const auto &[pattern, replacement] : same)
        heard.replace(pattern, replacement);
    return heard;
}

std::vector<std::pair<int, int>> HeardAlike(const QString &voice, const TeacherWords &teacher)
{
    std::vector<std::pair<int, int>> alike;
    QHash<QString, int> heard;
    for (auto it = teacher.words.cbegin(); it != teacher.words.cend(); ++it) {
        const QString sounds = teacher.Heard(Phonemes(voice, it.value()).value_or(QString()));
        if (const auto first = heard.constFind(sounds); first != heard.cend())
            alike.emplace_back(first.value(), it.key());
        else
            heard.insert(sounds, it.key());
    }
    return alike;
}

QString ProgramText(int number)
{
    return SpokenNumber(LocalNumber(QString::number(number), NumberLocale()));
}

std::vector<Misheard> Compare(const QString &voice, const TeacherWords &teacher)
{
    std::vector<Misheard> misheard;
    for (auto it = teacher.words.cbegin(); it != teacher.words.cend(); ++it) {
        const QString program = ProgramText(it.key());
        if (program == it.value())
            continue;
        const QString programSaid = Phonemes(voice, program).value_or(QString());
        const QString teacherSaid = Phonemes(voice, it.value()).value_or(QString());
        if (teacher.Heard(programSaid) != teacher.Heard(teacherSaid))
            misheard.push_back({it.key(), QString(), program, it.value(), programSaid, teacherSaid});
    }
    for (qsizetype i = 0; i < teacher.problems.size(); ++i) {
        const QStringList parts = teacher.problems.at(i).split(u' ');
        if (parts.size() != 3)
            continue;
        const auto shown = [](const QString &n) { return LocalNumber(u' ' + n, NumberLocale()); };
        const QString program = SpokenProblem(shown(parts.at(0)), parts.at(1), shown(parts.at(2)));
        const QString programSaid = Phonemes(voice, program).value_or(QString());
        const QString teacherSaid = Phonemes(voice, teacher.problemWords.at(i)).value_or(QString());
        if (teacher.Heard(programSaid) != teacher.Heard(teacherSaid))
            misheard.push_back({0, teacher.problems.at(i), program, teacher.problemWords.at(i), programSaid, teacherSaid});
    }
    return misheard;
}

}  // namespace sumbrix::hearing
