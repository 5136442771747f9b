#include "common/EditBotao.h"

#include <QKeyEvent>
#include <QToolButton>

EditBotao::EditBotao(QWidget *parent) : QLineEdit(parent), botao_(new QToolButton(this))
{
    botao_->setText(QStringLiteral("..."));
    // The focus stays in the edit: the button is for the mouse.
    botao_->setFocusPolicy(Qt::NoFocus);
    botao_->setCursor(Qt::ArrowCursor);
    connect(botao_, &QToolButton::clicked, this, &EditBotao::botaoClicado);
}

void EditBotao::keyPressEvent(QKeyEvent *e)
{
    if (e->keyCombination() == tecla_) {
        emit botaoClicado();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void EditBotao::resizeEvent(QResizeEvent *e)
{
    QLineEdit::resizeEvent(e);
    const int lado = height() - 4;
    botao_->setGeometry(width() - lado - 2, 2, lado, lado);
    setTextMargins(0, 0, lado + 2, 0);
}
