#pragma once
// TGravaLogs: the log writer. GravaLogMsg is the entry the message dialogs hand every text
// marked to be logged to; it has no effect in this system.

#include <QString>

class TGravaLogs {
public:
    static void GravaLogMsg(const QString& pTexto) { (void)pTexto; }
};
