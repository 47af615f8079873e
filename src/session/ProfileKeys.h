#pragma once

#include "platform/WireText.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Payloads of the key requests: a user's profile (0x26 with four keys), the
// own account's summary (0x26 with ten keys) and the profile write (0x27).
namespace ProfileKeys {

inline constexpr int kProfileKeyCount = 4;
inline constexpr int kAccountKeyCount = 10;

QStringList profileKeys();
// The record keys use the product code as stored, in upper case.
QStringList accountKeys(const QString &product);

// Texts go out in the profile's encoding (the keys are plain ASCII).
QByteArray readRequest(const QString &accountName, const QStringList &keys, quint32 requestId,
                       WireEncoding encoding);
// Name, the four profile keys, then sex, an empty age, location, description;
// with the number of characters the encoding could not hold.
WireText::Encoded writeRequest(const QString &userName, const QString &sex, const QString &location,
                               const QString &description, WireEncoding encoding);

// The values of a reply, split at zero bytes into at most `parts` pieces (the
// last keeps the rest).
QStringList replyValues(const QByteArray &values, int parts);

}
