// The main window: greeting and date, start-up steps, and the exit.
#include "BancoTeste.h"
#include "IniTeste.h"
#include "RespostasMensagem.h"
#include "app/Acessos.h"
#include "app/Relogio.h"
#include "app/UPrincipal.h"
#include "app/USobre.h"
#include "common/Encerramento.h"
#include "data/Query.h"

#include <QCloseEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QFile>
#include <QTest>
#include <QToolButton>

namespace {
int LinhasAcessos(Database &db, const QString &tipo)
{
    Query q(db);
    q.SetSQL(QStringLiteral("SELECT COUNT(*) FROM acessos WHERE ace_tipo = :t"));
    q.ParamByName(QStringLiteral("t")).AsString(tipo);
    q.Open();
    return q.Fields(0).AsInteger();
}

ValoresPrograma Valores(const QString &ini)
{
    ValoresPrograma v;
    v.arquivoIni = ini;
    return v;
}
} // namespace

class TestPrincipal : public QObject {
    Q_OBJECT
private slots:
    void init() { ReiniciaEncerramento(); }
    void saudacao_data();
    void saudacao();
    void textoData();
    void sobreMostraDataDoExecutavel();
    void inicioSemConfiguracao_data();
    void inicioSemConfiguracao();
    void inicioConectaEMostraLogin();
    void inicioComBancoInexistente();
    void menuEBarraDeFerramentas();
    void dicasNoPainelZero();
    void chamadaPorOutraCopiaVemAFrente();
    void saidaSimGravaUmaLinha();
    void saidaNaoPelaJanelaNadaGrava();
    void saidaComBancoForaDoArMostraEEncerra();
    void diarioNumeraAPartirDeUm();
};

void TestPrincipal::saudacao_data()
{
    QTest::addColumn<QTime>("hora");
    QTest::addColumn<QString>("esperada");
    QTest::newRow("05:59:59") << QTime(5, 59, 59) << "Boa Noite";
    QTest::newRow("06:00:00") << QTime(6, 0) << "Bom Dia";
    QTest::newRow("11:59:59.999") << QTime(11, 59, 59, 999) << "Bom Dia";
    QTest::newRow("12:00:00") << QTime(12, 0) << "Boa Tarde";
    QTest::newRow("18:00:00") << QTime(18, 0) << "Boa Tarde";
    QTest::newRow("18:00:00.001") << QTime(18, 0, 0, 1) << "Boa Noite";
    QTest::newRow("23:59:59") << QTime(23, 59, 59) << "Boa Noite";
    QTest::newRow("00:00:00") << QTime(0, 0) << "Boa Noite";
}

void TestPrincipal::saudacao()
{
    QFETCH(QTime, hora);
    QFETCH(QString, esperada);
    QCOMPARE(Saudacao(hora), esperada);
}

void TestPrincipal::textoData()
{
    // Brazilian names whatever the desk's locale.
    QLocale::setDefault(QLocale(QLocale::English));
    QCOMPARE(TextoDataSaudacao(QDateTime(QDate(2026, 3, 5), QTime(14, 5, 9))),
             QStringLiteral(" quinta-feira, 05 de março de 2026 - Boa Tarde"));
    QCOMPARE(TextoData(QDate(2027, 1, 3)), QStringLiteral(" domingo, 03 de janeiro de 2027"));
    QCOMPARE(TextoHora(QTime(9, 5, 3)), QStringLiteral("09:05:03"));
}

void TestPrincipal::sobreMostraDataDoExecutavel()
{
    const QString arq = PastaTemporariaTestes() + QStringLiteral("/kiro-exe");
    QFile f(arq);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.flush();
    f.setFileTime(QDateTime(QDate(2026, 7, 1), QTime(8, 30, 15)), QFileDevice::FileModificationTime);
    f.close();
    TfrmSobre s;
    s.DefineExecutavel(arq);
    s.FormShow();
    QCOMPARE(s.RxLblAtualizacao->text(), QStringLiteral("Última Atualização: 01/07/2026 08:30:15"));
}

void TestPrincipal::inicioSemConfiguracao_data()
{
    QTest::addColumn<bool>("arquivo");
    QTest::addColumn<bool>("senha");
    QTest::newRow("sem arquivo") << false << true;
    QTest::newRow("sem senha") << true << false;
}

// Missing settings: the message, no connection, and the login still shown.
void TestPrincipal::inicioSemConfiguracao()
{
    QFETCH(bool, arquivo);
    QFETCH(bool, senha);
    const BancoTeste b = NovoBancoEmbarcado();
    const QString ini = arquivo ? EscreveIniTeste(b, true, true, senha) : CaminhoIniTeste();
    RespostasMensagem r;
    TfrmPrincipal p(Valores(ini));
    int logins = 0;
    p.MostraLogin = [&](TfrmPrincipal &) { ++logins; };
    p.FormShow();
    QCOMPARE(r.Quantas(), 1);
    QCOMPARE(r.Ultima().texto, QStringLiteral("Configure o acesso ao Banco de Dados clicando em 'Opções'"));
    QCOMPARE(r.Ultima().titulo, QStringLiteral("Necrovia"));
    QCOMPARE(r.Ultima().icone, Icone::Erro);
    QVERIFY(!p.IBDatabase1.Connected());
    QCOMPARE(logins, 1);
    QCOMPARE(p.valores.codigoEmpresa, 1);
    QVERIFY(!p.StatusPanel[3]->text().isEmpty());
}

void TestPrincipal::inicioConectaEMostraLogin()
{
    const BancoTeste b = NovoBancoEmbarcado();
    RespostasMensagem r;
    TfrmPrincipal p(Valores(EscreveIniTeste(b)));
    bool conectadoNoLogin = false;
    p.MostraLogin = [&](TfrmPrincipal &j) { conectadoNoLogin = j.IBDatabase1.Connected(); };
    p.resize(1000, 800);
    p.FormShow();
    QCOMPARE(r.Quantas(), 0);
    QVERIFY(conectadoNoLogin);
    QCOMPARE(p.valores.caminhoBanco, b.nome);
    QCOMPARE(p.valores.usuarioBanco, b.usuario);
    // The logo is centred in the client area.
    const QRect area = p.areaCliente->rect();
    QCOMPARE(p.logotipo->x(), area.width() / 2 - 337 / 2);
    QCOMPARE(p.logotipo->y(), area.height() / 2 - 359 / 2);
}

void TestPrincipal::inicioComBancoInexistente()
{
    BancoTeste b = NovoBancoEmbarcado();
    b.nome = PastaTemporariaTestes() + QStringLiteral("/nao-existe.fdb");
    RespostasMensagem r;
    TfrmPrincipal p(Valores(EscreveIniTeste(b)));
    int logins = 0;
    p.MostraLogin = [&](TfrmPrincipal &) { ++logins; };
    p.FormShow();
    QCOMPARE(r.Quantas(), 1);
    QVERIFY(r.Ultima().texto.startsWith(
        QStringLiteral("Não foi possível conectar ao banco de dados.\n\nOcorreu o seguinte erro:\n")));
    QVERIFY(r.Ultima().texto.size() > 70);
    QCOMPARE(r.Ultima().titulo, QStringLiteral("Erro na conexão"));
    QCOMPARE(logins, 1);
}

void TestPrincipal::menuEBarraDeFerramentas()
{
    TfrmPrincipal p(Valores(CaminhoIniTeste()));
    QCOMPARE(p.Obitos->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    QCOMPARE(p.Sair->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(TfrmPrincipal::ItemDeMenu(p.Obitos), QStringLiteral("Obitos1"));
    QCOMPARE(TfrmPrincipal::ItemDeMenu(p.Configuraes1->menuAction()), QStringLiteral("Configuraes1"));
    QCOMPARE(p.Obitos->statusTip(), QStringLiteral("Cadastro de Óbitos"));
    // The first two buttons follow their item; Sair is always enabled.
    p.Obitos->setEnabled(false);
    p.Sair->setEnabled(false);
    QVERIFY(!p.RDSpeedButton1->isEnabled());
    QVERIFY(p.RDSpeedButton2->isEnabled());
    QVERIFY(p.RDSpeedButton3->isEnabled());
    QCOMPARE(p.RDSpeedButton1->text(), QStringLiteral("&Obitos"));
    QCOMPARE(p.RDSpeedButton3->toolTip(), QStringLiteral("Sair do Sistema"));
    // Restaurar does nothing at all.
    RespostasMensagem r;
    p.RestaurarCopiaSeguranca->trigger();
    QCOMPARE(r.Quantas(), 0);
}

// Panel 0 shows the hint of what the pointer is over: a menu-bar entry (as
// the bar reports it), and a control with a hint in a dialog over the main
// window (the hint as Qt hands it up from the control).
void TestPrincipal::dicasNoPainelZero()
{
    TfrmPrincipal p(Valores(CaminhoIniTeste()));
    emit p.MainMenu1->hovered(p.Configuraes1->menuAction());
    QCOMPARE(p.StatusPanel[0]->text(), QStringLiteral(" Empresa"));
    // An item of an open menu, whose hint Qt sends to the menu bar.
    QStatusTipEvent item(p.Obitos->statusTip());
    QApplication::sendEvent(p.MainMenu1, &item);
    QCOMPARE(p.StatusPanel[0]->text(), QStringLiteral(" Cadastro de Óbitos"));
    // Panel 0 only: the status bar shows no message over its panels.
    QVERIFY(p.statusBar()->currentMessage().isEmpty());

    QDialog d(&p);
    auto *campo = new QLineEdit(&d);
    campo->setStatusTip(QStringLiteral("Razão Social"));
    QStatusTipEvent dica(campo->statusTip());
    QApplication::sendEvent(campo, &dica);
    QCOMPARE(p.StatusPanel[0]->text(), QStringLiteral(" Razão Social"));
    // Leaving the control clears it.
    QStatusTipEvent vazia{QString()};
    QApplication::sendEvent(campo, &vazia);
    QCOMPARE(p.StatusPanel[0]->text(), QStringLiteral(" "));
}

// A second start calls the running copy: minimised, it comes back maximised
// and active.
void TestPrincipal::chamadaPorOutraCopiaVemAFrente()
{
    TfrmPrincipal p(Valores(CaminhoIniTeste()));
    RespostasMensagem r;
    p.MostraLogin = [](TfrmPrincipal &) {};
    p.showMinimized();
    QTRY_VERIFY(p.isMinimized());
    QWidget outra;
    outra.show();
    outra.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&outra));
    p.TrazParaFrente();
    QTRY_VERIFY(p.isActiveWindow());
    QVERIFY(!p.isMinimized());
    QVERIFY(p.isMaximized());
}

void TestPrincipal::saidaSimGravaUmaLinha()
{
    const BancoTeste b = NovoBancoEmbarcado();
    RespostasMensagem r;
    TfrmPrincipal p(Valores(EscreveIniTeste(b)));
    p.FormShow();
    p.MostraUsuario(QStringLiteral("ANA"));
    Query aberta(p.IBDatabase1);
    aberta.SetSQL(QStringLiteral("SELECT * FROM empresa"));
    aberta.Open();
    r.Responde(Botao::Sim);
    p.Sair->trigger();
    QCOMPARE(r.Quantas(), 1);
    QCOMPARE(r.Ultima().texto, QStringLiteral("Deseja realmente sair do sistema?"));
    QCOMPARE(r.Ultima().icone, Icone::Pergunta);
    QVERIFY(AplicacaoEncerrando());
    // The connection was closed before the row was written.
    QVERIFY(!aberta.Active());
    Database outra;
    b.Configura(outra);
    QCOMPARE(LinhasAcessos(outra, QStringLiteral("SAIDA")), 1);
    Query q(outra);
    q.SetSQL(QStringLiteral("SELECT ace_usuario FROM acessos"));
    q.Open();
    QCOMPARE(q.Fields(0).AsString(), QStringLiteral("ANA"));
    // The close that follows the end asks nothing again.
    QCloseEvent fecha;
    QApplication::sendEvent(&p, &fecha);
    QVERIFY(fecha.isAccepted());
    QCOMPARE(r.Quantas(), 1);
}

void TestPrincipal::saidaNaoPelaJanelaNadaGrava()
{
    const BancoTeste b = NovoBancoEmbarcado();
    RespostasMensagem r;
    TfrmPrincipal p(Valores(EscreveIniTeste(b)));
    p.FormShow();
    p.show();
    r.Responde(Botao::Nao);
    QVERIFY(!p.close());
    QVERIFY(p.isVisible());
    QCOMPARE(r.Quantas(), 1);
    QVERIFY(!AplicacaoEncerrando());
    QCOMPARE(LinhasAcessos(p.IBDatabase1, QStringLiteral("SAIDA")), 0);
}

// The journal row cannot be written: the clerk is told and the program
// still ends.
void TestPrincipal::saidaComBancoForaDoArMostraEEncerra()
{
    const BancoTeste b = NovoBancoEmbarcado();
    RespostasMensagem r;
    TfrmPrincipal p(Valores(EscreveIniTeste(b)));
    p.FormShow();
    QVERIFY(p.IBDatabase1.Connected());
    p.IBDatabase1.SetDatabaseName(PastaTemporariaTestes() + QStringLiteral("/sumiu.fdb"));
    r.Responde(Botao::Sim);
    p.Sair->trigger();
    QCOMPARE(r.Quantas(), 2);
    QCOMPARE(r.Ultima().titulo, QStringLiteral("Necrovia"));
    QCOMPARE(r.Ultima().icone, Icone::Erro);
    QVERIFY(r.Ultima().texto.startsWith(QStringLiteral("Não foi possível concluir a operação.\n\n")));
    QVERIFY(AplicacaoEncerrando());
}

void TestPrincipal::diarioNumeraAPartirDeUm()
{
    const BancoTeste b = NovoBancoEmbarcado();
    Database db;
    b.Configura(db);
    const QDateTime momento(QDate(2026, 12, 31), QTime(23, 59, 30));
    RegistrarAcesso(db, QStringLiteral("ANA"), TipoAcesso::Entrada, momento);
    RegistrarAcesso(db, QStringLiteral("ANA"), TipoAcesso::Saida, momento);
    Query q(db);
    q.SetSQL(QStringLiteral("SELECT * FROM acessos ORDER BY ace_seq"));
    q.Open();
    QCOMPARE(q.RecordCount(), 2);
    QCOMPARE(q.Fields(0).AsInteger(), 1);
    QCOMPARE(q.Fields(2).AsDate(), momento.date());
    QCOMPARE(q.Fields(3).AsTime(), momento.time());
    QCOMPARE(q.Fields(4).AsString(), QStringLiteral("ENTRADA"));
    q.Next();
    QCOMPARE(q.Fields(0).AsInteger(), 2);
    QCOMPARE(q.Fields(4).AsString(), QStringLiteral("SAIDA"));
}

QTEST_MAIN(TestPrincipal)
#include "tst_principal.moc"
