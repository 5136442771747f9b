#include "app/ValoresPrograma.h"

#include "common/ArquivoIni.h"
#include "common/U_Funcoes.h"
#include "common/Win1252.h"

namespace {
const QByteArray kSecao = "Banco de Dados";
}

bool LerConfiguracao(ValoresPrograma &v)
{
    ArquivoIni ini(ArquivoIniDe(v));
    if (!ini.ArquivoExiste()) {
        ini.Escreve(kSecao, "Database", {});
        ini.Escreve(kSecao, "Usuario", {});
        ini.Escreve(kSecao, "Senha", {});
        return false;
    }
    const auto banco = ini.Le(kSecao, "Database");
    if (!banco) {
        ini.Escreve(kSecao, "Database", {});
        return false;
    }
    v.caminhoBanco = DeWin1252(*banco);
    const auto usuario = ini.Le(kSecao, "Usuario");
    if (!usuario) {
        ini.Escreve(kSecao, "Usuario", {});
        return false;
    }
    v.usuarioBanco = DeWin1252(Descriptografar(*usuario));
    // Asked with a lower-case "d": names match without regard to case.
    const auto senha = ini.Le("Banco de dados", "Senha");
    if (!senha) {
        ini.Escreve(kSecao, "Senha", {});
        return false;
    }
    v.senhaBanco = DeWin1252(Descriptografar(*senha));
    return true;
}
