#include "sistema/formatacao/TmStrCodifica.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr QChar kSemByte = u'?';
constexpr QChar kEscapeTransporte = u'æ';
constexpr QChar kEscapeTransporteEscapado = u'¾';

// The byte a character carries in the 8-bit encodings: "?" for one above 255.
std::uint8_t Byte(QChar c) {
    return static_cast<std::uint8_t>(c.unicode() <= 0xFF ? c.unicode() : kSemByte.unicode());
}

// The low 8 bits of the character's code, what Base64 and the compressor have always carried.
std::uint8_t OitoBitsBaixos(QChar c) {
    return static_cast<std::uint8_t>(c.unicode() & 0xFF);
}

int ValorHexa(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

// The code in upper-case hexadecimal, at least two digits.
QString DigitosHexa(char16_t codigo) {
    return QStringLiteral("%1").arg(codigo, 2, 16, QLatin1Char('0')).toUpper();
}

// The character of two hexadecimal digits at inicio; none when they are not two digits.
int CodigoHexa(QStringView texto, qsizetype inicio) {
    if (inicio + 1 >= texto.size())
        return -1;
    const int alto = ValorHexa(texto[inicio]);
    const int baixo = ValorHexa(texto[inicio + 1]);
    return alto < 0 || baixo < 0 ? -1 : alto * 16 + baixo;
}

// ---- The compressor's symbols ----
constexpr QStringView kFrequentes = u"etaonirshdl";  // codes 4 to 14
constexpr int kPrimeiroFrequente = 4;
constexpr int kEscape = 15;
constexpr int kSimbolosPorByte = 4;

class TEmpacotador {
public:
    void Simbolo(int simbolo) {
        const int posicao = simbolos_++ % kSimbolosPorByte;
        if (posicao == 0)
            bytes_.append('\0');
        bytes_.back() = static_cast<char>(bytes_.back() | simbolo << (6 - 2 * posicao));
    }
    void Codigo(int codigo) {
        Simbolo(codigo >> 2);
        Simbolo(codigo & 3);
    }
    void Escapado(std::uint8_t byte) {
        Codigo(kEscape);
        Codigo(byte >> 4);
        Codigo(byte & 0xF);
    }
    QString Texto() const { return QString::fromLatin1(bytes_); }

private:
    QByteArray bytes_;
    qsizetype simbolos_ = 0;
};

class TDesempacotador {
public:
    explicit TDesempacotador(QStringView dados) : dados_(dados) {}
    qsizetype Restantes() const { return dados_.size() * kSimbolosPorByte - lidos_; }
    int Simbolo() {
        const std::uint8_t byte = Byte(dados_[lidos_ / kSimbolosPorByte]);
        const int posicao = lidos_++ % kSimbolosPorByte;
        return (byte >> (6 - 2 * posicao)) & 3;
    }
    int Codigo() {
        const int alto = Simbolo();
        return alto << 2 | Simbolo();
    }

private:
    QStringView dados_;
    qsizetype lidos_ = 0;
};

}  // namespace

QString TmStr::DecimalToHex(int Decimal) {
    return QString::number(static_cast<std::uint32_t>(Decimal), 16).toUpper();
}

int TmStr::HexaToDecimal(QStringView HexaStr) {
    constexpr qsizetype kDigitosDe32Bits = 8;
    qsizetype inicio = 0;
    while (inicio < HexaStr.size() && HexaStr[inicio] == u'0')
        ++inicio;
    if (HexaStr.size() - inicio > kDigitosDe32Bits)
        return 0;
    std::uint32_t valor = 0;
    for (const QChar c : HexaStr.mid(inicio)) {
        const int digito = ValorHexa(c);
        if (digito < 0)
            return 0;
        valor = valor << 4 | static_cast<std::uint32_t>(digito);
    }
    return static_cast<int>(valor);
}

QString TmStr::DecToBin(int N) {
    if (N == 0)
        return QString(32, u'0');
    const QString binario = QString::number(std::llabs(static_cast<long long>(N)), 2);
    return N < 0 ? u'-' + binario : binario;
}

QString TmStr::Heximiza(QStringView Palavra) {
    QString out;
    out.reserve(Palavra.size() * 2);
    for (const QChar c : Palavra)
        out += DigitosHexa(Byte(c));
    return out;
}

QString TmStr::DesHeximiza(QStringView Palavra) {
    QString out;
    out.reserve(Palavra.size() / 2);
    for (qsizetype i = 0; i + 1 < Palavra.size(); i += 2) {
        if (const int codigo = CodigoHexa(Palavra, i); codigo >= 0)
            out += QChar(codigo);
    }
    return out;
}

QString TmStr::EncodeBase64(QStringView inStr) {
    QByteArray bytes;
    bytes.reserve(inStr.size());
    for (const QChar c : inStr)
        bytes.append(static_cast<char>(OitoBitsBaixos(c)));
    return QString::fromLatin1(bytes.toBase64());
}

QString TmStr::ComprimeString(QStringView Original) {
    TEmpacotador pacote;
    for (const QChar c : Original) {
        const qsizetype frequente = kFrequentes.indexOf(c);
        if (c == u' ')
            pacote.Simbolo(0);
        else if (frequente >= 0)
            pacote.Codigo(kPrimeiroFrequente + static_cast<int>(frequente));
        else
            pacote.Escapado(OitoBitsBaixos(c));
    }
    pacote.Escapado(0);
    return pacote.Texto();
}

QString TmStr::DescomprimeString(QStringView Original) {
    constexpr qsizetype kSimbolosDeUmEscapado = 4;
    TDesempacotador dados(Original);
    QString out;
    while (dados.Restantes() > 0) {
        const int primeiro = dados.Simbolo();
        if (primeiro == 0) {
            out += u' ';
            continue;
        }
        if (dados.Restantes() < 1)
            break;
        const int codigo = primeiro << 2 | dados.Simbolo();
        if (codigo != kEscape) {
            out += kFrequentes[codigo - kPrimeiroFrequente];
            continue;
        }
        if (dados.Restantes() < kSimbolosDeUmEscapado)
            break;
        const int alto = dados.Codigo();
        const int byte = alto << 4 | dados.Codigo();
        if (byte == 0 && dados.Restantes() < kSimbolosPorByte)
            break;
        out += QChar(byte);
    }
    return out;
}

QString TmStr::Asc2Ansi(QStringView Original) {
    QString out;
    out.reserve(Original.size());
    for (const QChar c : Original) {
        if (c == u'"')
            out += u'_';
        else if (c == u'\'')
            out += u'-';
        else if (c == u'`')
            out += u'~';
        else if (c >= u' ' && c <= u'~')
            out += c;
        else if (c == kEscapeTransporte)
            out += kEscapeTransporteEscapado;
        else
            out += kEscapeTransporte + DigitosHexa(c.unicode());
    }
    return out;
}

QString TmStr::Ansi2Asc(QStringView Original) {
    QString out;
    out.reserve(Original.size());
    for (qsizetype i = 0; i < Original.size(); ++i) {
        const QChar c = Original[i];
        const int codigo = c == kEscapeTransporte ? CodigoHexa(Original, i + 1) : -1;
        if (codigo >= 0) {
            out += QChar(codigo);
            i += 2;
        } else {
            out += c == kEscapeTransporteEscapado ? kEscapeTransporte : c;
        }
    }
    return out;
}
