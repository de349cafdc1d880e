#include "desenho/formularios/TAplicacao.h"

#include <QEvent>
#include <QWidget>

#include "dialogos/mensagens/TratamentoErros.h"

TAplicacao::TAplicacao(int& argc, char** argv) : QApplication(argc, argv) {}

bool TAplicacao::notify(QObject* receiver, QEvent* event) {
    ConhecerJanela(receiver, event);
    return TratamentoErros::Protegido([&] { return QApplication::notify(receiver, event); }, false);
}

void TAplicacao::ConhecerJanela(QObject* receiver, const QEvent* event) {
    if (janelaPrincipal_ || event->type() != QEvent::Show || !receiver->isWidgetType())
        return;
    auto* janela = static_cast<QWidget*>(receiver);
    if (janela->isWindow() && janela->windowType() == Qt::Window)
        janelaPrincipal_ = janela;
}

QWidget* TAplicacao::JanelaPrincipal() {
    const auto* aplicacao = qobject_cast<TAplicacao*>(QCoreApplication::instance());
    return aplicacao ? aplicacao->janelaPrincipal_.data() : nullptr;
}
