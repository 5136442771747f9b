// The company sheet as ESC/P bytes: the stream against a committed golden
// file, and the same bytes sent through a real CUPS raw queue whose device
// is a socket on 127.0.0.1 that this test listens on. scripts/test makes
// the queue (scripts/cups-test-queue) and names it and its port in
// KIRO_CUPS_QUEUE and KIRO_CUPS_PORT.
#include "reports/Esperados.h"
#include "reports/ImpressosTexto.h"
#include "platform/textprint/ImpressoraTexto.h"
#include "support/CapturaImpressao.h"
#include "support/RespostasMensagem.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {
const char kGolden[] = "data/empresa.escp";
} // namespace

class TestCups : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fluxoContraOArquivoGuardado();
    void trabalhoBrutoPelaFilaReal();

private:
    CapturaImpressao::Concluido folha_;
    QByteArray esperado_;
};

void TestCups::initTestCase()
{
    CapturaImpressao captura;
    ImprimeEmpresa(esperado::EmpresaCompleta(), nullptr, [] { return esperado::Quando(); });
    folha_ = captura.Ultimo();
    if (qEnvironmentVariableIsSet("KIRO_GRAVA_ESPERADO")) {
        QFile f(QStringLiteral(QT_TESTCASE_SOURCEDIR "/reports/") + QLatin1String(kGolden));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(CodificaEscP(folha_.paginas, ModeloPersonalizadoEpson()));
    }
    QFile f(QFINDTESTDATA(kGolden));
    QVERIFY2(f.open(QIODevice::ReadOnly), "data/empresa.escp is missing");
    esperado_ = f.readAll();
}

// The golden file was read byte by byte when it was made: ESC @, ESC C 66,
// ESC 2; rows 1 and 2 bare CR LF; row 3 ESC E, 26 spaces, the product line,
// the reset; row 4, 29 spaces and "Relatorio de Empresa"; the labels in
// bold each followed by the reset and the value from column 18; the
// accents transliterated; row 65 at 17 cpi; one form feed at the end.
void TestCups::fluxoContraOArquivoGuardado()
{
    const QByteArray fluxo = CodificaEscP(folha_.paginas, ModeloPersonalizadoEpson());
    QCOMPARE(fluxo.toHex(' '), esperado_.toHex(' '));
    const QByteArray reset("\x1bP\x12\x14\x1b" "5\x1b" "F\x1b-0");
    QVERIFY(fluxo.startsWith("\x1b@\x1b" "CB\x1b" "2\r\n\r\n\x1b" "E" + QByteArray(26, ' ')
                             + "K.I.R.O. - Sistema Necrovia" + reset + "\r\n"
                             + QByteArray(29, ' ') + "Relatorio de Empresa\r\n"));
    QVERIFY(fluxo.contains("\x1b" "ECodigo......:" + reset + "    0001\r\n"));
    QVERIFY(fluxo.contains("\x1b" "ERazao Social:" + reset + "    PREFEITURA MUNICIPAL DE SAO JOSE\r\n"));
    QVERIFY(fluxo.contains("\x1b" "ECNPJ........:" + reset + "    11.222.333/0001-81\r\n"));
    QVERIFY(fluxo.contains("Folha - 0001" + reset + "\r\n\x0c"));
    QVERIFY(fluxo.endsWith("\x0c"));
    QCOMPARE(fluxo.count('\x0c'), 1);
}

// lp sends the job to the queue; CUPS's socket backend connects here and
// delivers it. A raw queue passes the bytes unchanged, so what arrives is
// the golden stream itself.
void TestCups::trabalhoBrutoPelaFilaReal()
{
    const QString fila = qEnvironmentVariable("KIRO_CUPS_QUEUE");
    const quint16 porta = quint16(qEnvironmentVariableIntValue("KIRO_CUPS_PORT"));
    if (fila.isEmpty() || porta == 0)
        QSKIP("No CUPS test queue: KIRO_CUPS_QUEUE and KIRO_CUPS_PORT are set by scripts/test "
              "(scripts/cups-test-queue creates the raw queue).");
    // The queue's name picks the Epson mode, as a dot-matrix printer's would.
    QCOMPARE(ModoPorNome(fila), ModoImpressao::Epson);

    QTcpServer ouvinte;
    QVERIFY2(ouvinte.listen(QHostAddress::LocalHost, porta),
             qPrintable(QStringLiteral("port %1: %2").arg(porta).arg(ouvinte.errorString())));

    OpcoesImpressao opcoes = folha_.opcoes;
    opcoes.impressora = fila;
    opcoes.visualizar = false;
    RespostasMensagem mensagens;
    const bool enviado = ImprimePaginas(folha_.paginas, opcoes, folha_.configuracao);
    QVERIFY2(enviado, mensagens.Quantas() ? qPrintable(mensagens.Ultima().texto) : "not sent");

    // Generous ceilings: the scheduler starts the backend when it gets to it.
    QVERIFY2(ouvinte.waitForNewConnection(60000), "the queue never connected to the listener");
    QTcpSocket *s = ouvinte.nextPendingConnection();
    QByteArray recebido;
    // The backend closes the connection when the job is through.
    while (s->state() == QAbstractSocket::ConnectedState && s->waitForReadyRead(60000))
        recebido += s->readAll();
    recebido += s->readAll();
    QCOMPARE(recebido.toHex(' '), esperado_.toHex(' '));
}

QTEST_MAIN(TestCups)
#include "tst_cups.moc"
