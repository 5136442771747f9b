// kiro.ini: the reader at start and the options dialog that edits it.
#include "BancoTeste.h"
#include "IniTeste.h"
#include "RespostasMensagem.h"
#include "app/UOpcoesAdicionais.h"
#include "app/ValoresPrograma.h"
#include "common/ArquivoIni.h"
#include "common/Encerramento.h"
#include "common/U_Funcoes.h"

#include <QFile>
#include <QTest>

namespace {
QByteArray Conteudo(const QString &c)
{
    QFile f(c);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void Grava(const QString &c, const QByteArray &conteudo)
{
    QFile f(c);
    f.open(QIODevice::WriteOnly);
    f.write(conteudo);
}
} // namespace

class TestConfiguracao : public QObject {
    Q_OBJECT
private slots:
    void init() { ReiniciaEncerramento(); }
    void semArquivoCriaChavesVazias();
    void soDatabaseEUsuario();
    void chavesEmOutraCaixa();
    void dialogoLeOArquivo();
    void okSemMudarNadaPerguntaEEncerra();
    void okNaoNadaAcontece();
    void senhaApagadaGravaVazia();
    void idaEVoltaDeBytesEstranhos_data();
    void idaEVoltaDeBytesEstranhos();
    void testarConexao_data();
    void testarConexao();
    void localizarPoeCaminho();
};

void TestConfiguracao::semArquivoCriaChavesVazias()
{
    ValoresPrograma v;
    v.arquivoIni = CaminhoIniTeste();
    QVERIFY(!LerConfiguracao(v));
    QCOMPARE(Conteudo(v.arquivoIni), QByteArray("[Banco de Dados]\r\nDatabase=\r\nUsuario=\r\nSenha=\r\n"));
    QVERIFY(v.caminhoBanco.isEmpty() && v.usuarioBanco.isEmpty() && v.senhaBanco.isEmpty());
}

void TestConfiguracao::soDatabaseEUsuario()
{
    ValoresPrograma v;
    v.arquivoIni = CaminhoIniTeste();
    Grava(v.arquivoIni, "[Banco de Dados]\r\nDatabase=srv:/d/k.fdb\r\nUsuario=" + Criptografar("SYSDBA") + "\r\n");
    QVERIFY(!LerConfiguracao(v));
    QCOMPARE(v.caminhoBanco, QStringLiteral("srv:/d/k.fdb"));
    QCOMPARE(v.usuarioBanco, QStringLiteral("SYSDBA"));
    QVERIFY(v.senhaBanco.isEmpty());
    QVERIFY(Conteudo(v.arquivoIni).endsWith("\r\nSenha=\r\n"));
    // Now all three keys are there (the password empty): true.
    QVERIFY(LerConfiguracao(v));
}

void TestConfiguracao::chavesEmOutraCaixa()
{
    ValoresPrograma v;
    v.arquivoIni = CaminhoIniTeste();
    Grava(v.arquivoIni, "[BANCO DE DADOS]\nDATABASE=/d/k.fdb\nusuario=" + Criptografar("ana")
                            + "\nSENHA=" + Criptografar("segredo") + "\n");
    QVERIFY(LerConfiguracao(v));
    QCOMPARE(v.caminhoBanco, QStringLiteral("/d/k.fdb"));
    QCOMPARE(v.usuarioBanco, QStringLiteral("ana"));
    QCOMPARE(v.senhaBanco, QStringLiteral("segredo"));
}

void TestConfiguracao::dialogoLeOArquivo()
{
    const BancoTeste b = NovoBancoEmbarcado();
    ValoresPrograma v;
    v.arquivoIni = EscreveIniTeste(b);
    TfrmOpcoesAdicionais d(v);
    QCOMPARE(d.EdtCaminhoNomeBD->text(), b.nome);
    QCOMPARE(d.EdtUsernameBD->text(), b.usuario);
    QCOMPARE(d.EdtPasswordBD->text(), b.senha);
    QCOMPARE(d.EdtPasswordBD->echoMode(), QLineEdit::Password);
    QCOMPARE(d.windowTitle(), QStringLiteral("KIRO - Opções Adicionais"));
    QCOMPARE(d.size(), QSize(288, 199));
}

void TestConfiguracao::okSemMudarNadaPerguntaEEncerra()
{
    const BancoTeste b = NovoBancoEmbarcado();
    ValoresPrograma v;
    v.arquivoIni = EscreveIniTeste(b);
    QVERIFY(LerConfiguracao(v));
    const QByteArray antes = Conteudo(v.arquivoIni);
    const QDateTime mtime = QFileInfo(v.arquivoIni).lastModified();
    RespostasMensagem r;
    r.Responde(Botao::Sim);
    TfrmOpcoesAdicionais d(v);
    QTest::mouseClick(d.BitBtnOk, Qt::LeftButton);
    QCOMPARE(r.Quantas(), 2);
    QCOMPARE(r.Mostradas()[0].texto, QStringLiteral("Confirma a gravação da configuração?"));
    QCOMPARE(r.Mostradas()[0].titulo, QStringLiteral("Confirmação"));
    QCOMPARE(r.Mostradas()[1].texto,
             QStringLiteral("Alterações efetuadas com sucesso. É necessário reiniciar o sistema."));
    QCOMPARE(r.Mostradas()[1].icone, Icone::Erro);
    QVERIFY(AplicacaoEncerrando());
    QCOMPARE(Conteudo(v.arquivoIni), antes);
    QCOMPARE(QFileInfo(v.arquivoIni).lastModified(), mtime);
}

void TestConfiguracao::okNaoNadaAcontece()
{
    ValoresPrograma v;
    v.arquivoIni = CaminhoIniTeste();
    RespostasMensagem r;
    r.Responde(Botao::Nao);
    TfrmOpcoesAdicionais d(v);
    d.EdtCaminhoNomeBD->setText(QStringLiteral("/outro.fdb"));
    QTest::mouseClick(d.BitBtnOk, Qt::LeftButton);
    QCOMPARE(r.Quantas(), 1);
    QVERIFY(!AplicacaoEncerrando());
    QVERIFY(!QFile::exists(v.arquivoIni));
}

void TestConfiguracao::senhaApagadaGravaVazia()
{
    const BancoTeste b = NovoBancoEmbarcado();
    ValoresPrograma v;
    v.arquivoIni = EscreveIniTeste(b);
    QVERIFY(LerConfiguracao(v));
    RespostasMensagem r;
    r.Responde(Botao::Sim);
    TfrmOpcoesAdicionais d(v);
    d.EdtPasswordBD->clear();
    QTest::mouseClick(d.BitBtnOk, Qt::LeftButton);
    QVERIFY(Conteudo(v.arquivoIni).contains("\r\nSenha=\r\n"));
    ValoresPrograma lido;
    lido.arquivoIni = v.arquivoIni;
    QVERIFY(LerConfiguracao(lido));
    QCOMPARE(lido.senhaBanco, QString());
    QCOMPARE(lido.usuarioBanco, b.usuario);
}

void TestConfiguracao::idaEVoltaDeBytesEstranhos_data()
{
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("senha");
    QTest::newRow("brancos") << " ana " << "  ";
    QTest::newRow("aspas e igual") << "\"x\"" << "a=b;[c]";
    QTest::newRow("acentos") << "JOSÉ" << "çãõ€";
    QTest::newRow("longa") << QString(200, u'z') << QString(255, u'ÿ');
    for (int i = 0; i < 8; ++i)
        QTest::addRow("prefixo %d", i) << QString(i, u'k') + u'a' << QString(i, u'q') + u'b';
}

// Whatever the scrambled bytes turn out to be (line breaks, NUL, quotes),
// what the dialog saves, the reader reads back.
void TestConfiguracao::idaEVoltaDeBytesEstranhos()
{
    QFETCH(QString, usuario);
    QFETCH(QString, senha);
    ValoresPrograma v;
    v.arquivoIni = CaminhoIniTeste();
    RespostasMensagem r;
    r.Responde(Botao::Sim);
    {
        TfrmOpcoesAdicionais d(v);
        d.EdtCaminhoNomeBD->setText(QStringLiteral("localhost:/dados/kiro.fdb"));
        d.EdtUsernameBD->setText(usuario);
        d.EdtPasswordBD->setText(senha);
        QTest::mouseClick(d.BitBtnOk, Qt::LeftButton);
    }
    ValoresPrograma lido;
    lido.arquivoIni = v.arquivoIni;
    QVERIFY(LerConfiguracao(lido));
    QCOMPARE(lido.caminhoBanco, QStringLiteral("localhost:/dados/kiro.fdb"));
    QCOMPARE(lido.usuarioBanco, usuario);
    QCOMPARE(lido.senhaBanco, senha);
    TfrmOpcoesAdicionais outra(lido);
    QCOMPARE(outra.EdtUsernameBD->text(), usuario);
    QCOMPARE(outra.EdtPasswordBD->text(), senha);
}

void TestConfiguracao::testarConexao_data()
{
    QTest::addColumn<bool>("bom");
    QTest::newRow("banco bom") << true;
    QTest::newRow("banco ruim") << false;
}

void TestConfiguracao::testarConexao()
{
    QFETCH(bool, bom);
    const BancoTeste b = NovoBancoEmbarcado();
    ValoresPrograma v;
    v.arquivoIni = CaminhoIniTeste();
    RespostasMensagem r;
    TfrmOpcoesAdicionais d(v);
    d.EdtCaminhoNomeBD->setText(bom ? b.nome : PastaTemporariaTestes() + QStringLiteral("/nada.fdb"));
    d.EdtUsernameBD->setText(b.usuario);
    d.EdtPasswordBD->setText(b.senha);
    d.LblTestarConexaoClick();
    QCOMPARE(r.Quantas(), 1);
    if (bom) {
        QCOMPARE(r.Ultima().texto, QStringLiteral("Conexão estabelecida com sucesso!"));
        QCOMPARE(r.Ultima().titulo, QStringLiteral("Informação"));
        QCOMPARE(r.Ultima().icone, Icone::Informacao);
    } else {
        QVERIFY(r.Ultima().texto.startsWith(QStringLiteral(
            "Não foi possível conectar ao banco de dados.\n\nOcorreu o seguinte erro: \n")));
        QVERIFY(r.Ultima().texto.contains(QStringLiteral("nada.fdb")));
        QCOMPARE(r.Ultima().titulo, QStringLiteral("Atenção"));
        QCOMPARE(r.Ultima().icone, Icone::Erro);
    }
    QVERIFY(!QFile::exists(v.arquivoIni));   // nothing saved
    QVERIFY(!QApplication::overrideCursor());
}

void TestConfiguracao::localizarPoeCaminho()
{
    ValoresPrograma v;
    v.arquivoIni = CaminhoIniTeste();
    TfrmOpcoesAdicionais d(v);
    d.EdtCaminhoNomeBD->setText(QStringLiteral("antes"));
    d.EscolheArquivo = [](QWidget *) { return QString(); };
    d.SpBtnLocalizar->click();
    QCOMPARE(d.EdtCaminhoNomeBD->text(), QStringLiteral("antes"));
    d.EscolheArquivo = [](QWidget *) { return QStringLiteral("/dados/kiro.fdb"); };
    d.SpBtnLocalizar->click();
    QCOMPARE(d.EdtCaminhoNomeBD->text(), QStringLiteral("/dados/kiro.fdb"));
}

QTEST_MAIN(TestConfiguracao)
#include "tst_configuracao.moc"
