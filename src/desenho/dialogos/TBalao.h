#pragma once
// Balloon tips: a rounded window of our own with a stem, an icon and a bold title over the tip
// text, shown when the pointer rests on its target widget and hidden when it leaves. Each target
// has at most one balloon: setting another replaces it, and the balloon is destroyed with its
// target. Title and text are shown as plain text; at most 255 characters of the title are used.

#include <QString>
#include <QWidget>

#include "base/mLib.h"
#include "desenho/ExportacaoDesenhoWidgets.h"

class QLabel;
class QPainterPath;
class QTimer;

// The icon of a balloon's title.
enum class TDlgType { dlgInformation, dlgError, dlgWarning, dlgSimple };

class ORVANE_DESENHOWIDGETS_EXPORT TBalao : public QWidget {
    Q_OBJECT
public:
    TBalao(QWidget* alvo, const QString& texto, const QString& titulo, TDlgType tipo);

    // The balloon of a widget; null when it has none.
    static TBalao* DoAlvo(const QWidget* alvo);
    // Shows the balloon with its stem's tip at a point of the screen (global coordinates).
    void MostrarEm(const QPoint& ponta);

    QString Texto() const;
    QString Titulo() const;
    TDlgType Tipo() const { return tipo_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    QPainterPath Contorno() const;
    void Mostrar();

    QWidget* alvo_;
    TDlgType tipo_;
    QLabel* icone_;
    QLabel* titulo_;
    QLabel* texto_;
    QTimer* espera_;
};

namespace TmDlg {

// A balloon tip over chwnd with the text cText and the title cTitle; nothing for no widget.
ORVANE_DESENHOWIDGETS_EXPORT void setBalloon(QWidget* chwnd, const QString& cText,
                                             const QString& cTitle, TDlgType cDlgType);

}  // namespace TmDlg
