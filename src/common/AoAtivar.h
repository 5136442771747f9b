#pragma once
// "Whenever the window becomes the active window": runs an action when the
// window is first activated and each time another window of the program
// that was over it goes away. A message box the window itself showed does
// not count, so a refused check does not reload what the clerk typed.

#include <functional>

class QWidget;

void InstalaAoAtivar(QWidget *janela, std::function<void()> acao);
