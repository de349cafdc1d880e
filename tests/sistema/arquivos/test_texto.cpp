// Text-file jobs on real files: line rules, the encoding a rewrite keeps, the line limit, the
// cleanup with its backup (its temporary folder on another file system), Base64 and XML.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>

#include "base/EInOutError.h"
#include "sistema/arquivos/TesteArquivos.h"
#include "sistema/arquivos/TmFileTexto.h"
#include "support/RaizTemporaria.h"

namespace {

class Texto : public TesteArquivos {};

TEST_F(Texto, LinesSplitAtEveryBreakAndDecodeByTheLibrarysRule) {
    struct Caso {
        QByteArray bytes;
        QStringList linhas;
    };
    const Caso casos[] = {
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\r\n\r\n", {"a", ""}},
        {"", {}},
        {"\xEF\xBB\xBF"
         "a\xC3\xA7\xC3\xA3o",
         {"ação"}},                        // UTF-8 with its mark
        {"a\xC3\xA7\xC3\xA3o", {"ação"}},  // valid UTF-8
        {"a\xE7\xE3o", {"ação"}},          // Windows-1252
    };
    for (const Caso& c : casos) {
        raiz.Criar("t.txt", c.bytes);
        QStringList linhas{"velha"};
        EXPECT_EQ(mFile::LoadFile(p("t.txt"), linhas), !c.linhas.isEmpty());
        EXPECT_EQ(linhas, c.linhas) << c.bytes.toHex().constData();
    }
    raiz.Criar("t.txt", "um\ndois");
    EXPECT_EQ(mFile::LoadFileFirstLine(p("t.txt")), "um");
    EXPECT_EQ(mFile::LoadFileAllLines(p("t.txt")), "um\r\ndois\r\n");
    EXPECT_EQ(mFile::GetFileConvertUTF8ToAnsi(p("t.txt")), "um\ndois");
    QStringList linhas{"velha"};
    EXPECT_FALSE(mFile::LoadFile(p("nada.txt"), linhas));
    EXPECT_TRUE(linhas.isEmpty());
    EXPECT_EQ(mFile::LoadFileAllLines(p("nada.txt")), "");
    // A file that exists but cannot be read is an error, not an empty file.
    EXPECT_THROW(mFile::GetStreamFile(p("nada.txt")), EInOutError);
}

TEST_F(Texto, WritesKeepTheEncodingAndNeverLoseACharacter) {
    EXPECT_TRUE(mFile::CriarArquivoTexto(p("novo.txt"), "ação"));
    EXPECT_EQ(Ler("novo.txt"), "a\xE7\xE3o\r\n");
    EXPECT_TRUE(mFile::CriarArquivoTexto(p("vazio.txt"), ""));
    EXPECT_EQ(Ler("vazio.txt"), "");
    EXPECT_TRUE(mFile::SaveTextSample("€ 5\n→ fim", p("amostra.txt")));
    EXPECT_EQ(Ler("amostra.txt"), "\xE2\x82\xAC 5\r\n\xE2\x86\x92 fim\r\n");  // 1252 lacks →
    raiz.Criar("marcado.txt", "\xEF\xBB\xBFum\r\n");
    EXPECT_TRUE(mFile::AddLinhaArquivoTexto(p("marcado.txt"), "dois é"));
    EXPECT_EQ(Ler("marcado.txt"), "\xEF\xBB\xBFum\r\ndois \xC3\xA9\r\n");
    raiz.Criar("utf8.txt", "\xC3\xA9\n");
    mFile::AddLinhaArquivoTexto(p("utf8.txt"), "x");
    EXPECT_EQ(Ler("utf8.txt"), "\xC3\xA9\r\nx\r\n");
}

TEST_F(Texto, LineLimitIsAppliedBeforeTheNewLine) {
    QByteArray cem;
    for (int i = 1; i <= 100; ++i)
        cem += QByteArray::number(i) + "\r\n";
    raiz.Criar("log.txt", cem);
    mFile::AddLinhaArquivoTexto(p("log.txt"), "novo", 100);
    QStringList linhas;
    mFile::LoadFile(p("log.txt"), linhas);
    EXPECT_EQ(linhas.size(), 101);
    mFile::AddLinhaArquivoTexto(p("log.txt"), "outro", 3);
    mFile::LoadFile(p("log.txt"), linhas);
    EXPECT_EQ(linhas, QStringList({"99", "100", "novo", "outro"}));
    mFile::AddLinhaArquivoTexto(p("criado.txt"), "primeira");
    EXPECT_EQ(Ler("criado.txt"), "primeira\r\n");
}

TEST_F(Texto, AStrayUtf8MarkIsRemoved) {
    raiz.Criar("bom.txt", QString("\u00EF\u00BB\u00BFabc\r\nfim").toUtf8());
    EXPECT_TRUE(mFile::RemoverBOM_UTF(p("bom.txt")));
    EXPECT_EQ(Ler("bom.txt"), "abc\r\nfim\r\n");
    raiz.Criar("curta.txt", QString("\u00EF\u00BB\u00BF").toUtf8());
    EXPECT_FALSE(mFile::RemoverBOM_UTF(p("curta.txt")));
    EXPECT_FALSE(mFile::RemoverBOM_UTF(p("nada.txt")));
}

TEST_F(Texto, CleanupKeepsTheOldFileAsBackupAcrossFileSystems) {
    QTemporaryDir outro(QStringLiteral("/dev/shm/orvane-XXXXXX"));
    if (!outro.isValid() || QStorageInfo(outro.path()) == QStorageInfo(raiz.Caminho()))
        GTEST_SKIP() << "/dev/shm is not another file system here";
    const VariavelTemporaria temporaria("TMPDIR", outro.path().toUtf8());
    const QByteArray sujo("a\tb\r\nc\x01\xC7\xF0\xFD~\x7F");
    raiz.Criar("sujo.txt", sujo);
    raiz.Criar("sujo.txt.bak", "backup antigo");
    ASSERT_TRUE(mFile::LimparArquivoTexto(p("sujo.txt")));
    EXPECT_EQ(Ler("sujo.txt"), "abc\xC7~");
    EXPECT_EQ(Ler("sujo.txt.bak"), sujo);
    EXPECT_TRUE(QDir(outro.path()).isEmpty());
    EXPECT_FALSE(mFile::LimparArquivoTexto(p("nada.txt")));
}

TEST_F(Texto, BinaryLoadKeepsOnlyTextBytes) {
    raiz.Criar("bin.dat", QByteArray("ok\x00\x01\xC7\xC6\r\n\x80z", 10));
    QStringList linhas;
    ASSERT_TRUE(mFile::CarregarArquivoBinario(p("bin.dat"), linhas));
    EXPECT_EQ(linhas, QStringList({QString("ok\u00C7"), QString("\u0080z")}));
    EXPECT_FALSE(mFile::CarregarArquivoBinario(p("nada"), linhas));
}

TEST_F(Texto, Base64InLinesOf76AndBack) {
    QByteArray bytes;
    for (int i = 0; i < 200; ++i)
        bytes += char(i);
    raiz.Criar("b.bin", bytes);
    const QString base64 = mFile::ConvertFileToBase64(p("b.bin"));
    const QStringList linhas = base64.split("\r\n");
    ASSERT_EQ(linhas.size(), 4);
    EXPECT_EQ(linhas[0].size(), 76);
    EXPECT_EQ(linhas.join(""), QString::fromLatin1(bytes.toBase64()));
    mFile::ConvertBase64ToFile(base64, p("volta.bin"));
    EXPECT_EQ(Ler("volta.bin"), bytes);
    EXPECT_EQ(mFile::GetStreamFile(p("volta.bin"))->readAll(), bytes);
    EXPECT_THROW(mFile::ConvertFileToBase64(p("nada")), EInOutError);
    const QString sobArquivo = raiz.Criar("arquivo") + "/x.bin";
    EXPECT_THROW(mFile::ConvertBase64ToFile(base64, sobArquivo), EInOutError);
}

TEST_F(Texto, XmlIsSavedWithItsDeclaration) {
    QString msg;
    ASSERT_TRUE(
        mFile::SaveXMLFile("<?xml version=\"1.0\"?><a>ç</a>", p("a.xml"), msg, "ISO-8859-1"));
    EXPECT_EQ(Ler("a.xml"), "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<a>\xE7</a>");
    ASSERT_TRUE(mFile::SaveXMLFile("<a>ç</a>", p("b.xml"), msg));
    EXPECT_EQ(Ler("b.xml"), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<a>\xC3\xA7</a>");
    EXPECT_FALSE(mFile::SaveXMLFile("<a><b></a>", p("c.xml"), msg));
    EXPECT_FALSE(msg.isEmpty());
    EXPECT_FALSE(QFile::exists(p("c.xml")));
    EXPECT_FALSE(mFile::SaveXMLFile("<a/>", p("c.xml"), msg, "klingon"));
}

}  // namespace
