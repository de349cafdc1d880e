// The state registration validator library: downloaded from a local HTTPS server (a certificate
// made here with openssl) against a pinned SHA-256, unpacked and loaded; tampered packages,
// packages with names outside their folder, plain HTTP, unknown certificates and folders that
// others can write refused; and the library agreeing with the library's own validator.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "CandidatosIE.h"
#include "sistema/documentos/TmStrDocumentos.h"
#include "sistema/documentos/ValidadorIE.h"

namespace {

constexpr char kPython[] = "/usr/bin/python3";

// An HTTPS server on loopback for the files of a folder; it stops by itself after five minutes.
constexpr char kServidor[] = R"(
import functools, http.server, ssl, sys, time
pasta, certificado, chave = sys.argv[1:4]
tratador = functools.partial(http.server.SimpleHTTPRequestHandler, directory=pasta)
servidor = http.server.HTTPServer(('127.0.0.1', 0), tratador)
contexto = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
contexto.load_cert_chain(certificado, chave)
servidor.socket = contexto.wrap_socket(servidor.socket, server_side=True)
servidor.timeout = 1
print(servidor.server_address[1], flush=True)
fim = time.time() + 300
while time.time() < fim:
    servidor.handle_request()
)";

// A zip archive of the given entries: name=file, or name= for an entry of a few bytes.
constexpr char kEmpacotar[] = R"(
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:
    for entrada in sys.argv[2:]:
        nome, arquivo = entrada.split('=', 1)
        z.writestr(nome, open(arquivo, 'rb').read() if arquivo else b'fora da pasta')
)";

int Rodar(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    p.waitForFinished(120000);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QByteArray Sha256(const QString& arquivo) {
    QFile f(arquivo);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex();
}

class ValidadorIETeste : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        raiz_ = new QTemporaryDir();
        publico_ = raiz_->filePath(QStringLiteral("publico"));
        QDir().mkpath(publico_);
        const QString chave = raiz_->filePath(QStringLiteral("chave.pem"));
        certificado_ = raiz_->filePath(QStringLiteral("certificado.pem"));
        ASSERT_EQ(
            Rodar(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-keyout"),
                   chave, QStringLiteral("-out"), certificado_, QStringLiteral("-days"),
                   QStringLiteral("1"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                   QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1")}),
            0);
        const QString biblioteca = QStringLiteral("DllInscE32.so=" VALIDADOR_IE);
        Empacotar(QStringLiteral("pacote.zip"), {biblioteca});
        Empacotar(QStringLiteral("maligno.zip"), {biblioteca, QStringLiteral("../x=")});
        QFile::copy(publico_ + QStringLiteral("/pacote.zip"),
                    publico_ + QStringLiteral("/adulterado.zip"));
        QFile adulterado(publico_ + QStringLiteral("/adulterado.zip"));
        adulterado.open(QIODevice::ReadWrite);
        adulterado.seek(adulterado.size() / 2);
        const char byte = adulterado.peek(1)[0];
        adulterado.write(QByteArray(1, char(byte ^ 0x55)));
        adulterado.close();

        servidor_ = new QProcess();
        servidor_->start(QLatin1String(kPython), {QStringLiteral("-c"), QLatin1String(kServidor),
                                                  publico_, certificado_, chave});
        ASSERT_TRUE(servidor_->waitForReadyRead(30000));
        porta_ = servidor_->readLine().trimmed();
    }
    static void TearDownTestSuite() {
        servidor_->kill();
        servidor_->waitForFinished();
        delete servidor_;
        delete raiz_;
    }
    static void Empacotar(const QString& nome, const QStringList& entradas) {
        ASSERT_EQ(Rodar(QLatin1String(kPython),
                        QStringList{QStringLiteral("-c"), QLatin1String(kEmpacotar),
                                    publico_ + u'/' + nome} +
                            entradas),
                  0);
    }

    // The configuration of a package on the server, pinned to the SHA-256 of pacote.zip.
    static TConfiguracaoValidadorIE Configuracao(const QString& pacote,
                                                 const QString& fixado = "pacote.zip") {
        return {QStringLiteral("https://127.0.0.1:") + porta_ + u'/' + pacote,
                QString::fromLatin1(Sha256(publico_ + u'/' + fixado)), certificado_};
    }
    // A new program folder, as an installation makes it.
    QString Pasta() {
        const QString pasta = programas_.filePath(QString::number(++pastas_));
        QDir().mkpath(pasta);
        chmod(QFile::encodeName(pasta).constData(), 0755);
        return pasta;
    }

    static inline QTemporaryDir* raiz_ = nullptr;
    static inline QString publico_;
    static inline QString certificado_;
    static inline QString porta_;
    static inline QProcess* servidor_ = nullptr;
    QTemporaryDir programas_;
    int pastas_ = 0;
};

TEST_F(ValidadorIETeste, DownloadedCheckedUnpackedAndLoaded) {
    const QString pasta = Pasta();
    const TConfiguracaoValidadorIE configuracao = Configuracao(QStringLiteral("pacote.zip"));
    EXPECT_EQ(ValidadorIE::Validar(u"110.042.490.114"_qs, u"SP"_qs, pasta, configuracao), u"");
    EXPECT_EQ(ValidadorIE::Validar(u"110.042.490.115"_qs, u"SP"_qs, pasta, configuracao),
              u"Inscrição inválida para SP");
    EXPECT_EQ(ValidadorIE::Validar(u"P-01100424.3/002"_qs, u"SP"_qs, pasta, configuracao), u"");
    EXPECT_EQ(ValidadorIE::Validar(u"123"_qs, u"XX"_qs, pasta, configuracao),
              u"Parâmetros inválidos");
    EXPECT_EQ(ValidadorIE::Validar(u" isento "_qs, u"XX"_qs, pasta, configuracao), u"");
    // Beside the program, executable and writable only by its owner; nothing else left there.
    const QFileInfo biblioteca(pasta + QStringLiteral("/DllInscE32.so"));
    EXPECT_EQ(int(biblioteca.permissions() & (QFile::WriteGroup | QFile::WriteOther)), 0);
    EXPECT_EQ(Sha256(biblioteca.filePath()), Sha256(QStringLiteral(VALIDADOR_IE)));
    EXPECT_EQ(QDir(pasta).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{u"DllInscE32.so"_qs});
}

TEST_F(ValidadorIETeste, RefusedPackagesAndServers) {
    const struct {
        const char* caso;
        TConfiguracaoValidadorIE configuracao;
        const char* motivo;
    } casos[] = {
        {"tampered", Configuracao(u"adulterado.zip"_qs), "SHA-256 do pacote difere"},
        {"outside its folder", Configuracao(u"maligno.zip"_qs, u"maligno.zip"_qs), "../x"},
        {"missing", Configuracao(u"ausente.zip"_qs), "404"},
        {"plain http",
         {u"http://127.0.0.1:"_qs + porta_ + u"/pacote.zip"_qs,
          Configuracao(u"pacote.zip"_qs).SHA256Pacote, certificado_},
         "not supported"},
        {"unknown certificate",
         {Configuracao(u"pacote.zip"_qs).EnderecoPacote,
          Configuracao(u"pacote.zip"_qs).SHA256Pacote, QString()},
         "certificate"},
        {"no configuration", {}, "não configurado"},
    };
    for (const auto& c : casos) {
        const QString pasta = Pasta();
        const QString erro =
            ValidadorIE::Validar(u"110042490114"_qs, u"SP"_qs, pasta, c.configuracao);
        const QString endereco = c.configuracao.EnderecoPacote.isEmpty()
                                     ? u"DllInscE32.zip"_qs
                                     : c.configuracao.EnderecoPacote;
        EXPECT_TRUE(erro.startsWith(u"Erro ao baixar o arquivo "_qs + endereco))
            << c.caso << ": " << erro.toStdString();
        EXPECT_TRUE(erro.contains(QString::fromUtf8(c.motivo), Qt::CaseInsensitive))
            << c.caso << ": " << erro.toStdString();
        // Nothing left behind: no library, no package, no "x" beside the folder.
        EXPECT_TRUE(QDir(pasta).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            << c.caso;
        EXPECT_FALSE(QFile::exists(programas_.filePath(u"x"_qs))) << c.caso;
    }
}

// The program's own folder and settings file: neither holds the library or its address here.
TEST_F(ValidadorIETeste, ProgramWithoutConfiguration) {
    EXPECT_EQ(TmStr::ValidarInscricaoDLLSintegra(u"110042490114"_qs, u"SP"_qs),
              u"Erro ao baixar o arquivo DllInscE32.zip (endereço ou SHA-256 do pacote não "
              u"configurado)");
}

TEST_F(ValidadorIETeste, NeverLoadedFromAFolderOthersCanWrite) {
    const QString pasta = Pasta();
    ASSERT_TRUE(QFile::copy(QStringLiteral(VALIDADOR_IE), pasta + u"/DllInscE32.so"_qs));
    chmod(QFile::encodeName(pasta).constData(), 0777);
    EXPECT_TRUE(
        ValidadorIE::Validar(u"110042490114"_qs, u"SP"_qs, pasta, TConfiguracaoValidadorIE{})
            .startsWith(u"Validador de inscrição estadual recusado: "_qs));
    // Nor a library that others can change, nor a link to one.
    chmod(QFile::encodeName(pasta).constData(), 0755);
    chmod(QFile::encodeName(pasta + u"/DllInscE32.so"_qs).constData(), 0777);
    EXPECT_TRUE(
        ValidadorIE::Validar(u"110042490114"_qs, u"SP"_qs, pasta, TConfiguracaoValidadorIE{})
            .startsWith(u"Validador de inscrição estadual recusado: "_qs));
    const QString outra = Pasta();
    QFile::link(QStringLiteral(VALIDADOR_IE), outra + u"/DllInscE32.so"_qs);
    EXPECT_TRUE(
        ValidadorIE::Validar(u"110042490114"_qs, u"SP"_qs, outra, TConfiguracaoValidadorIE{})
            .startsWith(u"Validador de inscrição estadual recusado: "_qs));
}

// The library is built from the same rule table as the library's own validator.
TEST_F(ValidadorIETeste, AgreesWithIsIEValido) {
    const QString pasta = Pasta();
    ASSERT_TRUE(QFile::copy(QStringLiteral(VALIDADOR_IE), pasta + u"/DllInscE32.so"_qs));
    Gerador gerador(11);
    int discordancias = 0;
    CandidatosIE(gerador, 20, [&](const QString& uf, const QString& numero) {
        const bool nossa = TmStr::isIEValido(uf, numero, {});
        const bool dela =
            ValidadorIE::Validar(numero, uf, pasta, TConfiguracaoValidadorIE{}).isEmpty();
        if (nossa != dela && ++discordancias <= 10)
            ADD_FAILURE() << uf.toStdString() << " " << numero.toStdString();
    });
    EXPECT_EQ(discordancias, 0);
}

}  // namespace
