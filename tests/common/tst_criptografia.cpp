// Scrambling of the settings file's credentials.
#include "common/U_Funcoes.h"

#include <QTest>

class TestCriptografia : public QObject {
    Q_OBJECT
private slots:
    void idaEVoltaDeTodoByteEComprimento();
    void saidaConhecida_data();
    void saidaConhecida();
};

// Every length 0..255, filled so that every byte value 0..255 appears in
// the longer texts, in several arrangements.
void TestCriptografia::idaEVoltaDeTodoByteEComprimento()
{
    for (int len = 0; len <= 255; ++len) {
        for (int semente : {0, 1, 97, 200}) {
            QByteArray in(len, '\0');
            for (int i = 0; i < len; ++i)
                in[i] = char((i * 7 + semente) & 0xFF);
            const QByteArray out = Criptografar(in);
            QCOMPARE(out.size(), in.size());
            QCOMPARE(Descriptografar(out), in);
        }
    }
    QByteArray todos(256, '\0');
    for (int i = 0; i < 256; ++i)
        todos[i] = char(i);
    QCOMPARE(Descriptografar(Criptografar(todos)), todos);
}

// Fixed outputs, computed by a separate implementation of the routine
// (start key 31907, multiplier 770143, increment 6093217), so a change of the
// routine, which would make every existing kiro.ini unreadable, is caught.
void TestCriptografia::saidaConhecida_data()
{
    QTest::addColumn<QByteArray>("claro");
    QTest::addColumn<QByteArray>("embaralhado");
    QTest::newRow("vazio") << QByteArray() << QByteArray();
    // The first byte is 'S' (0x53) XOR the high byte of 31907 (0x7C) = 0x2F.
    QTest::newRow("SYSDBA") << QByteArray("SYSDBA") << QByteArray::fromHex("2f922a876b98");
    QTest::newRow("masterkey") << QByteArray("masterkey")
                               << QByteArray::fromHex("11211d81c3ee2593b7");
}

void TestCriptografia::saidaConhecida()
{
    QFETCH(QByteArray, claro);
    QFETCH(QByteArray, embaralhado);
    QCOMPARE(Criptografar(claro), embaralhado);
    QCOMPARE(Descriptografar(embaralhado), claro);
    QCOMPARE(Descriptografar(Criptografar(claro)), claro);
}

QTEST_GUILESS_MAIN(TestCriptografia)
#include "tst_criptografia.moc"
