// The display window on hostile files. The picture command (102) on hostile picture files: the
// error reaches the application's handler as an error dialog naming the picture, memory stays
// bounded, and the display goes on with the page it showed. A settings file that cannot be read.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QBuffer>
#include <QImage>
#include <QStackedWidget>
#include <QtEndian>
#include <memory>

#include "dialogos/mensagens/mMensagem.h"
#include "display/janela/TPrincipalVivavaDazovadForm.h"
#include "support/RaizTemporaria.h"

namespace {

class DialogosGravados : public TDialogosBackEnd {
public:
    bool Executar(const TParametrosDialogo& dialogo) override {
        pedidos.append(dialogo);
        return true;
    }
    void SetTaskbarEstado(int) override {}
    void TocarSom(TMsgDlgType) override {}
    void Focar(QObject*) override {}
    QList<TParametrosDialogo> pedidos;
};

QByteArray Codificada(const char* formato) {
    QImage imagem(8, 8, QImage::Format_RGB32);
    imagem.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer saida(&bytes);
    saida.open(QIODevice::WriteOnly);
    imagem.save(&saida, formato);
    return bytes;
}

// A BMP header (file header and BITMAPINFOHEADER) for a 32-bit picture of the given size,
// followed by a few bytes of pixels.
QByteArray CabecalhoBmp(qint32 largura, qint32 altura) {
    QByteArray b(54 + 16, '\0');
    auto u16 = [&](int pos, quint16 v) { qToLittleEndian(v, b.data() + pos); };
    auto u32 = [&](int pos, quint32 v) { qToLittleEndian(v, b.data() + pos); };
    b[0] = 'B';
    b[1] = 'M';
    u32(2, quint32(b.size()));
    u32(10, 54);  // pixels offset
    u32(14, 40);  // header size
    u32(18, quint32(largura));
    u32(22, quint32(altura));
    u16(26, 1);   // planes
    u16(28, 32);  // bits per pixel
    return b;
}

long PicoDeMemoriaKb() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

class ImagensHostis : public ::testing::Test {
protected:
    void SetUp() override {
        TmDlg::InstalarBackEnd(dialogos_);
        janela_ = std::make_unique<TPrincipalVivavaDazovadForm>();
    }
    void TearDown() override {
        janela_.reset();
        TmDlg::InstalarBackEnd(nullptr);
    }
    QString GravarImagem(const QByteArray& bytes) {
        return raiz_.Criar(QStringLiteral("frente/OrvaneImg.bmp"), bytes);
    }
    QWidget* PaginaAtiva() const {
        return janela_->findChild<QStackedWidget*>("PageControl")->currentWidget();
    }
    QWidget* Pagina(const char* nome) const { return janela_->findChild<QWidget*>(nome); }

    RaizTemporaria raiz_;
    std::shared_ptr<DialogosGravados> dialogos_ = std::make_shared<DialogosGravados>();
    std::unique_ptr<TPrincipalVivavaDazovadForm> janela_;
};

TEST_F(ImagensHostis, AnUnreadablePictureIsReportedAndTheDisplayGoesOn) {
    const QByteArray bmp = Codificada("BMP");
    const struct {
        const char* nome;
        QByteArray bytes;
    } casos[] = {
        {"empty", {}},
        {"truncated in its header", bmp.left(30)},
        {"cut inside its pixels, as while the POS still writes it", bmp.chopped(1)},
        {"a PNG under the BMP name", Codificada("PNG")},
        {"text", "isto nao e uma imagem\r\n"},
        {"30000 x 30000 pixels claimed", CabecalhoBmp(30000, 30000)},
        {"a negative width", CabecalhoBmp(-5, 8)},
    };
    ASSERT_TRUE(dialogos_->pedidos.isEmpty());
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        dialogos_->pedidos.clear();
        const QString arquivo = GravarImagem(caso.bytes);
        QWidget* const antes = PaginaAtiva();
        const long memoriaAntes = PicoDeMemoriaKb();

        janela_->ExecutarComando(102, QString());

        EXPECT_LT(PicoDeMemoriaKb() - memoriaAntes, 256 * 1024) << "kB more at the peak";
        ASSERT_EQ(dialogos_->pedidos.size(), 1);
        const TParametrosDialogo& erro = dialogos_->pedidos.first();
        EXPECT_EQ(erro.Tipo, TMsgDlgType::mtError);
        EXPECT_TRUE(erro.Mensagem.contains(QStringLiteral("imagem")) &&
                    erro.Mensagem.contains(arquivo))
            << erro.Mensagem.toStdString();
        EXPECT_EQ(PaginaAtiva(), antes);

        // The next command runs: closing the picture removes the file and shows the sale.
        janela_->ExecutarComando(103, QStringLiteral("1"));
        EXPECT_FALSE(QFile::exists(arquivo));
        EXPECT_EQ(PaginaAtiva(), Pagina("TabVenda"));
    }

    dialogos_->pedidos.clear();
    GravarImagem(bmp);
    janela_->ExecutarComando(102, QString());
    EXPECT_TRUE(dialogos_->pedidos.isEmpty());
    EXPECT_EQ(PaginaAtiva(), Pagina("TabImg"));
}

// A settings file that cannot be read is reported once when the window is built; the window
// takes its defaults and runs the commands.
TEST(JanelaSemConfiguracao, AnUnreadableSettingsFileIsReportedAndTheDefaultsHold) {
    RaizTemporaria raiz;
    const QString config = raiz.Caminho() + QStringLiteral("/frente/config/Orvane.crv");
    ASSERT_TRUE(QDir().mkpath(config));  // a folder where the file should be
    auto dialogos = std::make_shared<DialogosGravados>();
    TmDlg::InstalarBackEnd(dialogos);
    {
        TPrincipalVivavaDazovadForm janela;
        ASSERT_EQ(dialogos->pedidos.size(), 1);
        EXPECT_EQ(dialogos->pedidos.first().Tipo, TMsgDlgType::mtError);
        EXPECT_TRUE(dialogos->pedidos.first().Mensagem.contains(QStringLiteral("Orvane.crv")))
            << dialogos->pedidos.first().Mensagem.toStdString();
        EXPECT_EQ(janela.PortaConfigurada(), kPortaPadrao);

        janela.ExecutarComando(6, QStringLiteral("Total|12,90"));
        EXPECT_EQ(janela.findChild<QStackedWidget*>("PageControl")->currentWidget(),
                  janela.findChild<QWidget*>("TabInfo"));
        EXPECT_EQ(dialogos->pedidos.size(), 1);
    }
    TmDlg::InstalarBackEnd(nullptr);
}

}  // namespace
