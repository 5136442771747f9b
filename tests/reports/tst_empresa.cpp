// The company sheet against pages worked out by hand, every cell compared:
// one page, header, one field per line with bold labels, the postal code,
// CNPJ and telephone punctuated, and those three left out (labels kept)
// when the form's field is empty.
#include "reports/Esperados.h"
#include "reports/ImpressosTexto.h"
#include "support/CapturaImpressao.h"

#include <QTest>

using namespace esperado;

Q_DECLARE_METATYPE(DadosEmpresa)
Q_DECLARE_METATYPE(QList<TextoEsperado>)

namespace {
// Labels at column 1 in bold, from row 6.
QList<TextoEsperado> Rotulos()
{
    const char16_t *rotulos[] = {u"Código......:", u"Razão Social:", u"Endereço....:",
                                 u"Bairro......:", u"Complemento.:", u"Cidade......:",
                                 u"UF..........:", u"CEP.........:", u"CNPJ........:",
                                 u"Fone........:", u"Responsável.:"};
    QList<TextoEsperado> t;
    int linha = 6;
    for (const char16_t *r : rotulos)
        t.append({linha++, 1, QString::fromUtf16(r), kNegrito});
    return t;
}

QList<TextoEsperado> Valores(bool comDocumentos)
{
    QList<TextoEsperado> t{
        {6, 18, QStringLiteral("0001"), kNormal},
        {7, 18, QStringLiteral("PREFEITURA MUNICIPAL DE SÃO JOSÉ"), kNormal},
        {8, 18, QStringLiteral("RUA DAS FLORES, 100"), kNormal},
        {9, 18, QStringLiteral("CENTRO"), kNormal},
        {10, 18, QStringLiteral("SALA 2"), kNormal},
        {11, 18, QStringLiteral("SÃO JOSÉ DO RIO PARDO"), kNormal},
        {12, 18, QStringLiteral("SP"), kNormal},
        {16, 18, QStringLiteral("JOÃO DA SILVA"), kNormal},
    };
    if (comDocumentos) {
        t.append({13, 18, QStringLiteral("13720-000"), kNormal});
        t.append({14, 18, QStringLiteral("11.222.333/0001-81"), kNormal});
        t.append({15, 18, QStringLiteral("(19) 3608-1234"), kNormal});
    }
    return t;
}
} // namespace

class TestEmpresa : public QObject {
    Q_OBJECT
private slots:
    void folhaCelulaACelula_data();
    void folhaCelulaACelula();
};

void TestEmpresa::folhaCelulaACelula_data()
{
    QTest::addColumn<DadosEmpresa>("dados");
    QTest::addColumn<QList<TextoEsperado>>("esperada");
    const QList<TextoEsperado> moldura = Cabecalho(30, kTituloEmpresa) + Rodape("0001");

    QTest::newRow("completa") << EmpresaCompleta() << (moldura + Rotulos() + Valores(true));

    DadosEmpresa sem = EmpresaCompleta();
    sem.cep.clear();
    sem.cnpj.clear();
    sem.fone.clear();
    QTest::newRow("sem CEP, CNPJ e telefone") << sem << (moldura + Rotulos() + Valores(false));

    // A field left with only blanks counts as empty, not as a value to punctuate.
    DadosEmpresa brancos = sem;
    brancos.cep = QStringLiteral("        ");
    QTest::newRow("CEP em branco") << brancos << (moldura + Rotulos() + Valores(false));

    // The code keeps four digits; the field values print as typed.
    DadosEmpresa vazia;
    QTest::newRow("formulário vazio")
        << vazia << (moldura + Rotulos() + QList<TextoEsperado>{{6, 18, "0001", kNormal}});
}

void TestEmpresa::folhaCelulaACelula()
{
    QFETCH(DadosEmpresa, dados);
    QFETCH(QList<TextoEsperado>, esperada);
    CapturaImpressao captura;
    ImprimeEmpresa(dados, nullptr, [] { return Quando(); });
    QCOMPARE(captura.Dialogos(), 1);
    QCOMPARE(captura.Trabalhos().size(), 1);
    QCOMPARE(captura.Ultimo().paginas.size(), 1);
    QCOMPARE(ComparaPagina(captura.Ultimo().paginas[0], esperada), QString());
}

QTEST_MAIN(TestEmpresa)
#include "tst_empresa.moc"
