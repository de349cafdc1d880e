#include "sistema/documentos/TmStrDocumentos.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

#include "base/internal/Texto.h"
#include "base/mConst.h"
#include "sistema/documentos/RegrasIE.h"
#include "sistema/documentos/internal/Alfanumerico.h"

namespace {

using TextoInterno::Digito;

QString SoDigitos(QStringView texto) {
    QString out;
    for (const QChar c : texto)
        if (Digito(c))
            out += c;
    return out;
}

// Digits and the live decimal separator, as the library's display forms keep them.
QString DigitosESeparador(QStringView texto) {
    const QChar separador = mConst::Regionais().DecimalSeparator;
    QString out;
    for (const QChar c : texto)
        if (Digito(c) || c == separador)
            out += c;
    return out;
}

// Delphi's Insert: before the 1-based posicao, at the end when the text is shorter.
void Inserir(QString& texto, QStringView marca, qsizetype posicao) {
    texto.insert(std::clamp<qsizetype>(posicao - 1, 0, texto.size()), marca);
}

int Soma(QStringView numero, std::initializer_list<int> pesos) {
    int soma = 0;
    qsizetype i = 0;
    for (const int peso : pesos)
        soma += Alfanumerico::Valor(numero[i++]) * peso;
    return soma;
}

int M11(int soma) {
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

// The two check digits as one number (first × 10 + second).
int DigitosCpf(QStringView base) {
    const int primeiro = Soma(base, {10, 9, 8, 7, 6, 5, 4, 3, 2}) * 10 % 11 % 10;
    const int segundo = (Soma(base, {11, 10, 9, 8, 7, 6, 5, 4, 3}) + 2 * primeiro) * 10 % 11 % 10;
    return primeiro * 10 + segundo;
}

int DigitosCnpj(QStringView base) {
    const int primeiro = M11(Soma(base, {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
    const int segundo = M11(Soma(base, {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3}) + 2 * primeiro);
    return primeiro * 10 + segundo;
}

QString DoisDigitos(int digitos) {
    return QString::number(digitos).rightJustified(2, u'0');
}

// The check digits a number ends with, as DigitosCpf and DigitosCnpj give them.
int Finais(QStringView numero) {
    return Alfanumerico::Valor(numero[numero.size() - 2]) * 10 + Alfanumerico::Valor(numero.back());
}

bool SoUm(QStringView texto) {
    return std::all_of(texto.begin(), texto.end(), [&](QChar c) { return c == texto[0]; });
}

bool TodosDigitos(QStringView texto) {
    return std::all_of(texto.begin(), texto.end(), Digito);
}

// Upper-cased when every character is a digit or an ASCII letter; empty otherwise.
QString AlfanumericoOuVazio(QStringView texto) {
    const QString extraido = Alfanumerico::Extrair(texto);
    return extraido.size() == texto.size() ? extraido : QString();
}

}  // namespace

namespace TmStr {

QString CalculaDigitoCnpjCpf(QStringView Numero) {
    const QString numero = AlfanumericoOuVazio(Numero) + QStringLiteral("00");
    if (numero.size() != Numero.size() + 2 || numero.size() < 11)
        return {};
    if (numero.size() == 11) {
        const QStringView base = QStringView(numero).first(9);
        return TodosDigitos(base) && base != u"000000000" ? DoisDigitos(DigitosCpf(base))
                                                          : QString();
    }
    if (numero.size() < 14)
        return {};
    const QStringView base = QStringView(numero).first(12);
    return SoUm(base) && base[0] == u'0' ? QString() : DoisDigitos(DigitosCnpj(base));
}

bool IsCPFValido(QStringView Codigo) {
    char16_t caracteres[14];
    qsizetype quantidade = 0;
    for (QChar c : Codigo) {
        if (c == u'.' || c == u'/' || c == u'-')
            continue;
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
        if (!Alfanumerico::Valido(c) || quantidade == 14)
            return false;
        caracteres[quantidade++] = c.unicode();
    }
    const QStringView numero(caracteres, quantidade);
    if ((numero.size() != 11 && numero.size() != 14) || SoUm(numero) ||
        !TodosDigitos(numero.last(2)))
        return false;
    if (numero.size() == 11)
        return TodosDigitos(numero) && Finais(numero) == DigitosCpf(numero);
    return Finais(numero) == DigitosCnpj(numero);
}

bool IsPISValido(QStringView Codigo) {
    if (Codigo.size() != 11 || !TodosDigitos(Codigo) || SoUm(Codigo))
        return false;
    return Codigo[10].unicode() - u'0' == M11(Soma(Codigo, {3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
}

QString CalcModulo11(QStringView S, int aiValorCasoCalculoMaior9) {
    const QString numero = AlfanumericoOuVazio(S);
    if (numero.size() != S.size())
        return {};
    int soma = 0, peso = 2;
    for (qsizetype i = numero.size() - 1; i >= 0; --i) {
        soma += Alfanumerico::Valor(numero[i]) * peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    const int resto = soma % 11;
    return QString::number(resto > 1 ? 11 - resto : aiValorCasoCalculoMaior9);
}

bool isIEValido(const QString& aUF, const QString& aIE, const QString& aCGC) {
    std::string numero;
    for (const QChar c : aIE)
        if (Digito(c))
            numero += char(c.unicode());
    if (TextoInterno::Aparar(aCGC).size() == 11 || numero.empty())
        return true;
    if (aUF.size() != 2 || aUF[0].unicode() > 127 || aUF[1].unicode() > 127)
        return false;
    const char uf[] = {char(aUF[0].unicode()), char(aUF[1].unicode())};
    if (aUF == u"SP" && TextoInterno::Aparar(aIE).startsWith(u'P'))
        numero.insert(0, 1, 'P');
    return RegrasIE::Valida(std::string_view(uf, 2), numero);
}

bool isNumeroSequencial(QStringView strNumero, int NrSequencias) {
    if (strNumero.size() <= 2 || !Digito(strNumero[0]) || NrSequencias > strNumero.size())
        return false;
    const int primeiro = strNumero[0].unicode() - u'0';
    QString sequencia;
    for (int i = 0; i < NrSequencias; ++i)
        sequencia += QString::number(primeiro + i);
    return TextoInterno::Copy(strNumero, 1, NrSequencias) == sequencia;
}

QString FormataCPFCNPJ(QStringView Valor) {
    QString numero = Alfanumerico::Extrair(Valor);
    if (numero.size() == 14) {
        Inserir(numero, u"-", 13);
        Inserir(numero, u"/", 9);
        Inserir(numero, u".", 6);
        Inserir(numero, u".", 3);
    } else if (numero.size() == 11) {
        Inserir(numero, u"-", 10);
        Inserir(numero, u".", 7);
        Inserir(numero, u".", 4);
    }
    return numero;
}

QString FormataPIS(QStringView Valor) {
    qsizetype zeros = 0;
    while (zeros < Valor.size() && Valor[zeros] == u'0')
        ++zeros;
    QString pis = Valor.mid(zeros).toString();
    Inserir(pis, u"-", 11);
    Inserir(pis, u".", 9);
    Inserir(pis, u".", 4);
    return pis;
}

QString FormataIE(QStringView Valor) {
    if (Valor == u"ISENTO")
        return Valor.toString();
    const bool oito = TextoInterno::Aparar(Valor).size() == 8;
    QString ie = DigitosESeparador(Valor);
    Inserir(ie, u".", oito ? 6 : 7);
    Inserir(ie, u".", oito ? 3 : 4);
    return ie;
}

QString FormataCEP(QStringView Valor) {
    QString cep = DigitosESeparador(Valor);
    if (cep.size() > 5)
        Inserir(cep, u"-", 6);
    return cep;
}

QString FormataFone(QStringView Valor) {
    const QString fone = SoDigitos(Valor).left(11);
    switch (fone.size()) {
        case 7:
        case 8:
        case 9: {
            const qsizetype prefixo = fone.size() - 4;
            return QStringLiteral("(00)") + fone.left(prefixo) + u'-' + fone.mid(prefixo);
        }
        case 10:
        case 11: {
            const qsizetype prefixo = fone.size() - 6;
            return u'(' + fone.left(2) + u')' + fone.mid(2, prefixo) + u'-' + fone.mid(2 + prefixo);
        }
        default:
            return {};
    }
}

QString FormataNCM(QStringView Valor) {
    QString ncm = Valor.toString().rightJustified(8, u'0');
    if (ncm.size() == 8) {
        Inserir(ncm, u".", 7);
        Inserir(ncm, u".", 5);
    }
    return ncm;
}

QString FormataTIPI(QStringView Valor) {
    return FormataNCM(Valor.toString().rightJustified(8, u'0').right(8));
}

QString FormataTIPI(int Valor) {
    return FormataTIPI(QString::number(Valor));
}

QString FormataCEST(QStringView Valor) {
    QString cest = Valor.toString();
    Inserir(cest, u".", 3);
    Inserir(cest, u".", 7);
    return cest;
}

QString FormataPlacaVeiculo(QStringView Valor) {
    QString placa = TextoInterno::Aparar(Valor).toString();
    Inserir(placa, u"-", 4);
    return placa;
}

}  // namespace TmStr
