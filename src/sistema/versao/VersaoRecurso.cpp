#include "sistema/versao/VersaoRecurso.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <vector>

namespace {

// A version block's length is a 16-bit field: no block is larger.
constexpr quint32 TamanhoMaximoBloco = 0xFFFF;
constexpr quint16 RtVersion = 16;
constexpr quint32 BitAlto = 0x80000000u;

template <typename T>
T le(const QByteArray& dados, qsizetype pos) {
    return qFromLittleEndian<T>(dados.constData() + pos);
}

qsizetype alinhar4(qsizetype pos) {
    return (pos + 3) & ~qsizetype(3);
}

// Bounded reads from a file: every request that does not lie wholly inside it fails.
class Arquivo {
public:
    explicit Arquivo(const QString& nome) : arquivo(nome) {
        aberto = arquivo.open(QIODevice::ReadOnly) && !arquivo.isSequential();
        tamanho = aberto ? quint64(arquivo.size()) : 0;
    }
    bool Aberto() const { return aberto; }

    std::optional<QByteArray> Trecho(quint64 inicio, quint64 bytes) {
        if (inicio > tamanho || bytes > tamanho - inicio || !arquivo.seek(qint64(inicio)))
            return std::nullopt;
        QByteArray dados = arquivo.read(qint64(bytes));
        if (quint64(dados.size()) != bytes)
            return std::nullopt;
        return dados;
    }

private:
    QFile arquivo;
    bool aberto = false;
    quint64 tamanho = 0;
};

// ---- PE files ----

struct SecaoPe {
    quint32 enderecoVirtual, tamanhoVirtual, tamanhoBruto, deslocamentoBruto;
};

// The resource tree of a PE file, addressed by RVA through its section table.
class RecursosPe {
public:
    RecursosPe(Arquivo& arquivo, std::vector<SecaoPe> secoes, quint32 raiz)
        : arquivo(arquivo), secoes(std::move(secoes)), raiz(raiz) {}

    // The bytes at [rva, rva + bytes), when they lie wholly inside one section's file data.
    std::optional<QByteArray> Ler(quint32 rva, quint32 bytes) {
        for (const SecaoPe& s : secoes) {
            const quint32 extensao = s.tamanhoVirtual ? s.tamanhoVirtual : s.tamanhoBruto;
            if (rva < s.enderecoVirtual || rva - s.enderecoVirtual >= extensao)
                continue;
            const quint64 dentro = rva - s.enderecoVirtual;
            if (dentro + bytes > std::min(extensao, s.tamanhoBruto))
                return std::nullopt;
            return arquivo.Trecho(quint64(s.deslocamentoBruto) + dentro, bytes);
        }
        return std::nullopt;
    }

    // Entries (name or id, offset) of the directory at offset `deslocamento` of the tree.
    std::optional<QByteArray> Entradas(quint32 deslocamento) {
        const auto cabecalho = LerDaRaiz(deslocamento, 16);
        if (!cabecalho)
            return std::nullopt;
        const quint32 quantas = quint32(le<quint16>(*cabecalho, 12)) + le<quint16>(*cabecalho, 14);
        return LerDaRaiz(deslocamento + 16, quantas * 8);
    }

    std::optional<QByteArray> LerDaRaiz(quint32 deslocamento, quint32 bytes) {
        if (deslocamento > 0xFFFFFFFFu - raiz)
            return std::nullopt;
        return Ler(raiz + deslocamento, bytes);
    }

private:
    Arquivo& arquivo;
    std::vector<SecaoPe> secoes;
    quint32 raiz;
};

// Offset of the subdirectory an entry points to; nothing when it points to data instead.
std::optional<quint32> subdiretorio(const QByteArray& entradas, qsizetype indice) {
    const quint32 alvo = le<quint32>(entradas, indice * 8 + 4);
    if (!(alvo & BitAlto))
        return std::nullopt;
    return alvo & ~BitAlto;
}

// Type RT_VERSION, its first name or id, that one's first language: the data's RVA and size.
std::optional<QByteArray> dadosVersaoPe(RecursosPe& recursos) {
    const auto tipos = recursos.Entradas(0);
    if (!tipos)
        return std::nullopt;
    std::optional<quint32> nomes;
    for (qsizetype i = 0; i < tipos->size() / 8 && !nomes; ++i) {
        if (le<quint32>(*tipos, i * 8) == RtVersion)
            nomes = subdiretorio(*tipos, i);
    }
    const auto listaNomes = nomes ? recursos.Entradas(*nomes) : std::nullopt;
    if (!listaNomes || listaNomes->isEmpty())
        return std::nullopt;
    const auto idiomas = subdiretorio(*listaNomes, 0);
    const auto listaIdiomas = idiomas ? recursos.Entradas(*idiomas) : std::nullopt;
    if (!listaIdiomas || listaIdiomas->isEmpty() || subdiretorio(*listaIdiomas, 0))
        return std::nullopt;
    const auto dados = recursos.LerDaRaiz(le<quint32>(*listaIdiomas, 4), 16);
    if (!dados)
        return std::nullopt;
    return recursos.Ler(le<quint32>(*dados, 0),
                        std::min(le<quint32>(*dados, 4), TamanhoMaximoBloco));
}

std::optional<QByteArray> dadosPe(Arquivo& arquivo, const QByteArray& dos) {
    const quint32 pe = le<quint32>(dos, 0x3C);
    const auto cabecalho = arquivo.Trecho(pe, 24);
    if (!cabecalho || !cabecalho->startsWith(QByteArrayView("PE\0\0", 4)))
        return std::nullopt;
    const quint16 quantasSecoes = le<quint16>(*cabecalho, 6);
    const quint16 tamanhoOpcional = le<quint16>(*cabecalho, 20);
    const auto opcional = arquivo.Trecho(quint64(pe) + 24, tamanhoOpcional);
    if (!opcional || opcional->size() < 2)
        return std::nullopt;
    // The data directories follow the optional header's fixed part, whose size depends on the
    // format; the resource directory is the third.
    const quint16 formato = le<quint16>(*opcional, 0);
    const qsizetype diretorios = formato == 0x10b ? 96 : formato == 0x20b ? 112 : -1;
    if (diretorios < 0 || opcional->size() < diretorios + 3 * 8 ||
        le<quint32>(*opcional, diretorios - 4) < 3)
        return std::nullopt;
    const quint32 raiz = le<quint32>(*opcional, diretorios + 2 * 8);
    const auto tabela = arquivo.Trecho(quint64(pe) + 24 + tamanhoOpcional, quantasSecoes * 40u);
    if (!tabela || raiz == 0)
        return std::nullopt;
    std::vector<SecaoPe> secoes;
    for (qsizetype i = 0; i < quantasSecoes; ++i) {
        const qsizetype s = i * 40;
        secoes.push_back({le<quint32>(*tabela, s + 12), le<quint32>(*tabela, s + 8),
                          le<quint32>(*tabela, s + 16), le<quint32>(*tabela, s + 20)});
    }
    RecursosPe recursos(arquivo, std::move(secoes), raiz);
    return dadosVersaoPe(recursos);
}

// ---- ELF files ----

std::optional<QByteArray> dadosElf(Arquivo& arquivo, const QByteArray& cabecalho) {
    constexpr quint16 TamanhoSecao = 64;
    constexpr quint32 ShtNobits = 8;
    const bool elf64Le = cabecalho[4] == 2 && cabecalho[5] == 1;
    const quint64 tabela = le<quint64>(cabecalho, 0x28);
    const quint16 quantas = le<quint16>(cabecalho, 0x3C);
    const quint16 nomes = le<quint16>(cabecalho, 0x3E);
    if (!elf64Le || le<quint16>(cabecalho, 0x3A) != TamanhoSecao || nomes >= quantas)
        return std::nullopt;
    const auto secoes = arquivo.Trecho(tabela, quint64(quantas) * TamanhoSecao);
    if (!secoes)
        return std::nullopt;
    const quint64 inicioNomes = le<quint64>(*secoes, nomes * TamanhoSecao + 24);
    const quint64 tamanhoNomes = le<quint64>(*secoes, nomes * TamanhoSecao + 32);
    const QByteArrayView procurado(VersaoRecurso::SecaoElf, sizeof VersaoRecurso::SecaoElf);
    for (qsizetype i = 0; i < quantas; ++i) {
        const qsizetype s = i * TamanhoSecao;
        const quint32 nome = le<quint32>(*secoes, s);
        if (nome > tamanhoNomes || tamanhoNomes - nome < quint64(procurado.size()) ||
            le<quint32>(*secoes, s + 4) == ShtNobits ||
            arquivo.Trecho(inicioNomes + nome, procurado.size()) != procurado.toByteArray())
            continue;
        return arquivo.Trecho(le<quint64>(*secoes, s + 24),
                              std::min<quint64>(le<quint64>(*secoes, s + 32), TamanhoMaximoBloco));
    }
    return std::nullopt;
}

// ---- The VS_VERSIONINFO tree ----

// One node: wLength, wValueLength, wType, NUL-terminated UTF-16 key, padding, value, padding,
// children. Offsets are relative to the block, whose start is 32-bit aligned.
struct No {
    qsizetype fim;  // wLength bytes after the node's start
    QString chave;
    QByteArray valor;
    qsizetype filhos;  // where the first child would start
};

std::optional<No> lerNo(const QByteArray& bloco, qsizetype inicio, qsizetype limite) {
    if (inicio + 6 > limite)
        return std::nullopt;
    const quint16 comprimento = le<quint16>(bloco, inicio);
    const quint16 tamanhoValor = le<quint16>(bloco, inicio + 2);
    const bool texto = le<quint16>(bloco, inicio + 4) == 1;
    if (comprimento < 6 || comprimento > limite - inicio)
        return std::nullopt;
    No no{inicio + comprimento, {}, {}, 0};
    qsizetype pos = inicio + 6;
    for (; pos + 2 <= no.fim && le<quint16>(bloco, pos) != 0; pos += 2)
        no.chave += QChar(le<quint16>(bloco, pos));
    if (pos + 2 > no.fim)
        return std::nullopt;
    // Text values count 16-bit characters, others bytes; a value never reaches past its node.
    const qsizetype inicioValor = std::min(alinhar4(pos + 2), no.fim);
    const qsizetype fimValor =
        std::min(inicioValor + qsizetype(tamanhoValor) * (texto ? 2 : 1), no.fim);
    no.valor = bloco.sliced(inicioValor, fimValor - inicioValor);
    no.filhos = alinhar4(fimValor);
    return no;
}

std::optional<No> filho(const QByteArray& bloco, const No& pai, const QString& chave) {
    for (qsizetype pos = pai.filhos;;) {
        auto no = lerNo(bloco, pos, pai.fim);
        if (!no || no->chave.compare(chave, Qt::CaseInsensitive) == 0)
            return no;
        pos = alinhar4(no->fim);
    }
}

// The block at the start of a resource's data, when it is a well-formed VS_VERSIONINFO root.
QByteArray blocoValido(const QByteArray& dados) {
    const auto raiz = lerNo(dados, 0, dados.size());
    if (!raiz || raiz->chave != QLatin1String("VS_VERSION_INFO"))
        return {};
    return dados.left(raiz->fim);
}

QByteArray lerBloco(const QString& asArquivo) {
    Arquivo arquivo(asArquivo);
    if (!arquivo.Aberto())
        return {};
    std::optional<QByteArray> dados;
    if (const auto dos = arquivo.Trecho(0, 64); dos && dos->startsWith("MZ"))
        dados = dadosPe(arquivo, *dos);
    else if (dos && dos->startsWith("\x7f"
                                    "ELF"))
        dados = dadosElf(arquivo, *dos);
    return dados ? blocoValido(*dados) : QByteArray();
}

}  // namespace

namespace VersaoRecurso {

quint32 Tamanho(const QString& asArquivo) {
    return quint32(lerBloco(asArquivo).size());
}

bool Ler(const QString& asArquivo, QByteArray& aBloco) {
    aBloco = lerBloco(asArquivo);
    return !aBloco.isEmpty();
}

std::optional<QByteArray> Consultar(const QByteArray& aBloco, const QString& asSubBloco) {
    auto no = lerNo(aBloco, 0, aBloco.size());
    for (const QString& parte : asSubBloco.split(u'\\', Qt::SkipEmptyParts)) {
        if (!no)
            break;
        no = filho(aBloco, *no, parte);
    }
    if (!no)
        return std::nullopt;
    return no->valor;
}

std::optional<quint32> Traducao(const QByteArray& aBloco) {
    const auto valor = Consultar(aBloco, QStringLiteral("\\VarFileInfo\\Translation"));
    if (!valor || valor->size() < 4)
        return std::nullopt;
    return le<quint32>(*valor, 0);
}

std::optional<QString> TextoDaTabela(const QByteArray& aBloco, const QString& asChave) {
    const auto traducao = Traducao(aBloco);
    if (!traducao)
        return std::nullopt;
    const auto hex4 = [](quint32 valor) {
        return QString::number(valor, 16).rightJustified(4, u'0');
    };
    const QString caminho = QStringLiteral("\\StringFileInfo\\") + hex4(*traducao & 0xFFFF) +
                            hex4(*traducao >> 16) + u'\\' + asChave;
    const auto valor = Consultar(aBloco, caminho);
    if (!valor)
        return std::nullopt;
    QString texto;
    for (qsizetype pos = 0; pos + 2 <= valor->size() && le<quint16>(*valor, pos) != 0; pos += 2)
        texto += QChar(le<quint16>(*valor, pos));
    return texto;
}

std::optional<QString> TextoDoArquivo(const QString& asArquivo, const QString& asChave) {
    QByteArray bloco;
    if (!Ler(asArquivo, bloco))
        return std::nullopt;
    return TextoDaTabela(bloco, asChave);
}

}  // namespace VersaoRecurso
