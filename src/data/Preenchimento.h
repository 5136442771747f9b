#pragma once
// Test data for benchmarks and demonstrations: possession letters and death
// records that look like a municipal cemetery office's, made from a seed so
// that two runs with the same seed write the same rows.
//
// The rows go through the program's own INSERT statements, so a filled
// database is one the windows can open. A database that already holds rows
// is continued after its highest codes.

#include <QtGlobal>

class Database;

struct ResultadoPreenchimento {
    int primeiraCarta = 0;   // first letter code written (0: none written)
    int cartas = 0;
    int primeiroObito = 0;   // first grave number written (0: none written)
    int obitos = 0;
    int obitosComCarta = 0;  // death records that cite a letter
};

// Writes `cartas` letters, then `obitos` death records, committing every few
// thousand rows. Most death records cite a letter of the database (this
// run's or an earlier one's), when there is any.
ResultadoPreenchimento PreencheBanco(Database &db, int obitos, int cartas,
                                     quint64 semente = 1958);
