#pragma once
// The federative units (unit mRotinas' state table, and the state texts of mString): records of
// the 27 states with their IBGE numbers and state registration lengths, the state names, and
// the codes a caller may write (the 27 states and FN, Fernando de Noronha). Codes are matched
// exactly in upper case by the table's operations; EstadoExtenso and IsEstadoValido upper-case
// their argument first.

#include <QList>
#include <QString>

#include "base/mLib.h"
#include "sistema/ExportacaoSistemaDocumentos.h"

struct ORVANE_SISTEMADOCUMENTOS_EXPORT TUnidadeFederativa {
    QString Sigla;
    int IBGE = 0;
    QList<int> Tamanho;  // the lengths a state registration of the state may have

    void Limpar();
};

namespace TmUF {

// The record of that exact code, or a cleared record.
ORVANE_SISTEMADOCUMENTOS_EXPORT TUnidadeFederativa Dados(const QString& aiUF);
// The IBGE number of the code (0 when absent) and the code of a number ("" when absent).
ORVANE_SISTEMADOCUMENTOS_EXPORT int IBGE(const QString& aiUF);
ORVANE_SISTEMADOCUMENTOS_EXPORT QString Sigla(int aiIBGE);
// asIE trimmed, when its length is one of the state's; otherwise filled with "0" on the left to
// the state's first length (cut to its last characters when longer). An unknown state gives the
// trimmed text unchanged.
ORVANE_SISTEMADOCUMENTOS_EXPORT QString GetIEValidada(const QString& asIE, const QString& asUF);

}  // namespace TmUF

namespace TmStr {

// «pe» gives «Pernambuco»; an unknown code the empty text.
ORVANE_SISTEMADOCUMENTOS_EXPORT QString EstadoExtenso(const QString& Estado);
// True exactly for the 27 codes and FN, in any case.
ORVANE_SISTEMADOCUMENTOS_EXPORT bool IsEstadoValido(const QString& Estado);

}  // namespace TmStr
