#pragma once
// The one message routine. Every message box of the program goes through
// Mensagem(), so a test can replace the box with a scripted answerer that
// records what was shown and answers from a queue.

#include <QList>
#include <QString>
#include <functional>

enum class Icone { Erro, Pergunta, Informacao, Exclamacao };

// Values follow the classic dialog result numbers, so a button compares
// naturally with a modal result.
enum class Botao { Nenhum = 0, Ok = 1, Cancelar = 2, Sim = 6, Nao = 7 };

struct MensagemMostrada {
    QString texto;
    QString titulo;
    Icone icone;
    QList<Botao> botoes;
};

using RespondeMensagem = std::function<Botao(const MensagemMostrada &)>;

// Shows a modal message box owned by the application and returns the button
// pressed. Default buttons: Ok alone.
Botao Mensagem(const QString &texto, const QString &titulo, Icone icone,
               const QList<Botao> &botoes = {Botao::Ok});

// How many message boxes are on screen now (a window that loses the focus
// to one of them is not "activated again" when it closes).
int MensagensAbertas();

// Replaces the real box (tests). An empty function restores the real box.
void DefineRespondeMensagem(RespondeMensagem responde);

// The application error routine: a refused write or any other failure that a
// handler does not catch itself ends the handler and is shown here.
inline const QString kTituloPadrao = QStringLiteral("Necrovia");
QString TextoErroAplicacao(const QString &detalhe);
void MostraErroAplicacao(const QString &detalhe);
