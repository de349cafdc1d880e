#pragma once
// A PIX code as the payment page shows it, for every view of the screen: the modules of its QR
// symbol (error correction level M, 8-bit mode, the smallest version that holds it) and the
// amount's text.

#include <QByteArray>
#include <QString>

#include "display/protocolo/ComandosPix.h"

// The modules row by row, without the quiet zone: Lado * Lado bytes, 1 for a dark module.
struct TSimboloPix {
    int Lado = 0;
    QByteArray Modulos;

    bool Escuro(int x, int y) const { return Modulos[y * Lado + x] != 0; }
};

// Raises std::runtime_error when the code cannot be encoded.
TSimboloPix SimboloPix(const QString& codigo);
// "R$ " and the amount; empty when the code carries none.
QString TextoValorPix(const Protocolo::TQrPix& qr);
