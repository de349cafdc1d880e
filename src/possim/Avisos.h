#pragma once

#include <QString>

// Writes "pos-simulador: <texto>" as a line on the standard error.
void Avisar(const QString& texto);
