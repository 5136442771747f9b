#pragma once
// Helpers for tests of modal windows: act on a dialog once its modal loop
// runs, and check that a test left no window open.

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>

// Runs `f` on the active modal window as soon as the event loop that the next
// exec() starts is running.
template <typename F>
void NoDialogoModal(F f)
{
    QTimer::singleShot(0, [f] {
        QWidget *w = QApplication::activeModalWidget();
        QVERIFY(w);
        f(w);
    });
}

inline bool NenhumaJanelaVisivel()
{
    const QWidgetList janelas = QApplication::topLevelWidgets();
    return std::none_of(janelas.cbegin(), janelas.cend(),
                        [](QWidget *w) { return w->isVisible(); });
}
