// The caption label both labelled controls carry: placement beside the control, following it,
// its name and parent, and its destruction elsewhere.
#include <gtest/gtest.h>

#include <QPointer>

#include "Formulario.h"
#include "desenho/controles/ACombo.h"
#include "desenho/controles/ASpin.h"

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
    EXPECT_EQ(spin->EditLabel()->textFormat(), Qt::PlainText);
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

TEST(TAComboRotulo, TheComboLabelPlacesItselfAgainWhenItsCaptionChanges) {
    TFormulario form;
    auto* combo = new TACombo(&form);
    EXPECT_EQ(combo->EditLabel()->objectName(), QStringLiteral("ComboInternalLabel"));
    combo->SetLabelPosition(TLabelPosition::lpLeft);
    combo->SetBounds(168, 60, 81, 21);
    combo->EditLabel()->SetCaption(QStringLiteral("Monitor"));
    EXPECT_EQ(combo->EditLabel()->x(), 168 - combo->EditLabel()->width() - 3);
    combo->EditLabel()->SetCaption(QStringLiteral("Monitor do cliente"));
    EXPECT_EQ(combo->EditLabel()->x(), 168 - combo->EditLabel()->width() - 3);
}

}  // namespace
