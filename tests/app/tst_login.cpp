// The login over a real main window, database and user store.
#include "BancoTeste.h"
#include "IniTeste.h"
#include "RespostasMensagem.h"
#include "TeclasFoco.h"
#include "app/ULogin.h"
#include "app/UPrincipal.h"
#include "common/Encerramento.h"
#include "data/Query.h"
#include "platform/access/ArmazemUsuarios.h"
#include "platform/access/ControleAcesso.h"

#include <QTest>
#include <memory>

namespace {
struct Ambiente {
    BancoTeste banco = NovoBancoEmbarcado();
    QString store = PastaTemporariaTestes() + QStringLiteral("/RDusers-%1.RDA").arg(qrand());
    std::unique_ptr<ControleAcesso> acesso;
    std::unique_ptr<TfrmPrincipal> principal;

    static int qrand()
    {
        static int n = 0;
        return ++n;
    }

    explicit Ambiente(bool comEmpresa = true)
    {
        // Set in mixed case; the login field types capitals and still gets in.
        CriaAdministrador(store, QStringLiteral("ANA"), QStringLiteral("Segredo"));
        acesso = std::make_unique<ControleAcesso>(store);
        ValoresPrograma v;
        v.arquivoIni = EscreveIniTeste(banco);
        principal = std::make_unique<TfrmPrincipal>(v);
        principal->DefineAcesso(acesso.get());
        principal->FormShow();
        if (comEmpresa)
            principal->IBDatabase1.ExecuteImmediate(QStringLiteral(
                "INSERT INTO empresa VALUES (1, 'PREFEITURA DE ITU', 'R', '', '', 'ITU', 'SP', '', '', '', '')"));
    }

    QStringList Diario()
    {
        Query q(principal->IBDatabase1);
        q.SetSQL(QStringLiteral("SELECT ace_seq, ace_usuario, ace_data, ace_tipo FROM acessos ORDER BY ace_seq"));
        q.Open();
        QStringList r;
        for (; !q.Eof(); q.Next())
            r << QStringLiteral("%1 %2 %3 %4").arg(q.Fields(0).AsString(), q.Fields(1).AsString(),
                                                  q.Fields(2).AsString(), q.Fields(3).AsString());
        return r;
    }
};
} // namespace

class TestLogin : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ArmazemUsuarios::UsaCustoMinimo(true); }
    void init() { ReiniciaEncerramento(); }
    void camposVazios_data();
    void camposVazios();
    void recusadoSemLimite();
    void entradaGravaUmaLinha();
    void enterNaSenhaEntra();
    void outraJanelaNaoEntra();
    void escEncerraSemLinha();
    void semEmpresaAbreCadastroEEncerra();
    void semEmpresaCadastrada();
};

void TestLogin::camposVazios_data()
{
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("senha");
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<QString>("foco");
    QTest::newRow("sem nome") << "" << "X" << "Informe o Nome do Usuário" << "EdtUsuario";
    QTest::newRow("sem senha") << "ANA" << "" << "Informe a Senha de Acesso" << "EdtSenha";
}

void TestLogin::camposVazios()
{
    QFETCH(QString, usuario);
    QFETCH(QString, senha);
    QFETCH(QString, mensagem);
    QFETCH(QString, foco);
    Ambiente a;
    TfrmLogin l(*a.principal);
    QVERIFY(MostraAtiva(&l));
    l.EdtUsuario->setText(usuario);
    l.EdtSenha->setText(senha);
    RespostasMensagem r;
    QTest::mouseClick(l.BtnOk, Qt::LeftButton);
    QCOMPARE(r.Quantas(), 1);
    QCOMPARE(r.Ultima().texto, mensagem);
    QCOMPARE(r.Ultima().icone, Icone::Erro);
    QCOMPARE(QApplication::focusWidget()->objectName(), foco);
    QVERIFY(a.Diario().isEmpty());
}

void TestLogin::recusadoSemLimite()
{
    Ambiente a;
    TfrmLogin l(*a.principal);
    QVERIFY(MostraAtiva(&l));
    RespostasMensagem r;
    for (int i = 0; i < 5; ++i) {
        l.EdtUsuario->setText(QStringLiteral("ANA"));
        l.EdtSenha->setText(QStringLiteral("ERRADA"));
        l.BtnOkClick();
        QCOMPARE(r.Ultima().texto, QStringLiteral("Acesso Negado !\n\nUsuário/Senha inválidos"));
        QCOMPARE(r.Ultima().titulo, QStringLiteral("Controle de Acesso"));
        QCOMPARE(QApplication::focusWidget(), l.EdtSenha);
    }
    QVERIFY(l.isVisible());
    QVERIFY(a.Diario().isEmpty());
    l.EdtSenha->setText(QStringLiteral("SEGREDO"));
    l.BtnOkClick();
    QCOMPARE(a.Diario().size(), 1);
}

void TestLogin::entradaGravaUmaLinha()
{
    Ambiente a;
    TfrmLogin l(*a.principal);
    QVERIFY(MostraAtiva(&l));
    l.EdtUsuario->setFocus();
    Digita(QStringLiteral("  ana "));   // typed in lower case with blanks around
    l.EdtSenha->setText(QStringLiteral("SEGREDO"));
    RespostasMensagem r;
    const QDate hoje = QDate::currentDate();
    const QTime antes = QTime::currentTime();
    QTest::mouseClick(l.BtnOk, Qt::LeftButton);
    const QTime depois = QTime::currentTime();
    QCOMPARE(r.Quantas(), 0);
    QCOMPARE(a.Diario(), QStringList{QStringLiteral("1 ANA %1 ENTRADA").arg(hoje.toString(QStringLiteral("dd/MM/yyyy")))});
    {
        // The desk's clock at the click, to the stored precision.
        Query h(a.principal->IBDatabase1);
        h.SetSQL(QStringLiteral("SELECT ace_hora FROM acessos"));
        h.Open();
        const QTime hora = h.Fields(0).AsTime();
        QVERIFY2(hora >= antes.addMSecs(-1) && hora <= depois,
                 qPrintable(hora.toString(QStringLiteral("HH:mm:ss.zzz"))));
    }
    QVERIFY(!l.isVisible());
    QCOMPARE(l.result(), -1);
    QCOMPARE(a.principal->StatusPanel[1]->text(), QStringLiteral("Usuário: ANA"));
    QCOMPARE(a.principal->windowTitle(), QStringLiteral("KIRO - Sistema Necrovia - PREFEITURA DE ITU"));
    QCOMPARE(a.principal->valores.exercicio, hoje.year());
    // The desk now shows among the connected users.
    Database outra;
    a.banco.Configura(outra);
    Query q(outra);
    q.SetSQL(QStringLiteral("SELECT ati_usuario FROM ativos"));
    q.Open();
    QCOMPARE(q.Fields(0).AsString(), QStringLiteral("ANA"));
}

// Name, Enter, password, Enter: leaving the password field logs in.
void TestLogin::enterNaSenhaEntra()
{
    Ambiente a;
    TfrmLogin l(*a.principal);
    QVERIFY(MostraAtiva(&l));
    l.FormActivate();
    QCOMPARE(QApplication::focusWidget(), l.EdtUsuario);
    RespostasMensagem r;
    Digita(QStringLiteral("ana"));
    Tecla(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), l.EdtSenha);
    QCOMPARE(l.PnlAutenticacao->palette().color(QPalette::Window), QColor(253, 255, 255));
    Digita(QStringLiteral("segredo"));
    Tecla(Qt::Key_Return);
    QCOMPARE(r.Quantas(), 0);
    QCOMPARE(a.Diario().size(), 1);
}

// With both fields filled, another window becoming active (the options
// dialog, another program) is not leaving the password field.
void TestLogin::outraJanelaNaoEntra()
{
    Ambiente a;
    TfrmLogin l(*a.principal);
    QVERIFY(MostraAtiva(&l));
    l.EdtUsuario->setText(QStringLiteral("ANA"));
    l.EdtSenha->setFocus();
    l.EdtSenha->setText(QStringLiteral("SEGREDO"));
    RespostasMensagem r;
    {
        QDialog outra(&l);
        QVERIFY(MostraAtiva(&outra));
    }
    QVERIFY(MostraAtiva(&l));
    QCOMPARE(r.Quantas(), 0);
    QCOMPARE(a.Diario().size(), 0);
    QVERIFY(l.isVisible());
    // Active again, the dialog puts the focus on the name, as when it opened.
    QTRY_COMPARE(QApplication::focusWidget(), l.EdtUsuario);
    // Moving on from the password inside the dialog still logs in.
    l.EdtSenha->setFocus();
    Tecla(Qt::Key_Tab);
    QCOMPARE(a.Diario().size(), 1);
}

void TestLogin::escEncerraSemLinha()
{
    Ambiente a;
    TfrmLogin l(*a.principal);
    QVERIFY(MostraAtiva(&l));
    RespostasMensagem r;
    l.EdtUsuario->setFocus();
    Tecla(Qt::Key_Escape);
    QVERIFY(AplicacaoEncerrando());
    QVERIFY(!l.isVisible());
    QCOMPARE(r.Quantas(), 0);
    QVERIFY(a.Diario().isEmpty());
}

void TestLogin::semEmpresaAbreCadastroEEncerra()
{
    Ambiente a(false);
    TfrmLogin l(*a.principal);
    int aberturas = 0;
    l.AbreCadastroEmpresa = [&] { ++aberturas; };
    RespostasMensagem r;
    l.EdtUsuario->setText(QStringLiteral("ANA"));
    l.EdtSenha->setText(QStringLiteral("SEGREDO"));
    l.BtnOkClick();
    QCOMPARE(aberturas, 1);
    QCOMPARE(r.Quantas(), 2);
    QCOMPARE(r.Mostradas()[0].texto, QStringLiteral("Não há nenhuma empresa cadastrada. Efetue seu cadastro."));
    QCOMPARE(r.Mostradas()[1].texto, QStringLiteral("Não há nenhuma empresa cadastrada. O sistema será finalizado."));
    QVERIFY(AplicacaoEncerrando());
    QCOMPARE(a.principal->windowTitle(), QStringLiteral("KIRO - Sistema Necrovia"));
}

void TestLogin::semEmpresaCadastrada()
{
    Ambiente a(false);
    TfrmLogin l(*a.principal);
    l.AbreCadastroEmpresa = [&] {
        a.principal->IBDatabase1.ExecuteImmediate(QStringLiteral(
            "INSERT INTO empresa VALUES (1, 'NOVA', 'R', '', '', 'C', 'SP', '', '', '', '')"));
    };
    RespostasMensagem r;
    l.EdtUsuario->setText(QStringLiteral("ANA"));
    l.EdtSenha->setText(QStringLiteral("SEGREDO"));
    l.BtnOkClick();
    QCOMPARE(r.Quantas(), 1);
    QVERIFY(!AplicacaoEncerrando());
    QCOMPARE(a.principal->windowTitle(), QStringLiteral("KIRO - Sistema Necrovia - NOVA"));
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
