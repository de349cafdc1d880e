#include "display/telas/FormatoValor.h"

#include "text/conversao/TmStrNumeros.h"

QString FormataValor(Currency valor) {
    return TmStr::Formata(valor, QStringLiteral("#,##0.00"), false);
}
