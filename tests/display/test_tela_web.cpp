// The customer's page for browsers: the state's messages, and the server over real loopback
// sockets (HTTP requests written by hand, the state with QWebSocket, a client that stops reading
// with a bare TCP socket).

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QWebSocket>
#include <algorithm>
#include <memory>
#include <vector>

#include "display/estado/SimboloPix.h"
#include "display/web/SerializadorTela.h"
#include "display/web/ServidorTela.h"
#include "support/JanelaPorTcp.h"

using namespace Protocolo;

namespace {

const QString kPix = QStringLiteral(
    "00020126580014br.gov.bcb.pix0136123e4567-e12b-12d1-a456-4266554400005204000053039865802BR"
    "5913Fulano de Tal6008BRASILIA62070503***63041D3D|Pague com PIX|12,34");

// Command 1 with `itens` items named after `nome`, the third one cancelled and with a discount.
QString Lista(int itens, const QString& nome = QStringLiteral("ARROZ")) {
    QString texto;
    for (int i = 1; i <= itens; ++i)
        texto += QStringLiteral("%1|789%1|%2 %1|2|UN|10,00|20,00|%3|%4|0|0&")
                     .arg(i)
                     .arg(nome)
                     .arg(i == 3 ? QStringLiteral("C") : QString())
                     .arg(i == 3 ? QStringLiteral("1,50") : QStringLiteral("0"));
    return texto + QStringLiteral("TOTAL|R$ 58,50|||||||||");
}

QJsonObject Mensagem(const TEstadoTela& estado, qsizetype de = 0, quint64 versao = 1) {
    return QJsonDocument::fromJson(SerializarTela(TQuadroTela::De(estado), versao, de)).object();
}

QStringList Textos(const QJsonValue& linha) {
    QStringList textos;
    for (const QJsonValue& t : linha[QStringLiteral("textos")].toArray())
        textos.append(t.toString());
    return textos;
}

}  // namespace

TEST(SerializadorTela, RowsSayTheirKindColourAndTexts) {
    TEstadoTela estado;
    estado.Aplicar(EComando::CarregarListaItens,
                   QStringLiteral("1|789|<b>x</b> \"y\"|1|UN|3,5|3,50||0|0|0&") + Lista(3));
    const QJsonObject m = Mensagem(estado);
    EXPECT_EQ(m["pagina"], "venda");
    const QJsonObject venda = m["venda"].toObject();
    EXPECT_EQ(venda["total"], "R$ 58,50");
    EXPECT_EQ(venda["n"], 6);
    const QJsonArray linhas = venda["linhas"].toArray();
    ASSERT_EQ(linhas.size(), 6);
    struct TEsperada {
        const char* tipo;
        QJsonValue cor;
        QStringList textos;
    };
    const TEsperada esperadas[] = {
        {"item", QJsonValue::Null, {"1", "789", "<b>x</b> \"y\"", "3,50", "1", "UN", "3,50"}},
        {"item", QJsonValue::Null, {"1", "7891", "ARROZ 1", "10,00", "2", "UN", "20,00"}},
        {"item", QJsonValue::Null, {"2", "7892", "ARROZ 2", "10,00", "2", "UN", "20,00"}},
        {"item", QJsonValue::Null, {"3", "7893", "ARROZ 3", "10,00", "2", "UN", "20,00"}},
        // The mark of a coloured row is painted in its background on the window: no text.
        {"cancelamento", "#FF0000", {"3", "CANCELADO", "ARROZ 3", "", "", "", "-20,00"}},
        {"desconto", "#FF0000", {"", "", "DESCONTO ITEM", "", "", "", "-1,50"}},
    };
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(linhas[i]["tipo"], esperadas[i].tipo);
        EXPECT_EQ(linhas[i]["cor"], esperadas[i].cor);
        EXPECT_EQ(Textos(linhas[i]), esperadas[i].textos);
    }
    const QJsonArray colunas = m["colunas"].toArray();
    ASSERT_EQ(colunas.size(), kNumCamposItem);
    EXPECT_EQ(colunas[2]["titulo"], "Nome");
    EXPECT_EQ(colunas[2]["cor"], "#0000FF");
    EXPECT_EQ(colunas[6]["alinhamento"], "right");
}

TEST(SerializadorTela, PaymentRowsCarryTheChangeRuleAndTheirColours) {
    struct TCaso {
        const char* trocoOuFalta;
        const char* titulo;
        const char* valor;
        const char* corTitulo;
        const char* corValor;
    };
    const TCaso casos[] = {{"-50", "Troco", "50,00", "#000000", "#000080"},
                           {"25", "Falta", "25,00", "#FF0000", "#FF0000"}};
    for (const TCaso& c : casos) {
        SCOPED_TRACE(c.titulo);
        TEstadoTela estado;
        estado.Aplicar(EComando::ExibirResumoPagamento, QStringLiteral("100|10|0|0"));
        estado.Aplicar(EComando::ExibirMeiosPagamento,
                       QStringLiteral("Dinheiro|150,00|||||||||%1|100|10|0").arg(c.trocoOuFalta));
        const QJsonObject m = Mensagem(estado);
        EXPECT_EQ(m["pagina"], "pagamento");
        const QJsonArray linhas = m["pagamento"]["linhas"].toArray();
        ASSERT_EQ(linhas.size(), 10);
        EXPECT_EQ(linhas[1]["titulo"], "Descontos");
        EXPECT_EQ(linhas[1]["valor"], "-10,00");
        EXPECT_EQ(linhas[1]["fundo"], "#FFEAEA");
        EXPECT_EQ(linhas[3]["valor"], "100,00");
        EXPECT_EQ(linhas[4]["titulo"], "Dinheiro");
        EXPECT_EQ(linhas[4]["aberta"], true);
        EXPECT_EQ(linhas[5]["aberta"], false);
        EXPECT_EQ(linhas[5]["fundo"], "#FFFFFF");
        EXPECT_EQ(linhas[9]["titulo"], c.titulo);
        EXPECT_EQ(linhas[9]["valor"], c.valor);
        EXPECT_EQ(linhas[9]["corTitulo"], c.corTitulo);
        EXPECT_EQ(linhas[9]["corValor"], c.corValor);
    }
}

TEST(SerializadorTela, PixCodeComesAsItsSymbolAndPicturesByHash) {
    TEstadoTela estado;
    estado.Aplicar(EComando::ExibirCodigoPix, kPix);
    estado.DefinirFundo("BM fundo");
    const QJsonObject m = Mensagem(estado);
    const QJsonObject pix = m["pix"].toObject();
    EXPECT_EQ(pix["legenda"], "Pague com PIX");
    EXPECT_EQ(pix["valor"], "R$ 12,34");
    const TSimboloPix simbolo = SimboloPix(estado.PixTela()->Codigo);
    EXPECT_EQ(pix["lado"], simbolo.Lado);
    const QString modulos = pix["modulos"].toString();
    ASSERT_EQ(modulos.size(), simbolo.Lado * simbolo.Lado);
    EXPECT_EQ(modulos.left(7), "1111111");  // the top of the finder pattern
    EXPECT_EQ(m["imagem"], QJsonValue::Null);
    EXPECT_EQ(m["fundo"], QStringLiteral("/imagem/") + estado.FundoTela().Hash);
}

TEST(SerializadorTela, OnlyRowsFromTheFirstChangedOneAreSent) {
    TEstadoTela antes, depois;
    antes.Aplicar(EComando::CarregarListaItens, Lista(4));
    struct TCaso {
        const char* nome;
        QString lista;
        qsizetype primeira;
    };
    const TCaso casos[] = {
        {"the same list again", Lista(4), 6},
        {"one item more", Lista(5), 6},
        {"the last item removed", Lista(3), 5},
        {"another first item", Lista(4, QStringLiteral("FEIJAO")), 0},
        {"empty", QString(), 0},
    };
    for (const TCaso& c : casos) {
        SCOPED_TRACE(c.nome);
        depois.Aplicar(EComando::CarregarListaItens, c.lista);
        const qsizetype primeira =
            PrimeiraLinhaDiferente(antes.LinhasVenda(), depois.LinhasVenda());
        EXPECT_EQ(primeira, c.primeira);
        const QJsonObject venda = Mensagem(depois, primeira)["venda"].toObject();
        EXPECT_EQ(venda["de"], primeira);
        EXPECT_EQ(venda["linhas"].toArray().size(), depois.LinhasVenda().size() - primeira);
    }
}

namespace {

class ServidorTela : public ::testing::Test {
protected:
    void Ativar(qint64 limiteFila = TServidorTela::kLimiteFilaPadrao) {
        servidor_ = std::make_unique<TServidorTela>(estado_, limiteFila);
        QString erro;
        ASSERT_TRUE(servidor_->Ativar(QHostAddress::LocalHost, 0, erro)) << erro.toStdString();
    }
    QUrl Endereco(const QString& caminho, const char* esquema = "http") const {
        return QUrl(QStringLiteral("%1://127.0.0.1:%2%3")
                        .arg(QLatin1String(esquema))
                        .arg(servidor_->Porta())
                        .arg(caminho));
    }

    // A page's connection that keeps every message it receives.
    struct TPagina {
        QWebSocket ws;
        QList<QJsonObject> mensagens;
        quint64 Versao() const {
            return mensagens.isEmpty() ? 0 : quint64(mensagens.last()["versao"].toDouble());
        }
    };
    std::unique_ptr<TPagina> Conectar(const QString& caminho = QStringLiteral("/estado")) {
        auto pagina = std::make_unique<TPagina>();
        QObject::connect(&pagina->ws, &QWebSocket::binaryMessageReceived,
                         [p = pagina.get()](const QByteArray& dados) {
                             p->mensagens.append(QJsonDocument::fromJson(dados).object());
                         });
        pagina->ws.open(Endereco(caminho, "ws"));
        return pagina;
    }

    // Status and body of a request with the given method, over a socket of its own (0 when the
    // server closes it without an answer).
    std::pair<int, QByteArray> Pedir(const QByteArray& metodo, const QString& caminho,
                                     QByteArray* politica = nullptr) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, servidor_->Porta());
        socket.write(metodo + ' ' + caminho.toUtf8() +
                     " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 3\r\n\r\nx=1");
        QByteArray resposta;
        qsizetype fimCabecalho = -1;
        qsizetype tamanho = 0;
        Aguardar([&] {
            resposta += socket.readAll();
            if (fimCabecalho < 0 && (fimCabecalho = resposta.indexOf("\r\n\r\n")) >= 0) {
                const QRegularExpressionMatch m =
                    QRegularExpression(QStringLiteral("(?i)content-length: *(\\d+)"))
                        .match(QString::fromLatin1(resposta.left(fimCabecalho)));
                tamanho = m.hasMatch() ? m.captured(1).toLongLong() : 0;
            }
            return (fimCabecalho >= 0 && resposta.size() >= fimCabecalho + 4 + tamanho) ||
                   socket.state() == QAbstractSocket::UnconnectedState;
        });
        if (fimCabecalho < 0)
            return {0, {}};
        const QByteArray cabecalho = resposta.left(fimCabecalho);
        if (politica) {
            const qsizetype inicio = cabecalho.indexOf("Content-Security-Policy: ");
            *politica = inicio < 0
                            ? QByteArray()
                            : cabecalho.mid(inicio, cabecalho.indexOf("\r\n", inicio) - inicio);
        }
        return {cabecalho.mid(9, 3).toInt(), resposta.mid(fimCabecalho + 4, tamanho)};
    }

    TEstadoTela estado_;
    std::unique_ptr<TServidorTela> servidor_;
};

}  // namespace

TEST_F(ServidorTela, AnswersOnlyGetForThePageAndItsPictures) {
    estado_.DefinirFundo("BM fundo do dia");
    Ativar();
    QByteArray politica;
    const auto [status, pagina] = Pedir("GET", QStringLiteral("/"), &politica);
    EXPECT_EQ(status, 200);
    EXPECT_TRUE(pagina.contains("new WebSocket"));
    EXPECT_FALSE(pagina.contains("innerHTML"));
    EXPECT_FALSE(pagina.contains("http://")) << "the page fetches nothing from elsewhere";
    EXPECT_TRUE(politica.contains("default-src 'none'"));
    const QString fundo = QStringLiteral("/imagem/") + estado_.FundoTela().Hash;
    ASSERT_TRUE(Aguardar([&] { return Pedir("GET", fundo).first == 200; }));
    EXPECT_EQ(Pedir("GET", fundo).second, "BM fundo do dia");
    const struct {
        const char* metodo;
        QString caminho;
        int status;
    } casos[] = {
        {"POST", QStringLiteral("/"), 405},
        {"PUT", fundo, 405},
        {"DELETE", QStringLiteral("/"), 405},
        {"HEAD", QStringLiteral("/"), 405},
        {"GET", QStringLiteral("/imagem/") + QString(64, u'0'), 404},
        {"GET", QStringLiteral("/imagem/../../etc/passwd"), 404},
        {"GET", QStringLiteral("/estado"), 404},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Pedir(c.metodo, c.caminho).first, c.status)
            << c.metodo << " " << c.caminho.toStdString();
}

TEST_F(ServidorTela, PageGetsTheWholeStateThenEachChangeAndChangesNothing) {
    estado_.Aplicar(EComando::CarregarListaItens, Lista(2));
    Ativar();
    auto pagina = Conectar();
    ASSERT_TRUE(Aguardar([&] { return !pagina->mensagens.isEmpty(); }));
    const QJsonObject primeira = pagina->mensagens.first();
    EXPECT_EQ(primeira["venda"]["de"], 0);
    EXPECT_EQ(primeira["venda"]["linhas"].toArray().size(), 2);

    // What a client sends is discarded; a long message closes it.
    pagina->ws.sendTextMessage(QStringLiteral("{\"pagina\":\"pagamento\"}"));
    estado_.Aplicar(EComando::CarregarListaItens,
                    Lista(2).replace(QStringLiteral("TOTAL"),
                                     QStringLiteral("3|1|<b>x</b>|1|UN|1,00|1,00||0|0|0&TOTAL")));
    ASSERT_TRUE(Aguardar([&] { return pagina->Versao() == primeira["versao"].toDouble() + 1; }));
    const QJsonObject venda = pagina->mensagens.constLast()["venda"].toObject();
    EXPECT_EQ(pagina->mensagens.constLast()["pagina"], "venda");
    EXPECT_EQ(venda["de"], 2);
    ASSERT_EQ(venda["linhas"].toArray().size(), 1);
    EXPECT_EQ(Textos(venda["linhas"][0])[2], "<b>x</b>");
    EXPECT_EQ(estado_.PaginaTela(), EPaginaTela::Venda);

    pagina->ws.sendTextMessage(QString(4096, u'x'));
    EXPECT_TRUE(Aguardar([&] { return pagina->ws.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_TRUE(Aguardar([&] { return servidor_->Clientes() == 0; }));

    // A socket on another path is refused.
    auto outra = Conectar(QStringLiteral("/outra"));
    EXPECT_TRUE(Aguardar([&] { return outra->ws.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_TRUE(outra->mensagens.isEmpty());
}

TEST_F(ServidorTela, ReopenedOnAnotherPortItDropsThePagesOfTheOldOne) {
    Ativar();
    auto antiga = Conectar();
    ASSERT_TRUE(Aguardar([&] { return !antiga->mensagens.isEmpty(); }));
    const quint16 portaAntiga = servidor_->Porta();
    QString erro;
    ASSERT_TRUE(servidor_->Ativar(QHostAddress::LocalHost, 0, erro)) << erro.toStdString();
    EXPECT_NE(servidor_->Porta(), portaAntiga);
    EXPECT_TRUE(Aguardar([&] { return antiga->ws.state() == QAbstractSocket::UnconnectedState; }));
    auto nova = Conectar();
    ASSERT_TRUE(Aguardar([&] { return !nova->mensagens.isEmpty(); }));
    EXPECT_EQ(servidor_->Clientes(), 1);
    servidor_->Desativar();
    EXPECT_FALSE(servidor_->Ativo());
    EXPECT_TRUE(Aguardar([&] { return nova->ws.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_EQ(servidor_->Clientes(), 0);
}

TEST_F(ServidorTela, AddressesOutsideTheAllowListGetNothing) {
    QStringList invalidos;
    Ativar();
    servidor_->DefinirPermitidos(TListaPermitidos::Ler(QStringLiteral("10.1.2.3"), invalidos));
    auto recusada = Conectar();
    EXPECT_TRUE(
        Aguardar([&] { return recusada->ws.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_TRUE(recusada->mensagens.isEmpty());
    EXPECT_NE(Pedir("GET", QStringLiteral("/")).first, 200);

    servidor_->DefinirPermitidos(TListaPermitidos::Ler(QStringLiteral("127.0.0.0/8"), invalidos));
    auto aceita = Conectar();
    EXPECT_TRUE(Aguardar([&] { return !aceita->mensagens.isEmpty(); }));
    EXPECT_EQ(Pedir("GET", QStringLiteral("/")).first, 200);
}

TEST_F(ServidorTela, PagesBeyondTheBoundAreClosedAndTheOthersKeepTheirState) {
    Ativar();
    std::vector<std::unique_ptr<TPagina>> paginas;
    for (int i = 0; i < TServidorTela::kMaximoPaginas; ++i)
        paginas.push_back(Conectar());
    ASSERT_TRUE(Aguardar([&] { return servidor_->Clientes() == TServidorTela::kMaximoPaginas; }));
    auto demais = Conectar();
    EXPECT_TRUE(Aguardar([&] { return demais->ws.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_TRUE(demais->mensagens.isEmpty());
    paginas.front()->ws.close();
    ASSERT_TRUE(Aguardar([&] { return servidor_->Clientes() < TServidorTela::kMaximoPaginas; }));
    auto outra = Conectar();
    EXPECT_TRUE(Aguardar([&] { return !outra->mensagens.isEmpty(); }));
}

// Connections that end give their place back: more requests and pages one after another than
// may be open at once are all served (a place comes back once the server has seen its client
// leave); idle connections beyond the bound are closed unread.
TEST_F(ServidorTela, EndedConnectionsGiveTheirPlaceBackAndIdleOnesAreBounded) {
    Ativar();
    for (int i = 0; i < 150; ++i) {
        ASSERT_TRUE(Aguardar([&] { return Pedir("GET", QStringLiteral("/")).first == 200; })) << i;
        auto pagina = Conectar();
        ASSERT_TRUE(Aguardar([&] { return !pagina->mensagens.isEmpty(); })) << i;
        pagina->ws.close();
        ASSERT_TRUE(Aguardar([&] { return servidor_->Clientes() == 0; })) << i;
    }
    std::vector<std::unique_ptr<QTcpSocket>> ociosas;
    // One at a time, so that none waits in the listen queue for the kernel's retries.
    for (int i = 0; i < 200; ++i) {
        ociosas.push_back(std::make_unique<QTcpSocket>());
        ociosas.back()->connectToHost(QHostAddress::LocalHost, servidor_->Porta());
        ASSERT_TRUE(
            Aguardar([&] { return ociosas.back()->state() != QAbstractSocket::ConnectingState; }));
    }
    EXPECT_TRUE(Aguardar(
        [&] {
            return std::count_if(ociosas.begin(), ociosas.end(), [](const auto& s) {
                       return s->state() == QAbstractSocket::UnconnectedState;
                   }) >= 200 - 2 * TServidorTela::kMaximoPaginas;
        },
        30000));
    ociosas.clear();
    EXPECT_TRUE(Aguardar([&] { return Pedir("GET", QStringLiteral("/")).first == 200; }));
}

TEST_F(ServidorTela, AClientThatStopsReadingIsDroppedWhileTheOthersGetEveryChange) {
    Ativar(64 * 1024);
    auto rapida = Conectar();
    ASSERT_TRUE(Aguardar([&] { return rapida->Versao() > 0; }));

    // A page that completes the handshake and never reads again.
    QTcpSocket lenta;
    lenta.setReadBufferSize(1);
    lenta.connectToHost(QHostAddress::LocalHost, servidor_->Porta());
    ASSERT_TRUE(Aguardar([&] { return lenta.state() == QAbstractSocket::ConnectedState; }));
    lenta.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
    lenta.write(
        "GET /estado HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\n"
        "Connection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
        "Sec-WebSocket-Version: 13\r\n\r\n");
    ASSERT_TRUE(Aguardar([&] { return servidor_->Clientes() == 2; }));

    // Each list differs from the first row on, so each message carries every row (~300 KB).
    for (int i = 0; i < 100 && servidor_->Clientes() == 2; ++i) {
        estado_.Aplicar(EComando::CarregarListaItens, Lista(2000, QStringLiteral("ITEM%1").arg(i)));
        const quint64 versao = rapida->Versao();
        ASSERT_TRUE(Aguardar([&] { return rapida->Versao() > versao; }, 20000)) << i;
    }
    EXPECT_TRUE(Aguardar([&] { return servidor_->Clientes() == 1; }));
    EXPECT_EQ(rapida->ws.state(), QAbstractSocket::ConnectedState);

    // The page that reads goes on receiving.
    estado_.Aplicar(EComando::LimparVenda, QString());
    const quint64 versao = rapida->Versao();
    ASSERT_TRUE(Aguardar([&] { return rapida->Versao() > versao; }));
    EXPECT_EQ(rapida->mensagens.constLast()["venda"]["n"], 0);
}
