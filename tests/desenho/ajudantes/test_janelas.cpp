#include "desenho/ajudantes/TmRotJanelas.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <memory>

namespace {

TEST(Janelas, MenuPathsWalkUpThroughTheMenusThatHoldTheItem) {
    QMenu semTitulo;
    QMenu* arquivo = semTitulo.addMenu(QStringLiteral("&Arquivo"));
    QMenu* relatorios = arquivo->addMenu(QStringLiteral("&Relatórios"));
    QAction* vendas = relatorios->addAction(QStringLiteral("&Vendas && Trocas"));
    EXPECT_EQ(TmRot::CaminhoMenu(vendas, QStringLiteral(" > ")),
              QStringLiteral("Arquivo > Relatórios > Vendas & Trocas"));
    EXPECT_EQ(TmRot::MenuPai(vendas), arquivo->menuAction());
    EXPECT_EQ(TmRot::CaminhoMenuPai(vendas), QStringLiteral("Arquivo"));
    EXPECT_EQ(TmRot::MenuPai(arquivo->menuAction()), arquivo->menuAction());

    EXPECT_TRUE(TmRot::MenuEnabled(vendas));
    relatorios->menuAction()->setEnabled(false);
    EXPECT_FALSE(TmRot::MenuEnabled(vendas));
    EXPECT_TRUE(TmRot::MenuEnabled(arquivo->menuAction()));
    EXPECT_TRUE(TmRot::MenuVisible(vendas));
    arquivo->menuAction()->setVisible(false);
    EXPECT_FALSE(TmRot::MenuVisible(vendas));

    QAction solta(QStringLiteral("&Solta"));
    EXPECT_EQ(TmRot::CaminhoMenu(&solta, QStringLiteral("/")), QStringLiteral("Solta"));
}

struct Formulario {
    QWidget form;
    QWidget* painel = new QWidget(&form);
    QLineEdit* primeira = new QLineEdit(painel);
    QPushButton* botao = new QPushButton(QStringLiteral("Ok"), painel);
    Formulario() {
        form.setObjectName(QStringLiteral("VendaForm"));
        painel->setGeometry(10, 20, 200, 100);
        primeira->setGeometry(0, 0, 50, 20);
        botao->setGeometry(5, 37, 41, 31);
        form.setGeometry(100, 200, 300, 200);
        form.show();
    }
};

TEST(Janelas, PositionsAreTheControlsCornersInItsWindowAndOnTheScreen) {
    Formulario f;
    EXPECT_EQ(TmRot::GetAbsolutePos(f.botao), QPoint(15, 57));
    EXPECT_EQ(TmRot::GetPopupPos(f.botao), QPoint(15, 88));
    const QPoint canto = f.botao->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(TmRot::PontoPopup(f.botao, TmRot::TPosPopup::ppAbaixo), canto + QPoint(0, 31));
    EXPECT_EQ(TmRot::PontoPopup(f.botao, TmRot::TPosPopup::ppDireita), canto + QPoint(41, 0));
    EXPECT_EQ(TmRot::PontoPopup(f.botao, TmRot::TPosPopup::ppCentro), canto + QPoint(20, 15));
    QMenu menu;
    menu.addAction(QStringLiteral("Item"));
    TmRot::ShowPopMenu(f.botao, &menu, TmRot::TPosPopup::ppAbaixo);
    EXPECT_TRUE(menu.isVisible());
    menu.close();
}

TEST(Janelas, FocusFrontWindowAndTheOpenWindows) {
    Formulario f;
    EXPECT_TRUE(TmRot::ForceForegroundWindow(&f.form));
    f.botao->setFocus();
    EXPECT_TRUE(TmRot::Focused({f.primeira, f.botao}));
    EXPECT_FALSE(TmRot::Focused({f.primeira}));
    QWidget* primeiro = nullptr;
    QWidget* ultimo = nullptr;
    ASSERT_TRUE(TmRot::GetFirstAndLastControl(f.painel, primeiro, ultimo));
    EXPECT_EQ(primeiro, f.primeira);
    EXPECT_EQ(ultimo, f.botao);
    EXPECT_FALSE(TmRot::GetFirstAndLastControl(f.botao, primeiro, ultimo));

    f.form.showMinimized();
    EXPECT_TRUE(TmRot::ForceForegroundWindow(&f.form));
    EXPECT_FALSE(f.form.isMinimized());

    QWidget aguarde;
    aguarde.setObjectName(QStringLiteral("dbxAguardeForm"));
    aguarde.show();
    QWidget consulta;
    consulta.setObjectName(QStringLiteral("ConsultaForm"));
    consulta.show();
    EXPECT_EQ(TmRot::GetFormAtual(), QStringLiteral("ConsultaForm -> VendaForm"));
}

TEST(Janelas, CreateFormReusesAnUnownedWindowOfTheKind) {
    auto* primeira = TmRot::CreateForm<QDialog>();
    std::unique_ptr<QDialog> dono(primeira);
    EXPECT_EQ(TmRot::CreateForm<QDialog>(), primeira);
    QWidget outra;
    auto* propria = TmRot::CreateForm<QPushButton>(&outra);  // none unowned: a new one
    EXPECT_EQ(propria->parentWidget(), &outra);
}

}  // namespace
