// A channel's listing arriving in one burst on the profile on screen, at
// 2,000, 4,000 and 8,000 users, beside the same rows put into a bare list
// widget. The cost per user must not grow with the channel.
#include "Figures.h"
#include "Sections.h"

#include "channel/ClientIcon.h"
#include "display/ClientIcons.h"
#include "profiles/ProfileOnScreen.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "session/PacketReceiver.h"
#include "session/clsConnection.h"
#include "support/ChatEvents.h"
#include "support/ServerProgram.h"
#include "support/WaitUntil.h"

#include <QApplication>
#include <QTreeWidget>

#include <cstdio>

namespace {

QByteArray userName(int user)
{
    return "User" + QByteArray::number(user);
}

QByteArray channelBurst(int users)
{
    QByteArray burst = ChatEventMessage(0x07, 0, 0, "probe", "Busy Channel");
    for (int user = 0; user < users; ++user) {
        // One user in fifty is an operator, so the top of the list moves too.
        burst += ChatEventMessage(0x01, user % 50 == 0 ? 0x02 : 0x00, 20 + user % 700, userName(user),
                                  "RATS 0 0 0 0 0 0 0 0 RATS");
    }
    return burst;
}

// Seconds for a profile's whole burst to be handled.
double deliverSeconds(TarnwellApp &app, int profile, int users)
{
    PacketReceiver &receiver = app.profile(profile).connection().receiver();
    const QByteArray burst = channelBurst(users);
    QElapsedTimer timer;
    timer.start();
    receiver.DataArrival(burst);
    WaitUntil([&] { return receiver.bufferedBytes() == 0; }, 600000);
    QApplication::processEvents();
    return Figures::seconds(timer);
}

// Seconds for the whole burst to be listed and painted.
double channelSeconds(int users)
{
    ServerProgram p;
    p.startUp(1);
    TarnwellApp &app = p.app();
    app.mainWindow().show();
    if (p.connect(0) < 0)
        return 0;
    QApplication::processEvents();
    return deliverSeconds(app, 0, users);
}

// Milliseconds for one switch, painted, between two profiles with this many
// users each.
double switchMilliseconds(int users)
{
    ServerProgram p;
    p.startUp(2);
    TarnwellApp &app = p.app();
    app.mainWindow().show();
    if (p.connect(0) < 0 || p.connect(1) < 0)
        return 0;
    for (const int profile : {0, 1})
        deliverSeconds(app, profile, users);
    constexpr int kSwitches = 20;
    QElapsedTimer timer;
    timer.start();
    for (int each = 0; each < kSwitches; ++each) {
        ShowProfile(app, each % 2 == 0 ? 1 : 0);
        QApplication::processEvents();
    }
    return Figures::seconds(timer) * 1000 / kSwitches;
}

// The same rows, text and both images, appended to a bare two-column list.
double bareListSeconds(int users)
{
    QTreeWidget list;
    list.setColumnCount(2);
    list.resize(200, 600);
    list.show();
    ClientIcons icons;
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    for (int user = 0; user < users; ++user) {
        auto *row = new QTreeWidgetItem(QStringList{QLatin1Char(' ') + QString::fromLatin1(userName(user)), QString()});
        row->setIcon(0, icons.image(ClientIcon::Starcraft));
        row->setIcon(1, icons.image(ClientIcon::LatencyBest));
        list.addTopLevelItem(row);
    }
    QApplication::processEvents();
    return Figures::seconds(timer);
}

} // namespace

void ChannelBurstFigures()
{
    Figures::heading("Channel bursts: every user listed on the profile on screen");
    double first = 0;
    double last = 0;
    for (const int users : {2000, 4000, 8000}) {
        const double seconds = channelSeconds(users);
        const QByteArray what = QByteArray::number(users) + " users (ms)";
        Figures::rate(what.constData(), seconds * 1000, "ms", "bare list widget, same rows (ms)",
                      bareListSeconds(users) * 1000);
        (users == 2000 ? first : last) = seconds;
    }
    const double growth = first > 0 ? last / first : 0;
    std::printf("  8,000 users cost %.2f times the 2,000 figure\n", growth);
    Figures::goal(QStringLiteral("8,000 users at most 4.4 times the 2,000 figure"), growth > 0 && growth <= 4.4);
    const double crowdedSwitch = switchMilliseconds(8000);
    Figures::pair("switch between profiles of 8,000 users (ms)", crowdedSwitch, "ms",
                  "switch between profiles of no users (ms)", switchMilliseconds(0));
    Figures::goal(QStringLiteral("a switch between profiles of 8,000 users under 5 ms"),
                  crowdedSwitch > 0 && crowdedSwitch < 5);
}
