#include "display/regras/FundoDoDia.h"

#include <QFileInfo>

#include "base/CaminhoWindows.h"
#include "base/mConst.h"

namespace FundoDoDia {

QString BaseDoDia(TDateTime data) {
    return QStringLiteral("c:\\frente\\skin\\Orvane_") +
           FormatSettings().ShortDayNames[DataHora::DayOfWeek(data) - 1];
}

QString BaseGeral() {
    return QStringLiteral("c:\\frente\\skin\\Orvane");
}

std::optional<QString> ArquivoDaBase(const QString& baseWindows) {
    for (const char* extensao : {".png", ".jpg"}) {
        const QString caminho = CaminhoWindows::Mapear(baseWindows + QLatin1String(extensao));
        if (QFileInfo(caminho).isFile())
            return caminho;
    }
    return std::nullopt;
}

std::optional<QString> Escolher(TDateTime data) {
    if (auto arquivo = ArquivoDaBase(BaseDoDia(data)))
        return arquivo;
    return ArquivoDaBase(BaseGeral());
}

}  // namespace FundoDoDia
