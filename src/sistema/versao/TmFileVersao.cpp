#include "sistema/versao/TmFileVersao.h"

#include "sistema/versao/VersaoRecurso.h"

#include <QList>
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

namespace {

// The comparison key of a version text: every field right-aligned to five characters with "0",
// cut to its last five, concatenated.
QString ChaveVersao(const QString& versao) {
    constexpr qsizetype kLarguraCampo = 5;
    QString chave;
    for (QStringView campo : QStringView(versao).split(u'.')) {
        if (campo.size() > kLarguraCampo)
            campo = campo.right(kLarguraCampo);
        chave += QString(kLarguraCampo - campo.size(), u'0');
        chave += campo;
    }
    return chave;
}

}  // namespace

bool TmFile::VersaoMaior(const QString& asAtual, const QString& asMaior,
                         geTiposComparacao aeTpComparacao) {
    const int ordem = QString::compare(ChaveVersao(asMaior), ChaveVersao(asAtual));
    switch (aeTpComparacao) {
        case tcIgual:
            return ordem == 0;
        case tcDiferente:
            return ordem != 0;
        case tcMaior:
            return ordem > 0;
        case tcMaiorIgual:
            return ordem >= 0;
        case tcMenor:
            return ordem < 0;
        case tcMenorIgual:
            return ordem <= 0;
    }
    return false;
}

bool TmFile::NovaVersao(const QString& asAtual, const QString& asNova) {
    return emBranco(asAtual) || VersaoMaior(asAtual, asNova, tcMaior);
}
