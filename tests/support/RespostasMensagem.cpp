#include "RespostasMensagem.h"

RespostasMensagem::RespostasMensagem()
{
    DefineRespondeMensagem([this](const MensagemMostrada &m) {
        mostradas_.append(m);
        if (!respostas_.isEmpty())
            return respostas_.dequeue();
        return m.botoes.isEmpty() ? Botao::Ok : m.botoes.first();
    });
}

RespostasMensagem::~RespostasMensagem()
{
    DefineRespondeMensagem({});
}
