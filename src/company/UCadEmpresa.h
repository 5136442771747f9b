#pragma once
// The company record: the one row of empresa (code 1) whose name heads the
// printouts and the main window. The form will not close without a row
// unless the clerk agrees that the program ends.

#include "data/Query.h"
#include "reports/ImpressosTexto.h"

#include <QDialog>

#include "ui_UCadEmpresa.h"

class TfrmCadEmpresa : public QDialog, public Ui::TfrmCadEmpresa {
    Q_OBJECT
public:
    TfrmCadEmpresa(Database &db, int codigoEmpresa, QWidget *parent = nullptr);

    Query IBQryEmpresa;
    QString Estado() const { return estado_; }

    void FormActivate();
    void btn_GravarClick();
    void btn_AlterarClick();
    void btn_ExcluirClick();
    void btn_CancelarClick();
    void btn_ImprimirClick();
    void btn_FecharClick();

    // One entry per field: control, column, insert/update parameter, and how
    // the value travels between the two.
    enum class Conversao { Texto, Lista, Mascara };
    struct Campo {
        QWidget *controle;
        const char *coluna;
        const char *parametro;
        Conversao conversao;
        QString mascara;
        QString DadosEmpresa::*ficha;   // where the company sheet takes it
    };
    const QList<Campo> &Campos() const { return campos_; }
    QString ValorCampo(const Campo &c) const;

protected:
    void closeEvent(QCloseEvent *e) override;
    void reject() override;

private:
    void CarregaCampos();
    void LimpaCampos();
    void HabilitaBotoes(const QString &estado);
    bool ValidaCampos();
    bool LeRegistro();
    DadosEmpresa DadosDaFicha();
    void Executa(const QStringList &sql);

    Database &db_;
    int codigo_;
    QString estado_;
    QList<Campo> campos_;
    bool podeFechar_ = false;
};
