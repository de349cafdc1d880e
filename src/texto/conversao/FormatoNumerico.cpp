#include "texto/conversao/FormatoNumerico.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include "base/EConvertError.h"
#include "base/RtlNumeros.h"
#include "base/internal/Digitos.h"

namespace FormatoNumerico {
namespace {

constexpr qsizetype kMaximoFormato = 224;
constexpr int kDigitosSignificativos = 18;

// Rounding is decided on the first 18 significant digits of the stored value. Taking them costs
// more than the shortest round-trip digits, which decide the same rounding exactly while at most
// 14 digits are kept and the dropped part is not exactly one half: the stored value and its
// 18-digit form then lie on the same side of every halfway point (doubles carry 15.9 digits).
constexpr int kDigitosCurtos = 14;

struct Decimal;
Decimal DeDouble(double valor, bool curto);

// A magnitude as decimal digits: 0.d[0]d[1]...d[n-1] × 10^expoente, no trailing zeros; n == 0
// is zero. `curto`: the shortest digits of the double `origem`, not yet its 18 digits.
struct Decimal {
    char d[24] = {};
    int n = 0;
    int expoente = 0;
    bool negativo = false;
    bool curto = false;
    double origem = 0;

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
        if (curto && (manter > kDigitosCurtos || (manter == n - 1 && d[manter] == '5')))
            *this = DeDouble(origem, false);
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

// The shortest round-trip digits (curto) or the first 18 significant digits, correctly rounded.
Decimal DeDouble(double valor, bool curto) {
    Decimal r;
    if (valor == 0)
        return r;
    r.negativo = valor < 0;
    r.curto = curto;
    r.origem = valor;
    const DigitosInterno::Digitos escrito =
        DigitosInterno::Escrever(std::fabs(valor), curto ? 0 : kDigitosSignificativos);
    std::copy(escrito.digitos, escrito.digitos + escrito.quantidade, r.d);
    r.n = escrito.quantidade;
    const int expoente = escrito.expoente;
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
    std::vector<Token> tokens;
    bool vazia = true;
    int inteiros = 0;     // integer placeholders
    int minInteiros = 0;  // integer digits always shown: the placeholders from the first "0"
    int casas = 0;        // decimal placeholders
    int minCasas = 0;     // decimals always shown: up to the last "0"
    bool agrupar = false;
    bool cientifica = false;

    Secao() = default;
    explicit Secao(QStringView s) : vazia(s.isEmpty()) {
        bool ponto = false;
        int primeiroZero = -1;
        Percorrer(s, [&](const Token& t) {
            tokens.push_back(t);
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

// The text being written, in a fixed buffer: one allocation for the result instead of a growing
// string. Its size bounds every output of a pattern of at most 224 characters: the sign, the
// pattern's own characters, up to 309 integer digits with their groups, a separator, the
// exponent. Writing past it is dropped rather than overrun (it cannot happen).
class Saida {
public:
    Saida& operator+=(QChar c) {
        if (n_ < kCapacidade)
            buf_[n_++] = c.unicode();
        return *this;
    }
    Saida& operator+=(QStringView texto) {
        for (const QChar c : texto)
            *this += c;
        return *this;
    }
    QString Texto() const { return QString(reinterpret_cast<const QChar*>(buf_), n_); }

private:
    static constexpr qsizetype kCapacidade = 2048;
    char16_t buf_[kCapacidade];
    qsizetype n_ = 0;
};

// Writes a rounded magnitude in a section.
void Emitir(Saida& out, const Secao& sec, const Decimal& v, const TFormatSettings& fs) {
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
    for (const Token& t : sec.tokens) {
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
                char digitos[8];
                const int n = int(std::to_chars(digitos, digitos + 8, std::abs(e)).ptr - digitos);
                for (int z = n; z < t.zeros; ++z)
                    out += QLatin1Char('0');
                for (int i = 0; i < n; ++i)
                    out += QLatin1Char(digitos[i]);
                break;
            }
        }
    }
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

// A pattern split into its sections and analysed. Each thread keeps its last one: screens and
// reports format many values with the same pattern.
struct Padrao {
    QString formato;  // the sections' tokens point into it
    int contagem = 0;
    Secao secoes[3];

    explicit Padrao(QStringView f) : formato(f.toString()) {
        QStringView textos[3];
        contagem = Secoes(formato, textos);
        for (int i = 0; i < contagem; ++i)
            secoes[i] = Secao(textos[i]);
    }
    // The section of index i when the pattern has it and it is not empty.
    const Secao* Presente(int i) const {
        return i < contagem && !secoes[i].vazia ? &secoes[i] : nullptr;
    }
};

const Padrao& Analisado(QStringView formato) {
    thread_local std::optional<Padrao> ultimo;
    if (!ultimo || ultimo->formato != formato)
        ultimo.emplace(formato);
    return *ultimo;
}

template <typename FormaGeral>
QString FormatarDecimal(const Decimal& valor, QStringView formato, const TFormatSettings& fs,
                        FormaGeral formaGeral) {
    ValidarTamanho(formato);
    const Padrao& padrao = Analisado(formato);
    const Secao* positiva = padrao.Presente(0);
    if (!positiva)
        return formaGeral();

    // The section follows the value's sign; it is the zero section's (or the positive one's,
    // without a sign) only when the value rounds to zero in the section its sign picked.
    const Secao* negativa = valor.negativo ? padrao.Presente(1) : nullptr;
    const Secao& secao = negativa ? *negativa : *positiva;
    const Decimal arredondado = secao.Arredondar(valor);
    Saida out;
    if (arredondado.Zero()) {
        const Secao* zero = padrao.Presente(2);
        Emitir(out, zero ? *zero : *positiva, Decimal{}, fs);
        return out.Texto();
    }
    if (valor.negativo && !negativa)
        out += QLatin1Char('-');
    Emitir(out, secao, arredondado, fs);
    return out.Texto();
}

}  // namespace

QString Formatar(double valor, QStringView formato, const TFormatSettings& fs) {
    auto formaGeral = [&] { return Rtl::FloatToStr(valor, fs); };
    if (!std::isfinite(valor)) {
        ValidarTamanho(formato);
        return formaGeral();
    }
    return FormatarDecimal(DeDouble(valor, true), formato, fs, formaGeral);
}

QString Formatar(Currency valor, QStringView formato, const TFormatSettings& fs) {
    return FormatarDecimal(DeCurrency(valor), formato, fs,
                           [&] { return Rtl::CurrToStr(valor, fs); });
}

}  // namespace FormatoNumerico
