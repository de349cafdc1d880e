#!/usr/bin/env python3
"""Turns the JSON files of the benchmark programs into the table of ratios of docs/performance.md.

Usage: ratios.py RESULT.json... > table.md
Every figure is the median of the repetitions. A ratio is measured / baseline of the same run.
A benchmark that is missing from the results, or that skipped itself with an error, leaves its
row in the table as missing, and a row with a target is then not met.
"""
import json
import sys

# (what, measured, baseline, time kind, target as the largest ratio that passes, or None)
RATIOS = [
    ("Command 1 applied: 10 000 items / 1 000 items", "Comando1_Aplicar/10000", "Comando1_Aplicar/1000", "cpu_time", 11),
    ("Command 1 applied and painted: 10 000 items / 1 000 items", "Comando1_Quadro/10000", "Comando1_Quadro/1000", "cpu_time", None),
    ("Sale page repaint: 10 000 items / 10 items", "Comando1_Pintar/10000", "Comando1_Pintar/10", "cpu_time", None),
    ("Channel, 1 connection: channel / reference reader", "Canal/1/real_time", "Canal_LeitorReferencia/1/real_time", "real_time", 2),
    ("Channel, 100 connections: channel / reference reader", "Canal/100/real_time", "Canal_LeitorReferencia/100/real_time", "real_time", 2),
    ("Str2Curr / QLocale::toDouble", "Str2Curr", "Str2Curr_QLocaleToDouble", "cpu_time", 1),
    ("Str2Curr / std::from_chars", "Str2Curr", "Str2Curr_FromChars", "cpu_time", None),
    ("ToInt / QLocale::toInt", "ToInt", "ToInt_QLocaleToInt", "cpu_time", None),
    ("ToInt / std::from_chars", "ToInt", "ToInt_FromChars", "cpu_time", None),
    ('Formata "#,##0.00" / QLocale::toString', "Formata", "Formata_QLocaleToString", "cpu_time", 1),
    ('Formata "#,##0.00" / snprintf', "Formata", "Formata_Snprintf", "cpu_time", None),
    ("Separa (2 fields) / QString::split", "Separa", "Separa_QStringSplit", "cpu_time", 2),
    ("ListaSep splitting (11 fields) / QString::split", "ListaSep", "ListaSep_QStringSplit", "cpu_time", 2),
    ("ArredondaSimples / llround of the amount in cents", "ArredondaSimples", "ArredondaSimples_Llround", "cpu_time", 2),
    ("TmConfig open 10 000 new lines + 20 reads, warm process / QSettings INI", "TmConfigAbrirELer", "TmConfigAbrirELer_QSettingsIni", "cpu_time", 1),
    ("TmConfig first open 10 000 lines + 20 reads in a fresh process / QSettings INI", "TmConfigPrimeiraAbertura/iterations:30/manual_time", "TmConfigPrimeiraAbertura_QSettingsIni/iterations:30/manual_time", "real_time", 1),
    ("TmConfig reopen the unchanged file + 20 reads / QSettings INI", "TmConfigReabrirELer", "TmConfigReabrirELer_QSettingsIni", "cpu_time", 1),
    ("Extenso / QLocale::toString of the same amounts", "Extenso", "Extenso_QLocaleToString", "cpu_time", 15),
    ("XML: 20 fields of 1 000 invoices, key-path reader / QXmlStreamReader", "Xml_ElementoStr", "Xml_QXmlStreamReader", "cpu_time", 2),
    ("XML: 20 fields of the 101 KB invoice, loaded reader / one QXmlStreamReader pass", "Nfe101KB_VinteCampos", "Nfe101KB_QXmlStreamReader", "cpu_time", 1),
    ("XML: 136 paths of a 5 MB batch of invoices, loaded reader / one QXmlStreamReader pass", "Lote5MB_136Caminhos", "Lote5MB_QXmlStreamReader", "cpu_time", 1),
    ("GetStringInfo 10 000 words at 400 px / QTextLayout wrapping the same text", "GetStringInfo", "GetStringInfo_QTextLayout", "cpu_time", 3),
    ("XML entities decoded (ElementoStr of \"&amp;\"): 10 MB / 1 MB", "Xml_Entidades/10", "Xml_Entidades/1", "cpu_time", 12),
    ("resizeImage 4000x3000 JPEG to 800x600 / QImage::scaled smooth", "Redimensionar", "Redimensionar_QImageScaledSmooth", "cpu_time", 1.5),
    ("Log entry at a cap of 1 000 lines: 1 GiB log / 1 MiB log", "GravaLogs_Entrada/1024", "GravaLogs_Entrada/1", "cpu_time", 1.5),
    ("Zip: pack a 200 MB tree / zip -r -6", "Compactar/iterations:1/real_time", "Compactar_ZipR6/iterations:1/real_time", "real_time", 1.2),
    ("Zip: unpack a 200 MB tree / unzip", "Descompactar/iterations:1/real_time", "Descompactar_Unzip/iterations:1/real_time", "real_time", 1.2),
    ("A million CNPJs validated / bare check-digit loop", "ValidarCnpjs", "ValidarCnpjs_LacoNu", "cpu_time", 4),
    ("A million state registrations validated / bare check-digit loop", "ValidarInscricoes", "ValidarInscricoes_LacoNu", "cpu_time", 10),
    ("IsFeriado, every day of a century / QDate::dayOfWeek of the same days", "IsFeriadoSeculo", "IsFeriadoSeculo_QDateDayOfWeek", "cpu_time", 20),
    ("FTP: download 200 MB over loopback, time / curl", "FtpDownload/iterations:1/real_time", "FtpDownload_Curl/iterations:1/real_time", "real_time", 1.11),
    ("FTP: upload 200 MB over loopback, time / curl", "FtpUpload/iterations:1/real_time", "FtpUpload_Curl/iterations:1/real_time", "real_time", 1.11),
    ("POS connection accepted: allow-list of 100 networks / no list", "AceitarConexao/100/real_time", "AceitarConexao/0/real_time", "real_time", 1.05),
    ("Command 1 with 1 000 items: legible mode at 1920x1080 / designed grid at 1024x768", "Comando1_QuadroLegivel/1000", "Comando1_Quadro/1000", "cpu_time", None),
    ("Process list: count one name through /proc / pgrep -c", "ContarProcessos/real_time", "ContarProcessos_PgrepC/real_time", "real_time", 1),
    ("Dataset: 100 000 rows read by field name / bare QSqlQuery by column index (SQLite)", "DataSet_LerLinhas", "DataSet_LerLinhas_QSqlQuery", "cpu_time", 1.2),
    ("Delete a 100 000-file tree: DirectoryDelete / rm -rf", "Apagar_Arvore/iterations:1/real_time", "Apagar_Arvore_RmRf/iterations:1/real_time", "real_time", 1.5),
    ("Cold start to the first painted frame: display / bare Qt window", "PartidaDisplay/iterations:20/manual_time", "PartidaJanelaNua/iterations:20/manual_time", "real_time", 1.5),
    ("Cold start to the first painted frame: display / Qt window with one line of text", "PartidaDisplay/iterations:20/manual_time", "PartidaJanelaComTexto/iterations:20/manual_time", "real_time", None),
    ("Display start-up until it takes a connection: shared libraries / static archives", "Inicio/Compartilhado/iterations:30/manual_time", "Inicio/Estatico/iterations:30/manual_time", "real_time", 1.1),
    ("Customer's page: command applied to the state arriving in a WebSocket client / bare QWebSocket echo, median", "EstadoAoCliente/iterations:1000/manual_time", "EcoWebSocket/iterations:1000/manual_time", "mediana_ms", None),
    ("Customer's page: command applied to the state arriving in a WebSocket client / bare QWebSocket echo, 99th percentile", "EstadoAoCliente/iterations:1000/manual_time", "EcoWebSocket/iterations:1000/manual_time", "p99_ms", None),
    ("Command 1 with 1 000 items, window thread's CPU: 50 pages connected / none", "Comando1_Paginas/50/repeats:5", "Comando1_Paginas/0/repeats:5", "cpu_time", 1.1),
    ("Command 1 with 1 000 items, wall time: 50 pages connected / none", "Comando1_Paginas/50/repeats:5", "Comando1_Paginas/0/repeats:5", "real_time", None),
]

# (what, benchmark, field, unit, target as the largest value that passes, or None)
ABSOLUTES = [
    ("Command 1 with 1 000 items applied and painted, wall time", "Comando1_Quadro/1000", "real_time", "ms", 16.7),
    ("Command 1 with 1 000 items applied and painted, CPU time", "Comando1_Quadro/1000", "cpu_time", "ms", 16.7),
    ("PIX QR code: command P dispatched and the window painted, wall time", "PixExibir/real_time", "real_time", "ms", 16.7),
    ("PIX QR code: command Q (code built) dispatched and the window painted, wall time", "PixMontar/real_time", "real_time", "ms", 16.7),
    ("Command 1 with 1 000 items in legible mode at 1920x1080, wall time", "Comando1_QuadroLegivel/1000", "real_time", "ms", 16.7),
    ("Idle display: context switches per second (all threads)", "ProgramaOcioso/iterations:1/manual_time", "trocas_por_s", "/s", 1),
    ("Idle display after a sale: context switches per second", "ProgramaOcioso/iterations:1/manual_time", "trocas_por_s_com_venda", "/s", 1),
    ("Sleeping process (floor): context switches per second", "ProgramaOcioso_ProcessoDormindo/iterations:1/manual_time", "trocas_por_s", "/s", None),
    ("Idle display: resident memory", "ProgramaOcioso/iterations:1/manual_time", "rss_ocioso_MiB", "MiB", None),
    ("Display after the largest one-line sale: resident memory", "ProgramaOcioso/iterations:1/manual_time", "rss_venda_MiB", "MiB", None),
    ("Line written to the socket to the changed frame painted, median / the 100 ms hand-off", "CaminhoComando/iterations:1000/manual_time", "razao_mediana", "x", 1.2),
    ("Line written to the socket to the changed frame painted, 99th percentile / the 100 ms hand-off", "CaminhoComando/iterations:1000/manual_time", "razao_p99", "x", 1.2),
    ("Items in the largest one-line sale", "ProgramaOcioso/iterations:1/manual_time", "itens_venda", "", None),
    ("Customer's page: command applied to the state in a WebSocket client, median", "EstadoAoCliente/iterations:1000/manual_time", "mediana_ms", "ms", None),
    ("Customer's page: command applied to the state in a WebSocket client, 99th percentile", "EstadoAoCliente/iterations:1000/manual_time", "p99_ms", "ms", None),
    ("Bare QWebSocket echo over loopback, median", "EcoWebSocket/iterations:1000/manual_time", "mediana_ms", "ms", None),
    ("Bare QWebSocket echo over loopback, 99th percentile", "EcoWebSocket/iterations:1000/manual_time", "p99_ms", "ms", None),
]

TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def medians(paths):
    """The median of every benchmark that ran, in ms, and the error of every one that skipped."""
    result, skipped = {}, {}
    for path in paths:
        with open(path) as f:
            for b in json.load(f)["benchmarks"]:
                name = b.get("run_name", b["name"])
                if b.get("error_occurred"):
                    skipped[name] = b.get("error_message", "skipped")
                    continue
                if b.get("aggregate_name", "median") != "median":
                    continue
                for key in ("real_time", "cpu_time"):
                    b[key] = b[key] * TO_MS[b.get("time_unit", "ns")]  # in ms from here on
                result[name] = b
    return result, skipped


def missing(names, runs, skipped, field=None):
    """Why a row has no figure ("" when it has one): a benchmark skipped or absent."""
    for name in names:
        if name in skipped:
            return f"missing: {name} skipped ({skipped[name]})"
        if name not in runs or (field is not None and field not in runs[name]):
            return f"missing: {name} not in the results"
    return ""


def missing_row(what, why, target, unit=""):
    goal = f"<= {target}{unit}" if target is not None else "(for reference)"
    met = "**no**" if target is not None else ""
    print(f"| {what} | {why} | {goal} | {met} |")


def verdict(value, target):
    if target is None:
        return ""
    return "yes" if value <= target else "**no**"


def main():
    runs, skipped = medians(sys.argv[1:])
    print("| Measure | Ratio (median) | Target | Met |")
    print("|---|---|---|---|")
    for what, measured, baseline, kind, target in RATIOS:
        why = missing((measured, baseline), runs, skipped)
        if why:
            missing_row(what, why, target)
            continue
        ratio = runs[measured][kind] / runs[baseline][kind]
        goal = f"<= {target}" if target is not None else "(for reference)"
        print(f"| {what} | {ratio:.2f} | {goal} | {verdict(ratio, target)} |")
    print()
    print("| Measure | Value (median) | Target | Met |")
    print("|---|---|---|---|")
    for what, name, field, unit, target in ABSOLUTES:
        why = missing((name,), runs, skipped, field)
        if why:
            missing_row(what, why, target, f" {unit}")
            continue
        value = runs[name][field]
        goal = f"<= {target} {unit}" if target is not None else ""
        shown = f"{value:.0f}" if value == int(value) else f"{value:.2f}"
        print(f"| {what} | {shown} {unit} | {goal} | {verdict(value, target)} |")


if __name__ == "__main__":
    main()
