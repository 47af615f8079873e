#pragma once

#include <QString>

// The account part of a name as the server shows it: Diablo II users appear
// as Character*Account, and everything else uses the account name alone. For
// a name with several stars it is the piece after the first one.
QString GetAccountName(const QString &name);

// What goes directly in front of an account name when a profile running this
// product addresses another account: Diablo II clients take a "*", because a
// bare name there means a character.
QString GetNamePrefix(const QString &product);
