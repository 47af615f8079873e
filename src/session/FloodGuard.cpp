#include "session/FloodGuard.h"

#include "platform/Clock.h"
#include "profiles/Profile.h"
#include "session/Send.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <limits>

namespace {

constexpr Colour kWaitingColour = Rgb(0x808080);

bool isCommand(const QString &text)
{
    return text.startsWith(QLatin1Char('/'));
}

void removeLine(const QTextBlock &block)
{
    QTextCursor cursor(block);
    cursor.setPosition(block.next().position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void colour(QTextCursor &cursor, int from, int to, Colour colour)
{
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setForeground(colour.toQColor());
    cursor.mergeCharFormat(format);
}

} // namespace

FloodGuard::FloodGuard(Profile &profile) : PerProfileObject(profile)
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { tmrFloodGuard_Timer(); });
}

bool FloodGuard::hold(const QString &text, int weight, bool serverAsked)
{
    const FloodQuota &quota = profile().record().Flood;
    const quint32 now = profile().clock().tickCount();
    if (m_queue.empty() && m_pacer.wait(quota, weight, now) == 0) {
        m_pacer.sent(quota, weight, now);
        return false;
    }
    if (serverAsked && std::any_of(m_queue.begin(), m_queue.end(), [&](const Waiting &line) {
            return line.serverAsked && line.text == text;
        }))
        return true;
    if (waitingCount() >= kMostWaiting) {
        if (!m_refusalShown)
            profile().AddChat({Rgb(0xAAAAAA), QStringLiteral("Not sent: ") +
                                                              QString::number(kMostWaiting) +
                                                              QStringLiteral(" lines are waiting already.")});
        m_refusalShown = true;
        return true;
    }
    Waiting line{text, weight, serverAsked};
    show(line);
    m_queue.push_back(line);
    scheduleNext();
    return true;
}

void FloodGuard::show(Waiting &line)
{
    const ProfileRecord &record = profile().record();
    // A locked pane would hold the waiting line back and show it after the
    // unlock beside the echo it became meanwhile: the echo alone is enough.
    if (record.LockScreen)
        return;
    // Chat shows as its echo will, commands as typed.
    const QString shownText =
        isCommand(line.text)
            ? line.text
            : profile().state().AccountName + QStringLiteral(": ") +
                  WireText::decode(WireText::encode(line.text, record.Encoding).bytes, record.Encoding);
    const QTextDocument &pane = profile().pane();
    const int blocksBefore = pane.blockCount();
    profile().AddChat({kWaitingColour, shownText});
    // Each line ends with a block of its own; the marker goes on it only
    // when it is there.
    QTextBlock block = pane.lastBlock().previous();
    if (pane.blockCount() != blocksBefore + 1 || !block.isValid() || !block.text().endsWith(shownText))
        return;
    m_lastMarker = m_lastMarker == std::numeric_limits<int>::max() ? 1 : m_lastMarker + 1;
    block.setUserState(m_lastMarker);
    line.marker = m_lastMarker;
    line.shownLength = static_cast<int>(shownText.size());
}

QTextBlock FloodGuard::shownBlock(const Waiting &line) const
{
    if (line.marker == 0)
        return {};
    // Waiting lines are recent: the search runs back from the end, and ends
    // at once when the pane was cleared meanwhile.
    for (QTextBlock block = profile().pane().lastBlock(); block.isValid(); block = block.previous()) {
        if (block.userState() == line.marker)
            return block;
    }
    return {};
}

void FloodGuard::release(const Waiting &line)
{
    QTextBlock shown = shownBlock(line);
    if (!shown.isValid()) {
        SendNow(profile(), line.text, true);
        return;
    }
    shown.setUserState(-1);
    if (isCommand(line.text)) {
        // Commands are not echoed: the server's answer tells what they did.
        removeLine(shown);
        SendNow(profile(), line.text, false);
        return;
    }
    SendNow(profile(), line.text, false);
    // The grey line becomes the echo where it stands.
    const int end = shown.position() + shown.length() - 1;
    const int nameStart = end - line.shownLength;
    const int nameEnd = nameStart + static_cast<int>(profile().state().AccountName.size()) + 2;
    QTextCursor cursor(shown);
    colour(cursor, nameStart, nameEnd, kEchoNameColour);
    colour(cursor, nameEnd, end, EchoTextColour(profile()));
}

void FloodGuard::tmrFloodGuard_Timer()
{
    profile().guard("tmrFloodGuard", "frmMain", [this] {
        if (m_queue.empty())
            return;
        if (!profile().isConnected())
            return dropAll(QStringLiteral(" not sent: not connected."));
        const FloodQuota &quota = profile().record().Flood;
        while (!m_queue.empty()) {
            const quint32 now = profile().clock().tickCount();
            const Waiting line = m_queue.front();
            if (quota.on && m_pacer.wait(quota, line.weight, now) > 0)
                break;
            m_queue.pop_front();
            m_pacer.sent(quota, line.weight, now);
            release(line);
        }
        if (waitingCount() < kMostWaiting)
            m_refusalShown = false;
        scheduleNext();
    });
}

void FloodGuard::clear()
{
    dropAll(QStringLiteral(" dropped from the queue."));
}

void FloodGuard::dropAll(const QString &why)
{
    m_timer.stop();
    const auto count = m_queue.size();
    for (const Waiting &line : m_queue) {
        const QTextBlock shown = shownBlock(line);
        if (shown.isValid())
            removeLine(shown);
    }
    m_queue.clear();
    m_refusalShown = false;
    const QString lines = count == 1 ? QStringLiteral(" waiting line") : QStringLiteral(" waiting lines");
    profile().AddChat({Rgb(0xAAAAAA), QString::number(count) + lines + why});
}

void FloodGuard::scheduleNext()
{
    if (m_queue.empty()) {
        m_timer.stop();
        return;
    }
    const FloodQuota &quota = profile().record().Flood;
    const quint32 wait = m_pacer.wait(quota, m_queue.front().weight, profile().clock().tickCount());
    m_timer.start(static_cast<int>(std::max<quint32>(wait, 1)));
}
