#include "BancoTeste.h"

#include "data/Esquema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Pasta {
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/kiro-testes-XXXXXX")};
    Pasta()
    {
        // The server runs as its own user and must reach the copies.
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                              | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                              | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                              | QFileDevice::ReadOther | QFileDevice::WriteOther
                                              | QFileDevice::ExeOther);
    }
};

Pasta &PastaGlobal()
{
    static Pasta p;
    return p;
}

const QString kUsuarioEmbarcado = QStringLiteral("SYSDBA");
const QString kSenhaEmbarcado = QStringLiteral("masterkey");

QString Modelo()
{
    static QString modelo;
    if (modelo.isEmpty()) {
        const QString caminho = PastaGlobal().dir.filePath(QStringLiteral("modelo.fdb"));
        CriaBancoComEsquema(caminho, kUsuarioEmbarcado, kSenhaEmbarcado);
        modelo = caminho;
    }
    return modelo;
}

QString NovaCopia()
{
    static int contador = 0;
    const QString destino =
        PastaGlobal().dir.filePath(QStringLiteral("banco-%1.fdb").arg(++contador));
    if (!QFile::copy(Modelo(), destino))
        throw DbError(QStringLiteral("Não foi possível copiar o banco de teste para %1").arg(destino));
    QFile::setPermissions(destino, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                       | QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                       | QFileDevice::ReadOther | QFileDevice::WriteOther);
    return destino;
}
} // namespace

void BancoTeste::Configura(Database &db) const
{
    db.SetDatabaseName(nome);
    db.SetUserName(usuario);
    db.SetPassword(senha);
}

QString PastaTemporariaTestes()
{
    return PastaGlobal().dir.path();
}

BancoTeste NovoBancoEmbarcado()
{
    const QString arquivo = NovaCopia();
    return BancoTeste{arquivo, arquivo, kUsuarioEmbarcado, kSenhaEmbarcado};
}

bool ServidorDisponivel()
{
    return !qEnvironmentVariable("KIRO_TEST_SERVER").isEmpty();
}

std::optional<BancoTeste> NovoBancoServidor()
{
    if (!ServidorDisponivel())
        return std::nullopt;
    const QString arquivo = NovaCopia();
    return BancoTeste{qEnvironmentVariable("KIRO_TEST_SERVER") + u':' + arquivo, arquivo,
                      qEnvironmentVariable("KIRO_TEST_SERVER_USER", QStringLiteral("SYSDBA")),
                      qEnvironmentVariable("KIRO_TEST_SERVER_PASSWORD")};
}

BancoTeste NovoBanco(const QString &modo)
{
    if (modo == QLatin1String("servidor")) {
        auto b = NovoBancoServidor();
        if (!b)
            throw DbError(QStringLiteral("Nenhum servidor Firebird configurado (KIRO_TEST_SERVER)."));
        return *b;
    }
    return NovoBancoEmbarcado();
}

void AdicionaModosBanco()
{
    AdicionaModosBanco([] {}, [](const LinhaModo &linha) { linha(""); });
}

void AdicionaModosBanco(const std::function<void()> &colunas,
                        const std::function<void(const LinhaModo &linha)> &casos)
{
    QTest::addColumn<QString>("modo");
    colunas();
    for (const QString &modo : {QStringLiteral("embarcado"), QStringLiteral("servidor")}) {
        casos([&](const char *nome) -> QTestData & {
            const QByteArray linha =
                *nome ? modo.toUtf8() + ": " + nome : modo.toUtf8();
            return QTest::newRow(linha.constData()) << modo;
        });
    }
}
