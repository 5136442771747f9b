#include "common/ArquivoIni.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <stdexcept>

namespace {
// Letter case folded for ASCII and the accented letters of the code page.
QByteArray Dobra(const QByteArray &s)
{
    QByteArray r = s.trimmed();
    for (char &c : r) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
            c = char(u - 0x20);
    }
    return r;
}

bool EhSecao(const QByteArray &linha, QByteArray *nome)
{
    const QByteArray t = linha.trimmed();
    if (t.size() < 2 || t.front() != '[' || !t.contains(']'))
        return false;
    *nome = t.mid(1, t.indexOf(']') - 1);
    return true;
}

bool EhChave(const QByteArray &linha, QByteArray *chave, QByteArray *valor)
{
    const qsizetype igual = linha.indexOf('=');
    if (igual <= 0)
        return false;
    const QByteArray k = linha.left(igual).trimmed();
    if (k.isEmpty() || k.startsWith(';'))
        return false;
    *chave = k;
    *valor = linha.mid(igual + 1);
    return true;
}

int Hex(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
} // namespace

ArquivoIni::ArquivoIni(const QString &caminho) : caminho_(caminho) {}

bool ArquivoIni::ArquivoExiste() const
{
    return QFileInfo::exists(caminho_);
}

QList<QByteArray> ArquivoIni::Linhas() const
{
    QFile f(caminho_);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> linhas = f.readAll().split('\n');
    for (QByteArray &l : linhas)
        if (l.endsWith('\r'))
            l.chop(1);
    if (!linhas.isEmpty() && linhas.last().isEmpty())
        linhas.removeLast();
    return linhas;
}

QByteArray ArquivoIni::Codifica(const QByteArray &valor)
{
    bool precisa = valor.startsWith('"') || valor.startsWith(' ') || valor.endsWith(' ')
        || valor.startsWith('\t') || valor.endsWith('\t');
    for (char c : valor)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            precisa = true;
    if (!precisa)
        return valor;
    QByteArray r = "\"";
    for (char c : valor) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            r += '\\';
            r += c;
        } else if (u < 0x20 || u == 0x7F) {
            r += "\\x";
            r += QByteArray::number(u, 16).rightJustified(2, '0');
        } else {
            r += c;
        }
    }
    r += '"';
    return r;
}

QByteArray ArquivoIni::Decodifica(const QByteArray &texto)
{
    const QByteArray t = texto.trimmed();
    if (t.size() < 2 || !t.startsWith('"') || !t.endsWith('"'))
        return t;
    QByteArray r;
    for (qsizetype i = 1; i < t.size() - 1; ++i) {
        const char c = t[i];
        if (c == '\\' && i + 1 < t.size() - 1) {
            const char n = t[i + 1];
            if (n == '\\' || n == '"') {
                r += n;
                ++i;
                continue;
            }
            if (n == 'x' && i + 3 < t.size() - 1 && Hex(t[i + 2]) >= 0 && Hex(t[i + 3]) >= 0) {
                r += char(Hex(t[i + 2]) * 16 + Hex(t[i + 3]));
                i += 3;
                continue;
            }
        }
        r += c;
    }
    return r;
}

std::optional<QByteArray> ArquivoIni::Le(const QByteArray &secao, const QByteArray &chave) const
{
    const QByteArray s = Dobra(secao), k = Dobra(chave);
    bool dentro = false;
    for (const QByteArray &linha : Linhas()) {
        QByteArray nome, ch, val;
        if (EhSecao(linha, &nome))
            dentro = Dobra(nome) == s;
        else if (dentro && EhChave(linha, &ch, &val) && Dobra(ch) == k)
            return Decodifica(val);
    }
    return std::nullopt;
}

void ArquivoIni::Escreve(const QByteArray &secao, const QByteArray &chave, const QByteArray &valor)
{
    QList<QByteArray> linhas = Linhas();
    const QByteArray s = Dobra(secao), k = Dobra(chave);
    const QByteArray nova = chave + '=' + Codifica(valor);
    qsizetype inicio = -1, ultimaDaSecao = -1;
    bool feito = false;
    for (qsizetype i = 0; i < linhas.size() && !feito; ++i) {
        QByteArray nome, ch, val;
        if (EhSecao(linhas[i], &nome)) {
            if (inicio >= 0)
                break;
            if (Dobra(nome) == s)
                inicio = ultimaDaSecao = i;
        } else if (inicio >= 0) {
            if (EhChave(linhas[i], &ch, &val) && Dobra(ch) == k) {
                linhas[i] = nova;
                feito = true;
            } else if (!linhas[i].trimmed().isEmpty()) {
                ultimaDaSecao = i;
            }
        }
    }
    if (!feito) {
        if (inicio < 0) {
            if (!linhas.isEmpty() && !linhas.last().trimmed().isEmpty())
                linhas << QByteArray();
            linhas << '[' + secao + ']' << nova;
        } else {
            linhas.insert(ultimaDaSecao + 1, nova);
        }
    }
    QSaveFile f(caminho_);
    QByteArray conteudo;
    for (const QByteArray &l : linhas)
        conteudo += l + "\r\n";
    if (!f.open(QIODevice::WriteOnly) || f.write(conteudo) != conteudo.size() || !f.commit())
        throw std::runtime_error(
            QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                .arg(caminho_, f.errorString())
                .toStdString());
}
