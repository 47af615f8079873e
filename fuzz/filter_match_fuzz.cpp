// The wildcard matcher of the chat filters, over patterns a user types and
// texts any channel user sends: the input is a pattern, a line feed, then
// the text.
#include "FuzzApplication.h"

#include "filters/WildcardMatch.h"
#include "platform/Cp1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input = InputBytes(data, size);
    const qsizetype split = input.indexOf('\n');
    const QString pattern = Cp1252::decode(split < 0 ? input : input.left(split));
    const QString text = split < 0 ? QString() : Cp1252::decode(input.mid(split + 1));
    const WildcardResult result = WildcardMatch(text, pattern);
    // A pattern that holds no wildcard at all matches exactly itself.
    if (result == WildcardResult::Match && !pattern.contains(u'*') && !pattern.contains(u'?') &&
        !pattern.contains(u'#') && !pattern.contains(u'[') && text != pattern)
        __builtin_trap();
    return 0;
}
