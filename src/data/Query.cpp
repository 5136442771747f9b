#include "data/Query.h"

#include <ibase.h>
#include <algorithm>
#include <cstring>
#include <QByteArray>

namespace {
// Dates travel as days since 1858-11-17 and times as 1/10000 seconds.
constexpr qint64 kJulianoBase = 2400001;

ISC_DATE ParaIscDate(const QDate &d)
{
    return ISC_DATE(d.toJulianDay() - kJulianoBase);
}
QDate DeIscDate(ISC_DATE d)
{
    return QDate::fromJulianDay(qint64(d) + kJulianoBase);
}
ISC_TIME ParaIscTime(const QTime &t)
{
    return ISC_TIME(t.msecsSinceStartOfDay()) * 10;
}
QTime DeIscTime(ISC_TIME t)
{
    return QTime::fromMSecsSinceStartOfDay(int(t / 10));
}

qint64 Potencia10(int n)
{
    qint64 r = 1;
    while (n-- > 0)
        r *= 10;
    return r;
}

bool InicioNome(QChar c)
{
    return c.isLetter() || c == u'_';
}
bool ParteNome(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

TipoCampo TipoDe(short sqltype, short escala, short subtipo)
{
    switch (sqltype) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        return escala == 0 ? TipoCampo::Inteiro : TipoCampo::Decimal;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return TipoCampo::Real;
    case SQL_TYPE_DATE:
        return TipoCampo::Data;
    case SQL_TYPE_TIME:
        return TipoCampo::Hora;
    case SQL_TIMESTAMP:
        return TipoCampo::DataHora;
    case SQL_BOOLEAN:
        return TipoCampo::Logico;
    default:
        Q_UNUSED(subtipo);
        return TipoCampo::Texto;
    }
}

template <typename T>
void Poe(std::vector<char> &v, const T &x)
{
    const size_t n = v.size();
    v.resize(n + sizeof(T));
    std::memcpy(v.data() + n, &x, sizeof(T));
}

template <typename T>
T Le(const char *p)
{
    T x;
    std::memcpy(&x, p, sizeof(T));
    return x;
}

// Size of a column's value in the packed row (after its null byte).
size_t TamanhoValor(TipoCampo tipo, const char *p)
{
    switch (tipo) {
    case TipoCampo::Inteiro:
    case TipoCampo::Decimal:
    case TipoCampo::Real:
        return 8;
    case TipoCampo::Data:
    case TipoCampo::Hora:
        return 4;
    case TipoCampo::DataHora:
        return 8;
    case TipoCampo::Logico:
        return 1;
    case TipoCampo::Texto:
        return 4 + Le<quint32>(p);
    }
    return 0;
}
} // namespace

TextoComParametros SeparaParametros(const QString &texto)
{
    TextoComParametros r;
    r.sql.reserve(texto.size());
    const qsizetype n = texto.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = texto[i];
        if (c == u'\'' || c == u'"') {
            // A quoted string or identifier; a doubled quote stays inside.
            qsizetype j = i + 1;
            while (j < n) {
                if (texto[j] == c) {
                    if (j + 1 < n && texto[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            r.sql += texto.mid(i, j - i + 1);
            i = j + 1;
        } else if (c == u'-' && i + 1 < n && texto[i + 1] == u'-') {
            qsizetype j = texto.indexOf(u'\n', i);
            if (j < 0)
                j = n;
            r.sql += texto.mid(i, j - i);
            i = j;
        } else if (c == u'/' && i + 1 < n && texto[i + 1] == u'*') {
            qsizetype j = texto.indexOf(QStringLiteral("*/"), i + 2);
            j = j < 0 ? n : j + 2;
            r.sql += texto.mid(i, j - i);
            i = j;
        } else if (c == u':' && i + 1 < n && InicioNome(texto[i + 1])) {
            qsizetype j = i + 1;
            while (j < n && ParteNome(texto[j]))
                ++j;
            r.nomes << texto.mid(i + 1, j - i - 1);
            r.sql += u'?';
            i = j;
        } else {
            r.sql += c;
            ++i;
        }
    }
    return r;
}

void Param::AsDate(const QDate &v)
{
    if (!v.isValid()) {
        Clear();
        return;
    }
    tipo_ = Tipo::Data;
    data_ = v;
}

void Param::AsTime(const QTime &v)
{
    if (!v.isValid()) {
        Clear();
        return;
    }
    tipo_ = Tipo::Hora;
    hora_ = v;
}

void Param::AsDateTime(const QDateTime &v)
{
    if (!v.isValid()) {
        Clear();
        return;
    }
    tipo_ = Tipo::DataHora;
    data_ = v.date();
    hora_ = v.time();
}

// The prepared statement with its two descriptor areas and their buffers.
struct Query::Preparado {
    FB_API_HANDLE stmt = 0;
    unsigned geracao = 0;
    int tipo = 0;
    XSQLDA *entrada = nullptr;
    XSQLDA *saida = nullptr;
    std::vector<QByteArray> bufEntrada;
    std::vector<short> indEntrada;
    std::vector<QByteArray> bufSaida;
    std::vector<short> indSaida;

    ~Preparado()
    {
        std::free(entrada);
        std::free(saida);
    }
    static XSQLDA *Aloca(int n)
    {
        auto *d = static_cast<XSQLDA *>(std::calloc(1, XSQLDA_LENGTH(n < 1 ? 1 : n)));
        d->version = SQLDA_VERSION1;
        d->sqln = short(n < 1 ? 1 : n);
        return d;
    }
};

Query::Query(Database &db) : db_(db)
{
    db_.Registra(this);
}

Query::~Query()
{
    Libera();
    db_.Desregistra(this);
}

void Query::Clear()
{
    Close();
    linhas_.clear();
    params_.clear();
    textoMudou_ = true;
}

void Query::Add(const QString &linha)
{
    Close();
    linhas_ << linha;
    textoMudou_ = true;
}

void Query::SetSQL(const QString &texto)
{
    Clear();
    linhas_ << texto;
}

void Query::SetSQL(const QStringList &linhas)
{
    Clear();
    linhas_ = linhas;
}

Param &Query::ParamByName(const QString &nome)
{
    AnalisaTexto();
    const QString chave = nome.toUpper();
    // params_ holds names of the current text only, so a name found there
    // needs no second look-up.
    const auto it = params_.find(chave);
    if (it != params_.end())
        return *it;
    if (!chaves_.contains(chave))
        throw DbError(QStringLiteral("Parâmetro %1 não encontrado.").arg(nome));
    return params_[chave];
}

QStringList Query::ParamNames()
{
    AnalisaTexto();
    return nomesUnicos_;
}

void Query::AnalisaTexto()
{
    if (!textoMudou_)
        return;
    const auto t = SeparaParametros(SQL());
    textoPreparado_ = t.sql;
    nomesPosicao_ = t.nomes;
    chavesPosicao_.clear();
    nomesUnicos_.clear();
    chaves_.clear();
    for (const QString &n : nomesPosicao_) {
        const QString chave = n.toUpper();
        chavesPosicao_ << chave;
        if (!chaves_.contains(chave)) {
            chaves_.insert(chave);
            nomesUnicos_ << n;
        }
    }
    // Lines are only ever added to a text, so no name given a value can
    // drop out of it; this keeps params_ to the current names regardless.
    params_.removeIf([this](const auto &par) { return !chaves_.contains(par.key()); });
    textoMudou_ = false;
    Libera();
}

void Query::Libera()
{
    if (prep_ && prep_->stmt && prep_->geracao == db_.Geracao()) {
        ISC_STATUS_ARRAY status;
        isc_dsql_free_statement(status, &prep_->stmt, DSQL_drop);
    }
    // A statement of a lost connection is simply forgotten: its handle may
    // already name something else.
    prep_.reset();
}

QString Query::Plano()
{
    if (!prep_ || prep_->geracao != db_.Geracao())
        return QString();
    static const char pedido[] = {isc_info_sql_get_plan};
    QByteArray resposta(16384, '\0');
    ISC_STATUS_ARRAY status;
    if (isc_dsql_sql_info(status, &prep_->stmt, sizeof pedido, pedido, short(resposta.size()),
                          resposta.data())
        || resposta[0] != isc_info_sql_get_plan)
        return QString();
    const int len = int(isc_vax_integer(resposta.constData() + 1, 2));
    return QString::fromUtf8(resposta.constData() + 3, len).trimmed();
}

void Query::Prepara()
{
    AnalisaTexto();
    if (prep_ && prep_->geracao == db_.Geracao())
        return;
    prep_.reset();
    auto p = std::make_unique<Preparado>();
    ISC_STATUS_ARRAY status;
    FB_API_HANDLE *banco = db_.HandleBanco();
    FB_API_HANDLE *transacao = db_.HandleTransacao();
    p->geracao = db_.Geracao();
    if (isc_dsql_allocate_statement(status, banco, &p->stmt))
        db_.Falha(status);
    auto falha = [&] {
        ISC_STATUS_ARRAY s2;
        isc_dsql_free_statement(s2, &p->stmt, DSQL_drop);
        db_.Falha(status);
    };
    const QByteArray texto = textoPreparado_.toUtf8();
    p->saida = Preparado::Aloca(1);
    if (isc_dsql_prepare(status, transacao, &p->stmt, 0, texto.constData(), 3, p->saida))
        falha();
    if (p->saida->sqld > p->saida->sqln) {
        const int n = p->saida->sqld;
        std::free(p->saida);
        p->saida = Preparado::Aloca(n);
        if (isc_dsql_describe(status, &p->stmt, 1, p->saida))
            falha();
    }
    p->entrada = Preparado::Aloca(1);
    if (isc_dsql_describe_bind(status, &p->stmt, 1, p->entrada))
        falha();
    if (p->entrada->sqld > p->entrada->sqln) {
        const int n = p->entrada->sqld;
        std::free(p->entrada);
        p->entrada = Preparado::Aloca(n);
        if (isc_dsql_describe_bind(status, &p->stmt, 1, p->entrada))
            falha();
    }
    static const char pedido[] = {isc_info_sql_stmt_type};
    char resposta[16] = {};
    if (isc_dsql_sql_info(status, &p->stmt, sizeof pedido, pedido, sizeof resposta, resposta))
        falha();
    if (resposta[0] == isc_info_sql_stmt_type) {
        const short len = short(isc_vax_integer(resposta + 1, 2));
        p->tipo = int(isc_vax_integer(resposta + 3, len));
    }

    // Output buffers, and the description of the columns.
    const int nsaida = p->saida->sqld;
    p->bufSaida.resize(size_t(nsaida));
    p->indSaida.assign(size_t(nsaida), 0);
    colunas_.clear();
    porNome_.clear();
    for (int i = 0; i < nsaida; ++i) {
        XSQLVAR &v = p->saida->sqlvar[i];
        const short tipo = short(v.sqltype & ~1);
        size_t tam = size_t(v.sqllen);
        if (tipo == SQL_VARYING)
            tam += 2;
        p->bufSaida[size_t(i)] = QByteArray(qsizetype(tam + 8), '\0');
        v.sqldata = p->bufSaida[size_t(i)].data();
        v.sqlind = &p->indSaida[size_t(i)];
        v.sqltype = short(tipo | 1);
        const QString nome = QString::fromUtf8(v.aliasname, v.aliasname_length);
        colunas_.push_back(Coluna{nome, TipoDe(tipo, v.sqlscale, v.sqlsubtype), tipo, v.sqlscale,
                                  v.sqlsubtype, v.sqllen});
        const QString chave = nome.toUpper();
        if (!porNome_.contains(chave))
            porNome_.insert(chave, i);
    }
    prep_ = std::move(p);
}

void Query::Vincula()
{
    Preparado &p = *prep_;
    const int n = p.entrada->sqld;
    p.bufEntrada.assign(size_t(n), QByteArray());
    p.indEntrada.assign(size_t(n), 0);
    static const Param nulo;
    for (int i = 0; i < n; ++i) {
        XSQLVAR &v = p.entrada->sqlvar[i];
        const short descrito = short(v.sqltype & ~1);
        const auto it = i < chavesPosicao_.size() ? params_.constFind(chavesPosicao_[i])
                                                  : params_.constEnd();
        const Param &par = it == params_.constEnd() ? nulo : *it;
        QByteArray &buf = p.bufEntrada[size_t(i)];
        short &ind = p.indEntrada[size_t(i)];
        v.sqlind = &ind;
        auto poe = [&](short tipo, short escala, const void *dado, int tam) {
            buf = QByteArray(static_cast<const char *>(dado), tam);
            v.sqltype = short(tipo | 1);
            v.sqlscale = escala;
            v.sqllen = short(tam);
            v.sqldata = buf.data();
            ind = 0;
        };
        switch (par.TipoValor()) {
        case Param::Tipo::Nulo: {
            buf = QByteArray(qsizetype(v.sqllen) + 8, '\0');
            v.sqldata = buf.data();
            v.sqltype = short(descrito | 1);
            ind = -1;
            break;
        }
        case Param::Tipo::Inteiro: {
            const ISC_INT64 x = par.Inteiro();
            poe(SQL_INT64, 0, &x, sizeof x);
            break;
        }
        case Param::Tipo::Dinheiro: {
            // Cents as a scaled integer: the server rescales exactly.
            const ISC_INT64 x = par.Inteiro();
            poe(SQL_INT64, -2, &x, sizeof x);
            break;
        }
        case Param::Tipo::Real: {
            const double x = par.Real();
            poe(SQL_DOUBLE, 0, &x, sizeof x);
            break;
        }
        case Param::Tipo::Data: {
            const ISC_DATE x = ParaIscDate(par.Data());
            poe(SQL_TYPE_DATE, 0, &x, sizeof x);
            break;
        }
        case Param::Tipo::Hora: {
            const ISC_TIME x = ParaIscTime(par.Hora());
            poe(SQL_TYPE_TIME, 0, &x, sizeof x);
            break;
        }
        case Param::Tipo::DataHora: {
            const ISC_TIMESTAMP x{ParaIscDate(par.Data()), ParaIscTime(par.Hora())};
            poe(SQL_TIMESTAMP, 0, &x, sizeof x);
            break;
        }
        case Param::Tipo::Texto: {
            const QByteArray bytes = par.Texto().toUtf8();
            if (descrito == SQL_BLOB) {
                ISC_STATUS_ARRAY status;
                ISC_QUAD id{};
                FB_API_HANDLE blob = 0;
                if (isc_create_blob2(status, db_.HandleBanco(), db_.HandleTransacao(), &blob, &id, 0,
                                     nullptr))
                    db_.Falha(status);
                for (qsizetype pos = 0; pos < bytes.size(); pos += 32768) {
                    const auto pedaco = static_cast<unsigned short>(std::min<qsizetype>(32768, bytes.size() - pos));
                    if (isc_put_segment(status, &blob, pedaco, bytes.constData() + pos)) {
                        ISC_STATUS_ARRAY s2;
                        isc_cancel_blob(s2, &blob);
                        db_.Falha(status);
                    }
                }
                if (isc_close_blob(status, &blob))
                    db_.Falha(status);
                poe(SQL_BLOB, 0, &id, sizeof id);
                v.sqlsubtype = 1;
            } else {
                if (bytes.size() > 32765)
                    throw DbError(QStringLiteral("Texto longo demais para o parâmetro %1.")
                                      .arg(nomesPosicao_.value(i)));
                poe(SQL_TEXT, 0, bytes.constData(), int(bytes.size()));
                // The bytes are UTF-8, the connection's character set.
                v.sqlsubtype = 4;
            }
            break;
        }
        }
    }
}

void Query::Open()
{
    if (ativo_)
        return;
    Prepara();
    Vincula();
    ISC_STATUS_ARRAY status;
    if (isc_dsql_execute(status, db_.HandleTransacao(), &prep_->stmt, 1, prep_->entrada))
        db_.Falha(status);
    try {
        LeLinhas();
    } catch (...) {
        dados_.clear();
        linhas_dados_.clear();
        ISC_STATUS_ARRAY s2;
        if (prep_ && prep_->geracao == db_.Geracao())
            isc_dsql_free_statement(s2, &prep_->stmt, DSQL_close);
        throw;
    }
    isc_dsql_free_statement(status, &prep_->stmt, DSQL_close);
    db_.LeituraConcluida();
    ativo_ = true;
    afetadas_ = 0;
    First();
}

void Query::LeLinhas()
{
    dados_.clear();
    linhas_dados_.clear();
    linhaCache_ = -1;
    Preparado &p = *prep_;
    ISC_STATUS_ARRAY status;
    const size_t ncol = colunas_.size();
    for (;;) {
        const ISC_STATUS r = isc_dsql_fetch(status, &p.stmt, 1, p.saida);
        if (r == 100)
            break;
        if (r)
            db_.Falha(status);
        linhas_dados_.push_back(dados_.size());
        for (size_t c = 0; c < ncol; ++c) {
            const XSQLVAR &v = p.saida->sqlvar[c];
            const Coluna &col = colunas_[c];
            if (*v.sqlind < 0 || col.sqltype == SQL_NULL) {
                dados_.push_back(1);
                continue;
            }
            dados_.push_back(0);
            const char *d = v.sqldata;
            switch (col.sqltype) {
            case SQL_SHORT: Poe<qint64>(dados_, Le<short>(d)); break;
            case SQL_LONG: Poe<qint64>(dados_, Le<ISC_LONG>(d)); break;
            case SQL_INT64: Poe<qint64>(dados_, Le<ISC_INT64>(d)); break;
            case SQL_FLOAT: Poe<double>(dados_, double(Le<float>(d))); break;
            case SQL_DOUBLE:
            case SQL_D_FLOAT: Poe<double>(dados_, Le<double>(d)); break;
            case SQL_TYPE_DATE: Poe<ISC_DATE>(dados_, Le<ISC_DATE>(d)); break;
            case SQL_TYPE_TIME: Poe<ISC_TIME>(dados_, Le<ISC_TIME>(d)); break;
            case SQL_TIMESTAMP: {
                const auto ts = Le<ISC_TIMESTAMP>(d);
                Poe<ISC_DATE>(dados_, ts.timestamp_date);
                Poe<ISC_TIME>(dados_, ts.timestamp_time);
                break;
            }
            case SQL_BOOLEAN: dados_.push_back(*d ? 1 : 0); break;
            case SQL_VARYING: {
                const auto len = Le<unsigned short>(d);
                Poe<quint32>(dados_, len);
                dados_.insert(dados_.end(), d + 2, d + 2 + len);
                break;
            }
            case SQL_TEXT: {
                // CHAR(n) comes padded with blanks: they are not part of the value.
                int len = v.sqllen;
                while (len > 0 && d[len - 1] == ' ')
                    --len;
                Poe<quint32>(dados_, quint32(len));
                dados_.insert(dados_.end(), d, d + len);
                break;
            }
            case SQL_BLOB: {
                ISC_QUAD id = Le<ISC_QUAD>(d);
                FB_API_HANDLE blob = 0;
                if (isc_open_blob2(status, db_.HandleBanco(), db_.HandleTransacao(), &blob, &id, 0,
                                   nullptr))
                    db_.Falha(status);
                const size_t inicio = dados_.size();
                Poe<quint32>(dados_, 0);
                char seg[32768];
                for (;;) {
                    unsigned short lido = 0;
                    const ISC_STATUS rs = isc_get_segment(status, &blob, &lido, sizeof seg, seg);
                    if (rs && rs != isc_segment) {
                        if (rs == isc_segstr_eof)
                            break;
                        ISC_STATUS_ARRAY s2;
                        isc_close_blob(s2, &blob);
                        db_.Falha(status);
                    }
                    dados_.insert(dados_.end(), seg, seg + lido);
                }
                isc_close_blob(status, &blob);
                const auto len = quint32(dados_.size() - inicio - 4);
                std::memcpy(dados_.data() + inicio, &len, 4);
                break;
            }
            default:
                dados_.back() = 1;
                break;
            }
        }
    }
}

void Query::ExecSQL()
{
    Close();
    Prepara();
    Vincula();
    ISC_STATUS_ARRAY status;
    Preparado &p = *prep_;
    const bool devolveLinha = p.saida->sqld > 0 && p.tipo != isc_info_sql_stmt_select
        && p.tipo != isc_info_sql_stmt_select_for_upd;
    if (isc_dsql_execute2(status, db_.HandleTransacao(), &p.stmt, 1, p.entrada,
                          devolveLinha ? p.saida : nullptr))
        db_.Falha(status);
    if (p.tipo == isc_info_sql_stmt_select || p.tipo == isc_info_sql_stmt_select_for_upd)
        isc_dsql_free_statement(status, &p.stmt, DSQL_close);

    afetadas_ = 0;
    static const char pedido[] = {isc_info_sql_records};
    char resposta[64] = {};
    if (!isc_dsql_sql_info(status, &p.stmt, sizeof pedido, pedido, sizeof resposta, resposta)
        && resposta[0] == isc_info_sql_records) {
        const char *q = resposta + 3;
        while (*q != isc_info_end && q < resposta + sizeof resposta - 4) {
            const char item = *q++;
            const short len = short(isc_vax_integer(q, 2));
            q += 2;
            const qint64 n = isc_vax_integer(q, len);
            q += len;
            if (item == isc_info_req_insert_count || item == isc_info_req_update_count
                || item == isc_info_req_delete_count)
                afetadas_ += n;
        }
    }
    if (p.tipo != isc_info_sql_stmt_select && p.tipo != isc_info_sql_stmt_select_for_upd)
        db_.MarcaEscrita();
    else
        db_.LeituraConcluida();
}

void Query::Close()
{
    ativo_ = false;
    dados_.clear();
    dados_.shrink_to_fit();
    linhas_dados_.clear();
    linhas_dados_.shrink_to_fit();
    linhaCache_ = -1;
    atual_ = -1;
    bof_ = eof_ = true;
}

void Query::First()
{
    atual_ = IsEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = IsEmpty();
}

void Query::Last()
{
    atual_ = IsEmpty() ? -1 : RecordCount() - 1;
    bof_ = IsEmpty();
    eof_ = true;
}

// As in the classic record set: a move not blocked by its own flag clears
// both flags first; one that finds no row to move to sets its flag.
void Query::Next()
{
    if (eof_)
        return;
    bof_ = eof_ = false;
    if (atual_ < RecordCount() - 1)
        ++atual_;
    else
        eof_ = true;
}

void Query::Prior()
{
    if (bof_)
        return;
    bof_ = eof_ = false;
    if (atual_ > 0)
        --atual_;
    else
        bof_ = true;
}

void Query::SetRecNo(int n)
{
    if (n < 1 || n > RecordCount() || n - 1 == atual_)
        return;
    atual_ = n - 1;
    bof_ = eof_ = false;
}

bool Query::HasField(const QString &nome) const
{
    return porNome_.contains(nome.toUpper());
}

Field Query::Fields(int i) const
{
    if (i < 0 || i >= FieldCount())
        throw DbError(QStringLiteral("Campo %1 fora dos limites.").arg(i));
    return Field(this, atual_, i);
}

Field Query::FieldByName(const QString &nome) const
{
    const auto it = porNome_.constFind(nome.toUpper());
    if (it == porNome_.constEnd())
        throw DbError(QStringLiteral("Campo %1 não encontrado.").arg(nome));
    return Field(this, atual_, *it);
}

const char *Query::Dado(int linha, int coluna) const
{
    if (!ativo_ || linha < 0 || linha >= RecordCount())
        return nullptr;
    if (linha != linhaCache_) {
        offsetsCache_.resize(colunas_.size());
        size_t pos = linhas_dados_[size_t(linha)];
        for (size_t c = 0; c < colunas_.size(); ++c) {
            offsetsCache_[c] = unsigned(pos);
            const bool nulo = dados_[pos] != 0;
            ++pos;
            if (!nulo)
                pos += TamanhoValor(colunas_[c].tipo, dados_.data() + pos);
        }
        linhaCache_ = linha;
    }
    return dados_.data() + offsetsCache_[size_t(coluna)];
}

// --- Field -----------------------------------------------------------------

const char *Field::Dado() const
{
    const char *p = q_->Dado(linha_, coluna_);
    return p && *p == 0 ? p + 1 : nullptr;
}

QString Field::FieldName() const
{
    return q_->colunas_[size_t(coluna_)].nome;
}

TipoCampo Field::Kind() const
{
    return q_->colunas_[size_t(coluna_)].tipo;
}

bool Field::IsNull() const
{
    return Dado() == nullptr;
}

qint64 Field::AsLargeInt() const
{
    const char *d = Dado();
    if (!d)
        return 0;
    switch (Kind()) {
    case TipoCampo::Inteiro: return Le<qint64>(d);
    case TipoCampo::Decimal:
        return Le<qint64>(d) / Potencia10(-q_->colunas_[size_t(coluna_)].escala);
    case TipoCampo::Real: return qint64(Le<double>(d));
    case TipoCampo::Logico: return *d ? 1 : 0;
    case TipoCampo::Texto: {
        bool ok = false;
        const qint64 v = AsString().trimmed().toLongLong(&ok);
        if (!ok)
            throw DbError(QStringLiteral("'%1' não é um valor inteiro válido.").arg(AsString()));
        return v;
    }
    default:
        throw DbError(QStringLiteral("O campo %1 não é numérico.").arg(FieldName()));
    }
}

int Field::AsInteger() const
{
    return int(AsLargeInt());
}

double Field::AsFloat() const
{
    const char *d = Dado();
    if (!d)
        return 0;
    if (Kind() == TipoCampo::Real)
        return Le<double>(d);
    if (Kind() == TipoCampo::Decimal)
        return double(Le<qint64>(d)) / double(Potencia10(-q_->colunas_[size_t(coluna_)].escala));
    return double(AsLargeInt());
}

Money Field::AsMoney() const
{
    const char *d = Dado();
    if (!d)
        return Money{};
    switch (Kind()) {
    case TipoCampo::Inteiro: return Money{Le<qint64>(d) * 100};
    case TipoCampo::Decimal: {
        const int escala = -q_->colunas_[size_t(coluna_)].escala;
        const qint64 v = Le<qint64>(d);
        if (escala <= 2)
            return Money{v * Potencia10(2 - escala)};
        // More places than cents: round half away from zero.
        const qint64 div = Potencia10(escala - 2);
        const qint64 q = v / div;
        const qint64 resto = v % div;
        return Money{q + (2 * (resto < 0 ? -resto : resto) >= div ? (v < 0 ? -1 : 1) : 0)};
    }
    case TipoCampo::Texto: {
        const auto m = Money::DeTexto(AsString());
        if (!m)
            throw DbError(QStringLiteral("'%1' não é um valor válido.").arg(AsString()));
        return *m;
    }
    default: return Money{qint64(AsFloat() * 100 + (AsFloat() < 0 ? -0.5 : 0.5))};
    }
}

QDate Field::AsDate() const
{
    const char *d = Dado();
    if (!d)
        return {};
    switch (Kind()) {
    case TipoCampo::Data:
    case TipoCampo::DataHora: return DeIscDate(Le<ISC_DATE>(d));
    case TipoCampo::Texto: return QDate::fromString(AsString(), QStringLiteral("dd/MM/yyyy"));
    default: throw DbError(QStringLiteral("O campo %1 não é uma data.").arg(FieldName()));
    }
}

QTime Field::AsTime() const
{
    const char *d = Dado();
    if (!d)
        return {};
    switch (Kind()) {
    case TipoCampo::Hora: return DeIscTime(Le<ISC_TIME>(d));
    case TipoCampo::DataHora: return DeIscTime(Le<ISC_TIME>(d + 4));
    default: throw DbError(QStringLiteral("O campo %1 não é uma hora.").arg(FieldName()));
    }
}

QDateTime Field::AsDateTime() const
{
    const char *d = Dado();
    if (!d)
        return {};
    switch (Kind()) {
    case TipoCampo::Data: return QDateTime(AsDate(), QTime(0, 0));
    case TipoCampo::DataHora: return QDateTime(AsDate(), AsTime());
    default: throw DbError(QStringLiteral("O campo %1 não é data e hora.").arg(FieldName()));
    }
}

QString Field::AsString() const
{
    const char *d = Dado();
    if (!d)
        return {};
    switch (Kind()) {
    case TipoCampo::Texto: return QString::fromUtf8(d + 4, Le<quint32>(d));
    case TipoCampo::Inteiro: return QString::number(Le<qint64>(d));
    case TipoCampo::Decimal: {
        const int escala = -q_->colunas_[size_t(coluna_)].escala;
        const qint64 v = Le<qint64>(d);
        const qint64 div = Potencia10(escala);
        const qint64 abs = v < 0 ? -v : v;
        return QStringLiteral("%1%2,%3")
            .arg(v < 0 ? QStringLiteral("-") : QString())
            .arg(abs / div)
            .arg(abs % div, escala, 10, QLatin1Char('0'));
    }
    case TipoCampo::Real: return QString::number(Le<double>(d), 'g', 15).replace(u'.', u',');
    case TipoCampo::Data: return AsDate().toString(QStringLiteral("dd/MM/yyyy"));
    case TipoCampo::Hora: return AsTime().toString(QStringLiteral("HH:mm:ss"));
    case TipoCampo::DataHora:
        return AsDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    case TipoCampo::Logico: return *d ? QStringLiteral("True") : QStringLiteral("False");
    }
    return {};
}

QVariant Field::AsVariant() const
{
    if (IsNull())
        return {};
    switch (Kind()) {
    case TipoCampo::Texto: return AsString();
    case TipoCampo::Inteiro: return AsLargeInt();
    case TipoCampo::Decimal: return AsString();
    case TipoCampo::Real: return AsFloat();
    case TipoCampo::Data: return AsDate();
    case TipoCampo::Hora: return AsTime();
    case TipoCampo::DataHora: return AsDateTime();
    case TipoCampo::Logico: return AsLargeInt() != 0;
    }
    return {};
}
