#include "FormatoValor.h"

#include "TmStr.h"

QString FormataValor(Currency valor) {
    return TmStr::Formata(valor.ToDouble(), QStringLiteral("#,##0.00"), false);
}
