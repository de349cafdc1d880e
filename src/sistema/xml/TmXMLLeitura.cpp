#include "sistema/xml/TmXMLLeitura.h"

#include <QDate>
#include <QFile>
#include <QLatin1StringView>
#include <QTime>
#include <QVarLengthArray>
#include <memory>
#include <optional>

#include "base/CodePage.h"
#include "base/RtlNumeros.h"
#include "base/internal/Texto.h"
#include "sistema/xml/IndiceTags.h"

namespace {

// The tag forms of one name, built once per search in one buffer (on the stack for names of
// ordinary length) and seen through views.
class Tags {
public:
    explicit Tags(QStringView nome) {
        // "<N>" "</N>" "<N />"; the attribute opening "<N " is the start of the empty form.
        const qsizetype n = nome.size();
        buffer_.reserve(3 * n + 10);
        Acrescentar(u"<");
        Acrescentar(nome);
        Acrescentar(u"></");
        Acrescentar(nome);
        Acrescentar(u"><");
        Acrescentar(nome);
        Acrescentar(u" />");
        const QStringView tudo(buffer_.constData(), buffer_.size());
        Abertura = tudo.sliced(0, n + 2);
        Fechamento = tudo.sliced(n + 2, n + 3);
        Vazia = tudo.sliced(2 * n + 5, n + 4);
        ComAtributos = Vazia.first(n + 2);
    }
    Tags(const Tags&) = delete;
    Tags& operator=(const Tags&) = delete;

    QStringView Abertura, Fechamento, Vazia, ComAtributos;

private:
    void Acrescentar(QStringView texto) { buffer_.append(texto.constData(), texto.size()); }
    QVarLengthArray<QChar, 192> buffer_;
};

// Where the searches look: a part of the document (the whole of it, or the text found for the
// previous name of a key path) and, for a loaded document, the index of its tags.
struct Busca {
    QStringView xml;
    const TIndiceTags* indice = nullptr;

    bool PeloIndice(QStringView nome) const { return indice && TIndiceTags::Indexavel(nome); }
    Busca Parte(QStringView parte) const { return {parte, indice}; }
};

// The first opening tag of the name at or after pos, in either form ("<N>" or "<N "); -1 when
// there is none.
qsizetype BuscarAbertura(const Busca& busca, QStringView nome, const Tags& tag, qsizetype pos,
                         bool& comAtributos) {
    if (busca.PeloIndice(nome))
        return busca.indice->Abertura(busca.xml, nome, pos, comAtributos);
    const QStringView xml = busca.xml;
    const QStringView prefixo = tag.Abertura.chopped(1);  // "<N"
    for (qsizetype i = xml.indexOf(prefixo, pos); i >= 0; i = xml.indexOf(prefixo, i + 1)) {
        const qsizetype depois = i + prefixo.size();
        if (depois < xml.size() && (xml[depois] == u'>' || xml[depois] == u' ')) {
            comAtributos = xml[depois] == u' ';
            return i;
        }
    }
    return -1;
}

// The search for one element from the 0-based position pos (see Elemento). When an element is
// found, pos moves to just past the start of its closing tag, also when its content is empty.
bool BuscarElemento(const Busca& busca, QStringView chave, qsizetype& pos, QStringView& resultado,
                    bool manterTag) {
    resultado = {};
    const QStringView xml = busca.xml;
    const Tags tag(chave);
    bool comAtributos = false;
    qsizetype inicio = BuscarAbertura(busca, chave, tag, pos, comAtributos);
    if (inicio < 0)
        return false;
    if (comAtributos) {
        if (xml.sliced(inicio).startsWith(tag.Vazia))
            return false;  // "<N />" counts as absent
        const qsizetype fimAbertura = xml.indexOf(u'>', inicio);
        if (fimAbertura < 0)
            return false;
        if (xml[fimAbertura - 1] == u'/') {
            // Closed by itself: no content, the element alone with its tags.
            pos = fimAbertura;
            if (!manterTag)
                return false;
            resultado = xml.sliced(inicio, fimAbertura + 1 - inicio);
            return true;
        }
        if (!manterTag)
            inicio = fimAbertura + 1;
    } else if (!manterTag) {
        inicio += tag.Abertura.size();
    }
    // The first closing tag from pos ends the element. One before the opening tag finds nothing
    // (never the rest of the text).
    qsizetype fim = busca.PeloIndice(chave) ? busca.indice->Fechamento(xml, chave, pos)
                                            : xml.indexOf(tag.Fechamento, pos);
    if (fim < 0)
        return false;
    pos = fim + 1;
    if (manterTag)
        fim += tag.Fechamento.size();
    if (fim <= inicio)
        return false;
    resultado = xml.sliced(inicio, fim - inicio);
    return true;
}

bool BuscarCaminho(const Busca& busca, const TcrvArrayString& chaves, QStringView& resultado,
                   bool manterTag) {
    resultado = busca.xml;
    for (const QString& chave : chaves) {
        qsizetype pos = 0;
        if (!BuscarElemento(busca.Parte(resultado), chave, pos, resultado, manterTag))
            return false;
    }
    return !resultado.isEmpty();
}

// The element's text with surrounding blanks and line breaks dropped (empty when absent).
QStringView TextoDoElemento(const Busca& busca, const TcrvArrayString& chaves) {
    QStringView texto;
    if (!BuscarCaminho(busca, chaves, texto, false))
        return {};
    return TextoInterno::Aparar(texto);
}

// XML's number form: "." as the decimal point, no grouping.
const TFormatSettings& FormatoNumericoXml() {
    static const TFormatSettings formato = [] {
        TFormatSettings s = TFormatSettings::Brasileiro();
        s.DecimalSeparator = QLatin1Char('.');
        s.ThousandSeparator = QLatin1Char(',');
        return s;
    }();
    return formato;
}

// Digits at [inicio, inicio + quantidade) as a number; nothing when any is not a digit.
std::optional<int> LerDigitos(QStringView texto, qsizetype inicio, qsizetype quantidade) {
    if (inicio + quantidade > texto.size())
        return std::nullopt;
    int valor = 0;
    for (const QChar c : texto.sliced(inicio, quantidade)) {
        if (!TextoInterno::Digito(c))
            return std::nullopt;
        valor = valor * 10 + (c.unicode() - u'0');
    }
    return valor;
}

// "hh:nn" or "hh:nn:ss" at the start of the text; what follows is ignored.
std::optional<QTime> LerHoraXml(QStringView texto) {
    const auto horas = LerDigitos(texto, 0, 2), minutos = LerDigitos(texto, 3, 2);
    if (!horas || !minutos || texto[2] != u':')
        return std::nullopt;
    int segundos = 0;
    if (texto.size() > 5 && texto[5] == u':') {
        const auto lidos = LerDigitos(texto, 6, 2);
        if (!lidos)
            return std::nullopt;
        segundos = *lidos;
    }
    const QTime hora(*horas, *minutos, segundos);
    return hora.isValid() ? std::optional(hora) : std::nullopt;
}

// "yyyy-mm-dd", optionally followed by "T" or a blank and a time; a time zone or anything else
// after the date or the seconds is ignored.
std::optional<TDateTime> LerDataHoraXml(QStringView texto) {
    texto = TextoInterno::Aparar(texto);
    const auto ano = LerDigitos(texto, 0, 4), mes = LerDigitos(texto, 5, 2),
               dia = LerDigitos(texto, 8, 2);
    if (!ano || !mes || !dia || texto[4] != u'-' || texto[7] != u'-')
        return std::nullopt;
    const QDate data(*ano, *mes, *dia);
    if (!data.isValid())
        return std::nullopt;
    TDateTime valor = DataHora::FromQDate(data);
    if (texto.size() > 10 && (texto[10] == u'T' || texto[10] == u' ')) {
        const auto hora = LerHoraXml(texto.sliced(11));
        if (!hora)
            return std::nullopt;
        valor = DataHora::Combinar(valor, DataHora::FromQTime(*hora));
    }
    return valor;
}

// Where the value of attribute nome starts in the attribute area: after the first nome="
// that begins the area or follows a blank, a tab or a line break (never the end of a longer
// name); -1 when there is none.
qsizetype InicioDoValor(QStringView area, QStringView nome) {
    const qsizetype tamanho = nome.size() + 2;
    for (qsizetype i = area.indexOf(nome); i >= 0; i = area.indexOf(nome, i + 1)) {
        const bool noComeco = i == 0 || area[i - 1].unicode() <= 32;
        const QStringView resto = area.sliced(i + nome.size());
        if (noComeco && resto.startsWith(u"=\""))
            return i + tamanho;
    }
    return -1;
}

bool BuscarAtributo(const Busca& busca, QStringView chave, QStringView nome, QStringView& valor) {
    valor = {};
    const QStringView xml = busca.xml;
    const Tags tag(chave);
    const qsizetype abertura = busca.PeloIndice(chave) ? busca.indice->AberturaComAtributos(chave)
                                                       : xml.indexOf(tag.ComAtributos);
    if (abertura < 0)
        return false;
    const qsizetype inicioArea = abertura + tag.ComAtributos.size();
    const qsizetype fimArea = xml.indexOf(u'>', inicioArea);
    if (fimArea < 0 || nome.isEmpty())
        return false;
    const QStringView area = TextoInterno::Aparar(xml.sliced(inicioArea, fimArea - inicioArea));
    const qsizetype inicio = InicioDoValor(area, nome);
    if (inicio < 0)
        return false;
    const qsizetype fim = area.indexOf(u'"', inicio);
    if (fim < 0)
        return false;
    valor = area.sliced(inicio, fim - inicio);
    return !valor.isEmpty();
}

}  // namespace

TmXMLLeitura::TmXMLLeitura(const QString& asArquivo) {
    setArquivo(asArquivo);
}

void TmXMLLeitura::setArquivo(const QString& asArquivo) {
    tsArquivo = asArquivo;
    if (asArquivo.isEmpty())
        return;
    indice_.reset();
    QFile arquivo(asArquivo);
    tsXML = arquivo.open(QIODevice::ReadOnly) ? CodePage::DeArquivo(arquivo.readAll()) : QString();
}

// ---- Element content ----

namespace {

bool LerElemento(const Busca& busca, QStringView chave, qsizetype& posicao, QString& resultado,
                 bool manterTag) {
    qsizetype pos = std::max<qsizetype>(posicao, 1) - 1;
    QStringView achado;
    const bool ok = BuscarElemento(busca, chave, pos, achado, manterTag);
    posicao = pos + 1;
    resultado = achado.toString();
    return ok;
}

bool LerCaminho(const Busca& busca, const TcrvArrayString& chaves, QString& resultado,
                bool manterTag) {
    QStringView achado;
    const bool ok = BuscarCaminho(busca, chaves, achado, manterTag);
    resultado = ok ? achado.toString() : QString();
    return ok;
}

bool LerTodos(const Busca& busca, QStringView chave, TcrvArrayString& resultado, bool manterTag) {
    resultado.clear();
    qsizetype pos = 0;
    QStringView achado;
    // Each success moves pos past the start of a closing tag at or after it: the walk ends.
    while (BuscarElemento(busca, chave, pos, achado, manterTag))
        resultado.append(achado.toString());
    return !resultado.isEmpty();
}

QString LerStr(const Busca& busca, const TcrvArrayString& chaves, QStringView padrao,
               bool manterTag) {
    QStringView achado;
    if (!BuscarCaminho(busca, chaves, achado, manterTag))
        achado = padrao;
    return TmXMLLeitura::pfConvertSpecialEntities(achado);
}

int LerInt(const Busca& busca, const TcrvArrayString& chaves, int padrao) {
    return Rtl::TryStrToIntDecimal(TextoDoElemento(busca, chaves)).value_or(padrao);
}

double LerFloat(const Busca& busca, const TcrvArrayString& chaves, double padrao) {
    return Rtl::TryStrToFloat(TextoDoElemento(busca, chaves), FormatoNumericoXml())
        .value_or(padrao);
}

Currency LerCurr(const Busca& busca, const TcrvArrayString& chaves, Currency padrao) {
    return Rtl::TryStrToCurr(TextoDoElemento(busca, chaves), FormatoNumericoXml()).value_or(padrao);
}

TDateTime LerDt(const Busca& busca, const TcrvArrayString& chaves, TDateTime padrao) {
    return LerDataHoraXml(TextoDoElemento(busca, chaves)).value_or(padrao);
}

bool LerAtributo(const Busca& busca, QStringView chave, QStringView nome, QString& resultado) {
    QStringView valor;
    const bool ok = BuscarAtributo(busca, chave, nome, valor);
    resultado = valor.toString();
    return ok;
}

QString LerAtributoStr(const Busca& busca, QStringView chave, QStringView nome,
                       QStringView padrao) {
    QStringView valor;
    if (!BuscarAtributo(busca, chave, nome, valor))
        valor = padrao;
    return TmXMLLeitura::pfConvertSpecialEntities(valor);
}

TDateTime LerAtributoDt(const Busca& busca, QStringView chave, QStringView nome, TDateTime padrao) {
    QStringView valor;
    BuscarAtributo(busca, chave, nome, valor);
    return LerDataHoraXml(valor).value_or(padrao);
}

}  // namespace

const TIndiceTags* TmXMLLeitura::Indice() const {
    if (!indice_)
        indice_ = std::make_shared<const TIndiceTags>(tsXML);
    return indice_.get();
}

bool TmXMLLeitura::Elemento(QStringView asXML, QStringView asChave, qsizetype& aiPosInicial,
                            QString& asResult, bool abManterTag) {
    return LerElemento({asXML}, asChave, aiPosInicial, asResult, abManterTag);
}

bool TmXMLLeitura::Elemento(QStringView asXML, QStringView asChave, QString& asResult,
                            bool abManterTag) {
    qsizetype pos = 1;
    return LerElemento({asXML}, asChave, pos, asResult, abManterTag);
}

bool TmXMLLeitura::Elemento(QStringView asChave, QString& asResult, bool abManterTag) const {
    qsizetype pos = 1;
    return LerElemento({tsXML, Indice()}, asChave, pos, asResult, abManterTag);
}

bool TmXMLLeitura::Elemento(QStringView asXML, const TcrvArrayString& aaChaves, QString& asResult,
                            bool abManterTag) {
    return LerCaminho({asXML}, aaChaves, asResult, abManterTag);
}

bool TmXMLLeitura::Elemento(const TcrvArrayString& aaChaves, QString& asResult,
                            bool abManterTag) const {
    return LerCaminho({tsXML, Indice()}, aaChaves, asResult, abManterTag);
}

bool TmXMLLeitura::Elemento(QStringView asXML, QStringView asChave, TcrvArrayString& aaResult,
                            bool abManterTag) {
    return LerTodos({asXML}, asChave, aaResult, abManterTag);
}

bool TmXMLLeitura::Elemento(QStringView asChave, TcrvArrayString& aaResult,
                            bool abManterTag) const {
    return LerTodos({tsXML, Indice()}, asChave, aaResult, abManterTag);
}

// ---- Typed element readers ----

QString TmXMLLeitura::ElementoStr(QStringView asXML, const TcrvArrayString& aaChaves,
                                  QStringView asDefault, bool abManterTag) {
    return LerStr({asXML}, aaChaves, asDefault, abManterTag);
}

QString TmXMLLeitura::ElementoStr(const TcrvArrayString& aaChaves, QStringView asDefault,
                                  bool abManterTag) const {
    return LerStr({tsXML, Indice()}, aaChaves, asDefault, abManterTag);
}

int TmXMLLeitura::ElementoInt(QStringView asXML, const TcrvArrayString& aaChaves, int aiDefault) {
    return LerInt({asXML}, aaChaves, aiDefault);
}

int TmXMLLeitura::ElementoInt(const TcrvArrayString& aaChaves, int aiDefault) const {
    return LerInt({tsXML, Indice()}, aaChaves, aiDefault);
}

double TmXMLLeitura::ElementoFloat(QStringView asXML, const TcrvArrayString& aaChaves,
                                   double avDefault) {
    return LerFloat({asXML}, aaChaves, avDefault);
}

double TmXMLLeitura::ElementoFloat(const TcrvArrayString& aaChaves, double avDefault) const {
    return LerFloat({tsXML, Indice()}, aaChaves, avDefault);
}

Currency TmXMLLeitura::ElementoCurr(QStringView asXML, const TcrvArrayString& aaChaves,
                                    Currency avDefault) {
    return LerCurr({asXML}, aaChaves, avDefault);
}

Currency TmXMLLeitura::ElementoCurr(const TcrvArrayString& aaChaves, Currency avDefault) const {
    return LerCurr({tsXML, Indice()}, aaChaves, avDefault);
}

TDateTime TmXMLLeitura::ElementoDt(QStringView asXML, const TcrvArrayString& aaChaves,
                                   TDateTime adDefault) {
    return LerDt({asXML}, aaChaves, adDefault);
}

TDateTime TmXMLLeitura::ElementoDt(const TcrvArrayString& aaChaves, TDateTime adDefault) const {
    return LerDt({tsXML, Indice()}, aaChaves, adDefault);
}

// ---- Attributes ----

bool TmXMLLeitura::Atributo(QStringView asXML, QStringView asChave, QStringView asAttr,
                            QString& asResult) {
    return LerAtributo({asXML}, asChave, asAttr, asResult);
}

bool TmXMLLeitura::Atributo(QStringView asChave, QStringView asAttr, QString& asResult) const {
    return LerAtributo({tsXML, Indice()}, asChave, asAttr, asResult);
}

QString TmXMLLeitura::AtributoStr(QStringView asXML, QStringView asChave, QStringView asAttr,
                                  QStringView asDefault) {
    return LerAtributoStr({asXML}, asChave, asAttr, asDefault);
}

QString TmXMLLeitura::AtributoStr(QStringView asChave, QStringView asAttr,
                                  QStringView asDefault) const {
    return LerAtributoStr({tsXML, Indice()}, asChave, asAttr, asDefault);
}

TDateTime TmXMLLeitura::AtributoDt(QStringView asXML, QStringView asChave, QStringView asAttr,
                                   TDateTime ahDefault) {
    return LerAtributoDt({asXML}, asChave, asAttr, ahDefault);
}

TDateTime TmXMLLeitura::AtributoDt(QStringView asChave, QStringView asAttr,
                                   TDateTime ahDefault) const {
    return LerAtributoDt({tsXML, Indice()}, asChave, asAttr, ahDefault);
}

// ---- Entities ----

namespace {

// Every occurrence of entidade, left to right, replaced by caractere; a replacement is not
// searched again. One pass building a new text: QString::replace moves the rest of the text
// once for each match that shrinks it, quadratic over a document full of entities.
QString SubstituirTodas(const QString& texto, QLatin1StringView entidade,
                        QLatin1StringView caractere) {
    qsizetype achado = texto.indexOf(entidade);
    if (achado < 0)
        return texto;
    QString saida;
    saida.reserve(texto.size());
    qsizetype inicio = 0;
    for (; achado >= 0; achado = texto.indexOf(entidade, inicio)) {
        saida.append(QStringView(texto).sliced(inicio, achado - inicio)).append(caractere);
        inicio = achado + entidade.size();
    }
    return saida.append(QStringView(texto).sliced(inicio));
}

}  // namespace

QString TmXMLLeitura::pfConvertSpecialEntities(QStringView asValor) {
    static constexpr std::pair<QLatin1StringView, QLatin1StringView> kEntidades[] = {
        {QLatin1StringView("&quot;"), QLatin1StringView("\"")},
        {QLatin1StringView("&amp;"), QLatin1StringView("&")},
        {QLatin1StringView("&lt;"), QLatin1StringView("<")},
        {QLatin1StringView("&gt;"), QLatin1StringView(">")},
        {QLatin1StringView("&circ;"), QLatin1StringView("^")},
        {QLatin1StringView("&tilde;"), QLatin1StringView("~")},
        {QLatin1StringView("&QUOT;"), QLatin1StringView("\"")},
        {QLatin1StringView("&AMP;"), QLatin1StringView("&")},
        {QLatin1StringView("&LT;"), QLatin1StringView("<")},
        {QLatin1StringView("&GT;"), QLatin1StringView(">")},
        {QLatin1StringView("&CIRC;"), QLatin1StringView("^")},
        {QLatin1StringView("&TILDE;"), QLatin1StringView("~")},
    };
    QString texto = asValor.toString();
    if (!asValor.contains(u'&'))
        return texto;
    for (const auto& [entidade, caractere] : kEntidades)
        texto = SubstituirTodas(texto, entidade, caractere);
    return texto;
}

QString TmXMLLeitura::pfTagValida(QStringView asTag) {
    QString texto = asTag.toString();
    for (const char* marca : {"<![CDATA[", "<![cdata[", "]]>"})
        texto.remove(QLatin1StringView(marca));
    return pfConvertSpecialEntities(texto);
}
