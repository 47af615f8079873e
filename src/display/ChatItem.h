#pragma once

#include "display/Colour.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <initializer_list>
#include <variant>
#include <vector>

// A format code of a chat line: 0 switches bold on, 1 switches it off; any
// other code is ignored.
struct FormatCode {
    int code = 0;
};
inline constexpr FormatCode BoldOn{0};
inline constexpr FormatCode BoldOff{1};

// One item of a chat line, told apart by type: a colour, a format code, or
// something to write (text, or a date or time written in the system's short
// date or long time form). A number meant as text is passed as text.
using ChatItem = std::variant<Colour, FormatCode, QString, QDate, QTime>;
using ChatItems = std::vector<ChatItem>;

// A colour and its text, the items of AddText.
struct ColouredText {
    Colour colour;
    QString text;
};
