#pragma once
// The access control the main window carries: checks user and password
// against the user store, keeps the logged-in user, applies the user's
// rights to the bound menu bar and opens the user administration.
//
// Rights are keyed by menu item name: the action's "itemMenu" property, or
// its object name when it has none. Administrators may use every item. A
// non-administrator may use exactly the items listed for the group, so an
// item the store has never heard of (a new menu entry) is open to
// administrators only, who then see it in the administration tree and can
// grant it.

#include "platform/access/ArmazemUsuarios.h"

#include <QMenuBar>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QAction;
class QWidget;

inline const QString kTituloAcesso = QStringLiteral("Controle de Acesso");

class ControleAcesso : public QObject {
    Q_OBJECT
public:
    // Opens (or creates) the store; raises std::runtime_error as the store.
    explicit ControleAcesso(const QString &arquivoStore, QObject *parent = nullptr);

    // 1 when the user may enter (then the user is logged in and the rights
    // are applied); otherwise shows the refusal and returns 0. Both texts
    // are trimmed; the name is compared in upper case, the password as
    // typed (case-sensitive: the hash is of exactly what was typed; the
    // login's password edit forces upper case, so in practice it is).
    int ConfereUsuario(const QString &usuario, const QString &senha);
    QString UsuarioLogado() const { return usuario_; }

    void VinculaMenu(QMenuBar *menu) { menu_ = menu; }
    QMenuBar *MenuVinculado() const { return menu_; }
    // Enables and shows, or disables and hides, every item of the bound menu
    // for the logged-in user. Nothing happens before a login.
    void AplicaDireitos();
    // Whether the logged-in user may use that menu item.
    bool Permitido(const QString &item) const;

    // The administration dialog for an administrator; the refusal otherwise.
    void AdministraUsuarios(QWidget *parent);

    bool TemUsuarios() const { return !armazem_.usuarios.isEmpty(); }
    ArmazemUsuarios &Armazem() { return armazem_; }

    // The rights key of a menu entry.
    static QString ItemDeMenu(const QAction *a);

private:
    ArmazemUsuarios armazem_;
    QPointer<QMenuBar> menu_;
    QString usuario_;
};

// The program's access control over the store beside it; a store that
// cannot be opened or written is shown (title "Controle de Acesso", error
// icon) and gives no value, and the program ends before any window shows.
std::unique_ptr<ControleAcesso> AbreControleAcesso(const QString &arquivoStore);
