#pragma once
// Writes "pos-simulador: <texto>" as a line on the standard error.

#include <QString>

void Avisar(const QString& texto);
