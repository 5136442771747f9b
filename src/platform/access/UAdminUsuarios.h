#pragma once
// The user administration of the access control: users (name, group,
// administrator flag, password typed twice) and groups with their rights,
// shown as the tree of the real bound menu bar. Every change is written to
// the store at once; a change the store cannot take is not kept.

#include "platform/access/ArmazemUsuarios.h"

#include <QDialog>
#include <functional>

#include "ui_UAdminUsuarios.h"

class QMenu;
class QMenuBar;
class QTreeWidgetItem;

class TfrmAdminUsuarios : public QDialog, public Ui::TfrmAdminUsuarios {
    Q_OBJECT
public:
    TfrmAdminUsuarios(ArmazemUsuarios &armazem, QMenuBar *menu, QWidget *parent = nullptr);

    // Handlers.
    void ListaUsuariosClick();
    void BtnNovoUsuarioClick();
    void BtnGravarUsuarioClick();
    void BtnExcluirUsuarioClick();
    void ListaGruposClick();
    void BtnNovoGrupoClick();
    void BtnExcluirGrupoClick();
    void BtnGravarDireitosClick();
    void BtnFecharClick();

private:
    // Applies a change to a copy, saves it, and keeps it only when saved.
    void Grava(const std::function<void(ArmazemUsuarios &)> &altera);
    void CarregaUsuarios(const QString &selecionado);
    void CarregaGrupos(const QString &selecionado);
    void MontaArvore(const QList<QAction *> &acoes, QTreeWidgetItem *pai);
    QString UsuarioSelecionado() const;
    QString GrupoSelecionado() const;

    ArmazemUsuarios &armazem_;
    QList<QTreeWidgetItem *> itens_;   // every tree entry, parents included
};
