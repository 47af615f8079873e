#include "display/ProfileChat.h"

#include "display/ChatLog.h"
#include "display/HeldLines.h"
#include "display/modOutput.h"
#include "platform/Clock.h"
#include "profiles/Profile.h"

#include <QDateTime>
#include <QTextDocument>

namespace {

void placeChatLine(Profile &profile, const ChatItems &items, const QDateTime &arrived)
{
    QTextDocument &chat = profile.pane();
    if (PaneTextLength(chat) > kAutoClearLimit) {
        chat.clear();
        const QDateTime now = profile.clock().now();
        placeChatLine(profile,
                      {Rgb(0xAAAAAA), QStringLiteral("Chat has been auto-cleared on "), Rgb(0xFFFFFF), now.date(),
                       Rgb(0xAAAAAA), QStringLiteral(" at"), Rgb(0xFFFFFF), QStringLiteral(" "), now.time(),
                       Rgb(0xAAAAAA), QStringLiteral(".")},
                      now);
        LogLastChatLine(profile, chat);
    }
    WriteChatLine(chat, items, profile.record().MilitaryTime, arrived);
}

void releaseHeldLines(Profile &profile)
{
    HeldLines &held = HeldLinesOf(profile.pane());
    if (held.isEmpty())
        return;
    int dropped = 0;
    const std::vector<HeldLines::Line> lines = held.take(dropped);
    if (dropped > 0)
        placeChatLine(profile, {Rgb(0xAAAAAA), QString::number(dropped) +
                                              QStringLiteral(" older lines that came while the screen was locked "
                                                             "were dropped to keep the pane within its size.")},
                      profile.clock().now());
    for (const HeldLines::Line &line : lines)
        placeChatLine(profile, line.items, line.arrived);
}

} // namespace

void WriteProfileChat(Profile &profile, const ChatItems &items)
{
    const ProfileRecord &record = profile.record();
    QTextDocument &chat = profile.pane();
    const QDateTime now = profile.clock().now();
    if (record.LockScreen) {
        // The pane stays still and holds the line back until it is
        // unlocked; the log records the line as it arrives.
        QTextDocument arrived;
        WriteChatLine(arrived, items, record.MilitaryTime, now);
        LogLastChatLine(profile, arrived);
        HeldLinesOf(chat).hold(items, now);
        return;
    }
    releaseHeldLines(profile);
    placeChatLine(profile, items, now);
    LogLastChatLine(profile, chat);
}
