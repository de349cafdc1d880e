#!/usr/bin/env python3
"""Turns the JSON files of the benchmark programs into the table of ratios of docs/performance.md.

Usage: ratios.py RESULT.json... > table.md
Every figure is the median of the repetitions. A ratio is measured / baseline of the same run.
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
    ("TmConfig open 10 000 new lines + 20 reads / QSettings INI", "TmConfigAbrirELer", "TmConfigAbrirELer_QSettingsIni", "cpu_time", 1),
    ("TmConfig reopen the unchanged file + 20 reads / QSettings INI", "TmConfigReabrirELer", "TmConfigReabrirELer_QSettingsIni", "cpu_time", 1),
    ("Extenso / QLocale::toString of the same amounts", "Extenso", "Extenso_QLocaleToString", "cpu_time", 15),
    ("XML: 20 fields of 1 000 invoices, key-path reader / QXmlStreamReader", "Xml_ElementoStr", "Xml_QXmlStreamReader", "cpu_time", 2),
    ("GetStringInfo 10 000 words at 400 px / QTextLayout wrapping the same text", "GetStringInfo", "GetStringInfo_QTextLayout", "cpu_time", 15),
    ("resizeImage 4000x3000 JPEG to 800x600 / QImage::scaled smooth", "Redimensionar", "Redimensionar_QImageScaledSmooth", "cpu_time", 1.5),
    ("Log entry at a cap of 1 000 lines: 1 GiB log / 1 MiB log", "GravaLogs_Entrada/1024", "GravaLogs_Entrada/1", "cpu_time", 1.5),
    ("Zip: pack a 200 MB tree / zip -r -6", "Compactar/iterations:1/real_time", "Compactar_ZipR6/iterations:1/real_time", "real_time", 1.2),
    ("Zip: unpack a 200 MB tree / unzip", "Descompactar/iterations:1/real_time", "Descompactar_Unzip/iterations:1/real_time", "real_time", 1.2),
    ("Delete a 100 000-file tree: DirectoryDelete / rm -rf", "Apagar_Arvore/iterations:1/real_time", "Apagar_Arvore_RmRf/iterations:1/real_time", "real_time", 1.5),
]

# (what, benchmark, field, unit, target as the largest value that passes, or None)
ABSOLUTES = [
    ("Command 1 with 1 000 items applied and painted, wall time", "Comando1_Quadro/1000", "real_time", "ms", 16.7),
    ("Command 1 with 1 000 items applied and painted, CPU time", "Comando1_Quadro/1000", "cpu_time", "ms", 16.7),
    ("Idle display: context switches per second (all threads)", "ProgramaOcioso/iterations:1/manual_time", "trocas_por_s", "/s", 1),
    ("Idle display after a sale: context switches per second", "ProgramaOcioso/iterations:1/manual_time", "trocas_por_s_com_venda", "/s", 1),
    ("Sleeping process (floor): context switches per second", "ProgramaOcioso_ProcessoDormindo/iterations:1/manual_time", "trocas_por_s", "/s", None),
    ("Idle display: resident memory", "ProgramaOcioso/iterations:1/manual_time", "rss_ocioso_MiB", "MiB", None),
    ("Display after the largest one-line sale: resident memory", "ProgramaOcioso/iterations:1/manual_time", "rss_venda_MiB", "MiB", None),
    ("Items in the largest one-line sale", "ProgramaOcioso/iterations:1/manual_time", "itens_venda", "", None),
]

TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def medians(paths):
    result = {}
    for path in paths:
        with open(path) as f:
            for b in json.load(f)["benchmarks"]:
                if b.get("aggregate_name", "median") != "median" or b.get("error_occurred"):
                    continue
                name = b.get("run_name", b["name"])
                for key in ("real_time", "cpu_time"):
                    b[key] = b[key] * TO_MS[b.get("time_unit", "ns")]  # in ms from here on
                result[name] = b
    return result


def verdict(value, target):
    if target is None:
        return ""
    return "yes" if value <= target else "**no**"


def main():
    runs = medians(sys.argv[1:])
    print("| Measure | Ratio (median) | Target | Met |")
    print("|---|---|---|---|")
    for what, measured, baseline, kind, target in RATIOS:
        if measured in runs and baseline in runs:
            ratio = runs[measured][kind] / runs[baseline][kind]
            goal = f"<= {target}" if target is not None else "(for reference)"
            print(f"| {what} | {ratio:.2f} | {goal} | {verdict(ratio, target)} |")
    print()
    print("| Measure | Value (median) | Target | Met |")
    print("|---|---|---|---|")
    for what, name, field, unit, target in ABSOLUTES:
        if name in runs and field in runs[name]:
            value = runs[name][field]
            goal = f"<= {target} {unit}" if target is not None else ""
            shown = f"{value:.0f}" if value == int(value) else f"{value:.2f}"
            print(f"| {what} | {shown} {unit} | {goal} | {verdict(value, target)} |")


if __name__ == "__main__":
    main()
