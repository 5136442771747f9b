// The frame the three printouts share: the footer's date, time and page
// number (more digits past 9999, still ending at column 80), the clock read
// at each footer, each printout's dialog and preview settings, and the
// print dialog cancelled: nothing printed, nothing shown.
#include "reports/Esperados.h"
#include "reports/ImpressosTexto.h"
#include "support/BancoTeste.h"
#include "support/CapturaImpressao.h"
#include "support/JanelasTeste.h"
#include "support/RespostasMensagem.h"

#include <QPushButton>
#include <QTest>

using namespace esperado;

namespace {
// Runs one printout by name over a record set that holds three rows.
void Executa(const QString &impresso, Query &q, const AcompanhamentoGrade &grade = {})
{
    if (impresso == QLatin1String("empresa"))
        ImprimeEmpresa(DadosEmpresa{});
    else if (impresso == QLatin1String("cartas"))
        ImprimeCartasPosse(q);
    else
        ImprimeObitos(q, grade);
}

void AbreTresRegistros(Database &db, Query &q, const QString &impresso)
{
    NovoBancoEmbarcado().Configura(db);
    if (impresso == QLatin1String("cartas")) {
        InsereCartas(db, 3);
        q.SetSQL(QStringLiteral("SELECT * FROM carta_posse"));
    } else {
        InsereObitos(db, 3);
        q.SetSQL(QStringLiteral("SELECT * FROM obitos"));
    }
    q.Open();
}
} // namespace

class TestMoldura : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(NenhumaJanelaVisivel()); }
    void rodapeAteAColuna80_data();
    void rodapeAteAColuna80();
    void relogioLidoEmCadaRodape();
    void configuracaoDeCadaImpresso_data();
    void configuracaoDeCadaImpresso();
    void cancelarNaoImprimeNemMostra_data();
    void cancelarNaoImprimeNemMostra();
};

void TestMoldura::rodapeAteAColuna80_data()
{
    QTest::addColumn<int>("pagina");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("inicio");
    // n characters of 0.5848 end at 80 from 80 - round(0.5848 n - 0.49).
    QTest::newRow("1") << 1 << "09/12/2026 - 14:05 Folha - 0001" << 62;
    QTest::newRow("42") << 42 << "09/12/2026 - 14:05 Folha - 0042" << 62;
    QTest::newRow("9999") << 9999 << "09/12/2026 - 14:05 Folha - 9999" << 62;
    // 32 characters: 18.71 - 0.49 rounds to 18 still.
    QTest::newRow("10000") << 10000 << "09/12/2026 - 14:05 Folha - 10000" << 62;
    // 33 characters: 19.30 - 0.49 = 18.81, one column further left.
    QTest::newRow("123456") << 123456 << "09/12/2026 - 14:05 Folha - 123456" << 61;
}

void TestMoldura::rodapeAteAColuna80()
{
    QFETCH(int, pagina);
    QFETCH(QString, texto);
    QFETCH(int, inicio);
    TrabalhoTexto rd;
    rd.OpenJob();
    Imprime(rd, RodapePagina(Quando(), pagina));
    QCOMPARE(ComparaPagina(rd.Paginas()[0],
                           {{64, 1, QString(80, u'-'), kNormal},
                            {65, 1, "Sistema Necrovia - TEV", k17cpi},
                            {65, inicio, texto, k17cpi}}),
             QString());
}

void TestMoldura::relogioLidoEmCadaRodape()
{
    Database db;
    NovoBancoEmbarcado().Configura(db);
    InsereCartas(db, 57);
    Query q(db);
    q.SetSQL(QStringLiteral("SELECT * FROM carta_posse ORDER BY cpo_codigo"));
    q.Open();
    // A clock that has moved on by a minute each time it is read.
    int leituras = 0;
    CapturaImpressao captura;
    ImprimeCartasPosse(q, nullptr, [&] { return Quando().addSecs(60 * leituras++); });
    const QList<PaginaTexto> &p = captura.Ultimo().paginas;
    QCOMPARE(p.size(), 2);
    QCOMPARE(p[0].Texto(65, 62, 31), QStringLiteral("09/12/2026 - 14:05 Folha - 0001"));
    QCOMPARE(p[1].Texto(65, 62, 31), QStringLiteral("09/12/2026 - 14:06 Folha - 0002"));
}

void TestMoldura::configuracaoDeCadaImpresso_data()
{
    QTest::addColumn<QString>("impresso");
    QTest::addColumn<QString>("tituloSetup");
    QTest::addColumn<QString>("tituloPreview");
    QTest::addColumn<bool>("continuo");
    QTest::addColumn<bool>("arquivo");
    QTest::addColumn<QString>("porta");
    QTest::newRow("empresa") << "empresa" << "Rdprint Setup" << "Rdprint Preview" << false << true
                             << QString();
    QTest::newRow("cartas") << "cartas" << "Rdprint Setup" << "Visualizar" << false << false
                            << QString();
    QTest::newRow("obitos") << "obitos" << "Configuração" << "Visualização de impressão" << true
                            << false << "LPT1";
}

void TestMoldura::configuracaoDeCadaImpresso()
{
    QFETCH(QString, impresso);
    QFETCH(QString, tituloSetup);
    QFETCH(QString, tituloPreview);
    QFETCH(bool, continuo);
    QFETCH(bool, arquivo);
    QFETCH(QString, porta);
    Database db;
    Query q(db);
    if (impresso != QLatin1String("empresa"))
        AbreTresRegistros(db, q, impresso);
    CapturaImpressao captura;
    Executa(impresso, q);
    const ConfiguracaoTexto &c = captura.Ultimo().configuracao;
    QCOMPARE(c.tituloSetup, tituloSetup);
    QCOMPARE(c.tituloPreview, tituloPreview);
    QCOMPARE(c.formularioContinuo, continuo);
    QCOMPARE(c.botoesArquivo, arquivo);
    QVERIFY(c.botaoSetup && c.botaoImprimir && c.botaoLocalizar);
    QCOMPARE(c.porta, porta);
    // The page is the same for all three.
    QCOMPARE(c.linhas, 66);
    QCOMPARE(c.colunas, 80);
    QCOMPARE(c.linhasPorPolegada, 6);
    QCOMPARE(c.cpiPadrao, 10);
    QCOMPARE(c.estiloPadrao, Atributos());
    QVERIFY(c.retrato);
    QCOMPARE(QList<int>({c.margemSuperior, c.margemInferior, c.margemEsquerda, c.margemDireita}),
             QList<int>({10, 10, 10, 10}));
    QCOMPARE(c.copias, 1);
    QVERIFY(c.transliterar && c.mostraProgresso && c.visualizar);
}

void TestMoldura::cancelarNaoImprimeNemMostra_data()
{
    QTest::addColumn<QString>("impresso");
    QTest::addColumn<QString>("tituloSetup");
    QTest::newRow("empresa") << "empresa" << "Rdprint Setup";
    QTest::newRow("cartas") << "cartas" << "Rdprint Setup";
    QTest::newRow("obitos") << "obitos" << "Configuração";
}

// The real print dialog, cancelled by its button. Only what would come
// after it (preview or printer) is caught, so a job that went on anyway is
// seen here instead of blocking in a preview.
void TestMoldura::cancelarNaoImprimeNemMostra()
{
    QFETCH(QString, impresso);
    QFETCH(QString, tituloSetup);
    Database db;
    Query q(db);
    if (impresso != QLatin1String("empresa")) {
        AbreTresRegistros(db, q, impresso);
        q.Next(); // the grid stands on row 2
    }
    int concluidos = 0;
    RespondeImpressaoTexto r;
    r.conclui = [&](const TrabalhoTexto &) { ++concluidos; };
    DefineRespondeImpressaoTexto(r);
    RespostasMensagem mensagens;
    QString titulo;
    NoDialogoModal([&](QWidget *w) {
        titulo = w->windowTitle();
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("btn_Cancelar")),
                          Qt::LeftButton);
    });
    int grade = 0;
    Executa(impresso, q, {[&] { ++grade; }, [&] { ++grade; }});
    DefineRespondeImpressaoTexto({});

    QCOMPARE(titulo, tituloSetup);
    QCOMPARE(concluidos, 0);
    QCOMPARE(mensagens.Quantas(), 0);
    QVERIFY(NenhumaJanelaVisivel());
    // Nothing was read: the record set and the grid are as they were.
    QCOMPARE(grade, 0);
    if (impresso != QLatin1String("empresa"))
        QCOMPARE(q.RecNo(), 2);
}

QTEST_MAIN(TestMoldura)
#include "tst_moldura.moc"
