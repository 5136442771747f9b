#include "app/USobre.h"

#include "common/Guarda.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsDropShadowEffect>
#include <QPainter>

TfrmSobre::TfrmSobre(QWidget *parent)
    : QDialog(parent), executavel_(QCoreApplication::applicationFilePath())
{
    setupUi(this);
    setObjectName(QStringLiteral("frmSobre"));
    setFixedSize(356, 210);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    QPalette p = Panel1->palette();
    p.setColor(QPalette::Window, QColor(255, 255, 225));   // tooltip background
    Panel1->setPalette(p);

    QFont titulo(QStringLiteral("Liberation Sans"), 21, QFont::Black);
    RxLabel1->setFont(titulo);
    QPalette cinza = RxLabel1->palette();
    cinza.setColor(QPalette::WindowText, Qt::gray);
    RxLabel1->setPalette(cinza);
    auto *sombra = new QGraphicsDropShadowEffect(RxLabel1);
    sombra->setOffset(2, 2);
    sombra->setBlurRadius(0);
    RxLabel1->setGraphicsEffect(sombra);
    QFont tev = RxLabel2->font();
    tev.setBold(true);
    tev.setPointSize(10);
    RxLabel2->setFont(tev);
    RxLabel3->setText(QStringLiteral("KIRO Sistemas\nSoftware para Cemitérios"));
    RxLabel7->setText(QStringLiteral("suporte@kiro.example\n(00) 0000-0000 / (00) 0000-0001"));
    RxLabel4->setText(QStringLiteral("Desenvolvido pela equipe KIRO"));

    QPixmap img(169, 113);
    img.fill(QColor(137, 137, 137));
    QPainter g(&img);
    g.setPen(QPen(QColor(240, 240, 240), 4));
    g.drawLine(84, 15, 84, 95);
    g.drawLine(60, 38, 108, 38);
    g.end();
    Image1->setPixmap(img);

    connect(BitBtn1, &QPushButton::clicked, this, Guarda(this, &TfrmSobre::BitBtn1Click));
}

QString TfrmSobre::TextoAtualizacao(const QDateTime &modificado)
{
    return QStringLiteral("Última Atualização: ")
        + modificado.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

void TfrmSobre::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    ExecutaGuardado([this] { FormShow(); });
}

void TfrmSobre::FormShow()
{
    RxLblAtualizacao->setText(TextoAtualizacao(QFileInfo(executavel_).lastModified()));
}

void TfrmSobre::BitBtn1Click()
{
    done(-1);
}
