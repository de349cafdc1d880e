#pragma once
// A whole sale in the simulator's notation (see NotacaoComandos.h): items rung up one by one
// (each time the whole list with its total record), a cancellation, an item discount and an
// item surcharge, the payment summary, payment means first short and then with change, a
// thank-you message and the final clearing. Amounts use the decimal comma.

#include <QStringList>

QStringList VendaDemonstracao();
