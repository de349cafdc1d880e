#include "TAplicacao.h"

#include "TratamentoErros.h"

TAplicacao::TAplicacao(int& argc, char** argv) : QApplication(argc, argv) {}

bool TAplicacao::notify(QObject* receiver, QEvent* event) {
    return TratamentoErros::Protegido([&] { return QApplication::notify(receiver, event); }, false);
}
