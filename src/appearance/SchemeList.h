#pragma once

#include <QString>
#include <QStringList>

// The scheme names for the entries of the Schemes folder whose names hold
// ".ini" (files, folders and hidden entries alike), in the folder's order:
// every ".ini" is removed from each name (scheme files are ours and always
// end in lower case), and what comes out empty, "." or ".." is left out.
QStringList ListSchemes(const QString &schemesFolder);
