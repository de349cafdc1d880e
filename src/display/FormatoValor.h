#pragma once
// Amounts on the sale and payment screens: the pattern "#,##0.00" with the regional
// separators and no point standing in for zero (1234.5 shows as 1.234,50 under Brazilian
// settings).

#include <QString>

#include "Currency.h"

QString FormataValor(Currency valor);
