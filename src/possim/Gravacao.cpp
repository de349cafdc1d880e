#include "possim/Gravacao.h"

#include <algorithm>
#include <cctype>

namespace Gravacao {

namespace {

// The byte that \xHH at the start of texto stands for, or -1 when texto does not start so.
int ByteEscapado(QByteArrayView texto) {
    const auto hexa = [&](qsizetype i) {
        return std::isxdigit(static_cast<unsigned char>(texto[i]));
    };
    if (!texto.startsWith("\\x") || texto.size() < 4 || !hexa(2) || !hexa(3))
        return -1;
    return int(texto.sliced(2, 2).toUInt(nullptr, 16));
}

// One line of the file (without its line feed) as a recorded line, or nothing with the reason.
std::optional<Linha> LerLinha(QByteArrayView texto, QString& erro) {
    const qsizetype tab = texto.indexOf('\t');
    const QByteArrayView instante = texto.first(tab < 0 ? 0 : tab);
    bool numero = false;
    const qint64 ms = instante.toLongLong(&numero);
    if (!numero || ms < 0 || !std::all_of(instante.begin(), instante.end(), [](char c) {
            return c >= '0' && c <= '9';
        })) {
        erro = QStringLiteral("esperava milissegundos, uma tabulação e a linha");
        return std::nullopt;
    }
    std::optional<QByteArray> bytes = Desescapar(texto.sliced(tab + 1), erro);
    if (!bytes)
        return std::nullopt;
    return Linha{ms, *std::move(bytes)};
}

}  // namespace

QByteArray Escapar(QByteArrayView bytes) {
    QByteArray texto;
    texto.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\\') {
            texto.append("\\\\");
        } else if (b >= 32 && b <= 126) {
            texto.append(c);
        } else {
            texto.append("\\x").append(QByteArray(1, c).toHex().toUpper());
        }
    }
    return texto;
}

std::optional<QByteArray> Desescapar(QByteArrayView texto, QString& erro) {
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QByteArrayView resto = texto.sliced(i);
        if (resto[0] != '\\') {
            bytes.append(resto[0]);
        } else if (resto.startsWith("\\\\")) {
            bytes.append('\\');
            i += 1;
        } else if (const int byte = ByteEscapado(resto); byte >= 0) {
            bytes.append(char(byte));
            i += 3;
        } else {
            erro = QStringLiteral("escape inválido na posição %1 (use \\\\ ou \\xHH)").arg(i + 1);
            return std::nullopt;
        }
    }
    return bytes;
}

QByteArray Formatar(const Linha& linha) {
    return QByteArray::number(linha.instanteMs) + '\t' + Escapar(linha.bytes) + '\n';
}

std::optional<QList<Linha>> Ler(QIODevice& arquivo, QString& erro) {
    QList<Linha> linhas;
    for (int numero = 1; !arquivo.atEnd(); ++numero) {
        QByteArray texto = arquivo.readLine();
        while (texto.endsWith('\n') || texto.endsWith('\r'))
            texto.chop(1);  // a carriage return here comes from an editor, never from Formatar
        if (texto.isEmpty() || texto.startsWith('#'))
            continue;
        std::optional<Linha> linha = LerLinha(texto, erro);
        if (linha && !linhas.isEmpty() && linha->instanteMs < linhas.constLast().instanteMs) {
            erro = QStringLiteral("o instante é menor que o da linha anterior");
            linha.reset();
        }
        if (!linha) {
            erro = QStringLiteral("linha %1: %2").arg(numero).arg(erro);
            return std::nullopt;
        }
        linhas.append(*std::move(linha));
    }
    return linhas;
}

}  // namespace Gravacao
