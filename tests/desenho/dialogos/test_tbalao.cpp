// Balloon tips over real widgets: one per target, replaced, destroyed with it, shown on rest.
#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include "desenho/dialogos/TBalao.h"

namespace {

TEST(Balao, OnePerTargetReplacedOnEachCallAndDestroyedWithIt) {
    auto* alvo = new QLineEdit;
    TmDlg::setBalloon(alvo, QStringLiteral("primeiro"), QStringLiteral("Dica"),
                      TDlgType::dlgInformation);
    QPointer<TBalao> primeiro = TBalao::DoAlvo(alvo);
    ASSERT_TRUE(primeiro);
    TmDlg::setBalloon(alvo, QStringLiteral("<b>segundo</b>"), QString(500, QLatin1Char('t')),
                      TDlgType::dlgError);
    EXPECT_FALSE(primeiro);
    QPointer<TBalao> segundo = TBalao::DoAlvo(alvo);
    ASSERT_TRUE(segundo);
    EXPECT_EQ(alvo->findChildren<TBalao*>().size(), 1);
    EXPECT_EQ(segundo->Texto(), QStringLiteral("<b>segundo</b>"));
    EXPECT_EQ(segundo->findChild<QLabel*>(QStringLiteral("Texto"))->textFormat(), Qt::PlainText);
    EXPECT_EQ(segundo->Titulo().size(), 255);
    EXPECT_EQ(segundo->Tipo(), TDlgType::dlgError);
    delete alvo;
    EXPECT_FALSE(segundo);
}

TEST(Balao, NoTargetNoBalloon) {
    TmDlg::setBalloon(nullptr, QStringLiteral("x"), QStringLiteral("y"), TDlgType::dlgSimple);
    EXPECT_EQ(TBalao::DoAlvo(nullptr), nullptr);
}

TEST(Balao, ShownWhenThePointerRestsAndHiddenWhenItLeaves) {
    QLineEdit alvo;
    alvo.resize(200, 24);
    alvo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&alvo));
    TmDlg::setBalloon(&alvo, QStringLiteral("Informe o CPF"), QStringLiteral("CPF"),
                      TDlgType::dlgWarning);
    TBalao* balao = TBalao::DoAlvo(&alvo);
    QEnterEvent entra(QPointF(5, 5), QPointF(5, 5), alvo.mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(&alvo, &entra);
    EXPECT_FALSE(balao->isVisible());  // not at once: only when the pointer rests
    EXPECT_TRUE(QTest::qWaitFor([&] { return balao->isVisible(); }, 3000));
    EXPECT_TRUE(balao->isWindow());
    QEvent sai(QEvent::Leave);
    QCoreApplication::sendEvent(&alvo, &sai);
    EXPECT_FALSE(balao->isVisible());
}

}  // namespace
