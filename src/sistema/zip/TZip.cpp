#include "sistema/zip/TZip.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <zip.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <memory>
#include <vector>

#include "base/ArquivoInteiro.h"
#include "base/CaminhoWindows.h"
#include "base/EInOutError.h"
#include "base/internal/SistemaArquivos.h"
#include "sistema/arquivos/internal/Mascara.h"
#include "sistema/zip/DestinoSeguro.h"

thread_local QString UltimoErroZip;

namespace {

// Unpacking reads and writes in blocks of this size: large enough that the calls cost nothing
// beside inflating, small enough that no entry is ever held whole in memory.
constexpr qsizetype kBloco = 256 * 1024;

// The most one unpacking may write, all its entries together (see TZip.h).
constexpr quint64 kLimiteDescompactado = quint64(4) << 30;

// zlib's own default level, the one zip uses. libzip's default for deflate is the slowest, 9,
// which made packing take about twice as long as zip (docs/performance.md).
constexpr zip_uint32_t kNivelDeflate = 6;

QByteArray Nativo(const QString& caminho) {
    return QFile::encodeName(caminho);
}

[[noreturn]] void Falhar(const QString& texto) {
    throw EInOutError(texto);
}

// Runs an operation with the error convention of the unit: UltimoErroZip cleared first, the
// library's file errors turned into false and their text; anything else passes through.
template <typename Operacao>
bool Relatando(Operacao&& operacao) {
    UltimoErroZip.clear();
    try {
        return operacao();
    } catch (const EInOutError& erro) {
        UltimoErroZip = erro.Mensagem();
        return false;
    }
}

// An open archive, discarded (nothing written, any partial output removed) unless Fechar
// committed it. One opened to be written is built in a new file beside its name (holding the old
// archive when entries are added to one) and installed over the name only once whole and synced.
class Arquivo {
public:
    Arquivo(const QString& caminho, int modo) : caminho_(caminho) {
        if (modo & ZIP_CREATE)
            modo = PrepararTemporario(modo);
        int codigo = 0;
        zip_ = zip_open(Nativo(temporario_.isEmpty() ? caminho : temporario_).constData(), modo,
                        &codigo);
        if (!zip_) {
            zip_error_t erro;
            zip_error_init_with_code(&erro, codigo);
            const QString motivo = QString::fromUtf8(zip_error_strerror(&erro));
            zip_error_fini(&erro);
            Falhar(QStringLiteral("Não foi possível abrir o arquivo zip \"%1\": %2")
                       .arg(caminho, motivo));
        }
    }
    ~Arquivo() {
        if (zip_)
            zip_discard(zip_);
        if (!temporario_.isEmpty())
            ::unlink(Nativo(temporario_).constData());
    }
    Arquivo(const Arquivo&) = delete;
    Arquivo& operator=(const Arquivo&) = delete;

    zip_t* operator*() const { return zip_; }
    QString Motivo() const { return QString::fromUtf8(zip_strerror(zip_)); }

    // Writes the archive and installs it at its name; a failed sync is a failure too.
    void Fechar() {
        if (zip_close(zip_) != 0)
            Falhar(QStringLiteral("Não foi possível gravar o arquivo zip \"%1\": %2")
                       .arg(caminho_, Motivo()));
        zip_ = nullptr;
        if (const auto falha = SistemaArquivos::Instalar(temporario_, caminho_))
            Falhar(falha->Texto());
        temporario_.clear();
    }

private:
    // Creates the file the archive is built in, holding the old archive unless modo truncates
    // it, and answers the mode to open it with.
    int PrepararTemporario(int modo) {
        QByteArray antigo;
        if (QFile arquivo(caminho_); !(modo & ZIP_TRUNCATE) && arquivo.exists()) {
            if (!arquivo.open(QIODevice::ReadOnly))
                Falhar(QStringLiteral("Não foi possível abrir o arquivo zip \"%1\": %2")
                           .arg(caminho_, arquivo.errorString()));
            antigo = arquivo.readAll();
        }
        if (const auto falha = ArquivoInteiro::Preparar(caminho_, antigo, temporario_))
            Falhar(falha->Texto());
        return antigo.isEmpty() ? modo | ZIP_TRUNCATE : modo;
    }

    QString caminho_;
    QString temporario_;  // where a written archive is built until Fechar installs it
    zip_t* zip_ = nullptr;
};

// ---- Packing ----

// What the files of one pack share: the progress callback and the exception it threw, kept
// here while libzip unwinds (an exception must not cross its C frames) and rethrown afterwards.
struct Empacotamento {
    const TZipProgressEvent& gauge;
    std::exception_ptr excecao;
};

// A file on disk as a libzip source, read when the archive is written (at Fechar), reporting its
// progress block by block.
struct FonteArquivo {
    Empacotamento& pacote;
    QString caminho;
    TZipHeader header;
    time_t modificado;
    int fd = -1;
    qint64 lidos = 0;
    zip_error_t erro{};

    zip_int64_t Falha(int codigo, int sistema) {
        zip_error_set(&erro, codigo, sistema);
        return -1;
    }

    zip_int64_t Ler(void* dados, zip_uint64_t tamanho) {
        ssize_t n;
        do
            n = ::read(fd, dados, tamanho);
        while (n < 0 && errno == EINTR);
        if (n < 0)
            return Falha(ZIP_ER_READ, errno);
        lidos += n;
        if (n > 0 && pacote.gauge) {
            try {
                pacote.gauge(caminho, header, lidos);
            } catch (...) {
                pacote.excecao = std::current_exception();
                return Falha(ZIP_ER_CANCELLED, 0);
            }
        }
        return n;
    }

    zip_int64_t Atender(void* dados, zip_uint64_t tamanho, zip_source_cmd_t comando) {
        switch (comando) {
            case ZIP_SOURCE_OPEN:
                fd = ::open(Nativo(caminho).constData(), O_RDONLY | O_CLOEXEC);
                lidos = 0;
                return fd < 0 ? Falha(ZIP_ER_OPEN, errno) : 0;
            case ZIP_SOURCE_READ:
                return Ler(dados, tamanho);
            case ZIP_SOURCE_CLOSE:
                ::close(fd);
                fd = -1;
                return 0;
            case ZIP_SOURCE_STAT: {
                auto* st = ZIP_SOURCE_GET_ARGS(zip_stat_t, dados, tamanho, &erro);
                if (!st)
                    return -1;
                zip_stat_init(st);
                st->valid = ZIP_STAT_SIZE | ZIP_STAT_MTIME;
                st->size = header.UncompressedSize;
                st->mtime = modificado;
                return sizeof(zip_stat_t);
            }
            case ZIP_SOURCE_ERROR:
                return zip_error_to_data(&erro, dados, tamanho);
            case ZIP_SOURCE_FREE:
                if (fd >= 0)
                    ::close(fd);
                delete this;
                return 0;
            case ZIP_SOURCE_SUPPORTS:
                return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ,
                                                      ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                                      ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
            default:
                return Falha(ZIP_ER_OPNOTSUPP, 0);
        }
    }

    static zip_int64_t Chamada(void* estado, void* dados, zip_uint64_t tamanho,
                               zip_source_cmd_t comando) {
        return static_cast<FonteArquivo*>(estado)->Atender(dados, tamanho, comando);
    }
};

void Adicionar(Arquivo& zip, const QString& caminho, Empacotamento& pacote) {
    struct stat info {};
    if (::stat(Nativo(caminho).constData(), &info) != 0)
        Falhar(QStringLiteral("Arquivo para compactar não encontrado: \"%1\"").arg(caminho));
    const QString nome = QFileInfo(caminho).fileName();
    auto* fonte = new FonteArquivo{pacote, caminho, {nome, quint64(info.st_size)}, info.st_mtime};
    zip_source_t* origem = zip_source_function(*zip, &FonteArquivo::Chamada, fonte);
    if (!origem) {
        delete fonte;
        Falhar(QStringLiteral("Não foi possível adicionar \"%1\" ao arquivo zip: %2")
                   .arg(caminho, zip.Motivo()));
    }
    const zip_int64_t indice =
        zip_file_add(*zip, nome.toUtf8().constData(), origem, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
    if (indice < 0)
        zip_source_free(origem);
    const quint32 atributos = quint32(info.st_mode & 0xFFFF) << 16;
    if (indice < 0 || zip_set_file_compression(*zip, indice, ZIP_CM_DEFLATE, kNivelDeflate) != 0 ||
        zip_file_set_external_attributes(*zip, indice, 0, ZIP_OPSYS_UNIX, atributos) != 0)
        Falhar(QStringLiteral("Não foi possível adicionar \"%1\" ao arquivo zip: %2")
                   .arg(caminho, zip.Motivo()));
}

// The files the list names: each path as it is, each mask's matches; never the archive itself.
QStringList ArquivosParaCompactar(const QStringList& lista, const QString& caminhoZip) {
    QStringList arquivos;
    for (const QString& entrada : lista) {
        if (entrada.contains(u'*') || entrada.contains(u'?')) {
            for (const QFileInfo& arquivo :
                 ArquivosInterno::Correspondencias(entrada, ArquivosInterno::TEntradas::Arquivos))
                arquivos += arquivo.absoluteFilePath();
            continue;
        }
        const QString caminho = CaminhoWindows::Mapear(entrada);
        if (!QFileInfo(caminho).isFile())
            Falhar(QStringLiteral("Arquivo para compactar não encontrado: \"%1\"").arg(caminho));
        arquivos += caminho;
    }
    const QString proprio = QFileInfo(caminhoZip).canonicalFilePath();
    if (!proprio.isEmpty())
        arquivos.removeIf(
            [&](const QString& a) { return QFileInfo(a).canonicalFilePath() == proprio; });
    return arquivos;
}

// ---- Unpacking ----

struct Entrada {
    zip_uint64_t indice;
    QString nome;
    DestinoSeguro::Caminho caminho;
    quint64 tamanho;
    std::optional<time_t> modificado;
    mode_t modo;
};

// The entries of the archive, each checked: one entry that would land outside the target folder
// refuses the whole archive, before anything is written.
std::vector<Entrada> ListarEntradas(const Arquivo& zip, const QString& caminhoZip) {
    std::vector<Entrada> entradas;
    const zip_int64_t total = zip_get_num_entries(*zip, 0);
    for (zip_int64_t i = 0; i < total; ++i) {
        zip_stat_t st;
        zip_uint8_t sistema = 0;
        zip_uint32_t atributos = 0;
        if (zip_stat_index(*zip, zip_uint64_t(i), 0, &st) != 0 ||
            zip_file_get_external_attributes(*zip, zip_uint64_t(i), 0, &sistema, &atributos) != 0)
            Falhar(QStringLiteral("Não foi possível ler o arquivo zip \"%1\": %2")
                       .arg(caminhoZip, zip.Motivo()));
        const QString nome = QString::fromUtf8((st.valid & ZIP_STAT_NAME) ? st.name : "");
        const mode_t modoUnix = sistema == ZIP_OPSYS_UNIX ? mode_t(atributos >> 16) : 0;
        const QString motivo = DestinoSeguro::MotivoRecusa(nome, S_ISLNK(modoUnix));
        if (!motivo.isEmpty())
            Falhar(QStringLiteral("Arquivo zip \"%1\" recusado: a entrada \"%2\" %3.")
                       .arg(caminhoZip, nome, motivo));
        const mode_t permissoes = modoUnix & 0777;
        entradas.push_back({zip_uint64_t(i), nome, DestinoSeguro::CaminhoRelativo(nome),
                            (st.valid & ZIP_STAT_SIZE) ? st.size : 0,
                            (st.valid & ZIP_STAT_MTIME) ? std::optional(st.mtime) : std::nullopt,
                            permissoes ? permissoes : mode_t(0666)});
    }
    return entradas;
}

struct FecharEntrada {
    void operator()(zip_file_t* arquivo) const { zip_fclose(arquivo); }
};

// Streams the entry into a new file beside its target, renamed over it once the whole entry
// was read, its CRC checked (by libzip at its end) and its size found as declared.
void Extrair(const Arquivo& zip, const Entrada& entrada, const QString& destino,
             const TZipProgressEvent& gauge) {
    const auto danificada = [&](const QString& motivo) {
        Falhar(QStringLiteral("Não foi possível ler a entrada \"%1\" do arquivo zip: %2")
                   .arg(entrada.nome, motivo));
    };
    std::unique_ptr<zip_file_t, FecharEntrada> leitor(zip_fopen_index(*zip, entrada.indice, 0));
    if (!leitor)
        danificada(zip.Motivo());
    DestinoSeguro::ArquivoNovo arquivo(destino, entrada.modo);
    const TZipHeader header{entrada.nome, entrada.tamanho};
    std::vector<char> bloco(kBloco);
    quint64 feitos = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(leitor.get(), bloco.data(), bloco.size());
        if (n < 0)
            danificada(QString::fromUtf8(zip_file_strerror(leitor.get())));
        if (n == 0)
            break;
        feitos += quint64(n);
        if (feitos > entrada.tamanho)
            break;
        arquivo.Escrever(bloco.data(), n);
        if (gauge)
            gauge(destino, header, qint64(feitos));
    }
    if (feitos != entrada.tamanho)
        danificada(QStringLiteral("tamanho diferente do declarado"));
    arquivo.Concluir(entrada.modificado);
}

// DirDestino as a path without a final separator (the root folder stays "/").
QString PastaSemBarra(const QString& DirDestino) {
    QString pasta = CaminhoWindows::Mapear(DirDestino);
    while (pasta.size() > 1 && pasta.endsWith(u'/'))
        pasta.chop(1);
    return pasta;
}

// The entries this unpacking writes: those the mask takes, less the files that exist when they
// are not to be overwritten.
std::vector<Entrada> Escolher(std::vector<Entrada> entradas, const QString& pasta,
                              bool sobrescrever, QString mascara) {
    mascara.replace(u'\\', u'/');
    std::erase_if(entradas, [&](const Entrada& entrada) {
        const QString relativo = entrada.caminho.partes.join(u'/');
        return (!mascara.isEmpty() && !ArquivosInterno::Corresponde(relativo, mascara)) ||
               (!entrada.caminho.pasta && !sobrescrever &&
                QFileInfo::exists(pasta + u'/' + relativo));
    });
    return entradas;
}

// The bytes this user may still write on the file system of pasta, or of its nearest existing
// folder when it is still to be made.
quint64 EspacoLivre(QString pasta) {
    struct statvfs sistema {};
    while (::statvfs(Nativo(pasta).constData(), &sistema) != 0) {
        const int erro = errno;
        const QString acima = QFileInfo(pasta).path();
        if ((erro != ENOENT && erro != ENOTDIR) || acima == pasta)
            Falhar(QStringLiteral("Não foi possível ver o espaço livre em \"%1\": %2")
                       .arg(pasta, QString::fromLocal8Bit(strerror(erro))));
        pasta = acima;
    }
    return quint64(sistema.f_bavail) * sistema.f_frsize;
}

// Refuses, before anything is written, entries that together declare more than the limit or
// than the free space of the target: overlapping entries are refused when the archive is
// opened, so what an entry may write is what it declares (Extrair holds it to that).
void ConferirTamanho(const QString& caminhoZip, const std::vector<Entrada>& entradas,
                     const QString& pasta) {
    quint64 total = 0;
    for (const Entrada& entrada : entradas) {
        total += std::min(entrada.tamanho, kLimiteDescompactado + 1);
        if (total > kLimiteDescompactado)
            Falhar(QStringLiteral("Arquivo zip \"%1\" recusado: declara mais de %2 bytes "
                                  "descompactados, o limite.")
                       .arg(caminhoZip)
                       .arg(kLimiteDescompactado));
    }
    const quint64 livre = EspacoLivre(pasta);
    if (total > livre)
        Falhar(QStringLiteral("Arquivo zip \"%1\" recusado: declara %2 bytes descompactados e "
                              "há %3 livres em \"%4\".")
                   .arg(caminhoZip)
                   .arg(total)
                   .arg(livre)
                   .arg(pasta));
}

// Where a file entry is written: its folders created below raiz, then its name.
QString LocalDoArquivo(const QString& raiz, const QStringList& partes) {
    return DestinoSeguro::CriarPastas(raiz, partes.first(partes.size() - 1)) + u'/' + partes.last();
}

}  // namespace

bool TZip::Compactar(const QString& NomeArquivoParaCompactarAceitaMascara,
                     const QString& NomeArquivoZip, const TZipProgressEvent& GaugeCallBack,
                     const TOnMensagemEvent& MensagemCallBack, bool isAdicionar) {
    return Compactar(QStringList{NomeArquivoParaCompactarAceitaMascara}, NomeArquivoZip,
                     GaugeCallBack, MensagemCallBack, isAdicionar);
}

bool TZip::Compactar(const QStringList& ListaArquivos, const QString& NomeArquivoZip,
                     const TZipProgressEvent& GaugeCallBack,
                     const TOnMensagemEvent& MensagemCallBack, bool isAdicionar) {
    return Relatando([&] {
        const QString caminhoZip = CaminhoWindows::Mapear(NomeArquivoZip);
        const QStringList arquivos = ArquivosParaCompactar(ListaArquivos, caminhoZip);
        if (arquivos.isEmpty())
            Falhar(QStringLiteral("Nenhum arquivo para compactar em \"%1\".").arg(caminhoZip));
        Arquivo zip(caminhoZip, isAdicionar ? ZIP_CREATE : ZIP_CREATE | ZIP_TRUNCATE);
        Empacotamento pacote{GaugeCallBack, {}};
        for (const QString& arquivo : arquivos) {
            if (MensagemCallBack)
                MensagemCallBack(arquivo);
            Adicionar(zip, arquivo, pacote);
        }
        try {
            zip.Fechar();
        } catch (const EInOutError&) {
            if (pacote.excecao)
                std::rethrow_exception(pacote.excecao);
            throw;
        }
        return true;
    });
}

bool TZip::DescompactarERetornarNomes(const QString& ArquivoZipOrigem, const QString& DirDestino,
                                      bool Overwrite, const TZipProgressEvent& GaugeCallBack,
                                      const TOnMensagemEvent& MensagemCallBack,
                                      const QString& MascaraArquivosDescompactar,
                                      QStringList* ArquivosDescompactados) {
    if (ArquivosDescompactados)
        ArquivosDescompactados->clear();
    return Relatando([&] {
        const QString caminhoZip = CaminhoWindows::Mapear(ArquivoZipOrigem);
        // The consistency check refuses entries that share or overlap their data, the way a
        // small archive claims gigabytes without declaring them.
        const Arquivo zip(caminhoZip, ZIP_RDONLY | ZIP_CHECKCONS);
        const QString pasta = PastaSemBarra(DirDestino);
        const std::vector<Entrada> entradas = Escolher(ListarEntradas(zip, caminhoZip), pasta,
                                                       Overwrite, MascaraArquivosDescompactar);
        ConferirTamanho(caminhoZip, entradas, pasta);
        const QString raiz = DestinoSeguro::PrepararRaiz(pasta);
        for (const Entrada& entrada : entradas) {
            if (entrada.caminho.pasta) {
                DestinoSeguro::CriarPastas(raiz, entrada.caminho.partes);
                continue;
            }
            const QString nome = pasta + u'/' + entrada.caminho.partes.join(u'/');
            if (MensagemCallBack)
                MensagemCallBack(nome);
            Extrair(zip, entrada, LocalDoArquivo(raiz, entrada.caminho.partes), GaugeCallBack);
            if (ArquivosDescompactados)
                ArquivosDescompactados->append(nome);
        }
        return !ArquivosDescompactados || !ArquivosDescompactados->isEmpty();
    });
}

bool TZip::Descompactar(const QString& ArquivoZipOrigem, const QString& DirDestino, bool Overwrite,
                        const TZipProgressEvent& GaugeCallBack,
                        const TOnMensagemEvent& MensagemCallBack,
                        const QString& MascaraArquivosDescompactar) {
    return DescompactarERetornarNomes(ArquivoZipOrigem, DirDestino, Overwrite, GaugeCallBack,
                                      MensagemCallBack, MascaraArquivosDescompactar, nullptr);
}

bool TZip::DescompactarRetornarNomes(const QString& ArquivoZipOrigem, const QString& DirDestino,
                                     const QString& MascaraArquivosDescompactar,
                                     QStringList& Arquivos) {
    return DescompactarERetornarNomes(ArquivoZipOrigem, DirDestino, true, {}, {},
                                      MascaraArquivosDescompactar, &Arquivos);
}

bool TZip::DescompactarRetornarNome(const QString& ArquivoZipOrigem, const QString& DirDestino,
                                    const QString& MascaraArquivosDescompactar,
                                    QString& NomeArquivo) {
    QStringList arquivos;
    const bool resultado = DescompactarRetornarNomes(ArquivoZipOrigem, DirDestino,
                                                     MascaraArquivosDescompactar, arquivos);
    NomeArquivo = arquivos.value(0);
    return resultado;
}
