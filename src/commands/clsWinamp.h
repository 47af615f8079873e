#pragma once

#include <QString>
#include <QtGlobal>

class WinampLink;

// What Winamp is playing and its transport, read through its window.
class clsWinamp {
public:
    explicit clsWinamp(WinampLink &link) : m_link(link) {}

    // Transport command ids.
    static constexpr int kPrevious = 40044;
    static constexpr int kPlay = 40045;
    static constexpr int kPause = 40046;
    static constexpr int kStop = 40047;
    static constexpr int kNext = 40048;

    bool isLoaded() const;
    // "Artist - Song", "Nothing" when no track, or the not-loaded text.
    QString strWinampTitle() const;
    qint32 winampPlaylistPosition() const;
    qint32 winampReturnTrackCurrent_Seconds() const;
    qint32 winampReturnTrackLength_Seconds() const;
    // Elapsed (or, with remaining, the time left) as "mm:ss" or "hh:mm:ss".
    QString winampReturnTrackCurrentLength_Full(qint32 &minutes, qint32 &hours, bool remaining) const;
    QString winampReturnTrackLength_Full(qint32 &minutes, qint32 &hours) const;
    qint32 BitRate() const;
    qint32 SampleRate() const;
    // Sends a transport command; nothing when Winamp is not running.
    void command(int id) const;

private:
    qint32 ask(int wParam, int lParam) const;
    WinampLink &m_link;
};

// "position. title (elapsed/length @ bit ratekbps/sample rate kHz stereo)",
// as the now-playing announcement and the idle message give it.
QString WinampTrackText(const clsWinamp &winamp);

// "hh:mm:ss" when there are hours, else "mm:ss"; hours and minutes come back too.
QString TrackTimeText(qint32 seconds, qint32 &minutes, qint32 &hours);
