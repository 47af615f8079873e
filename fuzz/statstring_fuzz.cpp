// The description of a statstring, which every channel user's client chooses
// freely, from any bytes the wire's code page can carry.
#include "FuzzApplication.h"

#include "channel/modStatString.h"
#include "platform/Cp1252.h"
#include "platform/Failure.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        DescribeStatstring(Cp1252::decode(InputBytes(data, size)));
    } catch (const Failure &) {
        // A malformed statstring is reported, not described.
    }
    return 0;
}
