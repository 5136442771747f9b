#pragma once
// Masked fields without the widget: the patterns in use and the rule that
// turns what a field shows into the value stored, and back.
//
// In a pattern, "9" is a place for one digit that may stay blank; every other
// character is punctuation shown in place.

#include <QString>

inline const QString kMascaraCEP = QStringLiteral("99.999-999");
inline const QString kMascaraCNPJ = QStringLiteral("99.999.999/9999-99");
inline const QString kMascaraFone = QStringLiteral("(99) 9999-9999");
inline const QString kMascaraCPF = QStringLiteral("999.999.999-99");

// How an empty digit place is shown.
inline constexpr QChar kVazioMascara = u'_';

// The value of a field showing exibido: its digits without the punctuation,
// an unfilled place in the middle read as a blank, the unfilled places at the
// end dropped. An untouched field gives the empty text.
QString ValorMascara(const QString &padrao, const QString &exibido);

// What a field shows for a stored value: its characters in the digit places
// in order (a blank stays an empty place), the punctuation in between.
QString ExibeMascara(const QString &padrao, const QString &valor, QChar vazio = kVazioMascara);

// The same pattern as a QLineEdit input mask (every digit place optional).
QString MascaraQt(const QString &padrao, QChar vazio = kVazioMascara);
