#pragma once
// The PIX commands of the protocol: show a BR Code the POS made, build one from the charge's
// data, remove it. Their codes are letters no other command uses, so a display without them
// ignores them. The payment page shows the code as a QR code with a caption and the amount.
//
// Signing. With a shared secret set, a PIX command must end with a field of its own: the
// HMAC-SHA256, in hexadecimal (64 digits, either case), keyed with the secret's UTF-8 bytes, of
// the command's first character followed by its parameter text up to, not including, the '|'
// before that field. The second character of the line (never read) is not signed. A PIX command
// without a valid signature is refused whole. Without a secret, nothing is checked, and a field
// after those a command reads is ignored as always.

#include <QByteArray>
#include <QString>
#include <optional>

#include "base/Currency.h"
#include "display/protocolo/Protocolo.h"

namespace Protocolo {

// What the payment page shows: a BR Code whose CRC was checked, its caption and its amount
// (0: none shown).
struct TQrPix {
    QString Codigo;
    QString Legenda;
    Currency Valor;

    bool operator==(const TQrPix&) const = default;
};

// The caption when the POS sends none.
inline const QString kLegendaPixPadrao = QStringLiteral("Pague com PIX");

// Command 80 ('P'): 1 BR Code, 2 caption, 3 amount. Without field 3 (or with it empty) the amount
// is the code's own (field 54), if any. Nothing when the code field is missing or empty; an
// error (std::runtime_error with the reason) when the code is not a valid BR Code.
std::optional<TQrPix> LerExibirPix(const QString& parametros);

// Command 81 ('Q'), at least 5 fields: 1 PIX key, 2 amount, 3 merchant name, 4 city, 5 txid
// (may be empty), 6 caption. Nothing with fewer fields; an error (std::runtime_error with the
// reason) when no BR Code can be built from them (BrCode::Montar).
std::optional<TQrPix> LerMontarPix(const QString& parametros);

// Whether command 4 says the payment is done, which removes the code: the first mean is set and
// nothing is left to pay (change due or exact).
bool PagamentoConcluido(const TMeiosPagamento& meios);

// Commands 80, 81 and 82 ('R', remove: no parameters).
bool ComandoPix(EComando comando);

// The signature field of a PIX command's content (see above): 64 lower-case hex digits.
QString AssinaturaPix(int codigo, QStringView conteudo, const QByteArray& segredo);

// The parameter text without its signature field when the signature is valid; unchanged when
// the secret is empty; nothing when the command must be refused.
std::optional<QString> ParametrosAssinados(int codigo, const QString& parametros,
                                           const QByteArray& segredo);

}  // namespace Protocolo
