#pragma once
// Windows-1252, the single-byte text of the settings file and the database.
// Qt has no converter for it; Latin-1 differs only in 0x80..0x9F.

#include <QByteArray>
#include <QString>

QString DeWin1252(const QByteArray &bytes);
// A character outside the code page becomes '?'.
QByteArray ParaWin1252(const QString &texto);
