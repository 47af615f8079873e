#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// What the program can reach of the media players on the same machine. Each
// link speaks the player's own terms (Winamp's window-message queries, Windows
// Media Player's window title and commands, iTunes' current track), so the
// program's player logic stays the same whatever carries it. A link to a
// player that is not running answers isRunning() with false and is not asked
// anything else.

class WinampLink {
public:
    virtual ~WinampLink() = default;
    virtual bool isRunning() const = 0;
    // The main window's title, e.g. "12. Artist - Song - Winamp".
    virtual QString windowText() const = 0;
    // The answer to Winamp's user-message query (wParam, lParam).
    virtual qint32 query(int wParam, int lParam) = 0;
    // A menu command such as 40045 (play).
    virtual void command(int id) = 0;
};

class WmpLink {
public:
    virtual ~WmpLink() = default;
    virtual bool isRunning() const = 0;
    virtual QString windowText() const = 0;
    // Posts a command (0x4978 play/pause, 0x4979 stop, 0x497A back, 0x497B next).
    virtual void command(int id) = 0;
};

struct ITunesTrack {
    QString playOrderIndex;
    QString artist;
    QString name;
    QString bitRate;
    QString sampleRate;
};

class ITunesLink {
public:
    enum class Transport { PlayPause, Stop, NextTrack, BackTrack };
    virtual ~ITunesLink() = default;
    virtual bool isRunning() const = 0;
    virtual std::optional<ITunesTrack> currentTrack() = 0;
    virtual void transport(Transport action) = 0;
};

// Links for a machine where none of the players can be reached.
class AbsentWinamp final : public WinampLink {
public:
    bool isRunning() const override { return false; }
    QString windowText() const override { return {}; }
    qint32 query(int, int) override { return 0; }
    void command(int) override {}
};

class AbsentWmp final : public WmpLink {
public:
    bool isRunning() const override { return false; }
    QString windowText() const override { return {}; }
    void command(int) override {}
};

class AbsentITunes final : public ITunesLink {
public:
    bool isRunning() const override { return false; }
    std::optional<ITunesTrack> currentTrack() override { return std::nullopt; }
    void transport(Transport) override {}
};
