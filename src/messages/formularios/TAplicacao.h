#pragma once
// The application object of the library's programs. An error that escapes an event handler goes
// to the application-wide handler (TratamentoErros: its text shown, the silent abort swallowed)
// and the program goes on.

#include <QApplication>

class TAplicacao : public QApplication {
    Q_OBJECT
public:
    TAplicacao(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
