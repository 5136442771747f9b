// One copy per desktop: a second start finds the first, calls it to the
// front and ends without a window.
#include "platform/access/InstanciaUnica.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestInstancia : public QObject {
    Q_OBJECT
private slots:
    void segundaChamaAPrimeira();
    void socketAbandonadoNaoImpede();
    void segundoProcessoEncerra();
};

void TestInstancia::segundaChamaAPrimeira()
{
    const QString titulo = QStringLiteral("KIRO teste %1").arg(QCoreApplication::applicationPid());
    InstanciaUnica primeira(titulo);
    QVERIFY(!primeira.OutraEmExecucao());
    int chamadas = 0;
    primeira.AoSerChamada([&] { ++chamadas; });
    InstanciaUnica segunda(titulo);
    QVERIFY(segunda.OutraEmExecucao());
    QTRY_COMPARE(chamadas, 1);
}

void TestInstancia::socketAbandonadoNaoImpede()
{
    // A copy that crashed leaves its socket file behind: the next start
    // cannot reach anyone there and takes the name over.
    const QString titulo = QStringLiteral("KIRO abandonado %1").arg(QCoreApplication::applicationPid());
    const QString resto = QDir::tempPath() + u'/' + InstanciaUnica::NomeSocket(titulo);
    QFile f(resto);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    InstanciaUnica unica(titulo);
    QVERIFY(!unica.OutraEmExecucao());
    int chamadas = 0;
    unica.AoSerChamada([&] { ++chamadas; });
    InstanciaUnica outra(titulo);
    QVERIFY(outra.OutraEmExecucao());
    QTRY_COMPARE(chamadas, 1);
}

void TestInstancia::segundoProcessoEncerra()
{
    // A copy of the program in a folder of its own, so the settings file and
    // user store that it writes beside itself do not land in the build tree.
    const QString construido = QCoreApplication::applicationDirPath() + QStringLiteral("/../kiro");
    QVERIFY2(QFile::exists(construido), qPrintable(construido));
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString kiro = pasta.filePath(QStringLiteral("kiro"));
    QVERIFY(QFile::copy(construido, kiro));
    QProcess primeira;
    primeira.setProgram(kiro);
    primeira.setArguments({QStringLiteral("-platform"), QStringLiteral("offscreen")});
    primeira.start();
    QVERIFY(primeira.waitForStarted());
    const QString nome = InstanciaUnica::NomeSocket(QStringLiteral("KIRO - Sistema Necrovia"));
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            QLocalSocket s;
            s.connectToServer(nome);
            return s.waitForConnected(200);
        }(),
        10000);

    QProcess segunda;
    segunda.start(kiro, {QStringLiteral("-platform"), QStringLiteral("offscreen")});
    QVERIFY(segunda.waitForFinished(10000));
    QCOMPARE(segunda.exitStatus(), QProcess::NormalExit);
    QCOMPARE(segunda.exitCode(), 0);
    QCOMPARE(primeira.state(), QProcess::Running);
    primeira.kill();
    primeira.waitForFinished();
}

QTEST_GUILESS_MAIN(TestInstancia)
#include "tst_instancia.moc"
