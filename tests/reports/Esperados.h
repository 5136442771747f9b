#pragma once
// What the record printouts' pages should hold, worked out by hand from the
// page frame, and the rows the list tests print.
//
// Centred on 40 at normal width a text of n characters starts at 40 - n/2
// (rounded down): the 27 characters of the product line at 27, the titles
// of 20, 40 and 19 characters at 30, 20 and 31. The footer's 31 characters
// at 17 cpi end at 80: 31 x 0.5848 = 18.13 columns, so they start at
// 80 - round(18.13 - 0.49) = 62.

#include "support/PaginaEsperada.h"
#include "data/Database.h"
#include "data/Query.h"
#include "reports/ImpressosTexto.h"

#include <QDateTime>

namespace esperado {

inline const Atributos kNormal;
inline const Atributos kNegrito(Atributo::Negrito);
inline const Atributos k17cpi(Atributo::Comprimido17);

// The clock of every golden page: the example of the page frame.
inline QDateTime Quando()
{
    return QDateTime(QDate(2026, 12, 9), QTime(14, 5));
}

inline const QString kTituloEmpresa = QStringLiteral("Relatório de Empresa");
inline const QString kTituloCartas = QStringLiteral("Relatório de Cadastro de Cartas de Posse");
inline const QString kTituloObitos = QStringLiteral("Relatório de Óbitos");
inline const QString kCabecalhosCartas = QStringLiteral(
    "Código   Nome                                                        Sepult.");
inline const QString kCabecalhosObitos = QStringLiteral(
    "Código  Exercício  Nome                                 Dt. Falec.  Dt. Sepult.");

inline QList<TextoEsperado> Cabecalho(int colunaTitulo, const QString &titulo,
                                      const QString &cabecalhos = {})
{
    QList<TextoEsperado> t{
        {3, 27, QStringLiteral("K.I.R.O. - Sistema Necrovia"), kNegrito},
        {4, colunaTitulo, titulo, kNormal},
        {5, 1, QString(80, u'='), kNormal},
    };
    if (!cabecalhos.isEmpty()) {
        t.append({6, 1, cabecalhos, kNormal});
        t.append({7, 1, QString(80, u'='), kNormal});
    }
    return t;
}

inline QList<TextoEsperado> CabecalhoCartas()
{
    return Cabecalho(20, kTituloCartas, kCabecalhosCartas);
}
inline QList<TextoEsperado> CabecalhoObitos()
{
    return Cabecalho(31, kTituloObitos, kCabecalhosObitos);
}

inline QList<TextoEsperado> Rodape(const QString &folha)
{
    return {
        {64, 1, QString(80, u'-'), kNormal},
        {65, 1, QStringLiteral("Sistema Necrovia - TEV"), k17cpi},
        {65, 62, QStringLiteral("09/12/2026 - 14:05 Folha - ") + folha, k17cpi},
    };
}

// Possession letters and death records 1..n, named "TITULAR 001" and
// "FALECIDO 001" onwards; letter i covers grave 100 + i; death i died on
// day i of 2026 (from 1 January) and was buried the next day.
inline void InsereCartas(Database &db, int n)
{
    Query q(db);
    q.SetSQL(QStringLiteral("INSERT INTO carta_posse (cpo_codigo, cpo_nome, cpo_nro_sepult) "
                            "VALUES (:c, :n, :s)"));
    for (int i = 1; i <= n; ++i) {
        q.ParamByName(QStringLiteral("c")).AsInteger(i);
        q.ParamByName(QStringLiteral("n")).AsString(QStringLiteral("TITULAR %1").arg(i, 3, 10, QChar(u'0')));
        q.ParamByName(QStringLiteral("s")).AsInteger(100 + i);
        q.ExecSQL();
    }
    db.Commit();
}

inline QDate Falecimento(int i)
{
    return QDate(2026, 1, 1).addDays(i - 1);
}

inline void InsereObitos(Database &db, int n)
{
    Query q(db);
    q.SetSQL(QStringLiteral("INSERT INTO obitos (obi_codigo, obi_exercicio, obi_nome, "
                            "obi_dt_falec, obi_dt_sepult) VALUES (:c, 2026, :n, :f, :s)"));
    for (int i = 1; i <= n; ++i) {
        q.ParamByName(QStringLiteral("c")).AsInteger(i);
        q.ParamByName(QStringLiteral("n")).AsString(QStringLiteral("FALECIDO %1").arg(i, 3, 10, QChar(u'0')));
        q.ParamByName(QStringLiteral("f")).AsDate(Falecimento(i));
        q.ParamByName(QStringLiteral("s")).AsDate(Falecimento(i).addDays(1));
        q.ExecSQL();
    }
    db.Commit();
}

// A company form with every field filled.
inline DadosEmpresa EmpresaCompleta()
{
    DadosEmpresa d;
    d.codigo = 1;
    d.razao = QStringLiteral("PREFEITURA MUNICIPAL DE SÃO JOSÉ");
    d.endereco = QStringLiteral("RUA DAS FLORES, 100");
    d.bairro = QStringLiteral("CENTRO");
    d.complemento = QStringLiteral("SALA 2");
    d.cidade = QStringLiteral("SÃO JOSÉ DO RIO PARDO");
    d.uf = QStringLiteral("SP");
    d.cep = QStringLiteral("13720000");
    d.cnpj = QStringLiteral("11222333000181");
    d.fone = QStringLiteral("1936081234");
    d.responsavel = QStringLiteral("JOÃO DA SILVA");
    return d;
}

} // namespace esperado
