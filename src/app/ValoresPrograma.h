#pragma once
// The program-wide values the main window holds for the whole run.

#include <QCoreApplication>
#include <QString>

struct ValoresPrograma {
    QString caminhoBanco;   // "Database" of kiro.ini
    QString usuarioBanco;   // "Usuario", unscrambled
    QString senhaBanco;     // "Senha", unscrambled
    int codigoEmpresa = 1;  // the key of the one empresa row
    int exercicio = 0;      // working year; 0 while none is valid
    // kiro.ini beside the executable; tests point it elsewhere.
    QString arquivoIni;
};

inline QString ArquivoIniPadrao()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/kiro.ini");
}

// The settings file these values come from.
inline QString ArquivoIniDe(const ValoresPrograma &v)
{
    return v.arquivoIni.isEmpty() ? ArquivoIniPadrao() : v.arquivoIni;
}

// Reads the three settings into the values, writing any missing key empty
// (the file too, when absent). True when all three keys were present.
bool LerConfiguracao(ValoresPrograma &v);
