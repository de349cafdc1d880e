#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <string>
#include <vector>

#include "sistema/ftp/ArquivoTeste.h"
#include "sistema/ftp/ServidorFtp.h"
#include "sistema/ftp/TCorvelFTP.h"

namespace {

QByteArray Bytes(qsizetype tamanho) {
    QByteArray bytes(tamanho, Qt::Uninitialized);
    for (qsizetype i = 0; i < tamanho; ++i)
        bytes[i] = char(i * 7 + i / 251);
    return bytes;
}

// A client for the server, with short limits so that a failing test ends soon.
void Configurar(TCorvelFTP& cliente, const TServidorFtp& servidor) {
    cliente.Host = QStringLiteral("127.0.0.1");
    cliente.Port = servidor.Porta();
    cliente.Username = QStringLiteral("usuario");
    cliente.Password = QStringLiteral("senha");
    cliente.Configuracao.TempoConexaoSegundos = 10;
    cliente.Configuracao.TempoRespostaSegundos = 3;
    cliente.Configuracao.TempoVelocidadeSegundos = 5;
}

// Files the folder holds, hidden ones included (a left-over temporary file shows here).
QStringList Conteudo(const QString& pasta) {
    return QDir(pasta).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

std::string Texto(const QString& texto) {
    return texto.toStdString();
}

TEST(TCorvelFTP, ChecksItsParametersInOrder) {
    struct Caso {
        const char* host;
        const char* usuario;
        const char* senha;
        int porta;
        const char* mensagem;
    };
    const Caso casos[] = {
        {"", "", "", 0, "CorvelFTP.Host vazio"},
        {"h", "", "s", 21, "CorvelFTP.UserName vazio"},
        {"h", "u", "", 0, "CorvelFTP.Password vazio"},
        {"h", "u", "s", 0, "CorvelFTP.Porta zero"},
        {"h", "u", "s\r\nDELE /x", 21,
         "CorvelFTP: servidor, usuário ou senha com caracteres de controle"},
    };
    for (const auto& c : casos) {
        TCorvelFTP cliente;
        cliente.Host = QString::fromLatin1(c.host);
        cliente.Username = QString::fromLatin1(c.usuario);
        cliente.Password = QString::fromLatin1(c.senha);
        cliente.Port = c.porta;
        try {
            cliente.Conectar();
            ADD_FAILURE() << c.mensagem;
        } catch (const ECorvelFTP& e) {
            EXPECT_EQ(Texto(e.Mensagem()), c.mensagem);
        }
        EXPECT_FALSE(cliente.Conectado());
    }
    TCorvelFTP cliente;
    const std::string semConexao = "ioFTP não foi inicializado (método CorvelFTP.Conectar)";
    try {
        cliente.Download(QStringLiteral("/a.txt"), QDir::tempPath(), true);
        ADD_FAILURE();
    } catch (const ECorvelFTP& e) {
        EXPECT_EQ(Texto(e.Mensagem()), semConexao);
    }
    EXPECT_THROW(cliente.Upload(QStringLiteral("/etc/hostname"), QStringLiteral("/")), ECorvelFTP);
}

TEST(TCorvelFTP, FailedLoginRaisesAndLeavesNoConnection) {
    TServidorFtp servidor;
    TCorvelFTP cliente;
    Configurar(cliente, servidor);
    cliente.Password = QStringLiteral("errada");
    try {
        cliente.Conectar();
        ADD_FAILURE();
    } catch (const ECorvelFTP& e) {
        EXPECT_TRUE(e.Mensagem().contains(QStringLiteral("Login denied"))) << e.what();
    }
    EXPECT_FALSE(cliente.Conectado());
    EXPECT_THROW(cliente.Download(QStringLiteral("/a"), QDir::tempPath(), true), ECorvelFTP);
}

// A 1 000-byte file: each whole percentage once, rising, ending at 100; the file is replaced
// whole, nothing is left beside it, and the status texts tell the connection's story.
TEST(TCorvelFTP, DownloadReportsEachPercentageOnceUpTo100) {
    TServidorFtp servidor;
    const QByteArray conteudo = Bytes(1000);
    servidor.Publicar(QStringLiteral("/dir/sub/f.txt"), conteudo);
    QTemporaryDir local;
    ArquivoTeste::Gravar(local.filePath("f.txt"), "copia antiga");

    TCorvelFTP cliente;
    Configurar(cliente, servidor);
    cliente.Configuracao.VelocidadeMinima = 1;
    std::vector<int> percentuais;
    QStringList status, eventos;
    cliente.OnProgresso = [&](TCorvelFTP&, int p) { percentuais.push_back(p); };
    cliente.OnStatus = [&](TCorvelFTP&, const QString& s) { status << s; };
    cliente.OnInicio = [&](TCorvelFTP& c) {
        eventos << QStringLiteral("inicio ") + c.ArquivoOrigem();
    };
    cliente.OnTermino = [&](TCorvelFTP&) { eventos << QStringLiteral("termino"); };
    cliente.Conectar();
    EXPECT_TRUE(cliente.Conectado());
    ASSERT_TRUE(cliente.Download(QStringLiteral("/dir/sub/f.txt"), local.path(), false))
        << Texto(cliente.MsgErro());
    EXPECT_EQ(ArquivoTeste::Ler(local.filePath("f.txt")), conteudo);
    EXPECT_EQ(Conteudo(local.path()), QStringList{QStringLiteral("f.txt")});
    EXPECT_EQ(cliente.ArquivoOrigem(), QString());
    ASSERT_FALSE(percentuais.empty());
    EXPECT_EQ(percentuais.back(), 100);
    for (size_t i = 1; i < percentuais.size(); ++i)
        EXPECT_GT(percentuais[i], percentuais[i - 1]);
    EXPECT_EQ(eventos,
              (QStringList{QStringLiteral("inicio /dir/sub/f.txt"), QStringLiteral("termino")}));
    cliente.Desconectar();
    EXPECT_FALSE(cliente.Conectado());
    EXPECT_EQ(status,
              (QStringList{QStringLiteral("Conectando a 127.0.0.1:%1").arg(servidor.Porta()),
                           QStringLiteral("Conectado."), QStringLiteral("Desconectado.")}));
}

TEST(TCorvelFTP, ServerRefusingSizeGivesOneReportOfZero) {
    TServidorFtp servidor(QStringList{QStringLiteral("--sem-size")});
    servidor.Publicar(QStringLiteral("/f.bin"), Bytes(300000));
    QTemporaryDir local;
    TCorvelFTP cliente;
    Configurar(cliente, servidor);
    std::vector<int> percentuais;
    cliente.OnProgresso = [&](TCorvelFTP&, int p) { percentuais.push_back(p); };
    cliente.Conectar();
    ASSERT_TRUE(cliente.Download(QStringLiteral("/f.bin"), local.path(), true))
        << Texto(cliente.MsgErro());
    EXPECT_EQ(percentuais, std::vector<int>{0});
    EXPECT_EQ(ArquivoTeste::Ler(local.filePath("f.bin")), Bytes(300000));
    EXPECT_TRUE(servidor.Comandos().contains(QStringLiteral("SIZE")));
}

// Active mode until a passive download; then passive for good, as uploads are.
TEST(TCorvelFTP, ActiveAndPassiveModes) {
    TServidorFtp servidor;
    servidor.Publicar(QStringLiteral("/a.txt"), "ativo");
    QTemporaryDir local;
    TCorvelFTP cliente;
    Configurar(cliente, servidor);
    cliente.Conectar();
    ASSERT_TRUE(cliente.Download(QStringLiteral("/a.txt"), local.path(), false))
        << Texto(cliente.MsgErro());
    const QStringList ativo = servidor.Comandos();
    EXPECT_TRUE(ativo.contains(QStringLiteral("EPRT")) || ativo.contains(QStringLiteral("PORT")));
    EXPECT_FALSE(ativo.contains(QStringLiteral("EPSV")) || ativo.contains(QStringLiteral("PASV")));

    ASSERT_TRUE(cliente.Download(QStringLiteral("/a.txt"), local.path(), true));
    ASSERT_TRUE(cliente.Download(QStringLiteral("/a.txt"), local.path(), false));
    const QStringList depois = servidor.Comandos().mid(ativo.size());
    EXPECT_EQ(depois.count(QStringLiteral("EPSV")) + depois.count(QStringLiteral("PASV")), 2);
    EXPECT_FALSE(depois.contains(QStringLiteral("EPRT")) ||
                 depois.contains(QStringLiteral("PORT")));
    EXPECT_EQ(ArquivoTeste::Ler(local.filePath("a.txt")), "ativo");
}

// The remote name is the folder, "/" and the local name; an older remote file is replaced, not
// appended to.
TEST(TCorvelFTP, UploadLandsInTheFolderReplacingTheOldFile) {
    TServidorFtp servidor;
    servidor.Publicar(QStringLiteral("/in/f.txt"), "remoto antigo, mais longo que o novo");
    QTemporaryDir local;
    ArquivoTeste::Gravar(local.filePath("f.txt"), "novo");
    TCorvelFTP cliente;
    Configurar(cliente, servidor);
    QStringList status;
    cliente.OnStatus = [&](TCorvelFTP&, const QString& s) { status << s; };
    std::vector<int> percentuais;
    cliente.OnProgresso = [&](TCorvelFTP&, int p) { percentuais.push_back(p); };
    cliente.Conectar();
    for (const char* pasta : {"/in", "/in/"}) {
        ASSERT_TRUE(cliente.Upload(local.filePath("f.txt"), QString::fromLatin1(pasta)))
            << Texto(cliente.MsgErro());
        EXPECT_EQ(ArquivoTeste::Ler(servidor.Raiz() + QStringLiteral("/in/f.txt")), "novo");
    }
    EXPECT_FALSE(QFileInfo::exists(servidor.Raiz() + QStringLiteral("/in\\f.txt")));
    EXPECT_TRUE(status.contains(QStringLiteral("Upload:") + local.filePath("f.txt")));
    EXPECT_EQ(percentuais.back(), 100);
    EXPECT_TRUE(servidor.Comandos().contains(QStringLiteral("APPE")));

    EXPECT_FALSE(cliente.Upload(local.filePath("ausente.txt"), QStringLiteral("/in")));
    EXPECT_TRUE(cliente.MsgErro().contains(QStringLiteral("ausente.txt")))
        << Texto(cliente.MsgErro());
    EXPECT_FALSE(TCorvelFTP::Upload(QStringLiteral("127.0.0.1"), QStringLiteral("usuario"),
                                    QStringLiteral("senha"), servidor.Porta(),
                                    local.filePath("f.txt"), QStringLiteral("/nao/existe")));
}

// An abort from the progress callback ends the transfer: the older local copy stays whole,
// nothing is left beside it, and the client is disconnected. A link at the target's name is
// replaced as a link, never written through.
TEST(TCorvelFTP, AbortFromTheCallbackKeepsTheOldFile) {
    TServidorFtp servidor;
    servidor.Publicar(QStringLiteral("/grande.bin"), Bytes(20 << 20));
    servidor.Publicar(QStringLiteral("/pequeno.txt"), "pequeno");
    QTemporaryDir local;
    ArquivoTeste::Gravar(local.filePath("grande.bin"), "copia antiga");
    TCorvelFTP cliente;
    Configurar(cliente, servidor);
    cliente.OnProgresso = [](TCorvelFTP& c, int p) {
        if (p > 0)
            c.Abortar();
    };
    cliente.Conectar();
    EXPECT_FALSE(cliente.Download(QStringLiteral("/grande.bin"), local.path(), true));
    EXPECT_TRUE(cliente.MsgErro().contains(QStringLiteral("cancelada")))
        << Texto(cliente.MsgErro());
    EXPECT_EQ(ArquivoTeste::Ler(local.filePath("grande.bin")), "copia antiga");
    EXPECT_EQ(Conteudo(local.path()), QStringList{QStringLiteral("grande.bin")});
    EXPECT_FALSE(cliente.Conectado());
    EXPECT_THROW(cliente.Download(QStringLiteral("/grande.bin"), local.path(), true), ECorvelFTP);

    QTemporaryDir fora;
    ArquivoTeste::Gravar(fora.filePath("alvo.txt"), "fora");
    QFile::link(fora.filePath("alvo.txt"), local.filePath("pequeno.txt"));
    EXPECT_TRUE(TCorvelFTP::Download(QStringLiteral("127.0.0.1"), QStringLiteral("usuario"),
                                     QStringLiteral("senha"), servidor.Porta(),
                                     QStringLiteral("/pequeno.txt"), local.path()));
    EXPECT_EQ(ArquivoTeste::Ler(fora.filePath("alvo.txt")), "fora");
    EXPECT_FALSE(QFileInfo(local.filePath("pequeno.txt")).isSymLink());
    EXPECT_EQ(ArquivoTeste::Ler(local.filePath("pequeno.txt")), "pequeno");
}

// Failures of a transfer answer false with their reason and keep the old file.
TEST(TCorvelFTP, FailedDownloadsKeepTheOldFile) {
    TServidorFtp servidor;
    QTemporaryDir local;
    ArquivoTeste::Gravar(local.filePath("ausente.txt"), "antigo");
    TCorvelFTP cliente;
    Configurar(cliente, servidor);
    cliente.Conectar();
    EXPECT_FALSE(cliente.Download(QStringLiteral("/ausente.txt"), local.path(), true));
    EXPECT_FALSE(cliente.MsgErro().isEmpty());
    EXPECT_EQ(ArquivoTeste::Ler(local.filePath("ausente.txt")), "antigo");
    for (const char* remoto : {"/a.txt\r\nDELE /x", "/pasta/", "/.."}) {
        EXPECT_FALSE(cliente.Download(QString::fromLatin1(remoto), local.path(), true)) << remoto;
        EXPECT_TRUE(cliente.MsgErro().startsWith(QStringLiteral("Caminho remoto inválido")));
    }
    // A full disk, as a file size limit (the server runs in a process of its own, without it).
    servidor.Publicar(QStringLiteral("/ausente.txt"), Bytes(1 << 20));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    const rlimit pequeno{100000, limite.rlim_max};
    setrlimit(RLIMIT_FSIZE, &pequeno);
    const bool baixou = cliente.Download(QStringLiteral("/ausente.txt"), local.path(), true);
    setrlimit(RLIMIT_FSIZE, &limite);
    EXPECT_FALSE(baixou);
    EXPECT_TRUE(cliente.MsgErro().startsWith(QStringLiteral("Não foi possível gravar")))
        << Texto(cliente.MsgErro());
    EXPECT_EQ(ArquivoTeste::Ler(local.filePath("ausente.txt")), "antigo");

    servidor.Publicar(QStringLiteral("/a.txt"), "a");
    EXPECT_FALSE(cliente.Download(QStringLiteral("/a.txt"), local.filePath("ausente.txt"), true));
    EXPECT_EQ(ArquivoTeste::Ler(local.filePath("ausente.txt")), "antigo");
    EXPECT_EQ(Conteudo(local.path()), QStringList{QStringLiteral("ausente.txt")});
}

// A hostile server: the client ends every case in bounded time with a message that says what
// happened, and a local file is never touched.
TEST(TCorvelFTP, SurvivesAHostileServer) {
    {
        TServidorFtp lixo(TServidorFtp::THostil{QStringLiteral("lixo")});
        TCorvelFTP cliente;
        Configurar(cliente, lixo);
        try {
            cliente.Conectar();
            ADD_FAILURE();
        } catch (const ECorvelFTP& e) {
            EXPECT_TRUE(e.Mensagem().contains(QStringLiteral("999"))) << e.what();
        }
    }
    // A reply that never ends, fast (more than libcurl keeps of one reply) or slow (longer than
    // the reply time limit).
    for (const char* modo : {"sem_fim", "lento"}) {
        TServidorFtp semFim(TServidorFtp::THostil{QString::fromLatin1(modo)});
        TCorvelFTP cliente;
        Configurar(cliente, semFim);
        QElapsedTimer relogio;
        relogio.start();
        try {
            cliente.Conectar();
            ADD_FAILURE() << modo;
        } catch (const ECorvelFTP& e) {
            EXPECT_TRUE(e.Mensagem().contains(QStringLiteral("Too large response")) ||
                        e.Mensagem().contains(QStringLiteral("timeout")))
                << e.what();
        }
        EXPECT_LT(relogio.elapsed(), 10000) << modo;
    }
    // A connection reset mid-transfer, and a transfer reported complete short of its size.
    for (const char* modo : {"reset", "curto"}) {
        TServidorFtp reset(TServidorFtp::THostil{QString::fromLatin1(modo)});
        QTemporaryDir local;
        ArquivoTeste::Gravar(local.filePath("f.bin"), "antigo");
        TCorvelFTP cliente;
        Configurar(cliente, reset);
        cliente.Conectar();
        EXPECT_FALSE(cliente.Download(QStringLiteral("/f.bin"), local.path(), true)) << modo;
        EXPECT_FALSE(cliente.MsgErro().isEmpty());
        if (QLatin1String(modo) == QLatin1String("curto")) {
            EXPECT_TRUE(cliente.MsgErro().contains(QStringLiteral("100000 de 10000000")))
                << Texto(cliente.MsgErro());
        }
        EXPECT_EQ(ArquivoTeste::Ler(local.filePath("f.bin")), "antigo");
        EXPECT_EQ(Conteudo(local.path()), QStringList{QStringLiteral("f.bin")});
    }
}

}  // namespace

namespace {

// A self-signed certificate for 127.0.0.1, key and certificate in one PEM file.
QString Certificado(const QTemporaryDir& pasta) {
    const QString arquivo = pasta.filePath(QStringLiteral("servidor.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral(OPENSSL),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                   QStringLiteral("1"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                   QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1"),
                   QStringLiteral("-keyout"), arquivo, QStringLiteral("-out"), arquivo});
    openssl.waitForFinished(60000);
    return arquivo;
}

// Explicit TLS: the login over TLS with a trusted certificate, with protected data asked for;
// refusals for an untrusted certificate, for a server without TLS, and from a server that
// requires it of a client without. (Data over TLS is not exercised: this pyftpdlib with
// pyOpenSSL 23 fails its own side of the data channel's handshake, for the curl command line
// too.)
TEST(TCorvelFTP, ExplicitTls) {
    QTemporaryDir pasta;
    const QString certificado = Certificado(pasta);
    TServidorFtp seguro(QStringList{QStringLiteral("--tls"), certificado});
    TServidorFtp simples;

    TCorvelFTP cliente;
    Configurar(cliente, seguro);
    cliente.Configuracao.TlsExplicito = true;
    cliente.Configuracao.AutoridadesTls = certificado;
    cliente.Conectar();
    EXPECT_TRUE(cliente.Conectado());
    const QStringList comandos = seguro.Comandos();
    ASSERT_GE(comandos.size(), 5);
    EXPECT_EQ(comandos.mid(0, 5), (QStringList{"AUTH", "USER", "PASS", "PBSZ", "PROT"}));

    const auto recusa = [](TCorvelFTP& c) {
        try {
            c.Conectar();
        } catch (const ECorvelFTP& e) {
            return e.Mensagem();
        }
        return QString();
    };
    TCorvelFTP semAutoridade;
    Configurar(semAutoridade, seguro);
    semAutoridade.Configuracao.TlsExplicito = true;
    EXPECT_TRUE(recusa(semAutoridade).contains(QStringLiteral("certificate")))
        << Texto(recusa(semAutoridade));
    TCorvelFTP semTlsNoServidor;
    Configurar(semTlsNoServidor, simples);
    semTlsNoServidor.Configuracao.TlsExplicito = true;
    EXPECT_FALSE(recusa(semTlsNoServidor).isEmpty());
    TCorvelFTP semTlsNoCliente;
    Configurar(semTlsNoCliente, seguro);
    EXPECT_FALSE(recusa(semTlsNoCliente).isEmpty());
}

}  // namespace
