// A second program on the static settings access, started by the tests (it has no application
// object, as a program reading its settings before creating one):
//   cliente_ini gravar <arquivo> <prefixo> <vezes>  writes, in turn, a new key <prefixo><i> = i
//                                                   and the key <prefixo>Ultimo = i
//   cliente_ini padrao                              after a line on its input, prints its
//                                                   default settings file
#include <cstdio>
#include <iostream>
#include <string>

#include "base/EInOutError.h"
#include "texto/config/TConfigStatic.h"

namespace {

int GravarAlternando(const QString& arquivo, const QString& prefixo, int vezes) {
    for (int i = 0; i < vezes; ++i) {
        const QString item =
            i % 2 == 0 ? prefixo + QString::number(i) : prefixo + QStringLiteral("Ultimo");
        TConfigStatic::Gravar(QStringLiteral("Chaves"), item, i, arquivo);
    }
    return 0;
}

int MostrarPadrao() {
    std::string linha;
    std::getline(std::cin, linha);
    std::puts(TConfigStatic::ArquivoPadrao().toUtf8().constData());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string modo = argc > 1 ? argv[1] : "";
    try {
        if (modo == "gravar" && argc == 5)
            return GravarAlternando(QString::fromLocal8Bit(argv[2]),
                                    QString::fromLocal8Bit(argv[3]), std::stoi(argv[4]));
        if (modo == "padrao" && argc == 2)
            return MostrarPadrao();
    } catch (const EInOutError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::fputs("uso: cliente_ini gravar <arquivo> <prefixo> <vezes> | padrao\n", stderr);
    return 2;
}
