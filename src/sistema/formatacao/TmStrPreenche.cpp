#include "sistema/formatacao/TmStrPreenche.h"

#include <algorithm>

namespace {

qsizetype Largura(int tamanho) {
    return std::max(tamanho, 0);
}

QString Preenchimento(qsizetype quantidade, QChar caractere) {
    return quantidade > 0 ? QString(quantidade, caractere) : QString();
}

}  // namespace

QString TmStr::PadLeft(QStringView Texto, int Tamanho, QChar PadChar, bool abCortarTexto) {
    const qsizetype largura = Largura(Tamanho);
    if (Texto.size() > largura)
        return (abCortarTexto ? Texto.first(largura) : Texto).toString();
    return Texto.toString() + Preenchimento(largura - Texto.size(), PadChar);
}

QString TmStr::RealPadRight(QStringView asTexto, int aiTamanho, QChar acPadChar,
                            bool abCortarTexto) {
    return PadLeft(asTexto, aiTamanho, acPadChar, abCortarTexto);
}

QString TmStr::PadRight(QStringView Texto, int Tamanho, QChar PadChar, bool abCortarTexto) {
    const qsizetype largura = Largura(Tamanho);
    if (Texto.size() > largura)
        return (abCortarTexto ? Texto.last(largura) : Texto).toString();
    QString out = Preenchimento(largura - Texto.size(), PadChar);
    return out += Texto;
}

QString TmStr::RealPadLeft(QStringView asTexto, int aiTamanho, QChar acPadChar,
                           bool abCortarTexto) {
    return PadRight(asTexto, aiTamanho, acPadChar, abCortarTexto);
}

QString TmStr::PadRightStrFim(QStringView Texto, int Tamanho, QChar PadChar, QStringView StrFim) {
    QString inteiro = Preenchimento(Largura(Tamanho) - Texto.size() - StrFim.size(), PadChar);
    inteiro += StrFim;
    inteiro += Texto;
    return PadRight(inteiro, Tamanho, PadChar, true);
}

QString TmStr::PadCenter(QStringView Texto, int Tamanho, QChar PadChar) {
    const qsizetype largura = Largura(Tamanho);
    if (Texto.size() > largura) {
        // The start loses the extra character of an odd cut.
        const qsizetype excesso = Texto.size() - largura;
        return Texto.mid((excesso + 1) / 2, largura).toString();
    }
    const qsizetype falta = largura - Texto.size();
    QString out = Preenchimento(falta / 2, PadChar);
    out += Texto;
    return out += Preenchimento(falta - falta / 2, PadChar);
}

QString TmStr::Space(int Qtd) {
    return Preenchimento(Qtd, QLatin1Char(' '));
}

QString TmStr::RepeteStr(QStringView Texto, int Qtd) {
    return Qtd > 0 ? Texto.toString().repeated(Qtd) : QString();
}
