#include "registro/aguarde/FlagsAguarde.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <limits>

#include "base/CaminhoWindows.h"
#include "base/CodePage.h"

namespace {

const QString& ArquivoModo() {
    static const QString arquivo =
        QStringLiteral("C:\\corvel\\Config\\VESTRA\\Flags\\AguardeShow.txt");
    return arquivo;
}

const QString& ArquivoTempo() {
    static const QString arquivo = QStringLiteral("C:\\Corvel\\Config\\QEV\\Flags\\TEMPO.txt");
    return arquivo;
}

// hh:nn:ss with the hours not wrapped (at least two digits).
QString HorasMinutosSegundos(qint64 ms) {
    const qint64 segundos = std::max<qint64>(ms, 0) / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(segundos / 3600, 2, 10, QLatin1Char('0'))
        .arg(segundos / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(segundos % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

int FlagsAguarde::ModoDaLinha(const QString& primeiraLinha) {
    bool ok = false;
    const int modo = primeiraLinha.trimmed().toInt(&ok);
    return ok && modo >= 0 ? modo : kCentralizado;
}

int FlagsAguarde::LerModoAguarde() {
    QFile arquivo(CaminhoWindows::Mapear(ArquivoModo()));
    if (!arquivo.open(QIODevice::ReadOnly))
        return kCentralizado;
    // Only the first line matters; a huge file is not read whole. A file saved by Notepad carries
    // the UTF-8 mark, which must not make "1" unreadable.
    const QString inicio = CodePage::DeArquivo(arquivo.read(64));
    return ModoDaLinha(inicio.section(QRegularExpression(QStringLiteral("[\\r\\n]")), 0, 0));
}

bool FlagsAguarde::ReportarTempo() {
    return QFileInfo::exists(CaminhoWindows::Mapear(ArquivoTempo()));
}

QString FlagsAguarde::TextoConcluido(qint64 decorridoMs) {
    const qint64 ms = std::max<qint64>(decorridoMs, 0);
    return QStringLiteral("Concluído! Tempo (MM:SS): %1:%2,%3")
        .arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

QString FlagsAguarde::TextoTempo(int posicao, int maximo, qint64 decorridoMs) {
    const qint64 decorrido = std::max<qint64>(decorridoMs, 0);
    const qint64 divisor = std::max(posicao, 1);
    const qint64 faltam = std::max<qint64>(qint64{maximo} - posicao, 0);
    // Rounded to the nearest millisecond; the product is taken in 128 bits and the estimate
    // saturates, so no elapsed time can overflow it.
    const __int128 estimativa = (__int128{faltam} * decorrido + divisor / 2) / divisor;
    const qint64 restante =
        static_cast<qint64>(std::min<__int128>(estimativa, std::numeric_limits<qint64>::max()));
    return QStringLiteral("%1/%2 - Decorrido %3 - Restante %4")
        .arg(posicao)
        .arg(maximo)
        .arg(HorasMinutosSegundos(decorrido), HorasMinutosSegundos(restante));
}
