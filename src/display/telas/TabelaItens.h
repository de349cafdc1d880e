#pragma once
// The item table of the sale screen: rows in the order they were added, no key, no editing.
// Text fields hold 8-bit Windows-1252 text cut to their field size (a character the code page
// lacks is stored as "?"); currency fields are exact. A field a row does not set shows nothing.
//
// The model's columns are the grid's, left to right; the display text of a cell is its field
// with the field's display format, computed when the cell is asked for, so that only the rows a
// view paints cost any formatting.

#include <QAbstractTableModel>
#include <QColor>
#include <QVector>
#include <array>
#include <cstring>

#include "base/Currency.h"

// The grid's columns in their order on the screen.
enum class ECampoItem { Nr, Barras, Nome, Unit, Qtd, Tipo, Total };
inline constexpr int kNumCamposItem = 7;

// How a column is shown: title, width in pixels, text colour (invalid: the base colour) and
// alignment of title and cells.
struct TColunaItem {
    const char* titulo;  // UTF-8
    int largura;
    QColor cor;
    Qt::Alignment alinhamento;
};
const TColunaItem& ColunaItem(ECampoItem campo);

// A text of at most N bytes of Windows-1252.
template <int N>
class TTextoAnsi {
public:
    void Definir(QStringView texto);
    QString Texto() const;
    bool operator==(QLatin1StringView outro) const {
        return QLatin1StringView(bytes_, tamanho_) == outro;
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

class TTabelaItens : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Rebuilding the whole table: while a TCarga lives, Limpar and Adicionar only change the
    // storage and views hear of the change once, as one reset, when it ends.
    class TCarga {
    public:
        explicit TCarga(TTabelaItens& tabela);
        ~TCarga();
        TCarga(const TCarga&) = delete;
        TCarga& operator=(const TCarga&) = delete;

    private:
        TTabelaItens& tabela_;
    };

    void Limpar();
    void Adicionar(const TLinhaItem& linha);
    const TLinhaItem& Linha(int indice) const { return linhas_[indice]; }

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;

private:
    QVector<TLinhaItem> linhas_;
    bool emCarga_ = false;
};
