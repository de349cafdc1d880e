#pragma once
// PIX BR Codes: the "copia e cola" text of a PIX QR code, in the EMV merchant-presented format
// the Central Bank's BR Code rules fix. A code is a run of fields, each a two-digit id, a
// two-digit length and that many characters; fields 26 and 62 hold fields of their own. The last
// field is always "6304" and four upper-case hexadecimal digits: the CRC16-CCITT (polynomial
// 0x1021, start 0xFFFF, no reflection, no final xor) of every character before those four
// digits, "6304" included.
//
// Codes are ASCII only: readers decode them reliably, and the rules advise names and cities
// without accents. Montar folds accents away (Ç to C, é to e) and drops any other character
// outside printable ASCII; Ler refuses a code with such a character.
//
// Errors are Portuguese texts for the cashier's side, never exceptions.

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

#include "base/Currency.h"
#include "sistema/ExportacaoSistema.h"

namespace BrCode {

// Field limits of the rules (in characters).
inline constexpr int kMaxChave = 77;   // 26.01, the PIX key
inline constexpr int kMaxNome = 25;    // 59, the merchant's name
inline constexpr int kMaxCidade = 15;  // 60, the merchant's city
inline constexpr int kMaxTxid = 25;    // 62.05, the transaction id
inline constexpr int kMaxValor = 13;   // 54, the amount as "123.45"
inline constexpr int kMaxCampo = 99;   // any field's value

// A static charge: what the POS knows when it cannot make a code itself.
struct TCobranca {
    QString Chave;   // e-mail, phone (+55...), CPF/CNPJ digits or random key
    Currency Valor;  // 0: the payer types the amount
    QString NomeRecebedor;
    QString Cidade;
    QString Txid;  // letters and digits only; empty: "***" (none)
};

// The static BR Code of a charge. The name and city are folded to ASCII and cut to their limits
// (the rules allow that; the key decides where the money goes, not the name). The key, the
// amount and the txid are never changed: an empty or too long key, a key with characters
// outside printable ASCII, a negative or too large amount, an amount with fractions of a cent,
// an empty name or city, or a txid that is not 1 to 25 letters and digits is an error: nothing
// is returned and erro says why.
ORVANE_SISTEMA_EXPORT std::optional<QString> Montar(const TCobranca& cobranca, QString& erro);

// One field: id and value.
struct TCampo {
    QString Id;
    QString Valor;

    bool operator==(const TCampo&) const = default;
};

// Reads a code: printable ASCII only, well-formed fields to the very end, "000201" first, the
// CRC field last with the right CRC (its hex digits in either case). Returns the top-level
// fields (the CRC field included); on failure nothing, and erro says why.
ORVANE_SISTEMA_EXPORT std::optional<QList<TCampo>> Ler(QStringView codigo, QString& erro);

// The fields inside a template field's value (26 or 62); nothing when they are not well formed.
ORVANE_SISTEMA_EXPORT std::optional<QList<TCampo>> Subcampos(QStringView valor);

// CRC16-CCITT (0x1021, start 0xFFFF) of the bytes.
ORVANE_SISTEMA_EXPORT quint16 Crc16(QByteArrayView dados);

}  // namespace BrCode
