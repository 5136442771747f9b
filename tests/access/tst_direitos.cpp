// Login check and menu rights: the name in any case and with blanks, the
// password exactly, the refusal box; items of the bound menu at every level
// hidden and disabled unless the group may use them, separators untouched,
// administrators see everything, the main window's toolbar follows.
#include "ArmazemTeste.h"
#include "RespostasMensagem.h"
#include "app/UPrincipal.h"
#include "platform/access/ControleAcesso.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

namespace {
// A menu bar with the shapes the real one has, and one level more:
//   Cadastro1: Obitos1, separator, CartadePosse1, Sub1 > (Neto1, Novo1), separator
//   Ajuda1:    Sobre1
struct MenuTeste {
    QMenuBar barra;
    QMenu *cadastro = barra.addMenu(QStringLiteral("C&adastro"));
    QAction *obitos = cadastro->addAction(QStringLiteral("&Obitos"));
    QAction *separador1 = cadastro->addSeparator();
    QAction *cartas = cadastro->addAction(QStringLiteral("&Cartas de Posse"));
    QMenu *sub = cadastro->addMenu(QStringLiteral("Sub"));
    QAction *neto = sub->addAction(QStringLiteral("Neto"));
    QAction *novo = sub->addAction(QStringLiteral("Novo"));   // no group knows it yet
    QAction *separador2 = cadastro->addSeparator();
    QMenu *ajuda = barra.addMenu(QStringLiteral("&Ajuda"));
    QAction *sobre = ajuda->addAction(QStringLiteral("&Sobre"));
    QToolButton botaoObitos;

    MenuTeste()
    {
        cadastro->setObjectName(QStringLiteral("Cadastro1"));
        sub->setObjectName(QStringLiteral("Sub1"));
        ajuda->setObjectName(QStringLiteral("Ajuda1"));
        // The rights key in the property, as the main window sets it, or
        // the object name alone.
        obitos->setObjectName(QStringLiteral("Obitos"));
        obitos->setProperty("itemMenu", QStringLiteral("Obitos1"));
        cartas->setObjectName(QStringLiteral("CartadePosse1"));
        neto->setObjectName(QStringLiteral("Neto1"));
        novo->setObjectName(QStringLiteral("Novo1"));
        sobre->setObjectName(QStringLiteral("Sobre1"));
        separador2->setVisible(false);
        QObject::connect(obitos, &QAction::enabledChanged, &botaoObitos, &QWidget::setEnabled);
    }
};
} // namespace

class TestDireitos : public QObject {
    Q_OBJECT
private slots:
    void confereUsuario_data();
    void confereUsuario();
    void direitosDoGrupo_data();
    void direitosDoGrupo();
    void separadoresIntocados();
    void semLoginNadaMuda();
    void janelaPrincipalSegueDireitos();
};

void TestDireitos::confereUsuario_data()
{
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("senha");
    QTest::addColumn<QString>("logado");   // empty: refused
    QTest::newRow("exatos") << "MARIA" << kSenhaMaria << "MARIA";
    QTest::newRow("brancos em volta") << "  MARIA \t" << (u' ' + kSenhaMaria + u' ') << "MARIA";
    QTest::newRow("nome em minúsculas") << "mArIa" << kSenhaMaria << "MARIA";
    QTest::newRow("senha errada") << "MARIA" << "senha-maria2" << "";
    // Compared in upper case, as the login field types it: a password set
    // with small letters is still accepted.
    QTest::newRow("senha em maiúsculas") << "MARIA" << kSenhaMaria.toUpper() << "MARIA";
    QTest::newRow("senha em outra caixa") << "MARIA" << kSenhaMaria.toLower() << "MARIA";
    QTest::newRow("usuário errado") << "MARIO" << kSenhaMaria << "";
    QTest::newRow("senha de outro usuário") << "MARIA" << kSenhaAdmin << "";
    QTest::newRow("em branco") << "" << "" << "";
}

void TestDireitos::confereUsuario()
{
    QFETCH(QString, usuario);
    QFETCH(QString, senha);
    QFETCH(QString, logado);
    ArmazemTeste t;
    ControleAcesso c(t.arquivo);
    RespostasMensagem r;
    QCOMPARE(c.ConfereUsuario(usuario, senha), logado.isEmpty() ? 0 : 1);
    QCOMPARE(c.UsuarioLogado(), logado);
    if (logado.isEmpty())
        ConfereAviso(r, QStringLiteral("Acesso Negado !\n\nUsuário/Senha inválidos"));
    else
        QCOMPARE(r.Quantas(), 0);
}

void TestDireitos::direitosDoGrupo_data()
{
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("senha");
    QTest::addColumn<QString>("permitidos");   // the items left on, by object name
    // BALCAO may use Cadastro1, CartadePosse1, Sub1 and Neto1.
    QTest::newRow("grupo restrito") << "MARIA" << kSenhaMaria << "Cadastro1 CartadePosse1 Sub1 Neto1";
    QTest::newRow("administrador")
        << "ADMIN" << kSenhaAdmin << "Cadastro1 Obitos1 CartadePosse1 Sub1 Neto1 Novo1 Ajuda1 Sobre1";
}

void TestDireitos::direitosDoGrupo()
{
    QFETCH(QString, usuario);
    QFETCH(QString, senha);
    QFETCH(QString, permitidos);
    ArmazemTeste t;
    ControleAcesso c(t.arquivo);
    MenuTeste m;
    // The opposite of what is expected beforehand, so every item must change.
    const QList<QAction *> itens = {m.cadastro->menuAction(), m.obitos, m.cartas, m.sub->menuAction(),
                                    m.neto, m.novo, m.ajuda->menuAction(), m.sobre};
    const QStringList on = permitidos.split(u' ');
    for (QAction *a : itens) {
        const bool pode = on.contains(ControleAcesso::ItemDeMenu(a));
        a->setEnabled(!pode);
        a->setVisible(!pode);
    }
    c.VinculaMenu(&m.barra);
    QCOMPARE(c.ConfereUsuario(usuario, senha), 1);
    for (QAction *a : itens) {
        const QString item = ControleAcesso::ItemDeMenu(a);
        const bool pode = on.contains(item);
        QVERIFY2(a->isEnabled() == pode, qPrintable(item));
        QVERIFY2(a->isVisible() == pode, qPrintable(item));
    }
    QCOMPARE(m.botaoObitos.isEnabled(), on.contains(QStringLiteral("Obitos1")));
}

void TestDireitos::separadoresIntocados()
{
    ArmazemTeste t;
    ControleAcesso c(t.arquivo);
    MenuTeste m;
    m.separador1->setEnabled(false);
    c.VinculaMenu(&m.barra);
    for (const QString &u : {QStringLiteral("MARIA"), QStringLiteral("ADMIN")}) {
        QCOMPARE(c.ConfereUsuario(u, u == QStringLiteral("ADMIN") ? kSenhaAdmin : kSenhaMaria), 1);
        QVERIFY(m.separador1->isVisible());
        QVERIFY(!m.separador1->isEnabled());
        QVERIFY(!m.separador2->isVisible());
    }
}

void TestDireitos::semLoginNadaMuda()
{
    // A refused login applies nothing: the previous state of the menu stays.
    ArmazemTeste t;
    ControleAcesso c(t.arquivo);
    MenuTeste m;
    c.VinculaMenu(&m.barra);
    RespostasMensagem r;
    QCOMPARE(c.ConfereUsuario(QStringLiteral("MARIA"), QStringLiteral("errada")), 0);
    QVERIFY(m.obitos->isEnabled());
    QVERIFY(m.obitos->isVisible());
}

void TestDireitos::janelaPrincipalSegueDireitos()
{
    ArmazemTeste t;
    ControleAcesso c(t.arquivo);
    TfrmPrincipal frm(ValoresPrograma{});
    c.VinculaMenu(frm.MainMenu1);
    QCOMPARE(c.ConfereUsuario(QStringLiteral("maria"), kSenhaMaria), 1);
    // BALCAO lacks Obitos1: the entry and its toolbar button go off.
    QVERIFY(!frm.Obitos->isEnabled());
    QVERIFY(!frm.Obitos->isVisible());
    QVERIFY(!frm.RDSpeedButton1->isEnabled());
    QVERIFY(frm.CartasPosse->isEnabled());
    QVERIFY(frm.RDSpeedButton2->isEnabled());
    QVERIFY(frm.Cadastro1->menuAction()->isVisible());
    QVERIFY(!frm.Configuraes1->menuAction()->isVisible());
    QVERIFY(!frm.Usuarios->isVisible());
}

QTEST_MAIN(TestDireitos)
#include "tst_direitos.moc"
