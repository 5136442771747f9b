// The user store on disk: no readable password, refusal of a store that is
// corrupt or cannot be written, atomic writes under a killed writer, and the
// first administrator from a script or the terminal.
#include "ArmazemTeste.h"
#include "RespostasMensagem.h"
#include "platform/access/ControleAcesso.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

namespace {
// Helper modes of this very binary, run as a child process by the tests.
const char *const kModoEscritor = "--grava-com-limite";
const char *const kModoAdministrador = "--cria-administrador";
const int kUsuariosNovos = 2000;

// Writes a large store with the file size limit set: past that many bytes
// the kernel kills the process (SIGXFSZ) in the middle of the write, at a
// known point rather than wherever a timed kill would land.
int GravaComLimite(const QString &arquivo, qint64 limite)
{
    const rlimit semCore{0, 0};
    setrlimit(RLIMIT_CORE, &semCore);
    ArmazemUsuarios::UsaCustoMinimo(true);
    ArmazemUsuarios a(arquivo);
    const QByteArray hash = ArmazemUsuarios::HashSenha(QStringLiteral("x"));
    a.usuarios.clear();
    for (int i = 0; i < kUsuariosNovos; ++i)
        a.usuarios << UsuarioAcesso{QStringLiteral("USUARIO%1").arg(i), {}, false, hash};
    if (limite > 0) {
        const rlimit tamanho{rlim_t(limite), rlim_t(limite)};
        setrlimit(RLIMIT_FSIZE, &tamanho);
    }
    a.Salva();
    return 0;
}

QString Erro(const QString &arquivo)
{
    try {
        ArmazemUsuarios a(arquivo);
    } catch (const std::runtime_error &e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

void Grava(const QString &arquivo, const QByteArray &conteudo)
{
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(conteudo);
}
} // namespace

class TestArmazem : public QObject {
    Q_OBJECT
private slots:
    void senhaNuncaLegivelNoArquivo();
    void armazemAusenteCriadoVazio();
    void armazemCorrompidoRecusado_data();
    void armazemCorrompidoRecusado();
    void armazemSemGravacaoRecusado_data();
    void armazemSemGravacaoRecusado();
    void escritorMortoDeixaArmazemInteiro_data();
    void escritorMortoDeixaArmazemInteiro();
    void primeiroAdministrador();
    void primeiroAdministradorNoTerminal_data();
    void primeiroAdministradorNoTerminal();
};

void TestArmazem::senhaNuncaLegivelNoArquivo()
{
    ArmazemTeste t;
    const QString senha = QStringLiteral("Açaí-Secreto9");
    CriaAdministrador(t.arquivo, QStringLiteral("ZE"), senha);
    QFile f(t.arquivo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.contains("$argon2id$"));
    for (const QString &s : {senha, senha.toUpper(), senha.toLower()}) {
        const QByteArray utf8 = s.toUtf8();
        const QList<QByteArray> formas = {
            utf8, s.toLatin1(), QByteArray(reinterpret_cast<const char *>(s.utf16()), s.size() * 2),
            utf8.toBase64(), utf8.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals),
            utf8.toHex(), utf8.toHex().toUpper(), utf8.toPercentEncoding()};
        for (const QByteArray &forma : formas)
            QVERIFY2(!bytes.contains(forma), forma.constData());
    }
    // The part of the password that is plain ASCII is not there either.
    QVERIFY(!bytes.contains("Secreto9"));
}

void TestArmazem::armazemAusenteCriadoVazio()
{
    QTemporaryDir dir;
    const QString arquivo = dir.filePath(QStringLiteral("RDusers.RDA"));
    QVERIFY(!TemUsuarios(arquivo));
    QVERIFY(!QFile::exists(arquivo));   // asking does not create it
    ControleAcesso c(arquivo);
    QVERIFY(QFile::exists(arquivo));
    QVERIFY(!c.TemUsuarios());
    QVERIFY(ArmazemUsuarios(arquivo).usuarios.isEmpty());
}

void TestArmazem::armazemCorrompidoRecusado_data()
{
    QTest::addColumn<QByteArray>("conteudo");
    ArmazemTeste t;
    QFile f(t.arquivo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray valido = f.readAll();
    QTest::newRow("vazio") << QByteArray();
    QTest::newRow("lixo") << QByteArray("\x00\x01RDA\xff garbage", 14);
    QTest::newRow("cortado ao meio") << valido.left(valido.size() / 2);
    QTest::newRow("outro formato") << QByteArray(R"({"formato":"X","versao":1,"grupos":[],"usuarios":[]})");
    QTest::newRow("sem lista de usuários")
        << QByteArray(R"({"formato":"KIRO-usuarios","versao":1,"grupos":[]})");
    QTest::newRow("usuário sem hash") << QByteArray(
        R"({"formato":"KIRO-usuarios","versao":1,"grupos":[],)"
        R"("usuarios":[{"nome":"ZE","grupo":"","administrador":true,"senha":"ze123"}]})");
}

void TestArmazem::armazemCorrompidoRecusado()
{
    QFETCH(QByteArray, conteudo);
    QTemporaryDir dir;
    const QString arquivo = dir.filePath(QStringLiteral("RDusers.RDA"));
    Grava(arquivo, conteudo);
    const QString erro = Erro(arquivo);
    QVERIFY2(erro.contains(QStringLiteral("está corrompido")), qPrintable(erro));
    QVERIFY(erro.contains(arquivo));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, ControleAcesso{arquivo});
    // The program's start shows it and goes no further.
    RespostasMensagem r;
    QVERIFY(!AbreControleAcesso(arquivo));
    QCOMPARE(r.Quantas(), 1);
    QCOMPARE(r.Ultima().texto, erro);
    QCOMPARE(r.Ultima().titulo, QStringLiteral("Controle de Acesso"));
    QCOMPARE(r.Ultima().icone, Icone::Erro);
}

void TestArmazem::armazemSemGravacaoRecusado_data()
{
    // Tests run as root, for whom permissions do not stop a write: the paths
    // below fail for anyone.
    QTest::addColumn<QString>("caminho");
    QTest::addColumn<QString>("texto");
    QTest::newRow("pasta é um arquivo") << QStringLiteral("arquivo/RDusers.RDA")
                                        << QStringLiteral("Não foi possível gravar");
    QTest::newRow("armazém é uma pasta") << QStringLiteral("pasta")
                                         << QStringLiteral("Não foi possível abrir");
}

void TestArmazem::armazemSemGravacaoRecusado()
{
    QFETCH(QString, caminho);
    QFETCH(QString, texto);
    QTemporaryDir dir;
    Grava(dir.filePath(QStringLiteral("arquivo")), "x");
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("pasta")));
    const QString erro = Erro(dir.filePath(caminho));
    QVERIFY2(erro.startsWith(texto), qPrintable(erro));
    QVERIFY(erro.contains(dir.filePath(caminho)));
}

void TestArmazem::escritorMortoDeixaArmazemInteiro_data()
{
    QTest::addColumn<qint64>("limite");
    QTest::addColumn<bool>("morre");
    QTest::addColumn<int>("usuarios");
    // The new store is some 200 KB; the old one holds the two test users.
    QTest::newRow("morto no meio da escrita") << qint64(60000) << true << 2;
    QTest::newRow("escrita completa") << qint64(0) << false << kUsuariosNovos;
}

void TestArmazem::escritorMortoDeixaArmazemInteiro()
{
    QFETCH(qint64, limite);
    QFETCH(bool, morre);
    QFETCH(int, usuarios);
    ArmazemTeste t;
    QProcess escritor;
    escritor.start(QCoreApplication::applicationFilePath(),
                   {QLatin1String(kModoEscritor), t.arquivo, QString::number(limite)});
    QVERIFY(escritor.waitForFinished());
    QCOMPARE(escritor.exitStatus() == QProcess::CrashExit, morre);
    if (morre)
        QCOMPARE(escritor.exitCode(), SIGXFSZ);
    // Either the old store or the new one, complete.
    const QString erro = Erro(t.arquivo);
    QVERIFY2(erro.isEmpty(), qPrintable(erro));
    QCOMPARE(ArmazemUsuarios(t.arquivo).usuarios.size(), usuarios);
}

void TestArmazem::primeiroAdministrador()
{
    QTemporaryDir dir;
    const QString arquivo = dir.filePath(QStringLiteral("RDusers.RDA"));
    ArmazemUsuarios::UsaCustoMinimo(true);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             CriaAdministrador(arquivo, QStringLiteral("CHEFE"), QStringLiteral("  ")));
    QVERIFY(!TemUsuarios(arquivo));
    CriaAdministrador(arquivo, QStringLiteral(" chefe "), QStringLiteral("Abc123"));
    QVERIFY(TemUsuarios(arquivo));
    const ArmazemUsuarios a(arquivo);
    QCOMPARE(a.usuarios.size(), 1);
    QCOMPARE(a.usuarios[0].nome, QStringLiteral("CHEFE"));
    QCOMPARE(a.usuarios[0].grupo, kGrupoAdministradores);
    QVERIFY(a.usuarios[0].administrador);
    QVERIFY(a.Grupo(kGrupoAdministradores));
    QVERIFY(ArmazemUsuarios::ConfereSenha(a.usuarios[0].hashSenha, QStringLiteral("Abc123")));
    // Run again for the same name, it resets the password: the way back in.
    CriaAdministrador(arquivo, QStringLiteral("CHEFE"), QStringLiteral("Nova9"));
    const ArmazemUsuarios b(arquivo);
    QCOMPARE(b.usuarios.size(), 1);
    QCOMPARE(b.grupos.size(), 1);
    QVERIFY(ArmazemUsuarios::ConfereSenha(b.usuarios[0].hashSenha, QStringLiteral("Nova9")));
}

void TestArmazem::primeiroAdministradorNoTerminal_data()
{
    QTest::addColumn<QByteArray>("digitado");
    QTest::addColumn<int>("saida");
    QTest::addColumn<bool>("criado");
    QTest::newRow("senhas iguais") << QByteArray("Abc123\nAbc123\n") << 0 << true;
    QTest::newRow("senhas diferentes") << QByteArray("Abc123\nAbc124\n") << 1 << false;
    QTest::newRow("senha em branco") << QByteArray("\n\n") << 1 << false;
}

void TestArmazem::primeiroAdministradorNoTerminal()
{
    QFETCH(QByteArray, digitado);
    QFETCH(int, saida);
    QFETCH(bool, criado);
    QTemporaryDir dir;
    const QString arquivo = dir.filePath(QStringLiteral("RDusers.RDA"));
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(),
            {QLatin1String(kModoAdministrador), arquivo, QStringLiteral("chefe")});
    QVERIFY(p.waitForStarted());
    p.write(digitado);
    p.closeWriteChannel();
    QVERIFY(p.waitForFinished());
    QCOMPARE(p.exitCode(), saida);
    QCOMPARE(TemUsuarios(arquivo), criado);
    if (criado) {
        const ArmazemUsuarios a(arquivo);
        QVERIFY(ArmazemUsuarios::ConfereSenha(a.Usuario(QStringLiteral("CHEFE"))->hashSenha,
                                              QStringLiteral("Abc123")));
    }
    // The password is never echoed back.
    QVERIFY(!p.readAllStandardError().contains("Abc123"));
}

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], kModoEscritor) == 0)
        return GravaComLimite(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toLongLong());
    if (argc == 4 && qstrcmp(argv[1], kModoAdministrador) == 0) {
        ArmazemUsuarios::UsaCustoMinimo(true);
        return CriaAdministradorTerminal(QString::fromLocal8Bit(argv[2]),
                                         QString::fromLocal8Bit(argv[3]));
    }
    QCoreApplication app(argc, argv);
    TestArmazem t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_armazem.moc"
