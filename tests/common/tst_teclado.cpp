// The application keyboard hook: Esc closes, Up goes back.
#include "common/GradeClassica.h"
#include "common/TecladoAplicacao.h"

#include "support/TeclasFoco.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTest>
#include <QVBoxLayout>

namespace {
// A dialog whose close check answers from a flag, as a form's FormCloseQuery.
class DialogoComVerificacao : public QDialog {
public:
    bool permite = true;
    int verificacoes = 0;

protected:
    void closeEvent(QCloseEvent *e) override
    {
        ++verificacoes;
        if (!permite) {
            e->ignore();
            return;
        }
        QDialog::closeEvent(e);
    }
};

// The same check written on reject(), the other place a dialog may hold it.
class DialogoComReject : public QDialog {
public:
    int verificacoes = 0;

    void reject() override { ++verificacoes; }
};

QStandardItemModel *Modelo(QObject *dono)
{
    auto *m = new QStandardItemModel(3, 2, dono);
    for (int l = 0; l < 3; ++l)
        for (int c = 0; c < 2; ++c)
            m->setItem(l, c, new QStandardItem(QString::number(l * 10 + c)));
    return m;
}
} // namespace

class TestTeclado : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void escFechaDialogo();
    void escNoExecDevolveMenosUm();
    void escComVerificacaoQueRecusa();
    void escComVerificacaoEmReject();
    void escNaoFechaPrincipal();
    void escSemGanchoFica();
    void cimaVolta_data();
    void cimaVolta();
    void cimaVoltaUmaVez();
    void cimaChegaAoControle();
    void baixoNuncaMove();
    void altCimaIgnorado();
    void altLetraSemAtalhoNaoDigita();

private:
    QMainWindow *principal_ = nullptr;
};

void TestTeclado::init()
{
    principal_ = new QMainWindow;
    principal_->setObjectName(QStringLiteral("frmPrincipal"));
    principal_->setCentralWidget(new QLineEdit);
    InstalaTecladoAplicacao(principal_);
    QVERIFY(MostraAtiva(principal_));
}

void TestTeclado::cleanup()
{
    delete principal_;
    principal_ = nullptr;
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void TestTeclado::escFechaDialogo()
{
    QDialog d(principal_);
    new QLineEdit(&d);
    QVERIFY(MostraAtiva(&d));
    Tecla(Qt::Key_Escape);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), -1);
}

void TestTeclado::escNoExecDevolveMenosUm()
{
    QDialog d(principal_);
    new QLineEdit(&d);
    bool ativo = false;
    QMetaObject::invokeMethod(
        &d,
        [&] {
            QApplication::setActiveWindow(&d);
            ativo = QTest::qWaitForWindowActive(&d);
            if (ativo)
                Tecla(Qt::Key_Escape);
            else
                d.done(1);  // fail rather than wait for ever
        },
        Qt::QueuedConnection);
    QCOMPARE(d.exec(), -1);
    QVERIFY(ativo);
}

void TestTeclado::escComVerificacaoQueRecusa()
{
    DialogoComVerificacao d;
    d.setParent(principal_, Qt::Dialog);
    new QLineEdit(&d);
    d.permite = false;
    QVERIFY(MostraAtiva(&d));
    Tecla(Qt::Key_Escape);
    QVERIFY(d.isVisible());
    // Asked once: the dialog's own Esc does not run the check again.
    QCOMPARE(d.verificacoes, 1);
    QCOMPARE(d.result(), 0);

    d.permite = true;
    Tecla(Qt::Key_Escape);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.verificacoes, 2);
    QCOMPARE(d.result(), -1);
}

void TestTeclado::escComVerificacaoEmReject()
{
    DialogoComReject d;
    d.setParent(principal_, Qt::Dialog);
    new QLineEdit(&d);
    QVERIFY(MostraAtiva(&d));
    Tecla(Qt::Key_Escape);
    QVERIFY(d.isVisible());
    QCOMPARE(d.verificacoes, 1);
}

void TestTeclado::escNaoFechaPrincipal()
{
    Tecla(Qt::Key_Escape);
    QVERIFY(principal_->isVisible());
    QCOMPARE(QApplication::activeWindow(), principal_);
}

void TestTeclado::escSemGanchoFica()
{
    // Without the hook, Esc is the dialog's own (reject, result 0).
    RemoveTecladoAplicacao();
    QDialog d(principal_);
    new QLineEdit(&d);
    QVERIFY(MostraAtiva(&d));
    Tecla(Qt::Key_Escape);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), 0);
}

void TestTeclado::cimaVolta_data()
{
    QTest::addColumn<QString>("controle");
    QTest::addColumn<bool>("volta");
    QTest::newRow("edit") << "edit" << true;
    QTest::newRow("botao") << "botao" << true;
    QTest::newRow("combo") << "combo" << false;
    QTest::newRow("combo editavel") << "comboEditavel" << false;
    QTest::newRow("lista") << "lista" << false;
    QTest::newRow("grade classica") << "grade" << false;
    // Exempt by class: a grid of another kind is not.
    QTest::newRow("outra grade") << "outraGrade" << true;
}

void TestTeclado::cimaVolta()
{
    QFETCH(QString, controle);
    QFETCH(bool, volta);
    QDialog d(principal_);
    auto *l = new QVBoxLayout(&d);
    auto *primeiro = new QLineEdit(&d);
    l->addWidget(primeiro);
    QWidget *w = nullptr;
    if (controle == u"edit") {
        w = new QLineEdit(&d);
    } else if (controle == u"botao") {
        w = new QPushButton(QStringLiteral("Ok"), &d);
    } else if (controle.startsWith(u"combo")) {
        auto *c = new QComboBox(&d);
        c->setEditable(controle == u"comboEditavel");
        c->addItems({"RUA", "AVN", "ALA"});
        c->setCurrentIndex(1);
        w = c;
    } else if (controle == u"lista") {
        auto *lista = new QListWidget(&d);
        lista->addItems({"a", "b", "c"});
        w = lista;
    } else {
        auto *grade = controle == u"grade" ? new GradeClassica(&d) : new QTableView(&d);
        grade->setModel(Modelo(grade));
        w = grade;
    }
    l->addWidget(w);
    QVERIFY(MostraAtiva(&d));
    w->setFocus();
    QWidget *antes = Focado();
    QVERIFY(antes == w || antes->parentWidget() == w);

    Tecla(Qt::Key_Up);
    QCOMPARE(Focado(), volta ? primeiro : antes);
}

void TestTeclado::cimaVoltaUmaVez()
{
    QDialog d(principal_);
    auto *l = new QVBoxLayout(&d);
    QLineEdit *e[3];
    for (auto *&x : e)
        l->addWidget(x = new QLineEdit(&d));
    QVERIFY(MostraAtiva(&d));
    e[2]->setFocus();
    Tecla(Qt::Key_Up);
    QCOMPARE(Focado(), e[1]);
    Tecla(Qt::Key_Up);
    QCOMPARE(Focado(), e[0]);
    // As Shift+Tab: from the first control to the last.
    Tecla(Qt::Key_Up);
    QCOMPARE(Focado(), e[2]);
}

void TestTeclado::cimaChegaAoControle()
{
    QDialog d(principal_);
    auto *l = new QVBoxLayout(&d);
    auto *primeiro = new QLineEdit(&d);
    auto *numero = new QSpinBox(&d);
    auto *combo = new QComboBox(&d);
    auto *grade = new GradeClassica(&d);
    grade->setModel(Modelo(grade));
    combo->addItems({"RUA", "AVN"});
    combo->setCurrentIndex(1);
    for (QWidget *w : std::initializer_list<QWidget *>{primeiro, numero, combo, grade})
        l->addWidget(w);
    numero->setValue(5);
    QVERIFY(MostraAtiva(&d));

    // The focus goes back, and the key still reaches the control it was for.
    numero->setFocus();
    Tecla(Qt::Key_Up);
    QCOMPARE(Focado(), primeiro);
    QCOMPARE(numero->value(), 6);

    combo->setFocus();
    Tecla(Qt::Key_Up);
    QCOMPARE(Focado(), combo);
    QCOMPARE(combo->currentIndex(), 0);

    grade->setFocus();
    grade->setCurrentIndex(grade->model()->index(2, 0));
    Tecla(Qt::Key_Up);
    QCOMPARE(Focado(), grade);
    QCOMPARE(grade->currentIndex().row(), 1);
}

void TestTeclado::baixoNuncaMove()
{
    QDialog d(principal_);
    auto *l = new QVBoxLayout(&d);
    auto *a = new QLineEdit(&d);
    // A control that takes the focus but no keys: a plain QDialog would take
    // its unused Down as a move to the next control.
    auto *surdo = new QWidget(&d);
    surdo->setFocusPolicy(Qt::StrongFocus);
    auto *b = new QLineEdit(&d);
    for (QWidget *w : std::initializer_list<QWidget *>{a, surdo, b})
        l->addWidget(w);
    QVERIFY(MostraAtiva(&d));
    a->setFocus();
    Tecla(Qt::Key_Down);
    QCOMPARE(Focado(), a);
    surdo->setFocus();
    Tecla(Qt::Key_Down);
    QCOMPARE(Focado(), surdo);
    // And Up from it moves back once, not twice.
    Tecla(Qt::Key_Up);
    QCOMPARE(Focado(), a);
}

void TestTeclado::altCimaIgnorado()
{
    QDialog d(principal_);
    auto *l = new QVBoxLayout(&d);
    l->addWidget(new QLineEdit(&d));
    auto *b = new QLineEdit(&d);
    l->addWidget(b);
    QVERIFY(MostraAtiva(&d));
    b->setFocus();
    Tecla(Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(Focado(), b);
    Tecla(Qt::Key_Escape, Qt::AltModifier);
    QVERIFY(d.isVisible());
}

// Alt+G on a form whose "Gravar" is disabled: nothing typed into the field,
// while the enabled button's mnemonic and plain and AltGr typing still work.
void TestTeclado::altLetraSemAtalhoNaoDigita()
{
    QDialog d(principal_);
    auto *l = new QVBoxLayout(&d);
    auto *campo = new QLineEdit(&d);
    l->addWidget(campo);
    auto *gravar = new QPushButton(QStringLiteral("&Gravar"), &d);
    auto *fechar = new QPushButton(QStringLiteral("&Fechar"), &d);
    l->addWidget(gravar);
    l->addWidget(fechar);
    gravar->setEnabled(false);
    int fechou = 0;
    connect(fechar, &QPushButton::clicked, &d, [&] { ++fechou; });
    QVERIFY(MostraAtiva(&d));
    campo->setFocus();
    Digita(QStringLiteral("ab"));
    Tecla(Qt::Key_G, Qt::AltModifier);
    QCOMPARE(campo->text(), QStringLiteral("ab"));
    Tecla(Qt::Key_Q, Qt::AltModifier);
    QCOMPARE(campo->text(), QStringLiteral("ab"));
    QTest::keyClick(campo, Qt::Key_Slash, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(campo->text(), QStringLiteral("ab/"));
    Tecla(Qt::Key_F, Qt::AltModifier);
    // A mnemonic clicks through animateClick, a moment later.
    QTRY_COMPARE(fechou, 1);
    QCOMPARE(campo->text(), QStringLiteral("ab/"));
}

QTEST_MAIN(TestTeclado)
#include "tst_teclado.moc"
