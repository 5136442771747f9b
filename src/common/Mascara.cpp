#include "common/Mascara.h"

namespace {
constexpr QChar kLugarDigito = u'9';

QChar Em(const QString &s, qsizetype i)
{
    return i < s.size() ? s[i] : QChar();
}
} // namespace

QString ValorMascara(const QString &padrao, const QString &exibido)
{
    QString valor;
    for (qsizetype i = 0; i < padrao.size(); ++i) {
        if (padrao[i] != kLugarDigito)
            continue;
        const QChar c = Em(exibido, i);
        valor += (c >= u'0' && c <= u'9') ? c : QChar(u' ');
    }
    qsizetype fim = valor.size();
    while (fim > 0 && valor[fim - 1] == u' ')
        --fim;
    return valor.left(fim);
}

QString ExibeMascara(const QString &padrao, const QString &valor, QChar vazio)
{
    QString exibido;
    qsizetype proximo = 0;
    for (QChar p : padrao) {
        if (p != kLugarDigito) {
            exibido += p;
            continue;
        }
        const QChar c = Em(valor, proximo++);
        exibido += (c >= u'0' && c <= u'9') ? c : vazio;
    }
    return exibido;
}

QString MascaraQt(const QString &padrao, QChar vazio)
{
    // "0" is Qt's optional digit; punctuation that happens to be one of Qt's
    // mask letters is escaped so that it shows as itself.
    static const QString especiais = QStringLiteral("AaNnXx90DdHhBb#><!;[]{}\\");
    QString mascara;
    for (QChar p : padrao) {
        if (p == kLugarDigito) {
            mascara += u'0';
            continue;
        }
        if (especiais.contains(p))
            mascara += u'\\';
        mascara += p;
    }
    return mascara + u';' + vazio;
}
