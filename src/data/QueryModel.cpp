#include "data/QueryModel.h"

QueryModel::QueryModel(Query &q, QObject *parent) : QAbstractTableModel(parent), q_(q) {}

void QueryModel::DefineColunas(const QList<std::pair<QString, QString>> &campoECabecalho)
{
    beginResetModel();
    colunas_ = campoECabecalho;
    endResetModel();
}

void QueryModel::Recarrega()
{
    beginResetModel();
    endResetModel();
}

int QueryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !q_.Active() ? 0 : q_.RecordCount();
}

int QueryModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return colunas_.isEmpty() ? (q_.Active() ? q_.FieldCount() : 0) : int(colunas_.size());
}

int QueryModel::Coluna(int secao) const
{
    if (colunas_.isEmpty())
        return secao;
    const QString &nome = colunas_[secao].first;
    for (int i = 0; i < q_.FieldCount(); ++i)
        if (q_.Colunas()[size_t(i)].nome.compare(nome, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant QueryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !q_.Active() || index.row() >= q_.RecordCount())
        return {};
    const int c = Coluna(index.column());
    if (c < 0)
        return {};
    const Field f = q_.At(index.row(), c);
    if (role == Qt::DisplayRole)
        return f.AsString();
    if (role == Qt::TextAlignmentRole) {
        const TipoCampo t = f.Kind();
        if (t == TipoCampo::Inteiro || t == TipoCampo::Decimal || t == TipoCampo::Real)
            return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant QueryModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (o == Qt::Vertical)
        return {};
    if (!colunas_.isEmpty())
        return section < colunas_.size() ? QVariant(colunas_[section].second) : QVariant();
    return q_.Active() && section < q_.FieldCount() ? QVariant(q_.Colunas()[size_t(section)].nome)
                                                    : QVariant();
}
