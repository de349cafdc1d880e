#include "sistema/formatacao/TmStrParagrafo.h"

#include <algorithm>
#include <vector>

#include "base/internal/Texto.h"
#include "sistema/formatacao/TmStrPreenche.h"

namespace {

using TextoInterno::Aparar;

constexpr QChar kBranco = u' ';

// The next line of texto within largura characters: the whole text when it fits, else the text
// before the last blank inside the width, else (a word longer than the line) the width itself.
// A width below 1 does not wrap.
qsizetype TamanhoDaLinha(QStringView texto, qsizetype largura) {
    if (largura < 1 || texto.size() <= largura)
        return texto.size();
    const qsizetype branco = texto.first(largura).lastIndexOf(kBranco);
    return branco > 0 ? branco : largura;
}

// The rest after a soft break: the blanks at the break belong to it.
QStringView DepoisDaQuebra(QStringView texto) {
    qsizetype i = 0;
    while (i < texto.size() && texto[i] == kBranco)
        ++i;
    return texto.mid(i);
}

}  // namespace

void TmStr::QuebraTexto(QStringView asTexto, int aiMaxLength, QStringList& asLista) {
    asLista.clear();
    QString linha;
    for (const QStringView palavra : Aparar(asTexto).split(kBranco, Qt::SkipEmptyParts)) {
        if (linha.isEmpty()) {
            linha = palavra.toString();
        } else if (linha.size() + palavra.size() + 1 <= aiMaxLength) {
            linha += kBranco;
            linha += palavra;
        } else {
            asLista.append(linha);
            linha = palavra.toString();
        }
    }
    if (!linha.isEmpty())
        asLista.append(linha);
}

QString TmStr::JustificarMonoEspacado(QStringView asLinha, int aiQtCaracteres) {
    const QStringView linha = Aparar(asLinha);
    const qsizetype vaos = linha.split(kBranco, Qt::SkipEmptyParts).size() - 1;
    if (linha.size() >= aiQtCaracteres || vaos < 1)
        return linha.toString();
    const qsizetype extra = aiQtCaracteres - linha.size();
    QString out;
    out.reserve(aiQtCaracteres);
    qsizetype vao = 0;
    for (qsizetype i = 0; i < linha.size(); ++i) {
        out += linha[i];
        const bool inicioDoVao = linha[i] == kBranco && linha[i - 1] != kBranco;
        if (inicioDoVao) {
            out += QString(extra / vaos + (vao < extra % vaos ? 1 : 0), kBranco);
            ++vao;
        }
    }
    return out;
}

QStringList TmStr::FormataParagrafo(QStringView asLinha, int aiMaxCaracteresLinha,
                                    int /*aiCaracteresIdentacao*/, bool abJustificado) {
    QStringList linhas;
    QStringView resto = Aparar(asLinha);
    while (!resto.isEmpty()) {
        const qsizetype tamanho = TamanhoDaLinha(resto, aiMaxCaracteresLinha);
        linhas.append(Aparar(resto.first(tamanho)).toString());
        resto = DepoisDaQuebra(resto.mid(tamanho));
    }
    if (abJustificado) {
        for (qsizetype i = 0; i + 1 < linhas.size(); ++i)
            linhas[i] = JustificarMonoEspacado(linhas[i], aiMaxCaracteresLinha);
    }
    return linhas;
}

void TmStr::FormatarParagrafo(QStringList& Saida, QStringView Linha, int TamLinha,
                              bool Justificar) {
    constexpr qsizetype kMinimoParaJustificar = 10;
    constexpr qsizetype kRestoMinimo = 2;
    Saida.clear();
    const QString texto = Linha.toString().remove(u'\n');
    QStringView resto = texto;
    while (!resto.isEmpty()) {
        const qsizetype retorno =
            resto.first(TamLinha < 1 ? resto.size() : std::min<qsizetype>(TamLinha, resto.size()))
                .indexOf(u'\r');
        if (retorno >= 0) {
            Saida.append(Aparar(resto.first(retorno)).toString());
            resto = resto.mid(retorno + 1);
            continue;
        }
        const qsizetype tamanho = TamanhoDaLinha(resto, TamLinha);
        QString linha = Aparar(resto.first(tamanho)).toString();
        resto = DepoisDaQuebra(resto.mid(tamanho));
        if (Justificar && resto.size() > kRestoMinimo && linha.size() > kMinimoParaJustificar)
            linha = JustificarMonoEspacado(linha, TamLinha);
        Saida.append(linha);
    }
}

namespace {

// How many items each column of a block of n items holds.
std::vector<qsizetype> AlturasDasColunas(qsizetype n, qsizetype colunas, bool ajustar) {
    const qsizetype linhas = (n + colunas - 1) / colunas;
    const qsizetype cheias = n % colunas;
    std::vector<qsizetype> alturas(colunas);
    for (qsizetype c = 0; c < colunas; ++c) {
        if (ajustar)
            alturas[c] = (cheias == 0 || c < cheias) ? linhas : linhas - 1;
        else
            alturas[c] = std::clamp<qsizetype>(n - c * linhas, 0, linhas);
    }
    return alturas;
}

void EscreverBloco(const QStringList& itens, qsizetype colunas, int tamCol, bool ajustar,
                   QStringList& resultado) {
    const std::vector<qsizetype> alturas = AlturasDasColunas(itens.size(), colunas, ajustar);
    for (qsizetype linha = 0; linha < alturas.front(); ++linha) {
        QString texto;
        qsizetype inicioDaColuna = 0;
        for (const qsizetype altura : alturas) {
            const QString celula = linha < altura ? itens[inicioDaColuna + linha] : QString();
            texto += TmStr::PadLeft(celula, tamCol, kBranco, true);
            inicioDaColuna += altura;
        }
        resultado.append(texto);
    }
}

}  // namespace

void TmStr::FormataColunas(const QStringList& Original, QStringList& Resultado, int Linhas,
                           int Colunas, int TamCol, bool AjustarColunas, bool LinhaEntreBlocos) {
    Resultado.clear();
    const qsizetype colunas = std::max(Colunas, 1);
    const qsizetype porBloco =
        Linhas > 0 ? qsizetype{Linhas} * colunas : std::max<qsizetype>(Original.size(), 1);
    for (qsizetype inicio = 0; inicio < Original.size(); inicio += porBloco) {
        EscreverBloco(Original.mid(inicio, porBloco), colunas, TamCol, AjustarColunas, Resultado);
        if (LinhaEntreBlocos)
            Resultado.append(QString());
    }
}
