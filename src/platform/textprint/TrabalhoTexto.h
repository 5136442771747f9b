#pragma once
// A text-mode print job: pages of 66 x 80 cells, the print calls and the page
// events. The job itself shows nothing: the print dialog and the preview come
// from ImpressaoTexto (ImpressoraTexto.h), and a test answers both with
// DefineRespondeImpressaoTexto, so a job runs and is read without any window.
//
//   ImpressaoTexto rd(this);
//   rd.OnNewPage = [&](int Pagina) { rd.PrintCentred(3, 40, titulo, Atributo::Negrito); };
//   rd.OnBeforeNewPage = [&](int Pagina) { rd.PrintText(64, 1, QString(80, u'-')); };
//   rd.OpenJob();
//   if (rd.ConfirmSetup())
//       rd.PrintText(8, 1, QStringLiteral("linha"));
//   rd.CloseJob();

#include "platform/textprint/PaginaTexto.h"
#include "platform/textprint/SaidaTexto.h"

#include <QList>
#include <QString>
#include <functional>

// The settings of a job: the page, and what its dialog and preview offer.
struct ConfiguracaoTexto {
    int linhas = kLinhasPagina;
    int colunas = kColunasPagina;
    int linhasPorPolegada = 6;
    int cpiPadrao = 10;
    Atributos estiloPadrao;
    bool retrato = true;
    // Paper margins in the facility's unit, a tenth of a millimetre; used where
    // the page is painted (graphic printers and the preview).
    int margemSuperior = 10, margemInferior = 10, margemEsquerda = 10, margemDireita = 10;
    int copias = 1;
    bool transliterar = true;  // accented letters for text-mode printers
    bool mostraProgresso = true;
    bool visualizar = true;    // a job opens the preview first
    QString tituloSetup = QStringLiteral("Rdprint Setup");
    QString tituloPreview = QStringLiteral("Rdprint Preview");
    bool formularioContinuo = false; // preview paper as continuous form
    bool botoesArquivo = true;       // preview can save to and load from a file
    bool botaoSetup = true, botaoImprimir = true, botaoLocalizar = true;
    QString porta;       // empty: the facility's default
    QString impressora;  // empty: the system's default printer
    CodigosEscP codigosPersonalizados = ModeloPersonalizadoEpson();
};

enum class Paridade { Todas, Impares, Pares };

// What the print dialog answers.
struct OpcoesImpressao {
    QString impressora; // a system printer or kModeloPersonalizado; empty: default
    bool visualizar = true;
    int copias = 1;
    int paginaDe = 0, paginaAte = 0; // 0 and 0: every page
    Paridade paridade = Paridade::Todas;
    bool agrupar = true;   // collate: whole copies one after another
    bool inverter = false; // last page first
    QString arquivo;       // not empty: output goes to this file
    bool operator==(const OpcoesImpressao &) const = default;
};

// The page numbers to print, in order, with every copy: the range (clipped
// to the job), then odd or even page numbers, then reversed, then repeated
// by copies, whole runs when collating, each page n times otherwise.
QList<int> PaginasAImprimir(int totalPaginas, const OpcoesImpressao &o);

// Empty when the options can be printed; otherwise what is wrong.
QString ValidaOpcoes(const OpcoesImpressao &o);

class TrabalhoTexto;

// A replacement for the dialog and the preview (tests): `confirma` answers
// ConfirmSetup (true: go on) and may change the options; `conclui` receives
// the finished job at CloseJob instead of the preview or the printer.
struct RespondeImpressaoTexto {
    std::function<bool(OpcoesImpressao &)> confirma;
    std::function<void(const TrabalhoTexto &)> conclui;
};
// An empty answerer restores the windows.
void DefineRespondeImpressaoTexto(RespondeImpressaoTexto r);

class TrabalhoTexto {
public:
    TrabalhoTexto();
    virtual ~TrabalhoTexto();
    TrabalhoTexto(const TrabalhoTexto &) = delete;
    TrabalhoTexto &operator=(const TrabalhoTexto &) = delete;

    ConfiguracaoTexto Configuracao;
    std::function<void(int Pagina)> OnNewPage;
    std::function<void(int Pagina)> OnBeforeNewPage;

    void OpenJob();
    bool ConfirmSetup();
    void PrintText(int linha, int coluna, const QString &texto);
    void PrintStyled(int linha, int coluna, const QString &texto, Atributos a);
    void PrintCentred(int linha, int coluna, const QString &texto, Atributos a = {});
    void PrintRight(int linha, int coluna, const QString &texto, Atributos a = {});
    void NewPage();
    void CloseJob();

    int Pagina() const { return pagina_; }
    const QList<PaginaTexto> &Paginas() const { return paginas_; }
    const OpcoesImpressao &Opcoes() const { return opcoes_; }
    bool Aberto() const { return aberto_; }
    bool Abandonado() const { return abandonado_; }

protected:
    // What ConfirmSetup and CloseJob do when no answerer is set: a job of its
    // own confirms as it is and keeps its pages.
    virtual bool MostraSetup(OpcoesImpressao &opcoes);
    virtual void Conclui();

private:
    QList<PaginaTexto> paginas_;
    OpcoesImpressao opcoes_;
    int pagina_ = 0;
    bool aberto_ = false;
    bool abandonado_ = false;
};
