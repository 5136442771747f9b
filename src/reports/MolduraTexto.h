#pragma once
// The page frame shared by the three text-mode record printouts: what each
// one asks of the dialog and the preview, the title block at the top, the
// footer with product line, date, time and page number at the bottom, and
// the run of a job (open, confirm, body, close). The texts are tables of
// items, so a printout is data and this file holds the one drawing loop.

#include "platform/textprint/TrabalhoTexto.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>

class QWidget;

// Where the footer reads the date and time; empty means the desk's clock.
// Tests give a fixed clock so the pages compare exactly.
using Relogio = std::function<QDateTime()>;
QDateTime Agora(const Relogio &relogio);

enum class Alinhamento { Esquerda, Centro, Direita };

// One text of a template: placed at a row and column, left-aligned from the
// column, centred on it or ending at it.
struct TextoFixo {
    int linha;
    int coluna;
    Alinhamento alinhamento;
    Atributos atributos;
    QString texto;
};
void Imprime(TrabalhoTexto &rd, const QList<TextoFixo> &textos);

// What differs from one printout to another.
struct ModeloImpresso {
    QString titulo;        // row 4 of the header
    QString cabecalhos;    // row 6, the column headings; empty for a sheet
    QString tituloSetup;
    QString tituloPreview;
    bool formularioContinuo = false;
    bool botoesArquivo = false;
    QString porta;         // empty: the facility's default
};
extern const ModeloImpresso kModeloEmpresa;
extern const ModeloImpresso kModeloCartasPosse;
extern const ModeloImpresso kModeloObitos;

// The job settings of a printout: the common page and its own differences.
ConfiguracaoTexto ConfiguracaoImpresso(const ModeloImpresso &m);

// Rows 3 to 5, and for a list the headings and their rule on rows 6 and 7.
QList<TextoFixo> CabecalhoPagina(const ModeloImpresso &m);

// "09/12/2026 - 14:05 Folha - 0001": four digits at least, more when needed.
QString TextoFolha(const QDateTime &quando, int pagina);
// Rows 64 and 65 of the page being finished.
QList<TextoFixo> RodapePagina(const QDateTime &quando, int pagina);

// A job with the printout's settings, header and footer: OpenJob, the
// dialog, the body when the clerk confirms, CloseJob (footer of the last
// page, then the preview). A list prints its header on every new page; a
// sheet prints it in its body. An exception from the body ends the job with
// nothing shown and reaches the caller.
void ExecutaImpresso(const ModeloImpresso &m, QWidget *pai, const Relogio &relogio,
                     const std::function<void(TrabalhoTexto &)> &corpo);
