#pragma once
// Money amounts as exact cents, in Brazilian notation (1.234,56). The forms
// show them with the display format ",0.00;- ,0.00": thousands grouped, two
// decimals, a negative amount after "- ".

#include <QString>
#include <optional>

// 123456 -> "1.234,56"; 0 -> "0,00"; -5 -> "- 0,05".
QString FormataMoeda(qint64 centavos);

// The text the currency box shows while it is being edited: no grouping.
// 123456 -> "1234,56".
QString TextoEdicaoMoeda(qint64 centavos);

// Reads an amount written with "," as the decimal separator and "." as
// thousands grouping (either form above, or digits alone), an optional
// leading "-" (blanks after it allowed); a third decimal rounds half up.
// Empty or unreadable text, or more than 15 whole digits, gives nullopt.
std::optional<qint64> LeMoeda(const QString &texto);
