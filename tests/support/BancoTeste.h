#pragma once
// A fresh Firebird database per test, made from db/schema.sql. The script
// runs once per test program into a template file; each test gets a copy.
//
//   BancoTeste b = NovoBancoEmbarcado();
//   Database db; b.Configura(db);
//
// The server variant ("127.0.0.1:/tmp/...") needs the server that
// scripts/test starts; its SYSDBA password comes in KIRO_TEST_SERVER_PASSWORD.

#include "data/Database.h"

#include <QString>
#include <optional>

struct BancoTeste {
    QString nome;      // what Database::SetDatabaseName takes
    QString arquivo;   // the file on this machine
    QString usuario;
    QString senha;
    void Configura(Database &db) const;
};

BancoTeste NovoBancoEmbarcado();
// No server configured for this run: no value.
std::optional<BancoTeste> NovoBancoServidor();
// "embarcado" or "servidor"; the server one throws when none is configured.
BancoTeste NovoBanco(const QString &modo);
bool ServidorDisponivel();

// The two ways a desk reaches the database, as a data column "modo" for
// tests that must hold in both.
void AdicionaModosBanco();
// The database for the current row of such a test; skips the server row
// when this run has no server.
#define BANCO_DO_MODO(variavel)                                                    \
    QFETCH(QString, modo);                                                         \
    if (modo == QLatin1String("servidor") && !ServidorDisponivel())                \
        QSKIP("no Firebird server configured for this run");                       \
    const BancoTeste variavel = NovoBanco(modo)

// Folder for a test's scratch files, removed when the test program ends.
QString PastaTemporariaTestes();
