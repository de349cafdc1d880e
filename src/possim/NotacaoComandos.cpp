#include "NotacaoComandos.h"

namespace {

// The character that carries the command's code, or 0 for a code not in use.
char CaractereDoCodigo(QStringView codigo) {
    if (codigo.size() == 1 && codigo[0] >= u'e' && codigo[0] <= u'h') {
        return char(codigo[0].unicode());
    }
    bool numero = false;
    const int valor = codigo.toInt(&numero);
    if (!numero || codigo.startsWith(u'+')) {
        return 0;
    }
    if (valor >= 1 && valor <= 9) {
        return char(valor);
    }
    if (valor >= 101 && valor <= 104) {
        return char(valor);  // 'e' to 'h'
    }
    return 0;
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
    const char codigo = doisPontos < 0 ? 0 : CaractereDoCodigo(notacao.left(doisPontos));
    if (codigo == 0) {
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
    return QByteArray(1, codigo) + ' ' + TextoSeteBits(parametros) + '\n';
}
