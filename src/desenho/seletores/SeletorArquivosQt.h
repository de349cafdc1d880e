#pragma once
// The folder and file dialogs of the file routines (TmFileDialogos.h), drawn with Qt's file
// dialogs. A program that draws installs them at start with Instalar().

#include "desenho/ExportacaoDesenhoWidgets.h"
#include "sistema/arquivos/TmFileDialogos.h"

class ORVANE_DESENHOWIDGETS_EXPORT TSeletorArquivosQt : public TSeletorArquivos {
public:
    QString EscolherPasta(const QString& titulo, const QString& inicial) override;
    QString EscolherArquivo(const QString& titulo, const QString& filtro, const QString& pasta,
                            const QString& arquivo) override;

    static void Instalar();
};

// The library's filter text ("Texto|*.txt|XML|*.xml": description and masks in turns, or a mask
// alone) as Qt's name filters ("Texto (*.txt);;XML (*.xml)").
ORVANE_DESENHOWIDGETS_EXPORT QString FiltroQt(const QString& filtro);
