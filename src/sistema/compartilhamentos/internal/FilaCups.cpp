#include "sistema/compartilhamentos/internal/FilaCups.h"

#include <cups/cups.h>

#include <memory>
#include <thread>

namespace {

constexpr int kPrazoConexaoMs = 30000;

const char* SemSenha(const char*, http_t*, const char*, const char*, void*) {
    return nullptr;
}

// Sends the request (taking it) on a connection of its own to the configured server; true when
// the server did what was asked. It runs on a thread of its own: libcups keeps the server, the
// password callback and the last error per thread, so the caller's own CUPS settings (a print
// dialog's password prompt) stay as they were, and a changed server setting is always read.
bool Enviar(ipp_t* pedido, QString& motivo) {
    bool feito = false;
    std::thread([&] {
        cupsSetPasswordCB2(SemSenha, nullptr);
        const std::unique_ptr<http_t, decltype(&httpClose)> conexao(
            httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                         kPrazoConexaoMs, nullptr),
            &httpClose);
        if (!conexao) {
            ippDelete(pedido);
            motivo = QStringLiteral("the printing system (CUPS) at %1 does not answer")
                         .arg(QString::fromUtf8(cupsServer()));
            return;
        }
        ippDelete(cupsDoRequest(conexao.get(), pedido, "/admin/"));
        feito = cupsLastError() <= IPP_STATUS_OK_CONFLICTING;
        if (!feito)
            motivo = QStringLiteral("the printing system refused: ") +
                     QString::fromUtf8(cupsLastErrorString());
    }).join();
    return feito;
}

ipp_t* Pedido(ipp_op_t operacao, const QString& fila) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/printers/%s", fila.toUtf8().constData());
    ipp_t* pedido = ippNewRequest(operacao);
    ippAddString(pedido, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(pedido, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    return pedido;
}

}  // namespace

namespace FilaCups {

bool Adicionar(const QString& asFila, const QString& asDispositivo, QString& asMotivo) {
    ipp_t* pedido = Pedido(IPP_OP_CUPS_ADD_MODIFY_PRINTER, asFila);
    ippAddString(pedido, IPP_TAG_PRINTER, IPP_TAG_URI, "device-uri", nullptr,
                 asDispositivo.toUtf8().constData());
    ippAddInteger(pedido, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state", IPP_PSTATE_IDLE);
    ippAddBoolean(pedido, IPP_TAG_PRINTER, "printer-is-accepting-jobs", 1);
    return Enviar(pedido, asMotivo);
}

bool Remover(const QString& asFila, QString& asMotivo) {
    return Enviar(Pedido(IPP_OP_CUPS_DELETE_PRINTER, asFila), asMotivo);
}

}  // namespace FilaCups
