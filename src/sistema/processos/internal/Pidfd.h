#pragma once
// A pidfd pins a process: while it is open, the process's number cannot pass to another one.
// Called through syscall(2) because Debian 12's <sys/pidfd.h> declares them without C linkage.

#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace Pidfd {

inline int Abrir(pid_t pid) {
    return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
}

inline bool Sinalizar(int pidfd, int sinal) {
    return syscall(SYS_pidfd_send_signal, pidfd, sinal, nullptr, 0) == 0;
}

}  // namespace Pidfd
