#pragma once
// Amounts on the sale and payment screens.

#include <QString>

#include "base/Currency.h"

// The pattern "#,##0.00" with the regional separators and no point standing in for zero (1234.5
// shows as 1.234,50 under Brazilian settings). The amount is rounded exactly as the decimal it
// is (2,675 shows as 2,68), not through the nearest double (2.67499...).
QString FormataValor(Currency valor);
