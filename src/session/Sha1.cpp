#include "session/Sha1.h"

#include "platform/Failure.h"

#include <openssl/evp.h>
#include <memory>

QByteArray sha1(std::initializer_list<QByteArrayView> parts)
{
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    bool ok = context && EVP_DigestInit_ex(context.get(), EVP_sha1(), nullptr) == 1;
    for (const QByteArrayView part : parts)
        ok = ok && EVP_DigestUpdate(context.get(), part.data(), static_cast<std::size_t>(part.size())) == 1;
    QByteArray digest(20, Qt::Uninitialized);
    unsigned int length = 0;
    ok = ok && EVP_DigestFinal_ex(context.get(), reinterpret_cast<unsigned char *>(digest.data()), &length) == 1;
    if (!ok || length != 20)
        throw Failure(Failure::InvalidCall, QStringLiteral("SHA-1 is not available"));
    return digest;
}
