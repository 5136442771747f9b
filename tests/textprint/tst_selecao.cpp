// Which pages print, in which order and how many times; the checks of the
// dialog's choices; and the print dialog itself reading and writing them.
#include "platform/textprint/ImpressoraTexto.h"
#include "platform/textprint/UConfiguraTexto.h"
#include "support/JanelasTeste.h"
#include "support/RespostasMensagem.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace {
OpcoesImpressao Op(int de, int ate, Paridade par, int copias, bool agrupar, bool inverter)
{
    OpcoesImpressao o;
    o.paginaDe = de;
    o.paginaAte = ate;
    o.paridade = par;
    o.copias = copias;
    o.agrupar = agrupar;
    o.inverter = inverter;
    return o;
}
} // namespace

class TestSelecao : public QObject {
    Q_OBJECT
private slots:
    void paginasAImprimir_data();
    void paginasAImprimir();
    void validaOpcoes_data();
    void validaOpcoes();
    void dialogoLeEDevolveAsOpcoes();
    void dialogoRecusaIntervaloInvertido();
    void cancelarODialogoAbandonaOTrabalho();
    void cleanup();
};

void TestSelecao::paginasAImprimir_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<OpcoesImpressao>("opcoes");
    QTest::addColumn<QList<int>>("esperado");
    const auto T = Paridade::Todas, I = Paridade::Impares, P = Paridade::Pares;
    QTest::newRow("tudo, uma cópia") << 3 << Op(0, 0, T, 1, true, false) << QList<int>{1, 2, 3};
    QTest::newRow("intervalo 2 a 4") << 5 << Op(2, 4, T, 1, true, false) << QList<int>{2, 3, 4};
    // A range beyond the job stops at its last page.
    QTest::newRow("intervalo além do fim") << 3 << Op(2, 9, T, 1, true, false) << QList<int>{2, 3};
    QTest::newRow("só o início dado") << 4 << Op(3, 0, T, 1, true, false) << QList<int>{3, 4};
    QTest::newRow("intervalo fora do trabalho") << 3 << Op(5, 6, T, 1, true, false) << QList<int>{};
    // Odd and even are page numbers, not places within the range.
    QTest::newRow("ímpares") << 5 << Op(0, 0, I, 1, true, false) << QList<int>{1, 3, 5};
    QTest::newRow("pares") << 5 << Op(0, 0, P, 1, true, false) << QList<int>{2, 4};
    QTest::newRow("pares de 3 a 5") << 5 << Op(3, 5, P, 1, true, false) << QList<int>{4};
    QTest::newRow("pares de uma página") << 1 << Op(0, 0, P, 1, true, false) << QList<int>{};
    QTest::newRow("invertido") << 3 << Op(0, 0, T, 1, true, true) << QList<int>{3, 2, 1};
    // Collated copies come out whole, one after another.
    QTest::newRow("2 cópias agrupadas") << 3 << Op(0, 0, T, 2, true, false)
                                        << QList<int>{1, 2, 3, 1, 2, 3};
    QTest::newRow("2 cópias sem agrupar") << 3 << Op(0, 0, T, 2, false, false)
                                          << QList<int>{1, 1, 2, 2, 3, 3};
    // Reversal is of the pages chosen, each copy in the reversed order.
    QTest::newRow("ímpares invertidas, 2 agrupadas") << 5 << Op(0, 0, I, 2, true, true)
                                                    << QList<int>{5, 3, 1, 5, 3, 1};
    QTest::newRow("pares invertidas, 3 sem agrupar") << 4 << Op(0, 0, P, 3, false, true)
                                                    << QList<int>{4, 4, 4, 2, 2, 2};
    QTest::newRow("intervalo invertido, 2 agrupadas") << 6 << Op(2, 4, T, 2, true, true)
                                                     << QList<int>{4, 3, 2, 4, 3, 2};
    QTest::newRow("nenhuma cópia vale uma") << 2 << Op(0, 0, T, 0, true, false) << QList<int>{1, 2};
    QTest::newRow("trabalho sem páginas") << 0 << Op(0, 0, T, 2, true, false) << QList<int>{};
}

void TestSelecao::paginasAImprimir()
{
    QFETCH(int, total);
    QFETCH(OpcoesImpressao, opcoes);
    QFETCH(QList<int>, esperado);
    QCOMPARE(PaginasAImprimir(total, opcoes), esperado);
}

void TestSelecao::validaOpcoes_data()
{
    QTest::addColumn<OpcoesImpressao>("opcoes");
    QTest::addColumn<bool>("valida");
    const auto T = Paridade::Todas;
    QTest::newRow("tudo") << Op(0, 0, T, 1, true, false) << true;
    QTest::newRow("uma página") << Op(2, 2, T, 1, true, false) << true;
    QTest::newRow("de maior que até") << Op(3, 2, T, 1, true, false) << false;
    QTest::newRow("sem cópias") << Op(0, 0, T, 0, true, false) << false;
    QTest::newRow("página negativa") << Op(-1, 2, T, 1, true, false) << false;
}

void TestSelecao::validaOpcoes()
{
    QFETCH(OpcoesImpressao, opcoes);
    QFETCH(bool, valida);
    QCOMPARE(ValidaOpcoes(opcoes).isEmpty(), valida);
}

void TestSelecao::dialogoLeEDevolveAsOpcoes()
{
    ConfiguracaoTexto config;
    config.tituloSetup = QStringLiteral("Configuração");
    OpcoesImpressao o = Op(2, 3, Paridade::Pares, 4, false, true);
    o.impressora = kModeloPersonalizado;
    o.visualizar = false;
    TfrmConfiguraTexto dlg(config, o, 5);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Configuração"));
    QCOMPARE(dlg.Opcoes(), o);

    // The custom model is always offered, with its driving mode shown.
    auto *impressora = dlg.findChild<QComboBox *>(QStringLiteral("cbbox_Impressora"));
    QVERIFY(impressora->findText(kModeloPersonalizado) >= 0);
    QCOMPARE(dlg.findChild<QLabel *>(QStringLiteral("Lbl_Modo"))->text(), QStringLiteral("EPSON"));

    // Every page again, odd pages, collated, preview back on.
    dlg.findChild<QRadioButton *>(QStringLiteral("RB_Todas"))->click();
    dlg.findChild<QComboBox *>(QStringLiteral("cbbox_Paridade"))->setCurrentIndex(1);
    dlg.findChild<QCheckBox *>(QStringLiteral("chk_Agrupar"))->click();
    dlg.findChild<QCheckBox *>(QStringLiteral("chk_Visualizar"))->click();
    const OpcoesImpressao lidas = dlg.Opcoes();
    QCOMPARE(lidas.paginaDe, 0);
    QCOMPARE(lidas.paginaAte, 0);
    QCOMPARE(lidas.paridade, Paridade::Impares);
    QCOMPARE(lidas.agrupar, true);
    QCOMPARE(lidas.visualizar, true);
    QCOMPARE(lidas.copias, 4);
}

void TestSelecao::dialogoRecusaIntervaloInvertido()
{
    RespostasMensagem respostas;
    TfrmConfiguraTexto dlg(ConfiguracaoTexto{}, OpcoesImpressao{}, 5);
    dlg.show();
    dlg.findChild<QRadioButton *>(QStringLiteral("RB_Intervalo"))->click();
    dlg.findChild<QSpinBox *>(QStringLiteral("spin_De"))->setValue(4);
    dlg.findChild<QSpinBox *>(QStringLiteral("spin_Ate"))->setValue(2);
    QTest::mouseClick(dlg.findChild<QPushButton *>(QStringLiteral("btn_Ok")), Qt::LeftButton);
    QCOMPARE(respostas.Quantas(), 1);
    QCOMPARE(respostas.Ultima().texto, QStringLiteral("Intervalo de páginas inválido."));
    QCOMPARE(respostas.Ultima().titulo, QStringLiteral("Rdprint Setup"));
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
}

void TestSelecao::cancelarODialogoAbandonaOTrabalho()
{
    ImpressaoTexto rd;
    int rodapes = 0;
    rd.OnBeforeNewPage = [&](int) { ++rodapes; };
    rd.OpenJob();
    QString titulo;
    NoDialogoModal([&titulo](QWidget *w) {
        titulo = w->windowTitle();
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("btn_Cancelar")),
                          Qt::LeftButton);
    });
    QVERIFY(!rd.ConfirmSetup());
    QCOMPARE(titulo, QStringLiteral("Rdprint Setup"));
    rd.CloseJob(); // no preview opens: nothing is left to close
    QCOMPARE(rodapes, 0);
}

void TestSelecao::cleanup()
{
    QVERIFY(NenhumaJanelaVisivel());
}

QTEST_MAIN(TestSelecao)
#include "tst_selecao.moc"
