#pragma once
// State registrations of every state and length for comparisons: random bodies with one of the
// state's prefixes, each with every value of its check-digit places, so that about one in a
// hundred (one in ten for a single check digit) is valid.

#include <QString>
#include <initializer_list>

#include "Diferencial.h"

struct FormatoIE {
    const char* uf;
    int tamanho;
    std::initializer_list<const char*> prefixos;
    int verificador1, verificador2;  // 1-based places whose values are all tried
};

inline const FormatoIE kFormatosIE[] = {
    {"AC", 13, {"01"}, 12, 13},
    {"AL", 9, {"24"}, 8, 9},
    {"AP", 9, {"03"}, 8, 9},
    {"AM", 9, {}, 8, 9},
    {"BA", 8, {}, 7, 8},
    {"BA", 9, {}, 8, 9},
    {"CE", 9, {}, 8, 9},
    {"DF", 13, {"07"}, 12, 13},
    {"ES", 9, {}, 8, 9},
    {"GO", 9, {"10", "11", "15"}, 8, 9},
    {"MA", 9, {"12"}, 8, 9},
    {"MG", 13, {}, 12, 13},
    {"MS", 9, {"28"}, 8, 9},
    {"MT", 11, {}, 10, 11},
    {"PA", 9, {"15"}, 8, 9},
    {"PB", 9, {"16"}, 8, 9},
    {"PE", 9, {}, 8, 9},
    {"PE", 14, {"18"}, 13, 14},
    {"PI", 9, {"19"}, 8, 9},
    {"PR", 10, {}, 9, 10},
    {"RJ", 8, {}, 7, 8},
    {"RN", 9, {"20"}, 8, 9},
    {"RN", 10, {"20"}, 9, 10},
    {"RO", 14, {}, 13, 14},
    {"RR", 9, {"24"}, 8, 9},
    {"RS", 10, {"0", "1", "2", "3", "4"}, 9, 10},
    {"SC", 9, {"25"}, 8, 9},
    {"SE", 9, {}, 8, 9},
    {"SP", 12, {}, 9, 12},
    {"TO", 9, {"2901", "2902", "2903", "2999"}, 8, 9},
    {"TO", 11, {"2901", "2902", "2903", "2999"}, 10, 11},
};

template <typename F>
void CandidatosIE(Gerador& gerador, int corpos, F&& cada) {
    for (const FormatoIE& f : kFormatosIE) {
        for (int i = 0; i < corpos; ++i) {
            QString numero = gerador.Texto(f.tamanho);
            if (f.prefixos.size()) {
                const QString prefixo = QString::fromLatin1(
                    f.prefixos.begin()[gerador.Inteiro(0, int(f.prefixos.size()) - 1)]);
                numero.replace(0, prefixo.size(), prefixo);
            }
            for (int v = 0; v < 100; ++v) {
                numero[f.verificador1 - 1] = QChar(char16_t(u'0' + v / 10));
                numero[f.verificador2 - 1] = QChar(char16_t(u'0' + v % 10));
                cada(QString::fromLatin1(f.uf), numero);
            }
        }
    }
}
