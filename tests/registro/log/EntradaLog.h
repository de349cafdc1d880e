#pragma once
// The entries the kill test writes again and again: entry n carries n in a long message, so that a
// log cut short or mixing two writes shows.

#include <QByteArray>
#include <QString>

#include "base/TDateTime.h"

namespace EntradaLog {

constexpr TDateTime kAgora = 46366.25;  // 2026-12-10 06:00:00
constexpr int kMaximoLinhas = 100;      // 50 old entries below the new one

inline QString Mensagem(int numero) {
    return QStringLiteral("entrada %1:").arg(numero) +
           QStringLiteral(" %1").arg(numero).repeated(2000);
}

// The two lines of entry n as the log holds them.
inline QByteArray Linhas(int numero) {
    return QByteArray(80, '-') + "\r\n2026/12/10 06:00:00 - Gravadora-> " +
           Mensagem(numero).toLatin1() + "\r\n";
}

// The whole log after entries 1 to n: the newest first, as many as the cap keeps.
inline QByteArray Log(int numero) {
    QByteArray log;
    for (int n = numero; n >= 1 && n > numero - (kMaximoLinhas / 2 + 1); --n)
        log += Linhas(n);
    return log;
}

}  // namespace EntradaLog
