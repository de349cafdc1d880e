// TmStr: cleanup, character classes and accent folding.
#include <array>

#include "base/internal/Texto.h"
#include "texto/separacao/TmStrSepara.h"

using namespace TextoInterno;

namespace {

// Keeps the characters for which `manter` is true (after the library's trim when asked).
template <typename F>
QString Filtrar(QStringView texto, bool aparar, F&& manter) {
    if (aparar)
        texto = Aparar(texto);
    QString out;
    out.reserve(texto.size());
    for (const QChar c : texto)
        if (manter(c))
            out += c;
    return out;
}

// Maps every character through `mapear`, which appends what the character becomes.
template <typename F>
QString Mapear(QStringView texto, F&& mapear) {
    QString out;
    out.reserve(texto.size());
    for (const QChar c : texto)
        mapear(out, c);
    return out;
}

bool NoIntervalo(QChar c, char16_t de, char16_t ate) {
    return c.unicode() >= de && c.unicode() <= ate;
}

// Portuguese (and the other Latin-1) accented letters folded to plain letters; 0 for any other
// code. The feminine ordinal folds to "a"; the masculine one is left to each routine.
constexpr std::array<char16_t, 256> kLetrasDobradas = [] {
    std::array<char16_t, 256> t{};
    auto faixa = [&](int de, int ate, char16_t para) {
        for (int c = de; c <= ate; ++c)
            t[std::size_t(c)] = para;
    };
    faixa(170, 170, u'a');
    faixa(192, 196, u'A');
    faixa(199, 199, u'C');
    faixa(200, 203, u'E');
    faixa(204, 207, u'I');
    faixa(209, 209, u'N');
    faixa(210, 214, u'O');
    faixa(217, 220, u'U');
    faixa(224, 228, u'a');
    faixa(231, 231, u'c');
    faixa(232, 235, u'e');
    faixa(236, 239, u'i');
    faixa(241, 241, u'n');
    faixa(242, 246, u'o');
    faixa(249, 252, u'u');
    return t;
}();

char16_t LetraDobrada(QChar c) {
    return c.unicode() < 256 ? kLetrasDobradas[c.unicode()] : 0;
}

constexpr char16_t kOrdinalMasculino = 186;
constexpr char16_t kAcentoAgudo = 180;

// The accent folding of RemoveAcentos and its SQL variant: `apagar` are the signs deleted.
QString DobrarAcentos(QStringView texto, QStringView apagar, bool dobrarOrdinal) {
    return Mapear(texto, [&](QString& out, QChar c) {
        if (apagar.contains(c))
            return;
        if (c == kOrdinalMasculino && dobrarOrdinal)
            out += QLatin1Char('o');
        else if (const char16_t letra = LetraDobrada(c))
            out += QChar(letra);
        else
            out += c;
    });
}

bool EmConjunto(QStringView conjunto, QChar c) {
    return conjunto.contains(c);
}

}  // namespace

QString TmStr::RemoveEspacosDuplos(QStringView S) {
    return Mapear(S, [](QString& out, QChar c) {
        if (c != u' ' || !out.endsWith(u' '))
            out += c;
    });
}

QString TmStr::RemoveEnter(QStringView asText) {
    return Mapear(asText, [](QString& out, QChar c) {
        if (c == u'\r')
            out += QLatin1Char(' ');
        else if (c != u'\n')
            out += c;
    });
}

QString TmStr::Clear(QStringView S) {
    const QString simples = RemoveEspacosDuplos(S);
    return RemoveAcentos(Aparar(simples), true).toLower();
}

QString TmStr::RemoveCaracterLeft(QStringView Texto, QChar Caracter) {
    qsizetype i = 0;
    while (i < Texto.size() && Texto[i] == Caracter)
        ++i;
    return Texto.mid(i).toString();
}

QString TmStr::RemoveZerosEsquerda(QStringView Texto) {
    return RemoveCaracterLeft(Texto, u'0');
}

QString TmStr::OnlyDigits(QStringView Texto) {
    return Filtrar(Texto, true, Digito);
}

QString TmStr::SomenteNumeros(QStringView Texto, bool DeleteDecimalSeparator) {
    const QChar separador = mConst::Regionais().DecimalSeparator;
    return Filtrar(Texto, true, [&](QChar c) {
        return Digito(c) || (!DeleteDecimalSeparator && c == separador);
    });
}

QString TmStr::RemoveNumeros(QStringView Texto) {
    return Filtrar(Texto, false, [](QChar c) { return !Digito(c); });
}

QString TmStr::SomenteLetras(QStringView Texto, QStringView IgnorarCaracter) {
    const bool ignorar = IgnorarCaracter.size() == 1;
    return Filtrar(Texto, true,
                   [&](QChar c) { return LetraAscii(c) || (ignorar && c == IgnorarCaracter[0]); });
}

QString TmStr::SomenteAlfa(QStringView Texto, QStringView asCaracterSubstituir) {
    return Mapear(Aparar(Texto), [&](QString& out, QChar c) {
        if (c == u' ' || Digito(c) || LetraAscii(c))
            out += c;
        else if (!asCaracterSubstituir.isEmpty())
            out += asCaracterSubstituir[0];
    });
}

QString TmStr::SomenteASCII(QStringView Texto) {
    return Filtrar(Texto, true, [](QChar c) {
        return NoIntervalo(c, 32, 126) || NoIntervalo(c, 192, 214) || NoIntervalo(c, 217, 220) ||
               NoIntervalo(c, 224, 252);
    });
}

QString TmStr::Somente(QStringView asTexto, const TSysCharSet& asLista, bool abTrim) {
    return Filtrar(asTexto, abTrim,
                   [&](QChar c) { return c.unicode() < 256 && asLista.test(c.unicode()); });
}

QString TmStr::SomenteCaracteresValidos(QStringView asTexto) {
    static const QString validos = QStringLiteral(
        "çÇàáãäâèéëìíïòóôõöùúüýÿÀÁÃÄÂÈÉËÌÍÏÒÓÔÕÖÙÚÜÝ!@#$%&*()_+=-\"{}[]/\\|?;:<>,.' ");
    return Mapear(asTexto, [&](QString& out, QChar c) {
        if (Digito(c) || LetraAscii(c) || EmConjunto(validos, c))
            out += c;
        else if (c == u'\r' || c == u'\n')
            out += QLatin1Char(' ');
    });
}

QString TmStr::SomenteCaracteresValidosXML_WS(QStringView asTexto) {
    const QString validos = SomenteCaracteresValidos(asTexto);
    return Aparar(validos).toString().replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString TmStr::RemoveAcentos(QStringView Texto, bool abRemovePequenoO) {
    static constexpr char16_t apagar[] = {34, 39, 96, 126, kAcentoAgudo};
    return DobrarAcentos(Texto, QStringView(apagar, 5), abRemovePequenoO);
}

QString TmStr::RemoveAcentosSQL(QStringView Texto) {
    static constexpr char16_t apagar[] = {96, 126, kAcentoAgudo};
    return DobrarAcentos(Texto, QStringView(apagar, 3), true);
}

QString TmStr::LimparStringParaSQL(QStringView Texto) {
    return RemoveAcentosSQL(Texto)
        .replace(QLatin1Char('/'), QLatin1Char('_'))
        .replace(QLatin1Char('\\'), QLatin1Char('_'));
}

QString TmStr::RemoveCaracteresEspeciais(QStringView Texto) {
    static const QString sinais = QStringLiteral(" ~'\"!@#$%^&*()_-+=|/\\{}[]:;,.<>");
    return Mapear(Texto, [&](QString& out, QChar c) {
        if (Digito(c) || LetraAscii(c) || EmConjunto(sinais, c))
            out += c;
        else if (c == kOrdinalMasculino)
            out += QLatin1Char('o');
        else if (const char16_t letra = LetraDobrada(c))
            out += QChar(letra);
        else
            out += QLatin1Char(' ');  // the grave and acute accents among the rest
    });
}

void TmStr::RemoverBOM_StringList(QStringList& Lista) {
    static constexpr char16_t bom[] = {239, 187, 191};
    if (!Lista.isEmpty() && Lista[0].size() > 2 && Lista[0].startsWith(QStringView(bom, 3)))
        Lista[0].remove(0, 3);
}
