#pragma once
// Creating a database from the project's schema script.

#include <QString>
#include <QStringList>

// The statements of a script: split at ';' outside quotes and comments,
// comments dropped, blank statements left out.
QStringList ComandosDoScript(const QString &script);

// The schema script shipped with the program (db/schema.sql).
QString ScriptEsquema();

// Creates the database (embedded path or host:path) and runs the schema
// script on it. Refuses a database that already exists, local or on a
// server; a script that fails removes the database it had made.
void CriaBancoComEsquema(const QString &nome, const QString &usuario, const QString &senha,
                         const QString &script = ScriptEsquema());
