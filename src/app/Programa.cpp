#include "app/Programa.h"

#include "app/UPrincipal.h"
#include "common/Guarda.h"
#include "platform/access/InstanciaUnica.h"

#include <QApplication>

namespace {
const QString kTitulo = QStringLiteral("KIRO - Sistema Necrovia");

// Last line of defence: a failure that escapes a handler not wrapped in
// Guarda is shown by the application error routine instead of ending the
// program.
class Aplicacao : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *o, QEvent *e) override
    {
        try {
            return QApplication::notify(o, e);
        } catch (const std::exception &ex) {
            ReportaFalha(ex);
        } catch (...) {
            ReportaFalhaDesconhecida();
        }
        return false;
    }
};
} // namespace

int ExecutaPrograma(int argc, char *argv[])
{
    Aplicacao app(argc, argv);
    QApplication::setApplicationName(kTitulo);
    QApplication::setApplicationDisplayName(kTitulo);
    QApplication::setQuitOnLastWindowClosed(false);

    InstanciaUnica instancia(kTitulo);
    if (instancia.OutraEmExecucao())
        return 0;

    ValoresPrograma valores;
    valores.arquivoIni = ArquivoIniPadrao();
    TfrmPrincipal frmPrincipal(valores);
    instancia.AoSerChamada([&] { frmPrincipal.TrazParaFrente(); });
    frmPrincipal.showMaximized();
    return app.exec();
}
