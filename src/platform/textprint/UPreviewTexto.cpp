#include "platform/textprint/UPreviewTexto.h"
#include "ui_UPreviewTexto.h"

#include "common/Guarda.h"
#include "common/Mensagem.h"
#include "platform/textprint/ArquivoTexto.h"
#include "platform/textprint/ImpressoraTexto.h"
#include "platform/textprint/UConfiguraTexto.h"

#include <QFileDialog>
#include <QPainter>
#include <QShortcut>

namespace {
const double kZooms[] = {0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0};
constexpr int kBordaPx = 12;

QString Comparavel(const QString &s)
{
    return Translitera(s).toUpper();
}
} // namespace

VisaoPaginaTexto::VisaoPaginaTexto(QWidget *parent) : QWidget(parent) {}

void VisaoPaginaTexto::Mostra(const PaginaTexto *pagina, const ConfiguracaoTexto &config,
                              const EstiloPintura &estilo, double zoom)
{
    pagina_ = pagina;
    config_ = config;
    estilo_ = estilo;
    zoom_ = zoom;
    resize(sizeHint());
    update();
}

QSize VisaoPaginaTexto::sizeHint() const
{
    const QSizeF mm = TamanhoPapelMm(config_, estilo_.formularioContinuo);
    const double pxMm = logicalDpiX() / 25.4 * zoom_;
    return QSize(int(mm.width() * pxMm) + 2 * kBordaPx, int(mm.height() * pxMm) + 2 * kBordaPx);
}

void VisaoPaginaTexto::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0x80, 0x80, 0x80));
    if (!pagina_)
        return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    PintaPagina(p, *pagina_, QRectF(rect()).adjusted(kBordaPx, kBordaPx, -kBordaPx, -kBordaPx),
                config_, estilo_);
}

TfrmPreviewTexto::TfrmPreviewTexto(const QList<PaginaTexto> &paginas,
                                   const ConfiguracaoTexto &config, const OpcoesImpressao &opcoes,
                                   QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmPreviewTexto>()), paginas_(paginas),
      config_(config), opcoes_(opcoes)
{
    ui->setupUi(this);
    setWindowTitle(config_.tituloPreview);
    if (paginas_.isEmpty())
        paginas_.append(PaginaTexto());
    visao_ = new VisaoPaginaTexto;
    ui->scr_Pagina->setWidget(visao_);
    estilo_.formularioContinuo = config_.formularioContinuo;

    ui->btn_Salvar->setVisible(config_.botoesArquivo);
    ui->btn_Abrir->setVisible(config_.botoesArquivo);
    ui->btn_Configurar->setVisible(config_.botaoSetup);
    ui->btn_Imprimir->setVisible(config_.botaoImprimir);
    ui->btn_Localizar->setVisible(config_.botaoLocalizar);
    ui->edt_Localizar->setVisible(config_.botaoLocalizar);

    connect(ui->btn_Primeira, &QToolButton::clicked, this,
            Guarda(this, &TfrmPreviewTexto::btn_PrimeiraClick));
    connect(ui->btn_Anterior, &QToolButton::clicked, this,
            Guarda(this, &TfrmPreviewTexto::btn_AnteriorClick));
    connect(ui->btn_Proxima, &QToolButton::clicked, this,
            Guarda(this, &TfrmPreviewTexto::btn_ProximaClick));
    connect(ui->btn_Ultima, &QToolButton::clicked, this,
            Guarda(this, &TfrmPreviewTexto::btn_UltimaClick));
    connect(ui->spin_Pagina, &QSpinBox::valueChanged, this,
            Guarda(this, &TfrmPreviewTexto::spin_PaginaChange));
    connect(ui->btn_ZoomMais, &QToolButton::clicked, this,
            Guarda(this, &TfrmPreviewTexto::btn_ZoomMaisClick));
    connect(ui->btn_ZoomMenos, &QToolButton::clicked, this,
            Guarda(this, &TfrmPreviewTexto::btn_ZoomMenosClick));
    connect(ui->btn_Localizar, &QPushButton::clicked, this,
            Guarda(this, &TfrmPreviewTexto::btn_LocalizarClick));
    connect(ui->edt_Localizar, &QLineEdit::returnPressed, this,
            Guarda(this, &TfrmPreviewTexto::btn_LocalizarClick));
    connect(ui->btn_Configurar, &QPushButton::clicked, this,
            Guarda(this, &TfrmPreviewTexto::btn_ConfigurarClick));
    connect(ui->btn_Imprimir, &QPushButton::clicked, this,
            Guarda(this, &TfrmPreviewTexto::btn_ImprimirClick));
    connect(ui->btn_Salvar, &QPushButton::clicked, this,
            Guarda(this, &TfrmPreviewTexto::btn_SalvarClick));
    connect(ui->btn_Abrir, &QPushButton::clicked, this,
            Guarda(this, &TfrmPreviewTexto::btn_AbrirClick));
    connect(ui->btn_Fechar, &QPushButton::clicked, this, &QDialog::reject);

    // Enter in the find box finds; it must not also press a button of the dialog.
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(false);

    // Page keys turn pages wherever the focus is.
    connect(new QShortcut(QKeySequence(Qt::Key_PageDown), this), &QShortcut::activated, this,
            Guarda(this, &TfrmPreviewTexto::btn_ProximaClick));
    connect(new QShortcut(QKeySequence(Qt::Key_PageUp), this), &QShortcut::activated, this,
            Guarda(this, &TfrmPreviewTexto::btn_AnteriorClick));
    Atualiza();
}

void TfrmPreviewTexto::MostraPagina(int pagina)
{
    pagina_ = std::clamp(pagina, 1, TotalPaginas());
    Atualiza();
}

void TfrmPreviewTexto::DefineZoom(double zoom)
{
    zoom_ = std::clamp(zoom, kZooms[0], kZooms[std::size(kZooms) - 1]);
    Atualiza();
}

void TfrmPreviewTexto::Atualiza()
{
    // As a text-mode printer prints the page: accents go where it cannot print them.
    estilo_.translitera = config_.transliterar
                          && ModoPorNome(ImpressoraEfetiva(opcoes_)) != ModoImpressao::Grafico;
    EstiloPintura estilo = estilo_;
    if (marcaPagina_ != pagina_)
        estilo.marcaLinha = 0;
    visao_->Mostra(&paginas_[pagina_ - 1], config_, estilo, zoom_);

    const QSignalBlocker bloqueio(ui->spin_Pagina);
    ui->spin_Pagina->setMaximum(TotalPaginas());
    ui->spin_Pagina->setValue(pagina_);
    ui->Lbl_Total->setText(QStringLiteral("de %1").arg(TotalPaginas()));
    ui->Lbl_Zoom->setText(QStringLiteral("%1%").arg(qRound(zoom_ * 100)));
    ui->btn_Primeira->setEnabled(pagina_ > 1);
    ui->btn_Anterior->setEnabled(pagina_ > 1);
    ui->btn_Proxima->setEnabled(pagina_ < TotalPaginas());
    ui->btn_Ultima->setEnabled(pagina_ < TotalPaginas());
    ui->btn_ZoomMenos->setEnabled(zoom_ > kZooms[0]);
    ui->btn_ZoomMais->setEnabled(zoom_ < kZooms[std::size(kZooms) - 1]);
}

void TfrmPreviewTexto::btn_PrimeiraClick() { MostraPagina(1); }
void TfrmPreviewTexto::btn_AnteriorClick() { MostraPagina(pagina_ - 1); }
void TfrmPreviewTexto::btn_ProximaClick() { MostraPagina(pagina_ + 1); }
void TfrmPreviewTexto::btn_UltimaClick() { MostraPagina(TotalPaginas()); }
void TfrmPreviewTexto::spin_PaginaChange(int pagina) { MostraPagina(pagina); }

void TfrmPreviewTexto::btn_ZoomMaisClick()
{
    for (double z : kZooms)
        if (z > zoom_ + 1e-9) {
            DefineZoom(z);
            return;
        }
}

void TfrmPreviewTexto::btn_ZoomMenosClick()
{
    for (auto it = std::rbegin(kZooms); it != std::rend(kZooms); ++it)
        if (*it < zoom_ - 1e-9) {
            DefineZoom(*it);
            return;
        }
}

bool TfrmPreviewTexto::Localiza(const QString &texto)
{
    const QString procura = Comparavel(texto);
    if (procura.isEmpty())
        return false;
    // From just after the last place found while its page is shown, otherwise
    // from the top of the page shown.
    const bool continua = marcaPagina_ == pagina_;
    int pagina = pagina_;
    int linha = continua ? estilo_.marcaLinha : 1;
    int de = continua ? estilo_.marcaColuna : 0; // 0-based start of the search
    for (; pagina <= TotalPaginas(); ++pagina, linha = 1, de = 0) {
        for (; linha <= kLinhasPagina; ++linha, de = 0) {
            const QString s = Comparavel(paginas_[pagina - 1].Texto(linha, 1, kCelulasLinha));
            const qsizetype i = s.indexOf(procura, de);
            if (i >= 0) {
                marcaPagina_ = pagina;
                estilo_.marcaLinha = linha;
                estilo_.marcaColuna = int(i) + 1;
                estilo_.marcaN = int(procura.size());
                MostraPagina(pagina);
                return true;
            }
        }
    }
    marcaPagina_ = 0;
    estilo_.marcaLinha = 0;
    Atualiza();
    Mensagem(QStringLiteral("Texto não encontrado: \"%1\".").arg(texto), windowTitle(),
             Icone::Informacao);
    return false;
}

bool TfrmPreviewTexto::SalvaEm(const QString &caminho)
{
    QString erro;
    if (SalvaPaginas(caminho, paginas_, &erro))
        return true;
    Mensagem(QStringLiteral("Não foi possível salvar o arquivo \"%1\".\n%2").arg(caminho, erro),
             windowTitle(), Icone::Erro);
    return false;
}

bool TfrmPreviewTexto::CarregaDe(const QString &caminho)
{
    QString erro;
    const auto paginas = CarregaPaginas(caminho, &erro);
    if (!paginas || paginas->isEmpty()) {
        Mensagem(QStringLiteral("Não foi possível abrir o arquivo \"%1\".\n%2").arg(caminho, erro),
                 windowTitle(), Icone::Erro);
        return false;
    }
    paginas_ = *paginas;
    marcaPagina_ = 0;
    estilo_.marcaLinha = 0;
    MostraPagina(1);
    return true;
}

void TfrmPreviewTexto::btn_LocalizarClick()
{
    Localiza(ui->edt_Localizar->text());
}

void TfrmPreviewTexto::btn_ConfigurarClick()
{
    TfrmConfiguraTexto dlg(config_, opcoes_, TotalPaginas(), this);
    if (dlg.exec() == QDialog::Accepted) {
        opcoes_ = dlg.Opcoes();
        Atualiza();
    }
}

void TfrmPreviewTexto::btn_ImprimirClick()
{
    ImprimePaginas(paginas_, opcoes_, config_, this);
}

void TfrmPreviewTexto::btn_SalvarClick()
{
    const QString f = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar"), QString(),
                                                   QStringLiteral("Impressão (*.kpt)"));
    if (!f.isEmpty())
        SalvaEm(f);
}

void TfrmPreviewTexto::btn_AbrirClick()
{
    const QString f = QFileDialog::getOpenFileName(this, QStringLiteral("Abrir"), QString(),
                                                   QStringLiteral("Impressão (*.kpt)"));
    if (!f.isEmpty())
        CarregaDe(f);
}

TfrmPreviewTexto::~TfrmPreviewTexto() = default;
