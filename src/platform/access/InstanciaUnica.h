#pragma once
// One running copy per desktop. The first copy listens on a local socket
// named after the application title (and the desktop's user); a later copy
// finds it there, asks it to come to the front and ends.

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

class InstanciaUnica : public QObject {
    Q_OBJECT
public:
    explicit InstanciaUnica(const QString &titulo, QObject *parent = nullptr);
    ~InstanciaUnica() override;

    // True when another copy runs: it has been asked to come to the front,
    // and this copy should end without showing a window. Otherwise this copy
    // becomes the one that answers later starts.
    bool OutraEmExecucao();
    // Called in the running copy when a later start asks for it.
    void AoSerChamada(std::function<void()> f) { aoSerChamada_ = std::move(f); }

    static QString NomeSocket(const QString &titulo);

private:
    QString nome_;
    QLocalServer *servidor_ = nullptr;
    std::function<void()> aoSerChamada_;
};
