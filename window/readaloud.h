// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud, for a child who cannot read yet: the sentences a screen
// reader hears, said by the desktop's speech service. Off, it costs
// nothing: the speech module is loaded the first time it is turned on.
#pragma once

#include <QString>
#include <memory>

namespace sumbrix {

class Voice;

class ReadAloud {
public:
    ReadAloud();
    ~ReadAloud();
    ReadAloud(const ReadAloud &) = delete;
    ReadAloud &operator=(const ReadAloud &) = delete;

    bool IsOn() const { return on_; }
    // Turning it on the first time loads the module and makes the voice.
    void SetOn(bool on);
    // Says `sentence` when on, cutting off the one before unless `cutOff`
    // is false (then it follows).
    void Say(const QString &sentence, bool cutOff = true);

private:
    bool on_ = false;
    bool tried_ = false;
    std::unique_ptr<Voice> voice_;
};

}  // namespace sumbrix
