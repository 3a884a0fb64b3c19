// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readaloud.h"

#include "language.h"
#include "voice.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QLocale>
#include <cstdio>

namespace sumbrix {

namespace {

// Next to the program in a build tree; where the package puts it otherwise.
QStringList ModulePlaces()
{
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/sumbrix-readaloud.so"),
            QStringLiteral(SUMBRIX_MODULE_DIR "/sumbrix-readaloud.so")};
}

QString Program() { return QCoreApplication::applicationName(); }

}  // namespace

ReadAloud::ReadAloud() = default;

ReadAloud::~ReadAloud() = default;  // the voice stops and ends its thread

void ReadAloud::SetOn(bool on)
{
    on_ = on;
    if (!on || tried_)
        return;
    tried_ = true;
    const VoiceMessages messages{
        //: %1 is the program.
        QCoreApplication::translate("sumbrix",
                                    "%1: cannot read aloud: no speech service answers. The drill goes on silently.")
            .arg(Program()),
        //: %1 is the program.
        QCoreApplication::translate("sumbrix",
                                    "%1: cannot read aloud: no voice speaks this language. The drill goes on silently.")
            .arg(Program()),
        //: %1 is the program.
        QCoreApplication::translate(
            "sumbrix", "%1: reading aloud stopped: the speech service went away. The drill goes on silently.")
            .arg(Program()),
    };
    for (const QString &place : ModulePlaces()) {
        QLibrary module(place);
        if (auto make = reinterpret_cast<SumbrixMakeVoice>(module.resolve(SUMBRIX_MAKE_VOICE))) {
            voice_.reset(make(UserLocale(), messages));
            return;
        }
    }
    std::fprintf(stderr, "%s\n", qPrintable(messages.noService));
}

void ReadAloud::Say(const QString &sentence, bool cutOff)
{
    if (on_ && voice_ && !sentence.isEmpty())
        voice_->Say(sentence, cutOff);
}

}  // namespace sumbrix
