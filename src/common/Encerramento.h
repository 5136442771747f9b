#pragma once
// "Tell the application to end": every open modal loop and the main loop
// return. The flag lets the code after a modal call, and tests, see that
// the program is on its way out.

void EncerraAplicacao();
bool AplicacaoEncerrando();
// Tests start each case afresh.
void ReiniciaEncerramento();
