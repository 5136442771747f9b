#pragma once
// A date box that can be blank. Shows dd/mm/yyyy with a four-digit year, or
// "  /  /    " when blank; its button, F4 or Alt+Down drop a calendar down
// whose week starts on Sunday and which marks Saturday and Sunday. A text
// that is not a whole date reads as no date, like the blank box.

#include "common/EditBotao.h"

#include <QDate>

class QCalendarWidget;
class QFrame;
class QLabel;

class CaixaData : public EditBotao {
    Q_OBJECT
public:
    explicit CaixaData(QWidget *parent = nullptr);

    QDate Data() const;
    bool EmBranco() const;
    void DefineData(const QDate &data);   // a null date blanks the box
    void Limpa() { DefineData(QDate()); }

    // Caption of the calendar (for instance "Selecione uma data").
    void DefineTituloCalendario(const QString &titulo);
    QString TituloCalendario() const;

    void AbreCalendario();
    QWidget *JanelaCalendario() const;
    QCalendarWidget *Calendario() const { return calendario_; }

signals:
    // A date was picked in the calendar.
    void dataEscolhida(const QDate &data);

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void Escolhe(const QDate &data);

    QFrame *janela_;
    QLabel *titulo_;
    QCalendarWidget *calendario_;
};
