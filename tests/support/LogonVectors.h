#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>

// The reference logon vectors: every case of one section of the shared file,
// which must exist and hold that section.
namespace LogonVectors {
QJsonArray section(const QString &name);
// A field given in hexadecimal, found through a path of keys.
QByteArray bytes(const QJsonObject &vector, const QString &key);
QByteArray bytes(const QJsonObject &vector, const QString &group, const QString &key);
}
