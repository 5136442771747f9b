#include "data/Money.h"

std::optional<Money> Money::DeTexto(const QString &texto)
{
    QString t = texto.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool negativo = false;
    if (t.startsWith(u'-')) {
        negativo = true;
        t = t.mid(1).trimmed();
    }
    QChar decimal = u'.';
    if (t.contains(u',')) {
        decimal = u',';
        t.remove(u'.');
    }
    const auto partes = t.split(decimal);
    if (partes.size() > 2)
        return std::nullopt;
    const QString inteira = partes[0];
    const QString fracao = partes.size() == 2 ? partes[1] : QString();
    if (inteira.isEmpty() && fracao.isEmpty())
        return std::nullopt;
    if (fracao.size() > 2 || inteira.size() > 16)
        return std::nullopt;
    for (QChar c : inteira + fracao)
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
    const qint64 reais = inteira.isEmpty() ? 0 : inteira.toLongLong();
    const qint64 cents = fracao.isEmpty() ? 0 : fracao.leftJustified(2, u'0').toLongLong();
    const qint64 total = reais * 100 + cents;
    return Money{negativo ? -total : total};
}

QString Money::ParaTextoSql() const
{
    const qint64 abs = centavos < 0 ? -centavos : centavos;
    return QStringLiteral("%1%2.%3")
        .arg(centavos < 0 ? QStringLiteral("-") : QString())
        .arg(abs / 100)
        .arg(abs % 100, 2, 10, QLatin1Char('0'));
}
