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
