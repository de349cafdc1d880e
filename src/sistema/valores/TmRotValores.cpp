#include "sistema/valores/TmRotValores.h"

#include <algorithm>

#include "base/RtlNumeros.h"
#include "base/internal/Texto.h"
#include "dialogos/mensagens/mMensagem.h"

namespace {

// The result at the position of the first key equal to valor; padrao when there is none or
// when the position lies past the results.
template <typename Chave, typename Resultado>
Resultado Mapear(const Chave& valor, const QVector<Chave>& chaves,
                 const QVector<Resultado>& resultados, const Resultado& padrao) {
    const qsizetype posicao = chaves.indexOf(valor);
    return posicao >= 0 && posicao < resultados.size() ? resultados[posicao] : padrao;
}

void ExigirMesmoTamanho(qsizetype chaves, qsizetype resultados) {
    TmDlg::InformaAbort(chaves != resultados,
                        QStringLiteral("CaseDo: Quantidade de parâmetros incorretas"));
}

}  // namespace

namespace TmRot {

QString IfVazio(const QString& Variavel, const QString& RespSeVazio) {
    return TextoInterno::Aparar(Variavel).isEmpty() ? RespSeVazio : Variavel;
}

double IfNull(const Variante& V, double ValueIfNull) {
    return V.IsNull() ? ValueIfNull : V.ToDouble();
}
QString IfNull(const Variante& V, const QString& ValueIfNull) {
    return V.IsNull() ? ValueIfNull : V.ToString();
}
QString IfNull(const Variante& V, const char* ValueIfNull) {
    return IfNull(V, QString::fromUtf8(ValueIfNull));
}
bool IfNull(const Variante& V, bool ValueIfNull) {
    return V.IsNull() ? ValueIfNull : V.ToBool();
}
Variante IfNull(const Variante& V, const Variante& ValueIfNull) {
    return V.IsNull() ? ValueIfNull : V;
}
int IfIntNull(const Variante& V, int ValueIfNull) {
    return V.IsNull() ? ValueIfNull : V.ToInt();
}
TDateTime IfDateNull(const Variante& V, TDateTime ValueIfNull) {
    return V.IsNull() ? ValueIfNull : V.ToDateTime();
}

Variante NullIf(const Variante& aoValue, const Variante& aoNullValue) {
    return aoValue == aoNullValue ? Variante() : aoValue;
}
Variante GetVariantValueString(const QString& asValue, bool abNullIfEmpty) {
    return abNullIfEmpty && asValue.isEmpty() ? Variante() : Variante(asValue);
}
Variante GetVariantValueInt(int aiValue, bool abNullIfZero) {
    return abNullIfZero && aiValue == 0 ? Variante() : Variante(aiValue);
}
Variante GetVariantValueDouble(double adValue, bool abNullIfZero) {
    return abNullIfZero && adValue == 0 ? Variante() : Variante(adValue);
}
double VarToFloat(const Variante& avValue) {
    return Rtl::TryStrToFloat(avValue.ToString()).value_or(0);
}

QString CaseDo(const QString& Valor, const TcrvArrayString& ComparaCom,
               const TcrvArrayString& Retornos, const QString& Default) {
    ExigirMesmoTamanho(ComparaCom.size(), Retornos.size());
    return Mapear(Valor, ComparaCom, Retornos, Default);
}
QString CaseDoInt(int Valor, const TcrvArrayInteger& ComparaCom, const TcrvArrayString& Retornos,
                  const QString& Default) {
    ExigirMesmoTamanho(ComparaCom.size(), Retornos.size());
    return Mapear(Valor, ComparaCom, Retornos, Default);
}
int CaseDoInteger(int aiValor, const TcrvArrayInteger& aiResultado,
                  const TcrvArrayInteger& aiRetorno, int aiDefault) {
    return Mapear(aiValor, aiResultado, aiRetorno, aiDefault);
}

bool ContemStr(const QString& Valor, const TcrvArrayString& Lista) {
    return Lista.contains(Valor);
}
bool ContemInt(int Valor, const TcrvArrayInteger& Lista) {
    return Lista.contains(Valor);
}

QString BoolToStr(bool abValue) {
    return abValue ? QStringLiteral("Sim") : QStringLiteral("Não");
}

TcrvArrayString ArrayVarToStr(const TcrvArrayVariant& aaValue) {
    TcrvArrayString textos;
    textos.reserve(aaValue.size());
    for (const Variante& v : aaValue)
        textos.append(v.ToString());
    return textos;
}
TcrvArrayInteger ArrayVarToInt(const TcrvArrayVariant& aaValue) {
    TcrvArrayInteger inteiros;
    inteiros.reserve(aaValue.size());
    for (const Variante& v : aaValue)
        inteiros.append(IfIntNull(v, 0));
    return inteiros;
}

QString ByteArrayToString(const QByteArray& arBytes, int aiSize) {
    const qsizetype tamanho = std::clamp<qsizetype>(aiSize, 0, arBytes.size());
    return QString::fromLatin1(arBytes.constData(), tamanho);
}

}  // namespace TmRot
