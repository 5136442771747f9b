#pragma once
// The preview of a text-mode job: its pages as they will print (bold and
// 17 cpi as such, continuous-form paper where the settings say so), page
// navigation, zoom, find, the print dialog, printing, and saving to and
// loading from a file where the settings allow it.

#include "platform/textprint/PinturaTexto.h"
#include "platform/textprint/TrabalhoTexto.h"

#include <QDialog>
#include <memory>
#include <QWidget>

namespace Ui {
class TfrmPreviewTexto;
}

// One page on screen at a zoom.
class VisaoPaginaTexto : public QWidget {
    Q_OBJECT
public:
    explicit VisaoPaginaTexto(QWidget *parent = nullptr);
    void Mostra(const PaginaTexto *pagina, const ConfiguracaoTexto &config,
                const EstiloPintura &estilo, double zoom);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    const PaginaTexto *pagina_ = nullptr;
    ConfiguracaoTexto config_;
    EstiloPintura estilo_;
    double zoom_ = 1.0;
};

// The form is held by pointer: the generated header stays out of this one,
// so tests include it.
class TfrmPreviewTexto : public QDialog {
    Q_OBJECT
public:
    TfrmPreviewTexto(const QList<PaginaTexto> &paginas, const ConfiguracaoTexto &config,
                     const OpcoesImpressao &opcoes, QWidget *parent = nullptr);
    ~TfrmPreviewTexto() override;

    int PaginaAtual() const { return pagina_; }
    int TotalPaginas() const { return int(paginas_.size()); }
    double Zoom() const { return zoom_; }
    const QList<PaginaTexto> &Paginas() const { return paginas_; }
    const OpcoesImpressao &Opcoes() const { return opcoes_; }
    // The last find's place: page, row and first cell; 0 when none.
    int MarcaPagina() const { return marcaPagina_; }
    int MarcaLinha() const { return estilo_.marcaLinha; }
    int MarcaColuna() const { return estilo_.marcaColuna; }

    void MostraPagina(int pagina);
    void DefineZoom(double zoom);
    // Finds the text after the last place found (case and accents ignored);
    // false, with a message, when there is no more.
    bool Localiza(const QString &texto);
    bool SalvaEm(const QString &caminho);
    bool CarregaDe(const QString &caminho);

private:
    std::unique_ptr<Ui::TfrmPreviewTexto> ui;
    void btn_PrimeiraClick();
    void btn_AnteriorClick();
    void btn_ProximaClick();
    void btn_UltimaClick();
    void spin_PaginaChange(int pagina);
    void btn_ZoomMaisClick();
    void btn_ZoomMenosClick();
    void btn_LocalizarClick();
    void btn_ConfigurarClick();
    void btn_ImprimirClick();
    void btn_SalvarClick();
    void btn_AbrirClick();
    void Atualiza();

    QList<PaginaTexto> paginas_;
    ConfiguracaoTexto config_;
    OpcoesImpressao opcoes_;
    EstiloPintura estilo_;
    VisaoPaginaTexto *visao_;
    int pagina_ = 1;
    double zoom_ = 1.0;
    int marcaPagina_ = 0;
};
