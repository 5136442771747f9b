#pragma once
// A read-only table model over a Query's fetched rows, so a grid shows a
// record set. The query does not announce its changes: the window calls
// Recarrega() after it opens or closes the query.

#include "data/Query.h"

#include <QAbstractTableModel>

class QueryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit QueryModel(Query &q, QObject *parent = nullptr);

    // Columns to show, by field name, with their headers; empty shows every
    // field under its own name.
    void DefineColunas(const QList<std::pair<QString, QString>> &campoECabecalho);
    void Recarrega();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

private:
    int Coluna(int secao) const;
    Query &q_;
    QList<std::pair<QString, QString>> colunas_;
};
