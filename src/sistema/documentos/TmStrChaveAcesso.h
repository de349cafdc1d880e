#pragma once
// The 44-character access key of electronic fiscal documents (NF-e, NFC-e, CT-e, CF-e, MDF-e):
// composition, its control code, its display form, and the check of a received key against the
// fields it should be made of.
//
// Layout, 1-based: state IBGE number (1-2), year and month «YYMM» (3-6), issuer CNPJ (7-20),
// model (21-22), series (23-25), number (26-34), emission type (35), control code (36-43),
// modulus-11 check digit (44). The issuer CNPJ may be alphanumeric; its letters count in the
// check digit by their value (code minus 48) and are upper-cased on input.

#include <QString>
#include <stdexcept>

#include "base/ErroComMensagem.h"
#include "base/TDateTime.h"
#include "base/mLib.h"
#include "sistema/ExportacaoSistemaDocumentos.h"

// The model a document puts in its access key: 55, 65, 57, 60 and 58.
enum TModeloDocumentoEletronico { mdeNFe, mdeNFCe, mdeCTe, mdeCFe, mdeMDFe };

// A received access key that is not 44 characters long, or a field that disagrees with it.
class EChaveAcesso : public TErroComMensagem<std::runtime_error> {
public:
    using TErroComMensagem::TErroComMensagem;
};

namespace TmStr {

// The key of a document: asUF's IBGE number, the emission date's «YYMM», asCNPJEmissor (its
// marks dropped) filled with "0" on the left to 14 characters or cut to its last 14, the model,
// aiSerie in 3 and aiNumero in 9 zero-filled digits, aiTpEmissao, the control code in 8 digits
// and the check digit. The control code is aiControle when it is not -1; otherwise, from
// 2 September 2019 on (the base clock's today), GetCodigoParaNFe of the number and the emission
// date, and before that the number itself.
ORVANE_SISTEMADOCUMENTOS_EXPORT QString CalculaChaveEletronica(
    const QString& asUF, TDateTime ahDtEmisDocto, const QString& asCNPJEmissor,
    TModeloDocumentoEletronico aeTipo, int aiSerie, int aiNumero, int aiTpEmissao, int aiControle);

// The 8-digit control code of a document, never equal to its number: from the years since
// 2018, the day of the year and the number's digits reversed, with a check digit, kept to 8
// digits; a code that starts with four ascending digits or repeats one digit is made again from
// the next day. For dates before 2018 the years before 2018 are counted instead (no sign).
ORVANE_SISTEMADOCUMENTOS_EXPORT int GetCodigoParaNFe(int Numero, TDateTime dataVenda);

// A leading run of non-digits («NFe») followed by a blank, then the rest in groups of four
// separated by blanks: eleven groups for a 44-character key.
ORVANE_SISTEMADOCUMENTOS_EXPORT QString FormataChaveNFe(const QString& Valor);

}  // namespace TmStr

namespace TmRot {

// Checks a received key against the fields it should hold; raises EChaveAcesso for a key of
// another length than 44 or at the first field that disagrees, with a text that names the field
// and marks its place in the key. An empty key (after trimming) checks nothing; an empty field
// is skipped. A field agrees with the key when the trimmed value, right-aligned or left-aligned
// in the field's width with "0" as fill, equals the key's characters there. Series 890 to 899
// (documents issued by a person, not a company) skip the issuer CNPJ. Letters are compared
// without regard to case.
ORVANE_SISTEMADOCUMENTOS_EXPORT void ValidaChaveAcesso(
    const QString& asChaveAcesso, const QString& asUF, const QString& asAAMM, const QString& asCNPJ,
    const QString& asMod, const QString& asSerie, const QString& asNrNF, const QString& asTpEmis,
    const QString& asDV);

}  // namespace TmRot
