// The application-wide handler: errors are shown with their text, the silent abort is not.
#include <gtest/gtest.h>

#include <stdexcept>

#include "dialogos/mensagens/TratamentoErros.h"
#include "support/BackEndRoteiro.h"

namespace {

TEST(TratamentoErros, ShowsErrorsAndSwallowsTheSilentAbort) {
    const auto backEnd = std::make_shared<TBackEndRoteiro>();
    TmDlg::InstalarBackEnd(backEnd);
    TratamentoErros::Executar([] { throw EAbortSilencioso(); });
    EXPECT_TRUE(backEnd->dialogos.empty());

    const int r =
        TratamentoErros::Protegido([]() -> int { throw std::runtime_error("Disco cheio"); }, -1);
    EXPECT_EQ(r, -1);
    ASSERT_EQ(backEnd->dialogos.size(), 1u);
    EXPECT_EQ(backEnd->dialogos[0].Tipo, TMsgDlgType::mtError);
    EXPECT_EQ(backEnd->dialogos[0].Mensagem, QStringLiteral("Disco cheio"));

    EXPECT_EQ(TratamentoErros::Protegido([] { return 5; }, -1), 5);
    TmDlg::InstalarBackEnd(nullptr);
}

}  // namespace
