// Text-mode output: the ESC/P stream of a two-page job against a committed
// golden file, small streams worked out by hand, the transliteration of the
// accented letters, the driving mode from a printer's name, the PCL and
// roll-printer streams, and printing into a file.
#include "platform/textprint/ImpressoraTexto.h"
#include "platform/textprint/TrabalhoTexto.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ModoImpressao)

struct Escrita {
    int coluna;
    const char *texto;
    Atributos atributos;
};
Q_DECLARE_METATYPE(QList<Escrita>)

namespace {
const Atributos kNormal;
const Atributos kNegrito(Atributo::Negrito);
const Atributos k17cpi(Atributo::Comprimido17);

QByteArray B(std::initializer_list<int> v)
{
    QByteArray b;
    for (int x : v)
        b.append(char(x));
    return b;
}

// Initialise, page length 66, 1/6-inch line feed.
const QByteArray kInicio = B({27, 64, 27, 67, 66, 27, 50});
const QByteArray kNegritoEsc = B({27, 69});
const QByteArray k17cpiEsc = B({27, 80, 27, 15});
const QByteArray kRestaura = B({27, 80, 18, 20, 27, 53, 27, 70, 27, 45, 48});
const QByteArray kFF = B({12});

// A job as a printout makes one: a bold centred header at OpenJob and
// NewPage, a 17-cpi footer with a right-aligned page number.
QList<PaginaTexto> TrabalhoDeDuasPaginas()
{
    TrabalhoTexto t;
    t.OnNewPage = [&](int) {
        t.PrintCentred(1, 40, QStringLiteral("Relatório de Teste"), kNegrito);
    };
    t.OnBeforeNewPage = [&](int Pagina) {
        t.PrintStyled(8, 1, QStringLiteral("Rodapé da página"), k17cpi);
        t.PrintRight(8, 80, QStringLiteral("Folha - %1").arg(Pagina, 4, 10, QChar(u'0')), k17cpi);
    };
    t.OpenJob();
    t.ConfirmSetup();
    t.PrintText(3, 1, QStringLiteral("Código  Descrição"));
    t.PrintText(4, 1, QStringLiteral("00001"));
    t.PrintText(4, 9, QStringLiteral("AÇÃO DE GRAÇAS nº 1ª"));
    t.PrintStyled(5, 9, QStringLiteral("negrito"), kNegrito);
    t.NewPage();
    t.PrintText(4, 1, QStringLiteral("00002"));
    t.PrintStyled(4, 9, QStringLiteral("São João"), k17cpi);
    t.CloseJob();
    return t.Paginas();
}
} // namespace

class TestEscP : public QObject {
    Q_OBJECT
private slots:
    void duasPaginasContraOArquivoGuardado();
    void fluxosCalculadosAMao_data();
    void fluxosCalculadosAMao();
    void transliteracao_data();
    void transliteracao();
    void modoPeloNome_data();
    void modoPeloNome();
    void pcl();
    void bobina();
    void imprimeEmArquivo();
};

// The golden file was checked byte by byte when it was made. The stream: the
// 7 bytes of the start ("ESC @", "ESC C 66", "ESC 2"), then each row, where
// attributes are set before the spaces that lead to a stretch, in its width.
//   page 1, row 1: ESC E, 30 spaces, "Relatorio de Teste", reset, CR LF
//     ("Relatório de Teste" has 18 letters: 40 - round(9 - 0.49) = 31);
//   row 2: CR LF; row 3: "Codigo  Descricao" CR LF;
//   row 4: "00001   ACAO DE GRACAS no 1a" CR LF;
//   row 5: ESC E, 8 spaces, "negrito", reset, CR LF; rows 6, 7: CR LF;
//   row 8: ESC P ESC SI, "Rodape da pagina", 107 narrow spaces, "Folha - 0001",
//     reset, CR LF (a 17-cpi "Folha - 0001" starts at 80 - round(7.0176 -
//     0.49) = 73, which begins 72 columns in; from 16 x 0.5848 = 9.36 that is
//     107.1 narrow spaces); FF;
//   page 2: the same header; row 4 "00002", ESC P ESC SI, 5 narrow spaces
//     (from 5 to 8 columns: 5.13), "Sao Joao", reset, CR LF; the footer with
//     "Folha - 0002"; FF.
void TestEscP::duasPaginasContraOArquivoGuardado()
{
    const QByteArray fluxo = CodificaEscP(TrabalhoDeDuasPaginas(), ModeloPersonalizadoEpson());
    const QString caminho = QFINDTESTDATA("data/escp_duas_paginas.bin");
    if (qEnvironmentVariableIsSet("KIRO_GRAVA_ESPERADO")) {
        QFile f(QStringLiteral(QT_TESTCASE_SOURCEDIR "/textprint/data/escp_duas_paginas.bin"));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(fluxo);
        QSKIP("golden file written");
    }
    QVERIFY2(!caminho.isEmpty(), "data/escp_duas_paginas.bin is missing");
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray esperado = f.readAll();
    QCOMPARE(fluxo.toHex(' '), esperado.toHex(' '));

    // What the comment above says, checked on its own as well.
    QVERIFY(fluxo.startsWith(kInicio + kNegritoEsc + QByteArray(30, ' ') + "Relatorio de Teste"
                             + kRestaura + "\r\n\r\nCodigo  Descricao\r\n"
                             + "00001   ACAO DE GRACAS no 1a\r\n"));
    QCOMPARE(fluxo.count(kFF), 2);
    QVERIFY(fluxo.endsWith(kFF));
    QVERIFY(fluxo.contains("\r\n00002" + k17cpiEsc + "     Sao Joao" + kRestaura + "\r\n"));
    QVERIFY(fluxo.contains(k17cpiEsc + "Rodape da pagina" + QByteArray(107, ' ') + "Folha - 0001"
                           + kRestaura + "\r\n" + kFF));
    QVERIFY(fluxo.contains(QByteArray(8, ' ') + "Folha - 0002" + kRestaura + "\r\n" + kFF));
}

void TestEscP::fluxosCalculadosAMao_data()
{
    QTest::addColumn<QList<Escrita>>("linha1");
    QTest::addColumn<QByteArray>("esperado");
    QTest::newRow("página vazia: só o avanço de página") << QList<Escrita>{} << (kInicio + kFF);
    QTest::newRow("texto normal na coluna 3: dois espaços")
        << QList<Escrita>{{3, "AB", kNormal}} << (kInicio + "  AB\r\n" + kFF);
    QTest::newRow("negrito desligado pela restauração no fim da linha")
        << QList<Escrita>{{1, "X", kNegrito}}
        << (kInicio + kNegritoEsc + "X" + kRestaura + "\r\n" + kFF);
    QTest::newRow("acrescentar negrito não restaura")
        << QList<Escrita>{{1, "A", kNormal}, {2, "B", kNegrito}}
        << (kInicio + "A" + kNegritoEsc + "B" + kRestaura + "\r\n" + kFF);
    QTest::newRow("tirar negrito restaura antes do texto")
        << QList<Escrita>{{1, "A", kNegrito}, {2, "B", kNormal}}
        << (kInicio + kNegritoEsc + "A" + kRestaura + "B\r\n" + kFF);
    // Two narrow letters end at 1.17; column 5 begins at 4: 2.83 normal
    // spaces, the nearest being 3.
    QTest::newRow("17cpi e depois normal")
        << QList<Escrita>{{1, "ab", k17cpi}, {5, "N", kNormal}}
        << (kInicio + k17cpiEsc + "ab" + kRestaura + "   N\r\n" + kFF);
    // Column 3 begins at 2: 2 / 0.5848 = 3.42 narrow spaces, the nearest 3.
    QTest::newRow("17cpi na coluna 3: espaços estreitos")
        << QList<Escrita>{{3, "c", k17cpi}}
        << (kInicio + k17cpiEsc + "   c" + kRestaura + "\r\n" + kFF);
    QTest::newRow("negrito e 17cpi juntos")
        << QList<Escrita>{{1, "z", kNegrito | k17cpi}}
        << (kInicio + kNegritoEsc + k17cpiEsc + "z" + kRestaura + "\r\n" + kFF);
    QTest::newRow("texto vazio: página vazia")
        << QList<Escrita>{{1, "", kNormal}} << (kInicio + kFF);
}

void TestEscP::fluxosCalculadosAMao()
{
    QFETCH(QList<Escrita>, linha1);
    QFETCH(QByteArray, esperado);
    PaginaTexto p;
    for (const Escrita &e : linha1)
        p.Escreve(1, e.coluna, QString::fromUtf8(e.texto), e.atributos);
    QCOMPARE(CodificaEscP({p}, ModeloPersonalizadoEpson()).toHex(' '), esperado.toHex(' '));
}

void TestEscP::transliteracao_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QByteArray>("esperado");
    QTest::newRow("a minúsculas") << QStringLiteral("áàâãä") << QByteArray("aaaaa");
    QTest::newRow("a maiúsculas") << QStringLiteral("ÁÀÂÃÄ") << QByteArray("AAAAA");
    QTest::newRow("e") << QStringLiteral("éêèëÉÊÈË") << QByteArray("eeeeEEEE");
    QTest::newRow("i") << QStringLiteral("íìîïÍÌÎÏ") << QByteArray("iiiiIIII");
    QTest::newRow("o") << QStringLiteral("óôõòöÓÔÕÒÖ") << QByteArray("oooooOOOOO");
    QTest::newRow("u") << QStringLiteral("úüùûÚÜÙÛ") << QByteArray("uuuuUUUU");
    QTest::newRow("ç e ñ") << QStringLiteral("çÇñÑ") << QByteArray("cCnN");
    QTest::newRow("ordinais e grau") << QStringLiteral("1º 2ª 3°") << QByteArray("1o 2a 3o");
    QTest::newRow("frase") << QStringLiteral("CERTIDÃO DE ÓBITO Nº 12 - São José")
                           << QByteArray("CERTIDAO DE OBITO No 12 - Sao Jose");
    // What has no plain letter keeps its place as '?', and controls as spaces.
    QTest::newRow("sem forma simples") << QStringLiteral("€ß\t|") << QByteArray("?? |");
}

void TestEscP::transliteracao()
{
    QFETCH(QString, texto);
    QFETCH(QByteArray, esperado);
    QCOMPARE(Translitera(texto).toLatin1(), esperado);
    // The stream carries the same letters, one byte per letter, in place.
    PaginaTexto p;
    p.Escreve(1, 1, texto, {});
    QByteArray linha = esperado;
    while (linha.endsWith(' '))
        linha.chop(1);
    QCOMPARE(CodificaEscP({p}, ModeloPersonalizadoEpson()), kInicio + linha + "\r\n" + kFF);
}

void TestEscP::modoPeloNome_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<ModoImpressao>("modo");
    const struct {
        const char *nome;
        ModoImpressao modo;
    } tabela[] = {
        {"GRAFICO", ModoImpressao::Grafico}, {"HP", ModoImpressao::Grafico},
        {"DESKJET", ModoImpressao::Grafico}, {"LASERJET", ModoImpressao::Grafico},
        {"INKJET", ModoImpressao::Grafico}, {"STYLUS", ModoImpressao::Grafico},
        {"EPL", ModoImpressao::Grafico}, {"USB", ModoImpressao::Grafico},
        {"EPSON", ModoImpressao::Epson}, {"GENERICO", ModoImpressao::Epson},
        {"LX-300", ModoImpressao::Epson}, {"LX-810", ModoImpressao::Epson},
        {"FX-2170", ModoImpressao::Epson}, {"FX-1170", ModoImpressao::Epson},
        {"LQ-1170", ModoImpressao::Epson}, {"LQ-2170", ModoImpressao::Epson},
        {"OKIDATA", ModoImpressao::Epson}, {"RIMA", ModoImpressao::Rima},
        {"EMILIA", ModoImpressao::Rima}, {"PCL", ModoImpressao::Hp},
        {"DARUMA", ModoImpressao::Bobina}, {"SIGTRON", ModoImpressao::Bobina},
        {"SWEDA", ModoImpressao::Bobina}, {"BEMATECH", ModoImpressao::Bobina},
    };
    for (const auto &t : tabela)
        QTest::newRow(t.nome) << QString::fromLatin1(t.nome) << t.modo;
    // A word inside a longer name, in any case.
    QTest::newRow("epson_lx-300 em minúsculas") << QStringLiteral("epson_lx-300_fila")
                                                << ModoImpressao::Epson;
    // The longest word decides: an Epson inkjet is graphic, an Epson on USB is not.
    QTest::newRow("EPSON Stylus") << QStringLiteral("EPSON Stylus C45") << ModoImpressao::Grafico;
    QTest::newRow("EPSON LX-300 USB") << QStringLiteral("EPSON LX-300 USB") << ModoImpressao::Epson;
    QTest::newRow("Bematech USB") << QStringLiteral("Bematech MP-4200 USB")
                                  << ModoImpressao::Bobina;
    QTest::newRow("HP PCL") << QStringLiteral("HP PCL") << ModoImpressao::Hp;
    QTest::newRow("modelo personalizado") << kModeloPersonalizado << ModoImpressao::Epson;
    QTest::newRow("desconhecida vai ao driver") << QStringLiteral("Brother HL-1212")
                                               << ModoImpressao::Grafico;
    QTest::newRow("sem nome") << QString() << ModoImpressao::Grafico;
}

void TestEscP::modoPeloNome()
{
    QFETCH(QString, nome);
    QFETCH(ModoImpressao, modo);
    QCOMPARE(ModoPorNome(nome), modo);
}

void TestEscP::pcl()
{
    PaginaTexto p;
    p.Escreve(1, 11, QStringLiteral("Título"), kNegrito);
    p.Escreve(2, 62, QStringLiteral("Folha"), k17cpi);
    const QByteArray fluxo = CodificaPcl({p, p});
    QVERIFY(fluxo.startsWith("\x1b" "E"));
    QVERIFY(fluxo.endsWith("\f\x1b" "E"));
    QCOMPARE(fluxo.count('\f'), 2);
    // 720 decipoints to the inch: column 11 begins an inch in, column 62 at 6.1.
    QVERIFY(fluxo.contains("\x1b&a720H\x1b(s3B\x1b(s10HTitulo\r\n"));
    QVERIFY(fluxo.contains("\x1b&a4392H\x1b(s0B\x1b(s17.10HFolha\r\n"));
    QVERIFY(fluxo.contains("\x1b&l6D"));  // 6 lines per inch
    QVERIFY(fluxo.contains("\x1b&l66F")); // 66 lines of text
}

void TestEscP::bobina()
{
    PaginaTexto p, q;
    p.Escreve(1, 1, QStringLiteral("Ação"), kNegrito);
    p.Escreve(1, 41, QStringLiteral("direita"), kNormal);
    p.Escreve(3, 1, QStringLiteral("abc"), k17cpi);
    q.Escreve(1, 1, QStringLiteral("fim"), kNormal);
    const QByteArray fluxo = CodificaBobina({p, q});
    // Row 1 in two halves of 40; row 2 blank; row 3's narrow letters at
    // normal width; a blank line before page 2; no form feed on a roll.
    const QByteArray esperado = QByteArray("\x1b@") + "\x1b" "EAcao\x1b" "F\r\n" + "direita\r\n"
                                + "\r\n" + "abc\r\n" + "\r\n" + "fim\r\n";
    QCOMPARE(fluxo, esperado);
}

void TestEscP::imprimeEmArquivo()
{
    QList<PaginaTexto> paginas(2);
    paginas[0].Escreve(1, 1, QStringLiteral("um"), kNegrito);
    paginas[1].Escreve(1, 1, QStringLiteral("dois"), kNormal);
    QTemporaryDir dir;
    ConfiguracaoTexto config;
    config.mostraProgresso = false;

    // Two copies, not collated: 1 1 2 2, in the EPSON mode of the printer's name.
    OpcoesImpressao o;
    o.impressora = QStringLiteral("EPSON LX-300");
    o.copias = 2;
    o.agrupar = false;
    o.arquivo = dir.filePath(QStringLiteral("epson.prn"));
    QVERIFY(ImprimePaginas(paginas, o, config));
    QFile f(o.arquivo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), CodificaEscP({paginas[0], paginas[0], paginas[1], paginas[1]},
                                       ModeloPersonalizadoEpson()));

    // The custom model sends the codes the settings give it.
    config.codigosPersonalizados.negrito = B({27, 71});
    o.impressora = kModeloPersonalizado;
    o.copias = 1;
    o.arquivo = dir.filePath(QStringLiteral("personalizado.prn"));
    QVERIFY(ImprimePaginas(paginas, o, config));
    QFile g(o.arquivo);
    QVERIFY(g.open(QIODevice::ReadOnly));
    const QByteArray personalizado = g.readAll();
    QVERIFY(personalizado.contains(B({27, 71}) + "um"));
    QVERIFY(!personalizado.contains(kNegritoEsc));

    // The graphic mode paints the pages into a PDF file.
    o.impressora = QStringLiteral("GRAFICO");
    o.arquivo = dir.filePath(QStringLiteral("grafico.pdf"));
    QVERIFY(ImprimePaginas(paginas, o, config));
    QFile h(o.arquivo);
    QVERIFY(h.open(QIODevice::ReadOnly));
    QVERIFY(h.read(4) == "%PDF");
}

QTEST_MAIN(TestEscP)
#include "tst_escp.moc"
