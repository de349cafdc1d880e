#pragma once
// A plain blocking TCP connection to a port of this machine, as a POS opens one, without Qt in
// the way of what is measured.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QtGlobal>

// The connected socket, or -1.
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
