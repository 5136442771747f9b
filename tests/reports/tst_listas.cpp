// The possession-letter and death-record lists over real record sets, every
// cell of every page compared with pages worked out by hand: the header on
// each page, one line per row from row 8, a new page only for a row past
// row 63, values printed whole, dates as dd/mm/yyyy or nothing; and the
// death list giving the grid and the pointer back however it ends.
#include "reports/Esperados.h"
#include "reports/ImpressosTexto.h"
#include "support/BancoTeste.h"
#include "support/CapturaImpressao.h"
#include "support/RespostasMensagem.h"

#include <QApplication>
#include <QTest>

using namespace esperado;

Q_DECLARE_METATYPE(QList<TextoEsperado>)

namespace {
const Relogio kRelogio = [] { return Quando(); };

QString Cinco(int n)
{
    return QStringLiteral("%1").arg(n, 5, 10, QChar(u'0'));
}

// The body line of letter or death record i, as InsereCartas and
// InsereObitos made it.
QList<TextoEsperado> LinhaCarta(int linha, int i)
{
    return {{linha, 1, Cinco(i), kNormal},
            {linha, 10, QStringLiteral("TITULAR %1").arg(i, 3, 10, QChar(u'0')), kNormal},
            {linha, 70, QString::number(100 + i), kNormal}};
}

QList<TextoEsperado> LinhaObito(int linha, int i)
{
    return {{linha, 1, Cinco(i), kNormal},
            {linha, 11, QStringLiteral("2026"), kNormal},
            {linha, 20, QStringLiteral("FALECIDO %1").arg(i, 3, 10, QChar(u'0')), kNormal},
            {linha, 57, Falecimento(i).toString(QStringLiteral("dd/MM/yyyy")), kNormal},
            {linha, 70, Falecimento(i).addDays(1).toString(QStringLiteral("dd/MM/yyyy")), kNormal}};
}

void Imprime(const QString &lista, Query &q)
{
    if (lista == QLatin1String("cartas"))
        ImprimeCartasPosse(q, nullptr, kRelogio);
    else
        ImprimeObitos(q, {}, nullptr, kRelogio);
}
} // namespace

class TestListas : public QObject {
    Q_OBJECT
private slots:
    void paginasCelulaACelula_data();
    void paginasCelulaACelula();
    void linhaUnica_data();
    void linhaUnica();
    void seguemAOrdemDaConsulta();
    void obitosDevolvemGradeEPonteiro_data();
    void obitosDevolvemGradeEPonteiro();
};

void TestListas::paginasCelulaACelula_data()
{
    QTest::addColumn<QString>("lista");
    QTest::addColumn<int>("registros");
    QTest::addColumn<int>("paginas");
    for (const char *lista : {"cartas", "obitos"}) {
        // No rows: one page, header (rows 3 to 7) and footer only.
        QTest::addRow("%s: vazia", lista) << lista << 0 << 1;
        QTest::addRow("%s: 1", lista) << lista << 1 << 1;
        // Rows 8 to 63 hold 56 lines; a full page starts no empty one.
        QTest::addRow("%s: 56", lista) << lista << 56 << 1;
        // The 57th goes to row 8 of page 2, page 1 ending in Folha - 0001.
        QTest::addRow("%s: 57", lista) << lista << 57 << 2;
        QTest::addRow("%s: 113", lista) << lista << 113 << 3;
    }
}

void TestListas::paginasCelulaACelula()
{
    QFETCH(QString, lista);
    QFETCH(int, registros);
    QFETCH(int, paginas);
    const bool cartas = lista == QLatin1String("cartas");
    Database db;
    NovoBancoEmbarcado().Configura(db);
    if (cartas)
        InsereCartas(db, registros);
    else
        InsereObitos(db, registros);
    Query q(db);
    q.SetSQL(cartas ? QStringLiteral("SELECT * FROM carta_posse ORDER BY cpo_codigo")
                    : QStringLiteral("SELECT * FROM obitos ORDER BY obi_codigo"));
    q.Open();

    CapturaImpressao captura;
    Imprime(lista, q);
    QCOMPARE(captura.Trabalhos().size(), 1);
    const QList<PaginaTexto> &impressas = captura.Ultimo().paginas;
    QCOMPARE(impressas.size(), paginas);
    for (int p = 1; p <= paginas; ++p) {
        QList<TextoEsperado> e = (cartas ? CabecalhoCartas() : CabecalhoObitos())
                                 + Rodape(QStringLiteral("%1").arg(p, 4, 10, QChar(u'0')));
        for (int i = (p - 1) * 56 + 1; i <= std::min(registros, p * 56); ++i) {
            const int linha = 8 + (i - 1) % 56;
            e += cartas ? LinhaCarta(linha, i) : LinhaObito(linha, i);
        }
        QVERIFY2(ComparaPagina(impressas[p - 1], e).isEmpty(),
                 qPrintable(QStringLiteral("página %1:\n").arg(p) + ComparaPagina(impressas[p - 1], e)));
    }
    // The record set is left on its last row.
    QCOMPARE(q.RecNo(), registros);
    QVERIFY(q.Eof());
}

void TestListas::linhaUnica_data()
{
    QTest::addColumn<QString>("lista");
    QTest::addColumn<QString>("insercao");
    QTest::addColumn<QList<TextoEsperado>>("linha8");
    const QString sessenta = QStringLiteral("MARIA APARECIDA DOS SANTOS OLIVEIRA DE SOUZA E SILVA FERREIR");
    Q_ASSERT(sessenta.size() == 60);

    QTest::newRow("óbito sem datas: as duas colunas ficam vazias")
        << "obitos"
        << "INSERT INTO obitos (obi_codigo, obi_exercicio, obi_nome) VALUES (7, 2025, 'JOSÉ')"
        << QList<TextoEsperado>{{8, 1, "00007", kNormal}, {8, 11, "2025", kNormal},
                                {8, 20, "JOSÉ", kNormal}};
    QTest::newRow("óbito só com data de falecimento")
        << "obitos"
        << "INSERT INTO obitos (obi_codigo, obi_exercicio, obi_nome, obi_dt_falec) "
           "VALUES (8, 2026, 'ANA', '2026-02-28')"
        << QList<TextoEsperado>{{8, 1, "00008", kNormal}, {8, 11, "2026", kNormal},
                                {8, 20, "ANA", kNormal}, {8, 57, "28/02/2026", kNormal}};
    // Values are not cut to their column: 60 letters from column 20 reach 79.
    QTest::newRow("óbito com nome de 60 letras")
        << "obitos"
        << "INSERT INTO obitos (obi_codigo, obi_exercicio, obi_nome) VALUES (9, 2026, '" + sessenta + "')"
        << QList<TextoEsperado>{{8, 1, "00009", kNormal}, {8, 11, "2026", kNormal},
                                {8, 20, sessenta, kNormal}};
    QTest::newRow("código de seis algarismos")
        << "obitos"
        << "INSERT INTO obitos (obi_codigo, obi_exercicio, obi_nome) VALUES (123456, 2026, 'X')"
        << QList<TextoEsperado>{{8, 1, "123456", kNormal}, {8, 11, "2026", kNormal},
                                {8, 20, "X", kNormal}};
    QTest::newRow("carta sem sepultura, nome de 60 letras")
        << "cartas"
        << "INSERT INTO carta_posse (cpo_codigo, cpo_nome) VALUES (42, '" + sessenta + "')"
        << QList<TextoEsperado>{{8, 1, "00042", kNormal}, {8, 10, sessenta, kNormal}};
}

void TestListas::linhaUnica()
{
    QFETCH(QString, lista);
    QFETCH(QString, insercao);
    QFETCH(QList<TextoEsperado>, linha8);
    const bool cartas = lista == QLatin1String("cartas");
    Database db;
    NovoBancoEmbarcado().Configura(db);
    Query q(db);
    q.SetSQL(insercao);
    q.ExecSQL();
    db.Commit();
    q.SetSQL(cartas ? QStringLiteral("SELECT * FROM carta_posse") : QStringLiteral("SELECT * FROM obitos"));
    q.Open();

    CapturaImpressao captura;
    Imprime(lista, q);
    QCOMPARE(captura.Ultimo().paginas.size(), 1);
    QCOMPARE(ComparaPagina(captura.Ultimo().paginas[0],
                           (cartas ? CabecalhoCartas() : CabecalhoObitos()) + Rodape("0001") + linha8),
             QString());
}

void TestListas::seguemAOrdemDaConsulta()
{
    Database db;
    NovoBancoEmbarcado().Configura(db);
    InsereObitos(db, 3);
    InsereCartas(db, 3);
    Query obitos(db);
    obitos.SetSQL(QStringLiteral("SELECT * FROM obitos ORDER BY obi_codigo DESC"));
    obitos.Open();
    obitos.Last(); // where the grid left it: the list starts from the first row all the same
    Query cartas(db);
    cartas.SetSQL(QStringLiteral("SELECT * FROM carta_posse ORDER BY cpo_nome DESC"));
    cartas.Open();

    CapturaImpressao captura;
    ImprimeObitos(obitos, {}, nullptr, kRelogio);
    ImprimeCartasPosse(cartas, nullptr, kRelogio);
    QCOMPARE(captura.Trabalhos().size(), 2);
    for (const PaginaTexto &p : {captura.Trabalhos()[0].paginas[0], captura.Trabalhos()[1].paginas[0]}) {
        QCOMPARE(p.Texto(8, 1, 5), QStringLiteral("00003"));
        QCOMPARE(p.Texto(9, 1, 5), QStringLiteral("00002"));
        QCOMPARE(p.Texto(10, 1, 5), QStringLiteral("00001"));
        QVERIFY(p.LinhaVazia(11));
    }
}

void TestListas::obitosDevolvemGradeEPonteiro_data()
{
    QTest::addColumn<int>("ilegivel");
    QTest::addColumn<bool>("falha");
    QTest::newRow("até o fim") << 0 << false;
    // Record 30 carries a code that is no number: reading it fails half-way
    // through page 1.
    QTest::newRow("erro no registro 30") << 30 << true;
    // ... and on page 2, after a page break.
    QTest::newRow("erro no registro 60") << 60 << true;
}

void TestListas::obitosDevolvemGradeEPonteiro()
{
    QFETCH(int, ilegivel);
    QFETCH(bool, falha);
    Database db;
    NovoBancoEmbarcado().Configura(db);
    InsereObitos(db, 70);
    Query q(db);
    q.Add(QStringLiteral("SELECT CASE WHEN obi_codigo = :p_ilegivel THEN 'ILEGIVEL' "
                         "ELSE CAST(obi_codigo AS VARCHAR(11)) END AS obi_codigo,"));
    q.Add(QStringLiteral("obi_exercicio, obi_nome, obi_dt_falec, obi_dt_sepult FROM obitos ORDER BY obi_nome"));
    q.ParamByName(QStringLiteral("p_ilegivel")).AsInteger(ilegivel);
    q.Open();

    // What the form's grid goes through, and whether the hourglass shows
    // while the grid is held.
    QStringList eventos;
    auto ampulheta = [] {
        return QApplication::overrideCursor()
               && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    };
    AcompanhamentoGrade grade{[&] { eventos << (ampulheta() ? "para, ampulheta" : "para"); },
                              [&] { eventos << (ampulheta() ? "retoma, ampulheta" : "retoma"); }};

    RespostasMensagem mensagens;
    CapturaImpressao captura;
    bool lancou = false;
    try {
        ImprimeObitos(q, grade, nullptr, kRelogio);
    } catch (const DbError &) {
        lancou = true;
    }
    QCOMPARE(lancou, falha);
    QCOMPARE(eventos, QStringList({"para, ampulheta", "retoma, ampulheta"}));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCOMPARE(mensagens.Quantas(), 0);
    // A printout that stopped shows no preview; one that ended does.
    QCOMPARE(captura.Trabalhos().size(), falha ? 0 : 1);
    if (!falha) {
        QCOMPARE(captura.Ultimo().paginas.size(), 2);
        QCOMPARE(q.RecNo(), 70);
    }
}

QTEST_MAIN(TestListas)
#include "tst_listas.moc"
