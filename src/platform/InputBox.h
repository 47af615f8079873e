#pragma once

#include <QString>

class QWidget;

// Asks the user for one line of text in a modal box with OK and Cancel.
// Returns the text typed, or "" after Cancel.
QString InputBox(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText = {});
