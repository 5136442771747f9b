#include "common/Moeda.h"

namespace {
constexpr int kMaxDigitosInteiros = 15;

QString Agrupa(const QString &inteiros)
{
    QString saida;
    const qsizetype n = inteiros.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            saida += u'.';
        saida += inteiros[i];
    }
    return saida;
}

QString Monta(qint64 centavos, bool agrupa)
{
    const bool negativo = centavos < 0;
    // Magnitude in unsigned arithmetic so the most negative value survives.
    const quint64 m = negativo ? 0 - quint64(centavos) : quint64(centavos);
    const QString inteiros = QString::number(m / 100);
    const QString decimais = QStringLiteral("%1").arg(m % 100, 2, 10, QChar(u'0'));
    const QString corpo = (agrupa ? Agrupa(inteiros) : inteiros) + u',' + decimais;
    if (!negativo)
        return corpo;
    return (agrupa ? QStringLiteral("- ") : QStringLiteral("-")) + corpo;
}
} // namespace

QString FormataMoeda(qint64 centavos)
{
    return Monta(centavos, true);
}

QString TextoEdicaoMoeda(qint64 centavos)
{
    return Monta(centavos, false);
}

std::optional<qint64> LeMoeda(const QString &texto)
{
    QString t = texto.trimmed();
    bool negativo = false;
    if (t.startsWith(u'-')) {
        negativo = true;
        t = t.mid(1).trimmed();
    }
    t.remove(u'.');
    if (t.isEmpty())
        return std::nullopt;

    const qsizetype virgula = t.indexOf(u',');
    const QString inteiros = virgula < 0 ? t : t.left(virgula);
    const QString decimais = virgula < 0 ? QString() : t.mid(virgula + 1);
    if (inteiros.size() > kMaxDigitosInteiros || (inteiros.isEmpty() && decimais.isEmpty()))
        return std::nullopt;
    for (const QString &parte : {inteiros, decimais})
        for (QChar c : parte)
            if (c < u'0' || c > u'9')
                return std::nullopt;

    qint64 valor = 0;
    for (QChar c : inteiros)
        valor = valor * 10 + (c.unicode() - u'0');
    for (int i = 0; i < 2; ++i)
        valor = valor * 10 + (i < decimais.size() ? decimais[i].unicode() - u'0' : 0);
    if (decimais.size() > 2 && decimais[2] >= u'5')
        ++valor;
    return negativo ? -valor : valor;
}
