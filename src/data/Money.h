#pragma once
// Exact money of two decimal places, held as integer cents, so no amount
// ever passes through a binary double on its way to or from the database.

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

struct Money {
    qint64 centavos = 0;

    static constexpr Money DeCentavos(qint64 c) { return Money{c}; }
    // Accepts "1234,56", "1.234,56", "1234.56", "-0,5", "150": the Brazilian
    // comma or a plain point as the decimal separator, points as thousands
    // separators when a comma is present. More than two decimals, letters or
    // an empty text give no value.
    static std::optional<Money> DeTexto(const QString &texto);

    // "1234.56": the form the server reads back unchanged.
    QString ParaTextoSql() const;
    friend bool operator==(Money a, Money b) { return a.centavos == b.centavos; }
};
