#include "sistema/pix/BrCode.h"

#include <algorithm>

#include "texto/separacao/TmStrSepara.h"

namespace BrCode {
namespace {

const QString kGui = QStringLiteral("br.gov.bcb.pix");
const QString kCampoCrc = QStringLiteral("6304");
constexpr int kDigitosCrc = 4;
constexpr std::int64_t kEscalaCentavo = 100;  // Currency counts ten-thousandths

bool AsciiImprimivel(QChar c) {
    return c.unicode() >= 0x20 && c.unicode() <= 0x7E;
}

bool SoAsciiImprimivel(QStringView texto) {
    return std::all_of(texto.begin(), texto.end(), AsciiImprimivel);
}

bool Alfanumerico(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// Accents folded, other characters outside printable ASCII dropped, cut to the limit.
QString ParaAscii(QStringView texto, int limite) {
    QString ascii;
    for (QChar c : TmStr::RemoveAcentos(texto, true))
        if (AsciiImprimivel(c))
            ascii += c;
    return ascii.trimmed().left(limite);
}

QString Campo(QStringView id, QStringView valor) {
    return id.toString() + QStringLiteral("%1").arg(valor.size(), 2, 10, QLatin1Char('0')) +
           valor.toString();
}

QString Hex4(quint16 crc) {
    return QStringLiteral("%1").arg(crc, kDigitosCrc, 16, QLatin1Char('0')).toUpper();
}

quint16 CrcDoTexto(QStringView texto) {
    return Crc16(texto.toLatin1());
}

// "12.34": the amount in the form of field 54; nothing when it has fractions of a cent.
std::optional<QString> TextoValor(Currency valor) {
    if (valor.Raw() % kEscalaCentavo != 0)
        return std::nullopt;
    const std::int64_t centavos = valor.Raw() / kEscalaCentavo;
    return QStringLiteral("%1.%2").arg(centavos / 100).arg(centavos % 100, 2, 10, QLatin1Char('0'));
}

std::optional<QString> Falha(QString& erro, const QString& motivo) {
    erro = motivo;
    return std::nullopt;
}

}  // namespace

quint16 Crc16(QByteArrayView dados) {
    quint16 crc = 0xFFFF;
    for (const char byte : dados) {
        crc ^= static_cast<quint16>(static_cast<unsigned char>(byte) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? static_cast<quint16>((crc << 1) ^ 0x1021)
                                 : static_cast<quint16>(crc << 1);
    }
    return crc;
}

std::optional<QString> Montar(const TCobranca& cobranca, QString& erro) {
    if (cobranca.Chave.isEmpty() || cobranca.Chave.size() > kMaxChave ||
        !SoAsciiImprimivel(cobranca.Chave))
        return Falha(erro, QStringLiteral("Chave PIX inválida: vazia, com mais de %1 caracteres "
                                          "ou com caracteres fora do ASCII.")
                               .arg(kMaxChave));
    const std::optional<QString> valor = TextoValor(cobranca.Valor);
    if (cobranca.Valor < Currency() || !valor || valor->size() > kMaxValor)
        return Falha(erro, QStringLiteral("Valor do PIX inválido: negativo, grande demais ou "
                                          "com frações de centavo."));
    const QString nome = ParaAscii(cobranca.NomeRecebedor, kMaxNome);
    const QString cidade = ParaAscii(cobranca.Cidade, kMaxCidade);
    if (nome.isEmpty() || cidade.isEmpty())
        return Falha(erro, QStringLiteral("Nome e cidade do recebedor do PIX são obrigatórios."));
    const QString txid = cobranca.Txid.isEmpty() ? QStringLiteral("***") : cobranca.Txid;
    if (cobranca.Txid.size() > kMaxTxid ||
        (!cobranca.Txid.isEmpty() && !std::all_of(txid.begin(), txid.end(), Alfanumerico)))
        return Falha(erro, QStringLiteral("Identificador da transação do PIX inválido: até %1 "
                                          "letras e dígitos.")
                               .arg(kMaxTxid));

    QString codigo = Campo(u"00", u"01") +
                     Campo(u"26", Campo(u"00", kGui) + Campo(u"01", cobranca.Chave)) +
                     Campo(u"52", u"0000") + Campo(u"53", u"986");
    if (cobranca.Valor > Currency())
        codigo += Campo(u"54", *valor);
    codigo += Campo(u"58", u"BR") + Campo(u"59", nome) + Campo(u"60", cidade) +
              Campo(u"62", Campo(u"05", txid)) + kCampoCrc;
    return codigo + Hex4(CrcDoTexto(codigo));
}

std::optional<QList<TCampo>> Subcampos(QStringView valor) {
    QList<TCampo> campos;
    qsizetype i = 0;
    while (i < valor.size()) {
        if (valor.size() - i < 4)
            return std::nullopt;
        const QStringView id = valor.mid(i, 2);
        bool numero = false;
        const int tamanho = valor.mid(i + 2, 2).toInt(&numero);
        if (!numero || !std::all_of(id.begin(), id.end(), [](QChar c) { return c.isDigit(); }) ||
            !valor[i + 2].isDigit() || !valor[i + 3].isDigit() || tamanho < 1 ||
            i + 4 + tamanho > valor.size())
            return std::nullopt;
        campos.append({id.toString(), valor.mid(i + 4, tamanho).toString()});
        i += 4 + tamanho;
    }
    return campos;
}

std::optional<QList<TCampo>> Ler(QStringView codigo, QString& erro) {
    const auto invalido = [&](const QString& motivo) -> std::optional<QList<TCampo>> {
        erro = QStringLiteral("Código PIX inválido: %1.").arg(motivo);
        return std::nullopt;
    };
    if (!SoAsciiImprimivel(codigo))
        return invalido(QStringLiteral("caracteres fora do ASCII"));
    const std::optional<QList<TCampo>> campos = Subcampos(codigo);
    if (!campos || campos->isEmpty())
        return invalido(QStringLiteral("campos mal formados"));
    if (campos->first() != TCampo{QStringLiteral("00"), QStringLiteral("01")})
        return invalido(QStringLiteral("não começa com 000201"));
    if (campos->last().Id != kCampoCrc.left(2) || campos->last().Valor.size() != kDigitosCrc)
        return invalido(QStringLiteral("não termina com o CRC"));
    const QStringView semCrc = codigo.first(codigo.size() - kDigitosCrc);
    if (campos->last().Valor.toUpper() != Hex4(CrcDoTexto(semCrc)))
        return invalido(QStringLiteral("CRC errado"));
    return campos;
}

}  // namespace BrCode
