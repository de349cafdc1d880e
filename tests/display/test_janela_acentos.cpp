// The accents of the POS's names as the customer reads them: the window runs in this process
// (offscreen), its listener on a free port, a sale arrives over real TCP in the encoding the
// settings name, and the item rows of a grab are read back by OCR (tesseract with its Portuguese
// data, tesseract-ocr-por). Only the rows are read, scaled up and in grey, and the text is
// compared after folding case: the check is on the letters, not on OCR's taste in capitals.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <memory>

#include "display/canal/CanalComandos.h"
#include "display/janela/TPrincipalVivavaDazovadForm.h"
#include "support/JanelaPorTcp.h"
#include "support/RaizTemporaria.h"

namespace {

// The text tesseract reads in the picture, case folded and with runs of blanks made one space.
QString LerTexto(const QImage& imagem) {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("linhas.png"));
    EXPECT_TRUE(imagem.save(arquivo));
    QProcess ocr;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("OMP_THREAD_LIMIT"), QStringLiteral("1"));  // no thread pool
    ocr.setProcessEnvironment(ambiente);
    ocr.start(QStringLiteral("tesseract"),
              {arquivo, QStringLiteral("stdout"), QStringLiteral("-l"), QStringLiteral("por"),
               QStringLiteral("--psm"), QStringLiteral("6")});
    EXPECT_TRUE(ocr.waitForFinished(60000));
    EXPECT_EQ(ocr.exitCode(), 0) << ocr.readAllStandardError().data();
    return QString::fromUtf8(ocr.readAllStandardOutput()).simplified().toCaseFolded();
}

struct CasoAcentos {
    const char* nome;
    const char* chave;  // the line of Orvane.crv
    QByteArray acucar, pao;
};

class JanelaAcentos : public ::testing::TestWithParam<CasoAcentos> {
protected:
    static void SetUpTestSuite() {
        if (QStandardPaths::findExecutable(QStringLiteral("tesseract")).isEmpty())
            GTEST_FAIL() << "tesseract is missing (scripts/install-deps.sh installs "
                            "tesseract-ocr and tesseract-ocr-por)";
    }

    void SetUp() override {
        const quint16 porta = PortaLivre();
        raiz_.Criar(QStringLiteral("frente/config/Orvane.crv"),
                    QStringLiteral("[Config]\r\nPorta=%1\r\nTelaCheia=0\r\nLargura=1024\r\n"
                                   "Altura=768\r\n")
                            .arg(porta)
                            .toLatin1() +
                        GetParam().chave);
        janela_ = std::make_unique<TPrincipalVivavaDazovadForm>();
        janela_->show();
        ASSERT_TRUE(Aguardar([&] { return janela_->Canal().Ativo(); }));
        pos_.connectToHost(QHostAddress::LocalHost, porta);
        ASSERT_TRUE(pos_.waitForConnected(5000));
    }

    void Enviar(const QByteArray& linha) {
        QSignalSpy despacho(&janela_->Canal(), &CanalComandos::Comando);
        pos_.write(linha);
        pos_.flush();
        ASSERT_TRUE(Aguardar([&] { return despacho.count() > 0; }));
    }

    // The first rows of the item grid as painted, scaled three times up and in grey.
    QImage Linhas(int quantas) {
        auto* grade = janela_->findChild<QTableView*>(QStringLiteral("Grid"));
        EXPECT_NE(grade, nullptr);
        const auto* modelo = grade->model();
        const QRect area =
            grade->visualRect(modelo->index(0, 0))
                .united(grade->visualRect(modelo->index(quantas - 1, modelo->columnCount() - 1)));
        const QImage linhas = grade->viewport()->grab(area).toImage();
        return linhas.scaled(linhas.size() * 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_Grayscale8);
    }

    RaizTemporaria raiz_;
    std::unique_ptr<TPrincipalVivavaDazovadForm> janela_;
    QTcpSocket pos_;
};

TEST_P(JanelaAcentos, BothNamesReadBackWithTheirAccents) {
    const CasoAcentos& caso = GetParam();
    Enviar(Linha(1, "1|789|" + caso.acucar + "|1|UN|4,99|4,99||0|0|0&2|790|" + caso.pao +
                        "|1|KG|12,90|12,90||0|0|0&TOTAL|R$ 17,89|||||||||"));
    const QString lido = LerTexto(Linhas(2));
    EXPECT_TRUE(lido.contains(QStringLiteral("AÇÚCAR CRISTAL 5KG").toCaseFolded()))
        << lido.toStdString();
    EXPECT_TRUE(lido.contains(QStringLiteral("PÃO FRANCÊS").toCaseFolded())) << lido.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Codificacoes, JanelaAcentos,
                         ::testing::Values(CasoAcentos{"Utf8", "CodificacaoPOS=UTF-8\r\n",
                                                       "A\xC3\x87\xC3\x9A"
                                                       "CAR CRISTAL 5KG",
                                                       "P\xC3\x83O FRANC\xC3\x8AS"},
                                           CasoAcentos{"Windows1252",
                                                       "CodificacaoPOS=Windows-1252\r\n",
                                                       "A\xC7\xDA"
                                                       "CAR CRISTAL 5KG",
                                                       "P\xC3O FRANC\xCA"
                                                       "S"}),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
