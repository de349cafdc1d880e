#include "display/protocolo/ComandosPix.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QStringList>
#include <stdexcept>

#include "display/protocolo/ListaSep.h"
#include "sistema/pix/BrCode.h"
#include "texto/conversao/TmConv.h"

namespace Protocolo {

namespace {

constexpr int kCamposMontarPix = 5;
constexpr int kDigitosAssinatura = 64;

QString Legenda(const QStringList& campos, int indice) {
    const QString legenda = campos.value(indice);
    return legenda.isEmpty() ? kLegendaPixPadrao : legenda;
}

// The amount of field 54, when the code has one.
Currency ValorDoCodigo(const QList<BrCode::TCampo>& campos) {
    for (const BrCode::TCampo& campo : campos)
        if (campo.Id == u"54")
            return Currency::FromDecimalC(campo.Valor.toStdString()).value_or(Currency());
    return Currency();
}

[[noreturn]] void Recusar(const QString& erro) {
    throw std::runtime_error(erro.toStdString());
}

}  // namespace

std::optional<TQrPix> LerExibirPix(const QString& parametros) {
    const QStringList campos = DividirCampos(parametros, u'|');
    if (campos.value(0).isEmpty())
        return std::nullopt;
    QString erro;
    const auto lidos = BrCode::Ler(campos[0], erro);
    if (!lidos)
        Recusar(erro);
    const QString valor = campos.value(2);
    return TQrPix{campos[0], Legenda(campos, 1),
                  valor.isEmpty() ? ValorDoCodigo(*lidos) : TmConv::Str2Curr(valor)};
}

std::optional<TQrPix> LerMontarPix(const QString& parametros) {
    const QStringList campos = DividirCampos(parametros, u'|');
    if (campos.size() < kCamposMontarPix)
        return std::nullopt;
    const BrCode::TCobranca cobranca{campos[0], TmConv::Str2Curr(campos[1]), campos[2], campos[3],
                                     campos[4]};
    QString erro;
    const std::optional<QString> codigo = BrCode::Montar(cobranca, erro);
    if (!codigo)
        Recusar(erro);
    return TQrPix{*codigo, Legenda(campos, 5), cobranca.Valor};
}

bool PagamentoConcluido(const TMeiosPagamento& meios) {
    return !meios.Meios[0].Titulo.isEmpty() && meios.TrocoOuFalta <= Currency();
}

bool ComandoPix(EComando comando) {
    return comando == EComando::ExibirCodigoPix || comando == EComando::MontarCodigoPix ||
           comando == EComando::RemoverCodigoPix;
}

QString AssinaturaPix(int codigo, QStringView conteudo, const QByteArray& segredo) {
    const QByteArray mensagem = (QString(QChar(codigo)) + conteudo.toString()).toUtf8();
    return QString::fromLatin1(
        QMessageAuthenticationCode::hash(mensagem, segredo, QCryptographicHash::Sha256).toHex());
}

std::optional<QString> ParametrosAssinados(int codigo, const QString& parametros,
                                           const QByteArray& segredo) {
    if (segredo.isEmpty())
        return parametros;
    const qsizetype barra = parametros.lastIndexOf(u'|');
    if (barra < 0 || parametros.size() - barra - 1 != kDigitosAssinatura)
        return std::nullopt;
    const QString conteudo = parametros.left(barra);
    const QByteArray esperada = AssinaturaPix(codigo, conteudo, segredo).toLatin1();
    const QByteArray recebida = parametros.mid(barra + 1).toLower().toLatin1();
    // Every digit compared, so the time does not tell how many were right.
    unsigned diferenca = 0;
    for (int i = 0; i < kDigitosAssinatura; ++i)
        diferenca |= unsigned(esperada[i] ^ recebida[i]);
    if (diferenca != 0)
        return std::nullopt;
    return conteudo;
}

}  // namespace Protocolo
