#pragma once
// The print dialog of a text-mode job: printer or custom model, preview on
// or off, copies, page range, odd or even pages, collate, reverse order. It
// reads and writes one OpcoesImpressao.

#include "platform/textprint/TrabalhoTexto.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TfrmConfiguraTexto;
}

// The form is held by pointer: the generated header stays out of this one,
// so tests include it.
class TfrmConfiguraTexto : public QDialog {
    Q_OBJECT
public:
    TfrmConfiguraTexto(const ConfiguracaoTexto &config, const OpcoesImpressao &opcoes,
                       int totalPaginas, QWidget *parent = nullptr);
    ~TfrmConfiguraTexto() override;

    OpcoesImpressao Opcoes() const;

private:
    std::unique_ptr<Ui::TfrmConfiguraTexto> ui;
    void btn_OkClick();
    void btn_ArquivoClick();
    void cbbox_ImpressoraChange();
    void HabilitaControles();

    int totalPaginas_;
};
