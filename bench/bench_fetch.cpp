// Opening and fetching a large death register through Query, against
// Firebird's own isql-fb on the same file in the same run.
//
//   bench_fetch [--obitos N] [--cartas M] [--repeticoes R]
//
// isql-fb writes its rows to /dev/null (OUTPUT) and reports the count; it
// is timed as a whole process, and once more with a trivial query so that
// its start-up and attach can be taken off. It shows BLOBs as ids unless
// told SET BLOB ALL; Query always reads their contents, so both are shown.

#include "data/Database.h"
#include "data/Esquema.h"
#include "data/Preenchimento.h"
#include "data/Query.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
QTextStream &Saida()
{
    static QTextStream s(stdout);
    return s;
}

struct Tempos {
    double melhor = 0;
    double mediana = 0;
};

Tempos Resume(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return Tempos{v.front(), v[v.size() / 2]};
}

QString Ms(double s)
{
    return QString::number(s * 1000.0, 'f', 1) + QStringLiteral(" ms");
}

// kB; the peak can be reset so that the fill does not count.
long Vm(const char *chave)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &linha : f.readAll().split('\n'))
        if (linha.startsWith(chave))
            return linha.mid(qstrlen(chave)).trimmed().split(' ').value(0).toLong();
    return -1;
}

void ZeraPico()
{
    if (FILE *f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

struct Isql {
    double segundos = 0;
    QString saida;
};

Isql RodaIsql(const QString &arquivo, const QString &pasta, const QString &comandos)
{
    const QString script = pasta + QStringLiteral("/isql.sql");
    QFile f(script);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(script));
    f.write(comandos.toUtf8());
    f.close();
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(QStringLiteral("isql-fb"), {QStringLiteral("-q"), QStringLiteral("-ch"),
                                        QStringLiteral("UTF8"), QStringLiteral("-i"), script,
                                        arquivo});
    if (!p.waitForFinished(-1) || p.exitCode() != 0)
        qFatal("isql-fb failed: %s", p.readAllStandardError().constData());
    Isql r;
    r.segundos = double(t.nsecsElapsed()) / 1e9;
    r.saida = QString::fromUtf8(p.readAllStandardOutput());
    return r;
}

// The rows isql-fb fetched, from an untimed run that writes them to a file
// (its count goes wherever its rows go).
qint64 LinhasIsql(const QString &arquivo, const QString &pasta, const QString &consulta)
{
    const QString saida = pasta + QStringLiteral("/isql.out");
    RodaIsql(arquivo, pasta,
             QStringLiteral("SET HEADING OFF;\nSET COUNT ON;\nOUTPUT %1;\n%2;\nOUTPUT;\n")
                 .arg(saida, consulta));
    QFile f(saida);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    f.seek(std::max<qint64>(0, f.size() - 200));
    const auto m = QRegularExpression(QStringLiteral("Records affected: (\\d+)"))
                       .match(QString::fromUtf8(f.readAll()));
    f.close();
    QFile::remove(saida);
    return m.hasMatch() ? m.captured(1).toLongLong() : -1;
}

struct Caso {
    QString nome;
    QString sqlQuery;   // with :p_nome
    QString sqlIsql;    // the same with the pattern written in
};
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int obitos = 200000;
    int cartas = 20000;
    int repeticoes = 5;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--obitos"))
            obitos = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--cartas"))
            cartas = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--repeticoes"))
            repeticoes = std::max(1, args[i + 1].toInt());
    }
    const QString padrao = QStringLiteral("MARIA%");

    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("bench.fdb"));
    const QString usuario = QStringLiteral("SYSDBA");
    const QString senha = QStringLiteral("masterkey");
    CriaBancoComEsquema(arquivo, usuario, senha);
    // A scratch file: synchronous page writes would only time the disk.
    QProcess::execute(QStringLiteral("gfix"), {QStringLiteral("-write"), QStringLiteral("async"),
                                               arquivo});

    Database db;
    db.SetDatabaseName(arquivo);
    db.SetUserName(usuario);
    db.SetPassword(senha);
    QElapsedTimer t;
    t.start();
    const ResultadoPreenchimento r = PreencheBanco(db, obitos, cartas);
    Saida() << "Preenchimento: " << r.obitos << " óbitos, " << r.cartas << " cartas em "
            << QString::number(double(t.elapsed()) / 1000.0, 'f', 1) << " s (pico "
            << Vm("VmHWM:") / 1024 << " MB)\n";

    const std::vector<Caso> casos{
        {QStringLiteral("(a) todos por nome"), QStringLiteral("SELECT * FROM obitos ORDER BY obi_nome"),
         QStringLiteral("SELECT * FROM obitos ORDER BY obi_nome")},
        {QStringLiteral("(b) nome LIKE 'MARIA%'"),
         QStringLiteral("SELECT * FROM obitos WHERE obi_nome LIKE :p_nome ORDER BY obi_nome"),
         QStringLiteral("SELECT * FROM obitos WHERE obi_nome LIKE '%1' ORDER BY obi_nome")
             .arg(padrao)},
    };

    // Ours first, then close the file: one engine instance per file.
    ZeraPico();
    std::vector<Tempos> nossos;
    std::vector<int> linhas;
    QStringList planos;
    for (const Caso &c : casos) {
        std::vector<double> v;
        int n = 0;
        for (int i = 0; i < repeticoes; ++i) {
            Query q(db);
            q.SetSQL(c.sqlQuery);
            if (q.ParamNames().size())
                q.ParamByName(QStringLiteral("p_nome")).AsString(padrao);
            QElapsedTimer u;
            u.start();
            q.Open();
            v.push_back(double(u.nsecsElapsed()) / 1e9);
            n = q.RecordCount();
            if (i == 0)
                planos << q.Plano();
        }
        nossos.push_back(Resume(v));
        linhas.push_back(n);
    }
    const long pico = Vm("VmHWM:");
    db.Close();

    const QString semBlob = QStringLiteral("SET HEADING OFF;\nSET COUNT ON;\nOUTPUT /dev/null;\n%1;\nOUTPUT;\n");
    const QString comBlob = QStringLiteral("SET BLOB ALL;\n") + semBlob;
    std::vector<double> base;
    for (int i = 0; i < repeticoes; ++i)
        base.push_back(RodaIsql(arquivo, pasta.path(),
                                semBlob.arg(QStringLiteral("SELECT 1 FROM rdb$database")))
                           .segundos);
    const double partida = Resume(base).melhor;
    Saida() << "isql-fb partida e conexão (SELECT 1): " << Ms(partida)
            << " (descontada abaixo)\n\n";

    for (size_t k = 0; k < casos.size(); ++k) {
        const Caso &c = casos[k];
        Saida() << c.nome << "\n";
        Saida() << "  Query:          " << linhas[k] << " linhas, melhor " << Ms(nossos[k].melhor)
                << ", mediana " << Ms(nossos[k].mediana) << "\n";
        const qint64 n = LinhasIsql(arquivo, pasta.path(), c.sqlIsql);
        const QString planoIsql =
            RodaIsql(arquivo, pasta.path(), QStringLiteral("SET PLANONLY ON;\n%1;\n").arg(c.sqlIsql))
                .saida.simplified();
        Saida() << "  plano Query: " << planos.value(int(k)).simplified() << "\n"
                << "  plano isql:  " << planoIsql << "\n";
        for (int blob = 0; blob < 2; ++blob) {
            std::vector<double> v;
            for (int i = 0; i < repeticoes; ++i) {
                const Isql x = RodaIsql(arquivo, pasta.path(), (blob ? comBlob : semBlob).arg(c.sqlIsql));
                v.push_back(std::max(0.0, x.segundos - partida));
            }
            const Tempos ti = Resume(v);
            Saida() << (blob ? "  isql SET BLOB ALL: " : "  isql (BLOB ids): ") << n
                    << " linhas, melhor " << Ms(ti.melhor) << ", mediana " << Ms(ti.mediana)
                    << "; Query/isql (melhor) = "
                    << QString::number(nossos[k].melhor / std::max(ti.melhor, 1e-9), 'f', 2)
                    << "\n";
        }
    }
    Saida() << "\nPico de memória durante as leituras (VmHWM): " << pico / 1024 << " MB\n";
    return 0;
}
