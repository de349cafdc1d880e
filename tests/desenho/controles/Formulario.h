#pragma once
// A small shown and active form for keyboard tests: the controls sit in creation order, which
// is their tab order.

#include <QCoreApplication>
#include <QTest>
#include <QWidget>

// Types the text character by character, each a key press carrying its character (Latin-1
// letters included, which QTest::keyClicks does not take).
inline void Digitar(QWidget* alvo, const QString& texto) {
    for (const QChar c : texto)
        QTest::sendKeyEvent(QTest::Click, alvo, static_cast<Qt::Key>(c.toUpper().unicode()),
                            QString(c), Qt::NoModifier);
}

class TFormulario : public QWidget {
public:
    TFormulario() { resize(400, 300); }
    void Mostrar() {
        show();
        activateWindow();
        (void)QTest::qWaitForWindowActive(this);
    }
    // Delivers the posted key presses that move the focus, then names the focused control.
    QString Focado() {
        QCoreApplication::processEvents();
        return focusWidget() ? focusWidget()->objectName() : QString();
    }
};
