// The page grid and the job: cells and attributes, overlapping texts, the
// edges of the page, the order of the page events, a cancelled dialog, and
// pages saved to a file and loaded back.
#include "support/CapturaImpressao.h"
#include "platform/textprint/ArquivoTexto.h"
#include "platform/textprint/TrabalhoTexto.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
const Atributos kNormal;
const Atributos kNegrito(Atributo::Negrito);
const Atributos k17cpi(Atributo::Comprimido17);
constexpr int U = kUnidadesColuna;
constexpr int W = kLargura17cpi;

// Cells 1..n of a row, '.' for an empty cell.
QString Celulas(const PaginaTexto &p, int linha, int n)
{
    QString s;
    for (int c = 1; c <= n; ++c)
        s += p.Em(linha, c).Vazia() ? QChar(u'.') : p.Em(linha, c).caractere;
    return s;
}
} // namespace

class TestPagina : public QObject {
    Q_OBJECT
private slots:
    void celulasGuardamCaractereEAtributos();
    void textoVazioEForaDaPaginaNaoImprimem();
    void cortadoNaBordaDireita_data();
    void cortadoNaBordaDireita();
    void sobreposicao();
    void trechosNaOrdemDoPapel();
    void ordemDosEventos();
    void setupCanceladoAbandonaOTrabalho();
    void opcoesDoDialogoFicamNoTrabalho();
    void arquivoIdaEVolta();
};

void TestPagina::celulasGuardamCaractereEAtributos()
{
    TrabalhoTexto t;
    t.OpenJob();
    t.PrintText(1, 1, QStringLiteral("Ação"));
    t.PrintStyled(2, 10, QStringLiteral("Forte"), kNegrito);
    t.PrintStyled(66, 80, QStringLiteral("x"), k17cpi);
    const PaginaTexto &p = t.Paginas().first();
    QCOMPARE(p.Texto(1, 1, 4), QStringLiteral("Ação")); // accents are kept on the page
    QCOMPARE(p.Em(1, 1).atributos, kNormal);
    QCOMPARE(p.Em(2, 9).Vazia(), true);
    QCOMPARE(p.Em(2, 10).caractere, QChar(u'F'));
    QCOMPARE(p.Em(2, 14).atributos, kNegrito);
    QCOMPARE(p.Em(2, 15).Vazia(), true);
    QCOMPARE(p.Em(66, 80).caractere, QChar(u'x'));
    QCOMPARE(p.Em(66, 80).atributos, k17cpi);
    QCOMPARE(p.Linha(2), QStringLiteral("         Forte"));
    QCOMPARE(p.UltimaLinhaOcupada(), 66);
}

void TestPagina::textoVazioEForaDaPaginaNaoImprimem()
{
    TrabalhoTexto t;
    t.OpenJob();
    t.PrintText(5, 1, QString());
    t.PrintText(0, 1, QStringLiteral("acima"));
    t.PrintText(67, 1, QStringLiteral("abaixo"));
    t.PrintText(5, 81, QStringLiteral("direita"));
    t.PrintText(5, 0, QStringLiteral("esquerda"));
    QVERIFY(t.Paginas().first().Vazia());
    // Before OpenJob there is no page to print on.
    TrabalhoTexto fechado;
    fechado.PrintText(1, 1, QStringLiteral("x"));
    QVERIFY(fechado.Paginas().isEmpty());
}

void TestPagina::cortadoNaBordaDireita_data()
{
    QTest::addColumn<Atributos>("atributos");
    QTest::addColumn<int>("coluna");
    QTest::addColumn<int>("cabem");
    // Columns 75..80 hold six normal letters.
    QTest::newRow("normal da 75") << kNormal << 75 << 6;
    // Six columns hold floor(6 / 0.5848) = 10 narrow letters.
    QTest::newRow("17cpi da 75") << k17cpi << 75 << 10;
    // 80 / 0.5848 = 136.8: a 17-cpi line from column 1 holds 136 letters.
    QTest::newRow("17cpi da 1") << k17cpi << 1 << 136;
    QTest::newRow("normal na 80") << kNormal << 80 << 1;
}

void TestPagina::cortadoNaBordaDireita()
{
    QFETCH(Atributos, atributos);
    QFETCH(int, coluna);
    QFETCH(int, cabem);
    PaginaTexto p;
    p.Escreve(1, coluna, QString(200, u'z'), atributos);
    QCOMPARE(p.Linha(1).size(), coluna - 1 + cabem);
    QCOMPARE(p.Texto(1, coluna, cabem), QString(cabem, u'z'));
}

// The later call wins: its characters take their cells, and whatever lay
// under them on paper is removed.
void TestPagina::sobreposicao()
{
    // Same width: cells and paper agree; the earlier text shows around the later.
    PaginaTexto mesma;
    mesma.Escreve(1, 1, QStringLiteral("AAAAAAAAAA"), kNormal);
    mesma.Escreve(1, 5, QStringLiteral("BBB"), kNegrito);
    QCOMPARE(Celulas(mesma, 1, 10), QStringLiteral("AAAABBBAAA"));
    QCOMPARE(mesma.Em(1, 5).atributos, kNegrito);
    QCOMPARE(mesma.Em(1, 8).atributos, kNormal);
    // A space written later blanks what was there.
    mesma.Escreve(1, 1, QStringLiteral(" "), kNormal);
    QCOMPARE(mesma.Texto(1, 1, 3), QStringLiteral(" AA"));

    // A normal letter at column 5 over a 17-cpi text from column 1: it takes
    // cell 5 (4 to 5 columns from the left edge), and the narrow letters lying
    // under it on paper, those starting between 4 - 0.5848 and 5 (letters 7,
    // 8 and 9, at 3.51, 4.09 and 4.68), go too.
    PaginaTexto estreita;
    estreita.Escreve(2, 1, QStringLiteral("abcdefghijklmnopqrstuv"), k17cpi);
    estreita.Escreve(2, 5, QStringLiteral("X"), kNormal);
    QCOMPARE(Celulas(estreita, 2, 22), QStringLiteral("abcdXf...jklmnopqrstuv"));

    // A 17-cpi text over normal letters takes its cells; the normal letter 5,
    // from 4 to 5 on paper, is clear of the two narrow letters (2 to 3.17).
    PaginaTexto larga;
    larga.Escreve(3, 1, QStringLiteral("NNNNNNNNNN"), kNormal);
    larga.Escreve(3, 3, QStringLiteral("cc"), k17cpi);
    QCOMPARE(Celulas(larga, 3, 10), QStringLiteral("NNccNNNNNN"));
    QCOMPARE(larga.Em(3, 3).atributos, k17cpi);
}

void TestPagina::trechosNaOrdemDoPapel()
{
    PaginaTexto p;
    p.Escreve(1, 1, QStringLiteral("NNNNNNNNNN"), kNormal);
    p.Escreve(1, 3, QStringLiteral("cc"), k17cpi);
    const QList<Trecho> esperados{{0, kNormal, QStringLiteral("NN")},
                                  {2 * U, k17cpi, QStringLiteral("cc")},
                                  {4 * U, kNormal, QStringLiteral("NNNNNN")}};
    QCOMPARE(p.Trechos(1), esperados);

    // Two 17-cpi texts side by side in the cells are apart on paper: the
    // second starts on its own column, not where the first one ended.
    PaginaTexto q;
    q.Escreve(2, 1, QStringLiteral("ab"), k17cpi);
    q.Escreve(2, 3, QStringLiteral("cd"), k17cpi);
    const QList<Trecho> separados{{0, k17cpi, QStringLiteral("ab")},
                                  {2 * U, k17cpi, QStringLiteral("cd")}};
    QCOMPARE(q.Trechos(2), separados);

    // A normal letter that took a cell in the middle of a 17-cpi text lies
    // on paper after the rest of that text.
    PaginaTexto r;
    r.Escreve(3, 1, QStringLiteral("abcdefghijklmnopqrstuv"), k17cpi);
    r.Escreve(3, 20, QStringLiteral("X"), kNormal);
    const QList<Trecho> depois{{0, k17cpi, QStringLiteral("abcdefghijklmnopqrs")},
                               {20 * W, k17cpi, QStringLiteral("uv")},
                               {19 * U, kNormal, QStringLiteral("X")}};
    QCOMPARE(r.Trechos(3), depois);
}

void TestPagina::ordemDosEventos()
{
    CapturaImpressao captura;
    TrabalhoTexto t;
    QStringList log;
    t.OnNewPage = [&](int Pagina) {
        log << QStringLiteral("OnNewPage %1").arg(Pagina);
        t.PrintText(1, 1, QStringLiteral("cabecalho %1").arg(Pagina));
    };
    t.OnBeforeNewPage = [&](int Pagina) {
        log << QStringLiteral("OnBeforeNewPage %1").arg(Pagina);
        t.PrintText(66, 1, QStringLiteral("rodape %1").arg(Pagina));
    };

    t.OpenJob();
    QCOMPARE(log, QStringList{"OnNewPage 1"}); // at once, before any line
    QCOMPARE(t.Pagina(), 1);
    QVERIFY(t.ConfirmSetup());
    t.PrintText(8, 1, QStringLiteral("linha"));
    t.NewPage();
    QCOMPARE(t.Pagina(), 2);
    t.NewPage();
    QVERIFY(captura.Trabalhos().isEmpty());
    t.CloseJob();
    QCOMPARE(log, (QStringList{"OnNewPage 1", "OnBeforeNewPage 1", "OnNewPage 2",
                               "OnBeforeNewPage 2", "OnNewPage 3", "OnBeforeNewPage 3"}));
    QCOMPARE(captura.Trabalhos().size(), 1);

    // Each header and footer is on its own page: the footer on the page being
    // finished, the header on the new one.
    const QList<PaginaTexto> &paginas = captura.Ultimo().paginas;
    QCOMPARE(paginas.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(paginas[i].Linha(1), QStringLiteral("cabecalho %1").arg(i + 1));
        QCOMPARE(paginas[i].Linha(66), QStringLiteral("rodape %1").arg(i + 1));
    }
    QCOMPARE(paginas[0].Linha(8), QStringLiteral("linha"));
    QVERIFY(paginas[1].LinhaVazia(8));
    QVERIFY(!t.Aberto());
}

void TestPagina::setupCanceladoAbandonaOTrabalho()
{
    CapturaImpressao captura;
    captura.Responde(false);
    TrabalhoTexto t;
    int rodapes = 0;
    t.OnBeforeNewPage = [&](int) { ++rodapes; };
    t.OpenJob();
    QVERIFY(!t.ConfirmSetup());
    QVERIFY(t.Abandonado());
    t.PrintText(8, 1, QStringLiteral("não sai"));
    t.NewPage();
    t.CloseJob();
    QCOMPARE(captura.Dialogos(), 1);
    QCOMPARE(rodapes, 0);
    QVERIFY(captura.Trabalhos().isEmpty());
    QVERIFY(!t.Aberto());

    // The next job on the same object starts afresh.
    t.OpenJob();
    QVERIFY(t.ConfirmSetup());
    t.CloseJob();
    QCOMPARE(captura.Trabalhos().size(), 1);
    QCOMPARE(rodapes, 1);
}

void TestPagina::opcoesDoDialogoFicamNoTrabalho()
{
    CapturaImpressao captura;
    captura.AlteraOpcoes([](OpcoesImpressao &o) {
        o.copias = 3;
        o.visualizar = false;
    });
    TrabalhoTexto t;
    t.Configuracao.impressora = QStringLiteral("EPSON LX-300");
    t.Configuracao.copias = 1;
    t.OpenJob();
    QCOMPARE(t.Opcoes().impressora, QStringLiteral("EPSON LX-300"));
    QCOMPARE(t.Opcoes().visualizar, true);
    QVERIFY(t.ConfirmSetup());
    t.CloseJob();
    QCOMPARE(captura.Ultimo().opcoes.copias, 3);
    QCOMPARE(captura.Ultimo().opcoes.visualizar, false);
    QCOMPARE(captura.Ultimo().opcoes.impressora, QStringLiteral("EPSON LX-300"));
}

void TestPagina::arquivoIdaEVolta()
{
    QList<PaginaTexto> paginas(2);
    paginas[0].Escreve(3, 30, QStringLiteral("Título"), kNegrito);
    paginas[0].Escreve(65, 1, QStringLiteral("abcdefghijklmnopqrstuv"), k17cpi);
    paginas[0].Escreve(65, 20, QStringLiteral("X"), kNormal); // cells and paper apart
    paginas[1].Escreve(10, 1, QStringLiteral("ç º ª"), kNormal);
    QTemporaryDir dir;
    const QString arquivo = dir.filePath(QStringLiteral("paginas.kpt"));
    QString erro;
    QVERIFY2(SalvaPaginas(arquivo, paginas, &erro), qPrintable(erro));
    const auto lidas = CarregaPaginas(arquivo, &erro);
    QVERIFY2(lidas.has_value(), qPrintable(erro));
    QCOMPARE(*lidas, paginas);

    // A file of something else is refused, not read as pages.
    QFile outro(dir.filePath(QStringLiteral("outro.txt")));
    QVERIFY(outro.open(QIODevice::WriteOnly));
    outro.write("não é uma impressão");
    outro.close();
    QVERIFY(!CarregaPaginas(outro.fileName(), &erro).has_value());
    QVERIFY(!erro.isEmpty());
}

QTEST_GUILESS_MAIN(TestPagina)
#include "tst_pagina.moc"
