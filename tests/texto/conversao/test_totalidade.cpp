// Every routine is total: random texts (NUL, surrogate halves, separators, quotes), random
// patterns and extreme numbers give a result or the library's clear error, never a crash or a
// hang (the sanitizers watch the run).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "base/EConvertError.h"
#include "texto/conversao/TmConv.h"
#include "texto/conversao/TmStrNumeros.h"
#include "texto/separacao/TmStrSepara.h"

namespace {

class Aleatorio {
public:
    QString Texto(const std::u16string& alfabeto, int maximo) {
        QString t;
        for (int n = Inteiro(0, maximo); n > 0; --n)
            t += QChar(alfabeto[std::size_t(Inteiro(0, int(alfabeto.size()) - 1))]);
        return t;
    }
    int Inteiro(int de, int ate) { return std::uniform_int_distribution<int>(de, ate)(gerador_); }
    double Numero() {
        static const double especiais[] = {0.0,
                                           -0.0,
                                           std::nan(""),
                                           INFINITY,
                                           -INFINITY,
                                           std::numeric_limits<double>::max(),
                                           std::numeric_limits<double>::denorm_min(),
                                           -1e18,
                                           0.5,
                                           -0.0049};
        if (Inteiro(0, 3) == 0)
            return especiais[Inteiro(0, 9)];
        return std::ldexp(double(Inteiro(-1000000, 1000000)), Inteiro(-80, 80));
    }

private:
    std::mt19937 gerador_{42};
};

const std::u16string kTexto{
    u"09,.;|-()'\" \t\r\n\0aZçÃº\xD800\xDC00"
    u"E+#",
    25};
const std::u16string kPadrao{u"0#.,;E+e-\"'x%\\ ", 15};

TEST(Totalidade, PatternsAndColumnsNeverCrash) {
    Aleatorio a;
    for (int i = 0; i < 8000; ++i) {
        const QString padrao = a.Texto(kPadrao, i % 100 == 0 ? 300 : 24);
        const double v = a.Numero();
        const int largura = a.Inteiro(-5, 40);
        try {
            const QString s = TmStr::Formata(v, padrao, i % 2);
            EXPECT_LT(s.size(), 2048);
            TmStr::FormataPonto(v, largura, i % 3, padrao, i % 5 == 0, i % 7 == 0, i % 2);
            TmStr::FormataPontoEx(v, largura, padrao);
            TmStr::PadRightPonto(v, largura, u'*', padrao, i % 2);
            TmStr::FormataPonto3Casas(Currency::FromRaw(qint64(v)), largura, padrao);
            TmConv::FloatToAnsiFormated(v, padrao);
        } catch (const EConvertError&) {
            EXPECT_GT(padrao.size(), 224);
        }
        TmStr::FormataValor(v, largura, a.Inteiro(-3, 12), i % 2, i % 3, u' ', padrao.left(3));
        TmStr::StrZeroFloat(v, largura, a.Inteiro(-3, 20));
        TmConv::FloatToAnsi(v);
    }
}

TEST(Totalidade, TextRoutinesNeverCrash) {
    Aleatorio a;
    for (int i = 0; i < 5000; ++i) {
        const QString t = a.Texto(kTexto, 30);
        const QString u = a.Texto(kTexto, 3);
        const QChar c = kTexto[std::size_t(a.Inteiro(0, int(kTexto.size()) - 1))];
        TmConv::Str2Float(t);
        TmConv::Str2Curr(t);
        TmConv::ToInt(t, 0);
        TmConv::ToInt64(t, 0);
        TmConv::StrAnsi2Float(t);
        TmConv::Str2FloatAnsi(t);
        TmConv::StrFormated2FloatDef(t, 0);
        TmConv::StrAnsiToDate(t, 0, i % 2);
        TmStr::IsNumero(t, true);
        TmStr::FormataDecimal(t, a.Inteiro(-5, 40), i % 2);
        TmStr::FormataNumeroPontos(t);
        TmStr::Separa(t, c, a.Inteiro(-2, 8));
        QStringList lista;
        TmStr::Split(t, c, lista, i % 2, true);
        TmStr::SplitInt(t, c);
        TmStr::SplitCSV(lista, t, c, true);
        TmStr::SplitB(t, c, lista);
        TmStr::GetStringPart(t, c, a.Inteiro(0, 8));
        TmStr::SplitInQuotedStr(t, c);
        TmStr::QuotedList(t, u);
        QString s = t;
        TmStr::Concatena(s, u, u, true);
        TmStr::Replace(t, u, t, i % 2);
        TmStr::Ocorre(t, u);
        TmStr::ContemTodos(t, {u});
        TmStr::StartsWith(t, u, i % 2);
        TmStr::CopyStr(t, u, u.left(1));
        TmStr::PosReverse(u, t);
        TmStr::GetPosCaracterBackJumpingNCaracter(t, c, a.Inteiro(-3, 5));
        TmStr::Clear(t);
        TmStr::RemoveEnter(t);
        TmStr::SomenteAlfa(t, u);
        TmStr::SomenteLetras(t, u);
        TmStr::SomenteASCII(t);
        TmStr::SomenteCaracteresValidosXML_WS(t);
        TmStr::RemoveCaracteresEspeciais(t);
        TmStr::LimparStringParaSQL(t);
    }
}

}  // namespace
