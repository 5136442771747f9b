#pragma once
// Connection settings: edits, tests and saves the database path, user and
// password of kiro.ini. Saving ends the program: the settings are read once
// per run.

#include "app/ValoresPrograma.h"

#include <QDialog>
#include <functional>

#include "ui_UOpcoesAdicionais.h"

class TfrmOpcoesAdicionais : public QDialog, public Ui::TfrmOpcoesAdicionais {
    Q_OBJECT
public:
    // valores: what the program read at start; only fields that differ
    // from them are written.
    TfrmOpcoesAdicionais(const ValoresPrograma &valores, QWidget *parent = nullptr);

    // The file dialog of "..." (tests answer it).
    std::function<QString(QWidget *)> EscolheArquivo;

    void FormCreate();
    void SpBtnLocalizarClick();
    void LblTestarConexaoClick();
    void BitBtnOkClick();
    void BitBtnCancelarClick();

private:
    ValoresPrograma valores_;
};
