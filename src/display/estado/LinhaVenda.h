#pragma once
// A row of the sale as the screens show it. Text fields hold 8-bit Windows-1252 text cut to their
// field size (a character the code page lacks is stored as "?"); currency fields are exact. A
// field a row does not set shows nothing. The display text of a field is computed when asked
// for, so that only the rows a view shows cost any formatting.

#include <QString>
#include <QStringView>
#include <Qt>

#include "base/Currency.h"

// The sale grid's columns in their order on the screen.
enum class ECampoItem { Nr, Barras, Nome, Unit, Qtd, Tipo, Total };
inline constexpr int kNumCamposItem = 7;

// A column's title (UTF-8) and the alignment of its title and cells.
struct TCampoItem {
    const char* titulo;
    Qt::Alignment alinhamento;
};
const TCampoItem& CampoItem(ECampoItem campo);

// What a row is, from its marks: the screens colour discount rows (Tipo ".") and surcharge rows
// (Tipo ","), and strike a cancellation (a discount row whose barcode is "CANCELADO").
enum class ETipoLinha { Item, Cancelamento, Desconto, Acrescimo };

// A text of at most N bytes of Windows-1252.
template <int N>
class TTextoAnsi {
public:
    void Definir(QStringView texto);
    QString Texto() const;
    bool operator==(QLatin1StringView outro) const {
        return QLatin1StringView(bytes_, tamanho_) == outro;
    }
    bool operator==(const TTextoAnsi& outro) const {
        return *this == QLatin1StringView(outro.bytes_, outro.tamanho_);
    }

private:
    char bytes_[N] = {};
    quint8 tamanho_ = 0;
};

// One row of the item table.
class TLinhaItem {
public:
    TLinhaItem& DefinirNr(int nr);
    TLinhaItem& DefinirBarras(QStringView texto);
    TLinhaItem& DefinirNome(QStringView texto);
    TLinhaItem& DefinirTipo(QStringView texto);
    TLinhaItem& DefinirQtd(Currency valor);
    TLinhaItem& DefinirUnit(Currency valor);
    TLinhaItem& DefinirTotal(Currency valor);

    // The field with its display format; empty when the row does not set it.
    QString TextoExibido(ECampoItem campo) const;
    // The row marks of the Tipo field that select the row colours.
    bool MarcaDesconto() const { return tipo_ == QLatin1StringView("."); }
    bool MarcaAcrescimo() const { return tipo_ == QLatin1StringView(","); }
    // The row that records a cancelled item.
    bool Cancelamento() const {
        return MarcaDesconto() && barras_ == QLatin1StringView("CANCELADO");
    }
    ETipoLinha Tipo() const;

    bool operator==(const TLinhaItem&) const = default;

private:
    enum EDefinido : quint8 { dNr = 1, dQtd = 2, dUnit = 4, dTotal = 8 };
    bool Definido(EDefinido d) const { return (definidos_ & d) != 0; }

    Currency qtd_, unit_, total_;
    qint32 nr_ = 0;
    quint8 definidos_ = 0;
    TTextoAnsi<14> barras_;
    TTextoAnsi<30> nome_;
    TTextoAnsi<2> tipo_;
};
