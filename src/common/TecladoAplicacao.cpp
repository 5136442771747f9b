#include "common/TecladoAplicacao.h"

#include "common/Convencoes.h"
#include "common/GradeClassica.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QListView>
#include <QMessageBox>

namespace {
QPointer<TecladoAplicacao> &Atual()
{
    static QPointer<TecladoAplicacao> atual;
    return atual;
}
} // namespace

TecladoAplicacao::TecladoAplicacao(QWidget *janelaPrincipal)
    : QObject(janelaPrincipal), principal_(janelaPrincipal)
{
    qApp->installEventFilter(this);
}

TecladoAplicacao::~TecladoAplicacao()
{
    qApp->removeEventFilter(this);
}

bool TecladoAplicacao::eventFilter(QObject *obj, QEvent *e)
{
    if (e->type() != QEvent::KeyPress || !obj->isWidgetType())
        return false;
    const auto *k = static_cast<QKeyEvent *>(e);
    // An open drop-down (combo list, calendar) has the keys to itself.
    if (QApplication::activePopupWidget())
        return false;
    if (k->modifiers() & Qt::AltModifier)
        return AltSemAtalho(*k);

    auto *receptor = static_cast<QWidget *>(obj);
    QWidget *janela = QApplication::activeWindow();
    QWidget *foco = QApplication::focusWidget();
    // The key reaches the focused control first, then its parents in turn if
    // they leave it unused: act on the first delivery only.
    const bool primeiro = receptor == (foco ? foco : janela);

    switch (k->key()) {
    case Qt::Key_Escape:
        return Esc(receptor, primeiro, janela);
    case Qt::Key_Up:
        return Cima(receptor, primeiro, foco);
    default:  // Down among them: never taken over

        return false;
    }
}

bool TecladoAplicacao::AltSemAtalho(const QKeyEvent &k)
{
    // Alt with a letter reaches a control only when no mnemonic took it (the
    // shortcut map runs first), e.g. Alt+G while "Gravar" is disabled. Qt
    // would then type the letter into the edit; the clerk meant a button.
    // Ctrl+Alt is AltGr on some desks and types for real.
    if (k.modifiers() & Qt::ControlModifier)
        return false;
    const QString t = k.text();
    return !t.isEmpty() && t.at(0).isPrint();
}

bool TecladoAplicacao::Esc(QWidget *receptor, bool primeiro, QWidget *janela)
{
    const auto fechavel = [this](QWidget *w) {
        return w && w != principal_ && !qobject_cast<QMessageBox *>(w);
    };
    if (primeiro && fechavel(janela))
        FechaComResultado(janela, -1);
    // Closed or refused, the dialog's own Esc (reject, which would skip the
    // close checks or undo the -1) must not follow.
    return receptor->isWindow() && fechavel(receptor) && qobject_cast<QDialog *>(receptor);
}

bool TecladoAplicacao::Cima(QWidget *receptor, bool primeiro, QWidget *foco)
{
    if (primeiro && foco && !IsentoDeCimaVolta(foco)) {
        MoveFoco(foco, false);
        // A button takes its arrows as a focus move of its own: delivered,
        // the key would move the focus a second time.
        return qobject_cast<QAbstractButton *>(receptor) != nullptr;
    }
    return false;
}

TecladoAplicacao *InstalaTecladoAplicacao(QWidget *janelaPrincipal)
{
    RemoveTecladoAplicacao();
    Atual() = new TecladoAplicacao(janelaPrincipal);
    return Atual();
}

void RemoveTecladoAplicacao()
{
    delete Atual().data();
}

bool FechaComResultado(QWidget *janela, int resultado)
{
    QPointer<QWidget> guarda(janela);
    if (!janela->close())
        return false;
    // QDialog::closeEvent ends with reject(), which leaves 0: set the result
    // after it, before the modal loop reads it.
    if (auto *d = qobject_cast<QDialog *>(guarda.data()))
        d->setResult(resultado);
    return true;
}

bool IsentoDeCimaVolta(const QWidget *controle)
{
    for (const QWidget *w = controle; w && !w->isWindow(); w = w->parentWidget()) {
        if (qobject_cast<const GradeClassica *>(w) || qobject_cast<const QComboBox *>(w)
            || qobject_cast<const QListView *>(w))
            return true;
    }
    return false;
}
