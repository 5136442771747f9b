#pragma once
// The print dialog of a text-mode job: printer or custom model, preview on
// or off, copies, page range, odd or even pages, collate, reverse order. It
// reads and writes one OpcoesImpressao.

#include "platform/textprint/TrabalhoTexto.h"
#include "ui_UConfiguraTexto.h"

#include <QDialog>

class TfrmConfiguraTexto : public QDialog, private Ui::TfrmConfiguraTexto {
    Q_OBJECT
public:
    TfrmConfiguraTexto(const ConfiguracaoTexto &config, const OpcoesImpressao &opcoes,
                       int totalPaginas, QWidget *parent = nullptr);

    OpcoesImpressao Opcoes() const;

private:
    void btn_OkClick();
    void btn_ArquivoClick();
    void cbbox_ImpressoraChange();
    void HabilitaControles();

    int totalPaginas_;
};
