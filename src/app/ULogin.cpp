#include "app/ULogin.h"

#include "app/Acessos.h"
#include "app/UOpcoesAdicionais.h"
#include "app/UPrincipal.h"
#include "common/AoAtivar.h"
#include "common/Convencoes.h"
#include "common/Cores.h"
#include "common/Encerramento.h"
#include "common/Guarda.h"
#include "common/Mensagem.h"
#include "company/UCadEmpresa.h"
#include "data/Comandos.h"
#include "data/Query.h"
#include "platform/access/ControleAcesso.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

namespace {
void Cor(QWidget *w, const QColor &c, QPalette::ColorRole papel = QPalette::Window)
{
    QPalette p = w->palette();
    p.setColor(papel, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}
} // namespace

TfrmLogin::TfrmLogin(TfrmPrincipal &principal)
    : QDialog(&principal), principal_(principal)
{
    setupUi(this);
    setObjectName(QStringLiteral("frmLogin"));
    setFixedSize(246, 187);
    // Dialog border without title-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    for (QWidget *p : {static_cast<QWidget *>(this), static_cast<QWidget *>(PnlCabecalho),
                       static_cast<QWidget *>(PnlAutenticacao), static_cast<QWidget *>(PnlBotoes),
                       static_cast<QWidget *>(PnlSeparador01), static_cast<QWidget *>(PnlSeparador02),
                       static_cast<QWidget *>(PnlSeparador03)})
        Cor(p, Qt::white);
    QFont titulo = LblKIRO->font();
    titulo.setBold(true);
    titulo.setPointSize(9);
    LblKIRO->setFont(titulo);
    for (QLabel *l : {LblKIRO, LblDigiteNomeSenha, LblUsuario, LblSenha, LblOpcoes})
        Cor(l, clNavy, QPalette::WindowText);
    for (QLineEdit *e : {EdtUsuario, EdtSenha}) {
        // Always the tooltip colour: no focus highlight here.
        Cor(e, clInfoBk, QPalette::Base);
        Cor(e, clNavy, QPalette::Text);
        QFont f = e->font();
        f.setBold(true);
        e->setFont(f);
        InstalaMaiusculas(e);
        InstalaEnterAvanca(e);
    }
    QPixmap chave(39, 35);
    chave.fill(Qt::white);
    QPainter g(&chave);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(clNavy, 3));
    g.drawEllipse(3, 10, 14, 14);
    g.drawLine(17, 17, 36, 17);
    g.drawLine(30, 17, 30, 24);
    g.end();
    ImgAutenticacao->setPixmap(chave);

    connect(InstalaRotuloLink(LblOpcoes, clNavy), &RotuloLink::clicado, this,
            Guarda(this, &TfrmLogin::LblOpcoesClick));
    connect(BtnOk, &QPushButton::clicked, this, Guarda(this, &TfrmLogin::BtnOkClick));
    connect(BtnCancelar, &QPushButton::clicked, this, Guarda(this, &TfrmLogin::BtnCancelarClick));
    EdtSenha->installEventFilter(this);
    // Each time the dialog is active again (the options dialog closed over
    // it), the name field has the focus, as when it opened.
    InstalaAoAtivar(this, [this] { FormActivate(); });
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *agora) { AtualizaPaineis(agora); });
    AbreCadastroEmpresa = [this] {
        TfrmCadEmpresa frmCadEmpresa(principal_.IBDatabase1, principal_.valores.codigoEmpresa,
                                     &principal_);
        frmCadEmpresa.exec();
    };
}

TfrmLogin::~TfrmLogin() = default;

void TfrmLogin::AtualizaPaineis(QWidget *foco)
{
    for (QFrame *p : {PnlAutenticacao, PnlBotoes})
        Cor(p, foco && p->isAncestorOf(foco) ? corQuaseBranco : QColor(Qt::white));
}

bool TfrmLogin::eventFilter(QObject *o, QEvent *e)
{
    // Leaving the field means the focus moving to another control of the
    // dialog; another window taking over ("Opções", another program, a menu)
    // is no exit, or it would log in behind the clerk's back.
    if (o == EdtSenha && e->type() == QEvent::FocusOut) {
        const Qt::FocusReason r = static_cast<QFocusEvent *>(e)->reason();
        if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason)
            ExecutaGuardado([this] { EdtSenhaExit(); });
    }
    return QDialog::eventFilter(o, e);
}

void TfrmLogin::FormActivate()
{
    EdtUsuario->setFocus();
}

void TfrmLogin::EdtSenhaExit()
{
    if (!entrou_ && !EdtUsuario->text().trimmed().isEmpty()
        && !EdtSenha->text().trimmed().isEmpty())
        BtnOkClick();
}

bool TfrmLogin::LeEmpresa(QString *razao)
{
    Query q(principal_.IBDatabase1);
    q.SetSQL(Comandos::kEmpresaSeleciona);
    q.ParamByName(QStringLiteral("p_codigo")).AsInteger(principal_.valores.codigoEmpresa);
    q.Open();
    if (q.IsEmpty())
        return false;
    *razao = q.FieldByName(QStringLiteral("emp_razao")).AsString();
    return true;
}

void TfrmLogin::BtnOkClick()
{
    if (entrou_)
        return;
    if (EdtUsuario->text().isEmpty()) {
        Mensagem(QStringLiteral("Informe o Nome do Usuário"), kTituloPadrao, Icone::Erro);
        EdtUsuario->setFocus();
        return;
    }
    if (EdtSenha->text().isEmpty()) {
        Mensagem(QStringLiteral("Informe a Senha de Acesso"), kTituloPadrao, Icone::Erro);
        EdtSenha->setFocus();
        return;
    }
    ControleAcesso &acesso = *principal_.RDacesso1;
    if (acesso.ConfereUsuario(EdtUsuario->text(), EdtSenha->text()) != 1) {
        EdtSenha->setFocus();
        return;
    }
    Database &db = principal_.IBDatabase1;
    const QString usuario = acesso.UsuarioLogado();
    RegistrarEntrada(db, usuario);
    // The desk shows in the list of connected users for as long as its
    // connection lives, reopenings included.
    db.SetAoConectar([usuario](Database &d) { MarcaMesaAtiva(d, usuario); });
    MarcaMesaAtiva(db, usuario);
    entrou_ = true;
    done(-1);
    principal_.MostraUsuario(usuario);

    QString razao;
    if (!LeEmpresa(&razao)) {
        Mensagem(QStringLiteral("Não há nenhuma empresa cadastrada. Efetue seu cadastro."),
                 kTituloPadrao, Icone::Erro);
        AbreCadastroEmpresa();
        if (!LeEmpresa(&razao)) {
            Mensagem(QStringLiteral("Não há nenhuma empresa cadastrada. O sistema será finalizado."),
                     kTituloPadrao, Icone::Erro);
            EncerraAplicacao();
            return;
        }
    }
    principal_.valores.exercicio = QDate::currentDate().year();
    principal_.setWindowTitle(QStringLiteral("KIRO - Sistema Necrovia - ") + razao);
}

void TfrmLogin::BtnCancelarClick()
{
    EncerraAplicacao();
    done(-1);
}

void TfrmLogin::LblOpcoesClick()
{
    TfrmOpcoesAdicionais frmOpcoesAdicionais(principal_.valores, this);
    frmOpcoesAdicionais.exec();
    if (AplicacaoEncerrando())
        done(-1);
}

void TfrmLogin::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        BtnCancelarClick();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TfrmLogin::closeEvent(QCloseEvent *e)
{
    // Esc (through the application's hook) and Alt+F4 end the program.
    if (!entrou_)
        EncerraAplicacao();
    QDialog::closeEvent(e);
}

void MostraLogin(TfrmPrincipal &principal)
{
    TfrmLogin frmLogin(principal);
    frmLogin.exec();
}
