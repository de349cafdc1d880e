#include "possim/NotacaoComandos.h"

#include "display/protocolo/Protocolo.h"

namespace {

// The command a code of the notation names: its number, or for 101 to 104 also its letter.
std::optional<Protocolo::EComando> ComandoDaNotacao(QStringView codigo) {
    bool numero = false;
    const int valor = codigo.toInt(&numero);
    if (numero && !codigo.startsWith(u'+'))
        return Protocolo::ComandoDoCodigo(valor);
    if (codigo.size() == 1 && codigo[0].isLetter())
        return Protocolo::ComandoDoCodigo(codigo[0].unicode());
    return std::nullopt;
}

QByteArray TextoSeteBits(QStringView texto) {
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (const QChar c : QString(texto.toString()).normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing) {
            continue;  // the accent of a decomposed letter
        }
        bytes.append(c.unicode() < 0x80 ? char(c.unicode()) : '?');
    }
    return bytes;
}

}  // namespace

std::optional<QByteArray> CodificarLinha(QStringView notacao, QString& erro) {
    const qsizetype doisPontos = notacao.indexOf(u':');
    const std::optional<Protocolo::EComando> comando =
        doisPontos < 0 ? std::nullopt : ComandoDaNotacao(notacao.left(doisPontos));
    if (!comando) {
        erro = QStringLiteral(
                   "linha sem código válido (use CÓDIGO:PARÂMETROS, código 1 a 9 ou "
                   "101 a 104): %1")
                   .arg(notacao);
        return std::nullopt;
    }
    const QStringView parametros = notacao.mid(doisPontos + 1);
    if (parametros.contains(u'\n') || parametros.contains(u'\r')) {
        erro = QStringLiteral("quebra de linha dentro dos parâmetros: %1").arg(notacao);
        return std::nullopt;
    }
    return QByteArray(1, char(Protocolo::CodigoDoComando(*comando))) + ' ' +
           TextoSeteBits(parametros) + '\n';
}
