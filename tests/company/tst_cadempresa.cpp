// The company record form on a real database, driven through its buttons.
#include "BancoTeste.h"
#include "RespostasMensagem.h"
#include "TeclasFoco.h"
#include "CapturaImpressao.h"
#include "common/Convencoes.h"
#include "common/Encerramento.h"
#include "common/Mascara.h"
#include "company/UCadEmpresa.h"
#include "data/Comandos.h"

#include <QTest>

namespace {
const QString kCnpjValido = QStringLiteral("11222333000181");

void PreencheValido(TfrmCadEmpresa &f)
{
    f.edt_RazaoSocial->setText(QStringLiteral("PREFEITURA MUNICIPAL DE SÃO JOÃO"));
    f.edt_Endereco->setText(QStringLiteral("PRAÇA DA MATRIZ, 1"));
    f.edt_Cidade->setText(QStringLiteral("SÃO JOÃO"));
    f.cbbox_UF->setCurrentIndex(f.cbbox_UF->findText(QStringLiteral("SP")));
    DefineValorMascarado(f.mskedt_CEP, QStringLiteral("13870000"));
    DefineValorMascarado(f.mskedt_CNPJ, kCnpjValido);
    DefineValorMascarado(f.mskedt_Fone, QStringLiteral("1936331000"));
}

struct Botoes {
    bool gravar, alterar, excluir, cancelar, imprimir, fechar;
};

void ConfereBotoes(TfrmCadEmpresa &f, Botoes b)
{
    QCOMPARE(f.btn_Gravar->isEnabled(), b.gravar);
    QCOMPARE(f.btn_Alterar->isEnabled(), b.alterar);
    QCOMPARE(f.btn_Excluir->isEnabled(), b.excluir);
    QCOMPARE(f.btn_Cancelar->isEnabled(), b.cancelar);
    QCOMPARE(f.btn_Imprimir->isEnabled(), b.imprimir);
    QCOMPARE(f.btn_Fechar->isEnabled(), b.fechar);
}

QString Coluna(Database &db, const QString &coluna)
{
    Query q(db);
    q.SetSQL(QStringLiteral("SELECT %1 FROM empresa WHERE emp_codigo = 1").arg(coluna));
    q.Open();
    return q.IsEmpty() ? QStringLiteral("<nenhuma>") : q.Fields(0).AsString();
}
} // namespace

class TestCadEmpresa : public QObject {
    Q_OBJECT
private slots:
    void init() { ReiniciaEncerramento(); }
    void abreSemRegistro();
    void validacao_data();
    void validacao();
    void gravaEMostra();
    void ufDesconhecidaVoltaVazia();
    void excluirEFecharNaoEncerra();
    void fecharSemRegistroSimFicaAberta();
    void reativacaoTrocaDigitado();
    void imprimeORegistroGuardado();
};

void TestCadEmpresa::abreSemRegistro()
{
    const BancoTeste b = NovoBancoEmbarcado();
    Database db;
    b.Configura(db);
    TfrmCadEmpresa f(db, 1);
    QVERIFY(MostraAtiva(&f));
    QCOMPARE(f.Estado(), QStringLiteral("I"));
    ConfereBotoes(f, {true, false, false, true, false, true});
    QVERIFY(f.edt_RazaoSocial->text().isEmpty());
    QCOMPARE(f.cbbox_UF->currentIndex(), -1);
    QCOMPARE(f.cbbox_UF->count(), 27);
    QCOMPARE(f.cbbox_UF->itemText(26), QStringLiteral("TO"));
    QCOMPARE(f.edt_RazaoSocial->maxLength(), 60);
    QCOMPARE(f.edt_Responsavel->maxLength(), 50);
    QCOMPARE(f.windowTitle(), QStringLiteral("KIRO - Cadastro de Empresa"));
}

void TestCadEmpresa::validacao_data()
{
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QString>("mensagem");   // empty: passes and asks to confirm
    QTest::addColumn<QString>("foco");
    QTest::newRow("razão vazia") << "edt_RazaoSocial" << "" << "É necessário informar a Razão Social da empresa." << "edt_RazaoSocial";
    QTest::newRow("razão de um branco passa") << "edt_RazaoSocial" << " " << "" << "";
    QTest::newRow("endereço vazio") << "edt_Endereco" << "" << "É necessário informar o Endereço da empresa." << "edt_Endereco";
    QTest::newRow("cidade vazia") << "edt_Cidade" << "" << "É necessário informar a Cidade." << "edt_Cidade";
    QTest::newRow("CNPJ vazio passa") << "mskedt_CNPJ" << "" << "" << "";
    QTest::newRow("CNPJ dígito errado") << "mskedt_CNPJ" << "11222333000182" << "CNPJ inválido" << "mskedt_CNPJ";
}

void TestCadEmpresa::validacao()
{
    QFETCH(QString, campo);
    QFETCH(QString, valor);
    QFETCH(QString, mensagem);
    QFETCH(QString, foco);
    const BancoTeste b = NovoBancoEmbarcado();
    Database db;
    b.Configura(db);
    TfrmCadEmpresa f(db, 1);
    QVERIFY(MostraAtiva(&f));
    PreencheValido(f);
    auto *edit = f.findChild<QLineEdit *>(campo);
    if (campo.startsWith(QLatin1String("mskedt")))
        DefineValorMascarado(edit, valor);
    else
        edit->setText(valor);
    RespostasMensagem r;
    r.Responde(Botao::Nao);
    QTest::mouseClick(f.btn_Gravar, Qt::LeftButton);
    QCOMPARE(r.Quantas(), 1);
    if (mensagem.isEmpty()) {
        QCOMPARE(r.Ultima().texto, QStringLiteral("Confirma a inclusão do registro?"));
    } else {
        QCOMPARE(r.Ultima().texto, mensagem);
        QCOMPARE(r.Ultima().icone, Icone::Erro);
        QCOMPARE(QApplication::focusWidget()->objectName(), foco);
    }
    QCOMPARE(Coluna(db, QStringLiteral("emp_razao")), QStringLiteral("<nenhuma>"));
}

void TestCadEmpresa::gravaEMostra()
{
    const BancoTeste b = NovoBancoEmbarcado();
    Database db;
    b.Configura(db);
    TfrmCadEmpresa f(db, 1);
    QVERIFY(MostraAtiva(&f));
    PreencheValido(f);
    RespostasMensagem r;
    r.Responde(Botao::Sim);
    QTest::mouseClick(f.btn_Gravar, Qt::LeftButton);
    QCOMPARE(f.Estado(), QStringLiteral("A"));
    ConfereBotoes(f, {false, true, true, true, true, true});
    QCOMPARE(f.edt_Codigo->text(), QStringLiteral("1"));
    QCOMPARE(Coluna(db, QStringLiteral("emp_razao")), QStringLiteral("PREFEITURA MUNICIPAL DE SÃO JOÃO"));
    QCOMPARE(Coluna(db, QStringLiteral("emp_cep")), QStringLiteral("13870000"));
    QCOMPARE(Coluna(db, QStringLiteral("emp_cnpj")), kCnpjValido);
    QCOMPARE(Coluna(db, QStringLiteral("emp_uf")), QStringLiteral("SP"));
    // Optional fields left empty store empty text, not NULL.
    QCOMPARE(Coluna(db, QStringLiteral("emp_bairro IS NULL")), QStringLiteral("False"));

    // Typed in lower case, stored in upper case.
    f.edt_Bairro->setFocus();
    Digita(QStringLiteral("centro"));
    r.Responde(Botao::Sim);
    QTest::mouseClick(f.btn_Alterar, Qt::LeftButton);
    QCOMPARE(Coluna(db, QStringLiteral("emp_bairro")), QStringLiteral("CENTRO"));
}

void TestCadEmpresa::ufDesconhecidaVoltaVazia()
{
    const BancoTeste b = NovoBancoEmbarcado();
    Database db;
    b.Configura(db);
    db.ExecuteImmediate(QStringLiteral("INSERT INTO empresa VALUES (1, 'A', 'B', '', '', 'C', 'XX', '', '', '', '')"));
    TfrmCadEmpresa f(db, 1);
    QVERIFY(MostraAtiva(&f));
    QCOMPARE(f.Estado(), QStringLiteral("A"));
    QCOMPARE(f.cbbox_UF->currentIndex(), -1);
    RespostasMensagem r;
    r.Responde(Botao::Sim);
    QTest::mouseClick(f.btn_Alterar, Qt::LeftButton);
    QCOMPARE(r.Ultima().texto, QStringLiteral("Confirma a alteração do registro?"));
    QCOMPARE(Coluna(db, QStringLiteral("emp_uf")), QString());
}

void TestCadEmpresa::excluirEFecharNaoEncerra()
{
    const BancoTeste b = NovoBancoEmbarcado();
    Database db;
    b.Configura(db);
    db.ExecuteImmediate(QStringLiteral("INSERT INTO empresa VALUES (1, 'A', 'B', '', '', 'C', 'SP', '', '', '', '')"));
    TfrmCadEmpresa f(db, 1);
    QVERIFY(MostraAtiva(&f));
    RespostasMensagem r;
    r.Responde({Botao::Sim, Botao::Nao});
    QTest::mouseClick(f.btn_Excluir, Qt::LeftButton);
    QCOMPARE(r.Mostradas()[0].texto,
             QStringLiteral("Deseja realmente excluir os dados da empresa?\n\nATENÇÃO: Para acessar o "
                            "sistema, será necessário\n                  incluir nova empresa."));
    QCOMPARE(f.Estado(), QStringLiteral("I"));
    QVERIFY(f.edt_RazaoSocial->text().isEmpty());
    QCOMPARE(Coluna(db, QStringLiteral("emp_razao")), QStringLiteral("<nenhuma>"));
    QTest::mouseClick(f.btn_Fechar, Qt::LeftButton);
    QCOMPARE(r.Mostradas()[1].texto, QStringLiteral("Não há empresa cadastrada. Deseja cadastrar?"));
    QCOMPARE(r.Ultima().texto, QStringLiteral("O sistema será finalizado. Não há empresa cadastrada."));
    QVERIFY(AplicacaoEncerrando());
    QVERIFY(!f.isVisible());
}

void TestCadEmpresa::fecharSemRegistroSimFicaAberta()
{
    const BancoTeste b = NovoBancoEmbarcado();
    Database db;
    b.Configura(db);
    TfrmCadEmpresa f(db, 1);
    QVERIFY(MostraAtiva(&f));
    RespostasMensagem r;
    r.Responde(Botao::Sim);
    Tecla(Qt::Key_Escape);   // Esc goes through the same check
    QVERIFY(f.isVisible());
    QCOMPARE(r.Quantas(), 1);
    QCOMPARE(f.edt_Codigo->text(), QStringLiteral("1"));
    QCOMPARE(QApplication::focusWidget(), f.edt_RazaoSocial);
    QVERIFY(!AplicacaoEncerrando());
}

// Another window over the form closes: the stored row replaces what was
// typed. A message box of the form itself does not.
void TestCadEmpresa::reativacaoTrocaDigitado()
{
    const BancoTeste b = NovoBancoEmbarcado();
    Database db;
    b.Configura(db);
    db.ExecuteImmediate(QStringLiteral("INSERT INTO empresa VALUES (1, 'GUARDADA', 'B', '', '', 'C', 'SP', '', '', '', '')"));
    TfrmCadEmpresa f(db, 1);
    QVERIFY(MostraAtiva(&f));
    f.edt_RazaoSocial->setText(QStringLiteral("DIGITADA"));
    {
        QDialog previa(&f);
        QVERIFY(MostraAtiva(&previa));
    }
    QVERIFY(MostraAtiva(&f));
    QTRY_COMPARE(f.edt_RazaoSocial->text(), QStringLiteral("GUARDADA"));
}

// Unsaved typing does not reach the sheet: it prints the stored row, and
// leaves out the telephone whose field the clerk emptied.
void TestCadEmpresa::imprimeORegistroGuardado()
{
    const BancoTeste b = NovoBancoEmbarcado();
    Database db;
    b.Configura(db);
    db.ExecuteImmediate(QStringLiteral(
        "INSERT INTO empresa VALUES (1, 'GUARDADA', 'RUA A', 'CENTRO', '', 'CIDADE', 'SP', "
        "'13870000', '11222333000181', '1936081234', 'JOSÉ')"));
    TfrmCadEmpresa f(db, 1);
    QVERIFY(MostraAtiva(&f));
    f.edt_RazaoSocial->setText(QStringLiteral("DIGITADA"));
    f.edt_Responsavel->setText(QStringLiteral("OUTRO"));
    f.mskedt_Fone->clear();
    CapturaImpressao captura;
    QTest::mouseClick(f.btn_Imprimir, Qt::LeftButton);
    QCOMPARE(captura.Trabalhos().size(), 1);
    const PaginaTexto &p = captura.Ultimo().paginas.at(0);
    QCOMPARE(p.Texto(6, 18, 4), QStringLiteral("0001"));
    QCOMPARE(p.Linha(7).mid(17).trimmed(), QStringLiteral("GUARDADA"));
    QCOMPARE(p.Linha(13).mid(17).trimmed(), QStringLiteral("13870-000"));
    QCOMPARE(p.Linha(14).mid(17).trimmed(), QStringLiteral("11.222.333/0001-81"));
    QCOMPARE(p.Linha(15).trimmed(), QStringLiteral("Fone........:"));
    QCOMPARE(p.Linha(16).mid(17).trimmed(), QStringLiteral("JOSÉ"));
}

QTEST_MAIN(TestCadEmpresa)
#include "tst_cadempresa.moc"
