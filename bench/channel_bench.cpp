// How fast a busy channel is handled on the profile on screen: a channel of
// 2,000 users arriving as one burst of listings, then 10,000 talk lines,
// then a switch away and back that refills the list from the store. Each
// phase includes the repaint it leaves behind.
#include "channel/ChatEvent.h"
#include "platform/Clock.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "profiles/modProfiles.h"
#include "support/ChatEvents.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

constexpr int kUsers = 2000;
constexpr int kTalkLines = 10000;

void writeProfile(const QString &folder, const char *name)
{
    const QString path = folder + QStringLiteral("/Profiles/") + QString::fromLatin1(name);
    QDir().mkpath(path);
    QFile config(path + QStringLiteral("/Config.ini"));
    if (config.open(QIODevice::WriteOnly))
        config.write("[Login]\nUsername=Bencher\nProduct=RATS\n[Options]\nJoin/Leave=1\n");
}

QByteArray userName(int user)
{
    return "User" + QByteArray::number(user);
}

// Hands every message to the profile and lets the window catch up; returns
// the seconds taken.
double deliver(TarnwellApp &app, const std::vector<QByteArray> &messages)
{
    QElapsedTimer timer;
    timer.start();
    for (const QByteArray &message : messages)
        DeliverChatEvent(app, 0, message);
    QApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void report(const char *phase, int events, double seconds)
{
    std::printf("%-44s %6d events %9.1f ms %10.0f events/s\n", phase, events, seconds * 1000,
                events / seconds);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    writeProfile(folder.path(), "bench");
    writeProfile(folder.path(), "other");
    SystemClock clock;
    TarnwellApp app(folder.path(), clock);
    frmMain &window = app.mainWindow();
    window.Form_Load();
    window.show();
    QApplication::processEvents();

    DeliverChatEvent(app, 0, ChatEventMessage(ChatEventId::Channel, 0x03, 0, "Bencher", "Busy Channel"));
    std::vector<QByteArray> listings;
    for (int user = 0; user < kUsers; ++user) {
        // One user in fifty is an operator, so the top of the list moves too.
        const quint32 flags = user % 50 == 0 ? 0x02 : 0x00;
        listings.push_back(ChatEventMessage(ChatEventId::ShowUser, flags, 20 + user % 700, userName(user),
                                            "RATS 0 0 0 0 0 0 0 0 RATS"));
    }
    report("2,000 users entering (0x01 burst)", kUsers, deliver(app, listings));

    std::vector<QByteArray> talk;
    for (int line = 0; line < kTalkLines; ++line)
        talk.push_back(ChatEventMessage(ChatEventId::Talk, 0, 30, userName(line % kUsers),
                                        "a line of ordinary chat number " + QByteArray::number(line)));
    report("10,000 talk lines (0x05) in a 2,000-user channel", kTalkLines, deliver(app, talk));

    QElapsedTimer timer;
    timer.start();
    lstProfiles_Click(app, QStringLiteral("other"));
    lstProfiles_Click(app, QStringLiteral("bench"));
    QApplication::processEvents();
    report("switching away and back (list refilled)", kUsers, static_cast<double>(timer.nsecsElapsed()) / 1e9);
    return 0;
}
