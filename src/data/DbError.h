#pragma once
// The one error the data layer raises: the server's own message with its
// SQLCODE and the first gds code of the status vector.

#include <QString>
#include <stdexcept>

class DbError : public std::runtime_error {
public:
    DbError(const QString &mensagem, int sqlCode = 0, long gdsCode = 0);

    QString Mensagem() const { return mensagem_; }
    int SqlCode() const { return sqlCode_; }
    long GdsCode() const { return gdsCode_; }
    // The connection itself was lost (server gone, connection killed).
    bool ConexaoPerdida() const;

private:
    QString mensagem_;
    int sqlCode_;
    long gdsCode_;
};
