#include "data/Esquema.h"

#include "data/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QStringList ComandosDoScript(const QString &script)
{
    QStringList comandos;
    QString atual;
    const qsizetype n = script.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = script[i];
        if (c == u'\'' || c == u'"') {
            qsizetype j = i + 1;
            while (j < n && !(script[j] == c && (j + 1 >= n || script[j + 1] != c)))
                j += script[j] == c ? 2 : 1;
            atual += script.mid(i, j - i + 1);
            i = j;
        } else if (c == u'-' && i + 1 < n && script[i + 1] == u'-') {
            while (i < n && script[i] != u'\n')
                ++i;
            atual += u'\n';
        } else if (c == u'/' && i + 1 < n && script[i + 1] == u'*') {
            const qsizetype fim = script.indexOf(QStringLiteral("*/"), i + 2);
            i = fim < 0 ? n : fim + 1;
            atual += u' ';
        } else if (c == u';') {
            if (!atual.trimmed().isEmpty())
                comandos << atual.trimmed();
            atual.clear();
        } else {
            atual += c;
        }
    }
    if (!atual.trimmed().isEmpty())
        comandos << atual.trimmed();
    return comandos;
}

QString ScriptEsquema()
{
    // Installed beside the executable when there is one there; otherwise the
    // copy in the source tree the program was built from.
    QStringList candidatos;
    if (QCoreApplication::instance())
        candidatos << QCoreApplication::applicationDirPath() + QStringLiteral("/schema.sql");
    candidatos << QStringLiteral(KIRO_SCHEMA_FILE);
    for (const QString &c : candidatos) {
        QFile f(c);
        if (f.open(QIODevice::ReadOnly))
            return QString::fromUtf8(f.readAll());
    }
    throw DbError(QStringLiteral("Script do banco de dados não encontrado: %1")
                      .arg(candidatos.join(QStringLiteral(", "))));
}

void CriaBancoComEsquema(const QString &nome, const QString &usuario, const QString &senha,
                         const QString &script)
{
    // A name with a server part ("host:/path") is on another machine; a
    // one-letter prefix is a drive letter, not a server.
    const qsizetype doisPontos = nome.indexOf(u':');
    const bool local = doisPontos < 0 || doisPontos == 1;
    const DbError existe(QStringLiteral("O arquivo %1 já existe; nada foi alterado.").arg(nome));
    if (local && QFileInfo::exists(nome))
        throw existe;
    Database db;
    db.SetDatabaseName(nome);
    db.SetUserName(usuario);
    db.SetPassword(senha);
    const auto abre = [&db] {
        try {
            db.Open();
            db.Close();
            return true;
        } catch (const DbError &) {
            return false;
        }
    };
    try {
        Database::CreateDatabase(nome, usuario, senha);
    } catch (const DbError &) {
        // On a server the file is not ours to look at: the engine only says
        // it could not create it. One that opens was there already.
        if (!local && abre())
            throw existe;
        throw;
    }
    // A script that fails part-way leaves no half-made database behind: a
    // second try would otherwise refuse it as existing.
    try {
        db.Open();
        for (const QString &comando : ComandosDoScript(script))
            db.ExecuteImmediate(comando);
        db.Close();
    } catch (const DbError &) {
        try {
            db.DropDatabase();
        } catch (const DbError &) {
        }
        throw;
    }
}
