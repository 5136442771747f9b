#include "platform/textprint/UConfiguraTexto.h"

#include "common/Mensagem.h"

#include <QFileDialog>
#include <QPrinterInfo>

TfrmConfiguraTexto::TfrmConfiguraTexto(const ConfiguracaoTexto &config,
                                       const OpcoesImpressao &opcoes, int totalPaginas,
                                       QWidget *parent)
    : QDialog(parent), totalPaginas_(std::max(1, totalPaginas))
{
    setupUi(this);
    setWindowTitle(config.tituloSetup);

    cbbox_Impressora->addItems(QPrinterInfo::availablePrinterNames());
    cbbox_Impressora->addItem(kModeloPersonalizado);
    QString escolhida = opcoes.impressora;
    if (escolhida.isEmpty())
        escolhida = QPrinterInfo::defaultPrinterName();
    int i = escolhida.isEmpty() ? -1 : cbbox_Impressora->findText(escolhida);
    if (i < 0 && !escolhida.isEmpty()) {
        // A printer the settings name but this desk does not have is still offered.
        cbbox_Impressora->insertItem(0, escolhida);
        i = 0;
    }
    cbbox_Impressora->setCurrentIndex(std::max(0, i));

    chk_Visualizar->setChecked(opcoes.visualizar);
    spin_Copias->setValue(std::max(1, opcoes.copias));
    spin_De->setMaximum(totalPaginas_);
    spin_Ate->setMaximum(totalPaginas_);
    const bool intervalo = opcoes.paginaDe > 0 || opcoes.paginaAte > 0;
    RB_Intervalo->setChecked(intervalo);
    RB_Todas->setChecked(!intervalo);
    spin_De->setValue(opcoes.paginaDe > 0 ? opcoes.paginaDe : 1);
    spin_Ate->setValue(opcoes.paginaAte > 0 ? opcoes.paginaAte : totalPaginas_);
    cbbox_Paridade->setCurrentIndex(int(opcoes.paridade));
    chk_Agrupar->setChecked(opcoes.agrupar);
    chk_Inverter->setChecked(opcoes.inverter);
    chk_Arquivo->setChecked(!opcoes.arquivo.isEmpty());
    edt_Arquivo->setText(opcoes.arquivo);

    connect(btn_Ok, &QPushButton::clicked, this, &TfrmConfiguraTexto::btn_OkClick);
    connect(btn_Cancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(btn_Arquivo, &QToolButton::clicked, this, &TfrmConfiguraTexto::btn_ArquivoClick);
    connect(cbbox_Impressora, &QComboBox::currentIndexChanged, this,
            &TfrmConfiguraTexto::cbbox_ImpressoraChange);
    connect(RB_Intervalo, &QRadioButton::toggled, this, &TfrmConfiguraTexto::HabilitaControles);
    connect(chk_Arquivo, &QCheckBox::toggled, this, &TfrmConfiguraTexto::HabilitaControles);
    connect(spin_Copias, &QSpinBox::valueChanged, this, &TfrmConfiguraTexto::HabilitaControles);
    cbbox_ImpressoraChange();
    HabilitaControles();
}

OpcoesImpressao TfrmConfiguraTexto::Opcoes() const
{
    OpcoesImpressao o;
    o.impressora = cbbox_Impressora->currentText();
    o.visualizar = chk_Visualizar->isChecked();
    o.copias = spin_Copias->value();
    if (RB_Intervalo->isChecked()) {
        o.paginaDe = spin_De->value();
        o.paginaAte = spin_Ate->value();
    }
    o.paridade = Paridade(cbbox_Paridade->currentIndex());
    o.agrupar = chk_Agrupar->isChecked();
    o.inverter = chk_Inverter->isChecked();
    if (chk_Arquivo->isChecked())
        o.arquivo = edt_Arquivo->text().trimmed();
    return o;
}

void TfrmConfiguraTexto::btn_OkClick()
{
    const OpcoesImpressao o = Opcoes();
    QString erro = ValidaOpcoes(o);
    if (erro.isEmpty() && chk_Arquivo->isChecked() && o.arquivo.isEmpty())
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
                                                   edt_Arquivo->text());
    if (!f.isEmpty()) {
        edt_Arquivo->setText(f);
        chk_Arquivo->setChecked(true);
    }
}

void TfrmConfiguraTexto::cbbox_ImpressoraChange()
{
    Lbl_Modo->setText(NomeModo(ModoPorNome(cbbox_Impressora->currentText())));
}

void TfrmConfiguraTexto::HabilitaControles()
{
    spin_De->setEnabled(RB_Intervalo->isChecked());
    spin_Ate->setEnabled(RB_Intervalo->isChecked());
    edt_Arquivo->setEnabled(chk_Arquivo->isChecked());
    chk_Agrupar->setEnabled(spin_Copias->value() > 1);
}
