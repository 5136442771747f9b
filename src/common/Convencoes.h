#pragma once
// The input conventions every window shares, each installed on a control in
// one line after setupUi, for example
//
//   InstalaRealce(edt_Nome);
//   InstalaEnterAvanca(edt_Nome);
//   InstalaSoDigitos(edt_Numero);
//
// The helper behind each one is a child of the control (or of the form), so
// it lives exactly as long as what it serves.

#include <QColor>
#include <QObject>
#include <QString>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QWidget;

// Focus highlight: background clInfoBk while the control has the focus. On
// leaving, the background it had when this was installed (its design colour),
// or corNormal when one is given. Switching to another window or opening a
// drop-down is not leaving: the highlight stays, as the field keeps its place.
void InstalaRealce(QWidget *controle, const QColor &corNormal = QColor());

// Enter advances: Enter moves the focus to the next control in tab order
// (after the last it goes on with the first) and the control never sees it.
void InstalaEnterAvanca(QWidget *controle);

// The same for every control of a form at once. Enter on a push button keeps
// its ordinary meaning and presses the button.
void InstalaEnterAvancaFormulario(QWidget *formulario);

// Digits only: the keys that type a character type only Backspace and 0-9.
// Blanks, signs, separators and control characters (Ctrl+C, Ctrl+V, Ctrl+X
// and the like) are dropped; keys that type nothing (arrows, Delete, Tab,
// Enter, Esc) keep their meaning. The context menu still pastes.
void InstalaSoDigitos(QWidget *controle);

// Upper-case field: letters become upper case as they go in.
void InstalaMaiusculas(QLineEdit *edit);

// Masked field with one of the patterns of common/Mascara.h (kMascaraCEP,
// kMascaraCNPJ, kMascaraFone, kMascaraCPF).
void InstalaMascara(QLineEdit *edit, const QString &padrao);
// The value stored from a masked field (see ValorMascara); the plain text for
// an edit without a mask.
QString ValorMascarado(const QLineEdit *edit);
// Shows a stored value (digits without punctuation) through the field's mask.
void DefineValorMascarado(QLineEdit *edit, const QString &valor);

// CPF field check: leaving the field with a value that is not empty and that
// ValidaCPF rejects shows "CPF inválido!" and keeps the focus in the field;
// the control that was about to get the focus never gets it.
void InstalaVerificaCPF(QLineEdit *edit);

// Moves the focus from controle as Tab (adiante) or Shift+Tab would: tab
// stops only, wrapping round the window. False when nothing could take it.
bool MoveFoco(QWidget *controle, bool adiante);

// Link label: hand cursor, clBlue under the pointer, its design colour (or
// corNormal) again when the pointer leaves; a click emits clicado().
//   connect(InstalaRotuloLink(LblOpcoes), &RotuloLink::clicado,
//           this, Guarda(this, &TfrmLogin::LblOpcoesClick));
class RotuloLink : public QObject {
    Q_OBJECT
public:
    RotuloLink(QLabel *rotulo, const QColor &corNormal);

signals:
    void clicado();

protected:
    bool eventFilter(QObject *obj, QEvent *e) override;

private:
    void Pinta(const QColor &cor);

    QLabel *rotulo_;
    QColor corNormal_;
    bool pressionado_ = false;
};
RotuloLink *InstalaRotuloLink(QLabel *rotulo, const QColor &corNormal = QColor());

// Sees every key press aimed at a control of one window before the control
// does, once per key (what a form's key preview gives). Subclasses decide in
// Tecla() and return true to keep the key from the control.
class PreviaTeclado : public QObject {
    Q_OBJECT
public:
    explicit PreviaTeclado(QWidget *formulario);

protected:
    bool eventFilter(QObject *obj, QEvent *e) override;
    virtual bool Tecla(QWidget *controle, QKeyEvent *e) = 0;

private:
    QWidget *formulario_;
};

// Insert starts a new record: Insert (without Shift or Ctrl, which make it
// paste and copy) anywhere in the form emits novoRegistro(); the key still
// reaches its control.
//   connect(InstalaInsertNovoRegistro(this), &TeclaInsert::novoRegistro,
//           this, Guarda(this, &TfrmCadObitos::btn_NovoClick));
class TeclaInsert : public PreviaTeclado {
    Q_OBJECT
public:
    using PreviaTeclado::PreviaTeclado;

signals:
    void novoRegistro();

protected:
    bool Tecla(QWidget *controle, QKeyEvent *e) override;
};
TeclaInsert *InstalaInsertNovoRegistro(QWidget *formulario);
