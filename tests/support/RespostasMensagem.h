#pragma once
// Scripted answerer for the message routine: records every box a test causes
// and answers from a queue (Ok, or the first button offered, when the queue
// is empty). Restores the real box when it goes out of scope.

#include "common/Mensagem.h"

#include <QList>
#include <QQueue>

class RespostasMensagem {
public:
    RespostasMensagem();
    ~RespostasMensagem();
    RespostasMensagem(const RespostasMensagem &) = delete;
    RespostasMensagem &operator=(const RespostasMensagem &) = delete;

    // Queue the answers of the next boxes, in order.
    void Responde(Botao b) { respostas_.enqueue(b); }
    void Responde(std::initializer_list<Botao> bs)
    {
        for (Botao b : bs)
            respostas_.enqueue(b);
    }

    const QList<MensagemMostrada> &Mostradas() const { return mostradas_; }
    int Quantas() const { return int(mostradas_.size()); }
    const MensagemMostrada &Ultima() const { return mostradas_.last(); }
    void Limpa() { mostradas_.clear(); respostas_.clear(); }
    int Pendentes() const { return int(respostas_.size()); }

private:
    QList<MensagemMostrada> mostradas_;
    QQueue<Botao> respostas_;
};
