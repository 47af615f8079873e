// Prints every figure of the client's speed and size beside a baseline from
// the same run: the receive loop, the chat pane, channel bursts, logons, a
// hundred profiles on one server, memory per profile and the longest stall
// of the UI thread under a burst of chat, the filter matcher on its worst
// kind of pattern, and what a hostile server can make the client do.
#include "Sections.h"

#include <QApplication>

#include <utility>

// Arguments name the parts to run (all when there are none): receive,
// pane, stall, channel, logon, profiles, filter, hostile.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::pair<const char *, void (*)()> parts[] = {
        {"receive", ReceiveLoopFigures}, {"pane", ChatPaneFigures}, {"stall", TalkBurstStallFigures},
        {"channel", ChannelBurstFigures}, {"logon", LogonFigures},   {"profiles", ManyProfilesFigures},
        {"filter", FilterMatchFigures},  {"hostile", HostileServerFigures},
    };
    const QStringList asked = application.arguments().mid(1);
    for (const auto &[name, run] : parts) {
        if (asked.isEmpty() || asked.contains(QLatin1String(name)))
            run();
    }
    return 0;
}
