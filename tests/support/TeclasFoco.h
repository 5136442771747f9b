#pragma once
// Keys as the clerk types them: every key goes to the control that has the
// focus at that moment, as on a real desk, so focus moves are followed.

#include <QString>
#include <Qt>

class QWidget;

// Shows the window and waits until it is the active one (offscreen focus
// only works in an active window).
bool MostraAtiva(QWidget *janela);

// The control with the focus, or the active window when none has it.
QWidget *Focado();

void Tecla(Qt::Key tecla, Qt::KeyboardModifiers modificadores = Qt::NoModifier);
void Digita(const QString &texto);
