#include "platform/textprint/PaginaTexto.h"

#include <algorithm>

int LarguraCaractere(Atributos a)
{
    return a.testFlag(Atributo::Comprimido17) ? kLargura17cpi : kUnidadesColuna;
}

int ArredondaPar(long long numerador, long long denominador)
{
    long long q = numerador / denominador;
    long long r = numerador % denominador;
    if (r < 0) { // floor division, so the remainder is never negative
        --q;
        r += denominador;
    }
    if (2 * r > denominador || (2 * r == denominador && (q % 2) != 0))
        ++q;
    return int(q);
}

int ColunaCentrada(int coluna, int n, Atributos a)
{
    const long long wn = 1LL * LarguraCaractere(a) * n;
    // w*n/2 - 0.49, or w*n/2 for fewer than two characters, over 20000.
    const int recuo = n < 2 ? ArredondaPar(wn, 2 * kUnidadesColuna)
                            : ArredondaPar(wn - 9800, 2 * kUnidadesColuna);
    return std::max(1, coluna - recuo);
}

int ColunaDireita(int coluna, int n, Atributos a)
{
    const long long wn = 1LL * LarguraCaractere(a) * n;
    // w*n - 0.49, over 10000.
    return std::max(1, coluna - ArredondaPar(wn - 4900, kUnidadesColuna));
}

int Celula::X(int coluna) const
{
    return (inicio - 1) * kUnidadesColuna + (coluna - inicio) * LarguraCaractere(atributos);
}

PaginaTexto::PaginaTexto() : celulas_(kLinhasPagina * kCelulasLinha) {}

void PaginaTexto::Escreve(int linha, int coluna, const QString &texto, Atributos a)
{
    if (linha < 1 || linha > kLinhasPagina || coluna < 1 || coluna > kColunasPagina)
        return;
    const int w = LarguraCaractere(a);
    const int inicioX = (coluna - 1) * kUnidadesColuna;
    // Only what fits on the 80 columns of paper is kept.
    const int cabem = (kColunasPagina * kUnidadesColuna - inicioX) / w;
    const int n = std::min<int>(int(texto.size()), cabem);
    if (n <= 0)
        return;
    const int fimX = inicioX + n * w;

    for (int c = 1; c <= kCelulasLinha; ++c) {
        if (c >= coluna && c < coluna + n)
            continue;
        Celula &cel = Ref(linha, c);
        if (cel.Vazia())
            continue;
        const int x = cel.X(c);
        if (x < fimX && inicioX < x + LarguraCaractere(cel.atributos))
            cel = Celula{};
    }
    for (int i = 0; i < n; ++i)
        Ref(linha, coluna + i) = Celula{texto.at(i), a, short(coluna)};
}

void PaginaTexto::DefineCelula(int linha, int coluna, const Celula &c)
{
    if (linha >= 1 && linha <= kLinhasPagina && coluna >= 1 && coluna <= kCelulasLinha)
        Ref(linha, coluna) = c;
}

Celula PaginaTexto::Em(int linha, int coluna) const
{
    if (linha < 1 || linha > kLinhasPagina || coluna < 1 || coluna > kCelulasLinha)
        return {};
    return Ref(linha, coluna);
}

QString PaginaTexto::Texto(int linha, int coluna, int n) const
{
    QString s;
    s.reserve(n);
    for (int i = 0; i < n; ++i) {
        const Celula c = Em(linha, coluna + i);
        s += c.Vazia() ? QChar(u' ') : c.caractere;
    }
    return s;
}

QString PaginaTexto::Linha(int linha) const
{
    QString s = Texto(linha, 1, kCelulasLinha);
    while (s.endsWith(u' '))
        s.chop(1);
    return s;
}

bool PaginaTexto::LinhaVazia(int linha) const
{
    for (int c = 1; c <= kCelulasLinha; ++c)
        if (!Em(linha, c).Vazia())
            return false;
    return true;
}

bool PaginaTexto::Vazia() const
{
    return UltimaLinhaOcupada() == 0;
}

int PaginaTexto::UltimaLinhaOcupada() const
{
    for (int l = kLinhasPagina; l >= 1; --l)
        if (!LinhaVazia(l))
            return l;
    return 0;
}

QList<Trecho> PaginaTexto::Trechos(int linha) const
{
    struct Posto {
        int x;
        int coluna;
    };
    QList<Posto> postos;
    for (int c = 1; c <= kCelulasLinha; ++c) {
        const Celula &cel = Ref(linha, c);
        if (!cel.Vazia())
            postos.append({cel.X(c), c});
    }
    // Cells of a narrow text can lie on paper before a wider text that took a
    // cell among them; paper order is what prints.
    std::stable_sort(postos.begin(), postos.end(),
                     [](const Posto &a, const Posto &b) { return a.x < b.x; });

    QList<Trecho> trechos;
    int fim = -1;
    for (const Posto &p : postos) {
        const Celula &cel = Ref(linha, p.coluna);
        if (!trechos.isEmpty() && trechos.last().atributos == cel.atributos && p.x == fim)
            trechos.last().texto += cel.caractere;
        else
            trechos.append({p.x, cel.atributos, QString(cel.caractere)});
        fim = p.x + LarguraCaractere(cel.atributos);
    }
    return trechos;
}
