#include "common/GradeClassica.h"

#include <QHeaderView>
#include <QPainter>

namespace {
// The row header shows no numbers, only a triangle on the current row.
class IndicadorLinha : public QHeaderView {
public:
    explicit IndicadorLinha(QTableView *grade) : QHeaderView(Qt::Vertical, grade), grade_(grade)
    {
        setSectionsClickable(false);
        setSectionResizeMode(QHeaderView::Fixed);
        setFixedWidth(14);
    }

protected:
    void paintSection(QPainter *p, const QRect &r, int linha) const override
    {
        QStyleOptionHeader op;
        initStyleOption(&op);
        op.rect = r;
        op.section = linha;
        style()->drawControl(QStyle::CE_Header, &op, p, this);
        if (linha != grade_->currentIndex().row())
            return;
        const int meio = r.center().y();
        const int x = r.left() + 4;
        const QPoint seta[3] = {{x, meio - 4}, {x + 5, meio}, {x, meio + 4}};
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(Qt::NoPen);
        p->setBrush(palette().color(QPalette::WindowText));
        p->drawPolygon(seta, 3);
        p->restore();
    }

private:
    QTableView *grade_;
};
} // namespace

GradeClassica::GradeClassica(QWidget *parent) : QTableView(parent)
{
    setVerticalHeader(new IndicadorLinha(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

void GradeClassica::currentChanged(const QModelIndex &atual, const QModelIndex &anterior)
{
    QTableView::currentChanged(atual, anterior);
    verticalHeader()->viewport()->update();
}
