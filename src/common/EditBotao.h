#pragma once
// An edit with a button at its right end. The button, or its key (F2 unless
// told otherwise) pressed in the edit, emits botaoClicado():
//
//   connect(ComboEdt_CodCartaPosse, &EditBotao::botaoClicado, this,
//           Guarda(this, &TfrmCadObitos::ComboEdt_CodCartaPosseButtonClick));

#include <QKeyCombination>
#include <QLineEdit>

class QToolButton;

class EditBotao : public QLineEdit {
    Q_OBJECT
public:
    explicit EditBotao(QWidget *parent = nullptr);

    QToolButton *Botao() const { return botao_; }
    void DefineTeclaBotao(QKeyCombination tecla) { tecla_ = tecla; }
    QKeyCombination TeclaBotao() const { return tecla_; }

signals:
    void botaoClicado();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    QToolButton *botao_;
    QKeyCombination tecla_{Qt::Key_F2};
};
