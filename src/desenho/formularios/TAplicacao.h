#pragma once
// The application object of the library's programs. An error that escapes an event handler goes
// to the application-wide handler (TratamentoErros: its text shown, the silent abort swallowed)
// and the program goes on.
//
// It also knows the program's main window, which dialogs asked to centre on their owner centre
// on: the first ordinary window shown (not a dialog, tool window or popup) while there is none,
// unless the program names it. A main window that is destroyed is forgotten, and the next
// ordinary window shown takes its place.

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "desenho/ExportacaoDesenhoWidgets.h"

class ORVANE_DESENHOWIDGETS_EXPORT TAplicacao : public QApplication {
    Q_OBJECT
public:
    TAplicacao(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // The main window of the running TAplicacao; null without one (or in a program whose
    // application object is not a TAplicacao).
    static QWidget* JanelaPrincipal();
    void DefinirJanelaPrincipal(QWidget* janela) { janelaPrincipal_ = janela; }

private:
    void ConhecerJanela(QObject* receiver, const QEvent* event);

    QPointer<QWidget> janelaPrincipal_;
};
