// Unpacking arbitrary bytes as a zip archive into a folder of a sandbox.
//
// Invariants: no crash, no hang; afterwards the sandbox holds the archive and nothing outside
// the target folder, and nothing inside it is a symbolic link (an archive never creates one).
// A failure leaves its reason in UltimoErroZip, a success none.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

#include "Exigir.h"
#include "sistema/zip/TZip.h"

namespace {

const QTemporaryDir& Caixa() {
    static const QTemporaryDir caixa;
    return caixa;
}

void ConferirCaixa(const QString& arquivo, const QString& alvo) {
    QDirIterator it(Caixa().path(),
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString caminho = it.next();
        const bool dentro = caminho == alvo || caminho.startsWith(alvo + u'/');
        Exigir(caminho == arquivo || dentro);
        Exigir(!QFileInfo(caminho).isSymLink());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString arquivo = Caixa().filePath(QStringLiteral("entrada.zip"));
    const QString alvo = Caixa().filePath(QStringLiteral("alvo"));
    {
        QFile f(arquivo);
        Exigir(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Exigir(f.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    }
    QStringList nomes;
    const bool ok = TZip::DescompactarERetornarNomes(arquivo, alvo, true, {}, {}, {}, &nomes);
    // False without a reason only when the archive held no file to unpack.
    Exigir(ok ? UltimoErroZip.isEmpty() : !UltimoErroZip.isEmpty() || nomes.isEmpty());
    ConferirCaixa(arquivo, alvo);
    QDir(alvo).removeRecursively();
    return 0;
}
