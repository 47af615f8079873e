#pragma once

#include <QString>

// Overwrites a secret's characters before its memory is given back, then
// empties the string. Memory the string shares with another copy is left to
// that copy's owner: wiping it would change the other string too.
void WipeText(QString &text);
