#pragma once
// A statement on the shared connection and transaction, and the record set
// it opens.
//
//   Query q(db);
//   q.Clear();
//   q.Add("SELECT * FROM obitos WHERE obi_codigo = :p_codigo");
//   q.ParamByName("p_codigo").AsInteger(12);
//   q.Open();                    // fetches every row, then stands on the first
//   QString nome = q.FieldByName("OBI_NOME").AsString();
//
// Parameters are named (:p_nome), bound by name in any letter case, and sent
// as NULL when given no value. Open() fetches the whole result and keeps it;
// First/Last/Next/Prior move over it with the beginning and end flags of the
// classic record-set semantics. ExecSQL() runs a write; the caller commits.

#include "data/Database.h"
#include "data/Money.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>
#include <memory>
#include <vector>

// Statement text with its named parameters replaced by '?', and the name
// found at each position (a name may stand at several). Quoted strings,
// quoted identifiers and comments are left alone.
struct TextoComParametros {
    QString sql;
    QStringList nomes;
};
TextoComParametros SeparaParametros(const QString &texto);

enum class TipoCampo { Inteiro, Decimal, Real, Texto, Data, Hora, DataHora, Logico };

class Param {
public:
    enum class Tipo { Nulo, Inteiro, Texto, Data, Hora, DataHora, Dinheiro, Real };

    void AsInteger(qint64 v) { tipo_ = Tipo::Inteiro; inteiro_ = v; }
    void AsString(const QString &v) { tipo_ = Tipo::Texto; texto_ = v; }
    // An invalid date or time is sent as NULL.
    void AsDate(const QDate &v);
    void AsTime(const QTime &v);
    void AsDateTime(const QDateTime &v);
    void AsMoney(Money v) { tipo_ = Tipo::Dinheiro; inteiro_ = v.centavos; }
    void AsFloat(double v) { tipo_ = Tipo::Real; real_ = v; }
    void Clear() { tipo_ = Tipo::Nulo; }

    Tipo TipoValor() const { return tipo_; }
    bool IsNull() const { return tipo_ == Tipo::Nulo; }
    qint64 Inteiro() const { return inteiro_; }
    const QString &Texto() const { return texto_; }
    double Real() const { return real_; }
    QDate Data() const { return data_; }
    QTime Hora() const { return hora_; }

private:
    Tipo tipo_ = Tipo::Nulo;
    qint64 inteiro_ = 0;
    double real_ = 0;
    QString texto_;
    QDate data_;
    QTime hora_;
};

class Query;

// A field of the current row (a light view; valid while the row is).
class Field {
public:
    QString FieldName() const;
    TipoCampo Kind() const;
    bool IsNull() const;
    // Text as a clerk reads it: dates dd/mm/yyyy, times hh:mm:ss, money with
    // the decimal comma ("1234,56"); NULL reads as "".
    QString AsString() const;
    int AsInteger() const;
    qint64 AsLargeInt() const;
    double AsFloat() const;
    Money AsMoney() const;
    QDate AsDate() const;
    QTime AsTime() const;
    QDateTime AsDateTime() const;
    QVariant AsVariant() const;

private:
    friend class Query;
    Field(const Query *q, int linha, int coluna) : q_(q), linha_(linha), coluna_(coluna) {}
    const char *Dado() const;
    const Query *q_;
    int linha_;
    int coluna_;
};

class Query {
public:
    explicit Query(Database &db);
    ~Query();
    Query(const Query &) = delete;
    Query &operator=(const Query &) = delete;

    // Statement text: lines joined by line breaks. Clear() closes the record
    // set and unsets every parameter.
    void Clear();
    void Add(const QString &linha);
    void SetSQL(const QString &texto);
    // Clear() then Add() of each line.
    void SetSQL(const QStringList &linhas);
    QString SQL() const { return linhas_.join(QLatin1Char('\n')); }

    Param &ParamByName(const QString &nome);
    QStringList ParamNames();

    void Open();
    void Close();
    void ExecSQL();
    bool Active() const { return ativo_; }
    qint64 RowsAffected() const { return afetadas_; }
    // The server's access plan of the statement last prepared ("PLAN ..."),
    // empty when none is; for benchmarks and diagnosis.
    QString Plano();

    void First();
    void Last();
    void Next();
    void Prior();
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }
    bool IsEmpty() const { return linhas_dados_.empty(); }
    int RecordCount() const { return int(linhas_dados_.size()); }
    // 1-based number of the current row; 0 when there is none.
    int RecNo() const { return atual_ + 1; }
    // Moves to a row by its 1-based number (grids use it).
    void SetRecNo(int n);

    int FieldCount() const { return int(colunas_.size()); }
    Field Fields(int i) const;
    Field FieldByName(const QString &nome) const;
    bool HasField(const QString &nome) const;
    // Random access for grids and printouts: row and column from 0.
    Field At(int linha, int coluna) const { return Field(this, linha, coluna); }

    struct Coluna {
        QString nome;
        TipoCampo tipo;
        short sqltype;
        short escala;
        short subtipo;
        short tamanho;
    };
    const std::vector<Coluna> &Colunas() const { return colunas_; }

private:
    friend class Field;
    struct Preparado;
    void AnalisaTexto();
    void Prepara();
    void Libera();
    void Vincula();
    void LeLinhas();
    const char *Dado(int linha, int coluna) const;

    Database &db_;
    QStringList linhas_;
    bool textoMudou_ = true;
    QString textoPreparado_;
    QStringList nomesPosicao_;   // parameter name at each '?' position
    // Worked out once per text: statements executed row after row look
    // their parameters up by name dozens of times per row.
    QStringList chavesPosicao_;  // the same in upper case (keys of params_)
    QStringList nomesUnicos_;    // each name once, as first written
    QSet<QString> chaves_;       // each upper-case name once
    QHash<QString, Param> params_;  // by upper-case name
    std::unique_ptr<Preparado> prep_;

    bool ativo_ = false;
    bool bof_ = true;
    bool eof_ = true;
    int atual_ = -1;
    qint64 afetadas_ = 0;

    std::vector<Coluna> colunas_;
    QHash<QString, int> porNome_;
    // Rows packed one after another: per column a null byte, then the value.
    std::vector<char> dados_;
    std::vector<size_t> linhas_dados_;
    mutable int linhaCache_ = -1;
    mutable std::vector<unsigned> offsetsCache_;
};
