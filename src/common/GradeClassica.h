#pragma once
// The classic data grid of the record forms: a read-only table over any
// model, with a row indicator (a marker on the current row), row and column
// lines and columns the clerk can widen. Up keeps its grid meaning in it (the
// application keyboard hook leaves it alone); other grids are not this class.

#include <QTableView>

class GradeClassica : public QTableView {
    Q_OBJECT
public:
    explicit GradeClassica(QWidget *parent = nullptr);

protected:
    void currentChanged(const QModelIndex &atual, const QModelIndex &anterior) override;
};
