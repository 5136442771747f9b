// Where PrintCentred and PrintRight put a text: start columns for normal,
// bold and 17-cpi texts, rounding of halves to the even neighbour, and the
// floor at column 1.
#include "platform/textprint/TrabalhoTexto.h"

#include <QTest>

Q_DECLARE_METATYPE(Atributos)

namespace {
const Atributos kNormal;
const Atributos kNegrito(Atributo::Negrito);
const Atributos k17cpi(Atributo::Comprimido17);
constexpr bool kCentrado = false, kDireita = true;

QString Texto(int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(u'A' + i % 26);
    return s;
}

// First cell of the row that holds something; 0 for an empty row.
int PrimeiraColuna(const PaginaTexto &p, int linha)
{
    for (int c = 1; c <= kCelulasLinha; ++c)
        if (!p.Em(linha, c).Vazia())
            return c;
    return 0;
}
} // namespace

class TestAlinhamento : public QObject {
    Q_OBJECT
private slots:
    void arredondaPar_data();
    void arredondaPar();
    void alinhamento_data();
    void alinhamento();
};

void TestAlinhamento::arredondaPar_data()
{
    QTest::addColumn<int>("numerador");
    QTest::addColumn<int>("denominador");
    QTest::addColumn<int>("esperado");
    QTest::newRow("0,5 vai ao par 0") << 1 << 2 << 0;
    QTest::newRow("1,5 vai ao par 2") << 3 << 2 << 2;
    QTest::newRow("2,5 vai ao par 2") << 5 << 2 << 2;
    QTest::newRow("-0,5 vai ao par 0") << -1 << 2 << 0;
    QTest::newRow("-1,5 vai ao par -2") << -3 << 2 << -2;
    QTest::newRow("-0,49 vai a 0") << -49 << 100 << 0;
    QTest::newRow("0,51 vai a 1") << 51 << 100 << 1;
    QTest::newRow("-0,51 vai a -1") << -51 << 100 << -1;
}

void TestAlinhamento::arredondaPar()
{
    QFETCH(int, numerador);
    QFETCH(int, denominador);
    QFETCH(int, esperado);
    QCOMPARE(ArredondaPar(numerador, denominador), esperado);
}

void TestAlinhamento::alinhamento_data()
{
    QTest::addColumn<bool>("direita"); // PrintRight; otherwise PrintCentred
    QTest::addColumn<Atributos>("atributos");
    QTest::addColumn<int>("coluna");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("esperado");
    // Normal width: c - round(n/2 - 0.49), or c - round(n/2) below two characters.
    QTest::newRow("centrado: normal 0: nada a recuar") << kCentrado << kNormal << 40 << 0 << 40;
    // round(0.5) is 0, the even neighbour: one character starts on the column
    // itself, not one before it.
    QTest::newRow("centrado: normal 1: meio vai ao par") << kCentrado << kNormal << 40 << 1 << 40;
    QTest::newRow("centrado: negrito 1: meio vai ao par") << kCentrado << kNegrito << 40 << 1 << 40;
    // round(1 - 0.49) = round(0.51) = 1.
    QTest::newRow("centrado: normal 2") << kCentrado << kNormal << 40 << 2 << 39;
    // round(1.5 - 0.49) = round(1.01) = 1 = floor(3/2).
    QTest::newRow("centrado: normal 3") << kCentrado << kNormal << 40 << 3 << 39;
    // round(39.5 - 0.49) = 39 = floor(79/2): 40 - 39 = 1.
    QTest::newRow("centrado: normal 79") << kCentrado << kNormal << 40 << 79 << 1;
    QTest::newRow("centrado: negrito 79") << kCentrado << kNegrito << 40 << 79 << 1;
    // 30 - 39 = -9, below column 1.
    QTest::newRow("centrado: normal 79 abaixo da coluna 1") << kCentrado << kNormal << 30 << 79 << 1;
    // 17 cpi, w = 0.5848.
    QTest::newRow("centrado: 17cpi 0") << kCentrado << k17cpi << 40 << 0 << 40;
    // round(0.2924) = 0.
    QTest::newRow("centrado: 17cpi 1") << kCentrado << k17cpi << 40 << 1 << 40;
    // round(0.5848 - 0.49) = round(0.0948) = 0: two narrow letters start on the column.
    QTest::newRow("centrado: 17cpi 2") << kCentrado << k17cpi << 40 << 2 << 40;
    // 0.5848 * 79 / 2 = 23.0996; round(23.0996 - 0.49) = round(22.6096) = 23.
    QTest::newRow("centrado: 17cpi 79") << kCentrado << k17cpi << 40 << 79 << 17;
    // 20 - 23 = -3, below column 1.
    QTest::newRow("centrado: 17cpi 79 abaixo da coluna 1") << kCentrado << k17cpi << 20 << 79 << 1;
    // A one-letter text on column 1: 1 - 0 = 1.
    QTest::newRow("centrado: normal 1 na coluna 1") << kCentrado << kNormal << 1 << 1 << 1;
    // 2 - round(1 - 0.49) = 1, exactly on the floor.
    QTest::newRow("centrado: normal 2 na coluna 2") << kCentrado << kNormal << 2 << 2 << 1;
    // Normal width: c - round(n - 0.49) = c - n for n of 1 or more.
    // round(-0.49) = 0.
    QTest::newRow("direita: normal 0") << kDireita << kNormal << 80 << 0 << 80;
    QTest::newRow("direita: normal 1") << kDireita << kNormal << 80 << 1 << 79;
    QTest::newRow("direita: negrito 1") << kDireita << kNegrito << 80 << 1 << 79;
    QTest::newRow("direita: normal 2") << kDireita << kNormal << 80 << 2 << 78;
    QTest::newRow("direita: normal 79") << kDireita << kNormal << 80 << 79 << 1;
    // 60 - 79 = -19, below column 1.
    QTest::newRow("direita: normal 79 abaixo da coluna 1") << kDireita << kNormal << 60 << 79 << 1;
    QTest::newRow("direita: 17cpi 0") << kDireita << k17cpi << 80 << 0 << 80;
    // round(0.5848 - 0.49) = round(0.0948) = 0.
    QTest::newRow("direita: 17cpi 1") << kDireita << k17cpi << 80 << 1 << 80;
    // round(1.1696 - 0.49) = round(0.6796) = 1.
    QTest::newRow("direita: 17cpi 2") << kDireita << k17cpi << 80 << 2 << 79;
    // round(46.1992 - 0.49) = round(45.7092) = 46.
    QTest::newRow("direita: 17cpi 79") << kDireita << k17cpi << 80 << 79 << 34;
    // 40 - 46 = -6, below column 1.
    QTest::newRow("direita: 17cpi 79 abaixo da coluna 1") << kDireita << k17cpi << 40 << 79 << 1;
    // A page footer's "dd/mm/yyyy - hh:mm Folha - 0001", 31 narrow letters:
    // round(18.1288 - 0.49) = round(17.6388) = 18.
    QTest::newRow("direita: 17cpi 31, rodapé") << kDireita << k17cpi << 80 << 31 << 62;
}

void TestAlinhamento::alinhamento()
{
    QFETCH(bool, direita);
    QFETCH(Atributos, atributos);
    QFETCH(int, coluna);
    QFETCH(int, n);
    QFETCH(int, esperado);
    QCOMPARE(direita ? ColunaDireita(coluna, n, atributos) : ColunaCentrada(coluna, n, atributos),
             esperado);

    TrabalhoTexto t;
    t.OpenJob();
    if (direita)
        t.PrintRight(10, coluna, Texto(n), atributos);
    else
        t.PrintCentred(10, coluna, Texto(n), atributos);
    const PaginaTexto &p = t.Paginas().first();
    QCOMPARE(PrimeiraColuna(p, 10), n == 0 ? 0 : esperado);
    QCOMPARE(p.Texto(10, esperado, n), Texto(n));
    if (n > 0)
        QCOMPARE(p.Em(10, esperado).atributos, atributos);
}

QTEST_GUILESS_MAIN(TestAlinhamento)
#include "tst_alinhamento.moc"
