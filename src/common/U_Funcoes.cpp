#include "common/U_Funcoes.h"

#include <cstdint>

namespace {
constexpr std::uint16_t kChaveInicial = 31907;
constexpr std::int32_t kMultiplicador = 770143;
constexpr std::int32_t kIncremento = 6093217;

enum class Sentido { Embaralha, Desembaralha };

QByteArray Embaralha(const QByteArray &entrada, Sentido sentido)
{
    QByteArray saida(entrada.size(), '\0');
    std::uint16_t k = kChaveInicial;
    for (qsizetype i = 0; i < entrada.size(); ++i) {
        const auto in = static_cast<std::uint8_t>(entrada[i]);
        const auto out = static_cast<std::uint8_t>(in ^ (k >> 8));
        saida[i] = static_cast<char>(out);
        const std::uint32_t f = sentido == Sentido::Embaralha ? out : in;
        // Only the low 16 bits of the running key ever matter, so unsigned
        // wrap-around in 32 bits gives the same result as any wider register.
        k = static_cast<std::uint16_t>((k + f) * static_cast<std::uint32_t>(kMultiplicador)
                                       + static_cast<std::uint32_t>(kIncremento));
    }
    return saida;
}
} // namespace

QByteArray Criptografar(const QByteArray &texto)
{
    return Embaralha(texto, Sentido::Embaralha);
}

QByteArray Descriptografar(const QByteArray &texto)
{
    return Embaralha(texto, Sentido::Desembaralha);
}
