// Reading a chat event message: the payload is the input, behind a header
// that declares its length as the framing loop would have checked it.
#include "FuzzApplication.h"

#include "channel/ChatEvent.h"
#include "packet/clsDataBuffer.h"
#include "platform/Failure.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > 0xFFFF - 4)
        return -1;
    const QByteArray payload = InputBytes(data, size);
    QByteArray message("\xFF\x0F", 2);
    message.append(static_cast<char>((size + 4) & 0xFF)).append(static_cast<char>((size + 4) >> 8)).append(payload);
    clsDataBuffer reader(message);
    reader.position = 5;
    try {
        const ChatEvent event = ReadChatEvent(reader);
        // Both texts end at their terminator: neither may hold one.
        if (event.username.contains(QChar(0)) || event.text.contains(QChar(0)))
            __builtin_trap();
    } catch (const Failure &) {
        // A message that ends early is reported, not read.
    }
    return 0;
}
