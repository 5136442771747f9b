#pragma once
// Shared routines of every window: credential scrambling, and the document
// validators and display formatting.

#include <QByteArray>
#include <QString>

// Scrambling of the settings file's user and password. Works on bytes (the
// single-byte text of the file), any byte value, any length; the output has
// exactly as many bytes as the input. Both directions feed the scrambled byte
// back into the running key, so Descriptografar(Criptografar(x)) == x.
QByteArray Criptografar(const QByteArray &texto);
QByteArray Descriptografar(const QByteArray &texto);

// Brazilian taxpayer numbers. Both accept the number with or without its
// punctuation and take an empty value as valid: the fields are optional.
//
// ValidaCPF: digits, blanks, "-" and "." only; no digits at all is valid;
// otherwise exactly 11 digits whose last two are the check digits. A number
// of one repeated digit passes, like any other with matching check digits.
bool ValidaCPF(const QString &texto);

// ValidaCNPJ: 14 characters, or a longer text read by position as written in
// 99.999.999/9999-99 (whatever stands at the punctuation places is dropped).
// Empty or blank is valid.
bool ValidaCNPJ(const QString &texto);

// Punctuates a stored value for display or print. tipo is compared exactly
// (upper case): "CEP", "CGC", "CPF", "FONE", "SETOR"; any other kind gives
// an empty text. Parts beyond the end of the value come out empty, the
// punctuation stays. "FONE" takes 6, 8, 9, 10 or 11 characters; any other
// length gives an empty text.
QString FormataPorTipo(const QString &tipo, const QString &valor);
