#pragma once
// The login: name and password checked by the access control, then the
// journal row, the user in the status bar, the company and the working year.

#include <QDialog>
#include <functional>

#include "ui_ULogin.h"

class TfrmPrincipal;

class TfrmLogin : public QDialog, public Ui::TfrmLogin {
    Q_OBJECT
public:
    explicit TfrmLogin(TfrmPrincipal &principal);
    ~TfrmLogin() override;

    // The company form when no company exists (tests replace it).
    std::function<void()> AbreCadastroEmpresa;

    void FormActivate();
    void EdtSenhaExit();
    void BtnOkClick();
    void BtnCancelarClick();
    void LblOpcoesClick();

protected:
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    bool LeEmpresa(QString *razao);
    void AtualizaPaineis(QWidget *foco);

    TfrmPrincipal &principal_;
    bool entrou_ = false;
};

// Creates, shows and releases the login over the main window.
void MostraLogin(TfrmPrincipal &principal);
