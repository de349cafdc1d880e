#include "messages/formularios/TAplicacao.h"

#include "messages/dialogos/TratamentoErros.h"

TAplicacao::TAplicacao(int& argc, char** argv) : QApplication(argc, argv) {}

bool TAplicacao::notify(QObject* receiver, QEvent* event) {
    return TratamentoErros::Protegido([&] { return QApplication::notify(receiver, event); }, false);
}
