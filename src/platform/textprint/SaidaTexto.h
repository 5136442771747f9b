#pragma once
// Byte streams for the printer families driven in text mode, and the choice of
// family from a printer's name. Pure functions over finished pages: no
// printing, no widgets.

#include "platform/textprint/PaginaTexto.h"

#include <QByteArray>
#include <QList>
#include <QString>

enum class ModoImpressao {
    Grafico, // painted through the operating system's printer driver
    Epson,   // ESC/P escape codes, 9 and 24 pins
    Rima,    // Rima and Emilia: Epson emulation
    Hp,      // HP/Xerox PCL
    Bobina,  // 40-column roll printers
};

// Driving mode from a word in the printer's name, as the printouts give it:
// the longest word of the table found in the name (upper case) decides, so
// "EPSON Stylus" is a graphic inkjet and "EPSON LX-300 USB" a dot-matrix
// printer. A name with none of the words is driven through its driver.
ModoImpressao ModoPorNome(const QString &nomeImpressora);
QString NomeModo(ModoImpressao m); // "GRAFICO", "EPSON", "RIMA", "HP", "BOBINA"

// The one custom model of the print dialog.
inline const QString kModeloPersonalizado = QStringLiteral("Modelo Personalizado - (Epson)");

// Control codes of an Epson-compatible model, sent unchanged.
struct CodigosEscP {
    QByteArray entrelinha18;   // line feed of 1/8 inch
    QByteArray entrelinha16;   // line feed of 1/6 inch
    QByteArray saltoPagina;    // form feed
    QByteArray comprimento66;  // page length 66 lines
    QByteArray negrito;
    QByteArray italico;
    QByteArray sublinhado;
    QByteArray expandido;
    QByteArray normal10;       // normal, 10 cpi
    QByteArray comprimido12;
    QByteArray comprimido17;
    QByteArray comprimido20;
    QByteArray restaura;       // reset of attributes
    QByteArray inicializa;     // initialise the printer
};
CodigosEscP ModeloPersonalizadoEpson();

// The letter without its accent (Á -> A, ç -> c, º -> o, ª -> a); a
// character with no plain form becomes '?', never nothing, so columns keep
// their places. Control characters become spaces.
char Translitera(QChar c);
QString Translitera(const QString &texto);

// One job's pages, in the order and number in which they are to come out.
//
// ESC/P: initialise, page length 66, 1/6-inch line feed; each row is its
// stretches reached with spaces of the stretch's own width, attributes set
// before a stretch (reset first when one is to be switched off), reset at the
// end of a row that left any set, CR LF; form feed after the last row used.
QByteArray CodificaEscP(const QList<PaginaTexto> &paginas, const CodigosEscP &codigos);
// PCL: the same rows with each stretch placed at its exact horizontal
// position, bold as stroke weight 3, 17 cpi as a pitch of 17.10.
QByteArray CodificaPcl(const QList<PaginaTexto> &paginas);
// Roll printers: no pages on a roll, so no page length and no form feed; each
// row is laid on 80 columns at normal width and printed as its two halves of
// 40 (a blank right half is left out), bold kept, trailing blank rows of a
// page left out and a blank line between pages.
QByteArray CodificaBobina(const QList<PaginaTexto> &paginas);
// The stream of a text mode; empty for Grafico, which is painted instead.
QByteArray CodificaParaModo(ModoImpressao m, const QList<PaginaTexto> &paginas,
                            const CodigosEscP &codigos);
