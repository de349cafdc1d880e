// The file operations that delete, move, copy and write, driven on random trees that hold links
// (inside the tree and out of it), FIFOs and odd names, inside a temporary root.
//
// Invariants: no crash, no hang (a FIFO opened would block); after each call every entry of the
// root outside the paths the call was given (and the trash, for a deletion to the trash) is as
// it was: same kind, same bytes, same link text. A link given as a path is the path itself, so
// what it points at stays outside.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "Exigir.h"
#include "base/ArquivoInteiro.h"
#include "sistema/arquivos/TmFileBackup.h"
#include "sistema/arquivos/TmFileCopia.h"

namespace {

// The input read a byte at a time, zeros once it runs out.
class Fita {
public:
    Fita(const std::uint8_t* dados, std::size_t tamanho) : dados_(dados), tamanho_(tamanho) {}
    bool Acabou() const { return pos_ >= tamanho_; }
    int Byte() { return pos_ < tamanho_ ? dados_[pos_++] : 0; }
    template <typename T, std::size_t N>
    const T& Escolher(const T (&opcoes)[N]) {
        return opcoes[std::size_t(Byte()) % N];
    }

private:
    const std::uint8_t* dados_;
    std::size_t tamanho_;
    std::size_t pos_ = 0;
};

const char* const kNomes[] = {"a", "b", "c d", "é", "-x", "..a", ".h", "*", "casa", "x.txt"};
const char* const kSufixos[] = {"", "/", "/.", "//./", "/..", "/../a"};

struct Caixa {
    QTemporaryDir raiz;
    QString Arvore() const { return raiz.path() + QStringLiteral("/t"); }
    QString Lixeira() const { return raiz.path() + QStringLiteral("/dados"); }
};

const Caixa& UmaCaixa() {
    static const Caixa caixa;
    qputenv("HOME", QFile::encodeName(caixa.Arvore() + QStringLiteral("/casa")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(caixa.Lixeira()));
    return caixa;
}

// Grows the tree from the input: folders, files, links (to entries of the tree, to the root
// outside it, to nothing) and FIFOs, each below an entry made before. Answers the entries made.
QStringList Plantar(Fita& fita, const QString& arvore) {
    QStringList feitos{arvore, arvore + QStringLiteral("/casa")};
    QDir().mkpath(feitos.last());
    for (int n = fita.Byte() % 24; n > 0 && !fita.Acabou(); --n) {
        const QString pai = feitos.at(fita.Byte() % feitos.size());
        const QString novo = pai + QLatin1Char('/') + QString::fromUtf8(fita.Escolher(kNomes));
        const QByteArray nativo = QFile::encodeName(novo);
        switch (fita.Byte() % 5) {
            case 0:
                QDir().mkdir(novo);
                break;
            case 1: {
                QFile f(novo);
                if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
                    f.write(QByteArray(fita.Byte() % 8, char('0' + fita.Byte() % 10)));
                break;
            }
            case 2:
                QFile::link(feitos.at(fita.Byte() % feitos.size()), novo);
                break;
            case 3:
                QFile::link(QFileInfo(arvore).path() + QStringLiteral("/fora"), novo);
                break;
            default:
                ::mkfifo(nativo.constData(), 0600);
                break;
        }
        if (QFileInfo(novo).exists() || QFileInfo(novo).isSymLink())
            feitos.append(novo);
    }
    return feitos;
}

// Every entry of the root, links not followed: its kind and bytes, or its link text.
QMap<QString, QByteArray> Retrato(const QString& raiz) {
    QMap<QString, QByteArray> retrato;
    QDirIterator it(raiz, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QByteArray& descricao = retrato[info.filePath()];
        if (info.isSymLink()) {
            descricao = "l" + QFile::encodeName(info.symLinkTarget());
        } else if (info.isDir()) {
            descricao = "d";
        } else if (info.isFile()) {
            QFile f(info.filePath());
            descricao = "f" + (f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?"));
        } else {
            descricao = "s";
        }
    }
    return retrato;
}

// Whether entrada lies at or under one of the paths given.
bool Dada(const QString& entrada, const QStringList& dadas) {
    for (const QString& dada : dadas)
        if (entrada == dada || entrada.startsWith(dada + QLatin1Char('/')))
            return true;
    return false;
}

// Names the entry that changed before the check traps, so that a finding says what it broke.
void Mudou(bool mudou, const char* como, const QString& entrada, const QString& chamada) {
    if (mudou)
        std::fprintf(stderr, "%s: %s %s\n", qPrintable(chamada), como, qPrintable(entrada));
    Exigir(!mudou);
}

void ConferirFora(const QMap<QString, QByteArray>& antes, const QMap<QString, QByteArray>& depois,
                  const QStringList& dadas, const QString& chamada) {
    for (auto it = antes.begin(); it != antes.end(); ++it)
        if (!Dada(it.key(), dadas))
            Mudou(depois.value(it.key()) != it.value(), "changed", it.key(), chamada);
    for (auto it = depois.begin(); it != depois.end(); ++it)
        if (!Dada(it.key(), dadas))
            Mudou(!antes.contains(it.key()), "appeared", it.key(), chamada);
}

QString Limpo(const QString& caminho) {
    return QDir::cleanPath(caminho);
}

// The entry a path names: as written, and where the links of its folder lead (those are
// followed; the last part never is).
QStringList ComoEntrada(const QString& caminho) {
    const QFileInfo limpo(Limpo(caminho));
    const QString pasta = QFileInfo(limpo.path()).canonicalFilePath();
    return {limpo.filePath(), pasta + QLatin1Char('/') + limpo.fileName()};
}

// A folder the call writes into: the entry, and the folder it leads to. The library cleans a
// path before anything else ("t/link/../a" is "t/a"), so that is the path whose links lead on.
QStringList ComoPasta(const QString& caminho) {
    QStringList dadas = ComoEntrada(caminho);
    if (const QString real = QFileInfo(Limpo(caminho)).canonicalFilePath(); !real.isEmpty())
        dadas.append(real);
    return dadas;
}

// The folders above caminho that do not exist yet (a dangling link stops the walk): a copy makes
// its destination with the folders it lacks.
QStringList PastasQueFaltam(const QString& caminho) {
    QStringList faltam;
    for (QFileInfo pasta(QFileInfo(Limpo(caminho)).path()); !pasta.exists() && !pasta.isSymLink();
         pasta.setFile(pasta.path()))
        faltam.append(pasta.filePath());
    return faltam;
}

// One call on paths picked from the tree, described in chamada; the paths it may change.
QStringList Chamar(Fita& fita, const QStringList& feitos, const Caixa& caixa, QString& chamada) {
    const QString a = feitos.at(fita.Byte() % feitos.size()) + fita.Escolher(kSufixos);
    const QString b = feitos.at(fita.Byte() % feitos.size()) + fita.Escolher(kSufixos);
    const QString nome = QFileInfo(Limpo(a)).fileName();
    const int operacao = fita.Byte() % 6;
    chamada = QStringLiteral("%1(%2, %3)").arg(operacao).arg(a, b);
    switch (operacao) {
        case 0:
            mFile::DirectoryDelete(a);
            return ComoEntrada(a);
        case 1:
            mFile::DirectoryDelete(a, true);
            return ComoEntrada(a) << caixa.Lixeira();
        case 2: {
            mFile::MoverArquivo(a, b);
            QStringList dadas = ComoEntrada(a);
            for (const QString& pasta : ComoPasta(b))
                dadas.append(pasta + QLatin1Char('/') + nome);
            return dadas;
        }
        case 3: {
            const QStringList faltam = PastasQueFaltam(b);
            mFile::CopiarPasta(a, b);
            return faltam + ComoPasta(b);
        }
        case 4:
            (void)ArquivoInteiro::Escrever(a, "novo");
            return ComoEntrada(a);
        default: {
            QString msg;
            mFile::VerificarPermissaoPasta({a}, msg, false);
            return {};
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Caixa& caixa = UmaCaixa();
    Fita fita(data, size);
    QDir(caixa.raiz.path()).removeRecursively();
    QDir().mkpath(caixa.raiz.path() + QStringLiteral("/fora/dentro"));
    QFile fora(caixa.raiz.path() + QStringLiteral("/fora/dentro/segredo"));
    Exigir(fora.open(QIODevice::WriteOnly) && fora.write("segredo") == 7);
    fora.close();
    const QStringList feitos = Plantar(fita, caixa.Arvore());
    for (int chamadas = 0; chamadas < 4 && !fita.Acabou(); ++chamadas) {
        const auto antes = Retrato(caixa.raiz.path());
        QString chamada;
        const QStringList dadas = Chamar(fita, feitos, caixa, chamada);
        ConferirFora(antes, Retrato(caixa.raiz.path()), dadas, chamada);
    }
    return 0;
}
