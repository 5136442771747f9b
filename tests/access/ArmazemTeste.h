#pragma once
// A user store in a fresh folder: an administrator, a clerk whose group may
// use only part of the menu, and cheap password hashes so tests stay fast.

#include "RespostasMensagem.h"
#include "platform/access/ArmazemUsuarios.h"

#include <QTemporaryDir>
#include <QTest>

inline const QString kSenhaAdmin = QStringLiteral("Chave-Mestra1");
inline const QString kSenhaMaria = QStringLiteral("senha-Maria");

struct ArmazemTeste {
    QTemporaryDir dir;
    QString arquivo = dir.filePath(QStringLiteral("RDusers.RDA"));

    ArmazemTeste()
    {
        ArmazemUsuarios::UsaCustoMinimo(true);
        ArmazemUsuarios a(arquivo);
        a.grupos << GrupoAcesso{kGrupoAdministradores, {}}
                 << GrupoAcesso{QStringLiteral("BALCAO"),
                                {QStringLiteral("Cadastro1"), QStringLiteral("CartadePosse1"),
                                 QStringLiteral("Sub1"), QStringLiteral("Neto1")}};
        a.usuarios << UsuarioAcesso{QStringLiteral("ADMIN"), kGrupoAdministradores, true,
                                    ArmazemUsuarios::HashSenha(kSenhaAdmin)}
                   << UsuarioAcesso{QStringLiteral("MARIA"), QStringLiteral("BALCAO"), false,
                                    ArmazemUsuarios::HashSenha(kSenhaMaria)};
        a.Salva();
    }
};

// The one box the access control shows for a refusal, then forgotten.
inline void ConfereAviso(RespostasMensagem &r, const QString &texto)
{
    QCOMPARE(r.Quantas(), 1);
    QCOMPARE(r.Ultima().texto, texto);
    QCOMPARE(r.Ultima().titulo, QStringLiteral("Controle de Acesso"));
    QCOMPARE(r.Ultima().icone, Icone::Exclamacao);
    r.Limpa();
}
