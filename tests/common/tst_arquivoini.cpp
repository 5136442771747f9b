// The settings file: names without regard to case, values of any bytes.
#include "BancoTeste.h"
#include "common/ArquivoIni.h"
#include "common/U_Funcoes.h"
#include "common/Win1252.h"

#include <QFile>
#include <QTest>

namespace {
QString Arquivo(const QByteArray &conteudo = {})
{
    static int n = 0;
    const QString c = PastaTemporariaTestes() + QStringLiteral("/kiro-%1.ini").arg(++n);
    if (!conteudo.isNull()) {
        QFile f(c);
        f.open(QIODevice::WriteOnly);
        f.write(conteudo);
    }
    return c;
}
} // namespace

class TestArquivoIni : public QObject {
    Q_OBJECT
private slots:
    void valoresEstranhosIdaEVolta_data();
    void valoresEstranhosIdaEVolta();
    void todoByteEmbaralhado();
    void nomesSemCaixa();
    void valorEscritoAMao_data();
    void valorEscritoAMao();
    void ausenteVersusVazio();
    void escreveNaOrdemENaSecao();
    void win1252();
};

void TestArquivoIni::valoresEstranhosIdaEVolta_data()
{
    QTest::addColumn<QByteArray>("valor");
    QTest::newRow("vazio") << QByteArray("");
    QTest::newRow("simples") << QByteArray("SYSDBA");
    QTest::newRow("quebra de linha") << QByteArray("a\r\nb\nc\r");
    QTest::newRow("NUL") << QByteArray("a\0b", 3);
    QTest::newRow("brancos nas pontas") << QByteArray("  x  ");
    QTest::newRow("aspas em volta") << QByteArray("\"x\"");
    QTest::newRow("aspa só no fim") << QByteArray("x\"");
    QTest::newRow("igual e ponto e vírgula") << QByteArray("a=b;c");
    QTest::newRow("colchete") << QByteArray("[Banco de Dados]");
    QTest::newRow("ponto e vírgula no início") << QByteArray(";x");
    QTest::newRow("barra invertida") << QByteArray("\\x41\\\\");
    QTest::newRow("acentos") << QByteArray("JOS\xC9 \xC7\xE3");
    QTest::newRow("tab") << QByteArray("\tx");
}

void TestArquivoIni::valoresEstranhosIdaEVolta()
{
    QFETCH(QByteArray, valor);
    const QString c = Arquivo();
    ArquivoIni(c).Escreve("Banco de Dados", "Senha", valor);
    ArquivoIni(c).Escreve("Banco de Dados", "Depois", "ok");
    QCOMPARE(ArquivoIni(c).Le("Banco de Dados", "Senha").value(), valor);
    // The value never spills into the next key.
    QCOMPARE(ArquivoIni(c).Le("Banco de Dados", "Depois").value(), QByteArray("ok"));
}

// Every scrambled form of user names and passwords of every length reads
// back unchanged.
void TestArquivoIni::todoByteEmbaralhado()
{
    const QString c = Arquivo();
    ArquivoIni ini(c);
    for (int len = 0; len < 64; ++len) {
        QByteArray claro;
        for (int i = 0; i < len; ++i)
            claro += char((i * 37 + len) & 0xFF);
        const QByteArray emb = Criptografar(claro);
        ini.Escreve("Banco de Dados", "Usuario", emb);
        QCOMPARE(Descriptografar(ini.Le("banco de dados", "usuario").value()), claro);
    }
    QByteArray todos(256, '\0');
    for (int i = 0; i < 256; ++i)
        todos[i] = char(i);
    ini.Escreve("Banco de Dados", "Usuario", todos);
    QCOMPARE(ini.Le("Banco de Dados", "Usuario").value(), todos);
}

void TestArquivoIni::nomesSemCaixa()
{
    const QString c = Arquivo("[BANCO DE DADOS]\r\nDATABASE=servidor:/dados/kiro.fdb\r\nusuario=abc\r\n");
    ArquivoIni ini(c);
    QCOMPARE(ini.Le("Banco de Dados", "Database").value(), QByteArray("servidor:/dados/kiro.fdb"));
    QCOMPARE(ini.Le("Banco de dados", "Usuario").value(), QByteArray("abc"));
    // Writing a key in another case replaces it instead of adding a twin.
    ini.Escreve("Banco de Dados", "Usuario", "xyz");
    QFile f(c);
    f.open(QIODevice::ReadOnly);
    const QByteArray conteudo = f.readAll();
    QCOMPARE(conteudo.count("suario="), 1);
    QCOMPARE(ini.Le("banco de dados", "USUARIO").value(), QByteArray("xyz"));
}

void TestArquivoIni::valorEscritoAMao_data()
{
    QTest::addColumn<QByteArray>("linha");
    QTest::addColumn<QByteArray>("valor");
    QTest::newRow("simples") << QByteArray("Database=C:\\dados\\kiro.fdb") << QByteArray("C:\\dados\\kiro.fdb");
    QTest::newRow("brancos em volta") << QByteArray("Database =  /x/kiro.fdb  ") << QByteArray("/x/kiro.fdb");
    QTest::newRow("entre aspas") << QByteArray("Database=\"/x/k y.fdb\"") << QByteArray("/x/k y.fdb");
    QTest::newRow("LF só") << QByteArray("Database=/a.fdb\n") << QByteArray("/a.fdb");
}

void TestArquivoIni::valorEscritoAMao()
{
    QFETCH(QByteArray, linha);
    QFETCH(QByteArray, valor);
    const QString c = Arquivo("; comentário\n[Banco de Dados]\n" + linha + "\n");
    QCOMPARE(ArquivoIni(c).Le("Banco de Dados", "Database").value(), valor);
}

void TestArquivoIni::ausenteVersusVazio()
{
    const QString c = Arquivo("[Banco de Dados]\nDatabase=\n[Outra]\nUsuario=x\n");
    ArquivoIni ini(c);
    QVERIFY(ini.Le("Banco de Dados", "Database").has_value());
    QCOMPARE(ini.Le("Banco de Dados", "Database").value(), QByteArray());
    QVERIFY(!ini.Le("Banco de Dados", "Usuario").has_value());   // only in another section
    QVERIFY(!ini.Le("Nenhuma", "Database").has_value());
    QVERIFY(!ArquivoIni(Arquivo()).ArquivoExiste());
}

void TestArquivoIni::escreveNaOrdemENaSecao()
{
    const QString c = Arquivo("[Banco de Dados]\r\nDatabase=a\r\n\r\n[Outra]\r\nx=1\r\n");
    ArquivoIni ini(c);
    ini.Escreve("Banco de Dados", "Usuario", "");
    ini.Escreve("Banco de Dados", "Senha", "");
    QFile f(c);
    f.open(QIODevice::ReadOnly);
    QCOMPARE(f.readAll(), QByteArray("[Banco de Dados]\r\nDatabase=a\r\nUsuario=\r\nSenha=\r\n\r\n"
                                     "[Outra]\r\nx=1\r\n"));
}

void TestArquivoIni::win1252()
{
    const QString t = QStringLiteral("JOSÉ € „ œ Ÿ ç");
    QCOMPARE(DeWin1252(ParaWin1252(t)), t);
    QCOMPARE(ParaWin1252(QStringLiteral("€É")), QByteArray("\x80\xC9"));
    QCOMPARE(ParaWin1252(QStringLiteral("Ж")), QByteArray("?"));
}

QTEST_GUILESS_MAIN(TestArquivoIni)
#include "tst_arquivoini.moc"
