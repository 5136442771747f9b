#pragma once
// Scripted answerer for text-mode print jobs: ConfirmSetup is answered from a
// queue (confirm, when the queue is empty) and CloseJob hands the finished
// pages here instead of opening the preview. Restores the windows when it
// goes out of scope.

#include "platform/textprint/TrabalhoTexto.h"

#include <QList>
#include <QQueue>
#include <functional>

class CapturaImpressao {
public:
    struct Concluido {
        QList<PaginaTexto> paginas;
        OpcoesImpressao opcoes;
        ConfiguracaoTexto configuracao;
    };

    CapturaImpressao();
    ~CapturaImpressao();
    CapturaImpressao(const CapturaImpressao &) = delete;
    CapturaImpressao &operator=(const CapturaImpressao &) = delete;

    // Answer the next dialogs: true confirms, false cancels.
    void Responde(bool confirma) { respostas_.enqueue(confirma); }
    // Changes the options of every confirmed dialog, as the clerk would.
    void AlteraOpcoes(std::function<void(OpcoesImpressao &)> f) { altera_ = std::move(f); }

    int Dialogos() const { return dialogos_; }
    const QList<Concluido> &Trabalhos() const { return trabalhos_; }
    const Concluido &Ultimo() const { return trabalhos_.last(); }

private:
    QQueue<bool> respostas_;
    std::function<void(OpcoesImpressao &)> altera_;
    QList<Concluido> trabalhos_;
    int dialogos_ = 0;
};
