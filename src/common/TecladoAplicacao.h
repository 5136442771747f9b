#pragma once
// The application keyboard hook: Esc closes the active window, Up goes back
// to the previous control. One object for the whole program, installed by the
// main window when it is created:
//
//   InstalaTecladoAplicacao(this);
//
// It looks at key presses only and leaves keys pressed with Alt alone, but
// for one thing: an Alt+letter that no mnemonic took is dropped rather than
// typed into the focused edit.
//  - Esc on any active window except the main window closes that window
//    through its close checks (closeEvent, reject), which may refuse; a dialog
//    that closes returns -1 from exec(). The key still reaches the focused
//    control, but not the dialog itself: its own Esc (reject) would close it
//    past a refusing check, or turn the -1 into 0. Message boxes and open
//    drop-downs keep their own Esc.
//  - Up moves the focus to the previous control in tab order, except when the
//    focused control is a GradeClassica, a combo box or a list box (or a
//    control inside one), decided by class: other grids are not exempt.
//    The key then reaches the control as usual, except a button, which
//    would take it as a second focus move.
//  - Down is never taken over.

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QWidget;

class TecladoAplicacao : public QObject {
    Q_OBJECT
public:
    explicit TecladoAplicacao(QWidget *janelaPrincipal);
    ~TecladoAplicacao() override;

protected:
    bool eventFilter(QObject *obj, QEvent *e) override;

private:
    static bool AltSemAtalho(const QKeyEvent &k);
    bool Esc(QWidget *receptor, bool primeiro, QWidget *janela);
    bool Cima(QWidget *receptor, bool primeiro, QWidget *foco);

    QPointer<QWidget> principal_;
};

// Creates the hook as a child of the main window (so it goes with it) and
// makes it the program's one keyboard hook: an earlier one is removed.
TecladoAplicacao *InstalaTecladoAplicacao(QWidget *janelaPrincipal);
// Takes the hook away (a window that installs its own handler in its place).
void RemoveTecladoAplicacao();

// Closes janela through its close checks; when it closes and is a dialog,
// its modal call returns resultado. False when a check refused.
bool FechaComResultado(QWidget *janela, int resultado);

// The controls on which Up keeps its own meaning.
bool IsentoDeCimaVolta(const QWidget *controle);
