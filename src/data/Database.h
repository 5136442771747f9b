#pragma once
// The one connection and the one shared transaction of the program, on the
// Firebird client library's own API.
//
// - The database name is "/path/file.fdb" (embedded engine, in process) or
//   "host:/path/file.fdb" (a server); "user_name" and "password" are the
//   connection parameters.
// - The shared transaction is read committed with record versions, so a
//   reader sees the latest committed rows of other desks and a writer never
//   meets an update conflict only because another desk committed meanwhile.
// - Statements open the connection and start the transaction on demand.
// - Commit() ends the transaction and closes every open record set on it;
//   a window that shows rows opens its query again after a write.
// - A read that has fetched all its rows ends the server transaction when
//   nothing is waiting to be committed, so no transaction stays open while
//   the clerk only looks at the screen; the record sets keep their rows.
// - A connection found lost is dropped; the next statement reopens it. The
//   statement that met the loss reports its error.

#include "data/DbError.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

class Query;

// The client library's handle type (FB_API_HANDLE on 64-bit systems).
using FbHandle = unsigned int;

class Database {
public:
    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    void SetDatabaseName(const QString &nome) { nome_ = nome; }
    QString DatabaseName() const { return nome_; }
    void SetUserName(const QString &usuario) { usuario_ = usuario; }
    void SetPassword(const QString &senha) { senha_ = senha; }
    QString UserName() const { return usuario_; }

    void Open();
    // Runs after every successful Open, the reopening after a lost
    // connection included (session settings that must survive it).
    void SetAoConectar(std::function<void(Database &)> f) { aoConectar_ = std::move(f); }
    // Ends the transaction by its default action (a commit), closes every
    // open record set and detaches. Never raises: closing a lost connection
    // only forgets it.
    void Close();
    bool Connected() const { return db_ != 0; }

    void StartTransaction();
    void Commit();
    bool InTransaction() const { return tr_ != 0; }

    // Runs a statement that needs no parameters and returns no rows, in the
    // shared transaction, and commits it (schema scripts, SET GENERATOR...).
    void ExecuteImmediate(const QString &sql);

    // Creates a new database file (embedded path or host:path) with the
    // given character set, and leaves it closed.
    static void CreateDatabase(const QString &nome, const QString &usuario,
                               const QString &senha,
                               const QString &charset = QStringLiteral("WIN1252"));
    // Removes the database this object is connected to (a half-made one);
    // the work of the open transaction is dropped with it.
    void DropDatabase();

    // Raw handles for Query. Both ensure the connection (and transaction).
    FbHandle *HandleBanco();
    FbHandle *HandleTransacao();
    unsigned Geracao() const { return geracao_; }

    // Query bookkeeping.
    void Registra(Query *q);
    void Desregistra(Query *q);
    void MarcaEscrita() { sujo_ = true; }
    void LeituraConcluida();
    void FalhaComando();

    // Raises the DbError of a status vector; drops the connection first when
    // the vector says it was lost.
    [[noreturn]] void Falha(const intptr_t *status);
    static DbError ErroDe(const intptr_t *status);

private:
    void Descarta();
    void FechaConsultas();
    void EncerraTransacaoServidor();

    QString nome_;
    QString usuario_;
    QString senha_;
    FbHandle db_ = 0;
    FbHandle tr_ = 0;
    bool sujo_ = false;
    unsigned geracao_ = 1;
    std::vector<Query *> consultas_;
    std::function<void(Database &)> aoConectar_;
};
