#include "platform/WipeText.h"

#include <openssl/crypto.h>

void WipeText(QString &text)
{
    if (!text.isEmpty() && text.isDetached())
        OPENSSL_cleanse(text.data(), static_cast<std::size_t>(text.size()) * sizeof(QChar));
    text.clear();
}
