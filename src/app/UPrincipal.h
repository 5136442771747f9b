#pragma once
// The main window: owns the one connection and the program-wide values,
// opens every other window from its menu and toolbar, keeps the status bar
// (hint, user, date with greeting, clock) and leads the exit.

#include "app/ValoresPrograma.h"
#include "data/Database.h"

#include <QMainWindow>
#include <QTimer>
#include <functional>

#include "ui_UPrincipal.h"

class ControleAcesso;
class QLabel;
class QToolButton;

class TfrmPrincipal : public QMainWindow, public Ui::TfrmPrincipal {
    Q_OBJECT
public:
    explicit TfrmPrincipal(ValoresPrograma valores, QWidget *parent = nullptr);
    ~TfrmPrincipal() override;

    Database IBDatabase1;
    ValoresPrograma valores;
    // The access control bound to this window's menu (set by the program).
    ControleAcesso *RDacesso1 = nullptr;
    void DefineAcesso(ControleAcesso *acesso);

    // The login dialog is created, shown and released here (FormShow, last
    // step); the login window installs what it needs.
    std::function<void(TfrmPrincipal &)> MostraLogin;

    QLabel *StatusPanel[4] = {};
    QToolButton *RDSpeedButton1 = nullptr;
    QToolButton *RDSpeedButton2 = nullptr;
    QToolButton *RDSpeedButton3 = nullptr;
    QTimer Timer1;

    // Status panel 1 after a login.
    void MostraUsuario(const QString &usuario);
    QString UsuarioLogado() const { return usuario_; }
    // Brings the window to the front when a second copy is started.
    void TrazParaFrente();
    // The menu item (rights key) of an action: "Obitos1" for Obitos.
    static QString ItemDeMenu(const QAction *a);

    // Handlers.
    void FormShow();
    void Timer1Timer();
    void SairExecute();
    void ObitosExecute();
    void CartasPosseExecute();
    void AlterarExercicioExecute();
    void RelatFalecimentosExecute();
    void EfetuarCopiaSegurancaExecute();
    void EmpresaExecute();
    void UsuariosExecute();
    void SobreExecute();
    void LblEmailClick();
    void LblSiteClick();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void MostraDica(const QString &dica);
    bool ConfirmaESai();
    void Conecta();
    void CentraLogotipo();
    void MontaToolbar();
    void MontaStatus();
    void MontaLogotipo();

    bool mostrada_ = false;
    bool saindo_ = false;
    QString usuario_;
};
