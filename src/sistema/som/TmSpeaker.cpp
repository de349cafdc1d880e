#include "sistema/som/TmSpeaker.h"

#include <QFile>
#include <QProcess>
#include <QtEndian>
#include <cmath>
#include <numbers>

#include "base/CaminhoWindows.h"
#include "sistema/processos/Execucao.h"

namespace {

constexpr int kTaxa = 44100;
constexpr int kAmostrasFade = kTaxa / 200;  // 5 ms

bool FrequenciaValida(int freq) {
    return freq >= 37 && freq <= 32767;
}

void Sino() {
    QFile terminal(QStringLiteral("/dev/tty"));
    if (terminal.open(QIODevice::WriteOnly))
        terminal.write("\a");
}

bool Tocar(const QString& programa, const QStringList& argumentos, const QByteArray& amostras) {
    QProcess tocador;
    tocador.setStandardOutputFile(QProcess::nullDevice());
    tocador.setStandardErrorFile(QProcess::nullDevice());
    tocador.start(programa, argumentos);
    if (!tocador.waitForStarted())
        return false;
    tocador.write(amostras);
    tocador.closeWriteChannel();
    return tocador.waitForFinished() && tocador.exitStatus() == QProcess::NormalExit &&
           tocador.exitCode() == 0;
}

void TomNoSistema(int freq, int msecs) {
    const QByteArray amostras = TmSpeaker::AmostrasTom(freq, msecs);
    const QString taxa = QString::number(kTaxa);
    if (Tocar(QStringLiteral("pw-play"),
              {QStringLiteral("--rate"), taxa, QStringLiteral("--channels"), QStringLiteral("1"),
               QStringLiteral("--format"), QStringLiteral("s16"), QStringLiteral("-")},
              amostras) ||
        Tocar(QStringLiteral("paplay"),
              {QStringLiteral("--raw"), QStringLiteral("--rate=") + taxa,
               QStringLiteral("--channels=1"), QStringLiteral("--format=s16le")},
              amostras) ||
        Tocar(QStringLiteral("aplay"),
              {QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("raw"),
               QStringLiteral("-f"), QStringLiteral("S16_LE"), QStringLiteral("-r"), taxa,
               QStringLiteral("-c"), QStringLiteral("1")},
              amostras))
        return;
    Sino();
    TmRot::Delay(msecs);
}

TSaidaSom SaidaPadrao() {
    return {TomNoSistema, Sino, TmRot::Delay};
}

TSaidaSom& Saida() {
    static TSaidaSom saida = SaidaPadrao();
    return saida;
}

}  // namespace

namespace TmSpeaker {

void InstalarSaida(TSaidaSom saida) {
    const TSaidaSom padrao = SaidaPadrao();
    Saida() = {saida.Tom ? saida.Tom : padrao.Tom, saida.SomErro ? saida.SomErro : padrao.SomErro,
               saida.Pausa ? saida.Pausa : padrao.Pausa};
}

void RestaurarSaida() {
    Saida() = SaidaPadrao();
}

QByteArray AmostrasTom(int Freq, int MSecs) {
    if (!FrequenciaValida(Freq) || MSecs <= 0)
        return {};
    const qsizetype total = static_cast<qsizetype>(MSecs) * kTaxa / 1000;
    QByteArray amostras(total * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < total; ++i) {
        const double fade =
            std::min({1.0, double(i) / kAmostrasFade, double(total - 1 - i) / kAmostrasFade});
        const double valor = 0.5 * fade * std::sin(2 * std::numbers::pi * Freq * double(i) / kTaxa);
        qToLittleEndian(static_cast<qint16>(std::lround(valor * 32767)), amostras.data() + i * 2);
    }
    return amostras;
}

void PlaySound(int Freq, int MSecs) {
    if (FrequenciaValida(Freq) && MSecs > 0)
        Saida().Tom(Freq, MSecs);
}

void Bip() {
    PlaySound(2000, 100);
}

void SomOK() {
    PlaySound(2000, 85);
    Saida().Pausa(50);
    PlaySound(2000, 85);
}

void BipErro(int Velocidade) {
    if (QFile::exists(CaminhoWindows::Mapear(QStringLiteral("C:\\FLAG.TXT")))) {
        Saida().SomErro();
        return;
    }
    for (int tom = 0; tom < 3; ++tom) {
        if (tom > 0)
            Saida().Pausa(Velocidade);
        PlaySound(1000, 220);
    }
}

void NoSound() {}

}  // namespace TmSpeaker
