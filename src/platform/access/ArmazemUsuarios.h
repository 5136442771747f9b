#pragma once
// The user store of the access control: users (name, group, administrator
// flag, Argon2id password hash) and groups (the menu item names they may
// use), in one JSON file. No widget here, so the store is tested on its own.
//
// Names of users and groups are kept in upper case without surrounding
// blanks. The password is never kept: only libsodium's crypto_pwhash_str
// of it, which cannot be turned back.

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

struct UsuarioAcesso {
    QString nome;
    QString grupo;
    bool administrador = false;
    QByteArray hashSenha;   // "$argon2id$..." as crypto_pwhash_str wrote it
};

struct GrupoAcesso {
    QString nome;
    QStringList itens;      // menu item names this group may use
};

// The store the program uses: "RDusers.RDA" beside the executable.
inline QString ArquivoUsuariosPadrao()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/RDusers.RDA");
}

// The group the first administrator goes into.
inline const QString kGrupoAdministradores = QStringLiteral("ADMINISTRADORES");

class ArmazemUsuarios {
public:
    // Opens the store, creating an empty one when the file does not exist.
    // A store that cannot be read, is not a complete store, or whose folder
    // cannot be written raises std::runtime_error with the reason.
    explicit ArmazemUsuarios(const QString &arquivo);

    // Writes the whole store atomically (new file, then rename): a crash
    // leaves either the old or the new file. Raises std::runtime_error.
    void Salva() const;

    const QString &Arquivo() const { return arquivo_; }

    QList<UsuarioAcesso> usuarios;
    QList<GrupoAcesso> grupos;

    // By name, in any letter case and with blanks around; null when absent.
    UsuarioAcesso *Usuario(const QString &nome);
    const UsuarioAcesso *Usuario(const QString &nome) const;
    GrupoAcesso *Grupo(const QString &nome);
    const GrupoAcesso *Grupo(const QString &nome) const;
    int Administradores() const;

    static QString NormalizaNome(const QString &nome) { return nome.trimmed().toUpper(); }

    // Passwords are compared without surrounding blanks and in upper case,
    // as the login types them (its field forces capitals): both the hash
    // and the check take the password through NormalizaSenha, so one set in
    // lower case can still be typed.
    static QString NormalizaSenha(const QString &senha) { return senha.trimmed().toUpper(); }
    static QByteArray HashSenha(const QString &senha);
    static bool ConfereSenha(const QByteArray &hash, const QString &senha);

    // Tests use libsodium's minimum work factors so a hash costs
    // milliseconds; the program keeps the interactive ones.
    static void UsaCustoMinimo(bool minimo);

private:
    void Le();
    QString arquivo_;
};

// True when the store at that path holds at least one user (a missing store
// holds none). Raises std::runtime_error like the store.
bool TemUsuarios(const QString &arquivo);

// Adds (or resets) an administrator in the ADMINISTRADORES group, creating
// the store and the group when needed. Raises std::runtime_error.
void CriaAdministrador(const QString &arquivo, const QString &nome, const QString &senha);

// The same, asking for the password twice on the terminal without echo.
// Returns the process exit code (0 done, 1 refused or failed) after saying
// why on standard error.
int CriaAdministradorTerminal(const QString &arquivo, const QString &nome);
