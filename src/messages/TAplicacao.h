#pragma once
// The application object. Errors that escape an event handler are shown by one
// application-wide handler (a message box with the error's text) and the program goes on.

#include <QApplication>

class TAplicacao : public QApplication {
    Q_OBJECT
public:
    TAplicacao(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
