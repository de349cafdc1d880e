#include "display/estado/FormatoValor.h"

#include "texto/conversao/TmStrNumeros.h"

QString FormataValor(Currency valor) {
    return TmStr::Formata(valor, QStringLiteral("#,##0.00"), false);
}
