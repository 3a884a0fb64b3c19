// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Between the program and its read-aloud module. The module links Qt
// TextToSpeech; the program loads it only when reading aloud is asked for,
// so a drill that never speaks loads no speech library at all.
#pragma once

#include <QLocale>
#include <QString>

namespace sumbrix {

// What the module says on standard error, once each, in the user's language.
struct VoiceMessages {
    QString noService;  // no speech service answers
    QString noVoice;    // none of its voices speaks the language
    QString wentAway;   // it stopped answering while in use
};

// A voice of the window's language. Say() returns at once: the speech
// engine lives on a thread of its own, and what it cannot do it leaves
// undone, silently. While a screen reader runs it says nothing: two voices
// at once help nobody. Destroying it stops the speech and ends the thread.
class Voice {
public:
    virtual ~Voice() = default;
    // Says `sentence`; with `cutOff`, stops what is being said first.
    virtual void Say(const QString &sentence, bool cutOff) = 0;
};

}  // namespace sumbrix

// The module's one entry point.
extern "C" {
using SumbrixMakeVoice = sumbrix::Voice *(*)(const QLocale &locale, const sumbrix::VoiceMessages &messages);
}
#define SUMBRIX_MAKE_VOICE "sumbrix_make_voice"
