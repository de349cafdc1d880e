#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>
#include <QFile>
#include <QtEndian>

#include "sistema/versao/TmFileVersao.h"
#include "sistema/versao/VersaoRecurso.h"

namespace {

QString fixture(const char* nome) {
    return QStringLiteral(FIXTURES_PE "/%1.exe").arg(nome);
}

QByteArray conteudo(const QString& arquivo) {
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A file in memory with a path of its own, rewritten for each damaged copy: thousands of copies
// cost no disk writes.
class Copia {
public:
    Copia() : fd(memfd_create("copia", 0)) {}
    ~Copia() { close(fd); }
    QString Com(const QByteArray& dados) {
        EXPECT_EQ(ftruncate(fd, 0), 0);
        EXPECT_EQ(pwrite(fd, dados.constData(), dados.size(), 0), dados.size());
        return QStringLiteral("/proc/self/fd/%1").arg(fd);
    }

private:
    int fd;
};

QByteArray utf16(const char* texto) {
    const QString s = QString::fromLatin1(texto);
    return QByteArray(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
}

TEST(VersaoRecurso, SizeReadAndQueryAgree) {
    for (const char* nome : {"versao_normal", "versao_ingles"}) {
        QByteArray bloco;
        ASSERT_TRUE(VersaoRecurso::Ler(fixture(nome), bloco)) << nome;
        EXPECT_EQ(VersaoRecurso::Tamanho(fixture(nome)), quint32(bloco.size()));
        EXPECT_EQ(qFromLittleEndian<quint16>(bloco.constData()), bloco.size());
        // The root's value is the fixed file information.
        const auto fixo = VersaoRecurso::Consultar(bloco, QStringLiteral("\\"));
        ASSERT_TRUE(fixo && fixo->size() == 52) << nome;
        EXPECT_EQ(qFromLittleEndian<quint32>(fixo->constData()), 0xFEEF04BDu);
    }
    QByteArray bloco("lixo");
    EXPECT_FALSE(VersaoRecurso::Ler(fixture("sem_versao"), bloco));
    EXPECT_TRUE(bloco.isEmpty());
    EXPECT_EQ(VersaoRecurso::Tamanho(fixture("sem_versao")), 0u);
}

TEST(VersaoRecurso, QueriesIgnoreCaseAndEmptyComponents) {
    QByteArray bloco;
    ASSERT_TRUE(VersaoRecurso::Ler(fixture("versao_normal"), bloco));
    const auto valor = VersaoRecurso::Consultar(bloco, "\\stringfileinfo\\041604E4\\FILEVERSION");
    EXPECT_EQ(valor, utf16("23.9.4.0") + QByteArray(2, '\0'));
    const auto traducao = VersaoRecurso::Consultar(bloco, "\\VarFileInfo\\Translation\\");
    EXPECT_EQ(traducao, QByteArray::fromHex("1604e404"));
    for (const char* ausente : {"\\VarFileInfo\\Outra", "\\StringFileInfo\\040904b0\\FileVersion",
                                "\\StringFileInfo\\041604e4\\FileVersion\\Mais"})
        EXPECT_FALSE(VersaoRecurso::Consultar(bloco, ausente)) << ausente;
    EXPECT_FALSE(VersaoRecurso::Consultar(QByteArray(), "\\"));
}

TEST(VersaoRecurso, WithoutTranslationTheStringTableIsNotSearched) {
    QByteArray bloco;
    ASSERT_TRUE(VersaoRecurso::Ler(fixture("sem_traducao"), bloco));
    EXPECT_FALSE(VersaoRecurso::Traducao(bloco));
    EXPECT_FALSE(VersaoRecurso::TextoDaTabela(bloco, "FileVersion"));
    EXPECT_TRUE(VersaoRecurso::Consultar(bloco, "\\StringFileInfo\\041604e4\\FileVersion"));
}

// Every truncation of a real file before the end of its version block reads as "no version";
// from there on the version is whole.
TEST(VersaoRecurso, TruncatedPeFilesHaveNoVersion) {
    Copia copia;
    for (const char* nome : {"versao_normal", "versao_ingles"}) {
        const QByteArray original = conteudo(fixture(nome));
        const QString versao = TmFile::GetVersaoArquivo(fixture(nome));
        const qsizetype inicioBloco = original.indexOf(utf16("VS_VERSION_INFO")) - 6;
        ASSERT_GT(inicioBloco, 0);
        const qsizetype fimBloco =
            inicioBloco + qFromLittleEndian<quint16>(original.constData() + inicioBloco);
        for (qsizetype tamanho = 0; tamanho <= original.size(); ++tamanho) {
            const QString arquivo = copia.Com(original.left(tamanho));
            EXPECT_EQ(TmFile::GetVersaoArquivo(arquivo), tamanho < fimBloco ? QString() : versao)
                << nome << " truncated to " << tamanho;
        }
    }
}

// Any single corrupted byte of a real file is read safely: the block stays within its 64 KiB, and
// the version read is "no version", the original version, or another text that the damaged
// bytes hold (as UTF-16), never a text made up from outside the file nor the lookup's failure.
TEST(VersaoRecurso, CorruptedPeFilesAreReadSafely) {
    Copia copia;
    for (const char* nome : {"versao_normal", "versao_ingles"}) {
        const QByteArray original = conteudo(fixture(nome));
        const QString versao = TmFile::GetVersaoArquivo(fixture(nome));
        ASSERT_FALSE(versao.isEmpty()) << nome;
        for (qsizetype pos = 0; pos < original.size(); ++pos) {
            for (char valor : {'\x00', '\xff', char(original[pos] ^ 0x80)}) {
                QByteArray dados = original;
                dados[pos] = valor;
                const QString arquivo = copia.Com(dados);
                QByteArray bloco;
                VersaoRecurso::Ler(arquivo, bloco);
                ASSERT_LE(bloco.size(), 0xFFFF);
                const auto possivel = [&](const QString& lido) {
                    return lido.isEmpty() || lido == versao ||
                           dados.contains(QByteArray(reinterpret_cast<const char*>(lido.utf16()),
                                                     lido.size() * 2));
                };
                const QString daTabela =
                    VersaoRecurso::TextoDaTabela(bloco, QStringLiteral("FileVersion"))
                        .value_or(QString());
                ASSERT_TRUE(possivel(daTabela))
                    << nome << " byte " << pos << ": " << daTabela.toStdString();
                const QString lido = TmFile::GetVersaoArquivo(arquivo);
                ASSERT_TRUE(possivel(lido)) << nome << " byte " << pos << ": " << lido.toStdString();
            }
        }
    }
}

// The program's own ELF file: the section is found by its name, and a damaged file has none.
TEST(VersaoRecurso, DamagedElfFilesHaveNoVersion) {
    const QByteArray proprio = conteudo(QStringLiteral("/proc/self/exe"));
    ASSERT_TRUE(
        proprio.startsWith("\x7f"
                           "ELF"));
    const auto comCampo = [&](qsizetype pos, QByteArray bytes) {
        QByteArray dados = proprio;
        dados.replace(pos, bytes.size(), bytes);
        return dados;
    };
    // The section names come last, after the constant of the same text in the program's data.
    const qsizetype nome = proprio.lastIndexOf(QByteArray(VersaoRecurso::SecaoElf) + '\0');
    const quint64 tabela = qFromLittleEndian<quint64>(proprio.constData() + 0x28);
    const std::pair<const char*, QByteArray> casos[] = {
        {"32-bit class", comCampo(4, "\x01")},
        {"big endian", comCampo(5, "\x02")},
        {"section table past the end", comCampo(0x28, QByteArray(8, '\xff'))},
        {"odd section header size", comCampo(0x3A, QByteArray::fromHex("3f00"))},
        {"names section out of range", comCampo(0x3E, QByteArray::fromHex("ffff"))},
        {"section renamed", comCampo(nome + 1, "R")},
        {"cut inside the section table", proprio.left(qsizetype(tabela) + 100)},
        {"cut before the section table", proprio.left(qsizetype(tabela) - 1)},
    };
    Copia copia;
    EXPECT_EQ(TmFile::GetVersaoArquivo(copia.Com(proprio)), QStringLiteral(VERSAO_PROJETO));
    for (const auto& [caso, dados] : casos)
        EXPECT_EQ(TmFile::GetVersaoArquivo(copia.Com(dados)), QString()) << caso;
}

}  // namespace
