#include "common/Mensagem.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
RespondeMensagem &Responde()
{
    static RespondeMensagem responde;
    return responde;
}

QMessageBox::StandardButton ParaQt(Botao b)
{
    switch (b) {
    case Botao::Ok: return QMessageBox::Ok;
    case Botao::Cancelar: return QMessageBox::Cancel;
    case Botao::Sim: return QMessageBox::Yes;
    case Botao::Nao: return QMessageBox::No;
    case Botao::Nenhum: break;
    }
    return QMessageBox::NoButton;
}

Botao DeQt(int b)
{
    switch (b) {
    case QMessageBox::Ok: return Botao::Ok;
    case QMessageBox::Cancel: return Botao::Cancelar;
    case QMessageBox::Yes: return Botao::Sim;
    case QMessageBox::No: return Botao::Nao;
    default: return Botao::Nenhum;
    }
}
int abertas = 0;
} // namespace

int MensagensAbertas()
{
    return abertas;
}

Botao Mensagem(const QString &texto, const QString &titulo, Icone icone,
               const QList<Botao> &botoes)
{
    const MensagemMostrada m{texto, titulo, icone, botoes};
    if (Responde())
        return Responde()(m);

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(titulo);
    box.setText(texto);
    switch (icone) {
    case Icone::Erro: box.setIcon(QMessageBox::Critical); break;
    case Icone::Pergunta: box.setIcon(QMessageBox::Question); break;
    case Icone::Informacao: box.setIcon(QMessageBox::Information); break;
    case Icone::Exclamacao: box.setIcon(QMessageBox::Warning); break;
    }
    QMessageBox::StandardButtons qt;
    for (Botao b : botoes)
        qt |= ParaQt(b);
    box.setStandardButtons(qt);
    // Portuguese captions whatever the desk's locale.
    if (auto *b = box.button(QMessageBox::Yes)) b->setText(QStringLiteral("&Sim"));
    if (auto *b = box.button(QMessageBox::No)) b->setText(QStringLiteral("&Não"));
    if (auto *b = box.button(QMessageBox::Cancel)) b->setText(QStringLiteral("Cancelar"));
    ++abertas;
    const int r = box.exec();
    --abertas;
    return DeQt(r);
}

void DefineRespondeMensagem(RespondeMensagem responde)
{
    Responde() = std::move(responde);
}

QString TextoErroAplicacao(const QString &detalhe)
{
    return QStringLiteral("Não foi possível concluir a operação.\n\n") + detalhe;
}

void MostraErroAplicacao(const QString &detalhe)
{
    Mensagem(TextoErroAplicacao(detalhe), kTituloPadrao, Icone::Erro);
}
