// The zip wrapper against the real tools: archives made here checked by unzip, archives made by
// zip unpacked here, hostile archives made by Python's zipfile refused.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <stdexcept>

#include "sistema/zip/TZip.h"

namespace {

QByteArray Aleatorio(qsizetype tamanho, quint32 semente) {
    QByteArray bytes(tamanho, Qt::Uninitialized);
    QRandomGenerator gerador(semente);
    for (char& c : bytes)
        c = char(gerador.bounded(256));
    return bytes;
}

QByteArray Texto(int linhas) {
    QByteArray texto;
    for (int i = 0; i < linhas; ++i)
        texto += "Linha " + QByteArray::number(i) + " de um cupom, R$ 12,34\r\n";
    return texto;
}

QByteArray Ler(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
}

void Gravar(const QString& caminho, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(caminho).path());
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Every file below pasta (hidden ones and links included), by relative path, with its bytes.
std::map<QString, QByteArray> Conteudo(const QString& pasta) {
    std::map<QString, QByteArray> arquivos;
    QDirIterator it(pasta, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString caminho = it.next();
        arquivos[QDir(pasta).relativeFilePath(caminho)] = Ler(caminho);
    }
    return arquivos;
}

struct Saida {
    int codigo;
    QString texto;
};

Saida Rodar(const QString& programa, const QStringList& argumentos, const QString& pasta = {}) {
    QProcess p;
    p.setProgram(programa);
    p.setArguments(argumentos);
    p.setWorkingDirectory(pasta);
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    p.setProcessEnvironment(ambiente);
    p.start();
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
}

// An archive made by Python's zipfile: entries (name, contents, symbolic link), in order.
struct EntradaPython {
    QString nome;
    QString conteudo;
    bool ligacao = false;
};
void CriarComPython(const QString& arquivo, const QList<EntradaPython>& entradas) {
    static const char* script = R"(
import json, sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as z:
    for nome, conteudo, ligacao in json.loads(sys.argv[2]):
        info = zipfile.ZipInfo(nome)
        info.compress_type = zipfile.ZIP_DEFLATED
        if ligacao:
            info.create_system = 3
            info.external_attr = 0o120777 << 16
        z.writestr(info, conteudo)
)";
    QJsonArray lista;
    for (const EntradaPython& e : entradas)
        lista.append(QJsonArray{e.nome, e.conteudo, e.ligacao});
    const Saida s = Rodar(QStringLiteral(PROGRAMA_PYTHON),
                          {QStringLiteral("-c"), QString::fromUtf8(script), arquivo,
                           QString::fromUtf8(QJsonDocument(lista).toJson(QJsonDocument::Compact))});
    ASSERT_EQ(s.codigo, 0) << s.texto.toStdString();
}

// An archive's records: the local headers with their data, and the central directory's entries;
// Montar writes the end record again (no comment), so entries may be added or changed.
struct Registros {
    QByteArray locais;
    QList<QByteArray> centrais;

    static Registros De(const QByteArray& zip) {
        const qsizetype fim = zip.size() - 22;
        const auto inicio = qsizetype(qFromLittleEndian<quint32>(zip.constData() + fim + 16));
        Registros r{zip.first(inicio), {}};
        for (qsizetype p = inicio; p < fim;) {
            const auto campo = [&](int o) {
                return qFromLittleEndian<quint16>(zip.constData() + p + o);
            };
            const qsizetype tamanho = 46 + campo(28) + campo(30) + campo(32);
            r.centrais += zip.mid(p, tamanho);
            p += tamanho;
        }
        return r;
    }
    // The size an entry declares, in its central and its local header alike.
    void DeclararTamanho(qsizetype entrada, quint32 tamanho) {
        QByteArray& central = centrais[entrada];
        qToLittleEndian(tamanho, central.data() + 24);
        qToLittleEndian(tamanho,
                        locais.data() + qFromLittleEndian<quint32>(central.constData() + 42) + 22);
    }
    QByteArray Montar() const {
        const QByteArray diretorio = centrais.join();
        QByteArray fim(22, '\0');
        qToLittleEndian<quint32>(0x06054b50, fim.data());
        qToLittleEndian(quint16(centrais.size()), fim.data() + 8);
        qToLittleEndian(quint16(centrais.size()), fim.data() + 10);
        qToLittleEndian(quint32(diretorio.size()), fim.data() + 12);
        qToLittleEndian(quint32(locais.size()), fim.data() + 16);
        return locais + diretorio + fim;
    }
};

class Zip : public ::testing::Test {
protected:
    QString Em(const QString& relativo) const { return raiz_.filePath(relativo); }
    QTemporaryDir raiz_;
};

// ---- Packing ----

TEST_F(Zip, ArquivoFeitoAquiPassaNoUnzipComNomesSimples) {
    const std::map<QString, QByteArray> arquivos{
        {QStringLiteral("a/texto.txt"), Texto(5000)},
        {QStringLiteral("a/aleatorio.bin"), Aleatorio(300000, 1)},
        {QStringLiteral("b/sub/vazio.dat"), {}},
        {QStringLiteral("b/ação.txt"), "acentuado"}};
    QStringList lista;
    for (const auto& [relativo, bytes] : arquivos) {
        Gravar(Em(relativo), bytes);
        lista << Em(relativo);
    }
    ASSERT_TRUE(TZip::Compactar(lista, Em(QStringLiteral("saida.zip"))))
        << UltimoErroZip.toStdString();
    EXPECT_TRUE(UltimoErroZip.isEmpty());
    // A new archive gets the permissions of any new file, though it is built beside its name.
    EXPECT_EQ(QFileInfo(Em(QStringLiteral("saida.zip"))).permissions(),
              QFileInfo(Em(QStringLiteral("a/texto.txt"))).permissions());

    const Saida teste = Rodar(QStringLiteral(PROGRAMA_UNZIP),
                              {QStringLiteral("-t"), Em(QStringLiteral("saida.zip"))});
    EXPECT_EQ(teste.codigo, 0) << teste.texto.toStdString();
    const Saida nomes = Rodar(QStringLiteral(PROGRAMA_UNZIP),
                              {QStringLiteral("-Z1"), Em(QStringLiteral("saida.zip"))});
    QStringList listados = nomes.texto.split(u'\n', Qt::SkipEmptyParts);
    listados.sort();
    EXPECT_EQ(listados, (QStringList{QStringLiteral("aleatorio.bin"), QStringLiteral("ação.txt"),
                                     QStringLiteral("texto.txt"), QStringLiteral("vazio.dat")}));

    ASSERT_EQ(Rodar(QStringLiteral(PROGRAMA_UNZIP),
                    {QStringLiteral("-q"), Em(QStringLiteral("saida.zip")), QStringLiteral("-d"),
                     Em(QStringLiteral("conferido"))})
                  .codigo,
              0);
    for (const auto& [relativo, bytes] : arquivos)
        EXPECT_EQ(Ler(Em(QStringLiteral("conferido/") + QFileInfo(relativo).fileName())), bytes)
            << relativo.toStdString();
}

TEST_F(Zip, MesmoNomeSimplesOUltimoVence) {
    Gravar(Em(QStringLiteral("um/x.txt")), "primeiro");
    Gravar(Em(QStringLiteral("dois/x.txt")), "segundo");
    Gravar(Em(QStringLiteral("tres/x.txt")), "terceiro");
    const QString zip = Em(QStringLiteral("saida.zip"));
    ASSERT_TRUE(TZip::Compactar(
        QStringList{Em(QStringLiteral("um/x.txt")), Em(QStringLiteral("dois/x.txt"))}, zip));
    ASSERT_TRUE(TZip::Compactar(Em(QStringLiteral("tres/x.txt")), zip, {}, {}, true));  // adding

    EXPECT_EQ(Rodar(QStringLiteral(PROGRAMA_UNZIP), {QStringLiteral("-Z1"), zip}).texto,
              QStringLiteral("x.txt\n"));
    EXPECT_EQ(
        Rodar(QStringLiteral(PROGRAMA_UNZIP), {QStringLiteral("-p"), zip, QStringLiteral("x.txt")})
            .texto,
        QStringLiteral("terceiro"));
}

TEST_F(Zip, AdicionarMantemEntradasSemEleRecomeca) {
    Gravar(Em(QStringLiteral("a.txt")), "a");
    Gravar(Em(QStringLiteral("b.txt")), "b");
    const QString zip = Em(QStringLiteral("saida.zip"));
    const auto nomes = [&] {
        return Rodar(QStringLiteral(PROGRAMA_UNZIP), {QStringLiteral("-Z1"), zip}).texto;
    };
    ASSERT_TRUE(TZip::Compactar(Em(QStringLiteral("a.txt")), zip));
    ASSERT_TRUE(TZip::Compactar(Em(QStringLiteral("b.txt")), zip, {}, {}, true));
    EXPECT_EQ(nomes(), QStringLiteral("a.txt\nb.txt\n"));
    ASSERT_TRUE(TZip::Compactar(Em(QStringLiteral("b.txt")), zip));
    EXPECT_EQ(nomes(), QStringLiteral("b.txt\n"));
}

TEST_F(Zip, MascaraIgnoraCaixaENaoEmpacotaOProprioArquivo) {
    Gravar(Em(QStringLiteral("p/a.xml")), "a");
    Gravar(Em(QStringLiteral("p/B.XML")), "b");
    Gravar(Em(QStringLiteral("p/c.txt")), "c");
    const QString zip = Em(QStringLiteral("p/saida.zip"));
    ASSERT_TRUE(TZip::Compactar(Em(QStringLiteral("p/*.Xml")), zip));
    EXPECT_EQ(Rodar(QStringLiteral(PROGRAMA_UNZIP), {QStringLiteral("-Z1"), zip}).texto,
              QStringLiteral("a.xml\nB.XML\n"));
    ASSERT_TRUE(TZip::Compactar(Em(QStringLiteral("p/*.*")), zip, {}, {}, true));
    EXPECT_EQ(Rodar(QStringLiteral(PROGRAMA_UNZIP), {QStringLiteral("-Z1"), zip}).texto,
              QStringLiteral("a.xml\nB.XML\nc.txt\n"));
}

TEST_F(Zip, NadaAEmpacotarRespondeFalsoSemTocarNoArquivo) {
    const QString zip = Em(QStringLiteral("saida.zip"));
    EXPECT_FALSE(TZip::Compactar(Em(QStringLiteral("x/*.xml")), zip));
    EXPECT_FALSE(QFileInfo::exists(zip));
    EXPECT_FALSE(TZip::Compactar(QStringList{}, zip));
    EXPECT_FALSE(QFileInfo::exists(zip));

    Gravar(Em(QStringLiteral("a.txt")), "a");
    ASSERT_TRUE(TZip::Compactar(Em(QStringLiteral("a.txt")), zip));
    const QByteArray antes = Ler(zip);
    EXPECT_FALSE(TZip::Compactar(Em(QStringLiteral("*.xml")), zip));
    EXPECT_FALSE(UltimoErroZip.isEmpty());
    EXPECT_EQ(Ler(zip), antes);
}

// A braced list is a list, even of one name: it packs exactly the files it names.
TEST_F(Zip, ListaEntreChavesEmpacotaOsArquivosNomeados) {
    Gravar(Em(QStringLiteral("a.txt")), "a");
    Gravar(Em(QStringLiteral("b.txt")), "b");
    const QString zip = Em(QStringLiteral("saida.zip"));
    const auto nomes = [&](const QString& pasta) {
        QStringList descompactados;
        EXPECT_TRUE(TZip::DescompactarRetornarNomes(zip, Em(pasta), {}, descompactados));
        return descompactados.size();
    };
    ASSERT_TRUE(TZip::Compactar({Em(QStringLiteral("a.txt"))}, zip));
    EXPECT_EQ(nomes(QStringLiteral("um")), 1);
    ASSERT_TRUE(TZip::Compactar({Em(QStringLiteral("a.txt")), Em(QStringLiteral("b.txt"))}, zip));
    EXPECT_EQ(nomes(QStringLiteral("dois")), 2);
}

// Each way a pack can fail after the old archive existed leaves it byte for byte, and no
// leftover beside it.
TEST_F(Zip, EmpacotamentoQueFalhaDeixaOArquivoAntigoIntacto) {
    Gravar(Em(QStringLiteral("dados/a.txt")), Texto(100));
    Gravar(Em(QStringLiteral("dados/b.txt")), Texto(200));
    const QString zip = Em(QStringLiteral("saida/pacote.zip"));
    QDir().mkpath(Em(QStringLiteral("saida")));
    ASSERT_TRUE(TZip::Compactar(Em(QStringLiteral("dados/a.txt")), zip));
    const auto antes = Conteudo(Em(QStringLiteral("saida")));

    EXPECT_FALSE(TZip::Compactar(
        QStringList{Em(QStringLiteral("dados/b.txt")), Em(QStringLiteral("dados/falta.txt"))},
        zip));
    EXPECT_TRUE(UltimoErroZip.contains(QStringLiteral("falta.txt"))) << UltimoErroZip.toStdString();
    EXPECT_EQ(Conteudo(Em(QStringLiteral("saida"))), antes);

    // The first file vanishes after it was announced, before the archive is written.
    const auto apagarOPrimeiro = [&](const QString& arquivo) {
        if (arquivo.endsWith(QStringLiteral("b.txt")))
            QFile::remove(Em(QStringLiteral("dados/a.txt")));
    };
    EXPECT_FALSE(TZip::Compactar(Em(QStringLiteral("dados/*.txt")), zip, {}, apagarOPrimeiro));
    EXPECT_TRUE(UltimoErroZip.contains(QStringLiteral("pacote.zip")))
        << UltimoErroZip.toStdString();
    EXPECT_EQ(Conteudo(Em(QStringLiteral("saida"))), antes);

    // A callback's exception passes through, after the archive was discarded.
    const TZipProgressEvent cancelar = [](const QString&, const TZipHeader&, qint64) {
        throw std::runtime_error("cancelado");
    };
    EXPECT_THROW(TZip::Compactar(Em(QStringLiteral("dados/b.txt")), zip, cancelar),
                 std::runtime_error);
    EXPECT_EQ(Conteudo(Em(QStringLiteral("saida"))), antes);
}

TEST_F(Zip, ProgressoEMensagensPorArquivo) {
    Gravar(Em(QStringLiteral("d/grande.bin")), Aleatorio(1 << 20, 2));
    Gravar(Em(QStringLiteral("d/pequeno.txt")), "p");
    std::map<QString, qint64> ultima;
    QStringList entradas, mensagens;
    const TZipProgressEvent gauge = [&](const QString& arquivo, const TZipHeader& header,
                                        qint64 posicao) {
        ultima[arquivo] = posicao;
        EXPECT_LE(quint64(posicao), header.UncompressedSize);
        if (!entradas.contains(header.FileName))
            entradas << header.FileName;
    };
    const TOnMensagemEvent mensagem = [&](const QString& m) { mensagens << m; };

    ASSERT_TRUE(
        TZip::Compactar(Em(QStringLiteral("d/*")), Em(QStringLiteral("s.zip")), gauge, mensagem));
    EXPECT_EQ(mensagens, (QStringList{Em(QStringLiteral("d/grande.bin")),
                                      Em(QStringLiteral("d/pequeno.txt"))}));
    EXPECT_EQ(entradas, (QStringList{QStringLiteral("grande.bin"), QStringLiteral("pequeno.txt")}));
    EXPECT_EQ(ultima, (std::map<QString, qint64>{{Em(QStringLiteral("d/grande.bin")), 1 << 20},
                                                 {Em(QStringLiteral("d/pequeno.txt")), 1}}));

    ultima.clear();
    mensagens.clear();
    ASSERT_TRUE(TZip::Descompactar(Em(QStringLiteral("s.zip")), Em(QStringLiteral("alvo")), true,
                                   gauge, mensagem));
    const QStringList destinos{Em(QStringLiteral("alvo/grande.bin")),
                               Em(QStringLiteral("alvo/pequeno.txt"))};
    EXPECT_EQ(mensagens, destinos);
    EXPECT_EQ(ultima, (std::map<QString, qint64>{{destinos[0], 1 << 20}, {destinos[1], 1}}));
}

// ---- Unpacking ----

TEST_F(Zip, ArquivoDoZipRSaiByteAByte) {
    const QString arvore = Em(QStringLiteral("arvore"));
    Gravar(arvore + QStringLiteral("/texto.txt"), Texto(3000));
    Gravar(arvore + QStringLiteral("/bin/aleatorio.bin"), Aleatorio(700000, 3));
    Gravar(arvore + QStringLiteral("/bin/fundo/mais/vazio.dat"), {});
    Gravar(arvore + QStringLiteral("/bin/programa"), "#!/bin/sh\n");
    QFile(arvore + QStringLiteral("/bin/programa"))
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir().mkpath(arvore + QStringLiteral("/pasta_vazia"));
    const QString zip = Em(QStringLiteral("arvore.zip"));
    ASSERT_EQ(Rodar(QStringLiteral(PROGRAMA_ZIP),
                    {QStringLiteral("-r"), QStringLiteral("-q"), zip, QStringLiteral(".")}, arvore)
                  .codigo,
              0);

    QStringList nomes;
    ASSERT_TRUE(TZip::DescompactarRetornarNomes(zip, Em(QStringLiteral("alvo/")), {}, nomes))
        << UltimoErroZip.toStdString();
    EXPECT_EQ(Conteudo(Em(QStringLiteral("alvo"))), Conteudo(arvore));
    EXPECT_TRUE(QFileInfo(Em(QStringLiteral("alvo/pasta_vazia"))).isDir());
    EXPECT_TRUE(QFileInfo(Em(QStringLiteral("alvo/bin/programa"))).isExecutable());

    // Only files are named, with one separator whether or not the folder ends in one.
    nomes.sort();
    QStringList esperados;
    for (const auto& [relativo, bytes] : Conteudo(arvore))
        esperados << Em(QStringLiteral("alvo/") + relativo);
    esperados.sort();
    EXPECT_EQ(nomes, esperados);
    QStringList semBarra;
    ASSERT_TRUE(TZip::DescompactarRetornarNomes(zip, Em(QStringLiteral("alvo")), {}, semBarra));
    semBarra.sort();
    EXPECT_EQ(semBarra, esperados);
}

TEST_F(Zip, SemSobrescreverPulaOsQueExistem) {
    Gravar(Em(QStringLiteral("d/a.txt")), "novo a");
    Gravar(Em(QStringLiteral("d/b.txt")), "novo b");
    const QString zip = Em(QStringLiteral("s.zip"));
    ASSERT_TRUE(TZip::Compactar(Em(QStringLiteral("d/*.txt")), zip));
    Gravar(Em(QStringLiteral("alvo/a.txt")), "antigo a");

    QStringList nomes;
    ASSERT_TRUE(TZip::DescompactarERetornarNomes(zip, Em(QStringLiteral("alvo")), false, {}, {}, {},
                                                 &nomes));
    EXPECT_EQ(nomes, QStringList{Em(QStringLiteral("alvo/b.txt"))});
    EXPECT_EQ(Ler(Em(QStringLiteral("alvo/a.txt"))), "antigo a");
    EXPECT_EQ(Ler(Em(QStringLiteral("alvo/b.txt"))), "novo b");

    EXPECT_FALSE(TZip::DescompactarERetornarNomes(zip, Em(QStringLiteral("alvo")), false, {}, {},
                                                  {}, &nomes));
    EXPECT_TRUE(nomes.isEmpty());
    EXPECT_TRUE(TZip::Descompactar(zip, Em(QStringLiteral("alvo")), true));
    EXPECT_EQ(Ler(Em(QStringLiteral("alvo/a.txt"))), "novo a");
}

TEST_F(Zip, MascaraEscolheEntradasEPrimeiroNome) {
    const QString zip = Em(QStringLiteral("s.zip"));
    CriarComPython(zip, {{QStringLiteral("nota1.XML"), QStringLiteral("1")},
                         {QStringLiteral("leia.txt"), QStringLiteral("t")},
                         {QStringLiteral("notas\\nota2.xml"), QStringLiteral("2")},
                         {QStringLiteral("outras/"), {}}});
    QString primeiro;
    ASSERT_TRUE(TZip::DescompactarRetornarNome(zip, Em(QStringLiteral("alvo")),
                                               QStringLiteral("*.xml"), primeiro));
    EXPECT_EQ(primeiro, Em(QStringLiteral("alvo/nota1.XML")));
    EXPECT_EQ(Conteudo(Em(QStringLiteral("alvo"))),
              (std::map<QString, QByteArray>{{QStringLiteral("nota1.XML"), "1"},
                                             {QStringLiteral("notas/nota2.xml"), "2"}}));
    EXPECT_FALSE(QFileInfo::exists(Em(QStringLiteral("alvo/outras"))));

    EXPECT_FALSE(TZip::DescompactarRetornarNome(zip, Em(QStringLiteral("alvo2")),
                                                QStringLiteral("*.pdf"), primeiro));
    EXPECT_EQ(primeiro, QString());
}

// A hostile entry refuses the whole archive: nothing written, not even the good entry before it,
// and the reason names the entry.
TEST_F(Zip, ArquivoHostilNaoEscreveNadaEDizPorque) {
    const QString fora = Em(QStringLiteral("fora.txt"));
    struct Caso {
        QList<EntradaPython> entradas;
        QString nome;
        QString motivo;
    };
    const QList<Caso> casos{
        {{{QStringLiteral("../x"), QStringLiteral("x")}},
         QStringLiteral("../x"),
         QStringLiteral("..")},
        {{{QStringLiteral("a/../../x"), QStringLiteral("x")}},
         QStringLiteral("a/../../x"),
         QStringLiteral("..")},
        {{{QStringLiteral("..\\x"), QStringLiteral("x")}},
         QStringLiteral("..\\x"),
         QStringLiteral("..")},
        {{{fora, QStringLiteral("x")}}, fora, QStringLiteral("absoluto")},
        {{{QStringLiteral("C:/x"), QStringLiteral("x")}},
         QStringLiteral("C:/x"),
         QStringLiteral("absoluto")},
        {{{QStringLiteral("ligacao"), Em(QStringLiteral("fora")), true},
          {QStringLiteral("ligacao/x"), QStringLiteral("x")}},
         QStringLiteral("ligacao"),
         QStringLiteral("ligação simbólica")},
    };
    QDir().mkpath(Em(QStringLiteral("fora")));
    for (const Caso& caso : casos) {
        const QString zip = Em(QStringLiteral("hostil.zip"));
        QList<EntradaPython> entradas{{QStringLiteral("bom.txt"), QStringLiteral("bom")}};
        entradas += caso.entradas;
        CriarComPython(zip, entradas);
        EXPECT_FALSE(TZip::Descompactar(zip, Em(QStringLiteral("alvo/dentro"))));
        EXPECT_TRUE(UltimoErroZip.contains(QLatin1Char('"') + caso.nome + QLatin1Char('"')) &&
                    UltimoErroZip.contains(caso.motivo))
            << UltimoErroZip.toStdString();
        EXPECT_EQ(Conteudo(raiz_.path()),
                  (std::map<QString, QByteArray>{{QStringLiteral("hostil.zip"), Ler(zip)}}))
            << caso.nome.toStdString();
    }
}

// Links already in the target folder: a folder that leads out stops the unpacking; a file that
// is a link is replaced by the entry, never written through.
TEST_F(Zip, LigacoesNaPastaDeDestinoNaoLevamParaFora) {
    const QString zip = Em(QStringLiteral("s.zip"));
    CriarComPython(zip, {{QStringLiteral("x.txt"), QStringLiteral("do zip")},
                         {QStringLiteral("sub/y.txt"), QStringLiteral("y")}});
    Gravar(Em(QStringLiteral("fora.txt")), "intocado");
    QDir().mkpath(Em(QStringLiteral("fora")));
    QDir().mkpath(Em(QStringLiteral("alvo")));
    ASSERT_TRUE(QFile::link(Em(QStringLiteral("fora.txt")), Em(QStringLiteral("alvo/x.txt"))));
    ASSERT_TRUE(QFile::link(Em(QStringLiteral("fora")), Em(QStringLiteral("alvo/sub"))));

    EXPECT_FALSE(TZip::Descompactar(zip, Em(QStringLiteral("alvo"))));
    EXPECT_TRUE(UltimoErroZip.contains(QStringLiteral("ligação simbólica")))
        << UltimoErroZip.toStdString();
    EXPECT_EQ(Ler(Em(QStringLiteral("fora.txt"))), "intocado");
    EXPECT_TRUE(QDir(Em(QStringLiteral("fora"))).isEmpty());
    EXPECT_FALSE(QFileInfo(Em(QStringLiteral("alvo/x.txt"))).isSymLink());
    EXPECT_EQ(Ler(Em(QStringLiteral("alvo/x.txt"))), "do zip");
}

TEST_F(Zip, ArquivoDanificadoNaoSubstituiONemDeixaRestos) {
    Gravar(Em(QStringLiteral("d/texto.txt")), Texto(4000));
    const QString zip = Em(QStringLiteral("s.zip"));
    ASSERT_TRUE(TZip::Compactar(Em(QStringLiteral("d/texto.txt")), zip));
    QByteArray bytes = Ler(zip);
    bytes[30 + 9 + 200] = char(bytes[30 + 9 + 200] ^ 0x55);  // inside the deflated data
    Gravar(zip, bytes);
    Gravar(Em(QStringLiteral("alvo/texto.txt")), "antigo");

    EXPECT_FALSE(TZip::Descompactar(zip, Em(QStringLiteral("alvo"))));
    EXPECT_TRUE(UltimoErroZip.contains(QStringLiteral("texto.txt"))) << UltimoErroZip.toStdString();
    EXPECT_EQ(Conteudo(Em(QStringLiteral("alvo"))),
              (std::map<QString, QByteArray>{{QStringLiteral("texto.txt"), "antigo"}}));

    Gravar(Em(QStringLiteral("nao.zip")), "isto não é um zip");
    for (const QString& ruim : {Em(QStringLiteral("nao.zip")), Em(QStringLiteral("falta.zip"))}) {
        EXPECT_FALSE(TZip::Descompactar(ruim, Em(QStringLiteral("alvo"))));
        EXPECT_TRUE(UltimoErroZip.contains(ruim)) << UltimoErroZip.toStdString();
    }
    EXPECT_TRUE(
        TZip::Descompactar(zip, Em(QStringLiteral("alvo")), true, {}, {}, QStringLiteral("*.pdf")));
    EXPECT_TRUE(UltimoErroZip.isEmpty());
}

// ---- Bounds ----

// One kernel of data under many names (entries whose data overlap): refused when opened, so a
// small archive never unpacks to many times its size.
TEST_F(Zip, EntradasSobrepostasSaoRecusadas) {
    Gravar(Em(QStringLiteral("d/a")), QByteArray(4 << 20, '0'));
    const QString zip = Em(QStringLiteral("s.zip"));
    ASSERT_TRUE(TZip::Compactar(Em(QStringLiteral("d/a")), zip));
    Registros r = Registros::De(Ler(zip));
    ASSERT_EQ(r.centrais.size(), 1);
    for (const char nome : {'b', 'c', 'd', 'e'}) {
        r.centrais += r.centrais.first();
        r.centrais.last()[46] = nome;  // the one-letter name, pointing at the data of "a"
    }
    const QString bomba = Em(QStringLiteral("bomba.zip"));
    Gravar(bomba, r.Montar());

    QStringList nomes{QStringLiteral("antigo")};
    EXPECT_FALSE(TZip::DescompactarRetornarNomes(bomba, Em(QStringLiteral("alvo")), {}, nomes));
    EXPECT_TRUE(UltimoErroZip.contains(bomba)) << UltimoErroZip.toStdString();
    EXPECT_TRUE(nomes.isEmpty());
    EXPECT_TRUE(Conteudo(Em(QStringLiteral("alvo"))).empty());
}

// Entries that declare more than the limit, or than the free space of the target, are refused
// before any is written; the names listed are those written, never one that failed.
TEST_F(Zip, TamanhoDeclaradoAcimaDoLimiteOuDoEspacoNaoEscreveNada) {
    Gravar(Em(QStringLiteral("d/a")), Texto(2000));
    Gravar(Em(QStringLiteral("d/b")), Texto(3000));
    const QString zip = Em(QStringLiteral("s.zip"));
    ASSERT_TRUE(
        TZip::Compactar(QStringList{Em(QStringLiteral("d/a")), Em(QStringLiteral("d/b"))}, zip));
    Registros mentira = Registros::De(Ler(zip));
    mentira.DeclararTamanho(1, 0xFFFFFFFE);  // "b" claims 4 GiB: with "a", over the limit
    const QString bomba = Em(QStringLiteral("bomba.zip"));
    Gravar(bomba, mentira.Montar());
    QStringList nomes;
    EXPECT_FALSE(TZip::DescompactarRetornarNomes(bomba, Em(QStringLiteral("alvo")), {}, nomes));
    EXPECT_TRUE(UltimoErroZip.contains(QStringLiteral("limite"))) << UltimoErroZip.toStdString();
    EXPECT_TRUE(nomes.isEmpty());
    EXPECT_TRUE(Conteudo(Em(QStringLiteral("alvo"))).empty());

    // "b" damaged: "a" is written and listed, "b" is not.
    QByteArray danificado = Ler(zip);
    Registros r = Registros::De(danificado);
    const quint32 localB = qFromLittleEndian<quint32>(r.centrais[1].constData() + 42);
    danificado[localB + 30 + 1 + 100] = char(danificado[localB + 30 + 1 + 100] ^ 0x55);
    Gravar(Em(QStringLiteral("danificado.zip")), danificado);
    EXPECT_FALSE(TZip::DescompactarRetornarNomes(Em(QStringLiteral("danificado.zip")),
                                                 Em(QStringLiteral("alvo")), {}, nomes));
    EXPECT_EQ(nomes, QStringList{Em(QStringLiteral("alvo/a"))});

    // A target of 1 MiB takes 600 KB and refuses twice that, whole.
    const QString pequeno = Em(QStringLiteral("pequeno"));
    QDir().mkpath(pequeno);
    if (::mount("tmpfs", QFile::encodeName(pequeno).constData(), "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "a small file system to fill needs root: " << std::strerror(errno);
    const std::unique_ptr<const QString, void (*)(const QString*)> desmontar(
        &pequeno, [](const QString* p) { ::umount(QFile::encodeName(*p).constData()); });
    Gravar(Em(QStringLiteral("e/x")), QByteArray(600 << 10, 'x'));
    Gravar(Em(QStringLiteral("e/y")), QByteArray(600 << 10, 'y'));
    ASSERT_TRUE(TZip::Compactar(Em(QStringLiteral("e/x")), Em(QStringLiteral("x.zip"))));
    ASSERT_TRUE(TZip::Compactar(Em(QStringLiteral("e/*")), Em(QStringLiteral("xy.zip"))));
    EXPECT_FALSE(
        TZip::Descompactar(Em(QStringLiteral("xy.zip")), pequeno + QStringLiteral("/sub")));
    EXPECT_TRUE(UltimoErroZip.contains(QStringLiteral("livres"))) << UltimoErroZip.toStdString();
    EXPECT_TRUE(Conteudo(pequeno).empty());
    EXPECT_TRUE(TZip::Descompactar(Em(QStringLiteral("x.zip")), pequeno))
        << UltimoErroZip.toStdString();
    EXPECT_EQ(Conteudo(pequeno).size(), 1u);
}

}  // namespace
