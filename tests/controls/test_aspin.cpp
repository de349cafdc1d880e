// The labelled spin: label placement, the keyboard model and the number rules.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <QPushButton>
#include "Formulario.h"
#include "controls/ASpin.h"

#include "messages/formularios/mMensagemPlus.h"

namespace {

TEST(TASpinRotulo, IsPlacedBesideTheControlAndFollowsIt) {
    struct Caso {
        TLabelPosition posicao;
        QPoint esperado;
    };
    // Spin at (168, 32) 81 x 22, label 61 x 13, spacing 6.
    const std::vector<Caso> casos = {
        {TLabelPosition::lpLeft, {101, 36}},
        {TLabelPosition::lpRight, {168 + 81 + 6, 36}},
        {TLabelPosition::lpAbove, {168, 32 - 13 - 6}},
        {TLabelPosition::lpBelow, {168, 32 + 22 + 6}},
    };
    TFormulario form;
    auto* spin = new TASpin(&form);
    spin->EditLabel()->resize(61, 13);
    spin->SetLabelSpacing(6);
    spin->SetBounds(168, 32, 81, 22);
    for (const Caso& c : casos) {
        spin->SetLabelPosition(c.posicao);
        EXPECT_EQ(spin->EditLabel()->pos(), c.esperado);
    }
    // An odd difference of heights truncates toward zero, also when the label is taller.
    spin->SetLabelPosition(TLabelPosition::lpLeft);
    spin->EditLabel()->resize(61, 27);
    spin->RefreshLabel();
    EXPECT_EQ(spin->EditLabel()->y(), 32 + (22 - 27) / 2);

    form.Mostrar();
    spin->move(200, 100);
    EXPECT_EQ(spin->EditLabel()->pos(), QPoint(200 - 61 - 6, 100 - 2));
    spin->setEnabled(false);
    EXPECT_FALSE(spin->EditLabel()->isEnabled());
    spin->hide();
    EXPECT_FALSE(spin->EditLabel()->isVisible());
    spin->show();
    EXPECT_TRUE(spin->EditLabel()->isVisible());
}

TEST(TASpinRotulo, FollowsTheNameTakesTheParentAndIsForgottenWhenDestroyed) {
    TFormulario form;
    auto* spin = new TASpin;
    EXPECT_EQ(spin->EditLabel()->objectName(), QStringLiteral("InternalLabel"));
    spin->setObjectName(QStringLiteral("edPorta"));
    EXPECT_EQ(spin->EditLabel()->Caption(), QStringLiteral("edPorta"));
    spin->EditLabel()->SetCaption(QStringLiteral("Porta Socket"));
    spin->setObjectName(QStringLiteral("edOutro"));
    EXPECT_EQ(spin->EditLabel()->Caption(), QStringLiteral("Porta Socket"));

    spin->setParent(&form);
    EXPECT_EQ(spin->EditLabel()->parentWidget(), &form);
    EXPECT_EQ(spin->EditLabel()->buddy(), spin);

    // The spin's label keeps its place when its caption resizes it, until RefreshLabel.
    spin->SetLabelPosition(TLabelPosition::lpLeft);
    spin->SetBounds(168, 32, 81, 22);
    const QPoint antes = spin->EditLabel()->pos();
    spin->EditLabel()->SetCaption(QStringLiteral("Uma legenda bem mais longa"));
    EXPECT_EQ(spin->EditLabel()->pos(), antes);
    spin->RefreshLabel();
    EXPECT_EQ(spin->EditLabel()->x(), 168 - spin->EditLabel()->width() - 3);

    delete spin->EditLabel();
    EXPECT_EQ(spin->EditLabel(), nullptr);
    spin->SetBounds(10, 10, 81, 22);  // nothing to place, nothing breaks
    spin->RefreshLabel();

    auto* outro = new TASpin(&form);
    const QPointer<TInternalLabel> rotulo = outro->EditLabel();
    delete outro;
    EXPECT_TRUE(rotulo.isNull());  // the label goes with its control
}

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

TEST_F(TASpinTeclado, EnterMovesOnUnlessARequiredFieldIsZero) {
    spin->Obrigatorio = true;
    spin->SetValue(0);
    QString aviso, legenda;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        aviso = f.Mensagem();
        legenda = f.windowTitle();
        f.OkBtn->click();
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
