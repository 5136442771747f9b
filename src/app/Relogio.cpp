#include "app/Relogio.h"

#include <QDateTime>
#include <QStringList>

QString Saudacao(const QTime &agora)
{
    // The time of day as a fraction of a day, compared as the rule states it:
    // 0.25 = 06:00, 0.5 = 12:00, 0.75 = 18:00 (18:00:00 itself is afternoon).
    const qint64 ms = agora.msecsSinceStartOfDay();
    const qint64 dia = 24LL * 60 * 60 * 1000;
    QString s = QStringLiteral("Bom Dia");
    if (ms * 2 >= dia && !(ms * 4 > 3 * dia))
        s = QStringLiteral("Boa Tarde");
    if (!(ms * 4 >= dia) || ms * 4 > 3 * dia)
        s = QStringLiteral("Boa Noite");
    return s;
}

QString TextoData(const QDate &hoje)
{
    static const QStringList dias{
        QStringLiteral("segunda-feira"), QStringLiteral("terça-feira"),
        QStringLiteral("quarta-feira"),  QStringLiteral("quinta-feira"),
        QStringLiteral("sexta-feira"),   QStringLiteral("sábado"),
        QStringLiteral("domingo")};
    static const QStringList meses{
        QStringLiteral("janeiro"), QStringLiteral("fevereiro"), QStringLiteral("março"),
        QStringLiteral("abril"),   QStringLiteral("maio"),      QStringLiteral("junho"),
        QStringLiteral("julho"),   QStringLiteral("agosto"),    QStringLiteral("setembro"),
        QStringLiteral("outubro"), QStringLiteral("novembro"),  QStringLiteral("dezembro")};
    return QStringLiteral(" %1, %2 de %3 de %4")
        .arg(dias[hoje.dayOfWeek() - 1])
        .arg(hoje.day(), 2, 10, QLatin1Char('0'))
        .arg(meses[hoje.month() - 1])
        .arg(hoje.year(), 4, 10, QLatin1Char('0'));
}

QString TextoDataSaudacao(const QDateTime &agora)
{
    return TextoData(agora.date()) + QStringLiteral(" - ") + Saudacao(agora.time());
}

QString TextoHora(const QTime &agora)
{
    return agora.toString(QStringLiteral("HH:mm:ss"));
}
