#include "commands/ITunesControl.h"
#include "commands/clsWinamp.h"
#include "commands/modWMP.h"
#include "platform/MediaPlayerLinks.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

// Players that are running, with what the test puts on their windows.
class RunningWinamp final : public WinampLink {
public:
    QString title;
    QMap<QPair<int, int>, qint32> answers;
    QList<int> commands;
    bool isRunning() const override { return true; }
    QString windowText() const override { return title; }
    qint32 query(int wParam, int lParam) override { return answers.value({wParam, lParam}); }
    void command(int id) override { commands.append(id); }
};

class RunningWmp final : public WmpLink {
public:
    QString title;
    QList<int> commands;
    bool isRunning() const override { return true; }
    QString windowText() const override { return title; }
    void command(int id) override { commands.append(id); }
};

class RunningITunes final : public ITunesLink {
public:
    std::optional<ITunesTrack> track;
    bool isRunning() const override { return true; }
    std::optional<ITunesTrack> currentTrack() override { return track; }
    void transport(Transport) override {}
};

TEST(Winamp, TitlesFromTheWindowText)
{
    RunningWinamp winamp;
    const clsWinamp player(winamp);
    winamp.title = QStringLiteral("12. Artist - Song - Winamp");
    EXPECT_EQ(player.strWinampTitle(), QStringLiteral("Artist - Song"));
    winamp.title = QStringLiteral("Winamp 5.0");
    EXPECT_EQ(player.strWinampTitle(), QStringLiteral("Nothing"));
    winamp.title = QStringLiteral("Dr. Feelgood - Winamp");
    EXPECT_EQ(player.strWinampTitle(), QStringLiteral("Feelgood"));

    AbsentWinamp absent;
    const clsWinamp missing(absent);
    EXPECT_EQ(missing.strWinampTitle(), QStringLiteral("Winamp is currently not loaded."));
    qint32 minutes = 7;
    qint32 hours = 7;
    EXPECT_EQ(missing.winampReturnTrackLength_Full(minutes, hours), QString());
    EXPECT_EQ(missing.winampPlaylistPosition(), 0);
}

TEST(Winamp, QueriesAndTimeTexts)
{
    RunningWinamp winamp;
    const clsWinamp player(winamp);
    winamp.answers = {{{0, 125}, 11}, {{0, 105}, 2500}, {{1, 105}, 3725}, {{1, 126}, 192}, {{0, 126}, 44}};
    EXPECT_EQ(player.winampPlaylistPosition(), 12);
    EXPECT_EQ(player.winampReturnTrackCurrent_Seconds(), 2) << "ties round to even";
    qint32 minutes = 0;
    qint32 hours = 0;
    EXPECT_EQ(player.winampReturnTrackLength_Full(minutes, hours), QStringLiteral("01:02:05"));
    EXPECT_EQ(minutes, 2);
    EXPECT_EQ(hours, 1);
    EXPECT_EQ(player.winampReturnTrackCurrentLength_Full(minutes, hours, true), QStringLiteral("01:02:03"));
    EXPECT_EQ(TrackTimeText(245, minutes, hours), QStringLiteral("04:05"));
    EXPECT_EQ(player.BitRate(), 192);
    EXPECT_EQ(player.SampleRate(), 44);
    player.command(clsWinamp::kPlay);
    EXPECT_EQ(winamp.commands, QList<int>{40045});
}

TEST(WindowsMediaPlayer, NowPlayingAndTransport)
{
    RunningWmp wmp;
    wmp.title = QStringLiteral("Windows Media Player");
    EXPECT_EQ(WmpNowPlaying(wmp), QStringLiteral("Nothing"));
    wmp.title = QStringLiteral("Song - Windows Media Player");
    EXPECT_EQ(WmpNowPlaying(wmp), QStringLiteral("Song"));
    EXPECT_EQ(WmpNext(wmp), QStringLiteral("Skipped forward."));
    EXPECT_EQ(WmpStop(wmp), QStringLiteral("Stopped."));
    EXPECT_EQ(wmp.commands, (QList<int>{0x497B, 0x4979}));

    AbsentWmp absent;
    EXPECT_EQ(WmpNowPlaying(absent), QStringLiteral("Windows Media Player not loaded."));
    EXPECT_EQ(WmpPlayPause(absent), QStringLiteral("Windows Media Player not loaded."));
}

TEST(ITunes, TrackTextsAndAbsence)
{
    RunningITunes itunes;
    QString text = QStringLiteral("now: %itunes!");
    EXPECT_EQ(ITunesControl(itunes, 5, text), QStringLiteral("now: Nothing!"));
    itunes.track = ITunesTrack{QStringLiteral("3"), QStringLiteral("Artist"), QStringLiteral("Song"),
                               QStringLiteral("256"), QStringLiteral("44100")};
    QString unused;
    EXPECT_EQ(ITunesControl(itunes, 7, unused), QStringLiteral("3. Artist - Song @ 256kbps (44100kHz)"));
    EXPECT_EQ(ITunesControl(itunes, 6, unused), QStringLiteral("Artist - Song"));
    EXPECT_EQ(ITunesControl(itunes, 1, unused), QString());

    AbsentITunes absent;
    for (int action = 1; action <= 8; ++action)
        EXPECT_EQ(ITunesControl(absent, action, unused), QStringLiteral("iTunes is not loaded."));
}

} // namespace
