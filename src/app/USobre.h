#pragma once
// The About window: product, maker, and when the installed program file
// was last changed.

#include <QDateTime>
#include <QDialog>

#include "ui_USobre.h"

class TfrmSobre : public QDialog, public Ui::TfrmSobre {
    Q_OBJECT
public:
    explicit TfrmSobre(QWidget *parent = nullptr);
    // The file whose date is shown; the program's own executable by default.
    void DefineExecutavel(const QString &caminho) { executavel_ = caminho; }
    void FormShow();
    void BitBtn1Click();
    static QString TextoAtualizacao(const QDateTime &modificado);

protected:
    void showEvent(QShowEvent *e) override;

private:
    QString executavel_;
};
