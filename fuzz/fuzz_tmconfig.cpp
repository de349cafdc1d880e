// The settings file: arbitrary bytes loaded from a file, a sequence of operations decoded from
// the input, a save, a second load.
//
// Invariant checked after the second load: it reads back exactly the lines the document held when
// it was saved, except for the two rewritings the file format defines:
//   1. a CR or LF inside a line is written as a blank (a line cannot hold a line break);
//   2. a first line longer than three characters that begins with "ï»¿" loses them on loading.
// The second load uses the encoding the document was written in. Loading it by its mark
// instead gives the same lines, unless a Windows-1252 document's first line begins with the
// characters whose bytes form a mark ("ï»¿", "ÿþ", "þÿ"): such a file reads as UTF-8 or UTF-16,
// as on the platform the files come from. A save writes the encoding's mark and ends every line
// in CR LF.
// In memory, after WriteString with a value and a key name without "=", ReadString gives the
// value.
#include <fuzzer/FuzzedDataProvider.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "Exigir.h"
#include "base/mConst.h"
#include "texto/config/TmConfig.h"

namespace {

QString Arquivo() {
    static QTemporaryDir pasta;
    return pasta.filePath(QStringLiteral("c.ini"));
}

// Names and values of the operations: few characters, chosen to meet the format's special
// ones (headers, "=", line breaks, blanks, the mark as Windows-1252 text, letters that fold).
QString Palavra(FuzzedDataProvider& dados) {
    static const QString alfabeto = QStringLiteral("aAbB[]=\r\n ;\tçÇéÉßÿþï»¿€1");
    QString s;
    for (const char c : dados.ConsumeRandomLengthString(12))
        s += alfabeto[static_cast<unsigned char>(c) % alfabeto.size()];
    return s;
}

void Operar(TmConfig& cfg, FuzzedDataProvider& dados) {
    const QString secao = Palavra(dados), item = Palavra(dados), valor = Palavra(dados);
    QStringList saida;
    switch (dados.ConsumeIntegralInRange(0, 8)) {
        case 0:
            cfg.WriteString(secao, item, valor);
            if (!valor.isEmpty() && !item.contains(u'='))
                Exigir(cfg.ReadString(secao, item, QStringLiteral("\x01")) == valor);
            break;
        case 1:
            cfg.WriteInteger(secao, item, dados.ConsumeIntegral<std::int32_t>());
            break;
        case 2:
            cfg.WriteLinha(valor);
            break;
        case 3:
            cfg.DeleteKey(secao, item);
            break;
        case 4:
            cfg.EraseSection(secao);
            break;
        case 5:
            cfg.ReadSections(saida);
            cfg.ReadSection(secao, saida);
            cfg.ReadSectionValues(secao, saida);
            cfg.GetSectionItemCount(secao);
            break;
        case 6:
            cfg.ReadInteger(secao, item, 7);
            cfg.ReadFloat(secao, item, 0.5);
            cfg.ReadCurr(secao, item, Currency::FromInt(1));
            break;
        case 7:
            cfg.ReadDate(secao, item, 1.0);
            cfg.ReadDateTime(secao, item, 1.5);
            cfg.ReadTime(secao, item, 0.25);
            cfg.ReadBool(secao, item, true);
            break;
        default:
            cfg.WriteStringConfig(item, valor);
            break;
    }
}

QStringList Esperadas(QStringList linhas) {
    for (QString& l : linhas)
        for (QChar& c : l)
            if (c == u'\r' || c == u'\n')
                c = u' ';
    if (!linhas.isEmpty() && linhas[0].size() > 3 &&
        linhas[0].startsWith(QStringLiteral("\u00EF\u00BB\u00BF")))
        linhas[0].remove(0, 3);
    return linhas;
}

QByteArray Ler(const QString& caminho) {
    QFile f(caminho);
    Exigir(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

void Escrever(const QString& caminho, const std::string& bytes) {
    QFile f(caminho);
    Exigir(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Exigir(f.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    mConst::DefinirRegionais(TFormatSettings::Brasileiro());
    return 0;
}

// Input: how to open (by mark, or in one of the four encodings), the file's bytes, then the
// operations.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider dados(data, size);
    const int abertura = dados.ConsumeIntegralInRange(0, 4);
    const std::string conteudo = dados.ConsumeRandomLengthString(8192);
    const QString arquivo = Arquivo();
    Escrever(arquivo, conteudo);

    QStringList salvas;
    TCodificacao codificacao;
    {
        std::unique_ptr<TmConfig> cfg;
        if (abertura == 0) {
            cfg = std::make_unique<TmConfig>(arquivo, true);
            codificacao = CodificacaoPelaMarca(QByteArray::fromStdString(conteudo));
        } else {
            codificacao = TCodificacao(abertura - 1);
            cfg = std::make_unique<TmConfig>(arquivo, codificacao);
        }
        Exigir(cfg->TotalLinhas() == cfg->Lista().size());
        for (int n = 0; n < 64 && dados.remaining_bytes() > 0; ++n)
            Operar(*cfg, dados);
        cfg->SetModificado(true);
        cfg->Flush();
        Exigir(!cfg->Modificado());
        salvas = cfg->Lista();
    }

    const QByteArray gravado = Ler(arquivo);
    Exigir(gravado.startsWith(MarcaDaCodificacao(codificacao)));
    Exigir(salvas.isEmpty()
               ? gravado == MarcaDaCodificacao(codificacao)
               : gravado.endsWith(codificacao == TCodificacao::Utf16BE   ? QByteArray("\0\r\0\n", 4)
                                  : codificacao == TCodificacao::Utf16LE ? QByteArray("\r\0\n\0", 4)
                                                                         : QByteArray("\r\n")));

    const QStringList esperadas = Esperadas(salvas);
    Exigir(TmConfig(arquivo, codificacao).Lista() == esperadas);
    const TCodificacao pelaMarca = CodificacaoPelaMarca(gravado);
    if (pelaMarca == codificacao)
        Exigir(TmConfig(arquivo, true).Lista() == esperadas);
    else
        Exigir(codificacao == TCodificacao::Ansi);
    return 0;
}
