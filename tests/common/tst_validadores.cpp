// CPF and CNPJ checks and the display formatting by kind.
#include "common/U_Funcoes.h"

#include <QTest>

class TestValidadores : public QObject {
    Q_OBJECT
private slots:
    void cpf_data();
    void cpf();
    void cnpj_data();
    void cnpj();
    void formataPorTipo_data();
    void formataPorTipo();
};

// 529.982.247-25 and 123.456.789-09 are valid numbers; changing either check
// digit must make them fail.
void TestValidadores::cpf_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("valido");
    QTest::newRow("vazio") << "" << true;
    QTest::newRow("brancos") << "   " << true;
    QTest::newRow("so pontuacao") << "..-" << true;
    QTest::newRow("mascara vazia com brancos") << "   .   .   -  " << true;
    QTest::newRow("curto") << "123" << false;
    QTest::newRow("10 digitos") << "5299822472" << false;
    QTest::newRow("12 digitos") << "529982247250" << false;
    QTest::newRow("digitos corridos") << "52998224725" << true;
    QTest::newRow("pontuado") << "529.982.247-25" << true;
    QTest::newRow("outro valido") << "12345678909" << true;
    QTest::newRow("primeiro DV errado") << "52998224735" << false;
    QTest::newRow("segundo DV errado") << "52998224726" << false;
    // The check digits are the only test: a repeated digit is not refused.
    QTest::newRow("repetido 1") << "111.111.111-11" << true;
    QTest::newRow("repetido 0") << "00000000000" << true;
    QTest::newRow("letra no fim") << "52998224725a" << false;
    QTest::newRow("letra no meio") << "529.98X.247-25" << false;
    QTest::newRow("so letra") << "a" << false;
    QTest::newRow("barra") << "529982247/25" << false;
    QTest::newRow("underscore da mascara") << "529.982.247-2_" << false;
    // Blanks between digits are skipped, like the punctuation.
    QTest::newRow("brancos no meio") << "529 982 247 25" << true;
}

void TestValidadores::cpf()
{
    QFETCH(QString, texto);
    QFETCH(bool, valido);
    QCOMPARE(ValidaCPF(texto), valido);
}

// 11.222.333/0001-81 and 11.444.777/0001-61 are valid numbers.
void TestValidadores::cnpj_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("valido");
    QTest::newRow("vazio") << "" << true;
    QTest::newRow("brancos") << "              " << true;
    QTest::newRow("14 digitos") << "11222333000181" << true;
    QTest::newRow("outro valido") << "11444777000161" << true;
    QTest::newRow("padrao de 18") << "11.222.333/0001-81" << true;
    QTest::newRow("primeiro DV errado") << "11222333000191" << false;
    QTest::newRow("segundo DV errado") << "11222333000182" << false;
    QTest::newRow("13 digitos") << "1122233300018" << false;
    QTest::newRow("letra") << "1122233300018A" << false;
    QTest::newRow("letra na base") << "11222B33000181" << false;
    QTest::newRow("curto") << "123" << false;
    // Only texts longer than 14 lose their punctuation, and they lose it by
    // position: whatever stands there is dropped, whatever else is kept.
    QTest::newRow("padrao com outra pontuacao") << "11 222 333 0001 81" << true;
    QTest::newRow("padrao deslocado") << "112.22.333/0001-81" << false;
    QTest::newRow("14 com pontuacao") << "11.222.333/0001" << false;
    QTest::newRow("alem de 18 ignorado") << "11.222.333/0001-81XYZ" << true;
    QTest::newRow("mascara vazia") << "  .   .   /    -  " << true;
    QTest::newRow("digito a mais sem pontuacao") << "112223330001810" << false;
}

void TestValidadores::cnpj()
{
    QFETCH(QString, texto);
    QFETCH(bool, valido);
    QCOMPARE(ValidaCNPJ(texto), valido);
}

void TestValidadores::formataPorTipo_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("CEP") << "CEP" << "12345678" << "12345-678";
    // Missing characters leave their part empty; the punctuation stays.
    QTest::newRow("CEP curto") << "CEP" << "123" << "123-";
    QTest::newRow("CEP vazio") << "CEP" << "" << "-";
    QTest::newRow("CGC") << "CGC" << "11222333000181" << "11.222.333/0001-81";
    QTest::newRow("CGC curto") << "CGC" << "1122233" << "11.222.33/-";
    QTest::newRow("CPF") << "CPF" << "52998224725" << "529.982.247-25";
    QTest::newRow("SETOR") << "SETOR" << "010203" << "01.02.03";
    QTest::newRow("FONE 10") << "FONE" << "1123456789" << "(11) 2345-6789";
    QTest::newRow("FONE 11") << "FONE" << "01123456789" << "(011) 2345-6789";
    QTest::newRow("FONE 6") << "FONE" << "123456" << "(   ) 12-3456";
    // 8 and 9 characters: the last four are the second group, nothing lost.
    QTest::newRow("FONE 8") << "FONE" << "23456789" << "(   ) 2345-6789";
    QTest::newRow("FONE 9") << "FONE" << "923456789" << "(   ) 92345-6789";
    QTest::newRow("FONE 7") << "FONE" << "1234567" << "";
    QTest::newRow("FONE 12") << "FONE" << "112345678901" << "";
    QTest::newRow("FONE vazio") << "FONE" << "" << "";
    QTest::newRow("tipo minusculo") << "cep" << "12345678" << "";
    QTest::newRow("tipo misto") << "Fone" << "1123456789" << "";
    QTest::newRow("tipo desconhecido") << "RG" << "123" << "";
    QTest::newRow("tipo vazio") << "" << "123" << "";
}

void TestValidadores::formataPorTipo()
{
    QFETCH(QString, tipo);
    QFETCH(QString, valor);
    QFETCH(QString, esperado);
    QCOMPARE(FormataPorTipo(tipo, valor), esperado);
}

QTEST_GUILESS_MAIN(TestValidadores)
#include "tst_validadores.moc"
