#pragma once
// A kiro.ini for a test database, written as the options dialog writes it.

#include "BancoTeste.h"

#include <QString>

// Writes the file (path returned) pointing at the database; any of the three
// keys may be left out by passing false.
QString EscreveIniTeste(const BancoTeste &b, bool comDatabase = true, bool comUsuario = true,
                        bool comSenha = true);
QString CaminhoIniTeste();
