#include "session/RandomSource.h"

#include <openssl/rand.h>

namespace {

class SystemRandom : public RandomSource {
public:
    std::optional<QByteArray> draw(qsizetype count) override
    {
        QByteArray bytes(count, Qt::Uninitialized);
        if (RAND_bytes(reinterpret_cast<unsigned char *>(bytes.data()), static_cast<int>(count)) != 1)
            return std::nullopt;
        return bytes;
    }
};

}

std::shared_ptr<RandomSource> systemRandom()
{
    static const std::shared_ptr<RandomSource> source = std::make_shared<SystemRandom>();
    return source;
}
