#include "sistema/rede/TmRotRede.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// A static HTTP server on loopback over a temporary folder (python3's http.server), on a port
// the system picks; it ends with the test.
class ServidorHttp : public ::testing::Test {
protected:
    void SetUp() override {
        servidor_.setWorkingDirectory(pasta_.path());
        servidor_.start(QStringLiteral("python3"),
                        {QStringLiteral("-c"),
                         QStringLiteral("import http.server,sys\n"
                                        "s=http.server.ThreadingHTTPServer(('127.0.0.1',0),"
                                        "http.server.SimpleHTTPRequestHandler)\n"
                                        "print(s.server_address[1],flush=True)\n"
                                        "s.serve_forever()")});
        ASSERT_TRUE(servidor_.waitForReadyRead(10000));
        porta_ = servidor_.readLine().trimmed().toInt();
        ASSERT_GT(porta_, 0);
    }
    void TearDown() override {
        servidor_.kill();
        servidor_.waitForFinished();
    }
    QString Url(const QString& nome) const {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(porta_).arg(nome);
    }
    void Publicar(const QString& nome, const QByteArray& conteudo) {
        QFile arquivo(pasta_.filePath(nome));
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(conteudo);
    }

    QTemporaryDir pasta_;
    QTemporaryDir destino_;
    QProcess servidor_;
    int porta_ = 0;
};

// Two-byte characters across every 1024-byte boundary come back whole.
TEST_F(ServidorHttp, TheWholeBodyIsDecodedAtOnce) {
    const QString texto = QStringLiteral("a") + QString(3000, QChar(u'ç'));
    Publicar(QStringLiteral("texto.txt"), texto.toUtf8());
    EXPECT_EQ(TmRot::GetStringFromUrl(Url(QStringLiteral("texto.txt"))), texto);
    EXPECT_EQ(TmRot::DownloadStrURL(Url(QStringLiteral("texto.txt"))), texto);
    EXPECT_THROW(TmRot::GetStringFromUrl(Url(QStringLiteral("falta.txt"))), ERede);
}

TEST_F(ServidorHttp, DownloadsReplaceTheTargetOnlyWhenComplete) {
    Publicar(QStringLiteral("novo.bin"), QByteArray(100000, 'n'));
    const QString alvo = destino_.filePath(QStringLiteral("arquivo.bin"));
    {
        QFile antigo(alvo);
        ASSERT_TRUE(antigo.open(QIODevice::WriteOnly));
        antigo.write("antigo");
    }
    EXPECT_FALSE(TmRot::DownloadFileHTTP(Url(QStringLiteral("falta.bin")), alvo));
    EXPECT_THROW(TmRot::DownloadFileHTTP(Url(QStringLiteral("falta.bin")), alvo, true), ERede);
    QFile lido(alvo);
    ASSERT_TRUE(lido.open(QIODevice::ReadOnly));
    EXPECT_EQ(lido.readAll(), QByteArray("antigo"));
    lido.close();

    ASSERT_TRUE(TmRot::DownloadFileHTTP(Url(QStringLiteral("novo.bin")), alvo));
    ASSERT_TRUE(lido.open(QIODevice::ReadOnly));
    EXPECT_EQ(lido.readAll(), QByteArray(100000, 'n'));
    EXPECT_EQ(QDir(destino_.path()).entryList(QDir::Files | QDir::Hidden).size(),
              1);  // no leftovers
}

// A link planted at the target's name is replaced, never written through.
TEST_F(ServidorHttp, ALinkAtTheTargetIsReplacedNotFollowed) {
    Publicar(QStringLiteral("novo.bin"), QByteArray("novo"));
    const QString vitima = destino_.filePath(QStringLiteral("vitima"));
    QFile(vitima).open(QIODevice::WriteOnly);
    const QString alvo = destino_.filePath(QStringLiteral("alvo"));
    ASSERT_TRUE(QFile::link(vitima, alvo));
    ASSERT_TRUE(TmRot::DownloadFileHTTP(Url(QStringLiteral("novo.bin")), alvo));
    EXPECT_FALSE(QFileInfo(alvo).isSymLink());
    EXPECT_EQ(QFileInfo(vitima).size(), 0);
}

TEST(Ping, AnswersOnLoopbackAndNeverTakesAnAddressAsAnOption) {
    EXPECT_TRUE(TmRot::Ping(QStringLiteral("127.0.0.1")));
    EXPECT_TRUE(TmRot::Ping(QStringLiteral("127.0.0.1"), 2, 64, 10));
    for (const char* ruim : {"-f", "-c999999", "--", "127.0.0.1 -f", "a b", "", "-127.0.0.1",
                             "x;reboot", "$(reboot)", "host..local"})
        EXPECT_FALSE(TmRot::EnderecoValido(QString::fromLatin1(ruim))) << ruim;
    for (const char* bom : {"127.0.0.1", "::1", "pdv01.loja.local", "localhost"})
        EXPECT_TRUE(TmRot::EnderecoValido(QString::fromLatin1(bom))) << bom;
    EXPECT_FALSE(TmRot::Ping(QStringLiteral("-f"), 1));
    EXPECT_FALSE(TmRot::Ping(QStringLiteral("127.0.0.1"), 1, 70000));
    EXPECT_FALSE(TmRot::Ping(QStringLiteral("127.0.0.1"), 0));
}

}  // namespace
