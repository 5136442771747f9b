#include "reports/ImpressosTexto.h"

#include "common/Ampulheta.h"
#include "common/U_Funcoes.h"

namespace {
const Atributos kNormal;
const Atributos kNegrito(Atributo::Negrito);

// ---- company sheet ---------------------------------------------------------

constexpr int kColunaValor = 18;

struct CampoFicha {
    int linha;
    const char16_t *rotulo;
    QString (*valor)(const DadosEmpresa &);
    // A FormataPorTipo kind: the value is printed formatted, and only when
    // the form's field holds something. Empty: printed as it is.
    const char *tipo;
};

const CampoFicha kFicha[] = {
    {6, u"Código......:",
     [](const DadosEmpresa &d) { return QStringLiteral("%1").arg(d.codigo, 4, 10, QChar(u'0')); },
     ""},
    {7, u"Razão Social:", [](const DadosEmpresa &d) { return d.razao; }, ""},
    {8, u"Endereço....:", [](const DadosEmpresa &d) { return d.endereco; }, ""},
    {9, u"Bairro......:", [](const DadosEmpresa &d) { return d.bairro; }, ""},
    {10, u"Complemento.:", [](const DadosEmpresa &d) { return d.complemento; }, ""},
    {11, u"Cidade......:", [](const DadosEmpresa &d) { return d.cidade; }, ""},
    {12, u"UF..........:", [](const DadosEmpresa &d) { return d.uf; }, ""},
    {13, u"CEP.........:", [](const DadosEmpresa &d) { return d.cep; }, "CEP"},
    {14, u"CNPJ........:", [](const DadosEmpresa &d) { return d.cnpj; }, "CGC"},
    {15, u"Fone........:", [](const DadosEmpresa &d) { return d.fone; }, "FONE"},
    {16, u"Responsável.:", [](const DadosEmpresa &d) { return d.responsavel; }, ""},
};

// ---- lists -----------------------------------------------------------------

enum class Formato {
    Texto,   // as the field reads, NULL as nothing
    Codigo5, // integer with five digits at least
    Data,    // dd/mm/yyyy, NULL as nothing
};

struct ColunaLista {
    int coluna;
    const char *campo;
    Formato formato;
};

const ColunaLista kColunasCartas[] = {
    {1, "cpo_codigo", Formato::Codigo5},
    {10, "cpo_nome", Formato::Texto},
    {70, "cpo_nro_sepult", Formato::Texto},
};

const ColunaLista kColunasObitos[] = {
    {1, "obi_codigo", Formato::Codigo5},
    {11, "obi_exercicio", Formato::Texto},
    {20, "obi_nome", Formato::Texto},
    {57, "obi_dt_falec", Formato::Data},
    {70, "obi_dt_sepult", Formato::Data},
};

constexpr int kPrimeiraLinhaCorpo = 8;
constexpr int kUltimaLinhaCorpo = 63;

QString Valor(const Query &q, const ColunaLista &c)
{
    const Field f = q.FieldByName(QString::fromLatin1(c.campo));
    if (f.IsNull())
        return {};
    switch (c.formato) {
    case Formato::Codigo5: return QStringLiteral("%1").arg(f.AsInteger(), 5, 10, QChar(u'0'));
    case Formato::Data: return f.AsDate().toString(QStringLiteral("dd/MM/yyyy"));
    case Formato::Texto: break;
    }
    return f.AsString();
}

// One line per row from the first; a new page only when another row is to
// be printed past the last body line, so a full page never leaves an empty
// one behind it. Values are not cut: a long name runs into the next column.
template <size_t N>
void ImprimeLinhas(TrabalhoTexto &rd, Query &q, const ColunaLista (&colunas)[N])
{
    q.First();
    int linha = kPrimeiraLinhaCorpo;
    while (!q.Eof()) {
        if (linha > kUltimaLinhaCorpo) {
            rd.NewPage();
            linha = kPrimeiraLinhaCorpo;
        }
        for (const ColunaLista &c : colunas)
            rd.PrintText(linha, c.coluna, Valor(q, c));
        ++linha;
        q.Next();
    }
}

// The grid stops following and the pointer is the hourglass for as long as
// this lives, however the printing ends.
class PausaGrade {
public:
    // The hourglass comes first and goes last, so it shows for the whole
    // time the grid is held, its own work included.
    explicit PausaGrade(const AcompanhamentoGrade &g) : g_(g)
    {
        if (g_.para)
            g_.para();
    }
    ~PausaGrade()
    {
        if (g_.retoma)
            g_.retoma();
    }
    PausaGrade(const PausaGrade &) = delete;
    PausaGrade &operator=(const PausaGrade &) = delete;

private:
    Ampulheta ampulheta_;
    const AcompanhamentoGrade &g_;
};
} // namespace

void ImprimeEmpresa(const DadosEmpresa &dados, QWidget *pai, const Relogio &relogio)
{
    ExecutaImpresso(kModeloEmpresa, pai, relogio, [&](TrabalhoTexto &rd) {
        for (const CampoFicha &c : kFicha) {
            rd.PrintStyled(c.linha, 1, QString::fromUtf16(c.rotulo), kNegrito);
            const QString valor = c.valor(dados);
            if (!*c.tipo)
                rd.PrintText(c.linha, kColunaValor, valor);
            else if (!valor.trimmed().isEmpty())
                rd.PrintText(c.linha, kColunaValor,
                             FormataPorTipo(QString::fromLatin1(c.tipo), valor));
        }
    });
}

void ImprimeCartasPosse(Query &consulta, QWidget *pai, const Relogio &relogio)
{
    ExecutaImpresso(kModeloCartasPosse, pai, relogio,
                    [&](TrabalhoTexto &rd) { ImprimeLinhas(rd, consulta, kColunasCartas); });
}

void ImprimeObitos(Query &consulta, const AcompanhamentoGrade &grade, QWidget *pai,
                   const Relogio &relogio)
{
    ExecutaImpresso(kModeloObitos, pai, relogio, [&](TrabalhoTexto &rd) {
        const PausaGrade pausa(grade);
        ImprimeLinhas(rd, consulta, kColunasObitos);
    });
}
