#include "commands/FloodGuard.h"

#include "commands/Send.h"
#include "platform/Clock.h"
#include "profiles/TarnwellApp.h"

#include <QScopeGuard>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace {

constexpr Colour kWaitingColour = Rgb(0x808080);

} // namespace

FloodGuard::FloodGuard(TarnwellApp &app, qint16 profileIndex) : PerProfileObject(app, profileIndex)
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { tmrFloodGuard_Timer(); });
}

bool FloodGuard::hold(const QString &text)
{
    const FloodQuota &quota = app().record(ProfileIndex()).Flood;
    const quint32 now = app().clock().tickCount();
    if (m_releasing || (m_queue.empty() && m_pacer.wait(quota, text.size(), now) == 0)) {
        m_pacer.sent(quota, text.size(), now);
        return false;
    }
    m_queue.push_back(show(text));
    scheduleNext();
    return true;
}

FloodGuard::Waiting FloodGuard::show(const QString &text)
{
    const int index = ProfileIndex();
    // Chat shows as its echo will, commands as typed.
    const QString shownText =
        text.startsWith(QLatin1Char('/')) ? text : app().record(index).AccountName + QStringLiteral(": ") + text;
    app().AddChat(index, {kWaitingColour, shownText});
    // Each line ends with a block of its own; a locked screen shows nothing.
    const QTextBlock line = app().pane(index).lastBlock().previous();
    if (!line.isValid() || !line.text().endsWith(shownText))
        return {text, {}, {}};
    return {text, QTextCursor(line), line.text()};
}

void FloodGuard::unshow(const Waiting &line)
{
    if (line.shown.isNull())
        return;
    // Gone when the pane was cleared meanwhile.
    const QTextBlock block = line.shown.block();
    if (!block.isValid() || block.text() != line.shownText || !block.next().isValid())
        return;
    QTextCursor cursor(line.shown);
    cursor.setPosition(block.position());
    cursor.setPosition(block.next().position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void FloodGuard::tmrFloodGuard_Timer()
{
    app().guard("tmrFloodGuard", "frmMain", [this] {
        const int index = ProfileIndex();
        if (m_queue.empty())
            return;
        if (!app().isConnected(index))
            return dropAll(QStringLiteral(" not sent: not connected."));
        const FloodQuota &quota = app().record(index).Flood;
        while (!m_queue.empty() &&
               (!quota.on || m_pacer.wait(quota, m_queue.front().text.size(), app().clock().tickCount()) == 0)) {
            const Waiting line = m_queue.front();
            m_queue.pop_front();
            unshow(line);
            m_releasing = true;
            const auto released = qScopeGuard([this] { m_releasing = false; });
            Send(app(), index, line.text);
        }
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
    for (const Waiting &line : m_queue)
        unshow(line);
    m_queue.clear();
    const QString lines = count == 1 ? QStringLiteral(" waiting line") : QStringLiteral(" waiting lines");
    app().AddChat(ProfileIndex(), {Rgb(0xAAAAAA), QString::number(count) + lines + why});
}

void FloodGuard::scheduleNext()
{
    if (m_queue.empty()) {
        m_timer.stop();
        return;
    }
    const FloodQuota &quota = app().record(ProfileIndex()).Flood;
    const quint32 wait = m_pacer.wait(quota, m_queue.front().text.size(), app().clock().tickCount());
    m_timer.start(static_cast<int>(std::max<quint32>(wait, 1)));
}
