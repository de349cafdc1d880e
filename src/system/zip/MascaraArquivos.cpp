#include "system/zip/MascaraArquivos.h"

#include <QDir>
#include <QFileInfo>

#include "base/CaminhoWindows.h"

namespace MascaraArquivos {

bool TemCuringa(QStringView texto) {
    return texto.contains(u'*') || texto.contains(u'?');
}

namespace {
bool MesmaLetra(QChar a, QChar b) {
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}
}  // namespace

// Greedy matching that remembers the last "*" and, on a mismatch, lets it take one more
// character: linear in the common case, never exponential.
bool Corresponde(QStringView nome, QStringView mascara) {
    qsizetype n = 0, m = 0;
    qsizetype estrela = -1, retomada = 0;
    while (n < nome.size()) {
        if (m < mascara.size() && mascara[m] == u'*') {
            estrela = m++;
            retomada = n;
        } else if (m < mascara.size() && (mascara[m] == u'?' || MesmaLetra(mascara[m], nome[n]))) {
            ++n;
            ++m;
        } else if (estrela >= 0) {
            m = estrela + 1;
            n = ++retomada;
        } else {
            return false;
        }
    }
    while (m < mascara.size() && mascara[m] == u'*')
        ++m;
    const bool extensaoQualquer = mascara.mid(m) == u".*";
    return m == mascara.size() || extensaoQualquer;
}

QStringList Listar(const QString& mascara) {
    const QFileInfo info(CaminhoWindows::Mapear(mascara));
    const QString padrao = info.fileName();
    QDir pasta = info.dir();
    pasta.setFilter(QDir::Files);
    pasta.setSorting(QDir::Name | QDir::IgnoreCase);
    QStringList caminhos;
    for (const QString& nome : pasta.entryList())
        if (Corresponde(nome, padrao))
            caminhos.append(pasta.filePath(nome));
    return caminhos;
}

}  // namespace MascaraArquivos
