// Check digits against an independent implementation: Debian's python3-stdnum (stdnum.ean for
// GTIN, stdnum.luhn for the weights 2 and 1 rule, which is the Luhn rule), run through python3
// on random numbers. Skipped only when python3 or the module is missing.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <random>

#include "sistema/arredondamento/TmConvArredonda.h"
#include "sistema/codbarras/TmStrCodBarras.h"

namespace {

// Answers one line per request «operation number».
constexpr char kScript[] = R"(
import sys
from stdnum import ean, luhn
operacoes = {
    'ean': ean.calc_check_digit,
    'ean?': lambda n: str(ean.is_valid(n)),
    'luhn': luhn.calc_check_digit,
    'luhn?': lambda n: str(luhn.is_valid(n)),
}
for linha in sys.stdin:
    operacao, numero = linha.split()
    print(operacoes[operacao](numero))
)";

// The first python3 that has stdnum: Debian's own interpreter, where python3-stdnum installs,
// then the one on PATH.
QString PythonComStdnum() {
    const QStringList candidatos = {QStringLiteral("/usr/bin/python3"),
                                    QStandardPaths::findExecutable(QStringLiteral("python3"))};
    for (const QString& python : candidatos) {
        if (python.isEmpty())
            continue;
        QProcess teste;
        teste.start(python,
                    {QStringLiteral("-c"), QStringLiteral("import stdnum.ean, stdnum.luhn")});
        if (teste.waitForFinished(30000) && teste.exitStatus() == QProcess::NormalExit &&
            teste.exitCode() == 0)
            return python;
    }
    return {};
}

class Stdnum : public ::testing::Test {
protected:
    void SetUp() override {
        python_ = PythonComStdnum();
        if (python_.isEmpty())
            GTEST_SKIP() << "python3 with the stdnum module is missing (Debian: python3-stdnum)";
    }

    // Adds a request and the answer this library gives to it.
    void Perguntar(const char* operacao, const QString& numero, const QString& nossa) {
        pedidos_ += QLatin1String(operacao) + QLatin1Char(' ') + numero;
        nossas_ += nossa;
    }

    // Sends every request at once and compares the answers line by line.
    void CompararTudo() {
        QProcess python;
        python.start(python_, {QStringLiteral("-c"), QLatin1String(kScript)});
        ASSERT_TRUE(python.waitForStarted(30000));
        python.write((pedidos_.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        python.closeWriteChannel();
        ASSERT_TRUE(python.waitForFinished(120000));
        ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
        const QStringList deles = QString::fromUtf8(python.readAllStandardOutput())
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(deles.size(), pedidos_.size());
        int discordancias = 0;
        for (qsizetype i = 0; i < pedidos_.size(); ++i)
            if (deles[i] != nossas_[i] && ++discordancias <= 10)
                ADD_FAILURE() << pedidos_[i].toStdString() << ": stdnum " << deles[i].toStdString()
                              << ", here " << nossas_[i].toStdString();
        EXPECT_EQ(discordancias, 0);
    }

    QString Digitos(int quantidade) {
        std::uniform_int_distribution<int> digito(0, 9);
        QString numero(quantidade, QLatin1Char('0'));
        for (QChar& c : numero)
            c = QChar(u'0' + digito(aleatorio_));
        return numero;
    }

    std::mt19937 aleatorio_{20240501};

private:
    QString python_;
    QStringList pedidos_;
    QStringList nossas_;
};

QString Booleano(bool valor) {
    return valor ? QStringLiteral("True") : QStringLiteral("False");
}

TEST_F(Stdnum, GtinCheckDigits) {
    for (int i = 0; i < 1000; ++i) {
        for (const int tamanho : {7, 11, 12}) {
            const QString corpo = Digitos(tamanho);
            Perguntar("ean", corpo, TmStr::GetCodBarraDigito(corpo));
        }
        const QString corpo14 = Digitos(13);
        Perguntar("ean", corpo14, TmStr::GetCodBarra14Digito(corpo14));
    }
    CompararTudo();
}

// Complete codes of every GTIN length, half of them with a wrong check digit.
TEST_F(Stdnum, GtinValidation) {
    for (int i = 0; i < 1000; ++i) {
        for (const int tamanho : {7, 11, 12, 13}) {
            QString codigo = Digitos(tamanho);
            codigo += tamanho == 13 ? TmStr::GetCodBarra14Digito(codigo)
                                    : TmStr::GetCodBarraDigito(codigo);
            if (i % 2)
                codigo.back() = QChar(u'0' + (codigo.back().unicode() - u'0' + 1 + i % 9) % 10);
            Perguntar("ean?", codigo, Booleano(TmStr::IsCodBarraValido(codigo, true)));
        }
    }
    CompararTudo();
}

TEST_F(Stdnum, Modulo10IsLuhn) {
    for (int tamanho = 1; tamanho <= 40; ++tamanho)
        for (int i = 0; i < 50; ++i) {
            const QString numero = Digitos(tamanho);
            Perguntar("luhn", numero, TmConv::Modulo10(numero));
        }
    CompararTudo();
}

// Each block of a cheque line followed by its check digit is a valid Luhn number.
TEST_F(Stdnum, Cmc7CheckDigits) {
    TmStr::SemearGeradorCmc7(99);
    const QString sim = Booleano(true);
    for (int i = 0; i < 1000; ++i) {
        const QString linha = TmStr::GetCmc7();
        Perguntar("luhn?", linha.mid(0, 7) + linha.mid(18, 1), sim);
        Perguntar("luhn?", linha.mid(8, 10) + linha.mid(7, 1), sim);
        Perguntar("luhn?", linha.mid(19, 11), sim);
    }
    CompararTudo();
}

}  // namespace
