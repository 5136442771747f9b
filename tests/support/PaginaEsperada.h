#pragma once
// A page as a test expects it, written as the texts that should stand on it,
// and a comparison of every cell of a printed page against it: what the
// texts cover must hold their characters and attributes, every other cell
// must be empty.
//
//   QCOMPARE(ComparaPagina(paginas[0], {{3, 27, "K.I.R.O. - Sistema Necrovia", kNegrito}}),
//            QString());

#include "platform/textprint/PaginaTexto.h"

#include <QList>
#include <QString>

struct TextoEsperado {
    int linha;
    int coluna; // the cell of the first character
    QString texto;
    Atributos atributos;
};

// Empty when the page holds exactly the texts; otherwise the first cells that
// differ, one per line.
QString ComparaPagina(const PaginaTexto &pagina, const QList<TextoEsperado> &esperado);
