#include "app/Acessos.h"

#include "data/Comandos.h"
#include "data/Query.h"

void RegistrarAcesso(Database &db, const QString &usuario, TipoAcesso tipo,
                     const QDateTime &agora)
{
    // IBQryAtivos computes the number, IBQryAcessos holds the insert.
    Query IBQryAtivos(db);
    IBQryAtivos.SetSQL(Comandos::kAcessoProximo);
    IBQryAtivos.Open();
    const Field proximo = IBQryAtivos.FieldByName(QStringLiteral("proximo"));
    const qint64 sequencia = proximo.IsNull() ? 1 : proximo.AsLargeInt();

    Query IBQryAcessos(db);
    IBQryAcessos.SetSQL(tipo == TipoAcesso::Entrada ? Comandos::kAcessoEntrada
                                                     : Comandos::kAcessoSaida);
    IBQryAcessos.ParamByName(QStringLiteral("p_sequencia")).AsInteger(sequencia);
    IBQryAcessos.ParamByName(QStringLiteral("p_usuario")).AsString(usuario);
    IBQryAcessos.ParamByName(QStringLiteral("p_data")).AsDate(agora.date());
    IBQryAcessos.ParamByName(QStringLiteral("p_hora")).AsTime(agora.time());
    IBQryAcessos.ExecSQL();
    db.Commit();
}

void MarcaMesaAtiva(Database &db, const QString &usuario)
{
    Query q(db);
    q.SetSQL(Comandos::kMarcaAtivo);
    q.ParamByName(QStringLiteral("p_usuario")).AsString(usuario);
    q.Open();
}
