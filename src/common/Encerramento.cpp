#include "common/Encerramento.h"

#include <QCoreApplication>

namespace {
bool encerrando = false;
}

void EncerraAplicacao()
{
    encerrando = true;
    QCoreApplication::exit(0);
}

bool AplicacaoEncerrando()
{
    return encerrando;
}

void ReiniciaEncerramento()
{
    encerrando = false;
}
