#include "reports/MolduraTexto.h"

#include "platform/textprint/ImpressoraTexto.h"

namespace {
const Atributos kNormal;
const Atributos kNegrito(Atributo::Negrito);
const Atributos k17cpi(Atributo::Comprimido17);
const QString kRegua(kColunasPagina, u'=');
const QString kTraco(kColunasPagina, u'-');
} // namespace

const ModeloImpresso kModeloEmpresa{
    QStringLiteral("Relatório de Empresa"), QString(),
    QStringLiteral("Rdprint Setup"), QStringLiteral("Rdprint Preview"),
    false, true, QString()};

const ModeloImpresso kModeloCartasPosse{
    QStringLiteral("Relatório de Cadastro de Cartas de Posse"),
    QStringLiteral("Código   Nome                                                        Sepult."),
    QStringLiteral("Rdprint Setup"), QStringLiteral("Visualizar"),
    false, false, QString()};

const ModeloImpresso kModeloObitos{
    QStringLiteral("Relatório de Óbitos"),
    QStringLiteral("Código  Exercício  Nome                                 Dt. Falec.  Dt. Sepult."),
    QStringLiteral("Configuração"), QStringLiteral("Visualização de impressão"),
    true, false, QStringLiteral("LPT1")};

QDateTime Agora(const Relogio &relogio)
{
    return relogio ? relogio() : QDateTime::currentDateTime();
}

void Imprime(TrabalhoTexto &rd, const QList<TextoFixo> &textos)
{
    for (const TextoFixo &t : textos) {
        switch (t.alinhamento) {
        case Alinhamento::Esquerda: rd.PrintStyled(t.linha, t.coluna, t.texto, t.atributos); break;
        case Alinhamento::Centro: rd.PrintCentred(t.linha, t.coluna, t.texto, t.atributos); break;
        case Alinhamento::Direita: rd.PrintRight(t.linha, t.coluna, t.texto, t.atributos); break;
        }
    }
}

ConfiguracaoTexto ConfiguracaoImpresso(const ModeloImpresso &m)
{
    ConfiguracaoTexto c;
    // The page is the printouts' own, set here whatever the facility's
    // defaults become.
    c.linhas = kLinhasPagina;
    c.colunas = kColunasPagina;
    c.linhasPorPolegada = 6;
    c.cpiPadrao = 10;
    c.estiloPadrao = kNormal;
    c.retrato = true;
    c.margemSuperior = c.margemInferior = c.margemEsquerda = c.margemDireita = 10;
    c.copias = 1;
    c.transliterar = true;
    c.mostraProgresso = true;
    c.visualizar = true;
    c.codigosPersonalizados = ModeloPersonalizadoEpson();
    c.botaoSetup = c.botaoImprimir = c.botaoLocalizar = true;

    c.tituloSetup = m.tituloSetup;
    c.tituloPreview = m.tituloPreview;
    c.formularioContinuo = m.formularioContinuo;
    c.botoesArquivo = m.botoesArquivo;
    c.porta = m.porta;
    return c;
}

QList<TextoFixo> CabecalhoPagina(const ModeloImpresso &m)
{
    QList<TextoFixo> t{
        {3, 40, Alinhamento::Centro, kNegrito, QStringLiteral("K.I.R.O. - Sistema Necrovia")},
        {4, 40, Alinhamento::Centro, kNormal, m.titulo},
        {5, 1, Alinhamento::Esquerda, kNormal, kRegua},
    };
    if (!m.cabecalhos.isEmpty()) {
        t.append({6, 1, Alinhamento::Esquerda, kNormal, m.cabecalhos});
        t.append({7, 1, Alinhamento::Esquerda, kNormal, kRegua});
    }
    return t;
}

QString TextoFolha(const QDateTime &quando, int pagina)
{
    return quando.toString(QStringLiteral("dd/MM/yyyy - HH:mm")) + QStringLiteral(" Folha - ")
           + QStringLiteral("%1").arg(pagina, 4, 10, QChar(u'0'));
}

QList<TextoFixo> RodapePagina(const QDateTime &quando, int pagina)
{
    return {
        {64, 1, Alinhamento::Esquerda, kNormal, kTraco},
        {65, 1, Alinhamento::Esquerda, k17cpi, QStringLiteral("Sistema Necrovia - TEV")},
        {65, 80, Alinhamento::Direita, k17cpi, TextoFolha(quando, pagina)},
    };
}

void ExecutaImpresso(const ModeloImpresso &m, QWidget *pai, const Relogio &relogio,
                     const std::function<void(TrabalhoTexto &)> &corpo)
{
    ImpressaoTexto rd(pai);
    rd.Configuracao = ConfiguracaoImpresso(m);
    const bool lista = !m.cabecalhos.isEmpty();
    if (lista)
        rd.OnNewPage = [&rd, &m](int) { Imprime(rd, CabecalhoPagina(m)); };
    // The clock is read when each footer is printed, not once per job.
    rd.OnBeforeNewPage = [&rd, &relogio](int Pagina) {
        Imprime(rd, RodapePagina(Agora(relogio), Pagina));
    };
    rd.OpenJob();
    if (rd.ConfirmSetup()) {
        if (!lista)
            Imprime(rd, CabecalhoPagina(m));
        corpo(rd);
    }
    rd.CloseJob();
}
