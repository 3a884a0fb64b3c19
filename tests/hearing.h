// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What a child hears: the texts the program hands the voice, set beside a
// teacher's words for the same numbers, both as espeak-ng says them.
#pragma once

#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace sumbrix::hearing {

// The espeak-ng voice the program's language is spoken in.
QString VoiceOf(const QString &language);

// The phonemes espeak-ng makes of `text` in `voice`, as `espeak-ng -q -x`
// prints them, clauses joined by blanks; nullopt without the library or
// the voice.
std::optional<QString> Phonemes(const QString &voice, const QString &text);

// espeak-ng's version, "1.51".
QString VoiceVersion();

// Phonemes as compared: without stress, pauses, length or word breaks,
// which a voice places differently in digits and in words.
QString Sounds(const QString &phonemes);

// A teacher's words for the numbers of one language (tests/numbers/LL.txt):
// "NUMBER<TAB>words" lines; "engine NUMBER<TAB>why" for a number no text
// mends; "same<TAB>REGEX<TAB>REPLACEMENT" for sounds the voice makes one
// way in digits and another in words that a listener hears as the same,
// applied to both before they are compared; "problem A OP B<TAB>words"
// for a problem read aloud (OP one of + - x /); "voice<TAB>VERSION" for
// each espeak-ng version the words were heard with; and "# " comments.
struct TeacherWords {
    QStringList voices;
    QMap<int, QString> words;
    QStringList problems;  // "A OP B", each with its words in problemWords
    QStringList problemWords;
    QMap<int, QString> engineFaults;
    std::vector<std::pair<QRegularExpression, QString>> same;
    QString Heard(const QString &phonemes) const;  // Sounds(), then the same sounds made one
};
std::optional<TeacherWords> ReadTeacherWords(const QString &path);

// The numbers the program speaks differently from the teacher, in the
// language installed now (sumbrix::UseLanguage).
struct Misheard {
    int number;
    QString problem;  // "A OP B" where a problem was misheard
    QString program, teacher;           // the texts
    QString programSaid, teacherSaid;   // their phonemes
};
std::vector<Misheard> Compare(const QString &voice, const TeacherWords &teacher);

// Pairs of numbers whose teacher's words are heard alike once the same
// sounds are made one: "same" rules that went too far.
std::vector<std::pair<int, int>> HeardAlike(const QString &voice, const TeacherWords &teacher);

// The program's text for a number, as it hands it to the voice.
QString ProgramText(int number);

}  // namespace sumbrix::hearing
