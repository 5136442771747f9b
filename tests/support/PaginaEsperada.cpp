#include "PaginaEsperada.h"

namespace {
QString Descreve(const Celula &c)
{
    if (c.Vazia())
        return QStringLiteral("vazia");
    QString s = QStringLiteral("'%1'").arg(c.caractere);
    if (c.atributos.testFlag(Atributo::Negrito))
        s += QStringLiteral(" negrito");
    if (c.atributos.testFlag(Atributo::Comprimido17))
        s += QStringLiteral(" 17cpi");
    return s;
}
} // namespace

QString ComparaPagina(const PaginaTexto &pagina, const QList<TextoEsperado> &esperado)
{
    // The expected page as cells: character and attributes, no origin.
    QList<Celula> grade(kLinhasPagina * kCelulasLinha);
    for (const TextoEsperado &t : esperado)
        for (int i = 0; i < t.texto.size(); ++i)
            grade[(t.linha - 1) * kCelulasLinha + t.coluna - 1 + i] =
                Celula{t.texto.at(i), t.atributos, 0};

    QStringList diferencas;
    for (int l = 1; l <= kLinhasPagina && diferencas.size() < 5; ++l) {
        for (int c = 1; c <= kCelulasLinha && diferencas.size() < 5; ++c) {
            const Celula &e = grade[(l - 1) * kCelulasLinha + c - 1];
            const Celula p = pagina.Em(l, c);
            const bool igual = e.Vazia() ? p.Vazia()
                                         : p.caractere == e.caractere && p.atributos == e.atributos;
            if (!igual)
                diferencas << QStringLiteral("linha %1, célula %2: esperada %3, impressa %4")
                                  .arg(l).arg(c).arg(Descreve(e), Descreve(p));
        }
    }
    return diferencas.join(u'\n');
}
