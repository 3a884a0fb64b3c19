// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The read-aloud module: Qt TextToSpeech through speech-dispatcher, on a
// thread of its own. Its speechd plugin connects synchronously and its
// callbacks come from speech-dispatcher's own thread, so nothing of it
// runs on the window's thread.
#include "voice.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QFile>
#include <QPointer>
#include <QStringList>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>
#include <QVoice>
#include <atomic>
#include <cstdio>
#include <memory>

namespace sumbrix {

namespace {

constexpr int kDBusTimeoutMs = 500;

// What the voice's thread and the window's thread both know of it. Shared,
// since a voice thread held by a silent service outlives its ThreadedVoice.
struct Told {
    VoiceMessages messages;
    std::atomic<bool> told = false;    // a message is said once, by either thread
    std::atomic<bool> started = false; // the engine has been made, or has failed

    void Once(const QString &message)
    {
        if (!told.exchange(true))
            std::fprintf(stderr, "%s\n", qPrintable(message));
    }
};

// A screen reader runs when the desktop's screen-reader switch is on
// (GNOME starts Orca from it), or when Orca itself is an application on
// the accessibility bus (an Orca started by hand leaves the switch off).
// The accessibility status' IsEnabled says neither: Orca sets it and never
// clears it, and the desktop keeps it for later sessions.
bool ScreenReaderRuns()
{
    QDBusConnection session = QDBusConnection::sessionBus();
    if (!session.isConnected())
        return false;
    // Asking the accessibility bus's launcher would start it; with no
    // launcher running, no screen reader can run either.
    const QDBusReply<bool> launched = session.interface()->isServiceRegistered(QStringLiteral("org.a11y.Bus"));
    if (!launched.isValid() || !launched.value())
        return false;
    auto status = QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                                 QStringLiteral("org.freedesktop.DBus.Properties"),
                                                 QStringLiteral("Get"));
    status << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled");
    const QDBusReply<QDBusVariant> enabled = session.call(status, QDBus::Block, kDBusTimeoutMs);
    if (enabled.isValid() && enabled.value().variant().toBool())
        return true;
    const QDBusReply<QString> address = session.call(
        QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                       QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")),
        QDBus::Block, kDBusTimeoutMs);
    if (!address.isValid() || address.value().isEmpty())
        return false;
    const QString name = QStringLiteral("sumbrix-a11y");
    QDBusConnection a11y = QDBusConnection::connectToBus(address.value(), name);
    bool found = false;
    if (a11y.isConnected() && a11y.interface()) {
        const QDBusReply<QStringList> names = a11y.interface()->registeredServiceNames();
        for (const QString &peer : names.isValid() ? names.value() : QStringList()) {
            if (!peer.startsWith(QLatin1Char(':')))
                continue;
            const QDBusReply<uint> pid = a11y.interface()->servicePid(peer);
            if (!pid.isValid())
                continue;
            QFile comm(QStringLiteral("/proc/%1/comm").arg(pid.value()));
            if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "orca") {
                found = true;
                break;
            }
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return found;
}

// Lives on the voice's thread.
class Speaker : public QObject {
public:
    Speaker(const QLocale &locale, std::shared_ptr<Told> told) : locale_(locale), told_(std::move(told)) {}

    void Start()
    {
        MakeEngine();
        told_->started = true;
    }

    void Say(const QString &sentence, bool cutOff)
    {
        // Looked for at each sentence, so that a screen reader started a
        // moment ago is never talked over.
        if (!engine_ || ScreenReaderRuns())
            return;
        if (cutOff) {
            following_.clear();
            engine_->stop();
        } else if (saying_ || engine_->state() == QTextToSpeech::Speaking) {
            // Qt's say() stops what is being said: a sentence that must
            // follow waits until the voice is done. Waits too before the
            // voice reports it has begun, which a busy machine reports late.
            following_.append(sentence);
            return;
        }
        SayNow(sentence);
    }

    void SayNow(const QString &sentence)
    {
        saying_ = true;
        begun_ = false;
        engine_->say(sentence);
    }

    void Stop()
    {
        if (engine_)
            engine_->stop();
        Drop();
    }

private:
    void MakeEngine()
    {
        const VoiceMessages &messages = told_->messages;
        if (!QTextToSpeech::availableEngines().contains(QLatin1String("speechd"))) {
            told_->Once(messages.noService);
            return;
        }
        engine_ = new QTextToSpeech(QStringLiteral("speechd"), this);
        // Judged by the voices on offer, not by the state: the engine starts
        // in the desktop's language, and where no voice is listed under its
        // code (Chinese: "cmn") that leaves an Error a voice chosen mends.
        if (engine_->availableLocales().isEmpty()) {
            told_->Once(messages.noService);
            Drop();
            return;
        }
        if (!ChooseVoice()) {
            told_->Once(messages.noVoice);
            Drop();
            return;
        }
        connect(engine_, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            // The sentence said last is done once it has begun and ended;
            // a Ready reported before it began is an older sentence's.
            if (state == QTextToSpeech::Speaking)
                begun_ = true;
            else if (state == QTextToSpeech::Error || (state == QTextToSpeech::Ready && begun_))
                saying_ = false;
            // By the state now: the change reported may be an older one.
            if (!saying_ && engine_->state() == QTextToSpeech::Ready && !following_.isEmpty())
                SayNow(following_.takeFirst());
            if (state == QTextToSpeech::Speaking)
                spoke_ = true;
            else if (state == QTextToSpeech::Error && spoke_)
                Failed();
        });
    }

    // The voice for the child's own country; else one for a wider region
    // (Latin America's Spanish, es-419); else the language's main country's.
    bool ChooseVoice()
    {
        const auto score = [this](const QLocale &l) {
            if (l.territory() == locale_.territory())
                return 4;
            if (l.territory() == QLocale::LatinAmerica || l.territory() == QLocale::World)
                return 3;
            return l.territory() == QLocale(locale_.language()).territory() ? 2 : 1;
        };
        // speech-dispatcher lists Chinese voices by the language spoken:
        // Cantonese (yue) in Hong Kong and Macao, Mandarin (cmn) elsewhere.
        const bool cantonese = locale_.language() == QLocale::Chinese &&
                               (locale_.territory() == QLocale::HongKong || locale_.territory() == QLocale::Macao);
        const QLocale::Language language = cantonese ? QLocale::Cantonese : locale_.language();
        QLocale chosen = QLocale::c();
        int best = 0;
        for (const QLocale &l : engine_->availableLocales())
            if (l.language() == language && score(l) > best) {
                chosen = l;
                best = score(l);
            }
        if (best > 0) {
            engine_->setLocale(chosen);
            return true;
        }
        if (language != QLocale::Chinese)
            return false;
        // Qt has no locale for "cmn": its voices come under C's, known by
        // espeak-ng's name. The one that reads Han characters, not the one
        // that spells them as English.
        engine_->setLocale(QLocale::c());
        for (const QVoice &voice : engine_->availableVoices())
            if (voice.name() == QLatin1String("Chinese (Mandarin, latin as Pinyin)")) {
                engine_->setVoice(voice);
                return true;
            }
        return false;
    }

    void Failed()
    {
        told_->Once(told_->messages.wentAway);
        QTimer::singleShot(0, this, [this] { Drop(); });
    }
    void Drop()
    {
        delete engine_;
        engine_ = nullptr;
    }

    QLocale locale_;
    std::shared_ptr<Told> told_;
    QPointer<QTextToSpeech> engine_;
    QStringList following_;  // sentences that wait for the one being said
    bool saying_ = false;     // a sentence was handed over and has not ended
    bool begun_ = false;      // ... and the voice has begun it
    bool spoke_ = false;
};

class ThreadedVoice : public Voice {
public:
    ThreadedVoice(const QLocale &locale, const VoiceMessages &messages)
        : told_(std::make_shared<Told>()), thread_(new QThread)
    {
        told_->messages = messages;
        speaker_ = new Speaker(locale, told_);
        thread_->setObjectName(QStringLiteral("sumbrix-voice"));
        speaker_->moveToThread(thread_);
        thread_->start();
        QMetaObject::invokeMethod(speaker_, [s = speaker_] { s->Start(); }, Qt::QueuedConnection);
    }
    ~ThreadedVoice() override
    {
        // The engine is stopped and gone before the application is: its
        // callbacks would otherwise reach a dead object. A speech service
        // that has stopped answering holds the voice's thread in a call;
        // the program must close all the same, so that thread is given a
        // moment and then left to the end of the process (destroying a
        // running thread would abort). The user is told why it was silent
        // even when quitting before the engine's start had an answer.
        QMetaObject::invokeMethod(
            speaker_, [s = speaker_, t = thread_] { s->Stop(); delete s; t->quit(); }, Qt::QueuedConnection);
        if (thread_->wait(QDeadlineTimer(kGiveUpMs)))
            delete thread_;
        else
            told_->Once(told_->started ? told_->messages.wentAway : told_->messages.noService);
    }
    void Say(const QString &sentence, bool cutOff) override
    {
        QMetaObject::invokeMethod(speaker_, [s = speaker_, sentence, cutOff] { s->Say(sentence, cutOff); },
                                  Qt::QueuedConnection);
    }

private:
    static constexpr int kGiveUpMs = 1500;
    std::shared_ptr<Told> told_;
    QThread *thread_;
    Speaker *speaker_ = nullptr;
};

}  // namespace

}  // namespace sumbrix

extern "C" Q_DECL_EXPORT sumbrix::Voice *sumbrix_make_voice(const QLocale &locale,
                                                            const sumbrix::VoiceMessages &messages)
{
    return new sumbrix::ThreadedVoice(locale, messages);
}
