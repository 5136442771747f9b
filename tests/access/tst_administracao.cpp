// The user administration: only an administrator gets the dialog; users
// added, changed and removed with the refusals (passwords that differ, the
// last administrator); groups and their rights on the tree of the real main
// menu; every change read back from the file.
#include "ArmazemTeste.h"
#include "JanelasTeste.h"
#include "RespostasMensagem.h"
#include "TeclasFoco.h"
#include "app/UPrincipal.h"
#include "platform/access/ControleAcesso.h"
#include "platform/access/UAdminUsuarios.h"

#include <QFile>
#include <QTest>

namespace {
QByteArray Bytes(const QString &arquivo)
{
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Clica(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton);
}

void Escolhe(QListWidget *lista, const QString &texto)
{
    const auto achados = lista->findItems(texto, Qt::MatchExactly);
    QVERIFY2(achados.size() == 1, qPrintable(texto));
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualItemRect(achados.first()).center());
    QVERIFY(achados.first()->isSelected());
}

void Preenche(QLineEdit *e, const QString &texto)
{
    Clica(e);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, texto);
}

QTreeWidgetItem *ItemDaArvore(QTreeWidget *arvore, const QString &item)
{
    for (QTreeWidgetItemIterator i(arvore); *i; ++i)
        if ((*i)->data(0, Qt::UserRole).toString() == item)
            return *i;
    return nullptr;
}

// The main window's menu bound, an administrator logged in.
struct AdministradorLogado {
    ArmazemTeste t;
    ControleAcesso c{t.arquivo};
    TfrmPrincipal principal{ValoresPrograma{}};
    AdministradorLogado()
    {
        c.VinculaMenu(principal.MainMenu1);
        c.ConfereUsuario(QStringLiteral("admin"), kSenhaAdmin);
    }
};

// Fills the user fields and presses Gravar.
void GravaUsuario(TfrmAdminUsuarios &frm, const QString &nome, const QString &senha,
                  const QString &confirma)
{
    Preenche(frm.EdtNome, nome);
    Preenche(frm.EdtSenha, senha);
    Preenche(frm.EdtConfirma, confirma);
    Clica(frm.BtnGravarUsuario);
}

// An administration dialog on the test store, over the real main menu.
struct Administracao {
    ArmazemTeste t;
    ControleAcesso c{t.arquivo};
    TfrmPrincipal principal{ValoresPrograma{}};
    TfrmAdminUsuarios frm{c.Armazem(), principal.MainMenu1};
    RespostasMensagem r;

    Administracao() { MostraAtiva(&frm); }

    void GravaUsuario(const QString &nome, const QString &senha, const QString &confirma)
    {
        ::GravaUsuario(frm, nome, senha, confirma);
    }
};
} // namespace

class TestAdministracao : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(NenhumaJanelaVisivel()); }
    void somenteAdministrador_data();
    void somenteAdministrador();
    void administradorVeArvoreDoMenu();
    void administradorQueSeExcluiGuardaOMenu();
    void usuarioRecusado_data();
    void usuarioRecusado();
    void ultimoAdministrador();
    void usuariosGravadosRelidos();
    void direitosEGruposGravadosRelidos();
};

void TestAdministracao::somenteAdministrador_data()
{
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("texto");
    QTest::newRow("ninguém logado") << "" << "Nenhum usuário ativo...";
    QTest::newRow("usuário comum")
        << "MARIA" << "Sinto muito, mas esta opção só pode ser acessada por um ADMINISTRADOR.";
}

void TestAdministracao::somenteAdministrador()
{
    QFETCH(QString, usuario);
    QFETCH(QString, texto);
    ArmazemTeste t;
    ControleAcesso c(t.arquivo);
    RespostasMensagem r;
    if (!usuario.isEmpty())
        QCOMPARE(c.ConfereUsuario(usuario, kSenhaMaria), 1);
    // Were a dialog opened, this closes it and the test fails instead of hanging.
    static bool abriu;
    abriu = false;
    QTimer::singleShot(0, [] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            abriu = true;
            w->close();
        }
    });
    c.AdministraUsuarios(nullptr);
    QCoreApplication::processEvents();
    QVERIFY(!abriu);
    ConfereAviso(r, texto);
}

void TestAdministracao::administradorVeArvoreDoMenu()
{
    AdministradorLogado a;
    bool visto = false;
    NoDialogoModal([&](QWidget *w) {
        auto *frm = qobject_cast<TfrmAdminUsuarios *>(w);
        QVERIFY(frm);
        visto = true;
        // Five menus with ten commands among them, separators left out.
        QCOMPARE(frm->ArvoreDireitos->topLevelItemCount(), 5);
        int itens = 0;
        for (QTreeWidgetItemIterator i(frm->ArvoreDireitos); *i; ++i)
            ++itens;
        QCOMPARE(itens, 15);
        QTreeWidgetItem *obitos = ItemDaArvore(frm->ArvoreDireitos, QStringLiteral("Obitos1"));
        QVERIFY(obitos);
        QCOMPARE(obitos->text(0), QStringLiteral("Obitos"));
        QCOMPARE(obitos->parent()->data(0, Qt::UserRole).toString(), QStringLiteral("Cadastro1"));
        QCOMPARE(frm->ListaUsuarios->count(), 2);
        Clica(frm->BtnFechar);
    });
    a.c.AdministraUsuarios(&a.principal);
    QVERIFY(visto);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestAdministracao::administradorQueSeExcluiGuardaOMenu()
{
    AdministradorLogado a;
    RespostasMensagem r;
    NoDialogoModal([](QWidget *w) {
        auto *frm = qobject_cast<TfrmAdminUsuarios *>(w);
        QVERIFY(frm);
        Clica(frm->BtnNovoUsuario);
        Clica(frm->ChkAdministrador);
        GravaUsuario(*frm, QStringLiteral("CHEFE"), QStringLiteral("Chefe1"), QStringLiteral("Chefe1"));
        Escolhe(frm->ListaUsuarios, QStringLiteral("ADMIN"));
        Clica(frm->BtnExcluirUsuario);   // answered Sim
        Clica(frm->BtnFechar);
    });
    a.c.AdministraUsuarios(&a.principal);
    QVERIFY(!ArmazemUsuarios(a.t.arquivo).Usuario(QStringLiteral("ADMIN")));
    // The session goes on with the menu it had, so the way out is still there.
    QVERIFY(a.principal.Sair->isEnabled());
    QVERIFY(a.principal.Cadastro1->menuAction()->isVisible());
}

void TestAdministracao::usuarioRecusado_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("senha");
    QTest::addColumn<QString>("confirma");
    QTest::addColumn<QString>("texto");
    QTest::newRow("sem nome") << "  " << "abc1" << "abc1" << "Informe o nome do usuário.";
    QTest::newRow("sem senha") << "JOAO" << "" << "" << "Informe a senha do usuário.";
    QTest::newRow("senhas diferentes") << "JOAO" << "abc1" << "abc2"
                                       << "As senhas digitadas não conferem.";
    QTest::newRow("nome repetido") << "maria" << "abc1" << "abc1"
                                   << "Já existe um usuário com este nome.";
}

void TestAdministracao::usuarioRecusado()
{
    QFETCH(QString, nome);
    QFETCH(QString, senha);
    QFETCH(QString, confirma);
    QFETCH(QString, texto);
    Administracao a;
    const QByteArray antes = Bytes(a.t.arquivo);
    Clica(a.frm.BtnNovoUsuario);
    a.GravaUsuario(nome, senha, confirma);
    ConfereAviso(a.r, texto);
    QCOMPARE(Bytes(a.t.arquivo), antes);
    QCOMPARE(a.frm.ListaUsuarios->count(), 2);
}

void TestAdministracao::ultimoAdministrador()
{
    Administracao a;
    Escolhe(a.frm.ListaUsuarios, QStringLiteral("ADMIN"));
    QVERIFY(a.frm.ChkAdministrador->isChecked());
    Clica(a.frm.BtnExcluirUsuario);
    ConfereAviso(a.r, QStringLiteral("O último administrador não pode ser excluído."));
    Clica(a.frm.ChkAdministrador);
    Clica(a.frm.BtnGravarUsuario);
    ConfereAviso(a.r, QStringLiteral("O último administrador não pode deixar de ser administrador."));
    QVERIFY(ArmazemUsuarios(a.t.arquivo).Usuario(QStringLiteral("ADMIN"))->administrador);

    // With a second administrator the first may go.
    Clica(a.frm.BtnNovoUsuario);
    Clica(a.frm.ChkAdministrador);
    a.GravaUsuario(QStringLiteral("chefe"), QStringLiteral("Chefe1"), QStringLiteral("Chefe1"));
    Escolhe(a.frm.ListaUsuarios, QStringLiteral("ADMIN"));
    a.r.Responde(Botao::Sim);
    Clica(a.frm.BtnExcluirUsuario);
    QCOMPARE(a.r.Ultima().icone, Icone::Pergunta);
    const ArmazemUsuarios lido(a.t.arquivo);
    QVERIFY(!lido.Usuario(QStringLiteral("ADMIN")));
    QVERIFY(lido.Usuario(QStringLiteral("CHEFE"))->administrador);
    QCOMPARE(a.frm.ListaUsuarios->count(), 2);
}

void TestAdministracao::usuariosGravadosRelidos()
{
    Administracao a;
    // A new clerk in BALCAO (the list: none, ADMINISTRADORES, BALCAO).
    Clica(a.frm.BtnNovoUsuario);
    a.frm.CbBxGrupo->setFocus();
    QTest::keyClick(a.frm.CbBxGrupo, Qt::Key_Down);
    QTest::keyClick(a.frm.CbBxGrupo, Qt::Key_Down);
    QCOMPARE(a.frm.CbBxGrupo->currentText(), QStringLiteral("BALCAO"));
    a.GravaUsuario(QStringLiteral(" joao "), QStringLiteral("Joao-1"), QStringLiteral("Joao-1"));
    QCOMPARE(a.r.Quantas(), 0);

    // MARIA gets a new password; leaving it blank would keep the old one.
    Escolhe(a.frm.ListaUsuarios, QStringLiteral("MARIA"));
    QCOMPARE(a.frm.CbBxGrupo->currentText(), QStringLiteral("BALCAO"));
    a.GravaUsuario(QStringLiteral("MARIA"), QStringLiteral("Nova-2"), QStringLiteral("Nova-2"));
    Escolhe(a.frm.ListaUsuarios, QStringLiteral("ADMIN"));
    a.GravaUsuario(QStringLiteral("ADMIN"), {}, {});
    QCOMPARE(a.r.Quantas(), 0);

    ControleAcesso relido(a.t.arquivo);
    const UsuarioAcesso *joao = relido.Armazem().Usuario(QStringLiteral("JOAO"));
    QVERIFY(joao);
    QCOMPARE(joao->grupo, QStringLiteral("BALCAO"));
    QVERIFY(!joao->administrador);
    QCOMPARE(relido.ConfereUsuario(QStringLiteral("joao"), QStringLiteral("Joao-1")), 1);
    QCOMPARE(relido.ConfereUsuario(QStringLiteral("MARIA"), QStringLiteral("Nova-2")), 1);
    QCOMPARE(relido.ConfereUsuario(QStringLiteral("ADMIN"), kSenhaAdmin), 1);
    QCOMPARE(relido.Armazem().usuarios.size(), 3);
}

void TestAdministracao::direitosEGruposGravadosRelidos()
{
    Administracao a;
    Escolhe(a.frm.ListaGrupos, QStringLiteral("BALCAO"));
    QTreeWidget *arvore = a.frm.ArvoreDireitos;
    QTreeWidgetItem *obitos = ItemDaArvore(arvore, QStringLiteral("Obitos1"));
    QCOMPARE(ItemDaArvore(arvore, QStringLiteral("CartadePosse1"))->checkState(0), Qt::Checked);
    QCOMPARE(obitos->checkState(0), Qt::Unchecked);
    QCOMPARE(ItemDaArvore(arvore, QStringLiteral("Cadastro1"))->checkState(0), Qt::PartiallyChecked);
    QCOMPARE(ItemDaArvore(arvore, QStringLiteral("Ajuda1"))->checkState(0), Qt::Unchecked);

    // Obitos1 on, Ajuda1 on with all it holds, CartadePosse1 off.
    arvore->setFocus();
    for (const QString &item : {QStringLiteral("Obitos1"), QStringLiteral("Ajuda1"),
                                QStringLiteral("CartadePosse1")}) {
        arvore->setCurrentItem(ItemDaArvore(arvore, item));
        QTest::keyClick(arvore, Qt::Key_Space);
    }
    QCOMPARE(ItemDaArvore(arvore, QStringLiteral("Sobre1"))->checkState(0), Qt::Checked);
    Clica(a.frm.BtnGravarDireitos);

    Preenche(a.frm.EdtGrupo, QStringLiteral("plantao"));
    Clica(a.frm.BtnNovoGrupo);
    QCOMPARE(a.r.Quantas(), 0);
    Escolhe(a.frm.ListaGrupos, QStringLiteral("BALCAO"));
    Clica(a.frm.BtnExcluirGrupo);
    ConfereAviso(a.r, QStringLiteral("O grupo BALCAO tem usuários e não pode ser excluído."));

    const ArmazemUsuarios lido(a.t.arquivo);
    QStringList itens = lido.Grupo(QStringLiteral("BALCAO"))->itens;
    itens.sort();
    // Sub1 and Neto1 are not in this menu: kept as they were.
    QCOMPARE(itens, (QStringList{"Ajuda1", "Cadastro1", "Neto1", "Obitos1", "Sobre1", "Sub1"}));
    QVERIFY(lido.Grupo(QStringLiteral("PLANTAO"))->itens.isEmpty());
    QCOMPARE(lido.grupos.size(), 3);

    // The removal goes through once the group is free.
    Escolhe(a.frm.ListaGrupos, QStringLiteral("PLANTAO"));
    a.r.Responde(Botao::Sim);
    Clica(a.frm.BtnExcluirGrupo);
    QVERIFY(!ArmazemUsuarios(a.t.arquivo).Grupo(QStringLiteral("PLANTAO")));
}

QTEST_MAIN(TestAdministracao)
#include "tst_administracao.moc"
