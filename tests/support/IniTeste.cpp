#include "IniTeste.h"

#include "common/ArquivoIni.h"
#include "common/U_Funcoes.h"
#include "common/Win1252.h"

QString CaminhoIniTeste()
{
    static int n = 0;
    return PastaTemporariaTestes() + QStringLiteral("/kiro-teste-%1.ini").arg(++n);
}

QString EscreveIniTeste(const BancoTeste &b, bool comDatabase, bool comUsuario, bool comSenha)
{
    const QString caminho = CaminhoIniTeste();
    ArquivoIni ini(caminho);
    if (comDatabase)
        ini.Escreve("Banco de Dados", "Database", ParaWin1252(b.nome));
    if (comUsuario)
        ini.Escreve("Banco de Dados", "Usuario", Criptografar(ParaWin1252(b.usuario)));
    if (comSenha)
        ini.Escreve("Banco de Dados", "Senha", Criptografar(ParaWin1252(b.senha)));
    return caminho;
}
