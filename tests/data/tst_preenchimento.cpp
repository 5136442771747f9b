// The test-data generator: the rows it promises, valid documents, letters
// that exist, the same rows from the same seed, and a second fill that
// continues after the first.
#include "BancoTeste.h"
#include "data/Preenchimento.h"
#include "data/Query.h"

#include <QRegularExpression>
#include <QTest>

namespace {
int Conta(Database &db, const QString &sql)
{
    Query q(db);
    q.SetSQL(sql);
    q.Open();
    return q.Fields(0).AsInteger();
}

bool CpfValido(const QString &cpf)
{
    if (!QRegularExpression(QStringLiteral("^\\d{11}$")).match(cpf).hasMatch())
        return false;
    for (int k = 9; k <= 10; ++k) {
        int soma = 0;
        for (int i = 0; i < k; ++i)
            soma += cpf[i].digitValue() * (k + 1 - i);
        const int resto = soma % 11;
        if (cpf[k].digitValue() != (resto < 2 ? 0 : 11 - resto))
            return false;
    }
    return true;
}

// Every row of obitos as one text, in code order.
QStringList Linhas(Database &db)
{
    Query q(db);
    q.SetSQL(QStringLiteral("SELECT * FROM obitos ORDER BY obi_codigo"));
    q.Open();
    QStringList r;
    for (; !q.Eof(); q.Next()) {
        QStringList campos;
        for (int i = 0; i < q.FieldCount(); ++i)
            campos << q.Fields(i).AsString();
        r << campos.join(u'|');
    }
    return r;
}
} // namespace

class TestPreenchimento : public QObject {
    Q_OBJECT
private slots:
    void linhasPrometidas();
    void documentosValidos();
    void mesmaSementeMesmasLinhas();
    void segundoPreenchimentoContinua();
};

void TestPreenchimento::linhasPrometidas()
{
    Database db;
    NovoBancoEmbarcado().Configura(db);
    const ResultadoPreenchimento r = PreencheBanco(db, 50, 10);
    QCOMPARE(r.obitos, 50);
    QCOMPARE(r.cartas, 10);
    QCOMPARE(Conta(db, QStringLiteral("SELECT COUNT(*) FROM obitos")), 50);
    QCOMPARE(Conta(db, QStringLiteral("SELECT COUNT(*) FROM carta_posse")), 10);
    const int citam = Conta(db, QStringLiteral("SELECT COUNT(*) FROM obitos o JOIN carta_posse c "
                                               "ON c.cpo_codigo = o.obi_reg_cposse"));
    QCOMPARE(citam, r.obitosComCarta);
    QVERIFY2(citam > 10 && citam < 50, "many records cite a letter, not all");
    // Accented names, stored in upper case as the forms store them.
    QVERIFY(Conta(db, QStringLiteral("SELECT COUNT(*) FROM obitos WHERE obi_nome <> UPPER(obi_nome)")) == 0);
    Query q(db);
    q.SetSQL(QStringLiteral("SELECT obi_nome FROM obitos"));
    q.Open();
    int acentuados = 0;
    for (; !q.Eof(); q.Next()) {
        const QString nome = q.Fields(0).AsString();
        if (QRegularExpression(QStringLiteral("[ÁÂÃÉÊÍÓÔÕÚÇ]")).match(nome).hasMatch())
            ++acentuados;
    }
    QVERIFY(acentuados > 0);
    // The remarks are mostly empty texts, not NULL.
    QCOMPARE(Conta(db, QStringLiteral("SELECT COUNT(*) FROM obitos WHERE obi_obs IS NULL OR obi_obs2 IS NULL")), 0);
}

void TestPreenchimento::documentosValidos()
{
    Database db;
    NovoBancoEmbarcado().Configura(db);
    PreencheBanco(db, 200, 20);
    static const QStringList ufs{"AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO",
                                 "MA", "MG", "MS", "MT", "PA", "PB", "PE", "PI", "PR",
                                 "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"};
    static const QStringList tipos{"RUA", "AVN", "ALA", "TRV", "FAZ", "SIT"};
    Query q(db);
    q.SetSQL(QStringLiteral("SELECT obi_cpfdecl, obi_cpfcontrguia, obi_cepdecl, obi_fonecl, "
                            "obi_ufdecl, obi_tipo_logr, obi_dt_falec, obi_dt_sepult FROM obitos"));
    q.Open();
    const QRegularExpression cep(QStringLiteral("^\\d{8}$"));
    const QRegularExpression fone(QStringLiteral("^\\d{10}$"));
    int cpfs = 0;
    for (; !q.Eof(); q.Next()) {
        for (int i = 0; i < 2; ++i)
            if (!q.Fields(i).IsNull()) {
                QVERIFY2(CpfValido(q.Fields(i).AsString()), qPrintable(q.Fields(i).AsString()));
                ++cpfs;
            }
        QVERIFY(cep.match(q.Fields(2).AsString()).hasMatch());
        QVERIFY(q.Fields(3).IsNull() || fone.match(q.Fields(3).AsString()).hasMatch());
        QVERIFY(ufs.contains(q.Fields(4).AsString()));
        QVERIFY(tipos.contains(q.Fields(5).AsString()));
        const qint64 espera = q.Fields(6).AsDate().daysTo(q.Fields(7).AsDate());
        QVERIFY(espera >= 0 && espera <= 3);
    }
    QVERIFY(cpfs > 200);
}

void TestPreenchimento::mesmaSementeMesmasLinhas()
{
    Database a, b, c;
    NovoBancoEmbarcado().Configura(a);
    NovoBancoEmbarcado().Configura(b);
    NovoBancoEmbarcado().Configura(c);
    PreencheBanco(a, 30, 5, 7);
    PreencheBanco(b, 30, 5, 7);
    PreencheBanco(c, 30, 5, 8);
    QCOMPARE(Linhas(a), Linhas(b));
    QVERIFY(Linhas(a) != Linhas(c));
}

void TestPreenchimento::segundoPreenchimentoContinua()
{
    Database db;
    NovoBancoEmbarcado().Configura(db);
    PreencheBanco(db, 20, 5);
    const ResultadoPreenchimento r = PreencheBanco(db, 20, 5);
    QCOMPARE(r.primeiroObito, 21);
    QCOMPARE(r.primeiraCarta, 6);
    QCOMPARE(Conta(db, QStringLiteral("SELECT COUNT(*) FROM obitos")), 40);
    QCOMPARE(Conta(db, QStringLiteral("SELECT MAX(obi_codigo) FROM obitos")), 40);
    QCOMPARE(Conta(db, QStringLiteral("SELECT COUNT(*) FROM carta_posse")), 10);
}

QTEST_GUILESS_MAIN(TestPreenchimento)
#include "tst_preenchimento.moc"
