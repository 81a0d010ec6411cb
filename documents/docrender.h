#pragma once

#include "documents/slipcodes.h"

#include <QByteArray>
#include <QDomElement>
#include <QString>
#include <QStringList>

/** What the renderer needs to know of the installation. */
struct RenderSettings
{
    QString caption = QStringLiteral("Brevalon"); ///< product name, also the template folder
    QString installDir = QStringLiteral("/opt/zendrik");
    QString language = QStringLiteral("English");
    double tax1 = 0;
    double tax2 = 0;

    /** The installation folder and language from the settings, the tax
     *  rates of the shop. */
    static RenderSettings current(const QString& caption);
};

/** A document rendered from its templates. */
struct Rendered
{
    QString text;        ///< the HTML page or the slip text
    QString prefix;      ///< template folder and type the files came from
    QString missingHead; ///< the head template that could not be read, if any
};

/** A slip text turned into printer bytes. */
struct SlipBytes
{
    QByteArray bytes;
    int qrOffset = -1; ///< where the QR bit image stands, -1 when none
    int qrLength = 0;
};

/**
 * The document renderer as plain functions: XML document, templates and
 * settings in, HTML page or slip bytes out. No widgets, no boxes; the
 * document window (DocPrint) shows and prints what these produce.
 */
namespace DocRender {

/** Makes every ampersand that does not begin "amp;", "lt;" or "gt;" an
 *  "&amp;", so that other entities reach the templates as their text. */
QString correctAmpersands(const QString& xml);

/** By how many characters the entities in @p text are longer than the
 *  characters they stand for. */
int escapedCodeSize(const QString& text);

/** The first element named @p tag below @p root (null when none). */
QDomElement first(const QDomElement& root, const QString& tag);

/** The template type of a document type: first letter upper-cased, "alt/"
 *  in front for the alternate language. */
QString templateType(const QString& type, bool altLanguage);

/** The folder and type prefix whose @p headFile exists, with the tax
 *  variant ("TAX2/" or "TAX1/") tried first and the alternate language
 *  falling back to the main one before the tax variant falls back to the
 *  plain set. */
QString templatePrefix(const RenderSettings& s, const QString& type, const QString& headFile);

/** One template line of a page with its placeholders filled from @p e. */
QString fillPageLine(const QString& line, const QDomElement& e);

/** One template line of a slip: placeholders, fixed-width and wrapped
 *  fields. Gives the printed lines (continuations of a wrapped field
 *  included); a comment line gives none. */
QStringList fillSlipLine(const QString& line, const QDomElement& e);

/** The pieces a wrapped field of width mark @p n lays @p value into. */
QStringList wrapField(const QString& value, int n);

/** Appends the filled lines of a template file; false when it cannot be read. */
bool fillTemplate(const QString& path, const QDomElement& e, bool slip, QString* out);

/** The HTML page of a document. */
Rendered page(const RenderSettings& s, const QString& type, const QDomElement& root);

/** The slip text of a document (characters 0 to 255, tags and raw byte
 *  marks still in it). */
Rendered slip(const RenderSettings& s, const QString& type, const QDomElement& root, bool forty);

/** The slip as it is shown on screen. */
QString slipPreview(const QString& slip, bool withQr);

/** The bytes a slip printer gets; @p qrImage (empty: none) replaces the
 *  first "<SNAPSCAN>" when the codes allow it. */
SlipBytes slipBytes(const QString& slip, const SlipCodes& codes, const QByteArray& qrImage);

} // namespace DocRender
