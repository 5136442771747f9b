#include "data/Database.h"

#include "data/Query.h"

#include <ibase.h>
#include <algorithm>
#include <QByteArray>

static_assert(sizeof(FbHandle) == sizeof(FB_API_HANDLE));
static_assert(sizeof(intptr_t) == sizeof(ISC_STATUS));

namespace {
void AnexaDpb(QByteArray &dpb, char tag, const QByteArray &valor)
{
    dpb.append(tag);
    dpb.append(char(valor.size()));
    dpb.append(valor);
}

const long kCodigosConexaoPerdida[] = {
    isc_network_error, isc_net_read_err, isc_net_write_err, isc_conn_lost,
    isc_lost_db_connection, isc_shutdown, isc_att_shutdown, isc_bad_db_handle,
};
} // namespace

DbError::DbError(const QString &mensagem, int sqlCode, long gdsCode)
    : std::runtime_error(mensagem.toStdString()), mensagem_(mensagem), sqlCode_(sqlCode),
      gdsCode_(gdsCode)
{
}

bool DbError::ConexaoPerdida() const
{
    return std::find(std::begin(kCodigosConexaoPerdida), std::end(kCodigosConexaoPerdida),
                     gdsCode_)
        != std::end(kCodigosConexaoPerdida);
}

Database::Database() = default;

Database::~Database()
{
    Close();
}

DbError Database::ErroDe(const intptr_t *status)
{
    const ISC_STATUS *sv = status;
    const int sqlcode = int(isc_sqlcode(sv));
    // The first gds code of the vector names the error; a lost connection
    // may be said by a later one, so look through all of them.
    long gds = status[1];
    long perda = 0;
    for (const ISC_STATUS *p = sv; *p != isc_arg_end;) {
        const ISC_STATUS tipo = *p++;
        if (tipo == isc_arg_gds
            && std::find(std::begin(kCodigosConexaoPerdida), std::end(kCodigosConexaoPerdida), *p)
                != std::end(kCodigosConexaoPerdida)
            && perda == 0)
            perda = long(*p);
        if (tipo == isc_arg_cstring)
            p += 2;
        else
            ++p;
    }
    QStringList linhas;
    char buffer[1024];
    const ISC_STATUS *cursor = sv;
    while (fb_interpret(buffer, sizeof buffer, &cursor) > 0)
        linhas << QString::fromUtf8(buffer);
    return DbError(linhas.join(QLatin1Char('\n')), sqlcode, perda ? perda : gds);
}

void Database::Falha(const intptr_t *status)
{
    DbError erro = ErroDe(status);
    if (erro.ConexaoPerdida())
        Descarta();
    else
        FalhaComando();
    throw erro;
}

void Database::Open()
{
    if (db_)
        return;
    QByteArray dpb;
    dpb.append(char(isc_dpb_version1));
    AnexaDpb(dpb, isc_dpb_user_name, usuario_.toUtf8());
    AnexaDpb(dpb, isc_dpb_password, senha_.toUtf8());
    AnexaDpb(dpb, isc_dpb_lc_ctype, QByteArray("UTF8"));
    AnexaDpb(dpb, isc_dpb_sql_dialect, QByteArray(1, char(3)));
    // The name goes as UTF-8 so that accented folder names arrive intact.
    AnexaDpb(dpb, isc_dpb_utf8_filename, QByteArray());
    const QByteArray nome = nome_.toUtf8();
    ISC_STATUS_ARRAY status;
    FB_API_HANDLE h = 0;
    if (isc_attach_database(status, short(nome.size()), nome.constData(), &h, short(dpb.size()),
                            dpb.constData()))
        throw ErroDe(status);
    db_ = h;
    ++geracao_;
    if (aoConectar_) {
        try {
            aoConectar_(*this);
        } catch (...) {
            Descarta();
            throw;
        }
    }
}

void Database::Close()
{
    if (!db_)
        return;
    FechaConsultas();
    ISC_STATUS_ARRAY status;
    if (tr_)
        isc_commit_transaction(status, &tr_);
    isc_detach_database(status, &db_);
    Descarta();
}

void Database::DropDatabase()
{
    if (!db_)
        Open();
    FechaConsultas();
    ISC_STATUS_ARRAY status;
    if (tr_)
        isc_rollback_transaction(status, &tr_);
    tr_ = 0;
    if (isc_drop_database(status, &db_))
        Falha(status);
    Descarta();
}

void Database::Descarta()
{
    // The handles are dead or already released: forget them, and let every
    // prepared statement know by the change of generation.
    ISC_STATUS_ARRAY status;
    if (db_)
        isc_detach_database(status, &db_);
    tr_ = 0;
    db_ = 0;
    sujo_ = false;
    ++geracao_;
}

void Database::StartTransaction()
{
    if (tr_)
        return;
    if (!db_)
        Open();
    static const char tpb[] = {isc_tpb_version3, isc_tpb_read_committed, isc_tpb_rec_version};
    ISC_STATUS_ARRAY status;
    FB_API_HANDLE h = 0;
    if (isc_start_transaction(status, &h, 1, &db_, short(sizeof tpb), tpb))
        Falha(status);
    tr_ = h;
    sujo_ = false;
}

void Database::Commit()
{
    FechaConsultas();
    EncerraTransacaoServidor();
}

void Database::EncerraTransacaoServidor()
{
    if (!tr_)
        return;
    ISC_STATUS_ARRAY status;
    if (isc_commit_transaction(status, &tr_)) {
        DbError erro = ErroDe(status);
        if (erro.ConexaoPerdida())
            Descarta();
        throw erro;
    }
    tr_ = 0;
    sujo_ = false;
}

void Database::FechaConsultas()
{
    // Closing a query never unregisters it, so iterate over a copy anyway in
    // case a close handler of a window drops one.
    const auto copia = consultas_;
    for (Query *q : copia)
        q->Close();
}

void Database::LeituraConcluida()
{
    if (!sujo_)
        EncerraTransacaoServidor();
}

void Database::FalhaComando()
{
    // A refused statement changed nothing; a transaction with no pending
    // write need not stay open after it.
    if (!sujo_ && tr_) {
        ISC_STATUS_ARRAY status;
        if (isc_commit_transaction(status, &tr_))
            isc_rollback_transaction(status, &tr_);
        tr_ = 0;
    }
}

FbHandle *Database::HandleBanco()
{
    if (!db_)
        Open();
    return &db_;
}

FbHandle *Database::HandleTransacao()
{
    if (!tr_)
        StartTransaction();
    return &tr_;
}

void Database::Registra(Query *q)
{
    consultas_.push_back(q);
}

void Database::Desregistra(Query *q)
{
    consultas_.erase(std::remove(consultas_.begin(), consultas_.end(), q), consultas_.end());
}

void Database::ExecuteImmediate(const QString &sql)
{
    const QByteArray texto = sql.toUtf8();
    ISC_STATUS_ARRAY status;
    if (isc_dsql_execute_immediate(status, HandleBanco(), HandleTransacao(), 0, texto.constData(),
                                   3, nullptr))
        Falha(status);
    MarcaEscrita();
    Commit();
}

void Database::CreateDatabase(const QString &nome, const QString &usuario, const QString &senha,
                              const QString &charset)
{
    auto aspas = [](QString s) { return s.replace(u'\'', QStringLiteral("''")); };
    const QByteArray sql = QStringLiteral("CREATE DATABASE '%1' USER '%2' PASSWORD '%3' "
                                          "PAGE_SIZE 8192 DEFAULT CHARACTER SET %4")
                               .arg(aspas(nome), aspas(usuario), aspas(senha), charset)
                               .toUtf8();
    ISC_STATUS_ARRAY status;
    FB_API_HANDLE db = 0;
    FB_API_HANDLE tr = 0;
    if (isc_dsql_execute_immediate(status, &db, &tr, 0, sql.constData(), 3, nullptr))
        throw ErroDe(status);
    isc_detach_database(status, &db);
}
