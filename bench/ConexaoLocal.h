#pragma once
// A plain blocking client socket on the loopback, for the benchmarks that play the POS: the
// socket connected to the port, or -1 when the connection is refused. The caller closes it.

#include <QtGlobal>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace ConexaoLocal {

inline int Conectar(quint16 porta) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in endereco{};
    endereco.sin_family = AF_INET;
    endereco.sin_port = htons(porta);
    endereco.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(s, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco) != 0) {
        ::close(s);
        return -1;
    }
    return s;
}

}  // namespace ConexaoLocal
