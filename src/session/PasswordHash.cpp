#include "session/PasswordHash.h"

#include "session/BrokenSha1.h"
#include "session/CString.h"

#include <QtEndian>

QByteArray hashPassword(const QByteArray &password)
{
    return brokenSha1(cString(password));
}

QByteArray doubleHashPassword(const QByteArray &password, std::uint32_t clientToken, std::uint32_t serverToken)
{
    QByteArray data(8, Qt::Uninitialized);
    qToLittleEndian(clientToken, data.data());
    qToLittleEndian(serverToken, data.data() + 4);
    return brokenSha1(data + hashPassword(password));
}
