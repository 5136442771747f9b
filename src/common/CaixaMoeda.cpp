#include "common/CaixaMoeda.h"

#include "common/Moeda.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace {
// Focus that goes to a drop-down, a menu or another window comes back here.
bool DaVoltaAoMesmoLugar(const QFocusEvent *e)
{
    return e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason
           || e->reason() == Qt::MenuBarFocusReason;
}
} // namespace

CaixaMoeda::CaixaMoeda(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

qint64 CaixaMoeda::Centavos() const
{
    return LeMoeda(text()).value_or(0);
}

void CaixaMoeda::DefineCentavos(qint64 centavos)
{
    if (hasFocus())
        setText(TextoEdicaoMoeda(centavos));
    else
        setText(centavos == 0 ? QString() : FormataMoeda(centavos));
}

void CaixaMoeda::MostraFormatado()
{
    const qint64 c = Centavos();
    setText(c == 0 ? QString() : FormataMoeda(c));
}

void CaixaMoeda::focusInEvent(QFocusEvent *e)
{
    // Only the display form changes (grouping, "- "): text typed so far is
    // left as it is when the focus comes back from a drop-down or a box.
    const QString t = text();
    if (t.contains(u'.') || t.startsWith(QStringLiteral("- ")))
        setText(TextoEdicaoMoeda(Centavos()));
    QLineEdit::focusInEvent(e);
}

void CaixaMoeda::focusOutEvent(QFocusEvent *e)
{
    QLineEdit::focusOutEvent(e);
    if (!DaVoltaAoMesmoLugar(e))
        MostraFormatado();
}

void CaixaMoeda::keyPressEvent(QKeyEvent *e)
{
    const QString t = e->text();
    const bool tecla = !t.isEmpty() && t[0].isPrint()
                       && !(e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (!tecla) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    const QChar c = t[0];
    const QString atual = text();
    const int virgula = int(atual.indexOf(u','));
    if (c >= u'0' && c <= u'9') {
        // Two decimals at most, unless the new digit replaces a selection.
        if (virgula >= 0 && cursorPosition() > virgula && !hasSelectedText()
            && atual.size() - virgula - 1 >= 2)
            return;
        insert(QString(c));
    } else if (c == u',' || c == u'.') {
        if (virgula < 0 || selectedText().contains(u','))
            insert(QStringLiteral(","));
    } else if (c == u'-') {
        if (cursorPosition() == 0 && !atual.startsWith(u'-'))
            insert(QStringLiteral("-"));
    }
}
