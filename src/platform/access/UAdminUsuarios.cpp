#include "platform/access/UAdminUsuarios.h"

#include "common/Convencoes.h"
#include "common/Guarda.h"
#include "common/Mensagem.h"
#include "platform/access/ControleAcesso.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
void Aviso(const QString &texto)
{
    Mensagem(texto, kTituloAcesso, Icone::Exclamacao);
}

bool Confirma(const QString &texto)
{
    return Mensagem(texto, kTituloAcesso, Icone::Pergunta, {Botao::Sim, Botao::Nao})
        == Botao::Sim;
}
} // namespace

TfrmAdminUsuarios::TfrmAdminUsuarios(ArmazemUsuarios &armazem, QMenuBar *menu, QWidget *parent)
    : QDialog(parent), armazem_(armazem)
{
    setupUi(this);
    setObjectName(QStringLiteral("frmAdminUsuarios"));
    // Passwords count in capitals, as the login types them.
    InstalaMaiusculas(EdtSenha);
    InstalaMaiusculas(EdtConfirma);
    if (menu)
        MontaArvore(menu->actions(), nullptr);
    ArvoreDireitos->expandAll();
    CarregaGrupos({});
    CarregaUsuarios({});

    connect(ListaUsuarios, &QListWidget::itemSelectionChanged, this,
            Guarda(this, &TfrmAdminUsuarios::ListaUsuariosClick));
    connect(BtnNovoUsuario, &QPushButton::clicked, this,
            Guarda(this, &TfrmAdminUsuarios::BtnNovoUsuarioClick));
    connect(BtnGravarUsuario, &QPushButton::clicked, this,
            Guarda(this, &TfrmAdminUsuarios::BtnGravarUsuarioClick));
    connect(BtnExcluirUsuario, &QPushButton::clicked, this,
            Guarda(this, &TfrmAdminUsuarios::BtnExcluirUsuarioClick));
    connect(ListaGrupos, &QListWidget::itemSelectionChanged, this,
            Guarda(this, &TfrmAdminUsuarios::ListaGruposClick));
    connect(BtnNovoGrupo, &QPushButton::clicked, this,
            Guarda(this, &TfrmAdminUsuarios::BtnNovoGrupoClick));
    connect(BtnExcluirGrupo, &QPushButton::clicked, this,
            Guarda(this, &TfrmAdminUsuarios::BtnExcluirGrupoClick));
    connect(BtnGravarDireitos, &QPushButton::clicked, this,
            Guarda(this, &TfrmAdminUsuarios::BtnGravarDireitosClick));
    connect(BtnFechar, &QPushButton::clicked, this, Guarda(this, &TfrmAdminUsuarios::BtnFecharClick));
}

void TfrmAdminUsuarios::MontaArvore(const QList<QAction *> &acoes, QTreeWidgetItem *pai)
{
    for (QAction *a : acoes) {
        if (a->isSeparator())
            continue;
        auto *item = pai ? new QTreeWidgetItem(pai) : new QTreeWidgetItem(ArvoreDireitos);
        item->setText(0, a->text().remove(u'&'));
        item->setData(0, Qt::UserRole, ControleAcesso::ItemDeMenu(a));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
        itens_ << item;
        if (QMenu *sub = a->menu()) {
            // A menu is on while any of its entries is: checking it checks them all.
            item->setFlags(item->flags() | Qt::ItemIsAutoTristate);
            MontaArvore(sub->actions(), item);
        }
    }
}

void TfrmAdminUsuarios::Grava(const std::function<void(ArmazemUsuarios &)> &altera)
{
    ArmazemUsuarios copia = armazem_;
    altera(copia);
    copia.Salva();
    armazem_ = copia;
}

QString TfrmAdminUsuarios::UsuarioSelecionado() const
{
    const auto sel = ListaUsuarios->selectedItems();
    return sel.isEmpty() ? QString() : sel.first()->text();
}

QString TfrmAdminUsuarios::GrupoSelecionado() const
{
    const auto sel = ListaGrupos->selectedItems();
    return sel.isEmpty() ? QString() : sel.first()->text();
}

void TfrmAdminUsuarios::CarregaUsuarios(const QString &selecionado)
{
    const QSignalBlocker b(ListaUsuarios);
    ListaUsuarios->clear();
    for (const UsuarioAcesso &u : armazem_.usuarios) {
        auto *i = new QListWidgetItem(u.nome, ListaUsuarios);
        i->setSelected(u.nome == selecionado);
    }
}

void TfrmAdminUsuarios::CarregaGrupos(const QString &selecionado)
{
    const QSignalBlocker b(ListaGrupos);
    const QString grupoUsuario = CbBxGrupo->currentText();
    ListaGrupos->clear();
    CbBxGrupo->clear();
    CbBxGrupo->addItem(QString());   // no group: an administrator needs none
    for (const GrupoAcesso &g : armazem_.grupos) {
        auto *i = new QListWidgetItem(g.nome, ListaGrupos);
        i->setSelected(g.nome == selecionado);
        CbBxGrupo->addItem(g.nome);
    }
    CbBxGrupo->setCurrentIndex(std::max(0, CbBxGrupo->findText(grupoUsuario)));
}

void TfrmAdminUsuarios::ListaUsuariosClick()
{
    EdtSenha->clear();
    EdtConfirma->clear();
    const UsuarioAcesso *u = armazem_.Usuario(UsuarioSelecionado());
    EdtNome->setText(u ? u->nome : QString());
    CbBxGrupo->setCurrentIndex(u ? std::max(0, CbBxGrupo->findText(u->grupo)) : 0);
    ChkAdministrador->setChecked(u && u->administrador);
}

void TfrmAdminUsuarios::BtnNovoUsuarioClick()
{
    ListaUsuarios->clearSelection();
    ListaUsuariosClick();
    EdtNome->setFocus();
}

void TfrmAdminUsuarios::BtnGravarUsuarioClick()
{
    const QString original = UsuarioSelecionado();
    const QString nome = ArmazemUsuarios::NormalizaNome(EdtNome->text());
    const QString senha = EdtSenha->text().trimmed();
    const bool administrador = ChkAdministrador->isChecked();
    const QString grupo = CbBxGrupo->currentText();
    if (nome.isEmpty()) {
        Aviso(QStringLiteral("Informe o nome do usuário."));
        EdtNome->setFocus();
        return;
    }
    if (original.isEmpty() && senha.isEmpty()) {
        Aviso(QStringLiteral("Informe a senha do usuário."));
        EdtSenha->setFocus();
        return;
    }
    if (ArmazemUsuarios::NormalizaSenha(senha) != ArmazemUsuarios::NormalizaSenha(EdtConfirma->text())) {
        Aviso(QStringLiteral("As senhas digitadas não conferem."));
        EdtSenha->setFocus();
        return;
    }
    if (nome != original && armazem_.Usuario(nome)) {
        Aviso(QStringLiteral("Já existe um usuário com este nome."));
        EdtNome->setFocus();
        return;
    }
    const UsuarioAcesso *antes = armazem_.Usuario(original);
    if (antes && antes->administrador && !administrador && armazem_.Administradores() == 1) {
        Aviso(QStringLiteral("O último administrador não pode deixar de ser administrador."));
        return;
    }
    // Hashed before the change, so a failure leaves the store as it was.
    const QByteArray hash = senha.isEmpty() ? QByteArray() : ArmazemUsuarios::HashSenha(senha);
    Grava([&](ArmazemUsuarios &a) {
        UsuarioAcesso *u = a.Usuario(original);
        if (!u) {
            a.usuarios << UsuarioAcesso{};
            u = &a.usuarios.last();
        }
        u->nome = nome;
        u->grupo = grupo;
        u->administrador = administrador;
        if (!hash.isEmpty())
            u->hashSenha = hash;
    });
    CarregaUsuarios(nome);
    ListaUsuariosClick();
}

void TfrmAdminUsuarios::BtnExcluirUsuarioClick()
{
    const UsuarioAcesso *u = armazem_.Usuario(UsuarioSelecionado());
    if (!u) {
        Aviso(QStringLiteral("Selecione um usuário."));
        return;
    }
    if (u->administrador && armazem_.Administradores() == 1) {
        Aviso(QStringLiteral("O último administrador não pode ser excluído."));
        return;
    }
    const QString nome = u->nome;
    if (!Confirma(QStringLiteral("Confirma a exclusão do usuário %1?").arg(nome)))
        return;
    Grava([&](ArmazemUsuarios &a) {
        a.usuarios.removeIf([&](const UsuarioAcesso &x) { return x.nome == nome; });
    });
    CarregaUsuarios({});
    ListaUsuariosClick();
}

void TfrmAdminUsuarios::ListaGruposClick()
{
    const GrupoAcesso *g = armazem_.Grupo(GrupoSelecionado());
    EdtGrupo->setText(g ? g->nome : QString());
    // Leaves only: a menu's state follows its entries.
    for (QTreeWidgetItem *i : std::as_const(itens_))
        if (i->childCount() == 0)
            i->setCheckState(0, g && g->itens.contains(i->data(0, Qt::UserRole).toString())
                                    ? Qt::Checked
                                    : Qt::Unchecked);
}

void TfrmAdminUsuarios::BtnNovoGrupoClick()
{
    const QString nome = ArmazemUsuarios::NormalizaNome(EdtGrupo->text());
    if (nome.isEmpty()) {
        Aviso(QStringLiteral("Informe o nome do grupo."));
        EdtGrupo->setFocus();
        return;
    }
    if (armazem_.Grupo(nome)) {
        Aviso(QStringLiteral("Já existe um grupo com este nome."));
        EdtGrupo->setFocus();
        return;
    }
    Grava([&](ArmazemUsuarios &a) {
        a.grupos << GrupoAcesso{nome, {}};
    });
    CarregaGrupos(nome);
    ListaGruposClick();
}

void TfrmAdminUsuarios::BtnExcluirGrupoClick()
{
    const QString nome = GrupoSelecionado();
    if (nome.isEmpty()) {
        Aviso(QStringLiteral("Selecione um grupo."));
        return;
    }
    const bool emUso = std::any_of(armazem_.usuarios.cbegin(), armazem_.usuarios.cend(),
                                   [&](const UsuarioAcesso &u) { return u.grupo == nome; });
    if (emUso) {
        Aviso(QStringLiteral("O grupo %1 tem usuários e não pode ser excluído.").arg(nome));
        return;
    }
    if (!Confirma(QStringLiteral("Confirma a exclusão do grupo %1?").arg(nome)))
        return;
    Grava([&](ArmazemUsuarios &a) {
        a.grupos.removeIf([&](const GrupoAcesso &g) { return g.nome == nome; });
    });
    CarregaGrupos({});
    ListaGruposClick();
}

void TfrmAdminUsuarios::BtnGravarDireitosClick()
{
    const QString nome = GrupoSelecionado();
    if (nome.isEmpty()) {
        Aviso(QStringLiteral("Selecione um grupo."));
        return;
    }
    QStringList doMenu, marcados;
    for (QTreeWidgetItem *i : std::as_const(itens_)) {
        const QString item = i->data(0, Qt::UserRole).toString();
        doMenu << item;
        if (i->checkState(0) != Qt::Unchecked)
            marcados << item;
    }
    Grava([&](ArmazemUsuarios &a) {
        GrupoAcesso *g = a.Grupo(nome);
        // Items this menu does not show (another build's) are kept as they were.
        QStringList itens;
        for (const QString &i : std::as_const(g->itens))
            if (!doMenu.contains(i))
                itens << i;
        g->itens = itens + marcados;
    });
}

void TfrmAdminUsuarios::BtnFecharClick()
{
    accept();
}
