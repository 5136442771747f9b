#include "app/UOpcoesAdicionais.h"

#include "common/Ampulheta.h"
#include "common/ArquivoIni.h"
#include "common/Convencoes.h"
#include "common/Encerramento.h"
#include "common/Guarda.h"
#include "common/Mensagem.h"
#include "common/U_Funcoes.h"
#include "common/Win1252.h"
#include "data/Database.h"

#include <QFileDialog>
#include <QHostInfo>

namespace {
const QByteArray kSecao = "Banco de Dados";

QString EscolheArquivoPadrao(QWidget *pai)
{
    return QFileDialog::getOpenFileName(pai, QString(), QString(),
                                        QStringLiteral("Firebird (*.fdb), Interbase (*.gdb) (*.fdb *.gdb)"));
}

} // namespace

TfrmOpcoesAdicionais::TfrmOpcoesAdicionais(const ValoresPrograma &valores, QWidget *parent)
    : QDialog(parent), EscolheArquivo(EscolheArquivoPadrao), valores_(valores)
{
    setupUi(this);
    setObjectName(QStringLiteral("frmOpcoesAdicionais"));
    setFixedSize(288, 199);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    LblCaminhoNomeBD->setText(QStringLiteral("Caminho/Nome Banco de Dados: (%1:C:\\...)")
                                  .arg(QHostInfo::localHostName().toUpper()));
    for (QLineEdit *e : {EdtCaminhoNomeBD, EdtUsernameBD, EdtPasswordBD}) {
        InstalaRealce(e);
        InstalaEnterAvanca(e);
    }
    connect(InstalaRotuloLink(LblTestarConexao), &RotuloLink::clicado, this,
            Guarda(this, &TfrmOpcoesAdicionais::LblTestarConexaoClick));
    connect(SpBtnLocalizar, &QToolButton::clicked, this,
            Guarda(this, &TfrmOpcoesAdicionais::SpBtnLocalizarClick));
    connect(BitBtnOk, &QPushButton::clicked, this, Guarda(this, &TfrmOpcoesAdicionais::BitBtnOkClick));
    connect(BitBtnCancelar, &QPushButton::clicked, this,
            Guarda(this, &TfrmOpcoesAdicionais::BitBtnCancelarClick));
    ExecutaGuardado([this] { FormCreate(); });
}

void TfrmOpcoesAdicionais::FormCreate()
{
    ArquivoIni ini(ArquivoIniDe(valores_));
    EdtCaminhoNomeBD->setText(DeWin1252(ini.LeOuVazio(kSecao, "Database")));
    EdtUsernameBD->setText(DeWin1252(Descriptografar(ini.LeOuVazio(kSecao, "Usuario"))));
    EdtPasswordBD->setText(DeWin1252(Descriptografar(ini.LeOuVazio(kSecao, "Senha"))));
}

void TfrmOpcoesAdicionais::SpBtnLocalizarClick()
{
    const QString nome = EscolheArquivo(this);
    if (nome.isEmpty())
        return;
    EdtCaminhoNomeBD->setText(nome);
    EdtCaminhoNomeBD->setFocus();
}

void TfrmOpcoesAdicionais::LblTestarConexaoClick()
{
    Ampulheta ampulheta;
    // A connection of its own: the main one is not touched.
    Database teste;
    teste.SetDatabaseName(EdtCaminhoNomeBD->text());
    teste.SetUserName(EdtUsernameBD->text());
    teste.SetPassword(EdtPasswordBD->text());
    try {
        teste.Open();
        Mensagem(QStringLiteral("Conexão estabelecida com sucesso!"), QStringLiteral("Informação"),
                 Icone::Informacao);
    } catch (const DbError &e) {
        Mensagem(QStringLiteral("Não foi possível conectar ao banco de dados.\n\n"
                                "Ocorreu o seguinte erro: \n")
                     + e.Mensagem(),
                 QStringLiteral("Atenção"), Icone::Erro);
    }
}

void TfrmOpcoesAdicionais::BitBtnOkClick()
{
    if (Mensagem(QStringLiteral("Confirma a gravação da configuração?"), QStringLiteral("Confirmação"),
                 Icone::Pergunta, {Botao::Sim, Botao::Nao})
        != Botao::Sim)
        return;
    ArquivoIni ini(ArquivoIniDe(valores_));
    if (EdtCaminhoNomeBD->text() != valores_.caminhoBanco)
        ini.Escreve(kSecao, "Database", ParaWin1252(EdtCaminhoNomeBD->text()));
    if (EdtUsernameBD->text() != valores_.usuarioBanco)
        ini.Escreve(kSecao, "Usuario", Criptografar(ParaWin1252(EdtUsernameBD->text())));
    if (EdtPasswordBD->text() != valores_.senhaBanco)
        ini.Escreve(kSecao, "Senha", Criptografar(ParaWin1252(EdtPasswordBD->text())));
    Mensagem(QStringLiteral("Alterações efetuadas com sucesso. É necessário reiniciar o sistema."),
             kTituloPadrao, Icone::Erro);
    EncerraAplicacao();
    done(-1);
}

void TfrmOpcoesAdicionais::BitBtnCancelarClick()
{
    done(-1);
}
