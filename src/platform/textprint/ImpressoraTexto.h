#pragma once
// The windows and the printers of a text-mode job: ImpressaoTexto is the job
// that shows the print dialog at ConfirmSetup and the preview (or prints) at
// CloseJob; ImprimePaginas drives the chosen printer.

#include "platform/textprint/TrabalhoTexto.h"

class QWidget;

class ImpressaoTexto : public TrabalhoTexto {
public:
    explicit ImpressaoTexto(QWidget *pai = nullptr) : pai_(pai) {}

protected:
    bool MostraSetup(OpcoesImpressao &opcoes) override;
    void Conclui() override;

private:
    QWidget *pai_;
};

// Prints the pages that the options select, driven as the printer's name
// says: a text mode's bytes go unchanged to the printer's queue as a raw job
// (the custom model to the system's default queue) or to the options' file;
// the graphic mode paints through the printer's driver, or into a PDF file.
// A failure is shown in a message; returns whether everything went out.
bool ImprimePaginas(const QList<PaginaTexto> &paginas, const OpcoesImpressao &opcoes,
                    const ConfiguracaoTexto &config, QWidget *pai = nullptr);

// The printer the options mean: the one chosen, or the system's default.
QString ImpressoraEfetiva(const OpcoesImpressao &opcoes);

// Sends bytes as a raw job to a queue of the print system (empty: the default).
bool EnviaBruto(const QByteArray &dados, const QString &fila, QString *erro);
