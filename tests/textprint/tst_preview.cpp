// The preview of a two-page job, offscreen: titles and buttons as the
// settings give them, page navigation, zoom, find, saving and loading, the
// painted page, and a whole job through the real dialog and preview.
#include "platform/textprint/ImpressoraTexto.h"
#include "platform/textprint/PinturaTexto.h"
#include "platform/textprint/UPreviewTexto.h"
#include "support/JanelasTeste.h"
#include "support/RespostasMensagem.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {
const Atributos kNegrito(Atributo::Negrito);
const Atributos k17cpi(Atributo::Comprimido17);

void Cabecalho(TrabalhoTexto &t)
{
    t.OnNewPage = [&t](int Pagina) {
        t.PrintCentred(3, 40, QStringLiteral("Relatório %1").arg(Pagina), kNegrito);
    };
    t.OnBeforeNewPage = [&t](int Pagina) {
        t.PrintRight(65, 80, QStringLiteral("Folha - %1").arg(Pagina, 4, 10, QChar(u'0')), k17cpi);
    };
}

QList<PaginaTexto> DuasPaginas()
{
    TrabalhoTexto t;
    Cabecalho(t);
    t.OpenJob();
    t.PrintText(8, 1, QStringLiteral("primeira linha"));
    t.NewPage();
    t.PrintText(4, 9, QStringLiteral("São João"));
    t.CloseJob();
    return t.Paginas();
}

template <typename T>
T *Filho(QWidget *w, const char *nome)
{
    T *c = w->findChild<T *>(QString::fromLatin1(nome));
    if (!c)
        qFatal("no %s", nome);
    return c;
}

void Clica(QWidget *w, const char *nome)
{
    QTest::mouseClick(Filho<QAbstractButton>(w, nome), Qt::LeftButton);
}

// Width in pixels from the left edge to the last dark pixel of a band, and
// the number of dark pixels in it.
std::pair<int, int> Tinta(const QImage &img, int y0, int y1)
{
    int direita = 0, escuros = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                direita = std::max(direita, x);
                ++escuros;
            }
    return {direita, escuros};
}
} // namespace

class TestPreview : public QObject {
    Q_OBJECT
private slots:
    void tituloEBotoesConformeAConfiguracao_data();
    void tituloEBotoesConformeAConfiguracao();
    void navegaEAmplia();
    void localiza();
    void salvaECarrega();
    void negritoE17cpiPintadosComoTais();
    void trabalhoPeloDialogoEPelaVisualizacao();
    void cleanup();
};

void TestPreview::tituloEBotoesConformeAConfiguracao_data()
{
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<bool>("continuo");
    QTest::addColumn<bool>("arquivo");
    QTest::newRow("ficha") << QStringLiteral("Rdprint Preview") << false << true;
    QTest::newRow("lista") << QStringLiteral("Visualizar") << false << false;
    QTest::newRow("formulário contínuo") << QStringLiteral("Visualização de impressão") << true
                                         << false;
}

void TestPreview::tituloEBotoesConformeAConfiguracao()
{
    QFETCH(QString, titulo);
    QFETCH(bool, continuo);
    QFETCH(bool, arquivo);
    ConfiguracaoTexto config;
    config.tituloPreview = titulo;
    config.formularioContinuo = continuo;
    config.botoesArquivo = arquivo;
    TfrmPreviewTexto dlg(DuasPaginas(), config, OpcoesImpressao{});
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.windowTitle(), titulo);
    QCOMPARE(Filho<QPushButton>(&dlg, "btn_Salvar")->isVisible(), arquivo);
    QCOMPARE(Filho<QPushButton>(&dlg, "btn_Abrir")->isVisible(), arquivo);
    for (const char *sempre : {"btn_Configurar", "btn_Imprimir", "btn_Localizar"})
        QVERIFY2(Filho<QPushButton>(&dlg, sempre)->isVisible(), sempre);

    // Continuous form: green bands between the lines, which plain paper lacks.
    const QImage img = dlg.findChild<VisaoPaginaTexto *>()->grab().toImage();
    bool verde = false;
    for (int y = 0; y < img.height() && !verde; y += 3)
        for (int x = 0; x < img.width() && !verde; x += 3) {
            const QColor c = img.pixelColor(x, y);
            verde = c.green() > c.red() + 10 && c.green() > c.blue() + 10;
        }
    QCOMPARE(verde, continuo);
    Clica(&dlg, "btn_Fechar");
    QVERIFY(!dlg.isVisible());
}

void TestPreview::navegaEAmplia()
{
    TfrmPreviewTexto dlg(DuasPaginas(), ConfiguracaoTexto{}, OpcoesImpressao{});
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.TotalPaginas(), 2);
    QCOMPARE(dlg.PaginaAtual(), 1);
    QCOMPARE(Filho<QLabel>(&dlg, "Lbl_Total")->text(), QStringLiteral("de 2"));
    QVERIFY(!Filho<QToolButton>(&dlg, "btn_Anterior")->isEnabled());

    Clica(&dlg, "btn_Proxima");
    QCOMPARE(dlg.PaginaAtual(), 2);
    QCOMPARE(Filho<QSpinBox>(&dlg, "spin_Pagina")->value(), 2);
    QVERIFY(!Filho<QToolButton>(&dlg, "btn_Proxima")->isEnabled());
    QVERIFY(!Filho<QToolButton>(&dlg, "btn_Ultima")->isEnabled());
    Clica(&dlg, "btn_Primeira");
    QCOMPARE(dlg.PaginaAtual(), 1);
    Clica(&dlg, "btn_Ultima");
    QCOMPARE(dlg.PaginaAtual(), 2);
    QTest::keyClick(&dlg, Qt::Key_PageUp);
    QCOMPARE(dlg.PaginaAtual(), 1);
    Filho<QSpinBox>(&dlg, "spin_Pagina")->setValue(2);
    QCOMPARE(dlg.PaginaAtual(), 2);

    auto *visao = dlg.findChild<VisaoPaginaTexto *>();
    const int largura = visao->width();
    Clica(&dlg, "btn_ZoomMais");
    QCOMPARE(dlg.Zoom(), 1.25);
    QCOMPARE(Filho<QLabel>(&dlg, "Lbl_Zoom")->text(), QStringLiteral("125%"));
    QVERIFY(visao->width() > largura);
    Clica(&dlg, "btn_ZoomMenos");
    Clica(&dlg, "btn_ZoomMenos");
    QCOMPARE(dlg.Zoom(), 0.75);
    QVERIFY(visao->width() < largura);
    Clica(&dlg, "btn_Fechar");
}

void TestPreview::localiza()
{
    RespostasMensagem respostas;
    TfrmPreviewTexto dlg(DuasPaginas(), ConfiguracaoTexto{}, OpcoesImpressao{});
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    // Case and accents do not matter: "sao joao" finds "São João" on page 2.
    auto *edt = Filho<QLineEdit>(&dlg, "edt_Localizar");
    QTest::keyClicks(edt, QStringLiteral("sao joao"));
    QTest::keyClick(edt, Qt::Key_Return);
    QCOMPARE(dlg.PaginaAtual(), 2);
    QCOMPARE(dlg.MarcaPagina(), 2);
    QCOMPARE(dlg.MarcaLinha(), 4);
    QCOMPARE(dlg.MarcaColuna(), 9);
    QCOMPARE(respostas.Quantas(), 0);

    // Turning to another page starts the next find at its top; each header
    // has "Relatório", so finding on goes from page 1's to page 2's.
    dlg.MostraPagina(1);
    QVERIFY(dlg.Localiza(QStringLiteral("RELATORIO")));
    QCOMPARE(dlg.MarcaPagina(), 1);
    QCOMPARE(dlg.MarcaLinha(), 3);
    QVERIFY(dlg.Localiza(QStringLiteral("RELATORIO")));
    QCOMPARE(dlg.PaginaAtual(), 2);
    QCOMPARE(dlg.MarcaPagina(), 2);
    QCOMPARE(dlg.MarcaLinha(), 3);

    QVERIFY(!dlg.Localiza(QStringLiteral("RELATORIO")));
    QCOMPARE(respostas.Quantas(), 1);
    QCOMPARE(respostas.Ultima().texto, QStringLiteral("Texto não encontrado: \"RELATORIO\"."));
    QCOMPARE(respostas.Ultima().titulo, QStringLiteral("Rdprint Preview"));
    QCOMPARE(dlg.MarcaPagina(), 0);
    Clica(&dlg, "btn_Fechar");
}

void TestPreview::salvaECarrega()
{
    QTemporaryDir dir;
    const QString arquivo = dir.filePath(QStringLiteral("job.kpt"));
    const QList<PaginaTexto> paginas = DuasPaginas();
    {
        TfrmPreviewTexto dlg(paginas, ConfiguracaoTexto{}, OpcoesImpressao{});
        QVERIFY(dlg.SalvaEm(arquivo));
    }
    TfrmPreviewTexto outro({PaginaTexto()}, ConfiguracaoTexto{}, OpcoesImpressao{});
    outro.show();
    QCOMPARE(outro.TotalPaginas(), 1);
    QVERIFY(outro.CarregaDe(arquivo));
    QCOMPARE(outro.Paginas(), paginas);
    QCOMPARE(outro.TotalPaginas(), 2);
    QCOMPARE(Filho<QLabel>(&outro, "Lbl_Total")->text(), QStringLiteral("de 2"));

    RespostasMensagem respostas;
    QVERIFY(!outro.CarregaDe(dir.filePath(QStringLiteral("nao_existe.kpt"))));
    QCOMPARE(respostas.Quantas(), 1);
    QCOMPARE(respostas.Ultima().icone, Icone::Erro);
    QCOMPARE(outro.TotalPaginas(), 2); // what was shown stays
    outro.close();
}

// Ten normal M's, ten bold ones, ten at 17 cpi: the bold row carries more ink
// over the same width, the 17-cpi row ends at 0.5848 of the width.
void TestPreview::negritoE17cpiPintadosComoTais()
{
    PaginaTexto p;
    const QString m(10, u'M');
    p.Escreve(1, 1, m, {});
    p.Escreve(2, 1, m, kNegrito);
    p.Escreve(3, 1, m, k17cpi);
    ConfiguracaoTexto config;
    config.margemEsquerda = config.margemDireita = config.margemSuperior = 0;
    const QSizeF mm = TamanhoPapelMm(config, false);
    QImage img(int(mm.width() * 8), int(mm.height() * 8), QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter painter(&img);
        PintaPagina(painter, p, QRectF(img.rect()), config, EstiloPintura{});
    }
    const int linha = int(25.4 / 6 * 8); // pixels of a line at 8 pixels to the mm
    const auto [normalX, normalTinta] = Tinta(img, 0, linha);
    const auto [negritoX, negritoTinta] = Tinta(img, linha, 2 * linha);
    const auto [estreitoX, estreitoTinta] = Tinta(img, 2 * linha, 3 * linha);
    Q_UNUSED(estreitoTinta);
    const double coluna = 25.4 / 10 * 8;
    QVERIFY2(normalX > 9 * coluna && normalX <= 10 * coluna, qPrintable(QString::number(normalX)));
    QVERIFY(qAbs(negritoX - normalX) <= coluna / 2);
    QVERIFY2(negritoTinta > normalTinta * 1.15,
             qPrintable(QStringLiteral("%1 %2").arg(negritoTinta).arg(normalTinta)));
    QVERIFY2(qAbs(estreitoX - 0.5848 * normalX) < coluna / 2,
             qPrintable(QStringLiteral("%1 %2").arg(estreitoX).arg(normalX)));
}

// OpenJob, the real print dialog confirmed, CloseJob opening the preview,
// which turns a page and is closed.
void TestPreview::trabalhoPeloDialogoEPelaVisualizacao()
{
    ImpressaoTexto rd;
    rd.Configuracao.tituloSetup = QStringLiteral("Configuração");
    rd.Configuracao.tituloPreview = QStringLiteral("Visualização de impressão");
    rd.Configuracao.formularioContinuo = true;
    Cabecalho(rd);
    rd.OpenJob();
    QString tituloSetup;
    NoDialogoModal([&](QWidget *w) {
        tituloSetup = w->windowTitle();
        Filho<QSpinBox>(w, "spin_Copias")->setValue(2);
        Clica(w, "btn_Ok");
    });
    QVERIFY(rd.ConfirmSetup());
    QCOMPARE(tituloSetup, QStringLiteral("Configuração"));
    QCOMPARE(rd.Opcoes().copias, 2);
    rd.NewPage();

    QString tituloPreview;
    int paginaVista = 0, total = 0;
    NoDialogoModal([&](QWidget *w) {
        tituloPreview = w->windowTitle();
        auto *preview = qobject_cast<TfrmPreviewTexto *>(w);
        QVERIFY(preview);
        total = preview->TotalPaginas();
        Clica(w, "btn_Proxima");
        paginaVista = preview->PaginaAtual();
        Clica(w, "btn_Fechar");
    });
    rd.CloseJob();
    QCOMPARE(tituloPreview, QStringLiteral("Visualização de impressão"));
    QCOMPARE(total, 2);
    QCOMPARE(paginaVista, 2);
    // Page 2's footer was printed before the preview showed it: twelve 17-cpi
    // letters ending at 80 start at 80 - round(7.0176 - 0.49) = 73.
    QCOMPARE(rd.Paginas()[1].Texto(65, 73, 12), QStringLiteral("Folha - 0002"));
}

void TestPreview::cleanup()
{
    QVERIFY(NenhumaJanelaVisivel());
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
