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
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <cstdio>

namespace sumbrix {

namespace {

constexpr int kLookEveryMs = 2000;  // for a screen reader started or stopped meanwhile
constexpr int kDBusTimeoutMs = 500;

void SayOnce(bool &said, const QString &message)
{
    if (said)
        return;
    said = true;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

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
    Speaker(const QLocale &locale, const VoiceMessages &messages) : locale_(locale), messages_(messages) {}

    void Start()
    {
        screenReader_ = ScreenReaderRuns();
        look_ = new QTimer(this);
        look_->setInterval(kLookEveryMs);
        connect(look_, &QTimer::timeout, this, [this] { screenReader_ = ScreenReaderRuns(); });
        look_->start();
        if (!QTextToSpeech::availableEngines().contains(QLatin1String("speechd"))) {
            SayOnce(told_, messages_.noService);
            return;
        }
        engine_ = new QTextToSpeech(QStringLiteral("speechd"), this);
        if (engine_->state() == QTextToSpeech::Error) {
            SayOnce(told_, messages_.noService);
            Drop();
            return;
        }
        // Judged by the voices on offer, not by the state a failed
        // setLocale leaves behind.
        const QList<QLocale> offered = engine_->availableLocales();
        QLocale chosen = QLocale::c();
        for (const QLocale &l : offered)
            if (l.language() == locale_.language() &&
                (chosen == QLocale::c() || l.territory() == locale_.territory()))
                chosen = l;
        if (chosen == QLocale::c()) {
            SayOnce(told_, offered.isEmpty() ? messages_.noService : messages_.noVoice);
            Drop();
            return;
        }
        engine_->setLocale(chosen);
        connect(engine_, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Speaking)
                spoke_ = true;
            else if (state == QTextToSpeech::Error && spoke_)
                Failed();
        });
    }

    void Say(const QString &sentence, bool cutOff)
    {
        if (!engine_ || screenReader_)
            return;
        if (cutOff)
            engine_->stop();
        engine_->say(sentence);
    }

    void Stop()
    {
        delete look_;
        look_ = nullptr;
        if (engine_)
            engine_->stop();
        Drop();
    }

private:
    void Failed()
    {
        SayOnce(told_, messages_.wentAway);
        QTimer::singleShot(0, this, [this] { Drop(); });
    }
    void Drop()
    {
        delete engine_;
        engine_ = nullptr;
    }

    QLocale locale_;
    VoiceMessages messages_;
    QPointer<QTextToSpeech> engine_;
    QTimer *look_ = nullptr;
    std::atomic<bool> screenReader_ = false;
    bool spoke_ = false;
    bool told_ = false;
};

class ThreadedVoice : public Voice {
public:
    ThreadedVoice(const QLocale &locale, const VoiceMessages &messages)
        : thread_(new QThread), speaker_(new Speaker(locale, messages))
    {
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
        // running thread would abort).
        QMetaObject::invokeMethod(
            speaker_, [s = speaker_, t = thread_] { s->Stop(); delete s; t->quit(); }, Qt::QueuedConnection);
        if (thread_->wait(QDeadlineTimer(kGiveUpMs)))
            delete thread_;
    }
    void Say(const QString &sentence, bool cutOff) override
    {
        QMetaObject::invokeMethod(speaker_, [s = speaker_, sentence, cutOff] { s->Say(sentence, cutOff); },
                                  Qt::QueuedConnection);
    }

private:
    static constexpr int kGiveUpMs = 1500;
    QThread *thread_;
    Speaker *speaker_;
};

}  // namespace

}  // namespace sumbrix

extern "C" Q_DECL_EXPORT sumbrix::Voice *sumbrix_make_voice(const QLocale &locale,
                                                            const sumbrix::VoiceMessages &messages)
{
    return new sumbrix::ThreadedVoice(locale, messages);
}
