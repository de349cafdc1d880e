#include "display/protocolo/ListaSep.h"

namespace {

constexpr QChar Aspas = u'"';

// Reads the value of a quoted field whose opening quote is at texto[posicao]; leaves posicao just
// after the closing quote, or at the end of the text when there is none.
QString LerCampoEntreAspas(QStringView texto, qsizetype& posicao) {
    QString valor;
    ++posicao;
    for (;;) {
        const qsizetype aspas = texto.indexOf(Aspas, posicao);
        if (aspas < 0) {
            valor += texto.mid(posicao);
            posicao = texto.size();
            return valor;
        }
        valor += texto.mid(posicao, aspas - posicao);
        posicao = aspas + 1;
        if (posicao == texto.size() || texto[posicao] != Aspas) {
            return valor;
        }
        valor += Aspas;  // a doubled quote stands for one
        ++posicao;
    }
}

}  // namespace

QStringList DividirCampos(QStringView texto, QChar delimitador) {
    if (const qsizetype nul = texto.indexOf(QChar(0)); nul >= 0) {
        texto = texto.left(nul);
    }
    QStringList campos;
    qsizetype posicao = 0;
    const qsizetype fim = texto.size();
    while (posicao < fim) {
        if (texto[posicao] == Aspas) {
            campos.append(LerCampoEntreAspas(texto, posicao));
        } else {
            const qsizetype delimitadorSeguinte = texto.indexOf(delimitador, posicao);
            const qsizetype fimCampo = delimitadorSeguinte < 0 ? fim : delimitadorSeguinte;
            campos.append(texto.mid(posicao, fimCampo - posicao).toString());
            posicao = fimCampo;
        }
        if (posicao < fim && texto[posicao] == delimitador) {
            if (posicao == fim - 1) {
                campos.append(QString());
            }
            ++posicao;
        }
    }
    return campos;
}
