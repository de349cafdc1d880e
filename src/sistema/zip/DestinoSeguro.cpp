#include "sistema/zip/DestinoSeguro.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "base/EInOutError.h"
#include "base/internal/SistemaArquivos.h"

namespace DestinoSeguro {

namespace {

QStringList Partes(const QString& nome) {
    QString barras = nome;
    barras.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList partes = barras.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    partes.removeAll(QStringLiteral("."));
    return partes;
}

bool Absoluto(const QString& nome) {
    const bool unidade =
        nome.size() >= 2 && nome[1] == u':' && nome[0].isLetter() && nome[0].unicode() < 128;
    return nome.startsWith(u'/') || nome.startsWith(u'\\') || unidade;
}

bool Dentro(const QString& caminho, const QString& raiz) {
    const QString prefixo = raiz.endsWith(u'/') ? raiz : raiz + u'/';
    return caminho == raiz || caminho.startsWith(prefixo);
}

QString TextoErro(int erro) {
    return QString::fromLocal8Bit(std::strerror(erro));
}

}  // namespace

QString MotivoRecusa(const QString& nome, bool ligacaoSimbolica) {
    if (ligacaoSimbolica)
        return QStringLiteral("é uma ligação simbólica");
    if (Absoluto(nome))
        return QStringLiteral("tem caminho absoluto");
    const QStringList partes = Partes(nome);
    if (partes.contains(QStringLiteral("..")))
        return QStringLiteral("sai da pasta de destino com \"..\"");
    if (partes.isEmpty())
        return QStringLiteral("não tem nome");
    return {};
}

Caminho CaminhoRelativo(const QString& nome) {
    return {Partes(nome), nome.endsWith(u'/') || nome.endsWith(u'\\')};
}

QString PrepararRaiz(const QString& pasta) {
    if (pasta.isEmpty())
        throw EInOutError(QStringLiteral("Pasta de destino não informada."));
    if (!QDir().mkpath(pasta))
        throw EInOutError(QStringLiteral("Não foi possível criar a pasta \"%1\".").arg(pasta));
    return QFileInfo(pasta).canonicalFilePath();
}

QString CriarPastas(const QString& raiz, const QStringList& partes) {
    QString atual = raiz;
    for (const QString& parte : partes) {
        atual += u'/' + parte;
        const QFileInfo info(atual);
        if (info.isSymLink() && !Dentro(info.canonicalFilePath(), raiz))
            throw EInOutError(
                QStringLiteral("A pasta \"%1\" é uma ligação simbólica para fora da pasta de "
                               "destino \"%2\".")
                    .arg(atual, raiz));
        if (!info.exists()) {
            if (!QDir().mkdir(atual))
                throw EInOutError(
                    QStringLiteral("Não foi possível criar a pasta \"%1\".").arg(atual));
        } else if (!info.isDir()) {
            throw EInOutError(QStringLiteral("\"%1\" existe e não é uma pasta.").arg(atual));
        }
    }
    return atual;
}

ArquivoNovo::ArquivoNovo(const QString& destino, mode_t modo) : destino_(destino) {
    const QString pasta = QFileInfo(destino).path();
    for (int tentativa = 0; fd_ < 0; ++tentativa) {
        temporario_ = QStringLiteral("%1/.orvane-zip-%2")
                          .arg(pasta)
                          .arg(QRandomGenerator::global()->generate64(), 0, 36);
        fd_ = ::open(QFile::encodeName(temporario_).constData(),
                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, modo);
        if (fd_ < 0 && (errno != EEXIST || tentativa == 16)) {
            const int erro = errno;
            temporario_.clear();
            Falhar(erro);
        }
    }
}

ArquivoNovo::~ArquivoNovo() {
    if (fd_ >= 0)
        ::close(fd_);
    if (!temporario_.isEmpty())
        ::unlink(QFile::encodeName(temporario_).constData());
}

void ArquivoNovo::Falhar(int erro) const {
    throw EInOutError(
        QStringLiteral("Não foi possível gravar \"%1\": %2").arg(destino_, TextoErro(erro)));
}

void ArquivoNovo::Escrever(const char* dados, qint64 tamanho) {
    while (tamanho > 0) {
        const ssize_t n = ::write(fd_, dados, size_t(tamanho));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            Falhar(errno);
        dados += n;
        tamanho -= n;
    }
}

void ArquivoNovo::Concluir(std::optional<time_t> modificado) {
    if (modificado) {
        const timespec tempos[2] = {{0, UTIME_OMIT}, {*modificado, 0}};
        ::futimens(fd_, tempos);  // a time that cannot be set is no reason to lose the file
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        Falhar(errno);
    if (const auto falha = SistemaArquivos::Instalar(temporario_, destino_))
        Falhar(falha->erro);
    temporario_.clear();
}

}  // namespace DestinoSeguro
