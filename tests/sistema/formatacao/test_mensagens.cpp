// E-mail messages and the sentences of caught errors.
#include <gtest/gtest.h>

#include <QStringList>
#include <any>
#include <new>
#include <stdexcept>
#include <variant>

#include "base/EConvertError.h"
#include "base/EInOutError.h"
#include "base/ErrosAritmeticos.h"
#include "sistema/formatacao/TmStrMensagens.h"

namespace {

const QString kDominio = QStringLiteral(
    "Verifique se o domínio foi informado corretamente (após o @). Para estar correto, ele "
    "precisa ter pelo menos um ponto.");

TEST(IsEmailValido, ReportsEachFaultInOrder) {
    struct Caso {
        const char16_t* email;
        QStringList mensagens;
    };
    const Caso casos[] = {
        {u"cliente@loja.com.br", {}},
        {u"cliente@loja", {kDominio}},
        {u"", {QStringLiteral("Sem o @ (arroba) o e-mail fica incompleto.")}},
        {u"a@b@c.d", {QStringLiteral("Só pode haver um @ (arroba) no e-mail.")}},
        {u"@.b",
         {QStringLiteral("O e-mail não pode começar nem terminar com @ (arroba)."),
          QStringLiteral("Não pode haver dois pontos consecutivos, nem ponto imediatamente antes "
                         "ou depois do @ (arroba).")}},
        {u".a@b..c",
         {QStringLiteral("O e-mail não pode começar nem terminar com ponto."),
          QStringLiteral("Não pode haver dois pontos consecutivos, nem ponto imediatamente antes "
                         "ou depois do @ (arroba).")}},
        {u"jo ão@x.y",
         {QStringLiteral("O caracter ' ' é inválido em e-mails."),
          QStringLiteral("O caracter 'ã' é inválido em e-mails.")}},
    };
    for (const Caso& c : casos) {
        QString msg = QStringLiteral("velha");
        const bool valido = TmStr::IsEmailValido(c.email, msg);
        EXPECT_EQ(valido, c.mensagens.isEmpty()) << QString::fromUtf16(c.email).toStdString();
        EXPECT_EQ(msg, c.mensagens.join(u'\r')) << QString::fromUtf16(c.email).toStdString();
    }
}

TEST(GetErrorMessage, SentenceForTheKindThenTheMessage) {
    const auto mensagem = [](const std::exception& e) { return TmStr::GetErrorMessage(e); };
    EXPECT_EQ(mensagem(EConvertError(QStringLiteral("'x' não é número"))),
              QStringLiteral("Erro de conversão de tipos!\r\r'x' não é número"));
    EXPECT_EQ(mensagem(std::runtime_error("qualquer")), QStringLiteral("\r\rqualquer"));
    struct Caso {
        std::exception_ptr erro;
        const char* inicio;
    };
    const Caso casos[] = {
        {std::make_exception_ptr(EDivByZero()), "Divisão de inteiro por zero!"},
        {std::make_exception_ptr(EIntOverflow()), "Resultado de um cálculo inteiro excedeu"},
        {std::make_exception_ptr(EInOutError(QStringLiteral("x"))), "Erro de Entrada ou Saída"},
        {std::make_exception_ptr(std::bad_any_cast()), "TypeCast inválido"},
        {std::make_exception_ptr(std::domain_error("x")), "Operação inválida com número"},
        {std::make_exception_ptr(std::bad_alloc()), "Memória insuficiente!"},
        {std::make_exception_ptr(std::overflow_error("x")),
         "Resultado de um cálculo com número "
         "real excedeu"},
        {std::make_exception_ptr(std::out_of_range("x")), "Valor excede o limite"},
        {std::make_exception_ptr(std::underflow_error("x")),
         "Resultado de um cálculo com número "
         "real é menor"},
        {std::make_exception_ptr(std::bad_variant_access()), "Erro em operação com variant!"},
        // A list index is not a range error of an integer.
        {std::make_exception_ptr(EListError(3)), "\r\rList index out of bounds (3)"},
    };
    for (const Caso& c : casos) {
        try {
            std::rethrow_exception(c.erro);
        } catch (const std::exception& e) {
            EXPECT_TRUE(mensagem(e).startsWith(QString::fromUtf8(c.inicio)))
                << mensagem(e).toStdString();
        }
    }
}

}  // namespace
