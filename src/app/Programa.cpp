#include "app/Programa.h"

#include "app/ULogin.h"
#include "app/UPrincipal.h"
#include "common/Guarda.h"
#include "platform/access/ArmazemUsuarios.h"
#include "platform/access/ControleAcesso.h"
#include "platform/access/InstanciaUnica.h"

#include <QApplication>
#include <QFont>
#include <memory>

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
    // kiro --criar-administrador NOME: the first administrator, password
    // asked twice on the terminal.
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--criar-administrador") {
            QCoreApplication cli(argc, argv);
            return CriaAdministradorTerminal(ArquivoUsuariosPadrao(), QString::fromLocal8Bit(argv[i + 1]));
        }

    Aplicacao app(argc, argv);
    QApplication::setApplicationName(kTitulo);
    // No display name: on X11 Qt would append it to every window title, and
    // each window's caption is to read exactly as given.
    // The windows are laid out for an 8-point sans face; the desktop's larger
    // default would clip labels and status-bar panels of fixed size.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    QApplication::setQuitOnLastWindowClosed(false);

    InstanciaUnica instancia(kTitulo);
    if (instancia.OutraEmExecucao())
        return 0;

    // A user store that cannot be opened or written beside the executable
    // ends the program before any window shows.
    const std::unique_ptr<ControleAcesso> RDacesso1 = AbreControleAcesso(ArquivoUsuariosPadrao());
    if (!RDacesso1)
        return 1;

    ValoresPrograma valores;
    valores.arquivoIni = ArquivoIniPadrao();
    TfrmPrincipal frmPrincipal(valores);
    frmPrincipal.DefineAcesso(RDacesso1.get());
    frmPrincipal.MostraLogin = MostraLogin;
    instancia.AoSerChamada([&] { frmPrincipal.TrazParaFrente(); });
    frmPrincipal.showMaximized();
    return app.exec();
}
