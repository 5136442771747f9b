#include "common/Convencoes.h"

#include "common/Cores.h"
#include "common/Mascara.h"
#include "common/Mensagem.h"
#include "common/U_Funcoes.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QValidator>

namespace {
const char *const kPropriedadeMascara = "kiroPadraoMascara";

// Focus that goes to a drop-down, a menu or another window comes back to the
// same control: the control was not left.
bool SaidaDeVerdade(const QFocusEvent *e)
{
    switch (e->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}

bool EhEnter(const QKeyEvent *k)
{
    return (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
           && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

class Realce : public QObject {
public:
    Realce(QWidget *controle, const QColor &corNormal)
        : QObject(controle), controle_(controle),
          corNormal_(corNormal.isValid() ? corNormal : controle->palette().color(QPalette::Base)),
          botaoNormal_(controle->palette().color(QPalette::Button))
    {
        controle->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::FocusIn) {
            Pinta(clInfoBk, clInfoBk);
        } else if (e->type() == QEvent::FocusOut) {
            // A refused exit has already brought the focus back (CPF check):
            // the control keeps its highlight.
            if (SaidaDeVerdade(static_cast<QFocusEvent *>(e)) && !controle_->hasFocus())
                Pinta(corNormal_, botaoNormal_);
        }
        return false;
    }

private:
    void Pinta(const QColor &cor, const QColor &botao)
    {
        QPalette p = controle_->palette();
        p.setColor(QPalette::Base, cor);
        // A closed drop-down list is drawn as a button.
        if (qobject_cast<QComboBox *>(controle_))
            p.setColor(QPalette::Button, botao);
        controle_->setPalette(p);
    }

    QWidget *controle_;
    QColor corNormal_;
    QColor botaoNormal_;
};

class EnterAvanca : public QObject {
public:
    explicit EnterAvanca(QWidget *controle) : QObject(controle)
    {
        controle->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *obj, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress || !EhEnter(static_cast<QKeyEvent *>(e)))
            return false;
        MoveFoco(static_cast<QWidget *>(obj), true);
        return true;
    }
};

class EnterAvancaFormulario : public PreviaTeclado {
public:
    using PreviaTeclado::PreviaTeclado;

protected:
    bool Tecla(QWidget *controle, QKeyEvent *e) override
    {
        if (!EhEnter(e) || qobject_cast<QPushButton *>(controle))
            return false;
        MoveFoco(controle, true);
        return true;
    }
};

// Also behind masked fields, which refuse what is not a digit but keep the
// clipboard shortcuts; a punctuation key would otherwise jump to its place.
class SoDigitos : public QObject {
public:
    SoDigitos(QWidget *controle, bool recusaControle)
        : QObject(controle), recusaControle_(recusaControle)
    {
        controle->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        return e->type() == QEvent::KeyPress && Recusa(static_cast<QKeyEvent *>(e));
    }

private:
    // Decides by the key, not only by the text Qt attaches to it: Ctrl+V
    // carries "v" or nothing depending on the platform, Delete carries DEL.
    bool Recusa(const QKeyEvent *k) const
    {
        switch (k->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
        case Qt::Key_Delete:
            return false;
        case Qt::Key_Backspace:
            return recusaControle_ && (k->modifiers() & Qt::ControlModifier);
        default:
            break;
        }
        const Qt::KeyboardModifiers m = k->modifiers();
        if ((m & (Qt::ControlModifier | Qt::MetaModifier)) && !(m & Qt::AltModifier)
            && k->key() >= Qt::Key_At && k->key() <= Qt::Key_Underscore)
            return recusaControle_;  // a control character: Ctrl+A .. Ctrl+Z and neighbours
        const QString t = k->text();
        if (t.isEmpty())
            return false;  // arrows, Home, F keys: they type nothing
        return !(t.size() == 1 && t[0] >= u'0' && t[0] <= u'9');
    }

    bool recusaControle_;
};

class ValidadorMaiusculas : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &texto, int &) const override
    {
        // Character by character, so the length and the cursor stay put.
        for (QChar &c : texto)
            c = c.toUpper();
        return Acceptable;
    }
};

// Keeps the clicks that went with a refused exit from reaching the control
// under the pointer: the press that moved the focus, and its release.
class EngoleClique : public QObject {
public:
    explicit EngoleClique(QWidget *campo) : QObject(campo), campo_(campo)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *obj, QEvent *e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return obj != campo_;
        case QEvent::MouseButtonRelease:
            if (obj == campo_)
                return false;
            deleteLater();
            qApp->removeEventFilter(this);
            return true;
        default:
            return false;
        }
    }

private:
    QWidget *campo_;
};

class VerificaCPF : public QObject {
public:
    explicit VerificaCPF(QLineEdit *edit) : QObject(edit), edit_(edit)
    {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() != QEvent::FocusOut)
            return false;
        const auto *f = static_cast<QFocusEvent *>(e);
        if (!SaidaDeVerdade(f) || edit_->hasFocus() || !edit_->isVisible() || !edit_->isEnabled())
            return false;
        const QString valor = ValorMascarado(edit_);
        if (valor.isEmpty() || ValidaCPF(valor))
            return false;

        // Taking the focus back while it is being handed over means the
        // control it was going to gets no focus-in at all, so none of its
        // enter handlers run.
        edit_->setFocus(Qt::OtherFocusReason);
        if (f->reason() == Qt::MouseFocusReason)
            new EngoleClique(edit_);
        // The box waits until the focus change is over: a modal loop in the
        // middle of it would hand the focus round once more.
        QMetaObject::invokeMethod(
            this,
            [] {
                Mensagem(QStringLiteral("CPF inválido!\n\nDigite um CPF válido ou deixe o "
                                        "campo em branco."),
                         QStringLiteral("CPF incorreto"), Icone::Erro);
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    QLineEdit *edit_;
};

// QWidget::focusNextPrevChild is protected; naming it through a subclass
// gives a member pointer that works on any widget. Called on the window, so
// a control that overrides it for itself (a text editor keeping Tab) does not
// stop the move.
struct AcessoFoco : QWidget {
    static bool Move(QWidget *janela, bool adiante)
    {
        return (janela->*(&AcessoFoco::focusNextPrevChild))(adiante);
    }
};
} // namespace

void InstalaRealce(QWidget *controle, const QColor &corNormal)
{
    new Realce(controle, corNormal);
}

void InstalaEnterAvanca(QWidget *controle)
{
    new EnterAvanca(controle);
}

void InstalaEnterAvancaFormulario(QWidget *formulario)
{
    new EnterAvancaFormulario(formulario);
}

void InstalaSoDigitos(QWidget *controle)
{
    new SoDigitos(controle, true);
}

void InstalaMaiusculas(QLineEdit *edit)
{
    edit->setValidator(new ValidadorMaiusculas(edit));
}

void InstalaMascara(QLineEdit *edit, const QString &padrao)
{
    edit->setProperty(kPropriedadeMascara, padrao);
    edit->setInputMask(MascaraQt(padrao));
    new SoDigitos(edit, false);
}

QString ValorMascarado(const QLineEdit *edit)
{
    const QString padrao = edit->property(kPropriedadeMascara).toString();
    if (padrao.isEmpty())
        return edit->text();
    // displayText keeps the empty places where they are; text() would close
    // them up and move the digits after a gap.
    return ValorMascara(padrao, edit->displayText());
}

void DefineValorMascarado(QLineEdit *edit, const QString &valor)
{
    const QString padrao = edit->property(kPropriedadeMascara).toString();
    edit->setText(padrao.isEmpty() ? valor : ExibeMascara(padrao, valor));
}

void InstalaVerificaCPF(QLineEdit *edit)
{
    new VerificaCPF(edit);
}

bool MoveFoco(QWidget *controle, bool adiante)
{
    QWidget *janela = controle->window();
    return janela && AcessoFoco::Move(janela, adiante);
}

RotuloLink::RotuloLink(QLabel *rotulo, const QColor &corNormal)
    : QObject(rotulo), rotulo_(rotulo),
      corNormal_(corNormal.isValid() ? corNormal
                                     : rotulo->palette().color(rotulo->foregroundRole()))
{
    rotulo->setCursor(Qt::PointingHandCursor);
    rotulo->installEventFilter(this);
}

bool RotuloLink::eventFilter(QObject *, QEvent *e)
{
    switch (e->type()) {
    case QEvent::Enter:
        Pinta(clBlue);
        break;
    case QEvent::Leave:
        Pinta(corNormal_);
        break;
    case QEvent::MouseButtonPress:
        pressionado_ = static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton;
        break;
    case QEvent::MouseButtonRelease: {
        const auto *m = static_cast<QMouseEvent *>(e);
        const bool clique = pressionado_ && m->button() == Qt::LeftButton
                            && rotulo_->rect().contains(m->position().toPoint());
        pressionado_ = false;
        if (clique)
            emit clicado();
        break;
    }
    default:
        break;
    }
    return false;
}

void RotuloLink::Pinta(const QColor &cor)
{
    QPalette p = rotulo_->palette();
    p.setColor(rotulo_->foregroundRole(), cor);
    rotulo_->setPalette(p);
}

RotuloLink *InstalaRotuloLink(QLabel *rotulo, const QColor &corNormal)
{
    return new RotuloLink(rotulo, corNormal);
}

PreviaTeclado::PreviaTeclado(QWidget *formulario) : QObject(formulario), formulario_(formulario)
{
    qApp->installEventFilter(this);
}

bool PreviaTeclado::eventFilter(QObject *obj, QEvent *e)
{
    if (e->type() != QEvent::KeyPress || !obj->isWidgetType())
        return false;
    auto *controle = static_cast<QWidget *>(obj);
    // A key goes first to the focused control and then, unless taken, up
    // through its parents: only that first delivery counts.
    QWidget *foco = QApplication::focusWidget();
    if (controle != (foco ? foco : controle->window())
        || controle->window() != formulario_->window())
        return false;
    return Tecla(controle, static_cast<QKeyEvent *>(e));
}

bool TeclaInsert::Tecla(QWidget *, QKeyEvent *e)
{
    if (e->key() == Qt::Key_Insert
        && !(e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
        emit novoRegistro();
    return false;
}

TeclaInsert *InstalaInsertNovoRegistro(QWidget *formulario)
{
    return new TeclaInsert(formulario);
}
