// MD5 of texts against known digests, and of files against coreutils' md5sum.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "base/EInOutError.h"
#include "sistema/valores/TmRotMD5.h"

namespace {

TEST(MD5, KnownDigestsInUpperCase) {
    struct Caso {
        const char16_t* texto;
        const char* digest;
    };
    const Caso casos[] = {
        {u"", "D41D8CD98F00B204E9800998ECF8427E"},
        {u"abc", "900150983CD24FB0D6963F7D28E17F72"},
        {u"The quick brown fox jumps over the lazy dog", "9E107D9D372BB6826BD81D3542A419D6"},
        {u"ação", "B4A84869C331443BCBBB49FF63DCA3AA"},  // digested as «a??o»
    };
    for (const Caso& c : casos)
        EXPECT_EQ(TmRot::MD5(QString::fromUtf16(c.texto)), QLatin1String(c.digest))
            << QString::fromUtf16(c.texto).toStdString();
    // Every code unit outside ASCII is one "?", a surrogate pair two.
    EXPECT_EQ(TmRot::MD5(QString::fromUtf16(u"a\U0001F600")), TmRot::MD5("a??"));
}

class MD5File : public ::testing::Test {
protected:
    QString Criar(const QString& nome, const QByteArray& conteudo) {
        const QString caminho = pasta.filePath(nome);
        QFile arquivo(caminho);
        EXPECT_TRUE(arquivo.open(QIODevice::WriteOnly));
        EXPECT_EQ(arquivo.write(conteudo), conteudo.size());
        return caminho;
    }
    static QString Md5sum(const QString& caminho) {
        QProcess md5sum;
        md5sum.start(QStringLiteral("md5sum"), {QStringLiteral("--"), caminho});
        EXPECT_TRUE(md5sum.waitForFinished(60'000));
        EXPECT_EQ(md5sum.exitCode(), 0);
        return QString::fromLatin1(md5sum.readAllStandardOutput().left(32)).toUpper();
    }
    QTemporaryDir pasta;
};

TEST_F(MD5File, AgreesWithMd5sum) {
    QRandomGenerator gerador(1321);
    const auto aleatorio = [&](qsizetype tamanho) {
        QByteArray bytes(tamanho, Qt::Uninitialized);
        gerador.fillRange(reinterpret_cast<quint32*>(bytes.data()), tamanho / 4);
        for (qsizetype i = tamanho / 4 * 4; i < tamanho; ++i)
            bytes[i] = char(gerador.bounded(256));
        return bytes;
    };
    const QStringList arquivos{
        Criar("vazio", {}),
        Criar("um byte", "x"),
        Criar("bloco.bin", aleatorio(64)),
        Criar("quase bloco.bin", aleatorio(55)),
        Criar("ação -n.bin", aleatorio(4096 + 3)),
        Criar("grande.bin", aleatorio(7 * 1024 * 1024 + 17)),
    };
    for (const QString& caminho : arquivos)
        EXPECT_EQ(TmRot::MD5File(caminho), Md5sum(caminho)) << caminho.toStdString();
}

TEST_F(MD5File, MissingOrUnreadableFilesRaise) {
    const QString ausente = pasta.filePath("ausente.txt");
    try {
        TmRot::MD5File(ausente);
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Mensagem(), "Arquivo " + ausente + " não encontrado");
    }
    EXPECT_THROW(TmRot::MD5File(pasta.path()), EInOutError);  // a folder
    EXPECT_THROW(TmRot::MD5File(""), EInOutError);
}

}  // namespace
