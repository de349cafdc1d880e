#include "display/estado/LinhaVenda.h"

#include "base/CodePage.h"
#include "texto/conversao/TmStrNumeros.h"

#include <array>

namespace {

const std::array<TCampoItem, kNumCamposItem> kCampos = {{
    {"Nº", Qt::AlignHCenter},
    {"Código de Barras", Qt::AlignLeft},
    {"Nome", Qt::AlignLeft},
    {"Vlr.Unit.", Qt::AlignRight},
    {"Qtd.", Qt::AlignRight},
    {"Tipo", Qt::AlignHCenter},
    {"Total", Qt::AlignRight},
}};

QString Formatado(Currency valor, const char* formato) {
    return TmStr::Formata(valor, QString::fromLatin1(formato), false);
}

}  // namespace

const TCampoItem& CampoItem(ECampoItem campo) {
    return kCampos[static_cast<std::size_t>(campo)];
}

template <int N>
void TTextoAnsi<N>::Definir(QStringView texto) {
    texto = texto.left(N);
    tamanho_ = static_cast<quint8>(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i)
        bytes_[i] = CodePage::ParaAnsi(texto[i]);
}

template <int N>
QString TTextoAnsi<N>::Texto() const {
    return CodePage::DeAnsi(QByteArrayView(bytes_, tamanho_));
}

TLinhaItem& TLinhaItem::DefinirNr(int nr) {
    nr_ = nr;
    definidos_ |= dNr;
    return *this;
}
TLinhaItem& TLinhaItem::DefinirBarras(QStringView texto) {
    barras_.Definir(texto);
    return *this;
}
TLinhaItem& TLinhaItem::DefinirNome(QStringView texto) {
    nome_.Definir(texto);
    return *this;
}
TLinhaItem& TLinhaItem::DefinirTipo(QStringView texto) {
    tipo_.Definir(texto);
    return *this;
}
TLinhaItem& TLinhaItem::DefinirQtd(Currency valor) {
    qtd_ = valor;
    definidos_ |= dQtd;
    return *this;
}
TLinhaItem& TLinhaItem::DefinirUnit(Currency valor) {
    unit_ = valor;
    definidos_ |= dUnit;
    return *this;
}
TLinhaItem& TLinhaItem::DefinirTotal(Currency valor) {
    total_ = valor;
    definidos_ |= dTotal;
    return *this;
}

QString TLinhaItem::TextoExibido(ECampoItem campo) const {
    switch (campo) {
        case ECampoItem::Nr:
            return Definido(dNr) ? QString::number(nr_) : QString();
        case ECampoItem::Barras:
            return barras_.Texto();
        case ECampoItem::Nome:
            return nome_.Texto();
        case ECampoItem::Unit:
            return Definido(dUnit) ? Formatado(unit_, "#,##0.00") : QString();
        case ECampoItem::Qtd:
            return Definido(dQtd) ? Formatado(qtd_, "#,##0.###") : QString();
        case ECampoItem::Tipo:
            return tipo_.Texto();
        case ECampoItem::Total:
            return Definido(dTotal) ? Formatado(total_, "#,##0.00") : QString();
    }
    return QString();
}

ETipoLinha TLinhaItem::Tipo() const {
    if (Cancelamento())
        return ETipoLinha::Cancelamento;
    if (MarcaDesconto())
        return ETipoLinha::Desconto;
    return MarcaAcrescimo() ? ETipoLinha::Acrescimo : ETipoLinha::Item;
}
