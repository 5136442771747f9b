#include "platform/textprint/ArquivoTexto.h"

#include <QDataStream>
#include <QFile>

namespace {
constexpr quint32 kAssinatura = 0x4B54504Au; // "KTPJ"
constexpr quint16 kVersao = 1;
} // namespace

// Each page is the list of its calls' cells as they stand: row, cell, start
// cell of the text, character and attributes, so a loaded page is the same
// page cell for cell.
bool SalvaPaginas(const QString &caminho, const QList<PaginaTexto> &paginas, QString *erro)
{
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (erro)
            *erro = f.errorString();
        return false;
    }
    QDataStream s(&f);
    s.setVersion(QDataStream::Qt_6_0);
    s << kAssinatura << kVersao << qint32(paginas.size());
    for (const PaginaTexto &pg : paginas) {
        for (int l = 1; l <= kLinhasPagina; ++l)
            for (int c = 1; c <= kCelulasLinha; ++c) {
                const Celula cel = pg.Em(l, c);
                if (!cel.Vazia())
                    s << qint16(l) << qint16(c) << qint16(cel.inicio) << cel.caractere
                      << quint8(cel.atributos.toInt());
            }
        s << qint16(0);
    }
    if (s.status() != QDataStream::Ok || !f.flush()) {
        if (erro)
            *erro = f.errorString();
        return false;
    }
    return true;
}

std::optional<QList<PaginaTexto>> CarregaPaginas(const QString &caminho, QString *erro)
{
    auto falha = [erro](const QString &m) {
        if (erro)
            *erro = m;
        return std::nullopt;
    };
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return falha(f.errorString());
    QDataStream s(&f);
    s.setVersion(QDataStream::Qt_6_0);
    quint32 assinatura = 0;
    quint16 versao = 0;
    qint32 n = 0;
    s >> assinatura >> versao >> n;
    if (assinatura != kAssinatura || versao != kVersao || n < 0)
        return falha(QStringLiteral("O arquivo não é uma impressão salva."));
    QList<PaginaTexto> paginas;
    for (qint32 i = 0; i < n; ++i) {
        PaginaTexto pg;
        qint16 l = 0;
        s >> l;
        while (l != 0 && s.status() == QDataStream::Ok) {
            qint16 c = 0, inicio = 0;
            QChar ch;
            quint8 a = 0;
            s >> c >> inicio >> ch >> a;
            pg.DefineCelula(l, c, Celula{ch, Atributos::fromInt(a), inicio});
            s >> l;
        }
        paginas.append(pg);
    }
    if (s.status() != QDataStream::Ok)
        return falha(QStringLiteral("O arquivo está incompleto."));
    return paginas;
}
