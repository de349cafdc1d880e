#include "desenho/controles/ACombo.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardItemModel>
#include <QStyle>
#include <QStylePainter>
#include <QTimer>

#include "base/mConst.h"
#include "registro/dataset/TdbxDataSet.h"

namespace {

bool SemAltSozinho(const QKeyEvent* event) {
    return event->modifiers() != Qt::AltModifier;
}

// The plus key of the numeric keypad.
bool EhMaisDoTeclado(const QKeyEvent* event) {
    return event->key() == Qt::Key_Plus && event->modifiers().testFlag(Qt::KeypadModifier);
}

}  // namespace

TCustomACombo::TCustomACombo(QWidget* parent) : QComboBox(parent) {
    resize(145, 22);
    setMaxVisibleItems(20);
    CamposEntrada::AplicarCoresEntrada(this);
    CorFoco = palette().color(QPalette::Base);
    fSizeTimer = new QTimer(this);
    fSizeTimer->setSingleShot(true);
    fSizeTimer->setInterval(1);
    connect(fSizeTimer, &QTimer::timeout, this, &TCustomACombo::CortarTexto);
    fSizeTimer->start();
    connect(this, &QComboBox::activated, fSizeTimer, qOverload<>(&QTimer::start));
    connect(this, &QComboBox::currentIndexChanged, this, &TCustomACombo::CortarTexto);
    connect(this, &QComboBox::editTextChanged, this, &TCustomACombo::CortarTexto);
    // Items arrive only through the lists (Add, LoadData) and the values follow them: Enter in
    // the edit never adds the typed text as an item.
    setInsertPolicy(QComboBox::NoInsert);
    connect(
        model(), &QAbstractItemModel::rowsInserted, this,
        [this](const QModelIndex&, int primeiro, int ultimo) { ItensChegaram(primeiro, ultimo); });
    // The open list takes the keys; the keypad plus closes it from there.
    view()->installEventFilter(this);
}

QColor TCustomACombo::Color() const {
    return palette().color(QPalette::Active, QPalette::Base);
}

void TCustomACombo::SetColor(const QColor& cor) {
    QPalette paleta = palette();
    for (QPalette::ColorGroup grupo : {QPalette::Active, QPalette::Inactive}) {
        paleta.setColor(grupo, QPalette::Base, cor);
        paleta.setColor(grupo, QPalette::Button, cor);
    }
    setPalette(paleta);
}

void TCustomACombo::SetStyle(TComboBoxStyle estilo) {
    style_ = estilo;
    setEditable(estilo == TComboBoxStyle::csDropDown);
    if (lineEdit()) {
        lineEdit()->setMaxLength(maxSize_ > 0 ? maxSize_ : 32767);
        connect(lineEdit(), &QLineEdit::textEdited, this, &TCustomACombo::TextoDigitado,
                Qt::UniqueConnection);
    }
}

void TCustomACombo::TextoDigitado(const QString& texto) {
    const QString caixa = NaCaixa(texto);
    if (caixa == texto)
        return;
    const int cursor = lineEdit()->cursorPosition();
    lineEdit()->setText(caixa);
    lineEdit()->setCursorPosition(cursor);
}

QString TCustomACombo::NaCaixa(const QString& texto) const {
    switch (charCase_) {
        case TEditCharCase::ecUpperCase:
            return texto.toUpper();
        case TEditCharCase::ecLowerCase:
            return texto.toLower();
        case TEditCharCase::ecNormal:
            break;
    }
    return texto;
}

void TCustomACombo::SetSorted(bool ordenado) {
    sorted_ = ordenado;
    if (sorted_ && count() > 0)
        Ordenar(0, count() - 1);
}

void TCustomACombo::SetMaxSize(int tamanho) {
    maxSize_ = tamanho;
    if (lineEdit())
        lineEdit()->setMaxLength(tamanho > 0 ? tamanho : 32767);
    AjustarLargura();
}

void TCustomACombo::SetWidthAuto(bool automatico) {
    widthAuto_ = automatico;
    AjustarLargura();
}

void TCustomACombo::AjustarLargura() {
    if (maxSize_ > 0 && widthAuto_)
        resize((maxSize_ + 1) * fontMetrics().horizontalAdvance(QLatin1Char('X')) + 2, height());
}

void TCustomACombo::SetListWidthAuto(bool automatico) {
    listWidthAuto_ = automatico;
    view()->setMinimumWidth(LarguraLista());
}

int TCustomACombo::LarguraLista() const {
    if (!listWidthAuto_)
        return width();
    int maior = 0;
    for (int i = 0; i < count(); ++i)
        maior = std::max(maior, fontMetrics().horizontalAdvance(itemText(i)));
    return maior + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
           style()->pixelMetric(QStyle::PM_ScrollBarSliderMin);
}

void TCustomACombo::showPopup() {
    view()->setMinimumWidth(LarguraLista());
    QComboBox::showPopup();
}

void TCustomACombo::hidePopup() {
    QComboBox::hidePopup();
    CortarTexto();
}

bool TCustomACombo::ListaAberta() const {
    return view()->isVisible();
}

QString TCustomACombo::Text() const {
    const QString texto = lineEdit() ? lineEdit()->text() : currentText();
    return maxSize_ > 0 ? texto.left(maxSize_) : texto;
}

void TCustomACombo::CortarTexto() {
    if (maxSize_ <= 0)
        return;
    if (lineEdit() && lineEdit()->text().size() > maxSize_)
        lineEdit()->setText(lineEdit()->text().left(maxSize_));
    update();
}

// A closed list shows the selected item cut to MaxSize, like the edit of an editable one.
void TCustomACombo::paintEvent(QPaintEvent* event) {
    if (lineEdit() || maxSize_ <= 0) {
        QComboBox::paintEvent(event);
        return;
    }
    QStylePainter pintor(this);
    QStyleOptionComboBox opcao;
    initStyleOption(&opcao);
    opcao.currentText = Text();
    pintor.drawComplexControl(QStyle::CC_ComboBox, opcao);
    pintor.drawControl(QStyle::CE_ComboBoxLabel, opcao);
}

int TCustomACombo::AdicionarItem(const QString& texto) {
    const QString caixa = NaCaixa(texto);
    const int indice = sorted_ ? PosicaoOrdenada(caixa) : count();
    insertItem(indice, caixa);
    return indice;
}

// After the items of equal text (compared ignoring case), so equal items keep their order.
int TCustomACombo::PosicaoOrdenada(const QString& texto) const {
    int indice = 0;
    while (indice < count() && itemText(indice).compare(texto, Qt::CaseInsensitive) <= 0)
        ++indice;
    return indice;
}

// However items arrive (Add, LoadData, addItem, insertItem, addItems), they take the letter case
// and, when Sorted, their sorted place.
void TCustomACombo::ItensChegaram(int primeiro, int ultimo) {
    if (arrumando_)
        return;
    const QScopedValueRollback guarda(arrumando_, true);
    for (int i = primeiro; i <= ultimo; ++i) {
        const QString caixa = NaCaixa(itemText(i));
        if (caixa != itemText(i))
            setItemText(i, caixa);
    }
    if (sorted_)
        Ordenar(primeiro, ultimo);
}

// Puts the rows primeiro..ultimo at their sorted places among the others; nothing moves when
// they already stand there (as items added through AdicionarItem do).
void TCustomACombo::Ordenar(int primeiro, int ultimo) {
    auto* modelo = qobject_cast<QStandardItemModel*>(model());
    auto emOrdem = [this](int i) {
        return itemText(i - 1).compare(itemText(i), Qt::CaseInsensitive) <= 0;
    };
    bool ordenado = true;
    for (int i = std::max(primeiro, 1); ordenado && i <= std::min(ultimo + 1, count() - 1); ++i)
        ordenado = emOrdem(i);
    if (ordenado || !modelo)
        return;
    const QScopedValueRollback guarda(arrumando_, true);
    // An empty closed list selects its first item when items arrive; it still does after them.
    const bool primeiroSelecionado = currentIndex() >= primeiro && currentIndex() <= ultimo;
    QList<QList<QStandardItem*>> linhas;
    for (int i = ultimo; i >= primeiro; --i)
        linhas.prepend(modelo->takeRow(i));
    for (const QList<QStandardItem*>& linha : linhas)
        modelo->insertRow(PosicaoOrdenada(linha.constFirst()->text()), linha);
    if (primeiroSelecionado)
        setCurrentIndex(0);
}

bool TCustomACombo::eventFilter(QObject* objeto, QEvent* event) {
    if (objeto == view() && event->type() == QEvent::KeyPress &&
        EhMaisDoTeclado(static_cast<QKeyEvent*>(event))) {
        hidePopup();
        return true;
    }
    return QComboBox::eventFilter(objeto, event);
}

void TCustomACombo::keyPressEvent(QKeyEvent* event) {
    QString texto = event->text();
    if (CamposEntrada::TratarTecla([&] { return TeclaBaixa(event) || Caractere(event, texto); }))
        return;
    if (texto != event->text()) {
        QKeyEvent trocada(event->type(), event->key(), event->modifiers(), texto);
        QComboBox::keyPressEvent(&trocada);
        return;
    }
    QComboBox::keyPressEvent(event);
}

bool TCustomACombo::TeclaBaixa(QKeyEvent* event) {
    const bool lista = style_ == TComboBoxStyle::csDropDownList;
    if (CamposEntrada::EhCtrl(event, Qt::Key_Y) && !lista && !Text().isEmpty()) {
        lineEdit()->clear();
        return true;
    }
    int tecla = event->key();
    if (lista) {
        if (tecla == Qt::Key_Left)
            tecla = Qt::Key_Up;
        else if (tecla == Qt::Key_Right)
            tecla = Qt::Key_Down;
        else if (tecla == Qt::Key_PageUp || tecla == Qt::Key_PageDown || tecla == Qt::Key_End ||
                 tecla == Qt::Key_Home)
            return true;
    }
    if (tecla == Qt::Key_Down && SemAltSozinho(event) && !ListaAberta()) {
        CamposEntrada::ExigirPreenchido(Obrigatorio && Vazio());
        CamposEntrada::ProximoCampo(this);
        return true;
    }
    if (tecla == Qt::Key_Up && SemAltSozinho(event) && !ListaAberta()) {
        CamposEntrada::CampoAnterior(this);
        return true;
    }
    if (EhMaisDoTeclado(event)) {
        ListaAberta() ? hidePopup() : showPopup();
        return true;
    }
    return false;
}

bool TCustomACombo::Caractere(QKeyEvent* event, QString& texto) {
    if (texto.size() == 1 && !Filtrar(texto))
        return true;
    if (CamposEntrada::EhEnter(event) && !ListaAberta() && EnterProximoCampo) {
        CamposEntrada::ExigirPreenchido(Obrigatorio && Text().isEmpty());
        CamposEntrada::ProximoCampo(this);
        return true;
    }
    return style_ == TComboBoxStyle::csDropDownList && !ListaAberta() && texto.size() == 1 &&
           texto.at(0).isLetterOrNumber();
}

// False when the typed character is dropped; may change it (a money field's separator).
bool TCustomACombo::Filtrar(QString& texto) const {
    const char16_t c = texto.at(0).toUpper().unicode();
    if (c > 255)
        return true;
    switch (InputType) {
        case TInputType::itNumeros:
            return !((c >= 33 && c <= 47) || (c >= 58 && c <= 127));
        case TInputType::itDinheiro: {
            if (c == u',' || c == u'.') {
                const QChar separador = FormatSettings().DecimalSeparator;
                if (Text().contains(separador))
                    return false;
                texto = separador;
                return true;
            }
            return !((c >= 32 && c <= 43) || c == 47 || (c >= 58 && c <= 127));
        }
        case TInputType::itNormal:
            return true;
        case TInputType::itLetras:
            return !(c >= u'0' && c <= u'9');
    }
    return true;
}

void TCustomACombo::focusInEvent(QFocusEvent* event) {
    OldColor = Color();
    SetColor(CorFoco);
    QComboBox::focusInEvent(event);
}

void TCustomACombo::focusOutEvent(QFocusEvent* event) {
    SetColor(OldColor);
    QComboBox::focusOutEvent(event);
}

TACombo::TACombo(QWidget* parent)
    : TCustomACombo(parent),
      TControleRotulado(new TRotuloControle(this, new TComboInternalLabel(this))) {}

void TACombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    setGeometry(ALeft, ATop, AWidth, AHeight);
    RefreshLabel();
}

int TACombo::Add(const QString& asText, const QString& asValue) {
    const int indiceItem = AdicionarItem(asText);
    tsValues_.append(asValue);
    return indiceItem == tsValues_.size() - 1 ? indiceItem : -1;
}

int TACombo::Add(const QString& asText, int aiValue) {
    return Add(asText, QString::number(aiValue));
}

void TACombo::ClearLists() {
    clear();
    tsValues_.clear();
}

QString TACombo::Value() const {
    const int indice = currentIndex();
    return indice >= 0 && indice < tsValues_.size() ? tsValues_.at(indice) : QString();
}

void TACombo::SetValue(const QString& valor) {
    if (tsValues_.isEmpty())
        return;
    for (int i = 0; i < tsValues_.size(); ++i) {
        if (tsValues_.at(i).compare(valor, Qt::CaseInsensitive) == 0) {
            setCurrentIndex(i < count() ? i : -1);
            return;
        }
    }
    setCurrentIndex(-1);
}

bool TACombo::LoadData(const QSqlDatabase& aoConexao, const QString& asSql,
                       const QString& asFieldText, const QString& asFieldValue,
                       const QString& asDefaultValue, bool abValorVazio) {
    ClearLists();
    if (abValorVazio)
        Add(QString(), QString());
    TdbxDataSet dados(this, aoConexao);
    if (!dados.Select(asSql))
        dados.RaiseException();  // a query without rows has no error and adds nothing
    for (; !dados.Eof(); dados.Next()) {
        AdicionarItem(dados.CampoTrim(asFieldText));
        if (!asFieldValue.isEmpty())
            tsValues_.append(dados.CampoTrim(asFieldValue));
    }
    return Concluir(asDefaultValue);
}

bool TACombo::LoadData(QSqlQuery& aoDataSet, const QString& asFieldText,
                       const QString& asFieldValue, const QString& asDefaultValue,
                       bool abValorVazio) {
    ClearLists();
    if (abValorVazio)
        Add(QString(), QString());
    // A dataset read forward only can start from the row it stands on, not before it.
    const bool primeira =
        aoDataSet.isForwardOnly() ? aoDataSet.isValid() || aoDataSet.next() : aoDataSet.first();
    Preencher(aoDataSet, primeira, asFieldText, asFieldValue);
    return Concluir(asDefaultValue);
}

void TACombo::Preencher(QSqlQuery& dados, bool haLinha, const QString& campoTexto,
                        const QString& campoValor) {
    for (; haLinha; haLinha = dados.next()) {
        AdicionarItem(dados.value(campoTexto).toString());
        if (!campoValor.isEmpty())
            tsValues_.append(dados.value(campoValor).toString());
    }
}

bool TACombo::Concluir(const QString& valorPadrao) {
    setCurrentIndex(count() > 0 ? 0 : -1);
    if (!valorPadrao.isEmpty())
        SetValue(valorPadrao);
    return count() > 0;
}
