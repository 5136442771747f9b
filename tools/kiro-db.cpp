// kiro-db: creates, configures and fills KIRO databases.
//
//   kiro-db create DATABASE [--user U] [--password P]
//   kiro-db config DATABASE [--user U] [--password P] [--ini FILE]
//   kiro-db fill DATABASE [--obitos N] [--cartas M] [--seed S] [--user U] [--password P]
//
// DATABASE is a local path (embedded engine) or host:/path (a server). The
// user and password default to ISC_USER / ISC_PASSWORD, then SYSDBA and
// masterkey (the embedded engine checks no password).

#include "common/ArquivoIni.h"
#include "platform/access/ArmazemUsuarios.h"
#include "common/U_Funcoes.h"
#include "common/Win1252.h"
#include "data/Database.h"
#include "data/Esquema.h"
#include "data/Preenchimento.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
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
              "  kiro-db config DATABASE [--user U] [--password P] [--ini ARQUIVO]\n"
              "  kiro-db admin RDusers.RDA [--name NOME]   (senha em KIRO_ADMIN_PASSWORD)\n"
              "  kiro-db fill DATABASE [--obitos N] [--cartas M] [--seed S] [--user U] [--password P]\n";
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
// A count or seed option: absent gives the default, anything but a
// non-negative whole number is refused.
bool LeNumero(const Opcoes &o, const QString &nome, qint64 padrao, qint64 &valor)
{
    if (!o.extras.contains(nome)) {
        valor = padrao;
        return true;
    }
    bool ok = false;
    valor = o.extras.value(nome).toLongLong(&ok);
    if (ok && valor >= 0)
        return true;
    Erro() << "kiro-db: valor inválido para --" << nome << ": " << o.extras.value(nome) << "\n";
    return false;
}

// Test data for demonstrations and benchmarks; continues after the highest
// codes already in the database.
int Preenche(const Opcoes &o)
{
    static const QStringList conhecidas{QStringLiteral("obitos"), QStringLiteral("cartas"),
                                        QStringLiteral("seed")};
    for (const QString &nome : o.extras.keys())
        if (!conhecidas.contains(nome))
            return Uso();
    qint64 obitos = 0, cartas = 0, semente = 0;
    if (!LeNumero(o, QStringLiteral("obitos"), 1000, obitos)
        || !LeNumero(o, QStringLiteral("cartas"), 100, cartas)
        || !LeNumero(o, QStringLiteral("seed"), 1958, semente))
        return 2;
    Database db;
    db.SetDatabaseName(o.banco);
    db.SetUserName(o.usuario);
    db.SetPassword(o.senha);
    QElapsedTimer relogio;
    relogio.start();
    const ResultadoPreenchimento r =
        PreencheBanco(db, int(obitos), int(cartas), quint64(semente));
    db.Close();
    const double segundos = double(relogio.elapsed()) / 1000.0;
    if (r.cartas > 0)
        Saida() << "Cartas de posse: " << r.cartas << " (códigos " << r.primeiraCarta << " a "
                << r.primeiraCarta + r.cartas - 1 << ")\n";
    if (r.obitos > 0)
        Saida() << "Óbitos: " << r.obitos << " (sepulturas " << r.primeiroObito << " a "
                << r.primeiroObito + r.obitos - 1 << "), " << r.obitosComCarta
                << " com carta de posse\n";
    Saida() << "Tempo: " << QString::number(segundos, 'f', 1) << " s\n";
    return 0;
}
// The first administrator of a user store, password from the environment
// (KIRO_ADMIN_PASSWORD) so it never shows in a process list. Does nothing
// when the store already has users.
int Administrador(const Opcoes &o)
{
    const QString nome = o.extras.value(QStringLiteral("name"), QStringLiteral("ADMIN"));
    if (TemUsuarios(o.banco)) {
        Saida() << "O cadastro de usuários já tem usuários: " << o.banco << "\n";
        return 0;
    }
    const QString senha = qEnvironmentVariable("KIRO_ADMIN_PASSWORD");
    if (senha.trimmed().isEmpty()) {
        Erro() << "kiro-db: defina KIRO_ADMIN_PASSWORD\n";
        return 2;
    }
    CriaAdministrador(o.banco, nome, senha);
    Saida() << "Administrador criado: " << nome.trimmed().toUpper() << "\n";
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
        {QStringLiteral("admin"), Administrador},
        {QStringLiteral("fill"), Preenche},
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
