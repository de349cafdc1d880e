// The labelled combo: keyboard model, key filters, focus colour, width and text cut, hidden
// values, and loading from a real SQLite database.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include "Formulario.h"
#include "desenho/controles/ACombo.h"
#include "desenho/formularios/mMensagemPlus.h"
#include "support/Respostas.h"

namespace {

class TAComboTeclado : public ::testing::Test {
protected:
    void SetUp() override {
        antes = new QLineEdit(&form);
        antes->setObjectName(QStringLiteral("antes"));
        combo = new TACombo(&form);
        combo->setObjectName(QStringLiteral("combo"));
        combo->Add(QStringLiteral("um"), 1);
        combo->Add(QStringLiteral("dois"), 2);
        combo->Add(QStringLiteral("três"), 3);
        depois = new QLineEdit(&form);
        depois->setObjectName(QStringLiteral("depois"));
        form.Mostrar();
        Focar();
    }
    void TearDown() override {
        combo->hidePopup();
        EXPECT_EQ(TmDialogForm::RespostasPendentes(), 0);
        TmDialogForm::DescartarRespostas();
    }
    void Focar() {
        combo->setFocus();
        ASSERT_EQ(form.Focado(), QStringLiteral("combo"));
    }
    // Answers the required-field warning and tells whether it was shown.
    void EsperarAviso(QString& aviso) {
        TmDialogForm::ResponderProximo([&aviso](TmDialogForm& f) {
            aviso = f.Mensagem();
            Respostas::ClicarOk()(f);
        });
    }
    void Editavel() {
        combo->SetStyle(TComboBoxStyle::csDropDown);
        Focar();
    }
    TFormulario form;
    QLineEdit* antes;
    TACombo* combo;
    QLineEdit* depois;
};

TEST_F(TAComboTeclado, AClosedListIgnoresTypingAndMovesWithTheArrows) {
    combo->SetItemIndex(1);
    QTest::keyClicks(combo, QStringLiteral("u3t"));
    QTest::keyClick(combo, Qt::Key_Home);
    QTest::keyClick(combo, Qt::Key_PageDown);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), QStringLiteral("DOIS"));  // capitals by default

    QTest::keyClick(combo, Qt::Key_Right);
    EXPECT_EQ(form.Focado(), QStringLiteral("depois"));
    Focar();
    QTest::keyClick(combo, Qt::Key_Left);
    EXPECT_EQ(form.Focado(), QStringLiteral("antes"));
    Focar();
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(form.Focado(), QStringLiteral("depois"));
    EXPECT_EQ(combo->ItemIndex(), 1);

    Focar();
    QTest::keyClick(combo, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_TRUE(combo->ListaAberta());
    QTest::keyClick(combo->view(), Qt::Key_Plus, Qt::KeypadModifier);  // the open list has the keys
    EXPECT_FALSE(combo->ListaAberta());
}

TEST_F(TAComboTeclado, EnterNeverAddsTheTypedTextAsAnItem) {
    Editavel();
    combo->EnterProximoCampo = false;
    combo->lineEdit()->clear();
    Digitar(combo, QStringLiteral("quatro"));
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->Values().size(), 3);
    EXPECT_EQ(combo->Text(), QStringLiteral("QUATRO"));
}

TEST_F(TAComboTeclado, ARequiredFieldOfBlanksPassesEnterButStopsDown) {
    Editavel();
    combo->Obrigatorio = true;
    combo->lineEdit()->setText(QStringLiteral("   "));
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(form.Focado(), QStringLiteral("depois"));

    Focar();
    QString aviso;
    EsperarAviso(aviso);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(aviso, QStringLiteral("Este campo precisa estar preenchido!"));
    EXPECT_EQ(form.Focado(), QStringLiteral("combo"));

    combo->lineEdit()->clear();
    aviso.clear();
    EsperarAviso(aviso);
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(aviso, QStringLiteral("Este campo precisa estar preenchido!"));
    EXPECT_EQ(form.Focado(), QStringLiteral("combo"));
}

TEST_F(TAComboTeclado, CtrlYClearsAnEditableCombo) {
    Editavel();
    combo->lineEdit()->setText(QStringLiteral("ABC"));
    QTest::keyClick(combo, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(combo->Text(), QString());
}

TEST_F(TAComboTeclado, KeyFiltersByInputKind) {
    Editavel();
    struct Caso {
        TInputType tipo;
        QString digitado;
        QString esperado;
    };
    const std::vector<Caso> casos = {
        {TInputType::itNumeros, "1a2 3.-/4é", "12 34É"},
        {TInputType::itDinheiro, "-12.5,3a+", "-12,53"},
        {TInputType::itDinheiro, "7,1.2", "7,12"},
        {TInputType::itLetras, "a1b2 c!", "AB C!"},
        {TInputType::itNormal, "x1,.", "X1,."},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.digitado.toStdString());
        combo->InputType = c.tipo;
        combo->lineEdit()->clear();
        Digitar(combo, c.digitado);
        EXPECT_EQ(combo->Text(), c.esperado);
    }
}

TEST_F(TAComboTeclado, TheFocusColourHoldsWhileFocused) {
    const QColor normal = combo->Color();
    depois->setFocus();
    ASSERT_EQ(form.Focado(), QStringLiteral("depois"));
    combo->CorFoco = QColor(0xFF, 0xFF, 0xDD);
    Focar();
    EXPECT_EQ(combo->Color(), QColor(0xFF, 0xFF, 0xDD));
    depois->setFocus();
    ASSERT_EQ(form.Focado(), QStringLiteral("depois"));
    EXPECT_EQ(combo->Color(), normal);
}

TEST(TAComboTamanho, MaxSizeFitsTheWidthAndCutsTheText) {
    TACombo combo;
    EXPECT_EQ(combo.size(), QSize(145, 22));
    combo.SetMaxSize(10);
    EXPECT_EQ(combo.width(), 11 * combo.fontMetrics().horizontalAdvance(QLatin1Char('X')) + 2);
    combo.Add(QStringLiteral("Um texto bem comprido"), 1);
    combo.SetItemIndex(0);
    EXPECT_EQ(combo.Text(), QStringLiteral("UM TEXTO B"));

    combo.SetStyle(TComboBoxStyle::csDropDown);
    combo.lineEdit()->setText(QStringLiteral("abcdefghijklmno"));
    EXPECT_EQ(combo.lineEdit()->text(), QStringLiteral("abcdefghij"));

    TACombo semAjuste;
    semAjuste.SetWidthAuto(false);
    semAjuste.SetMaxSize(10);
    EXPECT_EQ(semAjuste.width(), 145);
}

TEST(TAComboTamanho, TheListIsAsWideAsItsWidestItem) {
    TACombo combo;
    combo.Add(QStringLiteral("curto"), 1);
    combo.Add(QStringLiteral("um item bem mais largo que o combo inteiro"), 2);
    EXPECT_EQ(combo.LarguraLista(), combo.width());
    combo.SetListWidthAuto(true);
    const int item = combo.fontMetrics().horizontalAdvance(
        QStringLiteral("UM ITEM BEM MAIS LARGO QUE O COMBO INTEIRO"));
    EXPECT_GT(combo.LarguraLista(), item);
    EXPECT_GE(combo.view()->minimumWidth(), combo.LarguraLista());
}

TEST(TAComboValores, HiddenValuesFollowTheSelection) {
    TACombo combo;
    combo.SetCharCase(TEditCharCase::ecNormal);
    EXPECT_EQ(combo.Value(), QString());
    combo.SetValue(QStringLiteral("x"));  // no values: nothing happens
    EXPECT_EQ(combo.Add(QStringLiteral("Sim"), QStringLiteral("s")), 0);
    EXPECT_EQ(combo.Add(QStringLiteral("Não"), QStringLiteral("n")), 1);
    combo.addItem(QStringLiteral("Talvez"));  // an item without value
    combo.SetValue(QStringLiteral("N"));
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(combo.Value(), QStringLiteral("n"));
    combo.SetItemIndex(2);
    EXPECT_EQ(combo.Value(), QString());
    combo.SetValue(QStringLiteral("nenhum"));
    EXPECT_EQ(combo.ItemIndex(), -1);

    combo.SetValues({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    combo.SetValue(QStringLiteral("c"));
    EXPECT_EQ(combo.Text(), QStringLiteral("Talvez"));

    TACombo ordenado;
    ordenado.SetSorted(true);
    EXPECT_EQ(ordenado.Add(QStringLiteral("b"), 2), 0);
    EXPECT_EQ(ordenado.Add(QStringLiteral("a"), 1), -1);  // landed at 0, its value at 1
    EXPECT_EQ(ordenado.count(), 2);
    EXPECT_EQ(ordenado.Values().size(), 2);
    ordenado.ClearLists();
    EXPECT_EQ(ordenado.count(), 0);
    EXPECT_TRUE(ordenado.Values().isEmpty());
}

QStringList Itens(const TACombo& combo) {
    QStringList itens;
    for (int i = 0; i < combo.count(); ++i)
        itens << combo.itemText(i);
    return itens;
}

// The letter case and the order apply however items arrive, not only through Add.
TEST(TAComboValores, CaseAndOrderApplyToEveryWayItemsArrive) {
    struct Caso {
        TEditCharCase caixa;
        bool ordenado;
        QStringList esperado;
    };
    const std::vector<Caso> casos = {
        {TEditCharCase::ecUpperCase, false, {"ALFA", "BETA", "GAMA", "DELTA", "EPSILON"}},
        {TEditCharCase::ecLowerCase, true, {"alfa", "beta", "delta", "epsilon", "gama"}},
        {TEditCharCase::ecNormal, true, {"alfa", "Beta", "delta", "Epsilon", "Gama"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.esperado.join(' ').toStdString());
        TACombo combo;
        combo.SetCharCase(c.caixa);
        combo.SetSorted(c.ordenado);
        combo.addItem(QStringLiteral("Beta"));
        combo.insertItem(0, QStringLiteral("alfa"));
        combo.addItems({QStringLiteral("Gama"), QStringLiteral("delta")});
        combo.Add(QStringLiteral("Epsilon"), 5);
        EXPECT_EQ(Itens(combo), c.esperado);
    }

    // Turning Sorted on puts the items already there in order.
    TACombo depois;
    depois.SetCharCase(TEditCharCase::ecNormal);
    depois.addItems({QStringLiteral("c"), QStringLiteral("A"), QStringLiteral("b")});
    depois.SetSorted(true);
    EXPECT_EQ(Itens(depois), (QStringList{"A", "b", "c"}));
}

class TAComboDados : public ::testing::Test {
protected:
    void SetUp() override {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("combo"));
        db.setDatabaseName(pasta.filePath(QStringLiteral("dados.db")));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("create table uf (sigla text, nome text)"));
        ASSERT_TRUE(
            q.exec("insert into uf values (' SP ', ' São Paulo '), ('RJ', 'Rio'), "
                   "('MG', 'Minas')"));
    }
    void TearDown() override {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("combo"));
    }
    QTemporaryDir pasta;
    QSqlDatabase db;
    TACombo combo;
};

TEST_F(TAComboDados, LoadsTrimmedRowsFromAQuery) {
    combo.SetCharCase(TEditCharCase::ecNormal);
    EXPECT_TRUE(combo.LoadData(db, "select sigla, nome from uf order by rowid", "nome", "sigla",
                               "rj", true));
    EXPECT_EQ(Itens(combo), (QStringList{"", "São Paulo", "Rio", "Minas"}));
    EXPECT_EQ(combo.Values(), (QStringList{"", "SP", "RJ", "MG"}));
    EXPECT_EQ(combo.ItemIndex(), 2);

    EXPECT_TRUE(combo.LoadData(db, "select nome from uf", "nome", "", "", false));
    EXPECT_EQ(combo.ItemIndex(), 0);
    EXPECT_TRUE(combo.Values().isEmpty());

    // A default no row has clears the selection; an empty first item alone still counts.
    EXPECT_TRUE(combo.LoadData(db, "select * from uf", "nome", "sigla", "XX", false));
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_TRUE(combo.LoadData(db, "select * from uf where 0", "nome", "sigla", "", true));
    EXPECT_EQ(combo.count(), 1);
    EXPECT_FALSE(combo.LoadData(db, "select * from uf where 0", "nome", "sigla", "", false));
}

TEST_F(TAComboDados, AFailingQueryReachesTheCallerAfterTheListsWereCleared) {
    combo.Add(QStringLiteral("velho"), 9);
    EXPECT_THROW(combo.LoadData(db, "select * from nao_existe", "nome", "sigla", "", true),
                 std::runtime_error);
    EXPECT_EQ(Itens(combo), (QStringList{""}));
}

TEST_F(TAComboDados, LoadsADatasetAsItIsAndLeavesItAtItsEnd) {
    combo.SetCharCase(TEditCharCase::ecNormal);
    QSqlQuery dados(db);
    ASSERT_TRUE(dados.exec("select sigla, nome from uf order by rowid"));
    ASSERT_TRUE(dados.last());  // wherever it stands, loading starts at the first row
    EXPECT_TRUE(combo.LoadData(dados, "nome", "sigla", "MG", false));
    EXPECT_EQ(Itens(combo), (QStringList{" São Paulo ", "Rio", "Minas"}));
    EXPECT_EQ(combo.Values(), (QStringList{" SP ", "RJ", "MG"}));
    EXPECT_EQ(combo.ItemIndex(), 2);
    EXPECT_FALSE(dados.isValid());
    EXPECT_FALSE(dados.next());
}

}  // namespace
