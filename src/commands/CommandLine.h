#pragma once

#include <QString>

// A typed line split at single spaces into the command word, the first
// argument and the rest (which keeps its spaces). Consecutive spaces give
// empty pieces.
struct CommandLine {
    QString word;
    QString argument;
    QString rest;

    static CommandLine parse(const QString &line);
};

// Diablo II addresses other accounts with a "*" before the name: on those
// products a whisper, a message or an ignore/where command typed with a plain
// name is rewritten to carry it. Other lines, and every line on other
// products, come back unchanged. The tests are case-sensitive, as typed.
QString WithDiablo2Names(const QString &line, const QString &product);
