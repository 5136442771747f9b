#include "app/UPrincipal.h"

#include "app/Acessos.h"
#include "app/Relogio.h"
#include "app/USobre.h"
#include "company/UCadEmpresa.h"
#include "platform/access/ControleAcesso.h"
#include "common/Encerramento.h"
#include "common/Guarda.h"
#include "common/Mensagem.h"
#include "common/TecladoAplicacao.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolButton>
#include <QUrl>

namespace {
// The product's contact details on the logo panel (placeholders of the
// product itself, not of any real company).
const QString kTelefones = QStringLiteral("(00) 0000-0000 / (00) 0000-0001");
const QString kEmail = QStringLiteral("suporte@kiro.example");
const QString kSite = QStringLiteral("www.kiro.example");

const QColor kFundo(137, 137, 137);        // TColor 9013641
const QColor kCorContato(0, 108, 149);     // TColor 9792512

// Menu item names, the keys of the menu rights, by action.
const QList<std::pair<const char *, const char *>> kItens = {
    {"Obitos", "Obitos1"},
    {"CartasPosse", "CartadePosse1"},
    {"AlterarExercicio", "Alterar1"},
    {"Sair", "Sair1"},
    {"RelatFalecimentos", "LivrodeRegistros1"},
    {"EfetuarCopiaSeguranca", "Efetuarcpiadesegurana1"},
    {"RestaurarCopiaSeguranca", "Restaurarcopiadesegurana1"},
    {"Empresa", "Empresa1"},
    {"Usuarios", "Usurios1"},
    {"Sobre", "Sobre1"},
};

QPixmap Logotipo()
{
    // A drawn product mark stands in for a picture file.
    QPixmap p(314, 256);
    p.fill(kFundo);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(230, 230, 230), 6));
    g.drawLine(157, 30, 157, 170);
    g.drawLine(117, 70, 197, 70);
    QFont f(QStringLiteral("Liberation Sans"), 40, QFont::Bold);
    g.setFont(f);
    g.setPen(QColor(245, 245, 245));
    g.drawText(QRect(0, 170, 314, 60), Qt::AlignCenter, QStringLiteral("KIRO"));
    f.setPointSize(12);
    f.setBold(false);
    g.setFont(f);
    g.drawText(QRect(0, 225, 314, 30), Qt::AlignCenter, QStringLiteral("Sistema Necrovia"));
    return p;
}
} // namespace

TfrmPrincipal::TfrmPrincipal(ValoresPrograma v, QWidget *parent)
    : QMainWindow(parent), valores(std::move(v))
{
    setupUi(this);
    setObjectName(QStringLiteral("frmPrincipal"));
    QPalette pal = areaCliente->palette();
    pal.setColor(QPalette::Window, kFundo);
    areaCliente->setPalette(pal);
    areaCliente->setAutoFillBackground(true);
    for (const auto &[acao, item] : kItens)
        if (auto *a = findChild<QAction *>(QLatin1String(acao)))
            a->setProperty("itemMenu", QLatin1String(item));
    // A menu's entry carries the menu's name and hint.
    for (QMenu *m : MainMenu1->findChildren<QMenu *>()) {
        m->menuAction()->setProperty("itemMenu", m->objectName());
        if (m->menuAction()->statusTip().isEmpty())
            m->menuAction()->setStatusTip(m->statusTip());
    }
    // Qt shows no hint for a menu-bar entry of its own.
    connect(MainMenu1, &QMenuBar::hovered, this, [this](QAction *a) { MostraDica(a->statusTip()); });
    // Hints reach panel 0 from every window of the program (see eventFilter).
    qApp->installEventFilter(this);

    // Esc closes, Up goes back: one hook for every window of the program.
    InstalaTecladoAplicacao(this);
    MontaToolbar();
    MontaStatus();
    MontaLogotipo();

    connect(Sair, &QAction::triggered, this, Guarda(this, &TfrmPrincipal::SairExecute));
    connect(Obitos, &QAction::triggered, this, Guarda(this, &TfrmPrincipal::ObitosExecute));
    connect(CartasPosse, &QAction::triggered, this, Guarda(this, &TfrmPrincipal::CartasPosseExecute));
    connect(AlterarExercicio, &QAction::triggered, this,
            Guarda(this, &TfrmPrincipal::AlterarExercicioExecute));
    connect(RelatFalecimentos, &QAction::triggered, this,
            Guarda(this, &TfrmPrincipal::RelatFalecimentosExecute));
    connect(EfetuarCopiaSeguranca, &QAction::triggered, this,
            Guarda(this, &TfrmPrincipal::EfetuarCopiaSegurancaExecute));
    // RestaurarCopiaSeguranca has no handler: choosing it does nothing.
    connect(Empresa, &QAction::triggered, this, Guarda(this, &TfrmPrincipal::EmpresaExecute));
    connect(Usuarios, &QAction::triggered, this, Guarda(this, &TfrmPrincipal::UsuariosExecute));
    connect(Sobre, &QAction::triggered, this, Guarda(this, &TfrmPrincipal::SobreExecute));

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, Guarda(this, &TfrmPrincipal::Timer1Timer));
    Timer1.start();
}

TfrmPrincipal::~TfrmPrincipal() = default;

QString TfrmPrincipal::ItemDeMenu(const QAction *a)
{
    return ControleAcesso::ItemDeMenu(a);
}

void TfrmPrincipal::MontaToolbar()
{
    ToolBar1->setFixedHeight(68);
    auto botao = [this](const char *nome, int largura, QAction *acao, QStyle::StandardPixmap icone) {
        auto *b = new QToolButton(ToolBar1);
        b->setObjectName(QLatin1String(nome));
        b->setAutoRaise(true);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIconSize(QSize(24, 24));
        b->setFixedSize(largura, 64);
        b->setText(acao->text());
        b->setToolTip(acao->statusTip());
        b->setStatusTip(acao->statusTip());
        b->setIcon(style()->standardIcon(icone));
        ToolBar1->addWidget(b);
        return b;
    };
    RDSpeedButton1 = botao("RDSpeedButton1", 89, Obitos, QStyle::SP_FileDialogDetailedView);
    RDSpeedButton2 = botao("RDSpeedButton2", 90, CartasPosse, QStyle::SP_FileDialogContentsView);
    auto *espaco = new QWidget(ToolBar1);
    espaco->setFixedWidth(6);
    ToolBar1->addWidget(espaco);
    RDSpeedButton3 = botao("RDSpeedButton3", 90, Sair, QStyle::SP_DialogCloseButton);
    // The first two follow their item's enabled state; Sair is always on.
    RDSpeedButton1->setEnabled(Obitos->isEnabled());
    RDSpeedButton2->setEnabled(CartasPosse->isEnabled());
    connect(Obitos, &QAction::enabledChanged, RDSpeedButton1, &QWidget::setEnabled);
    connect(CartasPosse, &QAction::enabledChanged, RDSpeedButton2, &QWidget::setEnabled);
    connect(RDSpeedButton1, &QToolButton::clicked, Obitos, &QAction::trigger);
    connect(RDSpeedButton2, &QToolButton::clicked, CartasPosse, &QAction::trigger);
    connect(RDSpeedButton3, &QToolButton::clicked, Sair, &QAction::trigger);
}

void TfrmPrincipal::MontaStatus()
{
    const int larguras[4] = {320, 125, 290, 50};
    const Qt::Alignment alinhamentos[4] = {Qt::AlignLeft, Qt::AlignCenter, Qt::AlignLeft,
                                           Qt::AlignCenter};
    for (int i = 0; i < 4; ++i) {
        auto *l = new QLabel(StatusBar1);
        l->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        l->setFixedWidth(larguras[i]);
        l->setAlignment(alinhamentos[i] | Qt::AlignVCenter);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        StatusBar1->addWidget(l);
        StatusPanel[i] = l;
    }
    StatusBar1->setSizeGripEnabled(false);
}

void TfrmPrincipal::MontaLogotipo()
{
    QPalette pal = logotipo->palette();
    pal.setColor(QPalette::Window, kFundo);
    logotipo->setPalette(pal);
    logotipo->setAutoFillBackground(true);
    imgLogotipo->setPixmap(Logotipo());
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(19);
    for (QLabel *l : {LblTelefones, LblEmail, LblSite}) {
        l->setFont(f);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, kCorContato);
        l->setPalette(p);
    }
    LblTelefones->setText(kTelefones);
    LblEmail->setText(kEmail);
    LblSite->setText(kSite);
    LblEmail->installEventFilter(this);
    LblSite->installEventFilter(this);
}

bool TfrmPrincipal::eventFilter(QObject *o, QEvent *e)
{
    // The hint of whatever is under the pointer goes to panel 0. Qt hands a
    // hint up only as far as the window it was shown in, so it is taken
    // there, in this window or any other; this window's own status bar
    // shows no message of its own.
    if (e->type() == QEvent::StatusTip && o->isWidgetType() && static_cast<QWidget *>(o)->isWindow()) {
        MostraDica(static_cast<QStatusTipEvent *>(e)->tip());
        return o == this;
    }
    if (e->type() == QEvent::MouseButtonRelease) {
        if (o == LblEmail)
            ExecutaGuardado([this] { LblEmailClick(); });
        else if (o == LblSite)
            ExecutaGuardado([this] { LblSiteClick(); });
    }
    return QMainWindow::eventFilter(o, e);
}

void TfrmPrincipal::LblEmailClick()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + kEmail));
}

void TfrmPrincipal::LblSiteClick()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + kSite));
}

void TfrmPrincipal::MostraDica(const QString &dica)
{
    StatusPanel[0]->setText(u' ' + dica);
}

void TfrmPrincipal::Timer1Timer()
{
    const QDateTime agora = QDateTime::currentDateTime();
    StatusPanel[2]->setText(TextoDataSaudacao(agora));
    StatusPanel[3]->setText(TextoHora(agora.time()));
}

void TfrmPrincipal::MostraUsuario(const QString &usuario)
{
    usuario_ = usuario;
    StatusPanel[1]->setText(QStringLiteral("Usuário: ") + usuario);
}

void TfrmPrincipal::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (mostrada_)
        return;
    mostrada_ = true;
    // After the window is on screen, so the login shows over it.
    QTimer::singleShot(0, this, Guarda(this, &TfrmPrincipal::FormShow));
}

void TfrmPrincipal::FormShow()
{
    valores.codigoEmpresa = 1;
    Timer1Timer();
    const bool lido = LerConfiguracao(valores);
    if (!lido || valores.caminhoBanco.isEmpty() || valores.usuarioBanco.isEmpty()
        || valores.senhaBanco.isEmpty())
        Mensagem(QStringLiteral("Configure o acesso ao Banco de Dados clicando em 'Opções'"),
                 kTituloPadrao, Icone::Erro);
    else
        Conecta();
    CentraLogotipo();
    if (MostraLogin)
        MostraLogin(*this);
}

void TfrmPrincipal::Conecta()
{
    IBDatabase1.Close();
    IBDatabase1.SetDatabaseName(valores.caminhoBanco);
    IBDatabase1.SetUserName(valores.usuarioBanco);
    IBDatabase1.SetPassword(valores.senhaBanco);
    try {
        IBDatabase1.Open();
    } catch (const DbError &e) {
        Mensagem(QStringLiteral("Não foi possível conectar ao banco de dados.\n\n"
                                "Ocorreu o seguinte erro:\n")
                     + e.Mensagem(),
                 QStringLiteral("Erro na conexão"), Icone::Erro);
    }
}

void TfrmPrincipal::CentraLogotipo()
{
    // Placed this once; later resizes leave it where it is.
    const QSize area = areaCliente->size();
    logotipo->move(area.width() / 2 - logotipo->width() / 2,
                   area.height() / 2 - logotipo->height() / 2);
    logotipo->update();
    update();
}

bool TfrmPrincipal::ConfirmaESai()
{
    if (saindo_)
        return true;
    if (Mensagem(QStringLiteral("Deseja realmente sair do sistema?"), kTituloPadrao,
                 Icone::Pergunta, {Botao::Sim, Botao::Nao})
        != Botao::Sim)
        return false;
    saindo_ = true;
    IBDatabase1.Close();
    // The journal row goes on a connection opened again for it. When the
    // database cannot be reached the clerk is told, and the program still
    // ends: refusing to end would leave the clerk no way out.
    ExecutaGuardado([this] { RegistrarSaida(IBDatabase1, usuario_); });
    IBDatabase1.Close();
    EncerraAplicacao();
    return true;
}

void TfrmPrincipal::SairExecute()
{
    ConfirmaESai();
}

void TfrmPrincipal::closeEvent(QCloseEvent *e)
{
    bool sai = false;
    ExecutaGuardado([&] { sai = ConfirmaESai(); });
    if (sai)
        e->accept();
    else
        e->ignore();
}

void TfrmPrincipal::TrazParaFrente()
{
    if (isMinimized())
        showMaximized();
    show();
    raise();
    activateWindow();
}

void TfrmPrincipal::SobreExecute()
{
    TfrmSobre frmSobre(this);
    frmSobre.exec();
}

// The windows of these actions arrive with their own parts of the program;
// until then choosing them does nothing.
void TfrmPrincipal::ObitosExecute() {}
void TfrmPrincipal::CartasPosseExecute() {}
void TfrmPrincipal::AlterarExercicioExecute() {}
void TfrmPrincipal::RelatFalecimentosExecute() {}
void TfrmPrincipal::EfetuarCopiaSegurancaExecute() {}

void TfrmPrincipal::EmpresaExecute()
{
    TfrmCadEmpresa frmCadEmpresa(IBDatabase1, valores.codigoEmpresa, this);
    frmCadEmpresa.exec();
}

void TfrmPrincipal::UsuariosExecute()
{
    if (RDacesso1)
        RDacesso1->AdministraUsuarios(this);
}

void TfrmPrincipal::DefineAcesso(ControleAcesso *acesso)
{
    RDacesso1 = acesso;
    if (acesso)
        acesso->VinculaMenu(MainMenu1);
}
