#include "common/AoAtivar.h"

#include "common/Guarda.h"
#include "common/Mensagem.h"

#include <QEvent>
#include <QWidget>

namespace {
class FiltroAtivacao : public QObject {
public:
    FiltroAtivacao(QWidget *janela, std::function<void()> acao)
        : QObject(janela), acao_(std::move(acao))
    {
        janela->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::WindowDeactivate) {
            porMensagem_ = MensagensAbertas() > 0;
        } else if (e->type() == QEvent::WindowActivate) {
            if (porMensagem_)
                porMensagem_ = false;
            else
                ExecutaGuardado(acao_);
        }
        return false;
    }

private:
    std::function<void()> acao_;
    bool porMensagem_ = false;
};
} // namespace

void InstalaAoAtivar(QWidget *janela, std::function<void()> acao)
{
    new FiltroAtivacao(janela, std::move(acao));
}
