#include "sistema/versao/TmFileVersao.h"

#include "sistema/versao/VersaoRecurso.h"

#include <algorithm>
#include <exception>

namespace {

// Blank after trimming: every character is a control character or a space.
bool emBranco(const QString& texto) {
    return std::all_of(texto.cbegin(), texto.cend(), [](QChar c) { return c.unicode() <= u' '; });
}

}  // namespace

QString TmFile::GetVersaoArquivo(const QString& asArquivo) {
    try {
        QByteArray bloco;
        if (!VersaoRecurso::Ler(asArquivo, bloco))
            return {};
        QString versao =
            VersaoRecurso::TextoDaTabela(bloco, QStringLiteral("FileVersion")).value_or(QString());
        if (emBranco(versao)) {
            if (auto produto =
                    VersaoRecurso::TextoDaTabela(bloco, QStringLiteral("ProductVersion")))
                versao = *produto;
        }
        return versao;
    } catch (const std::exception&) {
        return QStringLiteral("0.0");
    }
}

QString TmFile::GetVersaoArquivo3Niveis(const QString& asArquivo) {
    // The last character always goes, then everything from the last "." before it; so a text
    // ending in "." loses its last two fields ("5." gives "").
    QString versao = GetVersaoArquivo(asArquivo);
    versao.chop(1);
    const qsizetype ponto = versao.lastIndexOf(u'.');
    return ponto < 0 ? QString() : versao.left(ponto);
}
