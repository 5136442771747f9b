#include "company/UCadEmpresa.h"

#include "common/AoAtivar.h"
#include "common/Convencoes.h"
#include "common/Cores.h"
#include "common/Encerramento.h"
#include "common/Guarda.h"
#include "common/Mascara.h"
#include "common/Mensagem.h"
#include "common/U_Funcoes.h"
#include "data/Comandos.h"
#include "reports/ImpressosTexto.h"

#include <QCloseEvent>

namespace {
const QStringList kUFs{"AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO", "MA", "MG", "MS", "MT", "PA",
                       "PB", "PE", "PI", "PR", "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"};

bool Sim(const QString &pergunta)
{
    return Mensagem(pergunta, kTituloPadrao, Icone::Pergunta, {Botao::Sim, Botao::Nao}) == Botao::Sim;
}
} // namespace

TfrmCadEmpresa::TfrmCadEmpresa(Database &db, int codigoEmpresa, QWidget *parent)
    : QDialog(parent), IBQryEmpresa(db), db_(db), codigo_(codigoEmpresa)
{
    setupUi(this);
    setObjectName(QStringLiteral("frmCadEmpresa"));
    setFixedSize(608, 281);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    QFont negrito = GroupBox1->font();
    negrito.setBold(true);
    GroupBox1->setFont(negrito);
    for (QWidget *w : GroupBox1->findChildren<QWidget *>())
        if (w != edt_Codigo) {
            QFont f = w->font();
            f.setBold(false);
            w->setFont(f);
        }
    QPalette p = edt_Codigo->palette();
    p.setColor(QPalette::Base, clBtnFace);
    edt_Codigo->setPalette(p);

    campos_ = {
        {edt_RazaoSocial, "emp_razao", "p_razao", Conversao::Texto, {}, &DadosEmpresa::razao},
        {edt_Endereco, "emp_ender", "p_endereco", Conversao::Texto, {}, &DadosEmpresa::endereco},
        {edt_Bairro, "emp_bairro", "p_bairro", Conversao::Texto, {}, &DadosEmpresa::bairro},
        {edt_Complemento, "emp_compl", "p_complemento", Conversao::Texto, {}, &DadosEmpresa::complemento},
        {edt_Cidade, "emp_cidade", "p_cidade", Conversao::Texto, {}, &DadosEmpresa::cidade},
        {cbbox_UF, "emp_uf", "p_uf", Conversao::Lista, {}, &DadosEmpresa::uf},
        {mskedt_CEP, "emp_cep", "p_cep", Conversao::Mascara, kMascaraCEP, &DadosEmpresa::cep},
        {mskedt_CNPJ, "emp_cnpj", "p_cnpj", Conversao::Mascara, kMascaraCNPJ, &DadosEmpresa::cnpj},
        {mskedt_Fone, "emp_fone", "p_fone", Conversao::Mascara, kMascaraFone, &DadosEmpresa::fone},
        {edt_Responsavel, "emp_resp", "p_responsavel", Conversao::Texto, {}, &DadosEmpresa::responsavel},
    };
    cbbox_UF->addItems(kUFs);
    cbbox_UF->setCurrentIndex(-1);
    for (const Campo &c : campos_) {
        InstalaRealce(c.controle);
        if (c.conversao == Conversao::Texto)
            InstalaMaiusculas(static_cast<QLineEdit *>(c.controle));
        else if (c.conversao == Conversao::Mascara)
            InstalaMascara(static_cast<QLineEdit *>(c.controle), c.mascara);
    }
    InstalaEnterAvancaFormulario(this);
    InstalaAoAtivar(this, [this] { FormActivate(); });

    connect(btn_Gravar, &QPushButton::clicked, this, Guarda(this, &TfrmCadEmpresa::btn_GravarClick));
    connect(btn_Alterar, &QPushButton::clicked, this, Guarda(this, &TfrmCadEmpresa::btn_AlterarClick));
    connect(btn_Excluir, &QPushButton::clicked, this, Guarda(this, &TfrmCadEmpresa::btn_ExcluirClick));
    connect(btn_Cancelar, &QPushButton::clicked, this, Guarda(this, &TfrmCadEmpresa::btn_CancelarClick));
    connect(btn_Imprimir, &QPushButton::clicked, this, Guarda(this, &TfrmCadEmpresa::btn_ImprimirClick));
    connect(btn_Fechar, &QPushButton::clicked, this, Guarda(this, &TfrmCadEmpresa::btn_FecharClick));
    HabilitaBotoes(QStringLiteral("I"));
}

QString TfrmCadEmpresa::ValorCampo(const Campo &c) const
{
    switch (c.conversao) {
    case Conversao::Texto: return static_cast<QLineEdit *>(c.controle)->text();
    case Conversao::Lista: return static_cast<QComboBox *>(c.controle)->currentText();
    case Conversao::Mascara: return ValorMascarado(static_cast<QLineEdit *>(c.controle));
    }
    return {};
}

void TfrmCadEmpresa::CarregaCampos()
{
    for (const Campo &c : campos_) {
        const QString v = IBQryEmpresa.FieldByName(QLatin1String(c.coluna)).AsString();
        switch (c.conversao) {
        case Conversao::Texto: static_cast<QLineEdit *>(c.controle)->setText(v); break;
        case Conversao::Lista: cbbox_UF->setCurrentIndex(cbbox_UF->findText(v)); break;
        case Conversao::Mascara: DefineValorMascarado(static_cast<QLineEdit *>(c.controle), v); break;
        }
    }
    edt_Codigo->setText(IBQryEmpresa.FieldByName(QStringLiteral("emp_codigo")).AsString());
}

void TfrmCadEmpresa::LimpaCampos()
{
    for (const Campo &c : campos_) {
        if (c.conversao == Conversao::Lista)
            cbbox_UF->setCurrentIndex(-1);
        else
            static_cast<QLineEdit *>(c.controle)->clear();
    }
    edt_Codigo->clear();
}

void TfrmCadEmpresa::HabilitaBotoes(const QString &estado)
{
    estado_ = estado;
    const bool inclusao = estado == QLatin1String("I");
    btn_Gravar->setEnabled(inclusao);
    btn_Alterar->setEnabled(!inclusao);
    btn_Excluir->setEnabled(!inclusao);
    btn_Cancelar->setEnabled(true);
    btn_Imprimir->setEnabled(!inclusao);
    btn_Fechar->setEnabled(true);
}

bool TfrmCadEmpresa::ValidaCampos()
{
    struct Teste {
        bool falha;
        const char *mensagem;
        QWidget *foco;
    };
    const QString cnpj = ValorMascarado(mskedt_CNPJ);
    // "Empty" is no characters at all: blanks count as text.
    const Teste testes[] = {
        {edt_RazaoSocial->text().isEmpty(), "É necessário informar a Razão Social da empresa.", edt_RazaoSocial},
        {edt_Endereco->text().isEmpty(), "É necessário informar o Endereço da empresa.", edt_Endereco},
        {edt_Cidade->text().isEmpty(), "É necessário informar a Cidade.", edt_Cidade},
        {!cnpj.isEmpty() && !ValidaCNPJ(cnpj), "CNPJ inválido", mskedt_CNPJ},
    };
    for (const Teste &t : testes)
        if (t.falha) {
            Mensagem(QString::fromUtf8(t.mensagem), kTituloPadrao, Icone::Erro);
            t.foco->setFocus();
            return false;
        }
    return true;
}

bool TfrmCadEmpresa::LeRegistro()
{
    IBQryEmpresa.Close();
    IBQryEmpresa.SetSQL(Comandos::kEmpresaSeleciona);
    IBQryEmpresa.ParamByName(QStringLiteral("p_codigo")).AsInteger(codigo_);
    IBQryEmpresa.Open();
    return !IBQryEmpresa.IsEmpty();
}

void TfrmCadEmpresa::Executa(const QStringList &sql)
{
    IBQryEmpresa.Close();
    IBQryEmpresa.SetSQL(sql);
    IBQryEmpresa.ParamByName(QStringLiteral("p_codigo")).AsInteger(codigo_);
    if (sql != Comandos::kEmpresaExclui)
        for (const Campo &c : campos_)
            IBQryEmpresa.ParamByName(QLatin1String(c.parametro)).AsString(ValorCampo(c));
    IBQryEmpresa.ExecSQL();
    db_.Commit();
}

void TfrmCadEmpresa::FormActivate()
{
    if (LeRegistro()) {
        CarregaCampos();
        HabilitaBotoes(QStringLiteral("A"));
    } else {
        HabilitaBotoes(QStringLiteral("I"));
    }
}

void TfrmCadEmpresa::btn_GravarClick()
{
    if (!ValidaCampos() || !Sim(QStringLiteral("Confirma a inclusão do registro?")))
        return;
    Executa(Comandos::kEmpresaInsere);
    HabilitaBotoes(QStringLiteral("A"));
    edt_Codigo->setText(QString::number(codigo_));
    edt_RazaoSocial->setFocus();
    LeRegistro();
}

void TfrmCadEmpresa::btn_AlterarClick()
{
    if (!ValidaCampos() || !Sim(QStringLiteral("Confirma a alteração do registro?")))
        return;
    Executa(Comandos::kEmpresaAltera);
    HabilitaBotoes(QStringLiteral("A"));
    LeRegistro();
}

void TfrmCadEmpresa::btn_ExcluirClick()
{
    if (!Sim(QStringLiteral("Deseja realmente excluir os dados da empresa?\n\n"
                            "ATENÇÃO: Para acessar o sistema, será necessário\n"
                            "                  incluir nova empresa.")))
        return;
    Executa(Comandos::kEmpresaExclui);
    HabilitaBotoes(QStringLiteral("I"));
    LimpaCampos();
    edt_RazaoSocial->setFocus();
    LeRegistro();
}

void TfrmCadEmpresa::btn_CancelarClick()
{
    LimpaCampos();
    const bool existe = LeRegistro();
    if (existe)
        CarregaCampos();
    edt_RazaoSocial->setFocus();
    HabilitaBotoes(existe ? QStringLiteral("A") : QStringLiteral("I"));
}

// The sheet shows the stored row, not what is typed and unsaved; postal
// code, CNPJ and telephone (the masked fields) only where the form's field
// holds something.
DadosEmpresa TfrmCadEmpresa::DadosDaFicha()
{
    DadosEmpresa d;
    d.codigo = codigo_;
    // Another desk may have deleted the row meanwhile: an empty sheet then.
    if ((!IBQryEmpresa.Active() && !LeRegistro()) || IBQryEmpresa.IsEmpty())
        return d;
    d.codigo = IBQryEmpresa.FieldByName(QStringLiteral("emp_codigo")).AsInteger();
    for (const Campo &c : campos_)
        if (c.conversao != Conversao::Mascara || !ValorCampo(c).trimmed().isEmpty())
            d.*c.ficha = IBQryEmpresa.FieldByName(QLatin1String(c.coluna)).AsString();
    return d;
}

void TfrmCadEmpresa::btn_ImprimirClick()
{
    ImprimeEmpresa(DadosDaFicha(), this);
}

void TfrmCadEmpresa::btn_FecharClick()
{
    close();
}

void TfrmCadEmpresa::closeEvent(QCloseEvent *e)
{
    bool fecha = false;
    ExecutaGuardado([&] {
        if (LeRegistro()) {
            fecha = true;
        } else if (Sim(QStringLiteral("Não há empresa cadastrada. Deseja cadastrar?"))) {
            edt_Codigo->setText(QString::number(codigo_));
            edt_RazaoSocial->setFocus();
        } else {
            Mensagem(QStringLiteral("O sistema será finalizado. Não há empresa cadastrada."),
                     kTituloPadrao, Icone::Erro);
            EncerraAplicacao();
            fecha = true;
        }
    });
    if (!fecha) {
        e->ignore();
        return;
    }
    IBQryEmpresa.Close();
    podeFechar_ = true;
    QDialog::closeEvent(e);
}

void TfrmCadEmpresa::reject()
{
    // Every way of closing goes through the close check.
    if (!podeFechar_) {
        close();
        return;
    }
    QDialog::reject();
}
