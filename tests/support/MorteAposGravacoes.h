#pragma once
// The kill tests of the writers, without windows of time: their helper process writes a line
// "gravou N" to its output after each save it completes (N the version or entry saved), and the
// test kills it once it has reported a chosen number of saves. The helper saves on without
// waiting, so the kill lands wherever it then is, mostly inside a later save.

#include <QProcess>
#include <cstdio>
#include <optional>

namespace MorteAposGravacoes {

// The line a helper writes after each completed save.
inline void Relatar(int numero) {
    std::printf("gravou %d\n", numero);
    std::fflush(stdout);
}

// The greatest number the helper reported, read until the process ends.
class Relatorio {
public:
    explicit Relatorio(QProcess& auxiliar) : auxiliar_(auxiliar) {}

    // Waits for `quantas` more reported saves, then kills the helper (SIGKILL) and waits for it.
    // False when the helper ended or stopped reporting for a minute before that.
    bool MatarApos(int quantas) {
        for (int vistas = 0; vistas < quantas;) {
            if (!auxiliar_.canReadLine() && !auxiliar_.waitForReadyRead(60'000))
                return false;
            while (vistas < quantas && auxiliar_.canReadLine())
                vistas += Ler(auxiliar_.readLine());
        }
        auxiliar_.kill();
        if (!auxiliar_.waitForFinished(30'000))
            return false;
        for (const QByteArray& linha : auxiliar_.readAllStandardOutput().split('\n'))
            Ler(linha);
        return true;
    }

    // The last save the helper reported as complete: it is on disk.
    std::optional<int> UltimaGravacao() const { return ultima_; }

private:
    bool Ler(const QByteArray& linha) {
        int numero = 0;
        if (std::sscanf(linha.constData(), "gravou %d", &numero) != 1)
            return false;
        if (!ultima_ || numero > *ultima_)
            ultima_ = numero;
        return true;
    }

    QProcess& auxiliar_;
    std::optional<int> ultima_;
};

}  // namespace MorteAposGravacoes
