#include "platform/textprint/PinturaTexto.h"

#include <QFont>
#include <algorithm>
#include <QFontMetricsF>
#include <QPainter>

namespace {
constexpr double kMmPolegada = 25.4;
constexpr double kFaixaTrator = 12.7; // each side strip of continuous form

QFont FonteFixa(double alturaPx, bool negrito)
{
    QFont f(QStringLiteral("Liberation Mono"));
    f.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(std::max(1, int(alturaPx)));
    f.setBold(negrito);
    return f;
}
} // namespace

QSizeF TamanhoPapelMm(const ConfiguracaoTexto &c, bool formularioContinuo)
{
    const double largura = c.colunas * kMmPolegada / 10.0
                           + (c.margemEsquerda + c.margemDireita) / 10.0
                           + (formularioContinuo ? 2 * kFaixaTrator : 0.0);
    const double altura = c.linhas * kMmPolegada / c.linhasPorPolegada
                          + (c.margemSuperior + c.margemInferior) / 10.0;
    return {largura, altura};
}

void PintaPagina(QPainter &p, const PaginaTexto &pagina, const QRectF &papel,
                 const ConfiguracaoTexto &c, const EstiloPintura &e)
{
    const QSizeF mm = TamanhoPapelMm(c, e.formularioContinuo);
    const double escala = std::min(papel.width() / mm.width(), papel.height() / mm.height());
    const QRectF folha(papel.topLeft(), QSizeF(mm.width() * escala, mm.height() * escala));
    const double faixa = e.formularioContinuo ? kFaixaTrator * escala : 0.0;
    const double esquerda = folha.left() + faixa + c.margemEsquerda / 10.0 * escala;
    const double topo = folha.top() + c.margemSuperior / 10.0 * escala;
    const double coluna = kMmPolegada / 10.0 * escala;
    const double linha = kMmPolegada / c.linhasPorPolegada * escala;

    p.save();
    if (e.fundoPapel)
        p.fillRect(folha, Qt::white);
    if (e.formularioContinuo) {
        // Green bands of three lines, as on listing paper, and the punched strips.
        const QRectF corpo(folha.left() + faixa, folha.top(), folha.width() - 2 * faixa,
                           folha.height());
        for (int l = 0; l < c.linhas; l += 6)
            p.fillRect(QRectF(corpo.left(), topo + l * linha, corpo.width(), 3 * linha),
                       QColor(0xdf, 0xf0, 0xdc));
        p.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 0, Qt::DashLine));
        p.drawLine(QPointF(corpo.left(), folha.top()), QPointF(corpo.left(), folha.bottom()));
        p.drawLine(QPointF(corpo.right(), folha.top()), QPointF(corpo.right(), folha.bottom()));
        p.setPen(QPen(QColor(0x90, 0x90, 0x90), 0));
        p.setBrush(QColor(0xe8, 0xe8, 0xe8));
        const double raio = 2.0 * escala;
        for (double y = folha.top() + kMmPolegada / 4 * escala; y < folha.bottom();
             y += kMmPolegada / 2 * escala) {
            p.drawEllipse(QPointF(folha.left() + faixa / 2, y), raio, raio);
            p.drawEllipse(QPointF(folha.right() - faixa / 2, y), raio, raio);
        }
        p.setBrush(Qt::NoBrush);
    }

    auto xDe = [&](int unidades) { return esquerda + unidades * coluna / kUnidadesColuna; };

    if (e.marcaLinha > 0 && e.marcaN > 0) {
        const Celula primeira = pagina.Em(e.marcaLinha, e.marcaColuna);
        const Celula ultima = pagina.Em(e.marcaLinha, e.marcaColuna + e.marcaN - 1);
        if (!primeira.Vazia() && !ultima.Vazia()) {
            const double x0 = xDe(primeira.X(e.marcaColuna));
            const double x1 = xDe(ultima.X(e.marcaColuna + e.marcaN - 1)
                                  + LarguraCaractere(ultima.atributos));
            p.fillRect(QRectF(x0, topo + (e.marcaLinha - 1) * linha, x1 - x0, linha),
                       QColor(0xff, 0xe0, 0x60));
        }
    }

    p.setPen(Qt::black);
    const QFont normal = FonteFixa(linha * 0.8, false), forte = FonteFixa(linha * 0.8, true);
    const double avanco = QFontMetricsF(normal, p.device()).horizontalAdvance(QLatin1Char('M'));
    const double ascent = QFontMetricsF(normal, p.device()).ascent();
    for (int l = 1; l <= c.linhas; ++l) {
        for (const Trecho &t : pagina.Trechos(l)) {
            const double largura = coluna * LarguraCaractere(t.atributos) / kUnidadesColuna;
            p.setFont(t.atributos.testFlag(Atributo::Negrito) ? forte : normal);
            p.save();
            // The letters stand in the middle of their line.
            p.translate(xDe(t.x), topo + (l - 1) * linha + (linha - linha * 0.8) / 2 + ascent);
            p.scale(avanco > 0 ? largura / avanco : 1.0, 1.0);
            p.drawText(QPointF(0, 0), e.translitera ? Translitera(t.texto) : t.texto);
            p.restore();
        }
    }
    p.restore();
}
