#include "platform/textprint/ImpressoraTexto.h"

#include "common/Ampulheta.h"
#include "common/Mensagem.h"
#include "platform/textprint/PinturaTexto.h"
#include "platform/textprint/UConfiguraTexto.h"
#include "platform/textprint/UPreviewTexto.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressDialog>

bool ImpressaoTexto::MostraSetup(OpcoesImpressao &opcoes)
{
    TfrmConfiguraTexto dlg(Configuracao, opcoes, int(Paginas().size()), pai_);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    opcoes = dlg.Opcoes();
    return true;
}

void ImpressaoTexto::Conclui()
{
    if (Opcoes().visualizar) {
        TfrmPreviewTexto dlg(Paginas(), Configuracao, Opcoes(), pai_);
        dlg.exec();
    } else {
        ImprimePaginas(Paginas(), Opcoes(), Configuracao, pai_);
    }
}

QString ImpressoraEfetiva(const OpcoesImpressao &opcoes)
{
    return opcoes.impressora.isEmpty() ? QPrinterInfo::defaultPrinterName() : opcoes.impressora;
}

bool EnviaBruto(const QByteArray &dados, const QString &fila, QString *erro)
{
    QStringList args{QStringLiteral("-o"), QStringLiteral("raw")};
    if (!fila.isEmpty())
        args << QStringLiteral("-d") << fila;
    QProcess lp;
    lp.start(QStringLiteral("lp"), args);
    if (!lp.waitForStarted()) {
        if (erro)
            *erro = lp.errorString();
        return false;
    }
    lp.write(dados);
    lp.closeWriteChannel();
    if (!lp.waitForFinished(60000) || lp.exitStatus() != QProcess::NormalExit
        || lp.exitCode() != 0) {
        if (erro)
            *erro = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
        return false;
    }
    return true;
}

namespace {
bool Grava(const QString &caminho, const QByteArray &dados, QString *erro)
{
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(dados) != dados.size()
        || !f.flush()) {
        *erro = f.errorString();
        return false;
    }
    return true;
}

bool PintaNaImpressora(const QList<PaginaTexto> &paginas, const OpcoesImpressao &opcoes,
                       const ConfiguracaoTexto &config, QProgressDialog *progresso,
                       QString *erro)
{
    const bool personalizado = opcoes.impressora == kModeloPersonalizado;
    QPrinter printer(QPrinter::HighResolution);
    if (!opcoes.arquivo.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(opcoes.arquivo);
    } else if (!opcoes.impressora.isEmpty() && !personalizado) {
        printer.setPrinterName(opcoes.impressora);
    }
    printer.setPageOrientation(config.retrato ? QPageLayout::Portrait : QPageLayout::Landscape);
    printer.setFullPage(true);
    QPainter p;
    if (!p.begin(&printer)) {
        *erro = QStringLiteral("A impressora não pôde ser aberta.");
        return false;
    }
    EstiloPintura estilo;
    estilo.fundoPapel = false;
    for (int i = 0; i < paginas.size(); ++i) {
        if (i > 0)
            printer.newPage();
        PintaPagina(p, paginas[i],
                    QRectF(printer.pageLayout().fullRectPixels(printer.resolution())), config,
                    estilo);
        if (progresso) {
            progresso->setValue(i + 1);
            if (progresso->wasCanceled())
                break;
        }
    }
    return p.end();
}
} // namespace

bool ImprimePaginas(const QList<PaginaTexto> &paginas, const OpcoesImpressao &opcoes,
                    const ConfiguracaoTexto &config, QWidget *pai)
{
    QList<PaginaTexto> saida;
    for (int n : PaginasAImprimir(int(paginas.size()), opcoes))
        saida.append(paginas[n - 1]);
    if (saida.isEmpty())
        return true;

    const bool personalizado = opcoes.impressora == kModeloPersonalizado;
    const QString nome = ImpressoraEfetiva(opcoes);
    const ModoImpressao modo = ModoPorNome(nome);

    std::unique_ptr<QProgressDialog> progresso;
    if (config.mostraProgresso && QApplication::instance()) {
        progresso = std::make_unique<QProgressDialog>(QStringLiteral("Imprimindo..."),
                                                      QStringLiteral("Cancelar"), 0,
                                                      int(saida.size()), pai);
        progresso->setWindowTitle(config.tituloSetup);
        progresso->setWindowModality(Qt::WindowModal);
        progresso->setMinimumDuration(0);
        progresso->setValue(0);
    }
    QString erro;
    bool ok;
    {
        const Ampulheta ampulheta;
        if (modo == ModoImpressao::Grafico) {
            ok = PintaNaImpressora(saida, opcoes, config, progresso.get(), &erro);
        } else {
            const QByteArray dados = CodificaParaModo(
                modo, saida, personalizado ? config.codigosPersonalizados : ModeloPersonalizadoEpson());
            ok = opcoes.arquivo.isEmpty() ? EnviaBruto(dados, personalizado ? QString() : nome, &erro)
                                          : Grava(opcoes.arquivo, dados, &erro);
            if (progresso)
                progresso->setValue(int(saida.size()));
        }
    }
    progresso.reset();
    if (!ok)
        Mensagem(QStringLiteral("Não foi possível imprimir em \"%1\".\n%2")
                     .arg(opcoes.arquivo.isEmpty() ? nome : opcoes.arquivo, erro),
                 config.tituloSetup, Icone::Erro);
    return ok;
}
