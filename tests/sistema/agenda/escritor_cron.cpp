// A second program scheduling through the crontab, started by the tests:
//   escritor_cron <prefixo> <vezes>  schedules the tasks <prefixo>0 ... <prefixo><vezes - 1>,
//                                    one after the other; the exit code counts the refusals
#include <cstdio>
#include <string>

#include "sistema/agenda/TmRotAgenda.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("uso: escritor_cron <prefixo> <vezes>\n", stderr);
        return 255;
    }
    const QString prefixo = QString::fromLocal8Bit(argv[1]);
    int recusas = 0;
    for (int i = 0, vezes = std::stoi(argv[2]); i < vezes; ++i) {
        QString comando;
        if (!TmRot::AgendarCron(prefixo + QString::number(i), QStringLiteral("/bin/echo %1").arg(i),
                                0.25, QStringLiteral("*"), comando))
            ++recusas;
    }
    return recusas;
}
