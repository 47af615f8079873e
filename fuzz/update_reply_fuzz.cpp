// The update server's reply, which any server on the way may write: the
// first input byte says whether the connection has ended, the rest is what
// arrived.
#include "FuzzApplication.h"

#include "update/UpdateReply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return -1;
    const bool closed = (data[0] & 1) != 0;
    const QByteArray reply = InputBytes(data + 1, size - 1);
    const UpdateDecision decision = DecideUpdate(reply, closed);
    switch (decision.kind) {
    case UpdateDecision::Offer:
        // Only a version that sorts after the program's own is offered.
        if (decision.newest.isEmpty() || !(kProgramVersion < QByteArrayView(decision.newest)))
            __builtin_trap();
        break;
    case UpdateDecision::TooLong:
        if (reply.size() <= kMaxUpdateReplyBytes)
            __builtin_trap();
        break;
    case UpdateDecision::Wait:
        // A closed connection brings nothing more to wait for.
        if (closed)
            __builtin_trap();
        break;
    case UpdateDecision::NoUpdate:
        break;
    }
    return 0;
}
