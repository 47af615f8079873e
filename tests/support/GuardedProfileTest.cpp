#include "support/GuardedProfileTest.h"

#include "profiles/MoreOptions.h"
#include "profiles/modProfiles.h"
#include "session/FloodGuard.h"

void GuardedProfileTest::SetUp()
{
    ConnectedProfileTest::SetUp();
    app.settings().WriteProfileSetting(QStringLiteral("Profile0"), MoreOptions::kSection, MoreOptions::kFloodGuard,
                                       QStringLiteral("1"));
    LoadInfo(app, QStringLiteral("Profile0"), 0, true);
    app.profile(0).state().AccountName = QStringLiteral("probe");
}

QStringList GuardedProfileTest::chatSent() const
{
    QStringList lines;
    for (const TestServer::Message &message : p.server.messages(connection)) {
        if (message.id == 0x0E)
            lines.append(QString::fromLatin1(message.payload.chopped(1)));
    }
    return lines;
}

bool GuardedProfileTest::waitForSent(qsizetype count) const
{
    return p.server.waitForMessages(connection, 2 + static_cast<std::size_t>(count));
}

void GuardedProfileTest::after(quint32 milliseconds)
{
    p.clock().advance(milliseconds);
    app.profile(0).floodGuard().tmrFloodGuard_Timer();
}
