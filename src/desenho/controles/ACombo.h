#pragma once
// TACombo: the library's combo box. By default a closed drop-down list in capitals; a parallel
// list of hidden values (one per item); key filters by input kind; a background colour while it
// has the focus; a width fitted to a maximum text length and a text cut to it; a drop-down list
// as wide as its widest item; loading from a query or a dataset; a caption label beside it. It
// follows the data-entry keyboard model: Enter and Down move to the next field, Up to the
// previous one, and a required field left empty stops with "Este campo precisa estar
// preenchido!".

#include <QColor>
#include <QComboBox>
#include <QStringList>

#include "desenho/ExportacaoDesenhoWidgets.h"
#include "desenho/controles/AEdit.h"

class QSqlDatabase;
class QSqlQuery;
class QTimer;

enum class TInputType { itNumeros, itDinheiro, itNormal, itLetras };
enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum class TComboBoxStyle { csDropDown, csDropDownList };

class ORVANE_DESENHOWIDGETS_EXPORT TCustomACombo : public QComboBox {
    Q_OBJECT
public:
    explicit TCustomACombo(QWidget* parent = nullptr);

    bool Obrigatorio = false;
    bool EnterProximoCampo = true;
    TInputType InputType = TInputType::itNormal;
    QColor CorFoco;   // the window colour unless set
    QColor OldColor;  // saved on focus entry, restored on exit

    QColor Color() const;
    void SetColor(const QColor& cor);

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle estilo);
    TEditCharCase CharCase() const { return charCase_; }
    // The letter case of typed text and of items as they arrive (items already there keep
    // theirs).
    void SetCharCase(TEditCharCase caixa) { charCase_ = caixa; }
    bool Sorted() const { return sorted_; }
    // Sorted keeps the items in order ignoring case, those already there included; Values do
    // not follow a moved item (Add tells when they fell out of step).
    void SetSorted(bool ordenado);

    int MaxSize() const { return maxSize_; }
    void SetMaxSize(int tamanho);
    bool WidthAuto() const { return widthAuto_; }
    void SetWidthAuto(bool automatico);
    bool ListWidthAuto() const { return listWidthAuto_; }
    void SetListWidthAuto(bool automatico);
    // The width the open list takes: the widest item (plus the scroll bar) when ListWidthAuto is
    // on, else the control's.
    int LarguraLista() const;

    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int indice) { setCurrentIndex(indice); }
    // The text shown: the edit's text, or the selected item's, cut to MaxSize.
    QString Text() const;
    bool Vazio() const { return Text().trimmed().isEmpty(); }
    void OpenDropDown() { showPopup(); }
    bool ListaAberta() const;

    void showPopup() override;
    void hidePopup() override;

protected:
    // Adds a text as the letter case asks, at its sorted place when Sorted; the index it took.
    int AdicionarItem(const QString& texto);
    bool eventFilter(QObject* objeto, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString NaCaixa(const QString& texto) const;
    void TextoDigitado(const QString& texto);
    int PosicaoOrdenada(const QString& texto) const;
    void ItensChegaram(int primeiro, int ultimo);
    void Ordenar(int primeiro, int ultimo);
    bool TeclaBaixa(QKeyEvent* event);
    bool Caractere(QKeyEvent* event, QString& texto);
    bool Filtrar(QString& texto) const;
    void AjustarLargura();
    void CortarTexto();

    TComboBoxStyle style_ = TComboBoxStyle::csDropDownList;
    TEditCharCase charCase_ = TEditCharCase::ecUpperCase;
    bool sorted_ = false;
    int maxSize_ = 0;
    bool widthAuto_ = true;
    bool listWidthAuto_ = false;
    bool arrumando_ = false;  // the combo itself is moving or recasing items
    QTimer* fSizeTimer;
};

class ORVANE_DESENHOWIDGETS_EXPORT TACombo : public TCustomACombo, public TControleRotulado {
    Q_OBJECT
public:
    explicit TACombo(QWidget* parent = nullptr);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);

    // Appends the text to the items and the value to Values; the new index when both landed at
    // the same index, else -1 (both stay added).
    int Add(const QString& asText, const QString& asValue);
    int Add(const QString& asText, int aiValue);
    void ClearLists();

    const QStringList& Values() const { return tsValues_; }
    void SetValues(const QStringList& valores) { tsValues_ = valores; }
    // The hidden value of the selected item; "" when there is none.
    QString Value() const;
    // Selects the first item whose value equals the text ignoring case (none: no selection).
    // Nothing happens while Values is empty.
    void SetValue(const QString& valor);

    // Fills the combo from a query run on the connection: an empty first item when
    // abValorVazio, then one item per row (trimmed field texts), the first item selected, then
    // asDefaultValue selected when given. True when there are items. The query runs through
    // TdbxDataSet's Select; one that fails leaves the combo as the first step made it and raises
    // EDataSetErro with the details of the failure (the database's text among them).
    bool LoadData(const QSqlDatabase& aoConexao, const QString& asSql, const QString& asFieldText,
                  const QString& asFieldValue, const QString& asDefaultValue, bool abValorVazio);
    // The same over a dataset the caller has, from its first row to its end (field texts as
    // they are); the dataset is left at its end.
    bool LoadData(QSqlQuery& aoDataSet, const QString& asFieldText, const QString& asFieldValue,
                  const QString& asDefaultValue, bool abValorVazio);

private:
    // Adds the rows from the current one (haLinha: there is one) to the end.
    void Preencher(QSqlQuery& dados, bool haLinha, const QString& campoTexto,
                   const QString& campoValor);
    bool Concluir(const QString& valorPadrao);

    QStringList tsValues_;
};
