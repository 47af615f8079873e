#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The products the configuration dialog offers, by the code stored in a
// profile's settings and the text its product box shows. Texts are compared
// exactly, spaces included: expansions are indented under their game, and
// the two shareware texts differ only by a trailing space.
namespace ProductTable {

// The text for a stored code: "" for an empty code, nothing for a code not
// in the table.
std::optional<QString> textOf(const QString &code);
// The code for a box text: "" for an empty text, nothing for a text not in
// the table.
std::optional<QString> codeOf(const QString &text);
// The texts of the drop-down list, in order.
QStringList listedTexts();

} // namespace ProductTable
