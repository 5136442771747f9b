#include "platform/access/ControleAcesso.h"

#include "common/Mensagem.h"
#include "platform/access/UAdminUsuarios.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
void AplicaEm(const QList<QAction *> &acoes, const ControleAcesso &c)
{
    for (QAction *a : acoes) {
        if (a->isSeparator())
            continue;
        const bool pode = c.Permitido(ControleAcesso::ItemDeMenu(a));
        a->setEnabled(pode);
        a->setVisible(pode);
        if (QMenu *sub = a->menu())
            AplicaEm(sub->actions(), c);
    }
}
} // namespace

ControleAcesso::ControleAcesso(const QString &arquivoStore, QObject *parent)
    : QObject(parent), armazem_(arquivoStore)
{
}

QString ControleAcesso::ItemDeMenu(const QAction *a)
{
    const QString item = a->property("itemMenu").toString();
    if (!item.isEmpty())
        return item;
    // A menu's own entry carries the menu's name.
    if (const QMenu *m = a->menu(); m && a->objectName().isEmpty())
        return m->objectName();
    return a->objectName();
}

int ControleAcesso::ConfereUsuario(const QString &usuario, const QString &senha)
{
    const UsuarioAcesso *u = armazem_.Usuario(usuario);
    if (!u || !ArmazemUsuarios::ConfereSenha(u->hashSenha, senha.trimmed())) {
        Mensagem(QStringLiteral("Acesso Negado !\n\nUsuário/Senha inválidos"), kTituloAcesso,
                 Icone::Exclamacao);
        return 0;
    }
    usuario_ = u->nome;
    AplicaDireitos();
    return 1;
}

bool ControleAcesso::Permitido(const QString &item) const
{
    const UsuarioAcesso *u = armazem_.Usuario(usuario_);
    if (!u)
        return false;
    if (u->administrador)
        return true;
    const GrupoAcesso *g = armazem_.Grupo(u->grupo);
    return g && g->itens.contains(item);
}

void ControleAcesso::AplicaDireitos()
{
    if (!menu_ || usuario_.isEmpty())
        return;
    AplicaEm(menu_->actions(), *this);
}

void ControleAcesso::AdministraUsuarios(QWidget *parent)
{
    const UsuarioAcesso *u = armazem_.Usuario(usuario_);
    if (usuario_.isEmpty() || !u) {
        Mensagem(QStringLiteral("Nenhum usuário ativo..."), kTituloAcesso, Icone::Exclamacao);
        return;
    }
    if (!u->administrador) {
        Mensagem(QStringLiteral("Sinto muito, mas esta opção só pode ser acessada por um "
                                "ADMINISTRADOR."),
                 kTituloAcesso, Icone::Exclamacao);
        return;
    }
    TfrmAdminUsuarios frm(armazem_, menu_, parent);
    frm.exec();
    // The administrator may have changed the groups; the menu follows. An
    // administrator who removed or renamed their own entry keeps the menu
    // as it was for the rest of the session rather than losing all of it.
    if (armazem_.Usuario(usuario_))
        AplicaDireitos();
}

std::unique_ptr<ControleAcesso> AbreControleAcesso(const QString &arquivoStore)
{
    try {
        return std::make_unique<ControleAcesso>(arquivoStore);
    } catch (const std::exception &e) {
        Mensagem(QString::fromUtf8(e.what()), kTituloAcesso, Icone::Erro);
        return nullptr;
    }
}
