#include "platform/access/ArmazemUsuarios.h"

#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>

#include <termios.h>
#include <unistd.h>

namespace {
// Reads one line from standard input with the terminal's echo off, so the
// password never shows on screen (nor in a terminal's scroll-back).
std::string LeSemEco(const char *pergunta)
{
    std::cerr << pergunta << std::flush;
    termios antes{};
    const bool terminal = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &antes) == 0;
    if (terminal) {
        termios sem = antes;
        sem.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &sem);
    }
    std::string linha;
    std::getline(std::cin, linha);
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &antes);
        std::cerr << '\n';
    }
    return linha;
}
} // namespace

int CriaAdministradorTerminal(const QString &arquivo, const QString &nome)
{
    try {
        const QString senha = QString::fromStdString(LeSemEco("Senha: "));
        const QString confirma = QString::fromStdString(LeSemEco("Confirme a senha: "));
        if (senha != confirma) {
            std::cerr << "As senhas digitadas não conferem.\n";
            return 1;
        }
        CriaAdministrador(arquivo, nome, senha);
        std::cerr << "Administrador " << ArmazemUsuarios::NormalizaNome(nome).toStdString()
                  << " gravado em " << arquivo.toStdString() << ".\n";
        return 0;
    } catch (const std::exception &e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
}
