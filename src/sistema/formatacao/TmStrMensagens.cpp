#include "sistema/formatacao/TmStrMensagens.h"

#include <QStringList>
#include <new>
#include <stdexcept>
#include <typeinfo>
#include <variant>

#include "base/EConvertError.h"
#include "base/EInOutError.h"
#include "base/ErrosAritmeticos.h"
#include "base/internal/Texto.h"

namespace {

bool CaractereDeEmail(QChar c) {
    return TextoInterno::LetraAscii(c) || TextoInterno::Digito(c) || c == u'-' || c == u'.' ||
           c == u'_' || c == u'@';
}

QStringList FaltasDoEmail(QStringView email) {
    QStringList faltas;
    const qsizetype arroba = email.indexOf(u'@');
    if (email.count(u'@') > 1)
        faltas << QStringLiteral("Só pode haver um @ (arroba) no e-mail.");
    if (arroba < 0)
        faltas << QStringLiteral("Sem o @ (arroba) o e-mail fica incompleto.");
    if (email.isEmpty())
        return faltas;
    if (email.front() == u'@' || email.back() == u'@')
        faltas << QStringLiteral("O e-mail não pode começar nem terminar com @ (arroba).");
    if (!email.mid(arroba < 0 ? 0 : arroba).contains(u'.')) {
        faltas << QStringLiteral(
            "Verifique se o domínio foi informado corretamente (após o @). Para estar correto, "
            "ele precisa ter pelo menos um ponto.");
    }
    if (email.front() == u'.' || email.back() == u'.')
        faltas << QStringLiteral("O e-mail não pode começar nem terminar com ponto.");
    if (email.contains(u"..") || email.contains(u"@.") || email.contains(u".@")) {
        faltas << QStringLiteral(
            "Não pode haver dois pontos consecutivos, nem ponto imediatamente antes ou depois do "
            "@ (arroba).");
    }
    for (const QChar c : email) {
        if (!CaractereDeEmail(c))
            faltas << QStringLiteral("O caracter '%1' é inválido em e-mails.").arg(c);
    }
    return faltas;
}

template <typename Tipo>
bool E(const std::exception& e) {
    return dynamic_cast<const Tipo*>(&e) != nullptr;
}

QString Frase(const std::exception& e) {
    if (E<EConvertError>(e))
        return QStringLiteral("Erro de conversão de tipos!");
    if (E<EDivByZero>(e))
        return QStringLiteral("Divisão de inteiro por zero!");
    if (E<EInOutError>(e))
        return QStringLiteral("Erro de Entrada ou Saída reportado pelo sistema operacional!");
    if (E<EIntOverflow>(e))
        return QStringLiteral("Resultado de um cálculo inteiro excedeu o limite!");
    if (E<std::bad_cast>(e))
        return QStringLiteral("TypeCast inválido com o operador as!");
    if (E<std::domain_error>(e))
        return QStringLiteral("Operação inválida com número de ponto flutuante!");
    if (E<std::bad_alloc>(e))
        return QStringLiteral("Memória insuficiente!");
    if (E<std::overflow_error>(e))
        return QStringLiteral("Resultado de um cálculo com número real excedeu o limite!");
    if (E<std::out_of_range>(e) && !E<EListError>(e))
        return QStringLiteral("Valor excede o limite do tipo inteiro ao qual foi atribuída!");
    if (E<std::underflow_error>(e))
        return QStringLiteral(
            "Resultado de um cálculo com número real é menor que a faixa válida!");
    if (E<std::bad_variant_access>(e))
        return QStringLiteral("Erro em operação com variant!");
    return {};
}

}  // namespace

bool TmStr::IsEmailValido(QStringView asEmail, QString& osMsgErro) {
    const QStringList faltas = FaltasDoEmail(asEmail);
    osMsgErro = faltas.join(u'\r');
    return faltas.isEmpty();
}

QString TmStr::GetErrorMessage(const std::exception& e) {
    return Frase(e) + QStringLiteral("\r\r") + QString::fromUtf8(e.what());
}
