#pragma once
// A currency box. While it is edited it shows the amount plainly (1234,56);
// once the focus leaves, with the display format ",0.00;- ,0.00" in Brazilian
// notation (1.234,56), and a zero amount as an empty box. The amount goes out
// as exact cents.

#include <QLineEdit>

class CaixaMoeda : public QLineEdit {
    Q_OBJECT
public:
    explicit CaixaMoeda(QWidget *parent = nullptr);

    // The amount in cents; 0 for an empty box.
    qint64 Centavos() const;
    // No text shown: the forms store NULL then, which includes a zero amount
    // once the focus has left the box.
    bool Vazia() const { return text().isEmpty(); }
    void DefineCentavos(qint64 centavos);
    void Limpa() { clear(); }

protected:
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void MostraFormatado();
};
