// The settings file's format: bytes to lines and back, and the key search over the two forms of
// the document (a loaded file's shared lines, a list of its own).
#include <gtest/gtest.h>

#include "texto/config/Documento.h"
#include "texto/config/FormatoConfig.h"

namespace {

QStringList Linhas(const TLinhasCarregadas& carga) {
    QStringList out;
    for (QStringView l : carga.linhas)
        out.append(l.toString());
    return out;
}

TEST(FormatoConfigBytes, DecodingTakesTheRequestedEncodingOrTheMarkAndCutsLines) {
    const struct {
        const char* nome;
        QByteArray bytes;
        std::optional<TCodificacao> pedida;
        TCodificacao lida;
        QStringList linhas;
    } casos[] = {
        {"no mark: Windows-1252; CR LF, lone CR, lone LF; a final break opens no line",
         "[A]\r\nx=\xE7\x80\rz\n\n",
         {},
         TCodificacao::Ansi,
         Doc({"[A]", "x=ç€", "z", ""})},
        {"by mark, UTF-16 BE",
         QByteArray("\xFE\xFF\0[\0\r\0\r\0\n", 10),
         {},
         TCodificacao::Utf16BE,
         Doc({"[", ""})},
        {"requested UTF-8 without a mark", "x=\xC3\xA7", TCodificacao::Utf8, TCodificacao::Utf8,
         Doc({"x=ç"})},
        {"requested UTF-16 BE: a UTF-16 LE mark is text",
         QByteArray("\xFF\xFE[\0", 4),
         TCodificacao::Utf16BE,
         TCodificacao::Utf16BE,
         {QString(QChar(0xFFFE)) + QChar(0x5B00)}},
        {"requested Windows-1252: a UTF-8 mark is text, kept until the stray-mark rule",
         "\xEF\xBB\xBF[A]", TCodificacao::Ansi, TCodificacao::Ansi, Doc({"ï»¿[A]"})},
    };
    for (const auto& c : casos) {
        const TLinhasCarregadas carga(c.bytes, c.pedida);
        EXPECT_EQ(carga.codificacao, c.lida) << c.nome;
        EXPECT_EQ(Linhas(carga), c.linhas) << c.nome;
    }
}

TEST(FormatoConfigBytes, EncodingEndsEveryLineInCrLfAndTurnsBreaksInsideALineIntoBlanks) {
    const struct {
        QStringList linhas;
        TCodificacao codificacao;
        QByteArray bytes;
    } casos[] = {
        {Doc({"[A]", "x=a\r\n[B]\rb\nc", "ç€"}), TCodificacao::Ansi,
         "[A]\r\nx=a  [B] b c\r\n\xE7\x80\r\n"},
        {Doc({"x=ç"}), TCodificacao::Utf8, "\xEF\xBB\xBFx=\xC3\xA7\r\n"},
        {Doc({"x"}), TCodificacao::Utf16LE, QByteArray("\xFF\xFEx\0\r\0\n\0", 8)},
        {{}, TCodificacao::Utf16BE, "\xFE\xFF"},
        {{}, TCodificacao::Ansi, ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TLinhasConfig(c.linhas).Codificar(c.codificacao), c.bytes)
            << c.linhas.join(u'/').toStdString();
}

TEST(FormatoConfigLinhas, KeySearchTakesTheFirstKeyUnderAHeaderOfTheSection) {
    const QStringList doc = Doc({"Porta=0", "[Rede]", "Porta=1", "[Config]", "Porta=2", "[Outra]",
                                 "X=1", "Vazio=", "Duplo=a=b", "=semnome", "[Outra2]=9", "[CONFIG]",
                                 "Y= 5", "[Caixa] ", "Z=1"});
    const struct {
        const char *secao, *item, *esperado;
    } casos[] = {
        {"Config", "Porta", "2"},
        {"Rede", "porta", "1"},
        {"Outra", "Porta", nullptr},
        {"config", "Y", " 5"},
        {"Config", "X", nullptr},
        {"Caixa", "Z", nullptr},
        {"Caixa ", "Z", nullptr},
        {"Outra", "Vazio", ""},
        {"Outra", "Duplo", "a=b"},
        {"Outra", "Duplo=a", nullptr},
        {"Outra", "", "semnome"},
        {"Rede", "", nullptr},
        {"", "Porta", nullptr},
        // A header line holding "=" is also a key line of the section above it.
        {"Outra", "[Outra2]", "9"},
    };
    const TLinhasConfig lista(doc);
    const TLinhasConfig carregado(std::make_shared<const TLinhasCarregadas>(
        "\xEF\xBB\xBF" + doc.join(QLatin1String("\r\n")).toUtf8(), std::nullopt));
    for (const TLinhasConfig* linhas : {&lista, &carregado}) {
        for (const auto& c : casos) {
            const qsizetype k =
                linhas->IndiceChave(QString::fromUtf8(c.secao), QString::fromUtf8(c.item));
            const std::optional<QString> valor =
                k < 0 ? std::nullopt
                      : std::optional(FormatoConfig::ValorChave(linhas->Linha(k)).toString());
            EXPECT_EQ(valor,
                      c.esperado ? std::optional(QString::fromUtf8(c.esperado)) : std::nullopt)
                << c.secao << "/" << c.item;
        }
    }
}

}  // namespace
