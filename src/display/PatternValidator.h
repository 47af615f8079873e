#pragma once

class QObject;
class QValidator;

// A validator that lets a box take only text matching the pattern (and what
// can still grow into a match), so that a value the program cannot use is
// never typed in.
QValidator *PatternValidator(const char *pattern, QObject *parent);
