// A handler whose write the database refuses stops there, shows the
// failure in the application error box, and commits nothing.
#include "BancoTeste.h"
#include "RespostasMensagem.h"
#include "common/Guarda.h"
#include "data/Query.h"

#include <QPushButton>
#include <QTest>

namespace {
// A window-like owner with one handler, as the forms have.
class Janela : public QObject {
public:
    Janela(Database &db, QString uf) : db_(db), uf_(std::move(uf))
    {
        connect(&btn_Gravar, &QPushButton::clicked, this, Guarda(this, &Janela::btn_GravarClick));
    }
    void btn_GravarClick()
    {
        Query q(db_);
        q.SetSQL(QStringLiteral("INSERT INTO empresa (emp_codigo, emp_uf) VALUES (1, :p_uf)"));
        q.ParamByName(QStringLiteral("p_uf")).AsString(uf_);
        q.ExecSQL();
        db_.Commit();
        Mensagem(QStringLiteral("Registro gravado com sucesso!"), kTituloPadrao, Icone::Informacao);
    }
    QPushButton btn_Gravar;

private:
    Database &db_;
    QString uf_;
};

int Empresas(Database &db)
{
    Query q(db);
    q.SetSQL(QStringLiteral("SELECT COUNT(*) FROM empresa"));
    q.Open();
    return q.Fields(0).AsInteger();
}
} // namespace

class TestGuarda : public QObject {
    Q_OBJECT
private slots:
    void escritaRecusadaMostraErroENadaGrava_data();
    void escritaRecusadaMostraErroENadaGrava();
    void escritaAceitaSegue_data();
    void escritaAceitaSegue();
    void falhaForaDoBanco();
};

void TestGuarda::escritaRecusadaMostraErroENadaGrava_data()
{
    AdicionaModosBanco();
}

void TestGuarda::escritaRecusadaMostraErroENadaGrava()
{
    BANCO_DO_MODO(b);
    Database db;
    b.Configura(db);
    RespostasMensagem r;
    Janela j(db, QStringLiteral("SPX"));   // one character too many for emp_uf
    QTest::mouseClick(&j.btn_Gravar, Qt::LeftButton);
    QCOMPARE(r.Quantas(), 1);   // no success note after the failure
    QCOMPARE(r.Ultima().titulo, QStringLiteral("Necrovia"));
    QCOMPARE(r.Ultima().icone, Icone::Erro);
    QVERIFY(r.Ultima().texto.startsWith(QStringLiteral("Não foi possível concluir a operação.\n\n")));
    QVERIFY2(r.Ultima().texto.contains(QStringLiteral("string right truncation")),
             qPrintable(r.Ultima().texto));
    QVERIFY(!db.InTransaction());
    Database outra;
    b.Configura(outra);
    QCOMPARE(Empresas(outra), 0);
}

void TestGuarda::escritaAceitaSegue_data()
{
    AdicionaModosBanco();
}

void TestGuarda::escritaAceitaSegue()
{
    BANCO_DO_MODO(b);
    Database db;
    b.Configura(db);
    RespostasMensagem r;
    Janela j(db, QStringLiteral("SP"));
    QTest::mouseClick(&j.btn_Gravar, Qt::LeftButton);
    QCOMPARE(r.Quantas(), 1);
    QCOMPARE(r.Ultima().icone, Icone::Informacao);
    // A second save of the same key is refused as a duplicate.
    QTest::mouseClick(&j.btn_Gravar, Qt::LeftButton);
    QCOMPARE(r.Quantas(), 2);
    QVERIFY(r.Ultima().texto.contains(QStringLiteral("violation of PRIMARY or UNIQUE KEY")));
    QCOMPARE(Empresas(db), 1);
}

void TestGuarda::falhaForaDoBanco()
{
    RespostasMensagem r;
    ExecutaGuardado([] { throw std::runtime_error("disco cheio"); });
    QCOMPARE(r.Ultima().texto, QStringLiteral("Não foi possível concluir a operação.\n\ndisco cheio"));
}

QTEST_MAIN(TestGuarda)
#include "tst_guarda.moc"
