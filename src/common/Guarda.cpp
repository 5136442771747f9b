#include "common/Guarda.h"

void ReportaFalha(const std::exception &e)
{
    MostraErroAplicacao(QString::fromUtf8(e.what()));
}

void ReportaFalhaDesconhecida()
{
    MostraErroAplicacao(QStringLiteral("Erro desconhecido."));
}
