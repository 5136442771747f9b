#include "TeclasFoco.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

bool MostraAtiva(QWidget *janela)
{
    janela->show();
    QApplication::setActiveWindow(janela);
    return QTest::qWaitForWindowActive(janela);
}

QWidget *Focado()
{
    QWidget *f = QApplication::focusWidget();
    return f ? f : QApplication::activeWindow();
}

void Tecla(Qt::Key tecla, Qt::KeyboardModifiers modificadores)
{
    QTest::keyClick(Focado(), tecla, modificadores);
}

void Digita(const QString &texto)
{
    // Qt key codes of Latin-1 letters are their upper-case code points, so
    // accented letters go in as the keyboard sends them too.
    for (QChar c : texto) {
        const auto tecla = Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, Focado(), tecla, QString(c), Qt::NoModifier);
    }
}
