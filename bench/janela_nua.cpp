// The baselines of the cold start: the least a Qt widgets program does to paint a first frame,
// an empty window of the display's default size shown at once; with the argument "texto", the
// same window holding one line of text, which adds the loading of the fonts.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget janela;
    janela.resize(796, 596);
    QLabel texto(QStringLiteral("Caixa livre"), &janela);
    texto.setVisible(app.arguments().contains(QStringLiteral("texto")));
    janela.show();
    return app.exec();
}
