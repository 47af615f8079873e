#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <initializer_list>

// Standard SHA-1 of the concatenated parts: 20 bytes in the usual order.
QByteArray sha1(std::initializer_list<QByteArrayView> parts);
