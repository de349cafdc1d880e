// CPF and numeric CNPJ check digits against Debian's python3-stdnum (stdnum.br.cpf and
// stdnum.br.cnpj), on a million generated bases of each. Skipped only when python3 or the
// module is missing.
#include <gtest/gtest.h>

#include <QProcess>

#include "Diferencial.h"
#include "sistema/documentos/TmStrDocumentos.h"

namespace {

// Answers one line per request «operation number».
constexpr char kScript[] = R"(
import sys
from stdnum.br import cpf, cnpj
def valido(modulo, numero):
    return str(modulo.is_valid(numero) and len(set(modulo.compact(numero))) > 1)
operacoes = {
    'cpf': cpf._calc_check_digits,
    'cnpj': cnpj.calc_check_digits,
    'cpf?': lambda n: valido(cpf, n),
    'cnpj?': lambda n: valido(cnpj, n),
}
for linha in sys.stdin:
    operacao, numero = linha.split()
    print(operacoes[operacao](numero))
)";

constexpr char kPython[] = "/usr/bin/python3";

class Stdnum : public ::testing::Test {
protected:
    void SetUp() override {
        QProcess teste;
        teste.start(QLatin1String(kPython),
                    {QStringLiteral("-c"), QStringLiteral("import stdnum.br.cpf, stdnum.br.cnpj")});
        if (!teste.waitForFinished(30000) || teste.exitCode() != 0)
            GTEST_SKIP() << "python3 with the stdnum module is missing (Debian: python3-stdnum)";
    }
    void Comparar() {
        diferencial_.Comparar(QLatin1String(kPython),
                              {QStringLiteral("-c"), QLatin1String(kScript)});
    }

    Diferencial diferencial_;
    Gerador gerador_{20260701};
};

TEST_F(Stdnum, MillionCpfBases) {
    for (int i = 0; i < 1000000; ++i) {
        const QString base = gerador_.Texto(9);
        if (base != u"000000000")
            diferencial_.Perguntar(QStringLiteral("cpf ") + base,
                                   TmStr::CalculaDigitoCnpjCpf(base));
    }
    Comparar();
}

TEST_F(Stdnum, MillionCnpjBases) {
    for (int i = 0; i < 1000000; ++i) {
        const QString base = gerador_.Texto(12);
        if (base != u"000000000000")
            diferencial_.Perguntar(QStringLiteral("cnpj ") + base,
                                   TmStr::CalculaDigitoCnpjCpf(base));
    }
    Comparar();
}

// Whole numbers with their marks, half of them with a wrong last digit.
TEST_F(Stdnum, Validation) {
    for (int i = 0; i < 100000; ++i) {
        const bool cpf = i % 2;
        QString numero = gerador_.Texto(cpf ? 9 : 12);
        numero += TmStr::CalculaDigitoCnpjCpf(numero);
        if (numero.size() < 11)
            continue;
        if (i % 4 < 2)
            numero.back() = QChar(u'0' + (numero.back().unicode() - u'0' + 1 + i % 9) % 10);
        const QString formatado = TmStr::FormataCPFCNPJ(numero);
        diferencial_.Perguntar(QString::fromUtf16(cpf ? u"cpf? " : u"cnpj? ") + formatado,
                               Booleano(TmStr::IsCPFValido(formatado)));
    }
    Comparar();
}

}  // namespace
