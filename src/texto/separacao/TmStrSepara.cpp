#include "texto/separacao/TmStrSepara.h"

#include <algorithm>

#include "base/EConvertError.h"
#include "base/RtlNumeros.h"
#include "base/internal/Texto.h"

using namespace TextoInterno;

namespace {

// Calls campo(view) for each of the (separators + 1) fields of the text, in order.
template <typename F>
void Campos(QStringView texto, QChar separador, F&& campo) {
    qsizetype inicio = 0;
    for (qsizetype fim; (fim = texto.indexOf(separador, inicio)) >= 0; inicio = fim + 1)
        campo(texto.mid(inicio, fim - inicio));
    campo(texto.mid(inicio));
}

TcrvArrayString TodosOsCampos(QStringView texto, QChar separador) {
    TcrvArrayString campos;
    campos.reserve(texto.count(separador) + 1);
    Campos(texto, separador, [&](QStringView c) { campos.append(c.toString()); });
    return campos;
}

// A field that is already a well-formed SQL text literal: quoted, inner quotes doubled.
bool JaEntreAspas(QStringView campo) {
    if (campo.size() < 2 || !campo.startsWith(u'\'') || !campo.endsWith(u'\''))
        return false;
    const QStringView dentro = campo.mid(1, campo.size() - 2);
    for (qsizetype i = 0; i < dentro.size(); ++i)
        if (dentro[i] == u'\'' && (++i >= dentro.size() || dentro[i] != u'\''))
            return false;
    return true;
}

template <typename Lista>
QString Juntar(const Lista& itens, QStringView separador, bool aspas) {
    QString out;
    for (const QString& item : itens)
        TmStr::Concatena(out, aspas ? QStringView(Aspas(item)) : QStringView(item), separador,
                         false);
    return out;
}

bool IguaisAscii(QStringView a, QStringView b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](QChar x, QChar y) {
               return TextoInterno::MaiusculaAscii(x) == TextoInterno::MaiusculaAscii(y);
           });
}

}  // namespace

QString TmStr::Separa(QStringView Texto, QChar Separador, int Posicao) {
    qsizetype inicio = 0;
    for (int campo = 1; campo < Posicao; ++campo) {
        const qsizetype p = Texto.indexOf(Separador, inicio);
        if (p < 0)
            return QString();
        inicio = p + 1;
    }
    const qsizetype fim = Texto.indexOf(Separador, inicio);
    return Texto.mid(inicio, fim < 0 ? -1 : fim - inicio).toString();
}

void TmStr::Split(QStringView Texto, QChar Separador, QStringList& MatrizSaida,
                  bool IgnorarStringVazias, bool LimpaMatrizSaida) {
    if (LimpaMatrizSaida)
        MatrizSaida.clear();
    Campos(Texto, Separador, [&](QStringView campo) {
        if (!IgnorarStringVazias || !Aparar(campo).isEmpty())
            MatrizSaida.append(campo.toString());
    });
}

TcrvArrayString TmStr::Split(QStringView asTexto, QChar asSeparador) {
    return TodosOsCampos(asTexto, asSeparador);
}

TcrvArrayInteger TmStr::SplitInt(QStringView asTexto, QChar asSeparador) {
    TcrvArrayInteger numeros;
    Campos(asTexto, asSeparador, [&](QStringView campo) {
        if (!campo.isEmpty())
            numeros.append(Rtl::TryStrToIntDecimal(campo).value_or(0));
    });
    return numeros;
}

QString TmStr::SplitPart(QStringView asTexto, QChar asSeparador, int aiParte) {
    const TcrvArrayString campos = TodosOsCampos(asTexto, asSeparador);
    if (aiParte < 1 || aiParte > campos.size())
        throw EListError(qint64(aiParte) - 1);
    return campos[aiParte - 1];
}

void TmStr::SplitCSV(QStringList& asMatrizSaida, QStringView asTexto, QChar asSeparador,
                     bool abLimpaMatrizSaida) {
    if (abLimpaMatrizSaida)
        asMatrizSaida.clear();
    QString campo;
    bool entreAspas = false;
    for (const QChar c : asTexto) {
        if (c == u'"') {
            entreAspas = !entreAspas;
        } else if (c == asSeparador && !entreAspas) {
            asMatrizSaida.append(campo);
            campo.clear();
        } else {
            campo += c;
        }
    }
    if (!campo.isEmpty())
        asMatrizSaida.append(campo);
}

void TmStr::SplitB(QStringView asText, QChar asSplitToken, QStringList& aoOut) {
    aoOut.clear();
    const QString token(asSplitToken);
    Campos(asText, asSplitToken, [&, primeiro = true](QStringView trecho) mutable {
        if (!primeiro)
            aoOut.append(token);
        primeiro = false;
        if (!trecho.isEmpty())
            aoOut.append(trecho.toString());
    });
}

QString TmStr::GetStringPart(QStringView asText, QChar asSplitChar, int aiIndexPart) {
    if (aiIndexPart < 0)
        throw EListError(aiIndexPart);
    QStringList partes;
    SplitB(asText, asSplitChar, partes);
    return aiIndexPart < partes.size() ? partes[aiIndexPart] : QString();
}

QString TmStr::SplitInQuotedStr(QStringView asTexto, QChar asSeparador) {
    QString out;
    bool primeiro = true;
    Campos(asTexto, asSeparador, [&](QStringView campo) {
        if (!primeiro)
            out += asSeparador;
        primeiro = false;
        out += JaEntreAspas(campo) ? campo.toString() : Aspas(campo);
    });
    return out;
}

QString TmStr::GetStringFilterIn(QStringView asLista, QStringView asSeparador, bool abQuoted) {
    QStringView lista = asLista;
    if (!asSeparador.isEmpty() && lista.endsWith(asSeparador))
        lista.chop(1);
    const TcrvArrayString itens =
        asSeparador.isEmpty() ? TcrvArrayString{lista.toString()} : Split(lista, asSeparador[0]);
    return ArrayConcatToStr(itens, asSeparador, abQuoted);
}

QString TmStr::QuotedList(QStringView asLista, QStringView asSeparador) {
    return GetStringFilterIn(asLista, asSeparador, true);
}

void TmStr::Concatena(QString& asEste, QStringView asComEste, QStringView asSeparadorSePreenchido,
                      bool asValidaSeJaExiste) {
    if (asEste.isEmpty()) {
        asEste = asComEste.toString();
        return;
    }
    if (asValidaSeJaExiste && !asSeparadorSePreenchido.isEmpty()) {
        for (const QStringView item :
             QStringView(asEste).tokenize(asSeparadorSePreenchido, Qt::KeepEmptyParts))
            if (item.compare(asComEste, Qt::CaseInsensitive) == 0)
                return;
    } else if (asValidaSeJaExiste && asEste.compare(asComEste, Qt::CaseInsensitive) == 0) {
        return;
    }
    asEste += asSeparadorSePreenchido;
    asEste += asComEste;
}

QString TmStr::Concatena(const TcrvArrayString& aaLista, QStringView asSeparador) {
    return Juntar(aaLista, asSeparador, false);
}

void TmStr::ConcatenaInicio(QString& asEste, QStringView asComEste,
                            QStringView asSeparadorSePreenchido) {
    if (asEste.isEmpty())
        asEste = asComEste.toString();
    else
        asEste.prepend(asSeparadorSePreenchido).prepend(asComEste);
}

QString TmStr::ArrayConcatToStr(const TcrvArrayString& aaArrayStr, QStringView asSeparador,
                                bool abQuoted) {
    return Juntar(aaArrayStr, asSeparador, abQuoted);
}

QString TmStr::ArrayStrConcatToStr(const TArrayStr& aaArrayStr, QStringView asSeparador,
                                   bool abQuoted) {
    return Juntar(aaArrayStr, asSeparador, abQuoted);
}

QString TmStr::ArrayIntToStr(const QList<int>& aaArrayInt, QStringView asSeparador) {
    TcrvArrayString textos;
    textos.reserve(aaArrayInt.size());
    for (const int n : aaArrayInt)
        textos.append(QString::number(n));
    return Juntar(textos, asSeparador, false);
}

QString TmStr::ArrayCharToString(const QList<QChar>& aaChar) {
    return QString(aaChar.constData(), aaChar.size());
}

QStringList TmStr::crvAStrToTStrings(const TcrvArrayString& aaLista) {
    return aaLista;
}

void TmStr::AddArray(TcrvArrayString& aaLista, const QString& asValor) {
    aaLista.append(asValor);
}
void TmStr::AddArray(TcrvArrayInteger& aaLista, int aiValor) {
    aaLista.append(aiValor);
}
void TmStr::ClearArray(TcrvArrayString& aaLista) {
    aaLista.clear();
}
void TmStr::ClearArray(TcrvArrayInteger& aaLista) {
    aaLista.clear();
}

QString TmStr::Replace(QStringView Texto, QStringView Este, QStringView PorEste,
                       bool IgnoraCaseSensitive) {
    QString out = Texto.toString();
    if (Este.isEmpty())
        return out;
    return out.replace(Este.toString(), PorEste.toString(),
                       IgnoraCaseSensitive ? Qt::CaseInsensitive : Qt::CaseSensitive);
}

int TmStr::Ocorre(QStringView Texto, QStringView SubTexto) {
    if (SubTexto.isEmpty())
        return 0;
    int vezes = 0;
    for (qsizetype p = 0; (p = Texto.indexOf(SubTexto, p)) >= 0; p += SubTexto.size())
        ++vezes;
    return vezes;
}

int TmStr::OcorreCh(QStringView Texto, QChar CharParaContar) {
    return int(Texto.count(CharParaContar));
}

int TmStr::ContarRepeticaoCaracter(QStringView Texto, QChar Caracter) {
    return OcorreCh(Texto, Caracter);
}

bool TmStr::Contem(QStringView asTexto, const QStringList& aaTextos) {
    return ContemPos(asTexto, aaTextos) >= 0;
}

int TmStr::ContemPos(QStringView asTexto, const QStringList& aaTextos) {
    for (qsizetype i = 0; i < aaTextos.size(); ++i)
        if (asTexto.compare(aaTextos[i], Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

bool TmStr::ContemTodos(QStringView asTexto, const QStringList& aaTextos) {
    return std::all_of(aaTextos.begin(), aaTextos.end(), [&](const QString& item) {
        return asTexto.contains(item, Qt::CaseInsensitive);
    });
}

bool TmStr::ContemInt(int aiInteiro, const QList<int>& aaArrayInteiro) {
    return aaArrayInteiro.contains(aiInteiro);
}

bool TmStr::StartsWith(QStringView Texto, QStringView Value, bool abIgnoreCase) {
    if (Texto.size() < Value.size())
        return false;
    const QStringView inicio = Texto.left(Value.size());
    return abIgnoreCase ? IguaisAscii(inicio, Value) : inicio == Value;
}

bool TmStr::EndsWith(QStringView Texto, QStringView Value) {
    return Texto.endsWith(Value, Qt::CaseSensitive);
}

bool TmStr::EqualsIgnoreCase(QStringView asValue, QStringView asValue2) {
    return IguaisAscii(asValue, asValue2);
}

QString TmStr::CopyStr(QStringView asTexto, QStringView asInicio, QStringView asFim) {
    if (asInicio.isEmpty() || asFim.isEmpty())
        return QString();
    const qsizetype inicio = asTexto.indexOf(asInicio);
    const qsizetype fim = asTexto.indexOf(asFim);
    if (inicio < 0 || fim < inicio + asInicio.size())
        return QString();
    const qsizetype depois = inicio + asInicio.size();
    return asTexto.mid(depois, fim - depois).toString();
}

int TmStr::PosReverse(QStringView asSubStr, QStringView asStr) {
    if (asSubStr.isEmpty())
        return 0;
    const qsizetype p = asStr.lastIndexOf(asSubStr);
    return p < 0 ? 0 : int(asStr.size() - (p + asSubStr.size() - 1));
}

int TmStr::PosPrimeiroNumero(QStringView asText) {
    const auto p = std::find_if(asText.begin(), asText.end(), Digito);
    return p == asText.end() ? 0 : int(p - asText.begin()) + 1;
}

int TmStr::GetPosCaracterBackJumpingNCaracter(QStringView Texto, QChar Caracter, int QtdeCaracter) {
    int faltam = std::max(QtdeCaracter, 1);
    for (qsizetype i = Texto.size() - 1; i >= 0; --i)
        if (Texto[i] == Caracter && --faltam == 0)
            return int(i) + 1;
    return 0;
}
