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
#include <functional>
#include <optional>

class QTestData;

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
// The same for a test with its own table of cases, each case once per mode:
// "modo" is the first column, then the ones `colunas` adds; `casos` runs
// once per mode and starts each row with `linha`, which names it
// "<modo>: <name>" and already holds the mode.
using LinhaModo = std::function<QTestData &(const char *nome)>;
void AdicionaModosBanco(const std::function<void()> &colunas,
                        const std::function<void(const LinhaModo &linha)> &casos);
// The current row's mode as `modo`; skips the server row when this run has
// no server.
#define MODO_DO_BANCO()                                                            \
    QFETCH(QString, modo);                                                         \
    if (modo == QLatin1String("servidor") && !ServidorDisponivel())                \
        QSKIP("no Firebird server configured for this run")
// The fresh database for the current row of such a test.
#define BANCO_DO_MODO(variavel)                                                    \
    MODO_DO_BANCO();                                                               \
    const BancoTeste variavel = NovoBanco(modo)

// Folder for a test's scratch files, removed when the test program ends.
QString PastaTemporariaTestes();
