#pragma once
// The network from the program's side: whether a host answers, and texts and files over HTTP.
//
// Ping runs the system's ping program from an argument list, the address after "--", and only
// for an address that reads as an IPv4 or IPv6 address or a host name (letters, digits, "-" and
// "." in labels not starting with "-"): a text such as «-f» or «-c999999» never becomes an
// option. HTTP goes through libcurl with a connect time-out and a low-speed limit, following
// redirects. Bodies are decoded from UTF-8 whole, so a character is never split.

#include <QString>
#include <stdexcept>

#include "base/ErroComMensagem.h"
#include "base/mLib.h"
#include "sistema/ExportacaoSistemaRede.h"

// A transfer that failed: curl's message, or the server's status for an HTTP error.
class ERede : public TErroComMensagem<std::runtime_error> {
public:
    using TErroComMensagem::TErroComMensagem;
};

namespace TmRot {

// Up to Retries echo requests of BufferSize data bytes (0 to 65507), aSleep ms apart (waiting
// with Delay); true at the first answer. False for an address that is not one.
ORVANE_SISTEMAREDE_EXPORT bool Ping(const QString& Address, int Retries = 1, int BufferSize = 32,
                                    int aSleep = 0);
ORVANE_SISTEMAREDE_EXPORT bool EnderecoValido(const QString& Address);

// The body of a GET of asUrl, following redirects, with the library's browser user agent.
// ERede on failure.
ORVANE_SISTEMAREDE_EXPORT QString DownloadStrURL(const QString& asUrl);
// The same with "?" and now as "YYMMDDHHNNSS" added to an address without "?", so no cache
// answers for the server.
ORVANE_SISTEMAREDE_EXPORT QString GetStringFromUrl(const QString& URL);
// Downloads to a new file beside asDestFile, which replaces it only when the transfer is
// complete; a failure leaves the old file as it was. The address gets the same suffix as
// GetStringFromUrl. True when the file is there; on failure ERede when abShowException, else
// false.
ORVANE_SISTEMAREDE_EXPORT bool DownloadFileHTTP(const QString& asSourceFileUrl,
                                                const QString& asDestFile,
                                                bool abShowException = false);

// Whether the system reports a connection to the internet. NetworkManager's word where it
// runs (its state "connected, global"; a link to the local network only is no connection);
// without it, a default route (IPv4 or IPv6) through an interface other than loopback.
ORVANE_SISTEMAREDE_EXPORT bool StatusInternet();
// The default-route rule over the texts of /proc/net/route and /proc/net/ipv6_route.
ORVANE_SISTEMAREDE_EXPORT bool RotaPadrao(const QString& asRotasV4, const QString& asRotasV6);

}  // namespace TmRot
