#pragma once

#include "packet/clsDataWriter.h"
#include "platform/Cp1252.h"
#include "session/LogonState.h"
#include "session/PasswordHash.h"

#include <QByteArray>
#include <QString>

// The password as the hash logon hashes it: the servers keep the hash of the
// lower-cased password, the code page's accented letters included.
inline QByteArray LowerCasePassword(const QString &password)
{
    return Cp1252::encode(Cp1252::toLower(password));
}

// Client token, server token and the password hashed with both, as the
// logon (0x3A) and the password change (0x31) prove the current password.
inline void InsertPasswordProof(clsDataWriter &writer, const LogonState &logon, const QString &password)
{
    writer.InsertInt32(static_cast<qint32>(logon.ClientToken));
    writer.InsertInt32(static_cast<qint32>(logon.ServerToken));
    writer.InsertString(doubleHashPassword(LowerCasePassword(password), logon.ClientToken, logon.ServerToken));
}
