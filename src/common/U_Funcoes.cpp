#include "common/U_Funcoes.h"

#include <cstdint>

namespace {
constexpr std::uint16_t kChaveInicial = 31907;
constexpr std::int32_t kMultiplicador = 770143;
constexpr std::int32_t kIncremento = 6093217;

enum class Sentido { Embaralha, Desembaralha };

QByteArray Embaralha(const QByteArray &entrada, Sentido sentido)
{
    QByteArray saida(entrada.size(), '\0');
    std::uint16_t k = kChaveInicial;
    for (qsizetype i = 0; i < entrada.size(); ++i) {
        const auto in = static_cast<std::uint8_t>(entrada[i]);
        const auto out = static_cast<std::uint8_t>(in ^ (k >> 8));
        saida[i] = static_cast<char>(out);
        const std::uint32_t f = sentido == Sentido::Embaralha ? out : in;
        // Only the low 16 bits of the running key ever matter, so unsigned
        // wrap-around in 32 bits gives the same result as any wider register.
        k = static_cast<std::uint16_t>((k + f) * static_cast<std::uint32_t>(kMultiplicador)
                                       + static_cast<std::uint32_t>(kIncremento));
    }
    return saida;
}
} // namespace

QByteArray Criptografar(const QByteArray &texto)
{
    return Embaralha(texto, Sentido::Embaralha);
}

QByteArray Descriptografar(const QByteArray &texto)
{
    return Embaralha(texto, Sentido::Desembaralha);
}

namespace {
bool EhDigito(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int Digito(QChar c)
{
    return c.unicode() - u'0';
}

// Check digit rule shared by both CNPJ digits: 0 when the remainder is 0 or
// 1, else 11 minus the remainder.
QChar DigitoCNPJ(const QString &base, const int (&pesos)[13], int quantos)
{
    int s = 0;
    for (int i = 0; i < quantos; ++i)
        s += pesos[i] * Digito(base[i]);
    const int r = s % 11;
    return QChar(u'0' + (r < 2 ? 0 : 11 - r));
}

// Characters [inicio, inicio + n) counting from 1; empty beyond the end,
// which is how a partly filled value is printed.
QString Parte(const QString &v, int inicio, int n)
{
    return v.mid(inicio - 1, n);
}
} // namespace

bool ValidaCPF(const QString &texto)
{
    QString d;
    for (QChar c : texto) {
        if (EhDigito(c))
            d += c;
        else if (c != u' ' && c != u'-' && c != u'.')
            return false;
    }
    if (d.isEmpty())
        return true;
    if (d.size() != 11)
        return false;

    // Ascending weights 1..9 over the first nine digits give the published
    // check digits (remainder 10 counts as 0).
    int s1 = 0;
    for (int i = 0; i < 9; ++i)
        s1 += (i + 1) * Digito(d[i]);
    int r1 = s1 % 11;
    if (r1 == 10)
        r1 = 0;

    int s2 = 0;
    for (int i = 1; i < 9; ++i)
        s2 += i * Digito(d[i]);
    s2 += 9 * r1;
    int r2 = s2 % 11;
    if (r2 == 10)
        r2 = 0;

    return Digito(d[9]) == r1 && Digito(d[10]) == r2;
}

bool ValidaCNPJ(const QString &texto)
{
    QString t = texto;
    if (t.size() > 14) {
        // Read as written in 99.999.999/9999-99: keep the digit places only.
        t = Parte(texto, 1, 2) + Parte(texto, 4, 3) + Parte(texto, 8, 3)
            + Parte(texto, 12, 4) + Parte(texto, 17, 2);
    }
    if (t.trimmed().isEmpty())
        return true;

    if (t.size() < 12)
        return false;
    const QString base = t.left(12);
    for (QChar c : base)
        if (!EhDigito(c))
            return false;

    static const int pesos1[13] = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2, 0};
    static const int pesos2[13] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    const QString com13 = base + DigitoCNPJ(base, pesos1, 12);
    const QString completo = com13 + DigitoCNPJ(com13, pesos2, 13);
    return t == completo;
}

QString FormataPorTipo(const QString &tipo, const QString &valor)
{
    const QString &v = valor;
    if (tipo == u"CEP")
        return Parte(v, 1, 5) + u'-' + Parte(v, 6, 3);
    if (tipo == u"CGC")
        return Parte(v, 1, 2) + u'.' + Parte(v, 3, 3) + u'.' + Parte(v, 6, 3) + u'/'
               + Parte(v, 9, 4) + u'-' + Parte(v, 13, 2);
    if (tipo == u"CPF")
        return Parte(v, 1, 3) + u'.' + Parte(v, 4, 3) + u'.' + Parte(v, 7, 3) + u'-'
               + Parte(v, 10, 2);
    if (tipo == u"SETOR")
        return Parte(v, 1, 2) + u'.' + Parte(v, 3, 2) + u'.' + Parte(v, 5, 2);
    if (tipo == u"FONE") {
        // Without an area code the number goes after an empty "(   ) ".
        const QString semDdd = QStringLiteral("(   ) ");
        switch (v.size()) {
        case 6:
            return semDdd + Parte(v, 1, 2) + u'-' + Parte(v, 3, 4);
        case 8:
        case 9:
            // A partly typed number: the last four characters are the second
            // group and everything before them the first, so no digit is lost.
            return semDdd + v.left(v.size() - 4) + u'-' + v.right(4);
        case 10:
            return u'(' + Parte(v, 1, 2) + QStringLiteral(") ") + Parte(v, 3, 4) + u'-'
                   + Parte(v, 7, 4);
        case 11:
            return u'(' + Parte(v, 1, 3) + QStringLiteral(") ") + Parte(v, 4, 4) + u'-'
                   + Parte(v, 8, 4);
        default:
            return {};
        }
    }
    return {};
}
