#pragma once
// The date, greeting and clock of the main window's status bar, in
// Brazilian Portuguese whatever the desk's own locale.

#include <QDate>
#include <QString>
#include <QTime>

QString Saudacao(const QTime &agora);
// " quinta-feira, 11 de dezembro de 2026"
QString TextoData(const QDate &hoje);
// " quinta-feira, 11 de dezembro de 2026 - Bom Dia"
QString TextoDataSaudacao(const QDateTime &agora);
// "14:05:09"
QString TextoHora(const QTime &agora);
