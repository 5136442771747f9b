#include "platform/textprint/SaidaTexto.h"

#include <algorithm>

namespace {
QByteArray Bytes(std::initializer_list<int> valores)
{
    QByteArray b;
    for (int v : valores)
        b.append(char(v));
    return b;
}

struct PalavraModo {
    const char *palavra;
    ModoImpressao modo;
};

// In table order, which also breaks ties between words of one length.
const PalavraModo kPalavras[] = {
    {"GRAFICO", ModoImpressao::Grafico},  {"HP", ModoImpressao::Grafico},
    {"DESKJET", ModoImpressao::Grafico},  {"LASERJET", ModoImpressao::Grafico},
    {"INKJET", ModoImpressao::Grafico},   {"STYLUS", ModoImpressao::Grafico},
    {"EPL", ModoImpressao::Grafico},      {"USB", ModoImpressao::Grafico},
    {"EPSON", ModoImpressao::Epson},      {"GENERICO", ModoImpressao::Epson},
    {"LX-300", ModoImpressao::Epson},     {"LX-810", ModoImpressao::Epson},
    {"FX-2170", ModoImpressao::Epson},    {"FX-1170", ModoImpressao::Epson},
    {"LQ-1170", ModoImpressao::Epson},    {"LQ-2170", ModoImpressao::Epson},
    {"OKIDATA", ModoImpressao::Epson},    {"RIMA", ModoImpressao::Rima},
    {"EMILIA", ModoImpressao::Rima},      {"PCL", ModoImpressao::Hp},
    {"DARUMA", ModoImpressao::Bobina},    {"SIGTRON", ModoImpressao::Bobina},
    {"SWEDA", ModoImpressao::Bobina},     {"BEMATECH", ModoImpressao::Bobina},
};

QByteArray Ascii(const QString &texto)
{
    QByteArray b;
    b.reserve(texto.size());
    for (QChar c : texto)
        b.append(Translitera(c));
    return b;
}
} // namespace

ModoImpressao ModoPorNome(const QString &nomeImpressora)
{
    const QString nome = nomeImpressora.toUpper();
    ModoImpressao modo = ModoImpressao::Grafico;
    qsizetype maior = 0;
    for (const PalavraModo &p : kPalavras) {
        const QString palavra = QString::fromLatin1(p.palavra);
        if (palavra.size() > maior && nome.contains(palavra)) {
            maior = palavra.size();
            modo = p.modo;
        }
    }
    return modo;
}

QString NomeModo(ModoImpressao m)
{
    switch (m) {
    case ModoImpressao::Grafico: return QStringLiteral("GRAFICO");
    case ModoImpressao::Epson: return QStringLiteral("EPSON");
    case ModoImpressao::Rima: return QStringLiteral("RIMA");
    case ModoImpressao::Hp: return QStringLiteral("HP");
    case ModoImpressao::Bobina: return QStringLiteral("BOBINA");
    }
    return {};
}

CodigosEscP ModeloPersonalizadoEpson()
{
    CodigosEscP c;
    c.entrelinha18 = Bytes({27, 48});
    c.entrelinha16 = Bytes({27, 50});
    c.saltoPagina = Bytes({12});
    c.comprimento66 = Bytes({27, 67, 66});
    c.negrito = Bytes({27, 69});
    c.italico = Bytes({27, 52});
    c.sublinhado = Bytes({27, 45, 49});
    c.expandido = Bytes({27, 14});
    c.normal10 = Bytes({18, 27, 80});
    c.comprimido12 = Bytes({18, 27, 77});
    c.comprimido17 = Bytes({27, 80, 27, 15});
    c.comprimido20 = Bytes({27, 77, 27, 15});
    c.restaura = Bytes({27, 80, 18, 20, 27, 53, 27, 70, 27, 45, 48});
    c.inicializa = Bytes({27, 64});
    return c;
}

char Translitera(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x20 || u == 0x7F)
        return ' ';
    if (u < 0x7F)
        return char(u);
    switch (u) {
    case u'°': return 'o';
    case u'–': case u'—': return '-';
    case u'‘': case u'’': case u'´': return '\'';
    case u'“': case u'”': return '"';
    default: break;
    }
    // The compatibility decomposition splits a letter from its accent and
    // gives º and ª as the letters they are.
    const QString d = QString(c).normalized(QString::NormalizationForm_KD);
    if (!d.isEmpty() && d.at(0).unicode() >= 0x20 && d.at(0).unicode() < 0x7F)
        return char(d.at(0).unicode());
    return '?';
}

QString Translitera(const QString &texto)
{
    return QString::fromLatin1(Ascii(texto));
}

QByteArray CodificaEscP(const QList<PaginaTexto> &paginas, const CodigosEscP &codigos)
{
    QByteArray out = codigos.inicializa + codigos.comprimento66 + codigos.entrelinha16;
    for (const PaginaTexto &pagina : paginas) {
        const int ultima = pagina.UltimaLinhaOcupada();
        for (int l = 1; l <= ultima; ++l) {
            Atributos ativos;
            int cabeca = 0; // where the print head is, on paper
            for (const Trecho &t : pagina.Trechos(l)) {
                if ((ativos & ~t.atributos) != Atributos()) {
                    // The model has no code to switch one attribute off.
                    out += codigos.restaura;
                    ativos = {};
                }
                if (t.atributos.testFlag(Atributo::Negrito) && !ativos.testFlag(Atributo::Negrito))
                    out += codigos.negrito;
                if (t.atributos.testFlag(Atributo::Comprimido17)
                    && !ativos.testFlag(Atributo::Comprimido17))
                    out += codigos.comprimido17;
                ativos = t.atributos;
                const int w = LarguraCaractere(ativos);
                // Spaces of the stretch's own width: nearest to the place.
                const int espacos = std::max(0, ArredondaPar(t.x - cabeca, w));
                out += QByteArray(espacos, ' ');
                cabeca += espacos * w;
                out += Ascii(t.texto);
                cabeca += int(t.texto.size()) * w;
            }
            if (ativos != Atributos())
                out += codigos.restaura;
            out += "\r\n";
        }
        out += codigos.saltoPagina;
    }
    return out;
}

QByteArray CodificaPcl(const QList<PaginaTexto> &paginas)
{
    const QByteArray esc(1, '\x1b');
    // Reset; portrait; 6 lines per inch; top margin 0 and 66 lines of text
    // with no perforation skip, so row n is the n-th line from the top;
    // fixed-pitch Courier, ASCII, 10 cpi, medium stroke.
    QByteArray out = esc + "E" + esc + "&l0O" + esc + "&l6D" + esc + "&l0E" + esc + "&l66F" + esc
                     + "&l0L" + esc + "(0U" + esc + "(s0p10h0s0b3T";
    for (const PaginaTexto &pagina : paginas) {
        const int ultima = pagina.UltimaLinhaOcupada();
        for (int l = 1; l <= ultima; ++l) {
            for (const Trecho &t : pagina.Trechos(l)) {
                // 720 decipoints to the inch, 72 to a 10-cpi column.
                const int decipontos = ArredondaPar(1LL * t.x * 72, kUnidadesColuna);
                out += esc + "&a" + QByteArray::number(decipontos) + "H";
                out += esc + (t.atributos.testFlag(Atributo::Negrito) ? "(s3B" : "(s0B");
                out += esc + (t.atributos.testFlag(Atributo::Comprimido17) ? "(s17.10H" : "(s10H");
                out += Ascii(t.texto);
            }
            out += "\r\n";
        }
        out += '\f';
    }
    out += esc + "E";
    return out;
}

QByteArray CodificaBobina(const QList<PaginaTexto> &paginas)
{
    const QByteArray negrito("\x1b" "E"), semNegrito("\x1b" "F");
    QByteArray out("\x1b@");
    bool primeira = true;
    for (const PaginaTexto &pagina : paginas) {
        if (!primeira)
            out += "\r\n";
        primeira = false;
        const int ultima = pagina.UltimaLinhaOcupada();
        for (int l = 1; l <= ultima; ++l) {
            // The row at normal width: each stretch from its nearest column,
            // pushed right past the one before it, cut at column 80.
            QByteArray texto(kColunasPagina, ' ');
            QList<bool> forte(kColunasPagina, false);
            int cursor = 0;
            for (const Trecho &t : pagina.Trechos(l)) {
                int c = std::max(cursor, ArredondaPar(t.x, kUnidadesColuna));
                for (QChar ch : t.texto) {
                    if (c >= kColunasPagina)
                        break;
                    texto[c] = Translitera(ch);
                    forte[c] = t.atributos.testFlag(Atributo::Negrito);
                    ++c;
                }
                cursor = c;
            }
            for (int metade = 0; metade < 2; ++metade) {
                const int de = metade * 40;
                int ate = de + 40;
                while (ate > de && texto[ate - 1] == ' ')
                    --ate;
                if (metade == 1 && ate == de)
                    break;
                bool emNegrito = false;
                for (int c = de; c < ate; ++c) {
                    if (forte[c] != emNegrito) {
                        out += forte[c] ? negrito : semNegrito;
                        emNegrito = forte[c];
                    }
                    out += texto[c];
                }
                if (emNegrito)
                    out += semNegrito;
                out += "\r\n";
            }
        }
    }
    return out;
}

QByteArray CodificaParaModo(ModoImpressao m, const QList<PaginaTexto> &paginas,
                            const CodigosEscP &codigos)
{
    switch (m) {
    case ModoImpressao::Epson:
    case ModoImpressao::Rima: return CodificaEscP(paginas, codigos);
    case ModoImpressao::Hp: return CodificaPcl(paginas);
    case ModoImpressao::Bobina: return CodificaBobina(paginas);
    case ModoImpressao::Grafico: break;
    }
    return {};
}
