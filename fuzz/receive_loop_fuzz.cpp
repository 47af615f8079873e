// One profile of a started program, on screen and in chat, fed arbitrary
// bytes through its receive loop as its socket's reads would bring them:
// framing, dispatch and every handler behind it. The first input byte
// decides how the rest is cut into reads.
#include "FuzzApplication.h"

#include "packet/PacketReceiver.h"
#include "platform/Clock.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
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
                     "Home=Fuzz\r\nMode=Register\r\nEmail=probe@example.com\r\n[Options]\r\nJoin/Leave=1\r\n");
        config.close();
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

    // Each input starts from a profile in chat with every option that makes
    // the handlers do more, and an empty receive buffer.
    void feed(const QByteArray &bytes, qsizetype readSize)
    {
        ProfileRecord &record = m_app->record(0);
        record.JoinLeave = true;
        record.AccountName = record.Username = QStringLiteral("probe");
        record.CurrentChannel = QStringLiteral("Fuzz");
        record.EnterChatTick = m_clock.tickCount();
        m_clock.advance(1000);
        PacketReceiver &receiver = m_app->connection(0).receiver();
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
    // 0 brings everything in one read; otherwise reads of 1 to 255 bytes.
    const qsizetype readSize = data[0] == 0 ? static_cast<qsizetype>(size) : data[0];
    profile->feed(InputBytes(data + 1, size - 1), readSize);
    return 0;
}
