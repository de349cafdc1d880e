// Lines per second through the command channel over loopback: read, cut, decoded and handed to
// the pending slot, with 1 and with 100 connections, beside a reference reader on the same
// traffic: one thread with a plain poll/recv loop that only counts line feeds.
//
// Each iteration connects the clients (untimed), then times sending every line and closing, up
// to the moment the reader has consumed every connection to its end. A reader that dropped lines
// would look faster, so an iteration counts only when every line went out, every connection was
// read to its end (the reader closed none before, as it would a line past the length limit), and
// the last line sent, the same last line on every connection, is the last one the channel
// dispatched; otherwise the benchmark skips with an error.

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <atomic>

#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "ConexaoLoopback.h"
#include "display/canal/CanalComandos.h"

namespace {

constexpr int kLinhas = 100'000;

// A command 1 line of one item, as the POS sends it.
const std::string kLinha =
    "\x01 17|7891234567895|ARROZ PARBOILIZADO TIPO 1 5KG|2|UN|21,90|43,80||0|0|0\r\n";

bool EnviarTudo(int s, const char* dados, size_t bytes) {
    for (size_t feito = 0; feito < bytes;) {
        const ssize_t n = ::send(s, dados + feito, bytes - feito, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        feito += size_t(n);
    }
    return true;
}

// Sends kLinhas lines spread over the connections, a block per connection in turn, the last line
// of each being `ultima`, then ends the sending side of each. Blocking sends: the reader drains
// every connection, so each send completes. False when a send failed: the reader closed the
// connection.
bool EnviarTudoEEncerrar(const std::vector<int>& conexoes, const std::string& ultima) {
    const int porConexao = kLinhas / int(conexoes.size());
    const int linhasPorBloco = std::min(porConexao, 512);
    std::string bloco;
    for (int i = 0; i < linhasPorBloco; ++i)
        bloco += kLinha;
    bool enviando = true;
    for (int enviadas = 0; enviando && enviadas < porConexao - 1; enviadas += linhasPorBloco) {
        const size_t bytes =
            size_t(std::min(linhasPorBloco, porConexao - 1 - enviadas)) * kLinha.size();
        for (int s : conexoes)
            enviando = enviando && EnviarTudo(s, bloco.data(), bytes);
    }
    for (int s : conexoes) {
        enviando = enviando && EnviarTudo(s, ultima.data(), ultima.size());
        ::shutdown(s, SHUT_WR);
    }
    return enviando;
}

// Closes the connections once the reader has: true when it ended every one in order, having read
// it to its end, rather than resetting it with data unread.
bool FecharTodas(const std::vector<int>& conexoes) {
    bool inteiras = true;
    for (int s : conexoes) {
        char byte;
        inteiras = inteiras && ::recv(s, &byte, 1, 0) == 0;
        ::close(s);
    }
    return inteiras;
}

// The last line of every connection in iteration i, a command 1 line like the others.
std::string UltimaLinha(long iteracao) {
    return "\x01 " + std::to_string(iteracao) + "|7891234567895|ULTIMA|1|UN|1,00|1,00||0|0|0\n";
}

// Connects one by one, never more than a few ahead of the connections the reader has accepted:
// the channel listens with a backlog of 15, and a handshake beyond it is dropped and retried by
// the kernel only seconds later.
template <typename Aceitas>
std::vector<int> ConectarTodas(quint16 porta, int quantas, Aceitas&& aceitas) {
    std::vector<int> conexoes;
    for (int i = 0; i < quantas; ++i) {
        while (i - aceitas() >= 8)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        conexoes.push_back(Conectar(porta));
    }
    while (aceitas() < quantas)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    return conexoes;
}

template <typename Condicao>
void Aguardar(Condicao&& pronto) {
    while (!pronto()) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

void Canal(benchmark::State& state) {
    const int quantas = int(state.range(0));
    CanalComandos canal;
    QString erro;
    if (!canal.Ativar(0, erro)) {
        state.SkipWithError(erro.toStdString().c_str());
        return;
    }
    QString despachada;
    QObject::connect(&canal, &CanalComandos::Comando,
                     [&](int, const QString& parametros) { despachada = parametros; });
    long iteracao = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::vector<int> conexoes =
            ConectarTodas(canal.Porta(), quantas, [&] { return canal.Conexoes(); });
        const std::string ultima = UltimaLinha(++iteracao);
        state.ResumeTiming();
        const bool enviadas = EnviarTudoEEncerrar(conexoes, ultima);
        // Every connection is closed by the channel once it has read it to its end.
        Aguardar([&] { return canal.Conexoes() == 0; });
        state.PauseTiming();
        const bool inteiras = FecharTodas(conexoes);
        const QString esperada = QString::fromLatin1(ultima.substr(2, ultima.size() - 3));
        const auto prazo = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        Aguardar(
            [&] { return despachada == esperada || std::chrono::steady_clock::now() > prazo; });
        if (!enviadas || !inteiras || despachada != esperada) {
            state.SkipWithError(!enviadas || !inteiras
                                    ? "the channel closed a connection before its end"
                                    : "the channel did not dispatch the last line sent");
            return;
        }
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kLinhas);
}

// The reference: accepts the connections, then polls them and counts line feeds until every one
// has been read to its end.
class LeitorReferencia {
public:
    LeitorReferencia() {
        escuta_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in endereco{};
        endereco.sin_family = AF_INET;
        endereco.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(escuta_, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco);
        ::listen(escuta_, 1024);
        socklen_t tamanho = sizeof endereco;
        ::getsockname(escuta_, reinterpret_cast<sockaddr*>(&endereco), &tamanho);
        porta_ = ntohs(endereco.sin_port);
    }
    ~LeitorReferencia() { ::close(escuta_); }
    quint16 Porta() const { return porta_; }
    int Aceitas() const { return aceitas_; }

    // Serves `quantas` connections on a thread; Concluir waits for it and gives the lines counted.
    void Iniciar(int quantas) {
        linhas_ = 0;
        aceitas_ = 0;
        thread_ = std::thread([this, quantas] { Servir(quantas); });
    }
    long Concluir() {
        thread_.join();
        return linhas_;
    }

private:
    void Servir(int quantas) {
        std::vector<pollfd> abertas;
        for (int i = 0; i < quantas; ++i) {
            abertas.push_back({::accept(escuta_, nullptr, nullptr), POLLIN, 0});
            ++aceitas_;
        }
        std::vector<char> bloco(64 * 1024);
        while (!abertas.empty()) {
            ::poll(abertas.data(), abertas.size(), -1);
            for (size_t i = 0; i < abertas.size();) {
                if (abertas[i].revents == 0) {
                    ++i;
                    continue;
                }
                const ssize_t n = ::recv(abertas[i].fd, bloco.data(), bloco.size(), 0);
                if (n <= 0) {
                    ::close(abertas[i].fd);
                    abertas[i] = abertas.back();
                    abertas.pop_back();
                    continue;
                }
                for (const char* p = bloco.data();
                     (p = static_cast<const char*>(std::memchr(p, '\n', bloco.data() + n - p)));
                     ++p)
                    ++linhas_;
                ++i;
            }
        }
    }

    int escuta_ = -1;
    quint16 porta_ = 0;
    std::thread thread_;
    long linhas_ = 0;
    std::atomic<int> aceitas_ = 0;
};

void Canal_LeitorReferencia(benchmark::State& state) {
    const int quantas = int(state.range(0));
    LeitorReferencia leitor;
    for (auto _ : state) {
        state.PauseTiming();
        leitor.Iniciar(quantas);
        const std::vector<int> conexoes =
            ConectarTodas(leitor.Porta(), quantas, [&] { return leitor.Aceitas(); });
        state.ResumeTiming();
        const bool enviadas = EnviarTudoEEncerrar(conexoes, kLinha);
        const long linhas = leitor.Concluir();
        state.PauseTiming();
        if (!FecharTodas(conexoes) || !enviadas || linhas != kLinhas / quantas * quantas) {
            state.SkipWithError("the reference reader lost lines");
            return;
        }
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kLinhas);
}

}  // namespace

BENCHMARK(Canal)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Canal_LeitorReferencia)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
