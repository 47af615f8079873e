#pragma once

#include <QByteArray>
#include <QString>

// Makes Profiles/<name>/Config.ini below the program folder with the given
// text, readable by its owner only, as the program makes its own.
void WriteProfileFolder(const QString &programFolder, const QString &name, const QByteArray &configText);
