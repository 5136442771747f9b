// Input conventions on real widgets, driven by real key and mouse events.
#include "common/Convencoes.h"
#include "common/Cores.h"
#include "common/Mascara.h"

#include "support/RespostasMensagem.h"
#include "support/TeclasFoco.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {
// A dialog with controls in a column, tab order top to bottom.
struct Formulario {
    QDialog janela;
    QVBoxLayout *layout = new QVBoxLayout(&janela);

    template <typename W> W *Adiciona(const QString &nome)
    {
        auto *w = new W(&janela);
        w->setObjectName(nome);
        layout->addWidget(w);
        return w;
    }
};

QColor Fundo(const QWidget *w)
{
    return w->palette().color(QPalette::Base);
}

// A design colour, as the form designer would have set it.
void PintaFundo(QWidget *w, const QColor &cor)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, cor);
    w->setPalette(p);
}

// Focus into the field and type from its first place.
void DigitaDoInicio(QLineEdit *e, const QString &texto)
{
    e->setFocus();
    e->setCursorPosition(0);
    Digita(texto);
}

// Counts how often a control gets the focus.
class ContaEntradas : public QObject {
public:
    explicit ContaEntradas(QWidget *w) { w->installEventFilter(this); }
    int entradas = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::FocusIn)
            ++entradas;
        return false;
    }
};

// A CPF field first in the form, checked on exit.
struct FormularioCPF : Formulario {
    QLineEdit *cpf = Adiciona<QLineEdit>("cpf");

    FormularioCPF()
    {
        InstalaMascara(cpf, kMascaraCPF);
        InstalaVerificaCPF(cpf);
    }
};

const QString kTextoCPFInvalido =
    QStringLiteral("CPF inválido!\n\nDigite um CPF válido ou deixe o campo em branco.");
} // namespace

class TestConvencoes : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void enterAvancaEDaVolta();
    void enterAvancaNoFormulario();
    void soDigitos_data();
    void soDigitos();
    void maiusculas();
    void mascara_data();
    void mascara();
    void mascaraMostraValorGuardado();
    void mascaraComLacunaDigitada();
    void realceNaEntradaESaida();
    void realceComCorDada();
    void cpfInvalidoSegura_data();
    void cpfInvalidoSegura();
    void cpfAceitoSegue_data();
    void cpfAceitoSegue();
    void cpfInvalidoNaoDeixaClicar();
    void rotuloLink();
    void insertNovoRegistro();
};

void TestConvencoes::cleanup()
{
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void TestConvencoes::enterAvancaEDaVolta()
{
    Formulario f;
    auto *a = f.Adiciona<QLineEdit>("a");
    auto *b = f.Adiciona<QLineEdit>("b");
    auto *c = f.Adiciona<QLineEdit>("c");
    for (QLineEdit *e : {a, b, c})
        InstalaEnterAvanca(e);
    QSignalSpy enterVisto(c, &QLineEdit::returnPressed);
    QVERIFY(MostraAtiva(&f.janela));
    a->setFocus();

    Tecla(Qt::Key_Return);
    QCOMPARE(Focado(), b);
    Tecla(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(Focado(), c);
    // After the last control the first one follows.
    Tecla(Qt::Key_Return);
    QCOMPARE(Focado(), a);
    // The control never sees the Enter.
    QCOMPARE(enterVisto.count(), 0);
}

void TestConvencoes::enterAvancaNoFormulario()
{
    Formulario f;
    auto *a = f.Adiciona<QLineEdit>("a");
    auto *lista = f.Adiciona<QComboBox>("lista");
    lista->addItems({"RUA", "AVN"});
    auto *botao = f.Adiciona<QPushButton>("botao");
    auto *fim = f.Adiciona<QLineEdit>("fim");
    InstalaEnterAvancaFormulario(&f.janela);
    QSignalSpy cliques(botao, &QPushButton::clicked);
    QVERIFY(MostraAtiva(&f.janela));
    a->setFocus();

    Tecla(Qt::Key_Return);
    QCOMPARE(Focado(), lista);
    Tecla(Qt::Key_Return);
    QCOMPARE(Focado(), botao);
    // Enter on a button presses it, as everywhere else.
    Tecla(Qt::Key_Return);
    QCOMPARE(Focado(), botao);
    QCOMPARE(cliques.count(), 1);
    fim->setFocus();
    Tecla(Qt::Key_Return);
    QCOMPARE(Focado(), a);
    QCOMPARE(f.janela.result(), 0);
    QVERIFY(f.janela.isVisible());
}

void TestConvencoes::soDigitos_data()
{
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("modificadores");
    QTest::addColumn<QString>("esperado");
    const int nada = Qt::NoModifier;
    // The field holds "12" with the cursor at its end; the clipboard "99".
    QTest::newRow("digito") << int(Qt::Key_5) << nada << "125";
    QTest::newRow("zero") << int(Qt::Key_0) << nada << "120";
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << nada << "1";
    QTest::newRow("letra") << int(Qt::Key_A) << nada << "12";
    QTest::newRow("maiuscula") << int(Qt::Key_A) << int(Qt::ShiftModifier) << "12";
    QTest::newRow("branco") << int(Qt::Key_Space) << nada << "12";
    QTest::newRow("menos") << int(Qt::Key_Minus) << nada << "12";
    QTest::newRow("mais") << int(Qt::Key_Plus) << nada << "12";
    QTest::newRow("virgula") << int(Qt::Key_Comma) << nada << "12";
    QTest::newRow("ponto") << int(Qt::Key_Period) << nada << "12";
    QTest::newRow("ctrl+v") << int(Qt::Key_V) << int(Qt::ControlModifier) << "12";
    // With the whole text selected, so that a cut would show.
    QTest::newRow("ctrl+x") << int(Qt::Key_X) << -2 << "12";
    QTest::newRow("ctrl+c e ctrl+v") << int(Qt::Key_C) << -3 << "12";
    // Keys that type nothing keep working: Home then Delete removes the 1.
    QTest::newRow("home e delete") << int(Qt::Key_Delete) << -1 << "2";
}

void TestConvencoes::soDigitos()
{
    QFETCH(int, tecla);
    QFETCH(int, modificadores);
    QFETCH(QString, esperado);
    QApplication::clipboard()->setText(QStringLiteral("99"));
    Formulario f;
    auto *e = f.Adiciona<QLineEdit>("numero");
    InstalaSoDigitos(e);
    QVERIFY(MostraAtiva(&f.janela));
    e->setFocus();
    e->setText(QStringLiteral("12"));
    if (modificadores == -1) {
        Tecla(Qt::Key_Home);
        modificadores = Qt::NoModifier;
    } else if (modificadores <= -2) {
        e->selectAll();
        modificadores = Qt::ControlModifier;
    }
    Tecla(Qt::Key(tecla), Qt::KeyboardModifiers(modificadores));
    if (tecla == Qt::Key_C) {
        // A copy would have put "12" on the clipboard; pasting it at the end
        // after the copy was refused shows nothing either.
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("99"));
        e->end(false);
        Tecla(Qt::Key_V, Qt::ControlModifier);
    }
    QCOMPARE(e->text(), esperado);
}

void TestConvencoes::maiusculas()
{
    Formulario f;
    auto *e = f.Adiciona<QLineEdit>("nome");
    InstalaMaiusculas(e);
    QVERIFY(MostraAtiva(&f.janela));
    e->setFocus();
    Digita(QStringLiteral("joão da conceição 2"));
    QCOMPARE(e->text(), QStringLiteral("JOÃO DA CONCEIÇÃO 2"));
    // Typing in the middle keeps the cursor where it was.
    e->setCursorPosition(0);
    Digita(QStringLiteral("sr "));
    QCOMPARE(e->text(), QStringLiteral("SR JOÃO DA CONCEIÇÃO 2"));
    QCOMPARE(e->cursorPosition(), 3);
}

void TestConvencoes::mascara_data()
{
    QTest::addColumn<QString>("padrao");
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("exibido");
    QTest::addColumn<QString>("valor");
    QTest::newRow("CEP cheio") << kMascaraCEP << "12345678" << "12.345-678" << "12345678";
    QTest::newRow("CEP parcial") << kMascaraCEP << "123" << "12.3__-___" << "123";
    QTest::newRow("CEP vazio") << kMascaraCEP << "" << "__.___-___" << "";
    // Letters and signs are refused; the cursor skips the punctuation.
    QTest::newRow("CEP com letras") << kMascaraCEP << "1a2-3" << "12.3__-___" << "123";
    QTest::newRow("fone") << kMascaraFone << "1123456789" << "(11) 2345-6789" << "1123456789";
    QTest::newRow("CNPJ") << kMascaraCNPJ << "11222333000181" << "11.222.333/0001-81"
                          << "11222333000181";
    QTest::newRow("CPF parcial") << kMascaraCPF << "5299" << "529.9__.___-__" << "5299";
}

void TestConvencoes::mascara()
{
    QFETCH(QString, padrao);
    QFETCH(QString, digitado);
    QFETCH(QString, exibido);
    QFETCH(QString, valor);
    Formulario f;
    auto *e = f.Adiciona<QLineEdit>("campo");
    auto *depois = f.Adiciona<QLineEdit>("depois");
    InstalaMascara(e, padrao);
    QVERIFY(MostraAtiva(&f.janela));
    DigitaDoInicio(e, digitado);
    // A masked field can always be left, also empty or partly filled.
    Tecla(Qt::Key_Tab);
    QCOMPARE(Focado(), depois);
    QCOMPARE(e->displayText(), exibido);
    QCOMPARE(ValorMascarado(e), valor);
}

void TestConvencoes::mascaraMostraValorGuardado()
{
    QLineEdit e;
    InstalaMascara(&e, kMascaraCEP);
    DefineValorMascarado(&e, QStringLiteral("12345678"));
    QCOMPARE(e.displayText(), QStringLiteral("12.345-678"));
    QCOMPARE(ValorMascarado(&e), QStringLiteral("12345678"));
    // A stored blank in the middle keeps the digits after it in place.
    DefineValorMascarado(&e, QStringLiteral("123 56"));
    QCOMPARE(e.displayText(), QStringLiteral("12.3_5-6__"));
    QCOMPARE(ValorMascarado(&e), QStringLiteral("123 56"));
    DefineValorMascarado(&e, QString());
    QCOMPARE(ValorMascarado(&e), QString());

    QLineEdit fone;
    InstalaMascara(&fone, kMascaraFone);
    DefineValorMascarado(&fone, QStringLiteral("1123456789"));
    QCOMPARE(fone.displayText(), QStringLiteral("(11) 2345-6789"));
}

// A position skipped while typing reads as a blank, like a stored one.
void TestConvencoes::mascaraComLacunaDigitada()
{
    Formulario f;
    auto *e = f.Adiciona<QLineEdit>("campo");
    f.Adiciona<QLineEdit>("depois");
    InstalaMascara(e, kMascaraCEP);
    QVERIFY(MostraAtiva(&f.janela));
    DigitaDoInicio(e, QStringLiteral("123"));
    Tecla(Qt::Key_Right);
    Digita(QStringLiteral("56"));
    Tecla(Qt::Key_Tab);
    QCOMPARE(e->displayText(), QStringLiteral("12.3_5-6__"));
    QCOMPARE(ValorMascarado(e), QStringLiteral("123 56"));
}

void TestConvencoes::realceNaEntradaESaida()
{
    Formulario f;
    auto *comum = f.Adiciona<QLineEdit>("comum");
    auto *cpf = f.Adiciona<QLineEdit>("cpf");
    auto *lista = f.Adiciona<QComboBox>("lista");
    PintaFundo(cpf, corAmareloClaro);
    const QColor normal = Fundo(comum);
    const QColor botaoLista = lista->palette().color(QPalette::Button);
    for (QWidget *w : std::initializer_list<QWidget *>{comum, cpf, lista})
        InstalaRealce(w);
    QVERIFY(MostraAtiva(&f.janela));

    comum->setFocus();
    QCOMPARE(Fundo(comum), clInfoBk);
    Tecla(Qt::Key_Tab);
    QCOMPARE(Fundo(comum), normal);
    QCOMPARE(Fundo(cpf), clInfoBk);
    Tecla(Qt::Key_Tab);
    // The field gets its own design colour back, not the window colour.
    QCOMPARE(Fundo(cpf), corAmareloClaro);
    QCOMPARE(Fundo(lista), clInfoBk);
    QCOMPARE(lista->palette().color(QPalette::Button), clInfoBk);
    Tecla(Qt::Key_Tab);
    QCOMPARE(Fundo(lista), normal);
    // The drop-down's face gets its own button colour back.
    QCOMPARE(lista->palette().color(QPalette::Button), botaoLista);
    QCOMPARE(Fundo(comum), clInfoBk);
}

void TestConvencoes::realceComCorDada()
{
    Formulario f;
    auto *rg = f.Adiciona<QLineEdit>("rg");
    f.Adiciona<QLineEdit>("outro");
    const QColor desenho(217, 242, 255);
    PintaFundo(rg, desenho);
    InstalaRealce(rg, clWindow);
    QCOMPARE(Fundo(rg), desenho);
    QVERIFY(MostraAtiva(&f.janela));
    rg->setFocus();
    Tecla(Qt::Key_Tab);
    QCOMPARE(Fundo(rg), clWindow);
}

// The ways of leaving a CPF field: Tab, Shift+Tab, Enter (Enter advances).
static void TabelaDeSaidas()
{
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("modificadores");
}

void TestConvencoes::cpfInvalidoSegura_data()
{
    TabelaDeSaidas();
    const int tab = Qt::Key_Tab, enter = Qt::Key_Return, nada = Qt::NoModifier;
    QTest::newRow("DV errado, Tab") << "52998224726" << tab << nada;
    QTest::newRow("DV errado, Shift+Tab") << "52998224726" << tab << int(Qt::ShiftModifier);
    QTest::newRow("DV errado, Enter") << "52998224726" << enter << nada;
    QTest::newRow("incompleto") << "529982" << tab << nada;
}

void TestConvencoes::cpfInvalidoSegura()
{
    QFETCH(QString, digitado);
    QFETCH(int, tecla);
    QFETCH(int, modificadores);
    RespostasMensagem respostas;
    Formulario f;
    auto *antes = f.Adiciona<QLineEdit>("antes");
    auto *cpf = f.Adiciona<QLineEdit>("cpf");
    auto *depois = f.Adiciona<QLineEdit>("depois");
    PintaFundo(cpf, corAmareloClaro);
    InstalaMascara(cpf, kMascaraCPF);
    for (QLineEdit *e : {antes, cpf, depois}) {
        InstalaRealce(e);
        InstalaEnterAvanca(e);
    }
    InstalaVerificaCPF(cpf);
    ContaEntradas entradasAntes(antes), entradasDepois(depois);
    QVERIFY(MostraAtiva(&f.janela));
    DigitaDoInicio(cpf, digitado);
    entradasAntes.entradas = entradasDepois.entradas = 0;

    Tecla(Qt::Key(tecla), Qt::KeyboardModifiers(modificadores));
    QCoreApplication::processEvents();
    QCOMPARE(respostas.Quantas(), 1);
    QCOMPARE(respostas.Ultima().texto, kTextoCPFInvalido);
    QCOMPARE(respostas.Ultima().titulo, QStringLiteral("CPF incorreto"));
    QCOMPARE(respostas.Ultima().icone, Icone::Erro);
    QCOMPARE(Focado(), cpf);
    QCOMPARE(Fundo(cpf), clInfoBk);
    // The control the focus was going to never got it.
    QCOMPARE(entradasAntes.entradas + entradasDepois.entradas, 0);

    // Emptied, the field can be left, and gets its design colour back.
    cpf->clear();
    Tecla(Qt::Key_Tab);
    QCoreApplication::processEvents();
    QCOMPARE(respostas.Quantas(), 1);
    QCOMPARE(Focado(), depois);
    QCOMPARE(Fundo(cpf), corAmareloClaro);
    QCOMPARE(Fundo(depois), clInfoBk);
}

void TestConvencoes::cpfAceitoSegue_data()
{
    QTest::addColumn<QString>("digitado");
    QTest::newRow("valido") << "52998224725";
    QTest::newRow("vazio") << "";
    QTest::newRow("repetido") << "11111111111";
}

void TestConvencoes::cpfAceitoSegue()
{
    QFETCH(QString, digitado);
    RespostasMensagem respostas;
    FormularioCPF f;
    QLineEdit *cpf = f.cpf;
    auto *depois = f.Adiciona<QLineEdit>("depois");
    QVERIFY(MostraAtiva(&f.janela));
    DigitaDoInicio(cpf, digitado);
    Tecla(Qt::Key_Tab);
    QCoreApplication::processEvents();
    QCOMPARE(respostas.Quantas(), 0);
    QCOMPARE(Focado(), depois);
}

void TestConvencoes::cpfInvalidoNaoDeixaClicar()
{
    RespostasMensagem respostas;
    FormularioCPF f;
    QLineEdit *cpf = f.cpf;
    auto *gravar = f.Adiciona<QPushButton>("gravar");
    QSignalSpy cliques(gravar, &QPushButton::clicked);
    QVERIFY(MostraAtiva(&f.janela));
    DigitaDoInicio(cpf, QStringLiteral("123"));

    QTest::mouseClick(gravar, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(respostas.Quantas(), 1);
    QCOMPARE(Focado(), cpf);
    QCOMPARE(cliques.count(), 0);

    // Once the CPF is right, the same click goes through.
    cpf->clear();
    QTest::mouseClick(gravar, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(respostas.Quantas(), 1);
    QCOMPARE(cliques.count(), 1);
}

void TestConvencoes::rotuloLink()
{
    Formulario f;
    auto *rotulo = f.Adiciona<QLabel>("LblOpcoes");
    rotulo->setText(QStringLiteral("Opções"));
    auto *outro = f.Adiciona<QLabel>("outro");
    outro->setText(QStringLiteral("texto"));
    QPalette p = rotulo->palette();
    p.setColor(QPalette::WindowText, clNavy);
    rotulo->setPalette(p);
    RotuloLink *link = InstalaRotuloLink(rotulo);
    QSignalSpy cliques(link, &RotuloLink::clicado);
    QVERIFY(MostraAtiva(&f.janela));
    const auto cor = [rotulo] { return rotulo->palette().color(QPalette::WindowText); };

    QCOMPARE(rotulo->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(rotulo);
    QCOMPARE(cor(), clBlue);
    QTest::mouseMove(outro);
    QCOMPARE(cor(), clNavy);
    QTest::mouseClick(rotulo, Qt::LeftButton);
    QCOMPARE(cliques.count(), 1);
}

void TestConvencoes::insertNovoRegistro()
{
    Formulario f;
    auto *a = f.Adiciona<QLineEdit>("a");
    f.Adiciona<QComboBox>("lista");
    TeclaInsert *insert = InstalaInsertNovoRegistro(&f.janela);
    QSignalSpy novos(insert, &TeclaInsert::novoRegistro);
    QVERIFY(MostraAtiva(&f.janela));
    a->setFocus();

    Tecla(Qt::Key_Insert);
    QCOMPARE(novos.count(), 1);
    Tecla(Qt::Key_Tab);
    Tecla(Qt::Key_Insert);
    QCOMPARE(novos.count(), 2);
    // Shift+Insert pastes and Ctrl+Insert copies: no new record.
    Tecla(Qt::Key_Insert, Qt::ShiftModifier);
    Tecla(Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(novos.count(), 2);
    // Another window's Insert is not this form's.
    QDialog outra;
    auto *b = new QLineEdit(&outra);
    QVERIFY(MostraAtiva(&outra));
    b->setFocus();
    Tecla(Qt::Key_Insert);
    QCOMPARE(novos.count(), 2);
}

QTEST_MAIN(TestConvencoes)
#include "tst_convencoes.moc"
