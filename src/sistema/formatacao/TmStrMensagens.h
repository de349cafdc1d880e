#pragma once
// Portuguese messages for the user: the faults of an e-mail address, and the sentence that
// explains an error caught by the program.

#include <QString>
#include <QStringView>
#include <exception>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmStr {

// True when asEmail passes every check; otherwise false with one message per fault in
// osMsgErro, separated by carriage returns, in this order: more than one at sign; no at sign;
// at sign first or last; no "." from the at sign on (from the start when there is none); "."
// first or last; "..", "@." or ".@" (one message); then each character other than a to z, A to
// Z, digits, "-", ".", "_" and "@", one message per occurrence. An empty text gets the missing
// at sign alone.
ORVANE_SISTEMA_EXPORT bool IsEmailValido(QStringView asEmail, QString& osMsgErro);

// A Portuguese sentence for the kind of error, two carriage returns, then the error's own message
// (an empty sentence for the kinds below that have none). Each kind of the platform the library
// was written on is played here by the C++ error that takes its role, tested in this order:
//   EConvertError          EConvertError
//   EDivByZero             EDivByZero (of the library's integer arithmetic)
//   EInOutError            EInOutError
//   EIntOverflow           EIntOverflow
//   EInvalidCast           std::bad_cast (a failed dynamic_cast or any_cast)
//   EInvalidOp             std::domain_error (a mathematical operation outside its domain)
//   EOutOfMemory           std::bad_alloc
//   EOverflow              std::overflow_error
//   ERangeError            std::out_of_range (a checked index or a number beyond its type, as
//                          std::stoi raises it), except EListError, which has no sentence
//   EUnderflow             std::underflow_error
//   EVariantError          std::bad_variant_access
// Kinds with no C++ counterpart are never raised here and have no sentence: an access violation
// and a call of an abstract method end the program instead; a floating division by zero is
// EDivByZero; the database layer's errors are above this library's layer. Every other error
// (the silent abort included) has an empty sentence.
ORVANE_SISTEMA_EXPORT QString GetErrorMessage(const std::exception& e);

}  // namespace TmStr
