// The database as db/schema.sql makes it: the six tables' columns, every
// fixed statement the program sends, the foreign key and the two computed
// tables.
#include "BancoTeste.h"
#include "app/Acessos.h"
#include "data/Comandos.h"
#include "data/Esquema.h"
#include "data/Query.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
// The format of each table: column names and types in their exact order.
const QList<std::pair<QString, QStringList>> kTabelas = {
    {"EMPRESA",
     {"EMP_CODIGO INTEGER NOT NULL", "EMP_RAZAO VARCHAR(60)", "EMP_ENDER VARCHAR(60)",
      "EMP_BAIRRO VARCHAR(40)", "EMP_COMPL VARCHAR(40)", "EMP_CIDADE VARCHAR(50)",
      "EMP_UF VARCHAR(2)", "EMP_CEP VARCHAR(8)", "EMP_CNPJ VARCHAR(14)", "EMP_FONE VARCHAR(10)",
      "EMP_RESP VARCHAR(50)"}},
    {"CARTA_POSSE",
     {"CPO_CODIGO INTEGER NOT NULL", "CPO_NOME VARCHAR(60)", "CPO_TIPO_LOGR VARCHAR(3)",
      "CPO_ENDER VARCHAR(60)", "CPO_BAIRRO VARCHAR(40)", "CPO_COMPL VARCHAR(40)",
      "CPO_CIDADE VARCHAR(50)", "CPO_UF VARCHAR(2)", "CPO_CEP VARCHAR(8)", "CPO_FONE VARCHAR(10)",
      "CPO_LIVRO INTEGER", "CPO_CARTA INTEGER", "CPO_FOLHA INTEGER", "CPO_NRO_SEPULT INTEGER",
      "CPO_NRO_GUIA INTEGER", "CPO_DATA DATE", "CPO_ESCRITUR VARCHAR(50)",
      "CPO_OBS VARCHAR(1000)", "CPO_QUADRA VARCHAR(10)", "CPO_LOTE VARCHAR(10)",
      "CPO_VRPAGO NUMERIC(18,2)", "CPO_DTQUITACAO DATE"}},
    {"OBITOS",
     {"OBI_CODIGO INTEGER NOT NULL", "OBI_EXERCICIO INTEGER NOT NULL", "OBI_LIVRO VARCHAR(4)",
      "OBI_FOLHA INTEGER", "OBI_DT_FALEC DATE", "OBI_DT_SEPULT DATE", "OBI_NOME VARCHAR(60)",
      "OBI_APELIDO VARCHAR(40)", "OBI_SEXO CHAR(1)", "OBI_COR VARCHAR(30)",
      "OBI_NATURAL VARCHAR(40)", "OBI_PROFISS VARCHAR(40)", "OBI_EST_CIV CHAR(1)",
      "OBI_ANOS INTEGER", "OBI_MES INTEGER", "OBI_DIAS INTEGER", "OBI_PAI VARCHAR(60)",
      "OBI_MAE VARCHAR(60)", "OBI_CAUSA_MORTI VARCHAR(80)", "OBI_MORADIA VARCHAR(40)",
      "OBI_DECLARANTE VARCHAR(60)", "OBI_VALOR_TAXA NUMERIC(18,2)", "OBI_NRO_GUIA INTEGER",
      "OBI_DATA_RECOLHIM DATE", "OBI_REG_NRO INTEGER", "OBI_REG_LIV VARCHAR(4)",
      "OBI_REG_FOL INTEGER", "OBI_REG_DAT DATE", "OBI_REG_LOC VARCHAR(50)",
      "OBI_MEDICO VARCHAR(60)", "OBI_COD_CAUSA VARCHAR(6)", "OBI_TIPO_SEPULT VARCHAR(20)",
      "OBI_NRO_SEPULT INTEGER", "OBI_SETOR_SEPULT VARCHAR(5)", "OBI_QUADRA_SEPULT VARCHAR(4)",
      "OBI_LOTE_SEPULT VARCHAR(4)", "OBI_RUA_SEPULT VARCHAR(30)", "OBI_NRO_REQ INTEGER",
      "OBI_DATA_REQ DATE", "OBI_REG_CPOSSE INTEGER", "OBI_OBS BLOB SUB_TYPE TEXT",
      "OBI_TIPO_LOGR CHAR(3)", "OBI_ENDERECODECL VARCHAR(60)", "OBI_BAIRRODECL VARCHAR(40)",
      "OBI_COMPLDECL VARCHAR(40)", "OBI_CIDADEDECL VARCHAR(50)", "OBI_UFDECL CHAR(2)",
      "OBI_CEPDECL VARCHAR(8)", "OBI_RGDECL VARCHAR(14)", "OBI_CPFDECL CHAR(11)",
      "OBI_FONECL VARCHAR(10)", "OBI_PARENTESCODECL VARCHAR(20)",
      "OBI_DECLARANTECART VARCHAR(60)", "OBI_REQUERENTESEPULT VARCHAR(60)",
      "OBI_NOMECONTRGUIA VARCHAR(60)", "OBI_ENDERECOCONTRGUIA VARCHAR(60)",
      "OBI_COMPLCONTRGUIA VARCHAR(40)", "OBI_BAIRROCONTRGUIA VARCHAR(40)",
      "OBI_CIDADECONTRGUIA VARCHAR(50)", "OBI_CEPCONTRGUIA VARCHAR(8)", "OBI_UFCONTRGUIA CHAR(2)",
      "OBI_FONECONTRGUIA VARCHAR(10)", "OBI_RGCONTRGUIA VARCHAR(14)", "OBI_CPFCONTRGUIA CHAR(11)",
      "OBI_ORDEM VARCHAR(15)", "OBI_OBS2 BLOB SUB_TYPE TEXT"}},
    {"OBITOS_LCODIGO", {"OBL_CODIGO INTEGER", "OBL_ULTIMOCOD INTEGER"}},
    {"ACESSOS",
     {"ACE_SEQ INTEGER", "ACE_USUARIO VARCHAR(40)", "ACE_DATA DATE", "ACE_HORA TIME",
      "ACE_TIPO VARCHAR(7)"}},
    {"ATIVOS", {"ATI_USUARIO VARCHAR(40)", "ATI_HORA TIME"}},
};

QString Tipo(int tipo, int subtipo, int caracteres, int precisao, int escala)
{
    switch (tipo) {
    case 8: return subtipo ? QStringLiteral("NUMERIC(%1,%2)").arg(precisao).arg(-escala)
                           : QStringLiteral("INTEGER");
    case 16: return subtipo ? QStringLiteral("NUMERIC(%1,%2)").arg(precisao).arg(-escala)
                            : QStringLiteral("BIGINT");
    case 12: return QStringLiteral("DATE");
    case 13: return QStringLiteral("TIME");
    case 14: return QStringLiteral("CHAR(%1)").arg(caracteres);
    case 37: return QStringLiteral("VARCHAR(%1)").arg(caracteres);
    case 261: return subtipo == 1 ? QStringLiteral("BLOB SUB_TYPE TEXT") : QStringLiteral("BLOB");
    default: return QStringLiteral("TYPE%1").arg(tipo);
    }
}

// Binds every parameter of a statement with a value that fits its column:
// ints, dates, times and money by name, NULL where listed, "1" otherwise.
void Vincula(Query &q, const QStringList &inteiros, const QStringList &datas,
             const QStringList &dinheiro, const QStringList &nulos, int codigo)
{
    for (const QString &p : q.ParamNames()) {
        Param &par = q.ParamByName(p);
        if (p == QLatin1String("p_codigo"))
            par.AsInteger(codigo);
        else if (inteiros.contains(p))
            par.AsInteger(5);
        else if (datas.contains(p))
            par.AsDate(QDate(2026, 12, 11));
        else if (p == QLatin1String("p_hora"))
            par.AsTime(QTime(10, 30));
        else if (dinheiro.contains(p))
            par.AsMoney(Money{15000});
        else if (nulos.contains(p))
            par.Clear();
        else
            par.AsString(QStringLiteral("1"));
    }
}

const QStringList kIntObitos{"p_exercicio", "p_folha", "p_anos", "p_mes", "p_dias", "p_nro_guia",
                             "p_reg_nro", "p_reg_fol", "p_nro_sepult", "p_nro_req"};
const QStringList kDatasObitos{"p_dt_falec", "p_dt_sepult", "p_data_recolhim", "p_reg_dat",
                               "p_data_req"};
const QStringList kNulosObitos{"p_livro", "p_apelido", "p_moradia", "p_parentescodecl",
                               "p_reg_cposse"};
const QStringList kIntCartas{"p_livro", "p_carta", "p_folha", "p_nro_sepult", "p_nro_guia"};

int Um(Database &db, const QStringList &sql, const QString &campo, int p1 = 1)
{
    Query q(db);
    q.SetSQL(sql);
    if (q.ParamNames().contains(QStringLiteral("p1")))
        q.ParamByName(QStringLiteral("p1")).AsInteger(p1);
    q.Open();
    return q.FieldByName(campo).AsInteger();
}

// The other desks as the given user's desk lists them.
QStringList Outros(Database &db, const QString &atual)
{
    Query q(db);
    q.SetSQL(Comandos::kAtivosOutros);
    q.ParamByName(QStringLiteral("p_atual")).AsString(atual);
    q.Open();
    QStringList nomes;
    for (; !q.Eof(); q.Next())
        nomes << q.FieldByName(QStringLiteral("ati_usuario")).AsString();
    nomes.sort();
    return nomes;
}

void Executa(Database &db, const QString &sql)
{
    Query q(db);
    q.SetSQL(sql);
    q.ExecSQL();
    db.Commit();
}
} // namespace

class TestEsquema : public QObject {
    Q_OBJECT
private slots:
    void comandosDoScript();
    void colunasDasTabelas_data();
    void colunasDasTabelas();
    void todosOsComandosExecutam_data();
    void todosOsComandosExecutam();
    void colunaAMaisQuebraInsert();
    void chaveEstrangeira_data();
    void chaveEstrangeira();
    void ultimoCodigoSegueObitos_data();
    void ultimoCodigoSegueObitos();
    void ativosListaMesasConectadas_data();
    void ativosListaMesasConectadas();
    void ativosSoDoMesmoUsuarioDoBanco();
};

void TestEsquema::comandosDoScript()
{
    const QStringList c = ComandosDoScript(QStringLiteral(
        "-- a; comment\nCREATE TABLE a (x VARCHAR(3) DEFAULT ';');\n/* b; */ INSERT INTO a VALUES ('it''s; ok');\n\n;"));
    QCOMPARE(c, (QStringList{QStringLiteral("CREATE TABLE a (x VARCHAR(3) DEFAULT ';')"),
                             QStringLiteral("INSERT INTO a VALUES ('it''s; ok')")}));
}

void TestEsquema::colunasDasTabelas_data()
{
    AdicionaModosBanco();
}

void TestEsquema::colunasDasTabelas()
{
    BANCO_DO_MODO(b);
    Database db;
    b.Configura(db);
    Query q(db);
    q.SetSQL(QStringLiteral("SELECT TRIM(rdb$character_set_name) FROM rdb$database"));
    q.Open();
    QCOMPARE(q.Fields(0).AsString(), QStringLiteral("WIN1252"));

    q.SetSQL(QStringLiteral(
        "SELECT TRIM(rf.rdb$field_name) AS nome, f.rdb$field_type AS tipo, "
        "COALESCE(f.rdb$field_sub_type, 0) AS subtipo, COALESCE(f.rdb$character_length, 0) AS car, "
        "COALESCE(f.rdb$field_precision, 0) AS prec, COALESCE(f.rdb$field_scale, 0) AS escala, "
        "COALESCE(rf.rdb$null_flag, f.rdb$null_flag, 0) AS naonulo "
        "FROM rdb$relation_fields rf JOIN rdb$fields f ON f.rdb$field_name = rf.rdb$field_source "
        "WHERE rf.rdb$relation_name = :t ORDER BY rf.rdb$field_position"));
    for (const auto &[tabela, esperadas] : kTabelas) {
        q.ParamByName(QStringLiteral("t")).AsString(tabela);
        q.Close();
        q.Open();
        QStringList obtidas;
        for (; !q.Eof(); q.Next()) {
            QString c = q.Fields(0).AsString() + u' '
                + Tipo(q.Fields(1).AsInteger(), q.Fields(2).AsInteger(), q.Fields(3).AsInteger(),
                       q.Fields(4).AsInteger(), q.Fields(5).AsInteger());
            if (q.Fields(6).AsInteger())
                c += QStringLiteral(" NOT NULL");
            obtidas << c;
        }
        QCOMPARE(obtidas, esperadas);
    }
}

void TestEsquema::todosOsComandosExecutam_data()
{
    AdicionaModosBanco();
}

// Each fixed statement runs with its parameters, in the order a clerk's
// work sends them, and writes what it says.
void TestEsquema::todosOsComandosExecutam()
{
    BANCO_DO_MODO(b);
    Database db;
    b.Configura(db);
    using namespace Comandos;
    auto executa = [&](const QStringList &sql, const QStringList &inteiros = {},
                       const QStringList &datas = {}, const QStringList &dinheiro = {},
                       const QStringList &nulos = {}, int codigo = 1) {
        Query q(db);
        q.SetSQL(sql);
        Vincula(q, inteiros, datas, dinheiro, nulos, codigo);
        if (sql.first().startsWith(QLatin1String("select"), Qt::CaseInsensitive)) {
            q.Open();
            return q.RecordCount();
        }
        q.ExecSQL();
        db.Commit();
        return int(q.RowsAffected());
    };

    QCOMPARE(executa(kEmpresaInsere), 1);
    QCOMPARE(executa(kEmpresaAltera), 1);
    QCOMPARE(executa(kEmpresaSeleciona), 1);
    QCOMPARE(executa(kEmpresaGuia), 1);
    QCOMPARE(executa(kEmpresaRelatorio), 1);

    QCOMPARE(Um(db, kCartaMaximo, QStringLiteral("Maximo")), 0);
    const QStringList pCarta{"p_data", "p4"};
    QCOMPARE(executa(kCartaInsere, kIntCartas, pCarta, {"p3"}, {}, 8), 1);
    QCOMPARE(executa(kCartaAltera, kIntCartas, pCarta, {"p3"}, {}, 8), 1);
    QCOMPARE(executa(kCartaSeleciona, {}, {}, {}, {}, 8), 1);
    QCOMPARE(Um(db, kCartaMaximo, QStringLiteral("MAXIMO")), 8);

    QCOMPARE(Um(db, kObitoConta, QStringLiteral("contador"), 3), 0);
    QCOMPARE(executa(kObitoInsere, kIntObitos, kDatasObitos, {"p_valor_taxa"}, kNulosObitos, 3), 1);
    QCOMPARE(Um(db, kObitoConta, QStringLiteral("contador"), 3), 1);
    QCOMPARE(executa(kObitoAltera, kIntObitos, kDatasObitos, {"p_valor_taxa"},
                     kNulosObitos + QStringList{"p11"}, 3), 1);
    QCOMPARE(executa(kObitoSeleciona, {}, {}, {}, {}, 3), 1);
    QCOMPARE(executa(kCartaCitadaPor, {}, {}, {}, {}, 8), 0);
    QCOMPARE(Um(db, kUltimoCodigo, QStringLiteral("ultimo")), 3);

    {
        Query q(db);
        q.SetSQL(kObitoSeleciona);
        q.ParamByName(QStringLiteral("p_codigo")).AsInteger(3);
        q.Open();
        // The four columns no field feeds are written NULL by both statements.
        for (const char *c : {"obi_livro", "obi_apelido", "obi_moradia", "obi_parentescodecl"})
            QVERIFY2(q.FieldByName(QLatin1String(c)).IsNull(), c);
        QCOMPARE(q.FieldByName(QStringLiteral("obi_valor_taxa")).AsMoney(), Money{15000});
        QCOMPARE(q.FieldByName(QStringLiteral("obi_exercicio")).AsInteger(), 5);
    }

    QVERIFY(Um(db, kAcessoProximo, QStringLiteral("proximo")) == 0);   // NULL: empty journal
    {
        Query q(db);
        q.SetSQL(kAcessoProximo);
        q.Open();
        QVERIFY(q.FieldByName(QStringLiteral("PROXIMO")).IsNull());
    }
    QCOMPARE(executa(kAcessoEntrada, {"p_sequencia"}, {"p_data"}), 1);
    QCOMPARE(executa(kAcessoSaida, {"p_sequencia"}, {"p_data"}), 1);
    QCOMPARE(Um(db, kAcessoProximo, QStringLiteral("proximo")), 6);

    QCOMPARE(executa(kAtivosOutros), 0);

    QCOMPARE(executa(kObitoExclui, {}, {}, {}, {}, 3), 1);
    QCOMPARE(executa(kCartaExclui, {}, {}, {}, {}, 8), 1);
    QCOMPARE(executa(kEmpresaExclui), 1);
    QCOMPARE(executa(kObitoExclui, {}, {}, {}, {}, 3), 0);
}

// The inserts name no columns: a table with one column more refuses them.
void TestEsquema::colunaAMaisQuebraInsert()
{
    const BancoTeste b = NovoBancoEmbarcado();
    Database db;
    b.Configura(db);
    db.ExecuteImmediate(QStringLiteral("ALTER TABLE empresa ADD emp_extra INTEGER"));
    Query q(db);
    q.SetSQL(Comandos::kEmpresaInsere);
    Vincula(q, {}, {}, {}, {}, 1);
    try {
        q.ExecSQL();
        QFAIL("an insert without a column list filled a wider table");
    } catch (const DbError &e) {
        QVERIFY2(e.Mensagem().contains(QStringLiteral("Count of read-write columns does not equal count of values")),
                 qPrintable(e.Mensagem()));
    }
}

void TestEsquema::chaveEstrangeira_data()
{
    AdicionaModosBanco();
}

void TestEsquema::chaveEstrangeira()
{
    BANCO_DO_MODO(b);
    Database db;
    b.Configura(db);
    Executa(db, QStringLiteral("INSERT INTO carta_posse (cpo_codigo) VALUES (8)"));
    Executa(db, QStringLiteral("INSERT INTO obitos (obi_codigo, obi_exercicio, obi_nome, obi_reg_cposse) VALUES (1, 2026, 'ANA', 8)"));

    Query del(db);
    del.SetSQL(Comandos::kCartaExclui);
    del.ParamByName(QStringLiteral("p_codigo")).AsInteger(8);
    try {
        del.ExecSQL();
        QFAIL("a cited letter was deleted");
    } catch (const DbError &e) {
        QCOMPARE(e.SqlCode(), -530);
        QVERIFY(e.Mensagem().contains(QStringLiteral("Foreign key references are present")));
    }
    Query cit(db);
    cit.SetSQL(Comandos::kCartaCitadaPor);
    cit.ParamByName(QStringLiteral("p_codigo")).AsInteger(8);
    cit.Open();
    QCOMPARE(cit.RecordCount(), 1);
    QCOMPARE(cit.FieldByName(QStringLiteral("obi_nome")).AsString(), QStringLiteral("ANA"));

    Executa(db, QStringLiteral("UPDATE obitos SET obi_reg_cposse = NULL"));
    del.ExecSQL();
    QCOMPARE(del.RowsAffected(), 1);
    db.Commit();

    Query ins(db);
    ins.SetSQL(QStringLiteral("INSERT INTO obitos (obi_codigo, obi_exercicio, obi_reg_cposse) VALUES (2, 2026, 99)"));
    try {
        ins.ExecSQL();
        QFAIL("a death record citing a missing letter was stored");
    } catch (const DbError &e) {
        QCOMPARE(e.SqlCode(), -530);
    }
}

void TestEsquema::ultimoCodigoSegueObitos_data()
{
    AdicionaModosBanco();
}

void TestEsquema::ultimoCodigoSegueObitos()
{
    BANCO_DO_MODO(b);
    Database mesa1, mesa2;
    b.Configura(mesa1);
    b.Configura(mesa2);
    QCOMPARE(Um(mesa1, Comandos::kUltimoCodigo, QStringLiteral("ultimo")), 0);
    // Two desks saving at once both get through: nothing updates a shared row.
    Query a(mesa1), c(mesa2);
    a.SetSQL(QStringLiteral("INSERT INTO obitos (obi_codigo, obi_exercicio) VALUES (40, 2026)"));
    c.SetSQL(QStringLiteral("INSERT INTO obitos (obi_codigo, obi_exercicio) VALUES (12, 2026)"));
    a.ExecSQL();
    c.ExecSQL();
    mesa1.Commit();
    mesa2.Commit();
    QCOMPARE(Um(mesa1, Comandos::kUltimoCodigo, QStringLiteral("ultimo")), 40);
    Executa(mesa1, QStringLiteral("DELETE FROM obitos WHERE obi_codigo = 40"));
    QCOMPARE(Um(mesa2, Comandos::kUltimoCodigo, QStringLiteral("ultimo")), 12);
    // A key other than 1 is not the last number.
    QCOMPARE(Um(mesa2, Comandos::kUltimoCodigo, QStringLiteral("ultimo"), 2), 0);
}

void TestEsquema::ativosListaMesasConectadas_data()
{
    AdicionaModosBanco();
}

void TestEsquema::ativosListaMesasConectadas()
{
    BANCO_DO_MODO(b);
    Database eu;
    b.Configura(eu);
    auto outros = [&] { return Outros(eu, QStringLiteral("ANA")); };
    MarcaMesaAtiva(eu, QStringLiteral("ANA"));
    QCOMPARE(outros(), QStringList());
    {
        Database outra;
        b.Configura(outra);
        MarcaMesaAtiva(outra, QStringLiteral("JOSÉ"));
        QCOMPARE(outros(), QStringList{QStringLiteral("JOSÉ")});
        // A connection that never logged in is not a desk.
        Database semLogin;
        b.Configura(semLogin);
        semLogin.Open();
        QCOMPARE(outros(), QStringList{QStringLiteral("JOSÉ")});
    }
    QCOMPARE(outros(), QStringList());
}

// Desks that reach the server as different database users, none of them an
// administrator, do not see each other in ativos; an administrator sees all.
void TestEsquema::ativosSoDoMesmoUsuarioDoBanco()
{
    if (!ServidorDisponivel())
        QSKIP("no Firebird server configured for this run");
    const BancoTeste b = NovoBanco(QStringLiteral("servidor"));
    Database admin;
    b.Configura(admin);
    const QStringList usuarios{QStringLiteral("KIRO_A"), QStringLiteral("KIRO_B")};
    // The users live in the server's security database, shared by all its
    // databases: they go with the test, whether it passes or not.
    struct RemoveUsuarios {
        Database &admin;
        const QStringList &usuarios;
        ~RemoveUsuarios()
        {
            for (const QString &u : usuarios) {
                try {
                    admin.ExecuteImmediate(QStringLiteral("DROP USER %1").arg(u));
                } catch (const DbError &e) {
                    qWarning("DROP USER %s: %s", qPrintable(u), qPrintable(e.Mensagem()));
                }
            }
        }
    } remove{admin, usuarios};
    const QString senha = QString::number(QRandomGenerator::global()->generate64(), 36);
    for (const QString &u : usuarios) {
        admin.ExecuteImmediate(QStringLiteral("CREATE OR ALTER USER %1 PASSWORD '%2'").arg(u, senha));
        admin.ExecuteImmediate(QStringLiteral("GRANT SELECT ON ativos TO %1").arg(u));
    }

    // Two desks share the first user, as desks sharing kiro.ini do.
    Database mesaA, mesaA2, mesaB;
    for (auto [mesa, usuario] : {std::pair{&mesaA, usuarios[0]}, std::pair{&mesaA2, usuarios[0]},
                                 std::pair{&mesaB, usuarios[1]}}) {
        b.Configura(*mesa);
        mesa->SetUserName(usuario);
        mesa->SetPassword(senha);
    }
    MarcaMesaAtiva(mesaA, QStringLiteral("ANA"));
    MarcaMesaAtiva(mesaA2, QStringLiteral("MARIA"));
    MarcaMesaAtiva(mesaB, QStringLiteral("JOSÉ"));

    QCOMPARE(Outros(mesaA, QString()), (QStringList{QStringLiteral("ANA"), QStringLiteral("MARIA")}));
    QCOMPARE(Outros(mesaA, QStringLiteral("ANA")), QStringList{QStringLiteral("MARIA")});
    QCOMPARE(Outros(mesaB, QString()), QStringList{QStringLiteral("JOSÉ")});
    QCOMPARE(Outros(admin, QString()),
             (QStringList{QStringLiteral("ANA"), QStringLiteral("JOSÉ"), QStringLiteral("MARIA")}));
}

QTEST_GUILESS_MAIN(TestEsquema)
#include "tst_esquema.moc"
