// The classic data grid: read-only over an editable model.
#include "common/GradeClassica.h"

#include "support/TeclasFoco.h"

#include <QApplication>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTest>

class TestGrade : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void naoEdita();
};

void TestGrade::cleanup()
{
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

// The model would accept edits; the grid must not offer any.
void TestGrade::naoEdita()
{
    QStandardItemModel modelo(2, 2);
    for (int l = 0; l < 2; ++l)
        for (int c = 0; c < 2; ++c)
            modelo.setItem(l, c, new QStandardItem(QStringLiteral("v%1%2").arg(l).arg(c)));
    GradeClassica grade;
    grade.setModel(&modelo);
    QVERIFY(MostraAtiva(&grade));
    grade.setFocus();
    grade.setCurrentIndex(modelo.index(0, 0));

    Tecla(Qt::Key_F2);
    Digita(QStringLiteral("x"));
    Tecla(Qt::Key_Return);
    const QRect celula = grade.visualRect(modelo.index(1, 1));
    QTest::mouseDClick(grade.viewport(), Qt::LeftButton, Qt::NoModifier, celula.center());
    // No cell editor was opened.
    QVERIFY(grade.viewport()->findChildren<QLineEdit *>().isEmpty());
    QCOMPARE(modelo.item(0, 0)->text(), QStringLiteral("v00"));
    QCOMPARE(modelo.item(1, 1)->text(), QStringLiteral("v11"));
    // The double click still makes the cell current, as a click does.
    QCOMPARE(grade.currentIndex(), modelo.index(1, 1));
}

QTEST_MAIN(TestGrade)
#include "tst_grade.moc"
