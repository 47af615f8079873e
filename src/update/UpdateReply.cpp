#include "update/UpdateReply.h"

#include <algorithm>

namespace {

constexpr int kVersionLine = 11;
constexpr QByteArrayView kLineEnd = "\r\n";

// The version line, if the reply holds it: its 11th line when that line is
// ended by CR LF, or when the reply is complete, whatever follows the 10th
// CR LF.
bool findVersionLine(QByteArrayView reply, bool closed, QByteArrayView &line)
{
    qsizetype start = 0;
    for (int number = 1; number < kVersionLine; ++number) {
        const qsizetype end = reply.indexOf(kLineEnd, start);
        if (end < 0)
            return false;
        start = end + kLineEnd.size();
    }
    const qsizetype end = reply.indexOf(kLineEnd, start);
    if (end < 0 && !closed)
        return false;
    line = reply.sliced(start, (end < 0 ? reply.size() : end) - start);
    return true;
}

} // namespace

UpdateDecision DecideUpdate(QByteArrayView reply, bool closed)
{
    const bool tooLong = reply.size() > kMaxUpdateReplyBytes;
    QByteArrayView newest;
    if (!findVersionLine(reply.first(std::min(reply.size(), kMaxUpdateReplyBytes)), closed && !tooLong, newest)) {
        if (tooLong)
            return {UpdateDecision::TooLong, {}};
        return {closed ? UpdateDecision::NoUpdate : UpdateDecision::Wait, {}};
    }
    if (newest.isEmpty() || !(kProgramVersion < newest))
        return {UpdateDecision::NoUpdate, {}};
    return {UpdateDecision::Offer, newest.toByteArray()};
}
