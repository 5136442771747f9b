#include "common/CaixaData.h"

#include "common/Mascara.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString kPadraoData = QStringLiteral("99/99/9999");
const QString kFormatoData = QStringLiteral("dd/MM/yyyy");
} // namespace

CaixaData::CaixaData(QWidget *parent)
    : EditBotao(parent), janela_(new QFrame(this, Qt::Popup)), titulo_(new QLabel(janela_)),
      calendario_(new QCalendarWidget(janela_))
{
    // Blank places show as blanks, so the empty box reads "  /  /    ".
    setInputMask(MascaraQt(kPadraoData, u' '));
    DefineTeclaBotao(Qt::Key_F4);
    Botao()->setText(QString());
    Botao()->setArrowType(Qt::DownArrow);

    janela_->setFrameShape(QFrame::Box);
    auto *layout = new QVBoxLayout(janela_);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(titulo_);
    layout->addWidget(calendario_);
    titulo_->hide();

    calendario_->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    calendario_->setFirstDayOfWeek(Qt::Sunday);
    calendario_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    QTextCharFormat fimDeSemana;
    fimDeSemana.setForeground(Qt::red);
    calendario_->setWeekdayTextFormat(Qt::Saturday, fimDeSemana);
    calendario_->setWeekdayTextFormat(Qt::Sunday, fimDeSemana);

    connect(this, &EditBotao::botaoClicado, this, &CaixaData::AbreCalendario);
    connect(calendario_, &QCalendarWidget::clicked, this, &CaixaData::Escolhe);
    connect(calendario_, &QCalendarWidget::activated, this, &CaixaData::Escolhe);
}

QDate CaixaData::Data() const
{
    if (EmBranco())
        return {};
    return QDate::fromString(displayText(), kFormatoData);
}

bool CaixaData::EmBranco() const
{
    return ValorMascara(kPadraoData, displayText()).isEmpty();
}

void CaixaData::DefineData(const QDate &data)
{
    setText(data.isValid() ? data.toString(kFormatoData) : QString());
}

void CaixaData::DefineTituloCalendario(const QString &titulo)
{
    janela_->setWindowTitle(titulo);
    titulo_->setText(titulo);
    titulo_->setVisible(!titulo.isEmpty());
}

QString CaixaData::TituloCalendario() const
{
    return janela_->windowTitle();
}

QWidget *CaixaData::JanelaCalendario() const
{
    return janela_;
}

void CaixaData::AbreCalendario()
{
    const QDate d = Data();
    calendario_->setSelectedDate(d.isValid() ? d : QDate::currentDate());
    janela_->adjustSize();
    janela_->move(mapToGlobal(QPoint(0, height())));
    janela_->show();
    calendario_->setFocus(Qt::PopupFocusReason);
}

void CaixaData::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Down && e->modifiers() == Qt::AltModifier) {
        AbreCalendario();
        return;
    }
    EditBotao::keyPressEvent(e);
}

void CaixaData::Escolhe(const QDate &data)
{
    janela_->hide();
    DefineData(data);
    setFocus(Qt::PopupFocusReason);
    emit dataEscolhida(data);
}
