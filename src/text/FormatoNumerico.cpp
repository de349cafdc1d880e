#include "FormatoNumerico.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "EConvertError.h"
#include "Rtl.h"

namespace FormatoNumerico {
namespace {

constexpr qsizetype kMaximoFormato = 224;
constexpr int kDigitosSignificativos = 18;

// A magnitude as decimal digits: 0.d[0]d[1]...d[n-1] × 10^expoente, no trailing zeros; n == 0
// is zero.
struct Decimal {
    char d[24] = {};
    int n = 0;
    int expoente = 0;
    bool negativo = false;

    bool Zero() const { return n == 0; }
    char Digito(int i) const { return i >= 0 && i < n ? d[i] : '0'; }

    void Normalizar() {
        while (n > 0 && d[n - 1] == '0')
            --n;
        if (n == 0)
            expoente = 0;
    }

    // Keeps the first `manter` digits, rounding half away from zero on the next one.
    void ArredondarDigitos(int manter) {
        if (manter >= n)
            return;
        if (manter < 0) {
            n = 0;
            expoente = 0;
            return;
        }
        const bool sobe = d[manter] >= '5';
        n = manter;
        if (sobe) {
            int i = n - 1;
            while (i >= 0 && d[i] == '9')
                --i;
            if (i < 0) {
                d[0] = '1';
                n = 1;
                ++expoente;
            } else {
                ++d[i];
                n = i + 1;
            }
        }
        Normalizar();
    }

    void ArredondarCasas(int casas) { ArredondarDigitos(expoente + casas); }
};

Decimal DeDouble(double valor) {
    Decimal r;
    if (valor == 0)
        return r;
    r.negativo = valor < 0;
    // Shortest exact route to the first 18 significant digits, correctly rounded.
    char buf[48];
    const auto fim = std::to_chars(buf, buf + sizeof buf, std::fabs(valor),
                                   std::chars_format::scientific, kDigitosSignificativos - 1)
                         .ptr;
    r.d[0] = buf[0];
    std::copy(buf + 2, buf + 1 + kDigitosSignificativos, r.d + 1);
    r.n = kDigitosSignificativos;
    const char* e = std::find(buf, fim, 'e') + 1;
    if (*e == '+')
        ++e;
    int expoente = 0;
    std::from_chars(e, fim, expoente);
    r.expoente = expoente + 1;
    r.Normalizar();
    return r;
}

Decimal DeCurrency(Currency valor) {
    Decimal r;
    const std::int64_t raw = valor.Raw();
    if (raw == 0)
        return r;
    r.negativo = raw < 0;
    const std::uint64_t magnitude = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : raw;
    r.n = int(std::to_chars(r.d, r.d + sizeof r.d, magnitude).ptr - r.d);
    r.expoente = r.n - 4;
    r.Normalizar();
    return r;
}

enum class Tipo { Literal, Digito, Ponto, Virgula, Expoente };

struct Token {
    Tipo tipo;
    QStringView texto;  // Literal: the text; Digito: "0" or "#"; Expoente: "E+" etc.
    int zeros = 0;      // Expoente: minimum digits of the exponent
};

// Walks a section calling `visitar` for each of its tokens. After the exponent every character
// is literal; a "." after the first one is ignored.
template <typename F>
void Percorrer(QStringView secao, F&& visitar) {
    bool ponto = false;
    bool expoente = false;
    qsizetype i = 0;
    const qsizetype n = secao.size();
    while (i < n) {
        const QChar c = secao[i];
        if (c == u'"' || c == u'\'') {
            qsizetype fim = secao.indexOf(c, i + 1);
            if (fim < 0)
                fim = n;
            visitar(Token{Tipo::Literal, secao.mid(i + 1, fim - i - 1)});
            i = fim + 1;
        } else if (expoente) {
            visitar(Token{Tipo::Literal, secao.mid(i, 1)});
            ++i;
        } else if ((c == u'E' || c == u'e') && i + 2 < n &&
                   (secao[i + 1] == u'+' || secao[i + 1] == u'-') && secao[i + 2] == u'0') {
            qsizetype j = i + 2;
            while (j < n && secao[j] == u'0')
                ++j;
            visitar(
                Token{Tipo::Expoente, secao.mid(i, 2), int(std::min<qsizetype>(j - i - 2, 32))});
            expoente = true;
            i = j;
        } else {
            if (c == u'0' || c == u'#') {
                visitar(Token{Tipo::Digito, secao.mid(i, 1)});
            } else if (c == u'.') {
                if (!ponto)
                    visitar(Token{Tipo::Ponto, {}});
                ponto = true;
            } else if (c == u',') {
                visitar(Token{Tipo::Virgula, {}});
            } else {
                visitar(Token{Tipo::Literal, secao.mid(i, 1)});
            }
            ++i;
        }
    }
}

struct Secao {
    QStringView texto;
    int inteiros = 0;     // integer placeholders
    int minInteiros = 0;  // integer digits always shown: the placeholders from the first "0"
    int casas = 0;        // decimal placeholders
    int minCasas = 0;     // decimals always shown: up to the last "0"
    bool agrupar = false;
    bool cientifica = false;

    explicit Secao(QStringView s) : texto(s) {
        bool ponto = false;
        int primeiroZero = -1;
        Percorrer(s, [&](const Token& t) {
            switch (t.tipo) {
                case Tipo::Digito:
                    if (!ponto) {
                        if (t.texto[0] == u'0' && primeiroZero < 0)
                            primeiroZero = inteiros;
                        ++inteiros;
                    } else {
                        ++casas;
                        if (t.texto[0] == u'0')
                            minCasas = casas;
                    }
                    break;
                case Tipo::Ponto:
                    ponto = true;
                    break;
                case Tipo::Virgula:
                    agrupar = agrupar || !ponto;
                    break;
                case Tipo::Expoente:
                    cientifica = true;
                    break;
                case Tipo::Literal:
                    break;
            }
        });
        if (primeiroZero >= 0)
            minInteiros = inteiros - primeiroZero;
    }

    Decimal Arredondar(Decimal v) const {
        if (cientifica)
            v.ArredondarDigitos(inteiros + casas);
        else
            v.ArredondarCasas(casas);
        return v;
    }
};

// Writes a rounded magnitude in a section.
void Emitir(QString& out, const Secao& sec, const Decimal& v, const TFormatSettings& fs) {
    // Digits before the decimal point of v in this layout: the real ones, or the mantissa's
    // integer placeholders in scientific form.
    const int digitosAntesDoPonto = sec.cientifica ? sec.inteiros : v.expoente;
    const int reais = std::max(digitosAntesDoPonto, 0);
    const int mostrados = sec.cientifica ? sec.inteiros : std::max(reais, sec.minInteiros);
    const int preenchidos = mostrados - reais;
    const int casasReais = std::clamp(v.n - digitosAntesDoPonto, 0, sec.casas);
    const int casasMostradas = std::max(sec.minCasas, casasReais);
    const bool agrupar = sec.agrupar && !sec.cientifica;

    auto inteiro = [&](int s) {
        out += QLatin1Char(s < preenchidos ? '0' : v.Digito(s - preenchidos));
        const int restantes = mostrados - 1 - s;
        if (agrupar && restantes > 0 && restantes % 3 == 0)
            out += fs.ThousandSeparator;
    };
    auto inteirosDe = [&](int primeiro, int ultimo) {
        for (int s = std::max(primeiro, 0); s <= ultimo; ++s)
            inteiro(s);
    };
    const int excesso = mostrados - sec.inteiros;
    int k = 0;  // integer placeholder index
    int j = 0;  // decimal placeholder index
    bool ponto = false;
    Percorrer(sec.texto, [&](const Token& t) {
        switch (t.tipo) {
            case Tipo::Literal:
                out += t.texto;
                break;
            case Tipo::Virgula:
                break;
            case Tipo::Digito:
                if (!ponto) {
                    inteirosDe(k == 0 ? 0 : k + excesso, k + excesso);
                    ++k;
                } else if (j++ < casasMostradas) {
                    out += QLatin1Char(v.Digito(digitosAntesDoPonto + j - 1));
                }
                break;
            case Tipo::Ponto:
                if (sec.inteiros == 0)
                    inteirosDe(0, mostrados - 1);
                ponto = true;
                if (casasMostradas > 0)
                    out += fs.DecimalSeparator;
                break;
            case Tipo::Expoente: {
                const int e = v.Zero() ? 0 : v.expoente - sec.inteiros;
                out += t.texto[0];
                if (e < 0)
                    out += QLatin1Char('-');
                else if (t.texto[1] == u'+')
                    out += QLatin1Char('+');
                out += QString::number(std::abs(e)).rightJustified(t.zeros, QLatin1Char('0'));
                break;
            }
        }
    });
    if (sec.inteiros == 0 && !ponto)
        inteirosDe(0, mostrados - 1);
}

// The up to three sections of a pattern, split at ";" outside quotes.
int Secoes(QStringView formato, QStringView (&secoes)[3]) {
    int contagem = 0;
    qsizetype inicio = 0;
    QChar aspas = QChar::Null;
    for (qsizetype i = 0; i <= formato.size() && contagem < 3; ++i) {
        if (i == formato.size()) {
            secoes[contagem++] = formato.mid(inicio);
            break;
        }
        const QChar c = formato[i];
        if (!aspas.isNull()) {
            if (c == aspas)
                aspas = QChar::Null;
        } else if (c == u'"' || c == u'\'') {
            aspas = c;
        } else if (c == u';') {
            secoes[contagem++] = formato.mid(inicio, i - inicio);
            inicio = i + 1;
        }
    }
    return contagem;
}

void ValidarTamanho(QStringView formato) {
    if (formato.size() > kMaximoFormato)
        throw EConvertError(QStringLiteral("Format string too long"));
}

template <typename FormaGeral>
QString FormatarDecimal(const Decimal& valor, QStringView formato, const TFormatSettings& fs,
                        FormaGeral formaGeral) {
    ValidarTamanho(formato);
    QStringView textos[3];
    const int contagem = Secoes(formato, textos);
    if (textos[0].isEmpty())
        return formaGeral();

    const Secao positiva(textos[0]);
    Decimal arredondado = positiva.Arredondar(valor);
    QString out;
    out.reserve(formato.size() + 32);
    if (arredondado.Zero()) {
        if (contagem > 2 && !textos[2].isEmpty()) {
            Emitir(out, Secao(textos[2]), Decimal{}, fs);
            return out;
        }
    } else if (valor.negativo) {
        if (contagem > 1 && !textos[1].isEmpty()) {
            const Secao negativa(textos[1]);
            Emitir(out, negativa, negativa.Arredondar(valor), fs);
            return out;
        }
        out += QLatin1Char('-');
    }
    Emitir(out, positiva, arredondado, fs);
    return out;
}

}  // namespace

QString Formatar(double valor, QStringView formato, const TFormatSettings& fs) {
    auto formaGeral = [&] { return Rtl::FloatToStr(valor, fs); };
    if (!std::isfinite(valor)) {
        ValidarTamanho(formato);
        return formaGeral();
    }
    return FormatarDecimal(DeDouble(valor), formato, fs, formaGeral);
}

QString Formatar(Currency valor, QStringView formato, const TFormatSettings& fs) {
    return FormatarDecimal(DeCurrency(valor), formato, fs,
                           [&] { return Rtl::CurrToStr(valor, fs); });
}

}  // namespace FormatoNumerico
