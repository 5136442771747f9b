// kiro-db: creates, configures and fills KIRO databases.
//
//   kiro-db create DATABASE [--user U] [--password P]
//   kiro-db config DATABASE [--user U] [--password P] [--ini FILE]
//
// DATABASE is a local path (embedded engine) or host:/path (a server). The
// user and password default to ISC_USER / ISC_PASSWORD, then SYSDBA and
// masterkey (the embedded engine checks no password).

#include "common/ArquivoIni.h"
#include "common/U_Funcoes.h"
#include "common/Win1252.h"
#include "data/Esquema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <functional>
#include <map>

namespace {
struct Opcoes {
    QString banco;
    QString usuario = qEnvironmentVariable("ISC_USER", QStringLiteral("SYSDBA"));
    QString senha = qEnvironmentVariable("ISC_PASSWORD", QStringLiteral("masterkey"));
    QString ini;
    QMap<QString, QString> extras;
};

QTextStream &Saida()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream &Erro()
{
    static QTextStream s(stderr);
    return s;
}

int Uso()
{
    Erro() << "uso:\n"
              "  kiro-db create DATABASE [--user U] [--password P]\n"
              "  kiro-db config DATABASE [--user U] [--password P] [--ini ARQUIVO]\n";
    return 2;
}

int Cria(const Opcoes &o)
{
    CriaBancoComEsquema(o.banco, o.usuario, o.senha);
    Saida() << "Banco criado: " << o.banco << "\n";
    return 0;
}

// Writes kiro.ini for a database: the path plain, user and password
// scrambled, as the program reads them.
int Configura(const Opcoes &o)
{
    const QString ini = o.ini.isEmpty()
        ? QCoreApplication::applicationDirPath() + QStringLiteral("/kiro.ini")
        : o.ini;
    ArquivoIni arquivo(ini);
    const QByteArray secao = "Banco de Dados";
    arquivo.Escreve(secao, "Database", ParaWin1252(o.banco));
    arquivo.Escreve(secao, "Usuario", Criptografar(ParaWin1252(o.usuario)));
    arquivo.Escreve(secao, "Senha", Criptografar(ParaWin1252(o.senha)));
    Saida() << "Configuração gravada: " << QFileInfo(ini).absoluteFilePath() << "\n";
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return Uso();
    Opcoes o;
    o.banco = args[1];
    for (int i = 2; i < args.size(); ++i) {
        const QString a = args[i];
        if (!a.startsWith(QLatin1String("--")) || i + 1 >= args.size())
            return Uso();
        const QString v = args[++i];
        if (a == QLatin1String("--user"))
            o.usuario = v;
        else if (a == QLatin1String("--password"))
            o.senha = v;
        else if (a == QLatin1String("--ini"))
            o.ini = v;
        else
            o.extras.insert(a.mid(2), v);
    }
    const std::map<QString, std::function<int(const Opcoes &)>> comandos{
        {QStringLiteral("create"), Cria},
        {QStringLiteral("config"), Configura},
    };
    const auto it = comandos.find(args[0]);
    if (it == comandos.end())
        return Uso();
    try {
        return it->second(o);
    } catch (const std::exception &e) {
        Erro() << "kiro-db: " << QString::fromUtf8(e.what()) << "\n";
        return 1;
    }
}
