#pragma once
// A profile (INI) file of single-byte text, read and written as bytes.
//
// - Section and key names match without regard to letter case.
// - Every write goes to the file at once, atomically (new file, rename).
// - Values are written as they are when a line can carry them unchanged.
//   A value with a control byte (line break, NUL, ...), a blank at either
//   end, or a leading double quote is written between double quotes, with
//   \\, \" and \xHH escapes inside. A value read between double quotes is
//   unquoted and unescaped, so a plain value typed by hand reads as typed
//   and any byte string written reads back unchanged.

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class ArquivoIni {
public:
    explicit ArquivoIni(const QString &caminho);

    bool ArquivoExiste() const;
    // No value when the section or the key is absent; an empty value when
    // the key is present with nothing after '='.
    std::optional<QByteArray> Le(const QByteArray &secao, const QByteArray &chave) const;
    QByteArray LeOuVazio(const QByteArray &secao, const QByteArray &chave) const
    {
        return Le(secao, chave).value_or(QByteArray());
    }
    // Creates the file, section or key when missing. Raises std::runtime_error
    // when the file cannot be written.
    void Escreve(const QByteArray &secao, const QByteArray &chave, const QByteArray &valor);

    static QByteArray Codifica(const QByteArray &valor);
    static QByteArray Decodifica(const QByteArray &texto);

private:
    QList<QByteArray> Linhas() const;
    QString caminho_;
};
