#pragma once

#include "support/PaneRuns.h"
#include "support/TestApp.h"

#include <QByteArray>
#include <QStringList>
#include <gtest/gtest.h>

class ChannelUserList;
class frmMain;

// A started program with two profiles: alpha on screen (account Alpha,
// Starcraft, join and leave lines on) and beta behind it (account Beta,
// Diablo II).
class ChannelFixture : public ::testing::Test {
protected:
    ChannelFixture();

    TestApp test;
    TarnwellApp &app;
    frmMain &window;
    ChannelUserList &list;

    static constexpr int kAlpha = 0;
    static constexpr int kBeta = 1;
    static inline const QByteArray kStarcraftStats = "RATS 0 0 0 0 0 0 0 0 RATS";

    // One chat event for a profile, through its chat events object.
    void event(quint32 id, quint32 flags, qint32 ping, const QByteArray &name, const QByteArray &text = {},
               int profile = kAlpha);
    // The texts of the channel list's rows, top to bottom.
    QStringList rowTexts() const;
    std::vector<TextRun> lastLine(int profile = kAlpha) const;
    // Brings a profile on screen as the user does: a click on its entry.
    void clickProfile(const QString &name) const;
};
