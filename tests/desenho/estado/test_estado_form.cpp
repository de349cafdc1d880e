#include "desenho/estado/TmRotEstadoForm.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <memory>

namespace {

// A form with a control of each kind, one inside a group box, one without a name.
struct Formulario {
    QWidget form;
    QLineEdit* edNome = new QLineEdit(&form);
    QCheckBox* cbAtivo = new QCheckBox(&form);
    QComboBox* cbxTipo = new QComboBox(&form);
    QGroupBox* grupo = new QGroupBox(&form);
    QSpinBox* spQtd = new QSpinBox(grupo);
    QLineEdit* semNome = new QLineEdit(&form);

    Formulario() {
        form.setObjectName(QStringLiteral("CadastroForm"));
        edNome->setObjectName(QStringLiteral("edNome"));
        cbAtivo->setObjectName(QStringLiteral("cbAtivo"));
        cbxTipo->setObjectName(QStringLiteral("cbxTipo"));
        cbxTipo->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        spQtd->setObjectName(QStringLiteral("spQtd"));
        spQtd->setRange(0, 1000);
    }
};

TEST(EstadoForm, RoundTripsThroughARealSettingsFile) {
    QTemporaryDir pasta;
    const QString ini = pasta.filePath(QStringLiteral("estado.ini"));
    {
        Formulario origem;
        origem.edNome->setText(QStringLiteral("José = D'Ávila; [x]"));
        origem.cbAtivo->setChecked(true);
        origem.cbxTipo->setCurrentIndex(2);
        origem.spQtd->setValue(750);
        origem.semNome->setText(QStringLiteral("fica"));
        TmRot::SalvarEstadoForm(origem.form, ini);
    }
    QFile arquivo(ini);
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    const QString conteudo = QString::fromUtf8(arquivo.readAll());
    EXPECT_TRUE(conteudo.contains(QStringLiteral("[CadastroForm]")));
    EXPECT_FALSE(conteudo.contains(QStringLiteral("fica")));

    Formulario destino;
    TmRot::CarregarEstadoForm(destino.form, ini);
    EXPECT_EQ(destino.edNome->text(), QStringLiteral("José = D'Ávila; [x]"));
    EXPECT_TRUE(destino.cbAtivo->isChecked());
    EXPECT_EQ(destino.cbxTipo->currentIndex(), 2);
    EXPECT_EQ(destino.spQtd->value(), 750);
}

TEST(EstadoForm, AMissingFileLeavesTheControlsAsTheyAre) {
    QTemporaryDir pasta;
    Formulario form;
    form.edNome->setText(QStringLiteral("antes"));
    form.cbxTipo->setCurrentIndex(1);
    TmRot::CarregarEstadoForm(form.form, pasta.filePath(QStringLiteral("nao-existe.ini")));
    EXPECT_EQ(form.edNome->text(), QStringLiteral("antes"));
    EXPECT_EQ(form.cbxTipo->currentIndex(), 1);
}

}  // namespace
