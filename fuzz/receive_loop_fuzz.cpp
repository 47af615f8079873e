// One profile of a started program, on screen and in chat, fed arbitrary
// bytes through its receive loop as its socket's reads would bring them:
// framing, dispatch and every handler behind it. The first input byte
// decides how the rest is cut into reads, and its high bits which of the
// settings that steer the handlers are on.
#include "FuzzApplication.h"

#include "platform/Clock.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "session/PacketReceiver.h"
#include "session/clsConnection.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

class ReceivingProfile {
public:
    ReceivingProfile()
    {
        QDir(m_folder.path()).mkpath(QStringLiteral("Profiles/Fuzz"));
        QFile config(m_folder.filePath(QStringLiteral("Profiles/Fuzz/Config.ini")));
        if (!config.open(QIODevice::WriteOnly))
            __builtin_trap();
        config.write("[Login]\r\nUsername=probe\r\nPassword=Secret1\r\nServer=127.0.0.1:1\r\nProduct=RATS\r\n"
                     "Home=Fuzz\r\n[Registration]\r\nEmail=probe@example.com\r\nNew Email=probe2@example.com\r\n"
                     "[Options]\r\nJoin/Leave=1\r\n");
        config.close();
        // One user and one message filter, so that the filtered branches are
        // reachable: names and texts containing "hush".
        for (const char *list : {"Profiles/Fuzz/UserFilters.txt", "Profiles/Fuzz/MessageFilters.txt"}) {
            QFile filters(m_folder.filePath(QString::fromLatin1(list)));
            if (!filters.open(QIODevice::WriteOnly) || filters.write("*hush*\r\n") < 0)
                __builtin_trap();
        }
        m_app = std::make_unique<TarnwellApp>(m_folder.path(), m_clock);
        m_app->mainWindow().Form_Load();
        // A modal box opened by a handler would hold the receive loop while
        // the server goes on sending: that is a finding, not a wait.
        m_modalWatch.setInterval(0);
        QObject::connect(&m_modalWatch, &QTimer::timeout, [] {
            if (QApplication::activeModalWidget())
                __builtin_trap();
        });
        m_modalWatch.start();
    }

    // Each input starts from a profile in chat with the settings its setup
    // byte picks, the join and leave lines on, and an empty receive buffer.
    // The setup byte: 0 brings everything in one read, otherwise reads of 1
    // to 255 bytes; bits 3-4 pick the registration mode, bit 5 a pending new
    // password, bit 6 the Void view and bit 7 the channel "The Void", so a
    // byte below 8 keeps a plain profile.
    void feed(const QByteArray &bytes, std::uint8_t setup)
    {
        const qsizetype readSize = setup == 0 ? bytes.size() : setup;
        static const QString modes[] = {QStringLiteral("Register"), QStringLiteral("Change"),
                                        QStringLiteral("Retrieve"), QStringLiteral("Disabled")};
        ProfileRecord &record = m_app->profile(0).record();
        record.JoinLeave = true;
        m_app->profile(0).state().AccountName = record.Username = QStringLiteral("probe");
        record.Mode = modes[(setup >> 3) & 3];
        record.Password = QStringLiteral("Secret1");
        record.NewPassword = setup & 0x20 ? QStringLiteral("Better2") : QString();
        record.VoidView = (setup & 0x40) != 0;
        m_app->profile(0).state().CurrentChannel = setup & 0x80 ? QStringLiteral("The Void") : QStringLiteral("Fuzz");
        m_app->profile(0).state().EnterChatTick = m_clock.tickCount();
        m_clock.advance(1000);
        PacketReceiver &receiver = m_app->profile(0).connection().receiver();
        receiver.Discard();
        for (qsizetype at = 0; at < bytes.size(); at += readSize)
            receiver.DataArrival(bytes.mid(at, readSize));
        // Everything the handlers posted (deleted objects, scheduled reads,
        // repaints) is delivered now: left queued, the list would grow with
        // every input and each later delivery would walk all of it.
        QCoreApplication::sendPostedEvents();
    }

private:
    QTemporaryDir m_folder{FuzzScratchFolder() + QStringLiteral("/tarnwell-fuzz-XXXXXX")};
    ManualClock m_clock;
    std::unique_ptr<TarnwellApp> m_app;
    QTimer m_modalWatch;
};

// Made before the first input and never destroyed, like the application.
ReceivingProfile *profile = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    StartFuzzApplication();
    profile = new ReceivingProfile;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return -1;
    profile->feed(InputBytes(data + 1, size - 1), data[0]);
    return 0;
}
