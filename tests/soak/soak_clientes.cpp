// The hostile side of the listener soak test, in a process of its own so that its sockets and
// threads do not count in the listener's process.
//
// Usage: soak_clientes PORT LINES MIN_SECONDS MAX_SECONDS IDLE QUIET_SECONDS
// Opens IDLE connections that never send, then runs 50 clients that together send about LINES
// lines (each client of one kind: plain, 20 000 bytes, NUL bytes, bytes above 127, lone
// carriage returns, one byte per 100 ms, or a partial line ended by an abrupt reset). The flood
// lasts at least MIN_SECONDS (the slow clients keep going) and at most MAX_SECONDS. Then it prints
// "FLUXO_FIM", keeps the idle connections open QUIET_SECONDS longer, prints "QUIETO_FIM", closes
// everything and prints the counts of lines per kind.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Relogio = std::chrono::steady_clock;

constexpr int kClientes = 50;

enum Tipo { Comum, Longa, ComNul, Acima127, CrSolto, Lenta, Reset, kTipos };
const char* const kNomes[kTipos] = {"comum", "longa", "nul", "acima127", "cr", "lenta", "reset"};

unsigned short gPorta = 0;
std::atomic<bool> gParar = false;
std::atomic<long> gLinhas[kTipos];

int Conectar() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in endereco{};
    endereco.sin_family = AF_INET;
    endereco.sin_port = htons(gPorta);
    endereco.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval espera{5, 0};
    ::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &espera, sizeof espera);
    ::setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &espera, sizeof espera);
    if (::connect(s, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco) != 0) {
        ::close(s);
        return -1;
    }
    return s;
}

bool EnviarTudo(int s, const std::string& dados) {
    for (size_t feito = 0; feito < dados.size();) {
        const ssize_t n = ::send(s, dados.data() + feito, dados.size() - feito, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        feito += size_t(n);
    }
    return true;
}

// A line of the kind, code 7 (debug text) so that a dispatch of it is harmless anywhere.
std::string Linha(Tipo tipo, long n) {
    std::string texto = "\x07 soak " + std::to_string(n) + ' ';
    switch (tipo) {
        case Longa:
            texto.append(20000, 'x');
            break;
        case ComNul:
            texto += std::string("a\0b\0c", 5);
            break;
        case Acima127:
            texto += "\xE7\xE3o \xFF\x80";
            break;
        case CrSolto:
            texto += "um\rdois\r\rtres";
            break;
        default:
            texto += "linha comum";
            break;
    }
    return texto + '\n';
}

// Sends the client's share of lines of a kind that the listener accepts, in batches; a batch
// whose connection fails (a handshake dropped while the backlog is full) goes again on a new one.
void ClienteRapido(Tipo tipo, long cota) {
    int s = -1;
    for (long n = 0; n < cota && !gParar;) {
        if (s < 0) {
            s = Conectar();
            continue;
        }
        const long fim = std::min(cota, n + 50);
        std::string lote;
        for (long i = n; i < fim; ++i)
            lote += Linha(tipo, i);
        if (!EnviarTudo(s, lote)) {
            ::close(s);
            s = -1;
            continue;
        }
        gLinhas[tipo] += fim - n;
        n = fim;
    }
    if (s >= 0)
        ::close(s);
}

// Lines past the length limit: the listener closes the connection; wait for that, then again.
void ClienteLongo(long cota) {
    for (long n = 0; n < cota && !gParar; ++n) {
        const int s = Conectar();
        if (s < 0)
            continue;
        EnviarTudo(s, Linha(Longa, n));
        char c;
        ::recv(s, &c, 1, 0);  // ends when the listener closes (or after 5 s)
        ::close(s);
        ++gLinhas[Longa];
    }
}

// One byte every 100 ms, until told to stop.
void ClienteLento() {
    const int s = Conectar();
    for (long n = 0; s >= 0 && !gParar; ++n) {
        for (const char c : Linha(Comum, n)) {
            if (gParar || ::send(s, &c, 1, MSG_NOSIGNAL) != 1)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ++gLinhas[Lenta];
    }
    if (s >= 0)
        ::close(s);
}

// A partial line, then the connection reset (SO_LINGER 0), again and again.
void ClienteReset(long cota) {
    for (long n = 0; n < cota && !gParar; ++n) {
        const int s = Conectar();
        if (s < 0)
            continue;
        EnviarTudo(s, "\x07 parcial sem fim de linha " + std::to_string(n));
        const linger abrupto{1, 0};
        ::setsockopt(s, SOL_SOCKET, SO_LINGER, &abrupto, sizeof abrupto);
        ::close(s);
        ++gLinhas[Reset];
    }
}

void ElevarLimiteArquivos() {
    rlimit limite{};
    getrlimit(RLIMIT_NOFILE, &limite);
    limite.rlim_cur = limite.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limite);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr, "uso: %s PORTA LINHAS MIN_S MAX_S OCIOSAS QUIETO_S\n", argv[0]);
        return 2;
    }
    gPorta = static_cast<unsigned short>(std::atoi(argv[1]));
    const long linhas = std::atol(argv[2]);
    const auto minimo = std::chrono::seconds(std::atoi(argv[3]));
    const auto maximo = std::chrono::seconds(std::atoi(argv[4]));
    const int ociosas = std::atoi(argv[5]);
    const auto quieto = std::chrono::seconds(std::atoi(argv[6]));
    ElevarLimiteArquivos();

    // Paced: the listener's backlog is 15, and a burst beyond what it has accepted so far has
    // its handshakes dropped and retried by the kernel a second later.
    std::vector<int> abertas;
    for (int i = 0; i < ociosas; ++i) {
        if (const int s = Conectar(); s >= 0)
            abertas.push_back(s);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    std::printf("OCIOSAS %zu\n", abertas.size());
    std::fflush(stdout);

    const auto inicio = Relogio::now();
    // The slow clients send what they can in the time; the others share the lines.
    int lentos = 0;
    for (int i = 0; i < kClientes; ++i)
        lentos += Tipo(i % kTipos) == Lenta;
    const long cota = linhas / (kClientes - lentos);
    std::vector<std::thread> rapidos, devagar;
    for (int i = 0; i < kClientes; ++i) {
        const auto tipo = Tipo(i % kTipos);
        if (tipo == Lenta)
            devagar.emplace_back(ClienteLento);
        else if (tipo == Longa)
            rapidos.emplace_back(ClienteLongo, cota);
        else if (tipo == Reset)
            rapidos.emplace_back(ClienteReset, cota);
        else
            rapidos.emplace_back(ClienteRapido, tipo, cota);
    }
    std::thread limite([&] {
        while (!gParar && Relogio::now() - inicio < maximo)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        gParar = true;
    });
    for (auto& t : rapidos)
        t.join();
    while (!gParar && Relogio::now() - inicio < minimo)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    gParar = true;
    limite.join();
    for (auto& t : devagar)
        t.join();
    std::printf("FLUXO_FIM\n");
    std::fflush(stdout);

    std::this_thread::sleep_for(quieto);
    std::printf("QUIETO_FIM\n");
    std::fflush(stdout);
    for (const int s : abertas)
        ::close(s);
    long total = 0;
    for (int t = 0; t < kTipos; ++t) {
        std::printf("%s %ld\n", kNomes[t], gLinhas[t].load());
        total += gLinhas[t];
    }
    std::printf("TOTAL %ld\n", total);
    return 0;
}
