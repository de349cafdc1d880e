// The labelled spin: the keyboard model and the number rules.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

#include "Formulario.h"
#include "desenho/controles/ASpin.h"
#include "desenho/formularios/mMensagemPlus.h"
#include "support/Respostas.h"

namespace {

class TASpinTeclado : public ::testing::Test {
protected:
    void SetUp() override {
        antes = new QLineEdit(&form);
        antes->setObjectName(QStringLiteral("antes"));
        spin = new TASpin(&form);
        spin->setObjectName(QStringLiteral("spin"));
        depois = new QLineEdit(&form);
        depois->setObjectName(QStringLiteral("depois"));
        form.Mostrar();
        spin->setFocus();
        ASSERT_EQ(form.Focado(), QStringLiteral("spin"));
    }
    void TearDown() override { TmDialogForm::DescartarRespostas(); }
    void Digitar(const QString& texto) {
        spin->selectAll();
        QTest::keyClicks(spin, texto);
    }
    TFormulario form;
    QLineEdit* antes;
    TASpin* spin;
    QLineEdit* depois;
};

TEST_F(TASpinTeclado, ArrowsMoveTheFocusAndNeverTheNumber) {
    spin->SetValue(7);
    QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_EQ(form.Focado(), QStringLiteral("depois"));
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(form.Focado(), QStringLiteral("antes"));
    EXPECT_EQ(spin->Value(), 7);
}

// The port on the settings page: the wheel and Page Up/Down leave it alone, the buttons step it.
TEST_F(TASpinTeclado, OnlyTypingAndTheButtonsChangeTheNumber) {
    spin->SetMaxValue(65000);
    spin->SetValue(22334);
    const QPoint meio = spin->rect().center();
    QWheelEvent notch(meio, spin->mapToGlobal(meio), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(spin, &notch);
    EXPECT_EQ(spin->Value(), 22334);
    QTest::keyClick(spin, Qt::Key_PageUp);
    EXPECT_EQ(spin->Value(), 22334);
    QTest::keyClick(spin, Qt::Key_PageDown);
    EXPECT_EQ(spin->Value(), 22334);
    EXPECT_EQ(form.Focado(), QStringLiteral("spin"));

    QStyleOptionSpinBox opcao;
    opcao.initFrom(spin);
    opcao.subControls = QStyle::SC_All;
    opcao.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QRect acima =
        spin->style()->subControlRect(QStyle::CC_SpinBox, &opcao, QStyle::SC_SpinBoxUp, spin);
    QTest::mouseClick(spin, Qt::LeftButton, Qt::NoModifier, acima.center());
    EXPECT_EQ(spin->Value(), 22335);
}

TEST_F(TASpinTeclado, EnterMovesOnUnlessARequiredFieldIsZero) {
    spin->Obrigatorio = true;
    spin->SetValue(0);
    QString aviso, legenda;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        aviso = f.Mensagem();
        legenda = f.windowTitle();
        Respostas::ClicarOk()(f);
    });
    QTest::keyClick(spin, Qt::Key_Return);
    EXPECT_EQ(aviso, QStringLiteral("Este campo precisa estar preenchido!"));
    EXPECT_EQ(legenda, QStringLiteral("Atenção"));
    EXPECT_EQ(form.Focado(), QStringLiteral("spin"));

    spin->SetValue(5);
    QTest::keyClick(spin, Qt::Key_Return);
    EXPECT_EQ(form.Focado(), QStringLiteral("depois"));

    spin->setFocus();
    spin->EnterProximoCampo = false;
    QTest::keyClick(spin, Qt::Key_Enter);
    EXPECT_EQ(form.Focado(), QStringLiteral("spin"));
}

TEST_F(TASpinTeclado, TakesDigitsOnlyAndOneDigitPastTheMaximum) {
    spin->SetMaxValue(65000);
    Digitar(QStringLiteral("-6a5b00"));
    EXPECT_EQ(spin->Text(), QStringLiteral("6500"));
    QTest::keyClicks(spin, QStringLiteral("12"));
    EXPECT_EQ(spin->Text(), QStringLiteral("65001"));
    EXPECT_EQ(spin->Value(), 65001);
    depois->setFocus();
    EXPECT_EQ(form.Focado(), QStringLiteral("depois"));
    EXPECT_EQ(spin->Value(), 65000);
    EXPECT_EQ(spin->Text(), QStringLiteral("65000"));
}

TEST_F(TASpinTeclado, CtrlYClearsAndAnEmptyTextReadsAsTheMinimum) {
    spin->SetMinValue(20000);
    spin->SetMaxValue(65000);
    spin->SetValue(30000);
    QTest::keyClick(spin, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(spin->Text(), QString());
    EXPECT_EQ(spin->Value(), 20000);
}

TEST(TASpinValor, RangeAndTextForms) {
    TASpin spin;
    EXPECT_EQ(spin.size(), QSize(65, 23));
    EXPECT_EQ(spin.MinValue(), 0);
    EXPECT_EQ(spin.MaxValue(), 9999);
    EXPECT_EQ(spin.GetTipoClasse(), TTipoClasse::tcSpin);
    spin.SetValue(123456);
    EXPECT_EQ(spin.Value(), 9999);
    spin.SetValue(-5);
    EXPECT_EQ(spin.Value(), 0);
    spin.SetMinValue(-10);
    spin.SetMaxValue(-10);  // equal bounds: no range
    spin.SetValue(12);
    EXPECT_EQ(spin.Value(), 12);
    EXPECT_EQ(spin.QuotedText(), QStringLiteral("'12'"));
    EXPECT_EQ(spin.StrZero(5), QStringLiteral("00012"));
    EXPECT_EQ(spin.Len(), 2);
    spin.SetValue(-5);
    EXPECT_EQ(spin.Len(), 2);
    spin.Zera();
    EXPECT_EQ(spin.StrZero(5, QStringLiteral("null")), QStringLiteral("null"));
    EXPECT_EQ(spin.StrZero(3), QStringLiteral("000"));
}

}  // namespace
