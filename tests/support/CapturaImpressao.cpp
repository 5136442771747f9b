#include "CapturaImpressao.h"

CapturaImpressao::CapturaImpressao()
{
    RespondeImpressaoTexto r;
    r.confirma = [this](OpcoesImpressao &o) {
        ++dialogos_;
        const bool ok = respostas_.isEmpty() ? true : respostas_.dequeue();
        if (ok && altera_)
            altera_(o);
        return ok;
    };
    r.conclui = [this](const TrabalhoTexto &t) {
        trabalhos_.append({t.Paginas(), t.Opcoes(), t.Configuracao});
    };
    DefineRespondeImpressaoTexto(std::move(r));
}

CapturaImpressao::~CapturaImpressao()
{
    DefineRespondeImpressaoTexto({});
}
