#include "sistema/arquivos/internal/Mascara.h"

#include <QDir>

#include "base/CaminhoWindows.h"
#include "sistema/arquivos/TmFileCaminhos.h"

namespace ArquivosInterno {

QString Local(const QString& caminho) {
    return CaminhoWindows::Mapear(caminho);
}

namespace {
bool MesmaLetra(QChar a, QChar b) {
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}
}  // namespace

// Greedy matching that remembers the last "*" and, on a mismatch, lets it take one more
// character: linear in the common case, never exponential whatever the pattern.
bool Corresponde(QStringView nome, QStringView padrao) {
    qsizetype n = 0, m = 0;
    qsizetype estrela = -1, retomada = 0;
    while (n < nome.size()) {
        if (m < padrao.size() && padrao[m] == u'*') {
            estrela = m++;
            retomada = n;
        } else if (m < padrao.size() && (padrao[m] == u'?' || MesmaLetra(padrao[m], nome[n]))) {
            ++n;
            ++m;
        } else if (estrela >= 0) {
            m = estrela + 1;
            n = ++retomada;
        } else {
            return false;
        }
    }
    while (m < padrao.size() && padrao[m] == u'*')
        ++m;
    // As in the Windows file search, a trailing ".*" also matches a name without an extension.
    return m == padrao.size() || padrao.mid(m) == u".*";
}

QFileInfoList Correspondencias(const QString& mascara, TEntradas entradas) {
    const QString padrao = TmFile::FileName(mascara);
    if (padrao.isEmpty())
        return {};
    const QString pasta = TmFile::ExtractDir(mascara);
    QDir dir(pasta.isEmpty() ? QStringLiteral(".") : Local(pasta));
    const QDir::Filters filtro =
        QDir::Hidden | (entradas == TEntradas::Pastas ? QDir::Dirs : QDir::Files);
    const bool semOcultos = entradas == TEntradas::Arquivos && !padrao.startsWith(u'.');
    QFileInfoList encontradas;
    for (const QFileInfo& info : dir.entryInfoList(filtro, QDir::Name | QDir::IgnoreCase)) {
        if (entradas == TEntradas::Pastas && !info.isDir())
            continue;
        if (semOcultos && info.fileName().startsWith(u'.'))
            continue;
        if (Corresponde(info.fileName(), padrao))
            encontradas.append(info);
    }
    return encontradas;
}

}  // namespace ArquivosInterno
