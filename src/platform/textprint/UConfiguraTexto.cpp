#include "platform/textprint/UConfiguraTexto.h"
#include "ui_UConfiguraTexto.h"

#include "common/Guarda.h"
#include "common/Mensagem.h"

#include <QFileDialog>
#include <QPrinterInfo>

TfrmConfiguraTexto::TfrmConfiguraTexto(const ConfiguracaoTexto &config,
                                       const OpcoesImpressao &opcoes, int totalPaginas,
                                       QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmConfiguraTexto>()),
      totalPaginas_(std::max(1, totalPaginas))
{
    ui->setupUi(this);
    setWindowTitle(config.tituloSetup);

    ui->cbbox_Impressora->addItems(QPrinterInfo::availablePrinterNames());
    ui->cbbox_Impressora->addItem(kModeloPersonalizado);
    QString escolhida = opcoes.impressora;
    if (escolhida.isEmpty())
        escolhida = QPrinterInfo::defaultPrinterName();
    int i = escolhida.isEmpty() ? -1 : ui->cbbox_Impressora->findText(escolhida);
    if (i < 0 && !escolhida.isEmpty()) {
        // A printer the settings name but this desk does not have is still offered.
        ui->cbbox_Impressora->insertItem(0, escolhida);
        i = 0;
    }
    ui->cbbox_Impressora->setCurrentIndex(std::max(0, i));

    ui->chk_Visualizar->setChecked(opcoes.visualizar);
    ui->spin_Copias->setValue(std::max(1, opcoes.copias));
    ui->spin_De->setMaximum(totalPaginas_);
    ui->spin_Ate->setMaximum(totalPaginas_);
    const bool intervalo = opcoes.paginaDe > 0 || opcoes.paginaAte > 0;
    ui->RB_Intervalo->setChecked(intervalo);
    ui->RB_Todas->setChecked(!intervalo);
    ui->spin_De->setValue(opcoes.paginaDe > 0 ? opcoes.paginaDe : 1);
    ui->spin_Ate->setValue(opcoes.paginaAte > 0 ? opcoes.paginaAte : totalPaginas_);
    ui->cbbox_Paridade->setCurrentIndex(int(opcoes.paridade));
    ui->chk_Agrupar->setChecked(opcoes.agrupar);
    ui->chk_Inverter->setChecked(opcoes.inverter);
    ui->chk_Arquivo->setChecked(!opcoes.arquivo.isEmpty());
    ui->edt_Arquivo->setText(opcoes.arquivo);

    connect(ui->btn_Ok, &QPushButton::clicked, this,
            Guarda(this, &TfrmConfiguraTexto::btn_OkClick));
    connect(ui->btn_Cancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->btn_Arquivo, &QToolButton::clicked, this,
            Guarda(this, &TfrmConfiguraTexto::btn_ArquivoClick));
    connect(ui->cbbox_Impressora, &QComboBox::currentIndexChanged, this,
            Guarda(this, &TfrmConfiguraTexto::cbbox_ImpressoraChange));
    connect(ui->RB_Intervalo, &QRadioButton::toggled, this,
            Guarda(this, &TfrmConfiguraTexto::HabilitaControles));
    connect(ui->chk_Arquivo, &QCheckBox::toggled, this,
            Guarda(this, &TfrmConfiguraTexto::HabilitaControles));
    connect(ui->spin_Copias, &QSpinBox::valueChanged, this,
            Guarda(this, &TfrmConfiguraTexto::HabilitaControles));
    cbbox_ImpressoraChange();
    HabilitaControles();
}

OpcoesImpressao TfrmConfiguraTexto::Opcoes() const
{
    OpcoesImpressao o;
    o.impressora = ui->cbbox_Impressora->currentText();
    o.visualizar = ui->chk_Visualizar->isChecked();
    o.copias = ui->spin_Copias->value();
    if (ui->RB_Intervalo->isChecked()) {
        o.paginaDe = ui->spin_De->value();
        o.paginaAte = ui->spin_Ate->value();
    }
    o.paridade = Paridade(ui->cbbox_Paridade->currentIndex());
    o.agrupar = ui->chk_Agrupar->isChecked();
    o.inverter = ui->chk_Inverter->isChecked();
    if (ui->chk_Arquivo->isChecked())
        o.arquivo = ui->edt_Arquivo->text().trimmed();
    return o;
}

void TfrmConfiguraTexto::btn_OkClick()
{
    const OpcoesImpressao o = Opcoes();
    QString erro = ValidaOpcoes(o);
    if (erro.isEmpty() && ui->chk_Arquivo->isChecked() && o.arquivo.isEmpty())
        erro = QStringLiteral("Informe o arquivo que receberá a impressão.");
    if (!erro.isEmpty()) {
        Mensagem(erro, windowTitle(), Icone::Exclamacao);
        return;
    }
    accept();
}

void TfrmConfiguraTexto::btn_ArquivoClick()
{
    const QString f = QFileDialog::getSaveFileName(this, QStringLiteral("Imprimir em arquivo"),
                                                   ui->edt_Arquivo->text());
    if (!f.isEmpty()) {
        ui->edt_Arquivo->setText(f);
        ui->chk_Arquivo->setChecked(true);
    }
}

void TfrmConfiguraTexto::cbbox_ImpressoraChange()
{
    ui->Lbl_Modo->setText(NomeModo(ModoPorNome(ui->cbbox_Impressora->currentText())));
}

void TfrmConfiguraTexto::HabilitaControles()
{
    ui->spin_De->setEnabled(ui->RB_Intervalo->isChecked());
    ui->spin_Ate->setEnabled(ui->RB_Intervalo->isChecked());
    ui->edt_Arquivo->setEnabled(ui->chk_Arquivo->isChecked());
    ui->chk_Agrupar->setEnabled(ui->spin_Copias->value() > 1);
}

TfrmConfiguraTexto::~TfrmConfiguraTexto() = default;
