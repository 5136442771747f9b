#include "data/Preenchimento.h"

#include "data/Comandos.h"
#include "data/Database.h"
#include "data/Query.h"

#include <QDate>
#include <algorithm>
#include <optional>
#include <QStringList>
#include <vector>

using namespace Qt::StringLiterals;

namespace {
// Rows per commit: one commit per row would make a large fill crawl, one
// commit for everything would keep a huge transaction open.
constexpr int kLinhasPorCommit = 5000;

// splitmix64: the same sequence on every platform and library, which the
// standard distributions do not promise.
class Sorteio {
public:
    explicit Sorteio(quint64 semente) : s_(semente) {}
    quint64 Proximo()
    {
        quint64 z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1
    int Ate(int n) { return int(Proximo() % quint64(n)); }
    // a .. b
    int Entre(int a, int b) { return a + Ate(b - a + 1); }
    bool Chance(int porCento) { return Ate(100) < porCento; }
    const QString &De(const QStringList &lista) { return lista[Ate(int(lista.size()))]; }
    QString Digitos(int n)
    {
        QString s(n, u'0');
        for (int i = 0; i < n; ++i)
            s[i] = QChar(u'0' + Ate(10));
        return s;
    }

private:
    quint64 s_;
};

// MARIA appears several times: it is by far the commonest first name of the
// women in the registers, and the name searches are timed on it.
const QStringList kNomesFemininos{
    u"MARIA"_s, u"MARIA"_s, u"MARIA"_s, u"MARIA"_s, u"MARIA"_s, u"ANA"_s, u"FRANCISCA"_s,
    u"ANTÔNIA"_s, u"ADRIANA"_s, u"JULIANA"_s, u"MÁRCIA"_s, u"FERNANDA"_s, u"PATRÍCIA"_s,
    u"ALINE"_s, u"SANDRA"_s, u"CONCEIÇÃO"_s, u"APARECIDA"_s, u"LÚCIA"_s, u"TEREZINHA"_s,
    u"BENEDITA"_s, u"RITA"_s, u"INÊS"_s, u"LETÍCIA"_s, u"VITÓRIA"_s, u"CÉLIA"_s,
    u"GLÓRIA"_s, u"SÔNIA"_s, u"VÂNIA"_s, u"MÔNICA"_s, u"DÉBORA"_s, u"JOSEFA"_s,
    u"RAIMUNDA"_s, u"IRACEMA"_s, u"CLÁUDIA"_s, u"HELENA"_s, u"LUZIA"_s};
const QStringList kSegundosFemininos{
    u"DE FÁTIMA"_s, u"APARECIDA"_s, u"DA CONCEIÇÃO"_s, u"DAS GRAÇAS"_s, u"JOSÉ"_s,
    u"DE LOURDES"_s, u"HELENA"_s, u"LÚCIA"_s, u"CRISTINA"_s};
const QStringList kNomesMasculinos{
    u"JOSÉ"_s, u"JOSÉ"_s, u"JOÃO"_s, u"JOÃO"_s, u"ANTÔNIO"_s, u"ANTÔNIO"_s,
    u"FRANCISCO"_s, u"CARLOS"_s, u"PAULO"_s, u"PEDRO"_s, u"LUCAS"_s, u"LUIZ"_s,
    u"MARCOS"_s, u"LUÍS"_s, u"GABRIEL"_s, u"RAFAEL"_s, u"DANIEL"_s, u"MARCELO"_s,
    u"BRUNO"_s, u"EDUARDO"_s, u"FELIPE"_s, u"RAIMUNDO"_s, u"RODRIGO"_s, u"SEBASTIÃO"_s,
    u"BENEDITO"_s, u"GERALDO"_s, u"JOAQUIM"_s, u"OTÁVIO"_s, u"FÁBIO"_s, u"SÉRGIO"_s,
    u"VALDIR"_s, u"ANDRÉ"_s, u"MÁRIO"_s, u"JÚLIO"_s, u"CÉSAR"_s, u"ROGÉRIO"_s,
    u"VINÍCIUS"_s, u"MANOEL"_s};
const QStringList kSegundosMasculinos{
    u"CARLOS"_s, u"HENRIQUE"_s, u"AUGUSTO"_s, u"ANTÔNIO"_s, u"JOSÉ"_s, u"LUÍS"_s,
    u"EDUARDO"_s, u"ROBERTO"_s, u"PAULO"_s, u"APARECIDO"_s};
const QStringList kSobrenomes{
    u"SILVA"_s, u"SANTOS"_s, u"OLIVEIRA"_s, u"SOUZA"_s, u"RODRIGUES"_s, u"FERREIRA"_s,
    u"ALVES"_s, u"PEREIRA"_s, u"LIMA"_s, u"GOMES"_s, u"COSTA"_s, u"RIBEIRO"_s,
    u"MARTINS"_s, u"CARVALHO"_s, u"ALMEIDA"_s, u"LOPES"_s, u"SOARES"_s, u"FERNANDES"_s,
    u"VIEIRA"_s, u"BARBOSA"_s, u"ROCHA"_s, u"DIAS"_s, u"NASCIMENTO"_s, u"ANDRADE"_s,
    u"MOREIRA"_s, u"NUNES"_s, u"MARQUES"_s, u"MACHADO"_s, u"MENDES"_s, u"FREITAS"_s,
    u"CARDOSO"_s, u"RAMOS"_s, u"GONÇALVES"_s, u"SANTANA"_s, u"TEIXEIRA"_s, u"ARAÚJO"_s,
    u"CONCEIÇÃO"_s, u"BRAGA"_s, u"GALVÃO"_s, u"PEIXOTO"_s, u"FALCÃO"_s, u"MAGALHÃES"_s,
    u"BRANDÃO"_s, u"ASSUNÇÃO"_s, u"DAMIÃO"_s, u"ROMÃO"_s, u"JESUS"_s, u"PRADO"_s};
const QStringList kLigacoes{u"DA"_s, u"DOS"_s, u"DE"_s, u"DAS"_s};

// Most of the dead lived in the town of the cemetery; the rest come from
// anywhere, one capital per state so that every state code appears.
const QString kCidadeLocal = u"SÃO JOSÉ DO RIO PRETO"_s;
const QString kUfLocal = u"SP"_s;
const QStringList kCapitais{
    u"RIO BRANCO"_s, u"MACEIÓ"_s, u"MANAUS"_s, u"MACAPÁ"_s, u"SALVADOR"_s,
    u"FORTALEZA"_s, u"BRASÍLIA"_s, u"VITÓRIA"_s, u"GOIÂNIA"_s, u"SÃO LUÍS"_s,
    u"BELO HORIZONTE"_s, u"CAMPO GRANDE"_s, u"CUIABÁ"_s, u"BELÉM"_s, u"JOÃO PESSOA"_s,
    u"RECIFE"_s, u"TERESINA"_s, u"CURITIBA"_s, u"RIO DE JANEIRO"_s, u"NATAL"_s,
    u"PORTO VELHO"_s, u"BOA VISTA"_s, u"PORTO ALEGRE"_s, u"FLORIANÓPOLIS"_s, u"ARACAJU"_s,
    u"SÃO PAULO"_s, u"PALMAS"_s};
const QStringList kUfs{u"AC"_s, u"AL"_s, u"AM"_s, u"AP"_s, u"BA"_s, u"CE"_s, u"DF"_s,
                       u"ES"_s, u"GO"_s, u"MA"_s, u"MG"_s, u"MS"_s, u"MT"_s, u"PA"_s,
                       u"PB"_s, u"PE"_s, u"PI"_s, u"PR"_s, u"RJ"_s, u"RN"_s, u"RO"_s,
                       u"RR"_s, u"RS"_s, u"SC"_s, u"SE"_s, u"SP"_s, u"TO"_s};

const QStringList kTiposLogradouro{u"RUA"_s, u"RUA"_s, u"RUA"_s, u"AVN"_s,
                                   u"ALA"_s, u"TRV"_s, u"FAZ"_s, u"SIT"_s};
const QStringList kRuas{
    u"SETE DE SETEMBRO"_s, u"QUINZE DE NOVEMBRO"_s, u"TIRADENTES"_s, u"DOM PEDRO II"_s,
    u"SANTOS DUMONT"_s, u"BARÃO DO RIO BRANCO"_s, u"MARECHAL DEODORO"_s, u"SÃO BENEDITO"_s,
    u"JOÃO PESSOA"_s, u"DAS ACÁCIAS"_s, u"DOS IPÊS"_s, u"PRESIDENTE VARGAS"_s,
    u"FLORIANO PEIXOTO"_s, u"CASTRO ALVES"_s, u"VISCONDE DE MAUÁ"_s,
    u"CORONEL JOAQUIM JOSÉ"_s, u"BERNARDINO DE CAMPOS"_s, u"SÃO JOÃO"_s};
const QStringList kPropriedadesRurais{u"SANTA LUZIA"_s, u"BOA ESPERANÇA"_s, u"SÃO JOSÉ"_s,
                                      u"TRÊS IRMÃOS"_s, u"CÓRREGO FUNDO"_s, u"PARAÍSO"_s};
const QStringList kBairros{
    u"CENTRO"_s, u"VILA NOVA"_s, u"JARDIM AMÉRICA"_s, u"BOA VISTA"_s, u"SÃO JOSÉ"_s,
    u"VILA SÃO JOÃO"_s, u"JARDIM PAULISTA"_s, u"SANTA CRUZ"_s, u"BELA VISTA"_s,
    u"PARQUE DAS NAÇÕES"_s, u"CONJUNTO HABITACIONAL JOSÉ BONIFÁCIO"_s, u"VILA ESPERANÇA"_s};
const QStringList kComplementos{u"CASA 2"_s, u"APTO 101"_s, u"FUNDOS"_s,
                                u"BLOCO B APTO 32"_s, u"SALA 3"_s, u"CASA"_s};

const QStringList kCores{u"BRANCA"_s, u"BRANCA"_s, u"PARDA"_s, u"PARDA"_s,
                         u"PRETA"_s, u"AMARELA"_s, u"INDÍGENA"_s};
const QStringList kProfissoes{
    u"APOSENTADO(A)"_s, u"APOSENTADO(A)"_s, u"DO LAR"_s, u"LAVRADOR(A)"_s,
    u"COMERCIANTE"_s, u"PROFESSOR(A)"_s, u"PEDREIRO"_s, u"MOTORISTA"_s,
    u"FUNCIONÁRIO(A) PÚBLICO(A)"_s, u"ESTUDANTE"_s, u"MECÂNICO"_s, u"COSTUREIRA"_s,
    u"DOMÉSTICA"_s, u"COMERCIÁRIO(A)"_s, u"SEM PROFISSÃO"_s};
const QStringList kEstadosCivis{u"S"_s, u"C"_s, u"C"_s, u"D"_s, u"V"_s, u"V"_s, u"O"_s};

struct Causa {
    QString texto;
    QString codigo;
};
const std::vector<Causa> kCausas{
    {u"INFARTO AGUDO DO MIOCÁRDIO"_s, u"I21.9"_s},
    {u"ACIDENTE VASCULAR CEREBRAL"_s, u"I64"_s},
    {u"INSUFICIÊNCIA RESPIRATÓRIA AGUDA"_s, u"J96.0"_s},
    {u"PNEUMONIA NÃO ESPECIFICADA"_s, u"J18.9"_s},
    {u"INSUFICIÊNCIA CARDÍACA CONGESTIVA"_s, u"I50.0"_s},
    {u"NEOPLASIA MALIGNA DOS BRÔNQUIOS E PULMÕES"_s, u"C34.9"_s},
    {u"DIABETES MELLITUS COM COMPLICAÇÕES"_s, u"E14.7"_s},
    {u"SEPTICEMIA NÃO ESPECIFICADA"_s, u"A41.9"_s},
    {u"CIRROSE HEPÁTICA"_s, u"K74.6"_s},
    {u"INSUFICIÊNCIA RENAL CRÔNICA"_s, u"N18.9"_s},
    {u"CHOQUE HIPOVOLÊMICO"_s, u"R57.1"_s},
    {u"TRAUMATISMO CRANIOENCEFÁLICO - ACIDENTE DE TRÂNSITO"_s, u"S06.9"_s},
    {u"DOENÇA PULMONAR OBSTRUTIVA CRÔNICA"_s, u"J44.9"_s},
    {u"HIPERTENSÃO ARTERIAL SISTÊMICA"_s, u"I10"_s},
    {u"PARADA CARDIORRESPIRATÓRIA"_s, u"I46.9"_s},
    {u"NEOPLASIA MALIGNA DA MAMA"_s, u"C50.9"_s},
    {u"DOENÇA DE ALZHEIMER"_s, u"G30.9"_s},
    {u"COVID-19, VÍRUS IDENTIFICADO"_s, u"U07.1"_s}};
const Causa kCausaInfantil{u"PREMATURIDADE EXTREMA"_s, u"P07.2"_s};

const QStringList kCartorios{
    u"CARTÓRIO DE REGISTRO CIVIL - 1º SUBDISTRITO"_s,
    u"CARTÓRIO DE REGISTRO CIVIL - 2º SUBDISTRITO"_s,
    u"CARTÓRIO DO 1º OFÍCIO"_s, u"OFICIAL DE REGISTRO CIVIL DAS PESSOAS NATURAIS"_s};
const QStringList kTiposSepultura{u"COVA RASA"_s, u"CARNEIRO"_s, u"CARNEIRO"_s,
                                  u"GAVETA"_s, u"JAZIGO PERPÉTUO"_s, u"OSSÁRIO"_s};
const QStringList kRuasCemiterio{u"RUA DA SAUDADE"_s, u"RUA DAS ROSAS"_s,
                                 u"ALAMEDA DOS IPÊS"_s, u"RUA SÃO JOÃO"_s, u"RUA DA PAZ"_s,
                                 u"AVENIDA CENTRAL"_s, u"RUA DOS CIPRESTES"_s};
const QStringList kObservacoes{
    u"SEPULTADO(A) NO JAZIGO DA FAMÍLIA."_s,
    u"TRASLADO AUTORIZADO PELA PREFEITURA."_s,
    u"ISENTO DE TAXA CONFORME LEI MUNICIPAL Nº 1.234/1998."_s,
    u"EXUMAÇÃO PREVISTA APÓS 3 (TRÊS) ANOS."_s,
    u"CORPO VINDO DE OUTRO MUNICÍPIO.\nDOCUMENTAÇÃO CONFERIDA PELO ESCRITURÁRIO."_s,
    u"REMOÇÃO DOS RESTOS MORTAIS PARA O OSSÁRIO GERAL EM 12/03/2015, A PEDIDO DA FAMÍLIA, "
    "CONFORME REQUERIMENTO PROTOCOLADO NA ADMINISTRAÇÃO DO CEMITÉRIO MUNICIPAL."_s};

QString CpfValido(Sorteio &s)
{
    int d[11];
    bool iguais = true;
    do {
        for (int i = 0; i < 9; ++i)
            d[i] = s.Ate(10);
        iguais = true;
        for (int i = 1; i < 9; ++i)
            iguais = iguais && d[i] == d[0];
    } while (iguais);
    for (int k = 9; k <= 10; ++k) {
        int soma = 0;
        for (int i = 0; i < k; ++i)
            soma += d[i] * (k + 1 - i);
        const int resto = soma % 11;
        d[k] = resto < 2 ? 0 : 11 - resto;
    }
    QString r(11, u'0');
    for (int i = 0; i < 11; ++i)
        r[i] = QChar(u'0' + d[i]);
    return r;
}

struct Pessoa {
    QString nome;
    QString sobrenome;   // the last surname, passed on to children
    bool feminino = false;
};

// Nothing in the lists gives a name over 60 characters, the column's size.
Pessoa NovaPessoa(Sorteio &s, bool feminino, const QString &sobrenomeDado = QString())
{
    Pessoa p;
    p.feminino = feminino;
    p.nome = s.De(feminino ? kNomesFemininos : kNomesMasculinos);
    if (s.Chance(40))
        p.nome += u' ' + s.De(feminino ? kSegundosFemininos : kSegundosMasculinos);
    if (s.Chance(30))
        p.nome += u' ' + s.De(kSobrenomes);
    if (s.Chance(15))
        p.nome += u' ' + s.De(kLigacoes);
    p.sobrenome = sobrenomeDado.isEmpty() ? s.De(kSobrenomes) : sobrenomeDado;
    p.nome += u' ' + p.sobrenome;
    return p;
}

QString NovoNome(Sorteio &s)
{
    return NovaPessoa(s, s.Chance(50)).nome;
}

struct Endereco {
    QString tipo;
    QString logradouro;
    QString bairro;
    QString complemento;
    QString cidade;
    QString uf;
    QString cep;
    QString fone;
};

Endereco NovoEndereco(Sorteio &s)
{
    Endereco e;
    e.tipo = s.De(kTiposLogradouro);
    const bool rural = e.tipo == u"FAZ"_s || e.tipo == u"SIT"_s;
    // One draw per statement: the order in which operands are evaluated is
    // not fixed, and the rows must not depend on the compiler.
    if (rural) {
        e.logradouro = s.De(kPropriedadesRurais) + u", S/N"_s;
    } else {
        e.logradouro = s.De(kRuas);
        e.logradouro += u", "_s + QString::number(s.Entre(1, 4999));
    }
    e.bairro = rural ? u"ZONA RURAL"_s : s.De(kBairros);
    e.complemento = s.Chance(75) ? QString(u""_s) : s.De(kComplementos);
    const bool local = s.Chance(80);
    const int capital = s.Ate(int(kCapitais.size()));
    e.cidade = local ? kCidadeLocal : kCapitais[capital];
    e.uf = local ? kUfLocal : kUfs[capital];
    if (local) {
        e.cep = u"150"_s + s.Digitos(5);
    } else {
        e.cep = QString::number(s.Entre(1, 9));
        e.cep += s.Digitos(7);
    }
    e.fone = local ? u"17"_s : QString::number(s.Entre(11, 99));
    e.fone += QString::number(s.Entre(2, 5));
    e.fone += s.Digitos(7);
    return e;
}

QString NovoRg(Sorteio &s)
{
    const QString d = s.Digitos(9);
    return QStringLiteral("%1.%2.%3-%4")
        .arg(d.left(2), d.mid(2, 3), d.mid(5, 3), s.Chance(10) ? u"X"_s : d.right(1));
}

// A null text stores NULL; an empty one stores the empty string.
void PoeTexto(Param &p, const QString &v)
{
    if (v.isNull())
        p.Clear();
    else
        p.AsString(v);
}

void PoeInteiro(Param &p, std::optional<int> v)
{
    if (v)
        p.AsInteger(*v);
    else
        p.Clear();
}

QString Talvez(Sorteio &s, int porCentoNulo, const QString &v)
{
    return s.Chance(porCentoNulo) ? QString() : v;
}

int LeInteiro(Database &db, const QStringList &sql, const QString &campo)
{
    Query q(db);
    q.SetSQL(sql);
    if (q.ParamNames().contains(u"p1"_s, Qt::CaseInsensitive))
        q.ParamByName(u"p1"_s).AsInteger(1);
    q.Open();
    return q.FieldByName(campo).AsInteger();
}

class Preenchedor {
public:
    Preenchedor(Database &db, quint64 semente) : db_(db), s_(semente) {}

    void Cartas(int n, ResultadoPreenchimento &r);
    void Obitos(int n, ResultadoPreenchimento &r);

private:
    Param &P(Query &q, const char *nome) { return q.ParamByName(QLatin1String(nome)); }
    void Conta(int &linhas)
    {
        if (++linhas % kLinhasPorCommit == 0)
            db_.Commit();
    }

    Database &db_;
    Sorteio s_;
    std::vector<int> cartas_;   // codes a death record may cite
    int maiorSepultura_ = 0;
};

void Preenchedor::Cartas(int n, ResultadoPreenchimento &r)
{
    {
        Query existentes(db_);
        existentes.SetSQL(u"SELECT cpo_codigo FROM carta_posse"_s);
        existentes.Open();
        for (; !existentes.Eof(); existentes.Next())
            cartas_.push_back(existentes.Fields(0).AsInteger());
    }
    maiorSepultura_ = LeInteiro(db_, Comandos::kUltimoCodigo, u"ultimo"_s);
    const int primeira = LeInteiro(db_, Comandos::kCartaMaximo, u"Maximo"_s) + 1;
    Query q(db_);
    q.SetSQL(Comandos::kCartaInsere);
    int linhas = 0;
    for (int i = 0; i < n; ++i) {
        const int codigo = primeira + i;
        const Endereco e = NovoEndereco(s_);
        const QDate data = QDate(1970, 1, 1).addDays(s_.Ate(20000));
        P(q, "p_codigo").AsInteger(codigo);
        P(q, "p_nome").AsString(NovoNome(s_));
        P(q, "p_tipo").AsString(e.tipo);
        P(q, "p_endereco").AsString(e.logradouro);
        P(q, "p_bairro").AsString(e.bairro);
        P(q, "p_complemento").AsString(e.complemento);
        P(q, "p_cidade").AsString(e.cidade);
        P(q, "p_uf").AsString(e.uf);
        P(q, "p_cep").AsString(e.cep);
        P(q, "p_fone").AsString(s_.Chance(10) ? u""_s : e.fone);
        P(q, "p_livro").AsInteger(1 + i / 400);
        P(q, "p_carta").AsInteger(codigo);
        P(q, "p_folha").AsInteger(1 + (i % 400) / 2);
        PoeInteiro(P(q, "p_nro_sepult"),
                   s_.Chance(10) ? std::nullopt : std::optional<int>(s_.Entre(1, 250000)));
        PoeInteiro(P(q, "p_nro_guia"),
                   s_.Chance(20) ? std::nullopt : std::optional<int>(s_.Entre(1000, 999999)));
        P(q, "p_data").AsDate(data);
        P(q, "p_escriturario").AsString(NovaPessoa(s_, s_.Chance(60)).nome);
        P(q, "p_obs").AsString(s_.Chance(80) ? u""_s : s_.De(kObservacoes));
        PoeTexto(P(q, "p1"), Talvez(s_, 10, QString::number(s_.Entre(1, 60))));
        PoeTexto(P(q, "p2"), Talvez(s_, 10, QString::number(s_.Entre(1, 400))));
        // A letter paid nothing (or not yet) stores NULL, as the form does.
        if (s_.Chance(25)) {
            P(q, "p3").Clear();
            P(q, "p4").Clear();
        } else {
            P(q, "p3").AsMoney(Money::DeCentavos(s_.Entre(5000, 500000)));
            P(q, "p4").AsDate(data.addDays(s_.Ate(400)));
        }
        q.ExecSQL();
        cartas_.push_back(codigo);
        Conta(linhas);
    }
    db_.Commit();
    r.primeiraCarta = n > 0 ? primeira : 0;
    r.cartas = n;
}

void Preenchedor::Obitos(int n, ResultadoPreenchimento &r)
{
    const int primeiro = maiorSepultura_ + 1;
    const QDate inicio(1985, 1, 1);
    const int dias = int(inicio.daysTo(QDate(2025, 6, 30)));
    Query q(db_);
    q.SetSQL(Comandos::kObitoInsere);
    int linhas = 0;
    for (int i = 0; i < n; ++i) {
        const bool feminino = s_.Chance(50);
        const Pessoa pai = NovaPessoa(s_, false);
        const Pessoa mae = NovaPessoa(s_, true);
        const Pessoa falecido = NovaPessoa(s_, feminino, pai.sobrenome);
        const QDate falec = inicio.addDays(s_.Ate(dias));
        const int espera = s_.Chance(70) ? 1 : s_.Chance(65) ? 2 : s_.Chance(70) ? 0 : 3;
        const QDate sepult = falec.addDays(espera);
        const QDate registro = falec.addDays(std::min(espera, s_.Ate(3)));
        const bool crianca = s_.Chance(3);
        const bool semDeclarante = s_.Chance(8);
        const bool isento = s_.Chance(15);
        const Causa &causa = crianca ? kCausaInfantil : kCausas[size_t(s_.Ate(int(kCausas.size())))];
        const Pessoa declarante = NovaPessoa(s_, s_.Chance(55), falecido.sobrenome);
        const Endereco e = NovoEndereco(s_);

        P(q, "p_codigo").AsInteger(primeiro + i);
        P(q, "p_exercicio").AsInteger(sepult.year());
        P(q, "p_livro").Clear();
        P(q, "p_folha").AsInteger(s_.Entre(1, 300));
        P(q, "p_dt_falec").AsDate(falec);
        P(q, "p_dt_sepult").AsDate(sepult);
        P(q, "p_nome").AsString(falecido.nome);
        P(q, "p_apelido").Clear();
        P(q, "p_sexo").AsString(feminino ? u"F"_s : u"M"_s);
        PoeTexto(P(q, "p_cor"), Talvez(s_, 5, s_.De(kCores)));
        PoeTexto(P(q, "p_natural"), Talvez(s_, 10, s_.Chance(70) ? kCidadeLocal : s_.De(kCapitais)));
        PoeTexto(P(q, "p_profiss"),
                 crianca ? QString() : Talvez(s_, 10, s_.De(kProfissoes)));
        PoeTexto(P(q, "p_est_civ"), crianca ? u"S"_s : Talvez(s_, 5, s_.De(kEstadosCivis)));
        if (crianca) {
            P(q, "p_anos").AsInteger(0);
            P(q, "p_mes").AsInteger(s_.Ate(12));
            P(q, "p_dias").AsInteger(s_.Ate(31));
        } else {
            P(q, "p_anos").AsInteger(s_.Chance(80) ? s_.Entre(55, 104) : s_.Entre(1, 54));
            P(q, "p_mes").Clear();
            P(q, "p_dias").Clear();
        }
        PoeTexto(P(q, "p_pai"), Talvez(s_, 7, pai.nome));
        P(q, "p_mae").AsString(mae.nome);
        P(q, "p_causa_morti").AsString(causa.texto);
        P(q, "p_moradia").Clear();
        P(q, "p_declarante").AsString(declarante.nome);
        if (isento) {
            P(q, "p_valor_taxa").Clear();
            P(q, "p_nro_guia").Clear();
            P(q, "p_data_recolhim").Clear();
        } else {
            P(q, "p_valor_taxa").AsMoney(Money::DeCentavos(s_.Entre(3500, 45000)));
            P(q, "p_nro_guia").AsInteger(s_.Entre(1000, 999999));
            P(q, "p_data_recolhim").AsDate(sepult.addDays(-s_.Ate(2)));
        }
        P(q, "p_reg_nro").AsInteger(s_.Entre(1, 99999));
        P(q, "p_reg_liv").AsString(u"C-"_s + QString::number(s_.Entre(1, 99)));
        P(q, "p_reg_fol").AsInteger(s_.Entre(1, 300));
        P(q, "p_reg_dat").AsDate(registro);
        P(q, "p_reg_loc").AsString(s_.De(kCartorios));
        PoeTexto(P(q, "p_medico"),
                 Talvez(s_, 5, (s_.Chance(50) ? u"DRA. "_s + NovaPessoa(s_, true).nome
                                              : u"DR. "_s + NovaPessoa(s_, false).nome)));
        P(q, "p_cod_causa").AsString(causa.codigo);
        P(q, "p_tipo_sepult").AsString(s_.De(kTiposSepultura));
        P(q, "p_nro_sepult").AsInteger(primeiro + i);
        P(q, "p_setor_sepult").AsString(QString(QChar(u'A' + s_.Ate(8))));
        P(q, "p_quadra_sepult").AsString(QString::number(s_.Entre(1, 60)));
        P(q, "p_lote_sepult").AsString(QString::number(s_.Entre(1, 400)));
        P(q, "p_rua_sepult").AsString(s_.De(kRuasCemiterio));
        PoeInteiro(P(q, "p_nro_req"),
                   s_.Chance(10) ? std::nullopt : std::optional<int>(s_.Entre(1, 99999)));
        P(q, "p_data_req").AsDate(s_.Chance(10) ? QDate() : falec);
        // Most graves are on a plot with a possession letter; public graves
        // (cova rasa) and a share of the rest have none.
        if (!cartas_.empty() && s_.Chance(75)) {
            P(q, "p_reg_cposse").AsInteger(cartas_[size_t(s_.Ate(int(cartas_.size())))]);
            ++r.obitosComCarta;
        } else {
            P(q, "p_reg_cposse").Clear();
        }
        // The first save stores the remarks as empty texts.
        P(q, "p_obs").AsString(s_.Chance(90) ? u""_s : s_.De(kObservacoes));
        P(q, "p_tipo_logr").AsString(e.tipo);
        P(q, "p_enderecodecl").AsString(e.logradouro);
        P(q, "p_bairrodecl").AsString(e.bairro);
        PoeTexto(P(q, "p_compldecl"), e.complemento.isEmpty() ? QString() : e.complemento);
        P(q, "p_cidadedecl").AsString(e.cidade);
        P(q, "p_ufdecl").AsString(e.uf);
        P(q, "p_cepdecl").AsString(e.cep);
        PoeTexto(P(q, "p_rgdecl"), semDeclarante ? QString() : NovoRg(s_));
        PoeTexto(P(q, "p_cpfdecl"), semDeclarante ? QString() : CpfValido(s_));
        PoeTexto(P(q, "p_fonedecl"), semDeclarante || s_.Chance(10) ? QString() : e.fone);
        P(q, "p_parentescodecl").Clear();
        P(q, "p_declarantecart").AsString(s_.Chance(80) ? declarante.nome : NovoNome(s_));
        P(q, "p_requerentesepult").AsString(s_.Chance(70) ? declarante.nome : NovoNome(s_));
        // The fee payer is usually the declarant, at the same address.
        if (isento) {
            for (const char *p : {"p_nomecontrguia", "p_enderecocontrguia", "p_complcontrguia",
                                  "p_bairrocontrguia", "p_cidadecontrguia", "p_cepcontrguia",
                                  "p_ufcontrguia", "p_fonecontrguia", "p_rgcontrguia",
                                  "p_cpfcontrguia"})
                P(q, p).Clear();
        } else {
            const bool proprio = s_.Chance(80);
            const Endereco ec = proprio ? e : NovoEndereco(s_);
            P(q, "p_nomecontrguia").AsString(proprio ? declarante.nome : NovoNome(s_));
            P(q, "p_enderecocontrguia").AsString(u"%1 %2"_s.arg(ec.tipo, ec.logradouro));
            PoeTexto(P(q, "p_complcontrguia"), ec.complemento.isEmpty() ? QString() : ec.complemento);
            P(q, "p_bairrocontrguia").AsString(ec.bairro);
            P(q, "p_cidadecontrguia").AsString(ec.cidade);
            P(q, "p_cepcontrguia").AsString(ec.cep);
            P(q, "p_ufcontrguia").AsString(ec.uf);
            PoeTexto(P(q, "p_fonecontrguia"), Talvez(s_, 15, ec.fone));
            PoeTexto(P(q, "p_rgcontrguia"), Talvez(s_, 10, NovoRg(s_)));
            P(q, "p_cpfcontrguia").AsString(CpfValido(s_));
        }
        PoeTexto(P(q, "p_ordem"),
                 Talvez(s_, 30, u"%1/%2"_s.arg(sepult.year()).arg(s_.Entre(1, 9999), 4, 10,
                                                                  QLatin1Char('0'))));
        P(q, "p_obs2").AsString(s_.Chance(95) ? u""_s : s_.De(kObservacoes));
        q.ExecSQL();
        Conta(linhas);
    }
    db_.Commit();
    r.primeiroObito = n > 0 ? primeiro : 0;
    r.obitos = n;
}
} // namespace

ResultadoPreenchimento PreencheBanco(Database &db, int obitos, int cartas, quint64 semente)
{
    ResultadoPreenchimento r;
    Preenchedor p(db, semente);
    p.Cartas(cartas, r);
    p.Obitos(obitos, r);
    return r;
}
