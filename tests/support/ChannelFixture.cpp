#include "support/ChannelFixture.h"

#include "channel/ChannelUserList.h"
#include "profiles/frmMain.h"
#include "support/ChatEvents.h"

#include <QListWidget>
#include <QTest>

ChannelFixture::ChannelFixture()
    : app(*test.app), window(app.mainWindow()), list(*app.mainWindow().lstChannelUsers)
{
    test.writeProfile(QStringLiteral("alpha"),
                      "[Login]\nUsername=Alpha\nProduct=RATS\n[Options]\nJoin/Leave=1\n");
    test.writeProfile(QStringLiteral("beta"), "[Login]\nUsername=Beta\nProduct=PX2D\n");
    test.startUp();
    // As entering chat leaves them.
    for (const int profile : {kAlpha, kBeta}) {
        ProfileRecord &record = app.profile(profile).record();
        app.profile(profile).state().AccountName = app.profile(profile).state().UniqueName = record.Username;
    }
}

void ChannelFixture::event(quint32 id, quint32 flags, qint32 ping, const QByteArray &name, const QByteArray &text,
                           int profile)
{
    DeliverChatEvent(app, profile, ChatEventMessage(id, flags, ping, name, text));
}

QStringList ChannelFixture::rowTexts() const
{
    QStringList texts;
    for (int row = 1; row <= list.rowCount(); ++row)
        texts << list.rowIndex(row).data().toString();
    return texts;
}

std::vector<TextRun> ChannelFixture::lastLine(int profile) const
{
    return LastLineRuns(app.profile(profile).pane());
}

void ChannelFixture::clickProfile(const QString &name) const
{
    QListWidget &profiles = *window.lstProfiles;
    const QList<QListWidgetItem *> entries = profiles.findItems(name, Qt::MatchExactly);
    ASSERT_EQ(entries.size(), 1) << name.toStdString();
    QTest::mouseClick(profiles.viewport(), Qt::LeftButton, {}, profiles.visualItemRect(entries.first()).center());
}
