// Prints every figure of the client's speed and size beside a baseline from
// the same run: the receive loop, the chat pane, channel bursts, logons, a
// hundred profiles on one server, memory per profile and the longest stall
// of the UI thread under a burst of chat.
#include "Sections.h"

#include <QApplication>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ReceiveLoopFigures();
    ChatPaneFigures();
    TalkBurstStallFigures();
    ChannelBurstFigures();
    LogonFigures();
    ManyProfilesFigures();
    return 0;
}
