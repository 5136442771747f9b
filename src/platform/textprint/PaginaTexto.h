#pragma once
// A character-cell page of a text-mode print job: 66 rows of cells that hold
// one character and its attributes each. No painting and no widgets here, so
// tests read a page cell by cell and the outputs share one layout.
//
// Places on paper are counted in normal-width (10 cpi) columns. A 17-cpi
// character is narrower (kLargura17cpi of a column), so the i-th character of
// a text written from cell c is in cell c + i but lies on paper at column
// c + w*i. Positions are kept in ten-thousandths of a column: the widths are
// exact in that unit and no binary fraction creeps into the arithmetic.

#include <QFlags>
#include <QList>
#include <QString>

enum class Atributo : unsigned char {
    Negrito = 0x01,
    Comprimido17 = 0x02, // 17 characters per inch, plain
};
Q_DECLARE_FLAGS(Atributos, Atributo)
Q_DECLARE_OPERATORS_FOR_FLAGS(Atributos)

inline constexpr int kLinhasPagina = 66;
inline constexpr int kColunasPagina = 80;
// Ten-thousandths of a column.
inline constexpr int kUnidadesColuna = 10000;
inline constexpr int kLargura17cpi = 5848;
// A 17-cpi text starting at column 1 fits 136 characters in 80 columns.
inline constexpr int kCelulasLinha = kColunasPagina * kUnidadesColuna / kLargura17cpi + 1;

// Width of one character with these attributes, in ten-thousandths of a column.
int LarguraCaractere(Atributos a);

// Rounds numerador/denominador (denominador > 0) to the nearest integer,
// halves to the even neighbour.
int ArredondaPar(long long numerador, long long denominador);

// First column of a text of n characters centred on `coluna`, or ending at
// `coluna`, never below column 1.
int ColunaCentrada(int coluna, int n, Atributos a);
int ColunaDireita(int coluna, int n, Atributos a);

struct Celula {
    QChar caractere; // null: nothing printed here
    Atributos atributos;
    // Cell where the text that wrote this character began; with the width it
    // gives the place on paper.
    short inicio = 0;

    bool Vazia() const { return caractere.isNull(); }
    // Left edge on paper, in ten-thousandths of a column from the left edge of
    // column 1.
    int X(int coluna) const;
    bool operator==(const Celula &) const = default;
};

// A stretch of adjacent characters of one style, as the outputs print it.
struct Trecho {
    int x = 0; // left edge on paper, ten-thousandths of a column from column 1
    Atributos atributos;
    QString texto;
    bool operator==(const Trecho &) const = default;
};

class PaginaTexto {
public:
    PaginaTexto();

    // Lays `texto` from (linha, coluna), one character per cell. A row outside
    // the page, an empty text or characters that would pass the right edge of
    // the paper print nothing. The later call wins: its characters take their
    // cells, and whatever was printed earlier where they fall on paper is
    // removed, so no two characters of a row ever overlap on paper.
    void Escreve(int linha, int coluna, const QString &texto, Atributos a);

    // Puts a cell back as it was saved; outside the page nothing.
    void DefineCelula(int linha, int coluna, const Celula &c);

    // Rows and columns from 1; outside the page an empty cell.
    Celula Em(int linha, int coluna) const;
    // The characters of cells coluna .. coluna+n-1, an empty cell read as a space.
    QString Texto(int linha, int coluna, int n) const;
    // The whole row as cells, blanks at the end trimmed.
    QString Linha(int linha) const;
    bool LinhaVazia(int linha) const;
    bool Vazia() const;
    int UltimaLinhaOcupada() const; // 0 when the page is empty

    // The row's characters in order on paper, joined in stretches of one style
    // that follow each other without a gap.
    QList<Trecho> Trechos(int linha) const;

    bool operator==(const PaginaTexto &) const = default;

private:
    QList<Celula> celulas_; // kLinhasPagina x kCelulasLinha
    Celula &Ref(int linha, int coluna)
    {
        return celulas_[(linha - 1) * kCelulasLinha + coluna - 1];
    }
    const Celula &Ref(int linha, int coluna) const
    {
        return celulas_[(linha - 1) * kCelulasLinha + coluna - 1];
    }
};
