#include "texto/config/DecodificacoesRecentes.h"

#include <QMutex>
#include <deque>

namespace DecodificacoesRecentes {

std::shared_ptr<const TLinhasCarregadas> Decodificar(const QByteArray& bytes,
                                                     std::optional<TCodificacao> pedida) {
    constexpr std::size_t kGuardadas = 4;
    constexpr qsizetype kMaiorGuardada = 1 << 20;
    static QMutex mutex;
    static std::deque<std::shared_ptr<const TLinhasCarregadas>> recentes;  // most recent first
    {
        const QMutexLocker trava(&mutex);
        for (auto it = recentes.begin(); it != recentes.end(); ++it) {
            if ((*it)->pedida != pedida || (*it)->bytes != bytes)
                continue;
            auto achada = *it;
            recentes.erase(it);
            recentes.push_front(achada);
            return achada;
        }
    }
    auto nova = std::make_shared<const TLinhasCarregadas>(bytes, pedida);
    if (bytes.size() <= kMaiorGuardada) {
        const QMutexLocker trava(&mutex);
        recentes.push_front(nova);
        if (recentes.size() > kGuardadas)
            recentes.pop_back();
    }
    return nova;
}

}  // namespace DecodificacoesRecentes
