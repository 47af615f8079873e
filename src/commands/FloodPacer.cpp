#include "commands/FloodPacer.h"

#include <algorithm>

namespace {

quint32 window(const FloodQuota &quota)
{
    return static_cast<quint32>(quota.seconds) * 1000u;
}

} // namespace

int FloodPacer::weight(const FloodQuota &quota, qsizetype bytes, bool emote)
{
    const qsizetype stretches = quota.characters > 0 ? (bytes + quota.characters - 1) / quota.characters : 1;
    const qsizetype counted = std::max<qsizetype>(stretches, 1) * (emote ? 2 : 1);
    return static_cast<int>(std::min<qsizetype>(counted, quota.lines));
}

void FloodPacer::forgetOld(const FloodQuota &quota, quint32 now)
{
    while (!m_sent.empty() && now - m_sent.front().tick >= window(quota))
        m_sent.pop_front();
}

quint32 FloodPacer::wait(const FloodQuota &quota, int weight, quint32 now)
{
    forgetOld(quota, now);
    int excess = weight - quota.lines;
    for (const Line &line : m_sent)
        excess += line.weight;
    // The oldest lines leave the stretch first; the line may go as soon as
    // enough of them have left.
    for (const Line &line : m_sent) {
        if (excess <= 0)
            break;
        excess -= line.weight;
        if (excess <= 0)
            return line.tick + window(quota) - now;
    }
    return 0;
}

void FloodPacer::sent(const FloodQuota &quota, int weight, quint32 now)
{
    forgetOld(quota, now);
    m_sent.push_back({now, weight});
}
