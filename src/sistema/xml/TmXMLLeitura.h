#pragma once
// Element texts and attribute values pulled out of XML documents (electronic fiscal documents
// and the like) by plain text search, without building a tree and without nesting awareness:
// an element is the first opening tag of its name from a start position up to the first closing
// tag of that name from the same position. That is all the documents this library reads need,
// and it reads a 20-field invoice faster than a streaming parser does.
//
// Tag forms of a name N: opening "<N>" or, for an element with attributes, "<N " (matched only
// when a blank follows the name), whichever comes first; closing "</N>". A closing tag found
// before the opening one means nothing is found. An element written "<N />" counts as absent,
// one written "<N/>" is not matched at all, and one with attributes that closes itself has no
// content (with its tags kept, it is the element itself).
//
// Every reader exists twice: as a member working on the reader's document, and as a static form
// taking the document as its first argument. Both answer alike; the member forms find the tags of
// their document through an index built at the first search (sistema/xml/IndiceTags.h), so many
// fields of one large document cost one pass over its text, not one per field. A reader is for
// one thread at a time. None raises: a missing element or attribute, empty
// content or an unreadable value gives false, the empty text or the caller's default. Results are
// the raw text of the document; only the Str readers decode entities (pfConvertSpecialEntities).
//
// Typed readers take the element text (surrounding blanks and line breaks dropped) in XML's own
// forms whatever the regional settings: numbers with "." as the decimal point, dates as
// yyyy-mm-dd optionally followed by a separator and hh:nn:ss (fractions of a second and a time
// zone after the seconds are ignored).

#include <QString>
#include <QStringView>
#include <memory>

#include "base/Currency.h"
#include "base/TDateTime.h"
#include "base/mConst.h"
#include "sistema/ExportacaoSistema.h"

class TIndiceTags;

class ORVANE_SISTEMA_EXPORT TmXMLLeitura {
public:
    // A reader of the file asArquivo (none when empty).
    explicit TmXMLLeitura(const QString& asArquivo = {});

    const QString& Arquivo() const { return tsArquivo; }
    // Stores the name; when it is not empty the document becomes the file's text, decoded by
    // CodePage::DeArquivo (UTF-8 when it is UTF-8, else Windows-1252), or the empty text when the
    // file cannot be read. An empty name leaves the document as it is.
    void setArquivo(const QString& asArquivo);
    const QString& XML() const { return tsXML; }
    void setXML(const QString& asXML) {
        tsXML = asXML;
        indice_.reset();
    }

    // ---- Element content (abManterTag: the whole element, its tags included) ----
    // The first element named asChave; true when its content is not empty.
    bool Elemento(QStringView asChave, QString& asResult, bool abManterTag = false) const;
    static bool Elemento(QStringView asXML, QStringView asChave, QString& asResult,
                         bool abManterTag = false);
    // The search itself, from the 1-based position aiPosInicial; on success aiPosInicial moves
    // just past the start of the element's closing tag, where the next element may be sought.
    static bool Elemento(QStringView asXML, QStringView asChave, qsizetype& aiPosInicial,
                         QString& asResult, bool abManterTag = false);
    // The element reached by a key path: each name, outermost first, sought inside the text found
    // for the previous one (with or without tags as abManterTag says).
    bool Elemento(const TcrvArrayString& aaChaves, QString& asResult,
                  bool abManterTag = false) const;
    static bool Elemento(QStringView asXML, const TcrvArrayString& aaChaves, QString& asResult,
                         bool abManterTag = false);
    // Every successive element named asChave, up to the first one that is absent or empty; true
    // when at least one was found.
    bool Elemento(QStringView asChave, TcrvArrayString& aaResult, bool abManterTag = false) const;
    static bool Elemento(QStringView asXML, QStringView asChave, TcrvArrayString& aaResult,
                         bool abManterTag = false);

    // ---- Typed element readers, through a key path ----
    // The element's text (else asDefault), entities decoded in either case.
    QString ElementoStr(const TcrvArrayString& aaChaves, QStringView asDefault = {},
                        bool abManterTag = false) const;
    static QString ElementoStr(QStringView asXML, const TcrvArrayString& aaChaves,
                               QStringView asDefault = {}, bool abManterTag = false);
    // A decimal integer that fits 32 bits.
    int ElementoInt(const TcrvArrayString& aaChaves, int aiDefault) const;
    static int ElementoInt(QStringView asXML, const TcrvArrayString& aaChaves, int aiDefault);
    // A decimal number with "." as its decimal point and an optional exponent.
    double ElementoFloat(const TcrvArrayString& aaChaves, double avDefault) const;
    static double ElementoFloat(QStringView asXML, const TcrvArrayString& aaChaves,
                                double avDefault);
    // As ElementoFloat, read exactly to four decimals.
    Currency ElementoCurr(const TcrvArrayString& aaChaves, Currency avDefault) const;
    static Currency ElementoCurr(QStringView asXML, const TcrvArrayString& aaChaves,
                                 Currency avDefault);
    TDateTime ElementoDt(const TcrvArrayString& aaChaves, TDateTime adDefault) const;
    static TDateTime ElementoDt(QStringView asXML, const TcrvArrayString& aaChaves,
                                TDateTime adDefault);

    // ---- Attributes (double-quoted values only) ----
    // Attribute asAttr of the first element named asChave that has attributes; true when its
    // value is not empty.
    bool Atributo(QStringView asChave, QStringView asAttr, QString& asResult) const;
    static bool Atributo(QStringView asXML, QStringView asChave, QStringView asAttr,
                         QString& asResult);
    // The value (else asDefault), entities decoded in either case.
    QString AtributoStr(QStringView asChave, QStringView asAttr, QStringView asDefault = {}) const;
    static QString AtributoStr(QStringView asXML, QStringView asChave, QStringView asAttr,
                               QStringView asDefault);
    TDateTime AtributoDt(QStringView asChave, QStringView asAttr, TDateTime ahDefault) const;
    static TDateTime AtributoDt(QStringView asXML, QStringView asChave, QStringView asAttr,
                                TDateTime ahDefault);

    // ---- Entities ----
    // The library's entity table applied in its order, each step replacing every occurrence,
    // case-sensitive: &quot; &amp; &lt; &gt; &circ; &tilde;, then the same names in capitals.
    // Nothing else is decoded (no numeric references, no &apos;). Because &amp; comes before
    // &lt;, "&amp;lt;" ends as "<": stored documents have always been read so.
    static QString pfConvertSpecialEntities(QStringView asValor);
    // The text without "<![CDATA[", "<![cdata[" and "]]>", then with entities decoded.
    static QString pfTagValida(QStringView asTag);

private:
    // The index of the document's tags, built at the first search of a loaded document.
    const TIndiceTags* Indice() const;

    QString tsArquivo;
    QString tsXML;
    mutable std::shared_ptr<const TIndiceTags> indice_;
};
