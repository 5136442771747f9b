// Masked-field values and money amounts, without any widget.
#include "common/Mascara.h"
#include "common/Moeda.h"

#include <QTest>

class TestValores : public QObject {
    Q_OBJECT
private slots:
    void valorMascara_data();
    void valorMascara();
    void exibeMascara_data();
    void exibeMascara();
    void mascaraQt();
    void formataMoeda_data();
    void formataMoeda();
    void leMoeda_data();
    void leMoeda();
};

void TestValores::valorMascara_data()
{
    QTest::addColumn<QString>("padrao");
    QTest::addColumn<QString>("exibido");
    QTest::addColumn<QString>("valor");
    QTest::newRow("CEP cheio") << kMascaraCEP << "12.345-678" << "12345678";
    QTest::newRow("CEP tres digitos") << kMascaraCEP << "12.3__-___" << "123";
    QTest::newRow("CEP intocado") << kMascaraCEP << "__.___-___" << "";
    // A gap in the middle stays a blank; the digits after it keep their place.
    QTest::newRow("CEP lacuna") << kMascaraCEP << "12.3_5-6__" << "123 56";
    QTest::newRow("CEP comeca vazio") << kMascaraCEP << "__.345-678" << "  345678";
    QTest::newRow("CNPJ cheio") << kMascaraCNPJ << "11.222.333/0001-81" << "11222333000181";
    QTest::newRow("fone cheio") << kMascaraFone << "(11) 2345-6789" << "1123456789";
    QTest::newRow("fone sem numero") << kMascaraFone << "(11) ____-____" << "11";
    QTest::newRow("CPF cheio") << kMascaraCPF << "529.982.247-25" << "52998224725";
    QTest::newRow("CPF blanks de espaco") << kMascaraCPF << "529.9  .   -  " << "5299";
    QTest::newRow("texto vazio") << kMascaraCPF << "" << "";
}

void TestValores::valorMascara()
{
    QFETCH(QString, padrao);
    QFETCH(QString, exibido);
    QFETCH(QString, valor);
    QCOMPARE(ValorMascara(padrao, exibido), valor);
}

void TestValores::exibeMascara_data()
{
    QTest::addColumn<QString>("padrao");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QString>("exibido");
    QTest::newRow("CEP") << kMascaraCEP << "12345678" << "12.345-678";
    QTest::newRow("CEP parcial") << kMascaraCEP << "123" << "12.3__-___";
    QTest::newRow("CEP vazio") << kMascaraCEP << "" << "__.___-___";
    QTest::newRow("CEP com branco") << kMascaraCEP << "123 56" << "12.3_5-6__";
    QTest::newRow("fone") << kMascaraFone << "1123456789" << "(11) 2345-6789";
    QTest::newRow("CPF") << kMascaraCPF << "52998224725" << "529.982.247-25";
    QTest::newRow("CNPJ") << kMascaraCNPJ << "11222333000181" << "11.222.333/0001-81";
    QTest::newRow("digitos a mais") << kMascaraCEP << "1234567890" << "12.345-678";
}

void TestValores::exibeMascara()
{
    QFETCH(QString, padrao);
    QFETCH(QString, valor);
    QFETCH(QString, exibido);
    QCOMPARE(ExibeMascara(padrao, valor), exibido);
    // And what is shown reads back as the value (trailing blanks aside).
    QCOMPARE(ValorMascara(padrao, exibido), ValorMascara(padrao, ExibeMascara(padrao, valor)));
}

void TestValores::mascaraQt()
{
    QCOMPARE(MascaraQt(kMascaraCEP), QStringLiteral("00.000-000;_"));
    QCOMPARE(MascaraQt(kMascaraFone), QStringLiteral("(00) 0000-0000;_"));
    QCOMPARE(MascaraQt(QStringLiteral("99/99/9999"), u' '), QStringLiteral("00/00/0000; "));
    // A punctuation character that is a Qt mask letter must come out as itself.
    QCOMPARE(MascaraQt(QStringLiteral("9A9")), QStringLiteral("0\\A0;_"));
}

void TestValores::formataMoeda_data()
{
    QTest::addColumn<qint64>("centavos");
    QTest::addColumn<QString>("exibido");
    QTest::addColumn<QString>("edicao");
    QTest::newRow("zero") << qint64(0) << "0,00" << "0,00";
    QTest::newRow("5 centavos") << qint64(5) << "0,05" << "0,05";
    QTest::newRow("150") << qint64(15000) << "150,00" << "150,00";
    QTest::newRow("999,99") << qint64(99999) << "999,99" << "999,99";
    QTest::newRow("1234,56") << qint64(123456) << "1.234,56" << "1234,56";
    QTest::newRow("milhao") << qint64(123456789) << "1.234.567,89" << "1234567,89";
    QTest::newRow("negativo") << qint64(-123456) << "- 1.234,56" << "-1234,56";
    QTest::newRow("negativo pequeno") << qint64(-5) << "- 0,05" << "-0,05";
}

void TestValores::formataMoeda()
{
    QFETCH(qint64, centavos);
    QFETCH(QString, exibido);
    QFETCH(QString, edicao);
    QCOMPARE(FormataMoeda(centavos), exibido);
    QCOMPARE(TextoEdicaoMoeda(centavos), edicao);
    // Both forms read back exactly.
    QCOMPARE(LeMoeda(exibido), std::optional<qint64>(centavos));
    QCOMPARE(LeMoeda(edicao), std::optional<qint64>(centavos));
}

void TestValores::leMoeda_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("legivel");
    QTest::addColumn<qint64>("centavos");
    QTest::newRow("vazio") << "" << false << qint64(0);
    QTest::newRow("brancos") << "  " << false << qint64(0);
    QTest::newRow("inteiro") << "150" << true << qint64(15000);
    QTest::newRow("uma decimal") << "12,5" << true << qint64(1250);
    QTest::newRow("virgula no fim") << "12," << true << qint64(1200);
    QTest::newRow("so decimais") << ",5" << true << qint64(50);
    QTest::newRow("terceira decimal arredonda") << "0,125" << true << qint64(13);
    QTest::newRow("terceira decimal baixa") << "0,124" << true << qint64(12);
    QTest::newRow("letra") << "12a" << false << qint64(0);
    QTest::newRow("so sinal") << "-" << false << qint64(0);
    QTest::newRow("duas virgulas") << "1,2,3" << false << qint64(0);
    QTest::newRow("15 digitos") << "999999999999999,99" << true << qint64(99999999999999999);
    QTest::newRow("16 digitos") << "9999999999999999" << false << qint64(0);
}

void TestValores::leMoeda()
{
    QFETCH(QString, texto);
    QFETCH(bool, legivel);
    QFETCH(qint64, centavos);
    const std::optional<qint64> lido = LeMoeda(texto);
    QCOMPARE(lido.has_value(), legivel);
    if (legivel)
        QCOMPARE(*lido, centavos);
}

QTEST_GUILESS_MAIN(TestValores)
#include "tst_valores.moc"
