#include "app/Programa.h"

#include <QApplication>
#include <QMainWindow>

int ExecutaPrograma(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KIRO - Sistema Necrovia"));
    QApplication::setApplicationDisplayName(QStringLiteral("KIRO - Sistema Necrovia"));
    // The main window arrives with its own issue; until then an empty frame
    // shows that the build and the start script work.
    QMainWindow janela;
    janela.setWindowTitle(QStringLiteral("KIRO - Sistema Necrovia"));
    janela.showMaximized();
    return app.exec();
}
