#include "platform/access/InstanciaUnica.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace {
const QByteArray kPedido = "TRAZ_PARA_FRENTE\n";
}

InstanciaUnica::InstanciaUnica(const QString &titulo, QObject *parent)
    : QObject(parent), nome_(NomeSocket(titulo))
{
}

InstanciaUnica::~InstanciaUnica() = default;

QString InstanciaUnica::NomeSocket(const QString &titulo)
{
    // One desktop is one user's session: the user goes into the name, and a
    // hash keeps blanks and accents of the title out of a socket path.
    const QByteArray chave = titulo.toUtf8() + '|' + qgetenv("USER") + '|' + qgetenv("DISPLAY");
    return QStringLiteral("kiro-")
        + QString::fromLatin1(QCryptographicHash::hash(chave, QCryptographicHash::Sha1).toHex().left(16));
}

bool InstanciaUnica::OutraEmExecucao()
{
    {
        QLocalSocket s;
        s.connectToServer(nome_);
        if (s.waitForConnected(500)) {
            s.write(kPedido);
            s.waitForBytesWritten(1000);
            // Wait for the running copy to take the request before leaving.
            s.waitForReadyRead(1000);
            s.disconnectFromServer();
            return true;
        }
    }
    // Nobody answers: a socket left by a crashed copy is stale.
    QLocalServer::removeServer(nome_);
    servidor_ = new QLocalServer(this);
    servidor_->setSocketOptions(QLocalServer::UserAccessOption);
    servidor_->listen(nome_);
    connect(servidor_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *c = servidor_->nextPendingConnection()) {
            connect(c, &QLocalSocket::disconnected, c, &QObject::deleteLater);
            connect(c, &QLocalSocket::readyRead, this, [this, c] {
                if (!c->readAll().contains(kPedido.trimmed()))
                    return;
                c->write("OK\n");
                c->flush();
                if (aoSerChamada_)
                    aoSerChamada_();
            });
        }
    });
    return false;
}
