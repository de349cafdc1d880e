// The dataset's Select normalisation and its SQL log lines on any text. Besides the sanitizers'
// checks: a SHOW, INSERT or UPDATE statement runs exactly as trimmed; any other text runs as
// "select " followed by the trimmed text less one leading "select" (any case); the log keeps at
// most its 1000 last lines and adds the header and the SQL, whatever the lines held.
#include <fuzzer/FuzzedDataProvider.h>

#include <QString>
#include <QStringList>

#include "Exigir.h"
#include "registro/dataset/TdbxDataSet.h"

namespace {

bool ComecaCom(const QString& texto, const char* inicio) {
    return texto.startsWith(QLatin1String(inicio), Qt::CaseInsensitive);
}

void VerificarNormalizacao(const QString& sql) {
    const QString normal = dbxDataSet::NormalizaSelect(sql);
    QString aparado = sql;
    while (!aparado.isEmpty() && aparado.front() <= u' ')
        aparado.remove(0, 1);
    while (!aparado.isEmpty() && aparado.back() <= u' ')
        aparado.chop(1);
    if (ComecaCom(aparado, "SHOW") || ComecaCom(aparado, "INSERT") || ComecaCom(aparado, "UPDATE"))
        return Exigir(normal == aparado);
    Exigir(normal.startsWith(QLatin1String("select ")));
    Exigir(normal.mid(7) == (ComecaCom(aparado, "SELECT") ? aparado.mid(6) : aparado));
}

void VerificarLog(const QStringList& linhas, const QString& sql) {
    const QStringList log = dbxDataSet::LinhasLogSQL(linhas, sql, QStringLiteral("fuzz"));
    const qsizetype mantidas = std::min<qsizetype>(linhas.size(), 1000);
    Exigir(log.size() == mantidas + 2);
    Exigir(log.mid(0, mantidas) == linhas.mid(linhas.size() - mantidas));
    Exigir(!log.last().contains(QLatin1String("  ")));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    FuzzedDataProvider entrada(dados, tamanho);
    const int repeticoes = entrada.ConsumeIntegralInRange(0, 1500);
    const QString linha = QString::fromUtf8(entrada.ConsumeRandomLengthString(64));
    const QString sql = QString::fromUtf8(entrada.ConsumeRemainingBytesAsString());
    VerificarNormalizacao(sql);
    QStringList linhas;
    for (int i = 0; i < repeticoes; ++i)
        linhas << linha + QString::number(i);
    VerificarLog(linhas, sql);
    return 0;
}
