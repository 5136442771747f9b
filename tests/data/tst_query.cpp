// The statement layer against a real database: values both ways, the
// record-set flags, commits, several connections and a lost connection.
#include "BancoTeste.h"
#include "data/Query.h"

#include <QMap>
#include <QTest>

namespace {
void InsereEmpresa(Database &db, const QString &razao)
{
    Query q(db);
    q.Add(QStringLiteral("INSERT INTO empresa VALUES(:p_codigo, :p_razao, :p_endereco, :p_bairro, "));
    q.Add(QStringLiteral(":p_complemento, :p_cidade, :p_uf, :p_cep, :p_cnpj, :p_fone, :p_responsavel)"));
    q.ParamByName(QStringLiteral("p_codigo")).AsInteger(1);
    q.ParamByName(QStringLiteral("p_razao")).AsString(razao);
    q.ExecSQL();
    db.Commit();
}

void InsereCarta(Database &db, int codigo, const QString &nome = QStringLiteral("X"))
{
    Query q(db);
    q.SetSQL(QStringLiteral("INSERT INTO carta_posse (cpo_codigo, cpo_nome) VALUES (:c, :n)"));
    q.ParamByName(QStringLiteral("c")).AsInteger(codigo);
    q.ParamByName(QStringLiteral("n")).AsString(nome);
    q.ExecSQL();
    db.Commit();
}
} // namespace

class TestQuery : public QObject {
    Q_OBJECT
private slots:
    void separaParametros_data();
    void separaParametros();
    void valoresIdaEVolta_data();
    void valoresIdaEVolta();
    void nuloVersusVazio_data();
    void nuloVersusVazio();
    void dinheiroExato_data();
    void dinheiroExato();
    void charSemPreenchimento_data();
    void charSemPreenchimento();
    void textoForaDoConjuntoRecusado_data() { AdicionaModosBanco(); }
    void textoForaDoConjuntoRecusado();
    void textoLongoDemaisRecusado_data() { AdicionaModosBanco(); }
    void textoLongoDemaisRecusado();
    void indicadores_data();
    void indicadores();
    void camposPorNomeEmQualquerCaixa();
    void clearDesfazParametros();
    void commitFechaConsultas_data();
    void commitFechaConsultas();
    void leituraNaoPrendeTransacao_data();
    void leituraNaoPrendeTransacao();
    void duasConexoesVeemCommits_data();
    void duasConexoesVeemCommits();
    void escritorSemConflitoAposCommitAlheio_data();
    void escritorSemConflitoAposCommitAlheio();
    void conexaoPerdidaReabre_data();
    void conexaoPerdidaReabre();
};

void TestQuery::separaParametros_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QStringList>("nomes");
    QTest::newRow("simples") << "SELECT * FROM t WHERE a = :p_codigo"
                             << "SELECT * FROM t WHERE a = ?" << QStringList{"p_codigo"};
    QTest::newRow("repetido") << "UPDATE t SET a = :p, b = :q WHERE a = :p"
                              << "UPDATE t SET a = ?, b = ? WHERE a = ?"
                              << QStringList{"p", "q", "p"};
    QTest::newRow("sem espaço") << ":p1,:p2,:p3" << "?,?,?" << QStringList{"p1", "p2", "p3"};
    // A colon inside quotes, a comment or a time literal is not a parameter.
    QTest::newRow("aspas") << "SELECT ':x', \"a:b\" FROM t WHERE c = :y"
                           << "SELECT ':x', \"a:b\" FROM t WHERE c = ?" << QStringList{"y"};
    QTest::newRow("aspas dobradas") << "SELECT 'it''s :x' FROM t WHERE c=:y"
                                    << "SELECT 'it''s :x' FROM t WHERE c=?" << QStringList{"y"};
    QTest::newRow("comentários") << "SELECT 1 -- :a\nFROM t /* :b */ WHERE c = :c"
                                 << "SELECT 1 -- :a\nFROM t /* :b */ WHERE c = ?"
                                 << QStringList{"c"};
    QTest::newRow("hora") << "SELECT TIME '10:30' FROM t" << "SELECT TIME '10:30' FROM t"
                          << QStringList{};
}

void TestQuery::separaParametros()
{
    QFETCH(QString, texto);
    QFETCH(QString, sql);
    QFETCH(QStringList, nomes);
    const auto r = SeparaParametros(texto);
    QCOMPARE(r.sql, sql);
    QCOMPARE(r.nomes, nomes);
}

// Every kind of value the system writes comes back exactly as it went.
void TestQuery::valoresIdaEVolta_data()
{
    AdicionaModosBanco();
}

void TestQuery::valoresIdaEVolta()
{
    BANCO_DO_MODO(b);
    Database db;
    b.Configura(db);
    InsereCarta(db, 7);

    const QString acentos = QStringLiteral("JOSÉ DA CONCEIÇÃO Nº 5 ãõçÁÉÍÓÚâêôà");
    const QString obs = QStringLiteral("Observação longa: ") + QString(5000, u'ç');
    Query q(db);
    q.SetSQL(QStringLiteral("INSERT INTO obitos (obi_codigo, obi_exercicio, obi_nome, obi_dt_falec, "
                            "obi_valor_taxa, obi_obs, obi_reg_cposse, obi_anos) "
                            "VALUES (:c, :e, :n, :d, :v, :o, :r, :a)"));
    q.ParamByName(QStringLiteral("c")).AsInteger(10);
    q.ParamByName(QStringLiteral("e")).AsInteger(2026);
    q.ParamByName(QStringLiteral("n")).AsString(acentos);
    q.ParamByName(QStringLiteral("d")).AsDate(QDate(1900, 2, 28));
    q.ParamByName(QStringLiteral("v")).AsMoney(Money{123456});
    q.ParamByName(QStringLiteral("o")).AsString(obs);
    q.ParamByName(QStringLiteral("r")).AsInteger(7);
    // p "a" left unset: NULL.
    q.ExecSQL();
    QCOMPARE(q.RowsAffected(), 1);
    db.Commit();

    Query acessos(db);
    acessos.Add(QStringLiteral("INSERT INTO acessos VALUES(:p_sequencia, :p_usuario, :p_data, :p_hora, 'ENTRADA')"));
    acessos.ParamByName(QStringLiteral("p_sequencia")).AsInteger(1);
    acessos.ParamByName(QStringLiteral("p_usuario")).AsString(QStringLiteral("JOÃO"));
    acessos.ParamByName(QStringLiteral("p_data")).AsDate(QDate(2026, 12, 31));
    acessos.ParamByName(QStringLiteral("p_hora")).AsTime(QTime(23, 59, 58, 123));
    acessos.ExecSQL();
    db.Commit();

    Query r(db);
    r.SetSQL(QStringLiteral("SELECT * FROM obitos WHERE obi_codigo = :p_codigo"));
    r.ParamByName(QStringLiteral("p_codigo")).AsInteger(10);
    r.Open();
    QCOMPARE(r.RecordCount(), 1);
    QCOMPARE(r.FieldCount(), 66);
    QCOMPARE(r.FieldByName(QStringLiteral("obi_nome")).AsString(), acentos);
    QCOMPARE(r.FieldByName(QStringLiteral("obi_dt_falec")).AsDate(), QDate(1900, 2, 28));
    QCOMPARE(r.FieldByName(QStringLiteral("obi_dt_falec")).AsString(), QStringLiteral("28/02/1900"));
    QCOMPARE(r.FieldByName(QStringLiteral("obi_valor_taxa")).AsMoney(), Money{123456});
    QCOMPARE(r.FieldByName(QStringLiteral("obi_valor_taxa")).AsString(), QStringLiteral("1234,56"));
    QCOMPARE(r.FieldByName(QStringLiteral("obi_obs")).AsString(), obs);
    QCOMPARE(r.FieldByName(QStringLiteral("obi_reg_cposse")).AsInteger(), 7);
    QVERIFY(r.FieldByName(QStringLiteral("obi_anos")).IsNull());
    QVERIFY(r.FieldByName(QStringLiteral("obi_obs2")).IsNull());
    QCOMPARE(r.FieldByName(QStringLiteral("obi_anos")).AsInteger(), 0);
    QVERIFY(!r.FieldByName(QStringLiteral("obi_dt_sepult")).AsDate().isValid());

    r.Close();
    r.SetSQL(QStringLiteral("SELECT * FROM acessos"));
    r.Open();
    QCOMPARE(r.Fields(1).AsString(), QStringLiteral("JOÃO"));
    QCOMPARE(r.Fields(2).AsDate(), QDate(2026, 12, 31));
    // Time is kept to the 1/10000 s, so milliseconds survive.
    QCOMPARE(r.Fields(3).AsTime(), QTime(23, 59, 58, 123));
    QCOMPARE(r.Fields(4).AsString(), QStringLiteral("ENTRADA"));
}

void TestQuery::nuloVersusVazio_data()
{
    AdicionaModosBanco();
}

void TestQuery::nuloVersusVazio()
{
    BANCO_DO_MODO(b);
    Database db;
    b.Configura(db);
    Query q(db);
    q.SetSQL(QStringLiteral("INSERT INTO carta_posse (cpo_codigo, cpo_nome, cpo_bairro, cpo_livro, cpo_obs) "
                            "VALUES (1, :vazio, :nulo, :livro, :obs)"));
    q.ParamByName(QStringLiteral("vazio")).AsString(QString());
    q.ParamByName(QStringLiteral("nulo")).Clear();
    q.ParamByName(QStringLiteral("livro")).AsDate(QDate());   // invalid date: NULL
    q.ParamByName(QStringLiteral("obs")).AsString(QStringLiteral(""));
    q.ExecSQL();
    db.Commit();
    q.SetSQL(QStringLiteral("SELECT cpo_nome, cpo_nome IS NULL AS nome_nulo, cpo_bairro IS NULL AS bairro_nulo, "
                            "cpo_livro, cpo_obs FROM carta_posse"));
    q.Open();
    QVERIFY(!q.FieldByName(QStringLiteral("cpo_nome")).IsNull());
    QCOMPARE(q.FieldByName(QStringLiteral("cpo_nome")).AsString(), QString());
    QCOMPARE(q.FieldByName(QStringLiteral("nome_nulo")).AsString(), QStringLiteral("False"));
    QCOMPARE(q.FieldByName(QStringLiteral("bairro_nulo")).AsString(), QStringLiteral("True"));
    QVERIFY(q.FieldByName(QStringLiteral("cpo_livro")).IsNull());
    QVERIFY(!q.FieldByName(QStringLiteral("cpo_obs")).IsNull());
}

void TestQuery::dinheiroExato_data()
{
    AdicionaModosBanco([] { QTest::addColumn<qint64>("centavos"); },
                       [](const LinhaModo &linha) {
                           linha("um centavo") << qint64(1);
                           linha("1234,56") << qint64(123456);
                           linha("0,10") << qint64(10);
                           linha("negativo") << qint64(-99);
                           // Past what a double carries to the cent.
                           linha("enorme") << qint64(999999999999999999LL);
                       });
}

void TestQuery::dinheiroExato()
{
    QFETCH(qint64, centavos);
    BANCO_DO_MODO(b);
    Database db;
    b.Configura(db);
    Query q(db);
    q.SetSQL(QStringLiteral("INSERT INTO carta_posse (cpo_codigo, cpo_vrpago) VALUES (1, :p3)"));
    q.ParamByName(QStringLiteral("p3")).AsMoney(Money{centavos});
    q.ExecSQL();
    db.Commit();
    q.SetSQL(QStringLiteral("SELECT cpo_vrpago, CAST(cpo_vrpago AS VARCHAR(30)) AS texto FROM carta_posse"));
    q.Open();
    QCOMPARE(q.Fields(0).AsMoney().centavos, centavos);
    QCOMPARE(q.FieldByName(QStringLiteral("texto")).AsString(), Money{centavos}.ParaTextoSql());
}

void TestQuery::charSemPreenchimento_data()
{
    AdicionaModosBanco();
}

void TestQuery::charSemPreenchimento()
{
    BANCO_DO_MODO(b);
    Database db;
    b.Configura(db);
    Query q(db);
    q.SetSQL(QStringLiteral("INSERT INTO obitos (obi_codigo, obi_exercicio, obi_sexo, obi_ufdecl, obi_cpfdecl, obi_tipo_logr) "
                            "VALUES (1, 2026, 'M', 'SP', :cpf, 'AV')"));
    q.ParamByName(QStringLiteral("cpf")).AsString(QStringLiteral("12345678909"));
    q.ExecSQL();
    db.Commit();
    q.SetSQL(QStringLiteral("SELECT obi_sexo, obi_ufdecl, obi_cpfdecl, obi_tipo_logr FROM obitos"));
    q.Open();
    QCOMPARE(q.Fields(0).AsString(), QStringLiteral("M"));
    QCOMPARE(q.Fields(1).AsString(), QStringLiteral("SP"));
    QCOMPARE(q.Fields(2).AsString(), QStringLiteral("12345678909"));
    QCOMPARE(q.Fields(3).AsString(), QStringLiteral("AV"));
}

void TestQuery::textoForaDoConjuntoRecusado()
{
    BANCO_DO_MODO(b);
    Database db;
    b.Configura(db);
    Query q(db);
    q.SetSQL(QStringLiteral("INSERT INTO carta_posse (cpo_codigo, cpo_nome) VALUES (1, :n)"));
    q.ParamByName(QStringLiteral("n")).AsString(QStringLiteral("ЖЖ"));   // not in WIN1252
    QVERIFY_THROWS_EXCEPTION(DbError, q.ExecSQL());
}

void TestQuery::textoLongoDemaisRecusado()
{
    BANCO_DO_MODO(b);
    Database db;
    b.Configura(db);
    Query q(db);
    q.SetSQL(QStringLiteral("INSERT INTO carta_posse (cpo_codigo, cpo_uf) VALUES (1, :uf)"));
    // Accented letters count as one character each: two fit, three do not.
    q.ParamByName(QStringLiteral("uf")).AsString(QStringLiteral("ÃÇ"));
    q.ExecSQL();
    db.Commit();
    q.SetSQL(QStringLiteral("INSERT INTO carta_posse (cpo_codigo, cpo_uf) VALUES (2, :uf)"));
    q.ParamByName(QStringLiteral("uf")).AsString(QStringLiteral("ÃÇÕ"));
    try {
        q.ExecSQL();
        QFAIL("a value longer than its column was accepted");
    } catch (const DbError &e) {
        // The server reports it while converting the text to the column's
        // character set: "arithmetic exception, numeric overflow, or string
        // truncation", then "string right truncation".
        QVERIFY(e.SqlCode() == -802 || e.SqlCode() == -303);
        QVERIFY2(e.Mensagem().contains(QStringLiteral("truncation")), qPrintable(e.Mensagem()));
    }
}

// Moves on results of 0, 1 and 3 rows, from the state Open leaves (first
// row), with the flags after each move.
void TestQuery::indicadores_data()
{
    AdicionaModosBanco(
        [] {
            QTest::addColumn<int>("linhas");
            QTest::addColumn<QString>("movimentos");   // F irst, L ast, N ext, P rior, C lose
            QTest::addColumn<QString>("esperado");     // per move: RecNo, Bof, Eof
        },
        [](const LinhaModo &linha) {
            linha("vazio aberto") << 0 << "" << "";
            linha("vazio movimentos") << 0 << "NPFL" << "0BE 0BE 0BE 0BE";
            linha("um: próximo no último") << 1 << "NNP" << "1-E 1-E 1B-";
            linha("um: last, first") << 1 << "LF" << "1-E 1B-";
            linha("três: para frente") << 3 << "NNN" << "2-- 3-- 3-E";
            linha("três: para trás") << 3 << "LPPP" << "3-E 2-- 1-- 1B-";
            linha("três: fechado") << 3 << "NC" << "2-- 0BE";
        });
}

void TestQuery::indicadores()
{
    QFETCH(int, linhas);
    QFETCH(QString, movimentos);
    QFETCH(QString, esperado);
    MODO_DO_BANCO();
    // One database per mode for all the cases; each case empties it first.
    static QMap<QString, BancoTeste> bancos;
    if (!bancos.contains(modo))
        bancos.insert(modo, NovoBanco(modo));
    const BancoTeste b = bancos.value(modo);
    Database db;
    b.Configura(db);
    Query q(db);
    q.SetSQL(QStringLiteral("DELETE FROM carta_posse"));
    q.ExecSQL();
    db.Commit();
    for (int i = 1; i <= linhas; ++i)
        InsereCarta(db, i);
    q.SetSQL(QStringLiteral("SELECT * FROM carta_posse ORDER BY cpo_codigo"));
    q.Open();
    QCOMPARE(q.RecordCount(), linhas);
    QVERIFY(q.Bof());
    QCOMPARE(q.Eof(), linhas == 0);
    QCOMPARE(q.RecNo(), linhas ? 1 : 0);
    QStringList obtido;
    for (QChar m : movimentos) {
        switch (m.unicode()) {
        case 'F': q.First(); break;
        case 'L': q.Last(); break;
        case 'N': q.Next(); break;
        case 'P': q.Prior(); break;
        case 'C': q.Close(); break;
        }
        obtido << QString::number(q.RecNo()) + (q.Bof() ? QStringLiteral("B") : QStringLiteral("-"))
                      + (q.Eof() ? QStringLiteral("E") : QStringLiteral("-"));
        if (q.RecNo() > 0)
            QCOMPARE(q.FieldByName(QStringLiteral("cpo_codigo")).AsInteger(), q.RecNo());
    }
    QCOMPARE(obtido.join(u' '), esperado);
}

void TestQuery::camposPorNomeEmQualquerCaixa()
{
    const BancoTeste b = NovoBancoEmbarcado();
    Database db;
    b.Configura(db);
    Query q(db);
    q.SetSQL(QStringLiteral("SELECT MAX(cpo_codigo) AS Maximo FROM carta_posse"));
    q.Open();
    QVERIFY(q.FieldByName(QStringLiteral("Maximo")).IsNull());
    QVERIFY(q.FieldByName(QStringLiteral("MAXIMO")).IsNull());
    QVERIFY(q.FieldByName(QStringLiteral("maximo")).IsNull());
    QVERIFY_THROWS_EXCEPTION(DbError, q.FieldByName(QStringLiteral("minimo")));
    // Parameter names are matched without regard to letter case too.
    q.SetSQL(QStringLiteral("SELECT COUNT(*) AS contador FROM obitos WHERE obi_codigo = :P1"));
    q.ParamByName(QStringLiteral("p1")).AsInteger(1);
    q.Open();
    QCOMPARE(q.FieldByName(QStringLiteral("CONTADOR")).AsInteger(), 0);
    QVERIFY_THROWS_EXCEPTION(DbError, q.ParamByName(QStringLiteral("p2")));
}

void TestQuery::clearDesfazParametros()
{
    const BancoTeste b = NovoBancoEmbarcado();
    Database db;
    b.Configura(db);
    Query q(db);
    q.SetSQL(QStringLiteral("INSERT INTO carta_posse (cpo_codigo, cpo_nome) VALUES (1, :n)"));
    q.ParamByName(QStringLiteral("n")).AsString(QStringLiteral("A"));
    q.ExecSQL();
    db.Commit();
    // After emptying, a parameter of the same name is unset again: NULL.
    q.Clear();
    q.Add(QStringLiteral("INSERT INTO carta_posse (cpo_codigo, cpo_nome) VALUES (2, :n)"));
    q.ExecSQL();
    db.Commit();
    q.SetSQL(QStringLiteral("SELECT cpo_nome FROM carta_posse WHERE cpo_codigo = 2"));
    q.Open();
    QVERIFY(q.Fields(0).IsNull());
}

void TestQuery::commitFechaConsultas_data()
{
    AdicionaModosBanco();
}

void TestQuery::commitFechaConsultas()
{
    BANCO_DO_MODO(b);
    Database db;
    b.Configura(db);
    InsereCarta(db, 1);
    Query a(db), c(db);
    a.SetSQL(QStringLiteral("SELECT * FROM carta_posse"));
    c.SetSQL(QStringLiteral("SELECT * FROM empresa"));
    a.Open();
    c.Open();
    QVERIFY(a.Active() && c.Active());
    InsereEmpresa(db, QStringLiteral("PREFEITURA"));
    QVERIFY(!a.Active());
    QVERIFY(!c.Active());
    QVERIFY(a.Bof() && a.Eof());
    QCOMPARE(a.RecordCount(), 0);
    c.Open();
    QCOMPARE(c.FieldByName(QStringLiteral("emp_razao")).AsString(), QStringLiteral("PREFEITURA"));
}

void TestQuery::leituraNaoPrendeTransacao_data()
{
    AdicionaModosBanco();
}

void TestQuery::leituraNaoPrendeTransacao()
{
    BANCO_DO_MODO(b);
    Database db;
    b.Configura(db);
    Query q(db);
    q.SetSQL(QStringLiteral("SELECT * FROM carta_posse"));
    q.Open();
    // The rows are kept, the server transaction is over.
    QVERIFY(q.Active());
    QVERIFY(!db.InTransaction());
}

void TestQuery::duasConexoesVeemCommits_data()
{
    AdicionaModosBanco();
}

void TestQuery::duasConexoesVeemCommits()
{
    BANCO_DO_MODO(b);
    Database mesa1, mesa2;
    b.Configura(mesa1);
    b.Configura(mesa2);
    Query l2(mesa2);
    l2.SetSQL(QStringLiteral("SELECT COUNT(*) AS n FROM carta_posse"));
    l2.Open();
    QCOMPARE(l2.Fields(0).AsInteger(), 0);

    // Uncommitted rows of desk 1 are not seen; committed ones are, by the
    // next read of desk 2.
    Query w1(mesa1);
    w1.SetSQL(QStringLiteral("INSERT INTO carta_posse (cpo_codigo) VALUES (1)"));
    w1.ExecSQL();
    l2.Close();
    l2.Open();
    QCOMPARE(l2.Fields(0).AsInteger(), 0);
    mesa1.Commit();
    l2.Close();
    l2.Open();
    QCOMPARE(l2.Fields(0).AsInteger(), 1);
}

void TestQuery::escritorSemConflitoAposCommitAlheio_data()
{
    AdicionaModosBanco();
}

// Desk 2 read a row, desk 1 changed and committed it, desk 2 then writes
// the same row: read committed with record versions lets it through.
void TestQuery::escritorSemConflitoAposCommitAlheio()
{
    BANCO_DO_MODO(b);
    Database mesa1, mesa2;
    b.Configura(mesa1);
    b.Configura(mesa2);
    InsereEmpresa(mesa1, QStringLiteral("A"));
    Query r2(mesa2);
    r2.SetSQL(QStringLiteral("SELECT * FROM empresa"));
    r2.Open();
    mesa2.StartTransaction();   // a transaction already open before desk 1's commit
    Query w1(mesa1);
    w1.SetSQL(QStringLiteral("UPDATE empresa SET emp_razao = 'B'"));
    w1.ExecSQL();
    mesa1.Commit();
    Query w2(mesa2);
    w2.SetSQL(QStringLiteral("UPDATE empresa SET emp_razao = 'C'"));
    w2.ExecSQL();
    QCOMPARE(w2.RowsAffected(), 1);
    mesa2.Commit();
    r2.Open();
    QCOMPARE(r2.Fields(1).AsString(), QStringLiteral("C"));
}

// The engine drops a desk's connection (an administrator ends it); the
// statement that meets the loss reports it, the next one reconnects.
void TestQuery::conexaoPerdidaReabre_data()
{
    AdicionaModosBanco();
}

void TestQuery::conexaoPerdidaReabre()
{
    BANCO_DO_MODO(b);
    Database mesa, admin;
    b.Configura(mesa);
    b.Configura(admin);
    Query q(mesa);
    q.SetSQL(QStringLiteral("SELECT CURRENT_CONNECTION AS id FROM rdb$database"));
    q.Open();
    const qint64 id = q.Fields(0).AsLargeInt();
    mesa.StartTransaction();

    Query k(admin);
    k.SetSQL(QStringLiteral("DELETE FROM mon$attachments WHERE mon$attachment_id = :id"));
    k.ParamByName(QStringLiteral("id")).AsInteger(id);
    k.ExecSQL();
    admin.Commit();

    Query w(mesa);
    w.SetSQL(QStringLiteral("INSERT INTO carta_posse (cpo_codigo) VALUES (1)"));
    try {
        w.ExecSQL();
        QFAIL("a statement on a dropped connection succeeded");
    } catch (const DbError &e) {
        QVERIFY2(e.ConexaoPerdida(), qPrintable(QStringLiteral("%1 %2").arg(e.GdsCode()).arg(e.Mensagem())));
    }
    QVERIFY(!mesa.Connected());
    w.ExecSQL();
    mesa.Commit();
    q.Open();
    QVERIFY(q.Fields(0).AsLargeInt() != id);
}

QTEST_GUILESS_MAIN(TestQuery)
#include "tst_query.moc"
