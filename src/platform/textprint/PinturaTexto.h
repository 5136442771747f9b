#pragma once
// Paints a character page in a fixed-pitch font, for graphic printers and for
// the preview: each stretch at its place on paper, bold as bold, 17 cpi
// squeezed to its width. QtGui only.

#include "platform/textprint/TrabalhoTexto.h"

#include <QRectF>
#include <QSizeF>

class QPainter;

struct EstiloPintura {
    bool formularioContinuo = false; // tractor strips and green bands
    bool translitera = false;        // as a text-mode printer prints it
    bool fundoPapel = true;          // white paper (off when a printer paints)
    // Cells to mark (a find): row, first cell, count; 0 rows for none.
    int marcaLinha = 0, marcaColuna = 0, marcaN = 0;
};

// The paper in millimetres: 80 columns of a tenth of an inch by 66 lines of a
// sixth, the margins, and the tractor strips of continuous form.
QSizeF TamanhoPapelMm(const ConfiguracaoTexto &c, bool formularioContinuo);

// Paints `pagina` into `papel` (painter units), scaled to fit, aspect kept.
void PintaPagina(QPainter &p, const PaginaTexto &pagina, const QRectF &papel,
                 const ConfiguracaoTexto &c, const EstiloPintura &e);
