#include "desenho/fontes/Fontes.h"

#include <array>

namespace {

struct TSubstituicao {
    const char* windows;
    std::array<const char*, 2> livres;
};

// Liberation fonts share the metrics of Arial, Arial Narrow, Times New Roman and Courier New.
// Tahoma and Lucida Console have no metric twin: Liberation Sans is the closest in width to
// Tahoma, DejaVu Sans Mono to Lucida Console.
constexpr std::array<TSubstituicao, 7> kSubstituicoes = {{
    {"Tahoma", {"Liberation Sans", "DejaVu Sans"}},
    {"Arial", {"Liberation Sans", "DejaVu Sans"}},
    {"Arial Narrow", {"Liberation Sans Narrow", "DejaVu Sans Condensed"}},
    {"Courier New", {"Liberation Mono", "DejaVu Sans Mono"}},
    {"Lucida Console", {"DejaVu Sans Mono", "Liberation Mono"}},
    {"Times New Roman", {"Liberation Serif", "DejaVu Serif"}},
    {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
}};

}  // namespace

namespace Fontes {

QStringList Familias(const QString& nomeWindows) {
    QStringList familias{nomeWindows};
    for (const TSubstituicao& s : kSubstituicoes) {
        if (nomeWindows.compare(QLatin1String(s.windows), Qt::CaseInsensitive) != 0)
            continue;
        for (const char* livre : s.livres)
            familias << QString::fromLatin1(livre);
        break;
    }
    return familias;
}

QFont Fonte(const QString& nomeWindows, int alturaCaractere, bool negrito) {
    QFont fonte;
    fonte.setFamilies(Familias(nomeWindows));
    fonte.setPixelSize(alturaCaractere);
    fonte.setBold(negrito);
    return fonte;
}

}  // namespace Fontes
