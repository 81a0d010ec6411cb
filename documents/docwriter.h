#pragma once

#include <QDateTime>
#include <QString>

/**
 * Writes a document in the form the renderer reads: a "zendrik" root and
 * head, item and tail elements holding their fields as attributes, one
 * attribute per line.
 */
class DocWriter
{
public:
    DocWriter();

    /** Opens an element: "head", "item" or "tail". */
    DocWriter& open(const char* element);
    /** A field whose value is written as given (numbers, dates, codes, or
     *  text already escaped). */
    DocWriter& raw(const char* name, const QString& value);
    /** A field of operator or business text, escaped for XML. */
    DocWriter& text(const char* name, const QString& value, bool upper = false);
    /** A money field: two decimals in the locale. */
    DocWriter& money(const char* name, double value);
    /** The four date fields of a moment: date (the locale's long date),
     *  datetime (the locale's short date and time), shortdate
     *  ("yyyy-MM-dd") and time ("hh:mm:ss"). */
    DocWriter& dates(const QDateTime& when);
    /** printtime and printdate: the moment of printing. */
    DocWriter& printMoment();
    DocWriter& close();

    /** The finished document. */
    QString finish();

private:
    QString m_text;
    bool m_open = false;
};
