#include "platform/textprint/TrabalhoTexto.h"

#include <algorithm>

namespace {
RespondeImpressaoTexto &Responde()
{
    static RespondeImpressaoTexto r;
    return r;
}
} // namespace

void DefineRespondeImpressaoTexto(RespondeImpressaoTexto r)
{
    Responde() = std::move(r);
}

QList<int> PaginasAImprimir(int totalPaginas, const OpcoesImpressao &o)
{
    const int de = o.paginaDe > 0 ? o.paginaDe : 1;
    const int ate = o.paginaAte > 0 ? std::min(o.paginaAte, totalPaginas) : totalPaginas;
    QList<int> base;
    for (int p = de; p <= ate; ++p) {
        if ((o.paridade == Paridade::Impares && p % 2 == 0)
            || (o.paridade == Paridade::Pares && p % 2 != 0))
            continue;
        base.append(p);
    }
    if (o.inverter)
        std::reverse(base.begin(), base.end());
    QList<int> ordem;
    const int copias = std::max(1, o.copias);
    if (o.agrupar) {
        for (int c = 0; c < copias; ++c)
            ordem += base;
    } else {
        for (int p : base)
            for (int c = 0; c < copias; ++c)
                ordem.append(p);
    }
    return ordem;
}

QString ValidaOpcoes(const OpcoesImpressao &o)
{
    if (o.copias < 1)
        return QStringLiteral("Informe ao menos uma cópia.");
    if (o.paginaDe < 0 || o.paginaAte < 0 || (o.paginaAte > 0 && o.paginaDe > o.paginaAte))
        return QStringLiteral("Intervalo de páginas inválido.");
    return {};
}

TrabalhoTexto::TrabalhoTexto() = default;
TrabalhoTexto::~TrabalhoTexto() = default;

void TrabalhoTexto::OpenJob()
{
    paginas_ = {PaginaTexto()};
    pagina_ = 1;
    aberto_ = true;
    abandonado_ = false;
    opcoes_ = OpcoesImpressao{};
    opcoes_.impressora = Configuracao.impressora;
    opcoes_.copias = Configuracao.copias;
    opcoes_.visualizar = Configuracao.visualizar;
    // The first page's header comes before any line of the body.
    if (OnNewPage)
        OnNewPage(pagina_);
}

bool TrabalhoTexto::ConfirmSetup()
{
    if (!aberto_ || abandonado_)
        return false;
    OpcoesImpressao o = opcoes_;
    const bool ok = Responde().confirma ? Responde().confirma(o) : MostraSetup(o);
    if (ok)
        opcoes_ = o;
    else
        abandonado_ = true;
    return ok;
}

void TrabalhoTexto::PrintText(int linha, int coluna, const QString &texto)
{
    PrintStyled(linha, coluna, texto, Configuracao.estiloPadrao);
}

void TrabalhoTexto::PrintStyled(int linha, int coluna, const QString &texto, Atributos a)
{
    if (aberto_ && !abandonado_)
        paginas_.last().Escreve(linha, coluna, texto, a);
}

void TrabalhoTexto::PrintCentred(int linha, int coluna, const QString &texto, Atributos a)
{
    PrintStyled(linha, ColunaCentrada(coluna, int(texto.size()), a), texto, a);
}

void TrabalhoTexto::PrintRight(int linha, int coluna, const QString &texto, Atributos a)
{
    PrintStyled(linha, ColunaDireita(coluna, int(texto.size()), a), texto, a);
}

void TrabalhoTexto::NewPage()
{
    if (!aberto_ || abandonado_)
        return;
    if (OnBeforeNewPage)
        OnBeforeNewPage(pagina_);
    ++pagina_;
    paginas_.append(PaginaTexto());
    if (OnNewPage)
        OnNewPage(pagina_);
}

void TrabalhoTexto::CloseJob()
{
    if (!aberto_)
        return;
    if (abandonado_) {
        // A cancelled dialog ends the job with nothing printed.
        aberto_ = false;
        return;
    }
    if (OnBeforeNewPage)
        OnBeforeNewPage(pagina_);
    aberto_ = false;
    if (Responde().conclui)
        Responde().conclui(*this);
    else
        Conclui();
}

bool TrabalhoTexto::MostraSetup(OpcoesImpressao &)
{
    return true;
}

void TrabalhoTexto::Conclui() {}
