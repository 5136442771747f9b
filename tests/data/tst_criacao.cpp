// Making a database from a schema script: an existing one is refused in
// either place, and a script that fails leaves nothing behind.
#include "BancoTeste.h"
#include "data/DbError.h"
#include "data/Esquema.h"

#include <QFileInfo>
#include <QTest>

class TestCriacao : public QObject {
    Q_OBJECT
private slots:
    void recusaExistente_data() { AdicionaModosBanco(); }
    void recusaExistente();
    void scriptComErroNaoDeixaBanco_data() { AdicionaModosBanco(); }
    void scriptComErroNaoDeixaBanco();
};

void TestCriacao::recusaExistente()
{
    BANCO_DO_MODO(b);
    const QFileInfo antes(b.arquivo);
    try {
        CriaBancoComEsquema(b.nome, b.usuario, b.senha);
        QFAIL("an existing database was overwritten");
    } catch (const DbError &e) {
        QVERIFY2(e.Mensagem().contains(QStringLiteral("já existe")), qPrintable(e.Mensagem()));
    }
    QCOMPARE(QFileInfo(b.arquivo).size(), antes.size());
    // Still the database it was.
    Database db;
    b.Configura(db);
    db.ExecuteImmediate(QStringLiteral("INSERT INTO acessos VALUES (1, 'ANA', CURRENT_DATE, CURRENT_TIME, 'ENTRADA')"));
}

void TestCriacao::scriptComErroNaoDeixaBanco()
{
    BANCO_DO_MODO(molde);
    // A name beside the test's own database, in the same place.
    const QString arquivo = molde.arquivo + QStringLiteral(".novo.fdb");
    const QString nome = molde.nome + QStringLiteral(".novo.fdb");
    const QString script = QStringLiteral("CREATE TABLE t (a INTEGER);\nCREATE TABLE t (b INTEGER);\n");
    QVERIFY_THROWS_EXCEPTION(DbError, CriaBancoComEsquema(nome, molde.usuario, molde.senha, script));
    QVERIFY(!QFileInfo::exists(arquivo));
    // So the next try goes through.
    CriaBancoComEsquema(nome, molde.usuario, molde.senha, QStringLiteral("CREATE TABLE t (a INTEGER);\n"));
    QVERIFY(QFileInfo::exists(arquivo));
    Database db;
    db.SetDatabaseName(nome);
    db.SetUserName(molde.usuario);
    db.SetPassword(molde.senha);
    db.DropDatabase();
    QVERIFY(!QFileInfo::exists(arquivo));
}

QTEST_GUILESS_MAIN(TestCriacao)
#include "tst_criacao.moc"
