#pragma once
// The access journal: one "ENTRADA" row per login and one "SAIDA" row per
// exit, numbered MAX + 1 (1 in an empty table), with the desk's date and time.

#include "data/Database.h"

#include <QDateTime>
#include <QString>

enum class TipoAcesso { Entrada, Saida };

// Inserts the row and commits the shared transaction.
void RegistrarAcesso(Database &db, const QString &usuario, TipoAcesso tipo,
                     const QDateTime &agora = QDateTime::currentDateTime());

inline void RegistrarEntrada(Database &db, const QString &usuario)
{
    RegistrarAcesso(db, usuario, TipoAcesso::Entrada);
}
inline void RegistrarSaida(Database &db, const QString &usuario)
{
    RegistrarAcesso(db, usuario, TipoAcesso::Saida);
}

// Marks this connection as the desk of a logged-in user, for the list of
// connected desks (ativos) that the backup checks.
void MarcaMesaAtiva(Database &db, const QString &usuario);
