#include "desenho/ajudantes/TmRotControles.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A form with two tab pages; the second holds a group box with two edits.
struct Formulario {
    QWidget form;
    QTabWidget* abas = new QTabWidget(&form);
    QWidget* pagina1 = new QWidget;
    QWidget* pagina2 = new QWidget;
    QLineEdit* edPrimeira = new QLineEdit(pagina1);
    QGroupBox* grupo = new QGroupBox(QStringLiteral("Cliente"), pagina2);
    QLineEdit* edNome = new QLineEdit(grupo);
    QLineEdit* edFone = new QLineEdit(grupo);

    Formulario() {
        form.setWindowTitle(QStringLiteral("Cadastro"));
        abas->addTab(pagina1, QStringLiteral("Geral"));
        abas->addTab(pagina2, QStringLiteral("Contato"));
        auto* layout = new QVBoxLayout(grupo);
        layout->addWidget(edNome);
        layout->addWidget(edFone);
        form.show();
        form.activateWindow();
        QApplication::processEvents();
    }
};

TEST(Controles, FocusReachesAControlOnAHiddenPageOrTheFirstOfAContainer) {
    Formulario f;
    EXPECT_TRUE(TmRot::CanFocus(f.edNome));
    EXPECT_TRUE(TmRot::SetFocus(f.grupo));
    EXPECT_EQ(f.abas->currentWidget(), f.pagina2);
    EXPECT_EQ(QApplication::focusWidget(), f.edNome);

    f.edNome->setEnabled(false);
    EXPECT_TRUE(TmRot::SetFocus(f.grupo));
    EXPECT_EQ(QApplication::focusWidget(), f.edFone);

    f.grupo->setEnabled(false);
    EXPECT_FALSE(TmRot::CanFocus(f.edFone));
    EXPECT_FALSE(TmRot::SetFocus(f.edFone));
}

TEST(Controles, EnablingDescendsIntoContainers) {
    Formulario f;
    TmRot::HabilitaControles(f.pagina2, false);
    EXPECT_TRUE(f.grupo->isEnabled());
    EXPECT_FALSE(f.edNome->isEnabled());
    TmRot::AlterarHabilitacaoFilhos(f.pagina2, false, false);
    EXPECT_FALSE(f.grupo->isEnabled());
    TmRot::AlterarHabilitacaoFilhos(f.pagina2, true, true);
    EXPECT_TRUE(f.edNome->isEnabled());
}

TEST(Controles, CaptionsOuterFirst) {
    Formulario f;
    EXPECT_EQ(TmRot::GetCaptionRecursivo(f.edNome, false, QStringLiteral(" > ")),
              QStringLiteral("Cadastro > Contato > Cliente"));
    EXPECT_EQ(TmRot::GetCaptionRecursivo(f.edNome, true, QStringLiteral("/")),
              QStringLiteral("Contato/Cliente"));
}

TEST(Controles, ColoursAndLists) {
    EXPECT_EQ(TmRot::ColorToStr(QColor(0x12, 0xAB, 0xEF)), QStringLiteral("$00EFAB12"));
    EXPECT_EQ(TmRot::InverteCor(QColor(200, 200, 0)), QColor(Qt::black));
    EXPECT_EQ(TmRot::InverteCor(QColor(128, 128, 128)), QColor(Qt::white));
    QStringList lista{"b", "a", "b", "c", "a"};
    TmRot::StringListDistinct(lista);
    EXPECT_EQ(lista, (QStringList{"b", "a", "c"}));
}

}  // namespace
