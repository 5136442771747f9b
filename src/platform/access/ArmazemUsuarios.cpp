#include "platform/access/ArmazemUsuarios.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <sodium.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {
const QString kFormato = QStringLiteral("KIRO-usuarios");
const int kVersao = 1;

bool &CustoMinimo()
{
    static bool minimo = false;
    return minimo;
}

[[noreturn]] void Falha(const QString &texto)
{
    throw std::runtime_error(texto.toStdString());
}

void IniciaSodium()
{
    if (sodium_init() < 0)
        Falha(QStringLiteral("Não foi possível iniciar a biblioteca de criptografia (libsodium)."));
}

QString TextoCorrompido(const QString &arquivo, const QString &motivo)
{
    return QStringLiteral("O arquivo de usuários \"%1\" está corrompido (%2).").arg(arquivo, motivo);
}

QStringList ListaTextos(const QJsonValue &v, bool *ok)
{
    QStringList lista;
    *ok = v.isArray();
    for (const QJsonValue &x : v.toArray()) {
        if (!x.isString())
            *ok = false;
        lista << x.toString();
    }
    return lista;
}
// A user or group by name; const or not as the list is.
template <typename Lista>
auto AchaPorNome(Lista &lista, const QString &nome) -> decltype(&lista.first())
{
    const QString n = ArmazemUsuarios::NormalizaNome(nome);
    for (auto &x : lista)
        if (x.nome == n)
            return &x;
    return nullptr;
}
} // namespace

ArmazemUsuarios::ArmazemUsuarios(const QString &arquivo) : arquivo_(arquivo)
{
    IniciaSodium();
    const QFileInfo info(arquivo_);
    if (!info.exists()) {
        // A new store: writing it at once proves the folder can be written.
        Salva();
        return;
    }
    Le();
    // The store is rewritten on every change, so a folder that cannot take
    // a new file is refused now rather than at the first change.
    QSaveFile teste(arquivo_);
    if (!teste.open(QIODevice::WriteOnly))
        Falha(QStringLiteral("O arquivo de usuários \"%1\" não pode ser gravado: %2")
                  .arg(arquivo_, teste.errorString()));
    teste.cancelWriting();
}

void ArmazemUsuarios::Le()
{
    QFile f(arquivo_);
    if (!f.open(QIODevice::ReadOnly))
        Falha(QStringLiteral("Não foi possível abrir o arquivo de usuários \"%1\": %2")
                  .arg(arquivo_, f.errorString()));
    QJsonParseError erro;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &erro);
    if (erro.error != QJsonParseError::NoError)
        Falha(TextoCorrompido(arquivo_, erro.errorString()));
    const QJsonObject raiz = doc.object();
    if (!doc.isObject() || raiz.value(QStringLiteral("formato")).toString() != kFormato
        || raiz.value(QStringLiteral("versao")).toInt() != kVersao)
        Falha(TextoCorrompido(arquivo_, QStringLiteral("formato desconhecido")));

    for (const QJsonValue &v : raiz.value(QStringLiteral("grupos")).toArray()) {
        const QJsonObject o = v.toObject();
        bool ok = false;
        GrupoAcesso g{NormalizaNome(o.value(QStringLiteral("nome")).toString()),
                      ListaTextos(o.value(QStringLiteral("itens")), &ok)};
        if (g.nome.isEmpty() || !ok)
            Falha(TextoCorrompido(arquivo_, QStringLiteral("grupo incompleto")));
        grupos << g;
    }
    for (const QJsonValue &v : raiz.value(QStringLiteral("usuarios")).toArray()) {
        const QJsonObject o = v.toObject();
        UsuarioAcesso u{NormalizaNome(o.value(QStringLiteral("nome")).toString()),
                        NormalizaNome(o.value(QStringLiteral("grupo")).toString()),
                        o.value(QStringLiteral("administrador")).toBool(),
                        o.value(QStringLiteral("senha")).toString().toLatin1()};
        if (u.nome.isEmpty() || !u.hashSenha.startsWith("$argon2")
            || !o.value(QStringLiteral("administrador")).isBool())
            Falha(TextoCorrompido(arquivo_, QStringLiteral("usuário incompleto")));
        usuarios << u;
    }
    if (!raiz.value(QStringLiteral("grupos")).isArray()
        || !raiz.value(QStringLiteral("usuarios")).isArray())
        Falha(TextoCorrompido(arquivo_, QStringLiteral("listas ausentes")));
}

void ArmazemUsuarios::Salva() const
{
    QJsonArray gs;
    for (const GrupoAcesso &g : grupos)
        gs.append(QJsonObject{{QStringLiteral("nome"), g.nome},
                              {QStringLiteral("itens"), QJsonArray::fromStringList(g.itens)}});
    QJsonArray us;
    for (const UsuarioAcesso &u : usuarios)
        us.append(QJsonObject{{QStringLiteral("nome"), u.nome},
                              {QStringLiteral("grupo"), u.grupo},
                              {QStringLiteral("administrador"), u.administrador},
                              {QStringLiteral("senha"), QString::fromLatin1(u.hashSenha)}});
    const QJsonObject raiz{{QStringLiteral("formato"), kFormato},
                           {QStringLiteral("versao"), kVersao},
                           {QStringLiteral("grupos"), gs},
                           {QStringLiteral("usuarios"), us}};
    QSaveFile f(arquivo_);
    if (!f.open(QIODevice::WriteOnly)
        || f.write(QJsonDocument(raiz).toJson()) < 0 || !f.commit())
        Falha(QStringLiteral("Não foi possível gravar o arquivo de usuários \"%1\": %2")
                  .arg(arquivo_, f.errorString()));
}

UsuarioAcesso *ArmazemUsuarios::Usuario(const QString &nome)
{
    return AchaPorNome(usuarios, nome);
}

const UsuarioAcesso *ArmazemUsuarios::Usuario(const QString &nome) const
{
    return AchaPorNome(usuarios, nome);
}

GrupoAcesso *ArmazemUsuarios::Grupo(const QString &nome)
{
    return AchaPorNome(grupos, nome);
}

const GrupoAcesso *ArmazemUsuarios::Grupo(const QString &nome) const
{
    return AchaPorNome(grupos, nome);
}

int ArmazemUsuarios::Administradores() const
{
    return int(std::count_if(usuarios.cbegin(), usuarios.cend(),
                             [](const UsuarioAcesso &u) { return u.administrador; }));
}

QByteArray ArmazemUsuarios::HashSenha(const QString &senha)
{
    IniciaSodium();
    const QByteArray s = NormalizaSenha(senha).toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    const bool minimo = CustoMinimo();
    if (crypto_pwhash_str(hash, s.constData(), quint64(s.size()),
                          minimo ? crypto_pwhash_OPSLIMIT_MIN : crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          minimo ? crypto_pwhash_MEMLIMIT_MIN : crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0)
        Falha(QStringLiteral("Memória insuficiente para calcular a senha."));
    return QByteArray(hash);
}

bool ArmazemUsuarios::ConfereSenha(const QByteArray &hash, const QString &senha)
{
    IniciaSodium();
    const QByteArray s = NormalizaSenha(senha).toUtf8();
    return crypto_pwhash_str_verify(hash.constData(), s.constData(), quint64(s.size())) == 0;
}

void ArmazemUsuarios::UsaCustoMinimo(bool minimo)
{
    CustoMinimo() = minimo;
}

bool TemUsuarios(const QString &arquivo)
{
    if (!QFileInfo::exists(arquivo))
        return false;
    return !ArmazemUsuarios(arquivo).usuarios.isEmpty();
}

void CriaAdministrador(const QString &arquivo, const QString &nome, const QString &senha)
{
    const QString n = ArmazemUsuarios::NormalizaNome(nome);
    if (n.isEmpty())
        Falha(QStringLiteral("Informe o nome do administrador."));
    if (senha.trimmed().isEmpty())
        Falha(QStringLiteral("A senha não pode ficar em branco."));
    ArmazemUsuarios a(arquivo);
    if (!a.Grupo(kGrupoAdministradores))
        a.grupos << GrupoAcesso{kGrupoAdministradores, {}};
    UsuarioAcesso *u = a.Usuario(n);
    if (!u) {
        a.usuarios << UsuarioAcesso{n, {}, true, {}};
        u = &a.usuarios.last();
    }
    // An existing name is reset: this is also the way back in when the
    // office has lost every administrator password.
    u->grupo = kGrupoAdministradores;
    u->administrador = true;
    u->hashSenha = ArmazemUsuarios::HashSenha(senha.trimmed());
    a.Salva();
}
