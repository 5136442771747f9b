// The date box, the currency box and the edit with a button.
#include "common/CaixaData.h"
#include "common/CaixaMoeda.h"
#include "common/EditBotao.h"

#include "support/TeclasFoco.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>

class TestCaixas : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void dataEmBranco();
    void dataDigitada_data();
    void dataDigitada();
    void dataDefinida();
    void calendario();
    void moeda_data();
    void moeda();
    void moedaDefinida_data();
    void moedaDefinida();
    void editBotao();
};

namespace {
// A box followed by another edit, so the focus can leave it.
template <typename Caixa> struct ComSaida {
    QDialog janela;
    Caixa *caixa = new Caixa(&janela);
    QLineEdit *depois = new QLineEdit(&janela);

    ComSaida()
    {
        auto *l = new QVBoxLayout(&janela);
        l->addWidget(caixa);
        l->addWidget(depois);
    }
};
} // namespace

void TestCaixas::cleanup()
{
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void TestCaixas::dataEmBranco()
{
    CaixaData d;
    QCOMPARE(d.displayText(), QStringLiteral("  /  /    "));
    QVERIFY(d.EmBranco());
    QVERIFY(d.Data().isNull());
}

void TestCaixas::dataDigitada_data()
{
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("exibido");
    QTest::addColumn<QDate>("data");
    QTest::addColumn<bool>("emBranco");
    QTest::newRow("inteira") << "05032024" << "05/03/2024" << QDate(2024, 3, 5) << false;
    QTest::newRow("29 de fevereiro") << "29022024" << "29/02/2024" << QDate(2024, 2, 29) << false;
    // Not a date: it reads as none, like the blank box, but is not blank.
    QTest::newRow("sem ano") << "0503" << "05/03/    " << QDate() << false;
    QTest::newRow("ano de dois digitos") << "050324" << "05/03/24  " << QDate() << false;
    QTest::newRow("31 de fevereiro") << "31022023" << "31/02/2023" << QDate() << false;
    QTest::newRow("nada") << "" << "  /  /    " << QDate() << true;
}

void TestCaixas::dataDigitada()
{
    QFETCH(QString, digitado);
    QFETCH(QString, exibido);
    QFETCH(QDate, data);
    QFETCH(bool, emBranco);
    ComSaida<CaixaData> f;
    QVERIFY(MostraAtiva(&f.janela));
    f.caixa->setFocus();
    f.caixa->setCursorPosition(0);
    Digita(digitado);
    Tecla(Qt::Key_Tab);
    QCOMPARE(Focado(), f.depois);
    QCOMPARE(f.caixa->displayText(), exibido);
    QCOMPARE(f.caixa->Data(), data);
    QCOMPARE(f.caixa->EmBranco(), emBranco);
}

void TestCaixas::dataDefinida()
{
    CaixaData d;
    d.DefineData(QDate(1999, 12, 31));
    QCOMPARE(d.displayText(), QStringLiteral("31/12/1999"));
    QCOMPARE(d.Data(), QDate(1999, 12, 31));
    d.DefineData(QDate(2024, 1, 2));
    QCOMPARE(d.displayText(), QStringLiteral("02/01/2024"));
    d.DefineData(QDate());
    QCOMPARE(d.displayText(), QStringLiteral("  /  /    "));
    QVERIFY(d.Data().isNull());
    d.DefineData(QDate(2024, 1, 2));
    d.Limpa();
    QVERIFY(d.EmBranco());
}

void TestCaixas::calendario()
{
    ComSaida<CaixaData> f;
    f.caixa->DefineTituloCalendario(QStringLiteral("Selecione uma data"));
    QCOMPARE(f.caixa->TituloCalendario(), QStringLiteral("Selecione uma data"));
    QCalendarWidget *c = f.caixa->Calendario();
    QCOMPARE(c->firstDayOfWeek(), Qt::Sunday);
    const QColor sabado = c->weekdayTextFormat(Qt::Saturday).foreground().color();
    const QColor domingo = c->weekdayTextFormat(Qt::Sunday).foreground().color();
    const QColor sexta = c->weekdayTextFormat(Qt::Friday).foreground().color();
    QCOMPARE(sabado, domingo);
    QVERIFY(sabado != sexta);

    f.caixa->DefineData(QDate(2024, 3, 5));
    QVERIFY(MostraAtiva(&f.janela));
    f.caixa->setFocus();
    // F4 drops the calendar down on the box's date; a pick fills the box.
    Tecla(Qt::Key_F4);
    QVERIFY(f.caixa->JanelaCalendario()->isVisible());
    QCOMPARE(c->selectedDate(), QDate(2024, 3, 5));
    QSignalSpy escolhas(f.caixa, &CaixaData::dataEscolhida);
    c->setSelectedDate(QDate(2024, 3, 9));
    emit c->activated(c->selectedDate());
    QVERIFY(!f.caixa->JanelaCalendario()->isVisible());
    QCOMPARE(f.caixa->Data(), QDate(2024, 3, 9));
    QCOMPARE(escolhas.count(), 1);
    QCOMPARE(Focado(), f.caixa);
}

void TestCaixas::moeda_data()
{
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("exibido");
    QTest::addColumn<qint64>("centavos");
    QTest::newRow("zero") << "0" << "" << qint64(0);
    QTest::newRow("zero com decimais") << "0,00" << "" << qint64(0);
    QTest::newRow("nada") << "" << "" << qint64(0);
    QTest::newRow("150") << "150" << "150,00" << qint64(15000);
    QTest::newRow("1234,56") << "1234,56" << "1.234,56" << qint64(123456);
    // A point typed goes in as the decimal comma.
    QTest::newRow("ponto decimal") << "1234.56" << "1.234,56" << qint64(123456);
    QTest::newRow("terceira decimal recusada") << "1,239" << "1,23" << qint64(123);
    QTest::newRow("letras recusadas") << "1a5b0" << "150,00" << qint64(15000);
    QTest::newRow("negativo") << "-12,5" << "- 12,50" << qint64(-1250);
}

void TestCaixas::moeda()
{
    QFETCH(QString, digitado);
    QFETCH(QString, exibido);
    QFETCH(qint64, centavos);
    ComSaida<CaixaMoeda> f;
    QVERIFY(MostraAtiva(&f.janela));
    f.caixa->setFocus();
    Digita(digitado);
    Tecla(Qt::Key_Tab);
    QCOMPARE(Focado(), f.depois);
    QCOMPARE(f.caixa->text(), exibido);
    QCOMPARE(f.caixa->Centavos(), centavos);
    QCOMPARE(f.caixa->Vazia(), exibido.isEmpty());
}

void TestCaixas::moedaDefinida_data()
{
    QTest::addColumn<qint64>("centavos");
    QTest::addColumn<QString>("exibido");
    QTest::addColumn<QString>("editando");
    QTest::newRow("0") << qint64(0) << "" << "";
    QTest::newRow("150") << qint64(15000) << "150,00" << "150,00";
    QTest::newRow("1234,56") << qint64(123456) << "1.234,56" << "1234,56";
}

// A stored amount shown, edited (plain), and left again (formatted).
void TestCaixas::moedaDefinida()
{
    QFETCH(qint64, centavos);
    QFETCH(QString, exibido);
    QFETCH(QString, editando);
    ComSaida<CaixaMoeda> f;
    f.caixa->DefineCentavos(centavos);
    QCOMPARE(f.caixa->text(), exibido);
    QCOMPARE(f.caixa->Centavos(), centavos);
    QVERIFY(MostraAtiva(&f.janela));
    f.caixa->setFocus(Qt::TabFocusReason);
    QCOMPARE(f.caixa->text(), editando);
    QCOMPARE(f.caixa->Centavos(), centavos);
    Tecla(Qt::Key_Tab);
    QCOMPARE(f.caixa->text(), exibido);
}

void TestCaixas::editBotao()
{
    ComSaida<EditBotao> f;
    QSignalSpy cliques(f.caixa, &EditBotao::botaoClicado);
    QVERIFY(MostraAtiva(&f.janela));
    f.caixa->setFocus();
    Tecla(Qt::Key_F2);
    QCOMPARE(cliques.count(), 1);
    QTest::mouseClick(f.caixa->Botao(), Qt::LeftButton);
    QCOMPARE(cliques.count(), 2);
    // The button takes no focus; other keys type as usual.
    QCOMPARE(Focado(), f.caixa);
    Digita(QStringLiteral("12"));
    Tecla(Qt::Key_F3);
    QCOMPARE(f.caixa->text(), QStringLiteral("12"));
    QCOMPARE(cliques.count(), 2);
}

QTEST_MAIN(TestCaixas)
#include "tst_caixas.moc"
