#include "registro/diario/Diario.h"

#include <QDateTime>

#include <array>
#include <atomic>
#include <cstdio>

namespace Diario {

namespace {

constexpr std::array<const char*, 4> kNomes = {"ERRO", "AVISO", "INFO", "DEPURACAO"};

std::atomic<ENivel> nivel_ = kNivelPadrao;
std::atomic<bool> detalhesVenda_ = false;

QString Escapado(QStringView mensagem) {
    QString texto;
    texto.reserve(mensagem.size());
    for (const QChar c : mensagem) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F ||
            (c.unicode() >= 0x80 && c.unicode() < 0xA0))
            texto += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            texto += c;
    }
    return texto;
}

}  // namespace

std::optional<ENivel> NivelPorNome(QStringView nome) {
    for (std::size_t i = 0; i < kNomes.size(); ++i) {
        if (nome.trimmed().compare(QLatin1StringView(kNomes[i]), Qt::CaseInsensitive) == 0)
            return static_cast<ENivel>(i);
    }
    return std::nullopt;
}

void DefinirNivel(ENivel nivel) {
    nivel_ = nivel;
}

ENivel Nivel() {
    return nivel_;
}

bool Registra(ENivel nivel) {
    return nivel <= nivel_.load();
}

void DefinirDetalhesVenda(bool ligado) {
    detalhesVenda_ = ligado;
}

bool DetalhesVenda() {
    return detalhesVenda_;
}

QByteArray Linha(ENivel nivel, QStringView mensagem) {
    const QString hora =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    return (hora + QLatin1Char(' ') + QLatin1StringView(kNomes[std::size_t(nivel)]) +
            QLatin1Char(' ') + Escapado(mensagem) + QLatin1Char('\n'))
        .toUtf8();
}

void Escrever(ENivel nivel, QStringView mensagem) {
    if (!Registra(nivel))
        return;
    const QByteArray linha = Linha(nivel, mensagem);
    std::fwrite(linha.constData(), 1, std::size_t(linha.size()), stderr);  // one locked write
    std::fflush(stderr);
}

}  // namespace Diario
