#include "display/telas/CorTexto.h"

#include <array>

#include "base/RtlNumeros.h"

namespace {

struct TCorNomeada {
    const char* nome;
    QRgb rgb;
};

constexpr std::array<TCorNomeada, 20> kCores = {{
    {"clBlack", 0x000000}, {"clMaroon", 0x800000},     {"clGreen", 0x008000},
    {"clOlive", 0x808000}, {"clNavy", 0x000080},       {"clPurple", 0x800080},
    {"clTeal", 0x008080},  {"clGray", 0x808080},       {"clSilver", 0xC0C0C0},
    {"clRed", 0xFF0000},   {"clLime", 0x00FF00},       {"clYellow", 0xFFFF00},
    {"clBlue", 0x0000FF},  {"clFuchsia", 0xFF00FF},    {"clAqua", 0x00FFFF},
    {"clWhite", 0xFFFFFF}, {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xA6CAF0},
    {"clCream", 0xFFFBF0}, {"clMedGray", 0xA0A0A4},
}};

}  // namespace

std::optional<QColor> CorDeTexto(QStringView texto) {
    for (const TCorNomeada& c : kCores)
        if (texto.compare(QLatin1String(c.nome), Qt::CaseInsensitive) == 0)
            return QColor(c.rgb);
    const std::optional<std::int32_t> valor = Rtl::TryStrToInt(texto);
    if (!valor)
        return std::nullopt;
    const auto bgr = static_cast<std::uint32_t>(*valor);
    if (bgr >> 24 != 0)
        return std::nullopt;
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}
