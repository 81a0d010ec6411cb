#include "tests/posting/docparts.h"

#include <QTextStream>
#include <QXmlStreamReader>

QStringList DocElement::pick(const QStringList& expected) const
{
    QStringList out;
    for (const QString& pair : expected) {
        const QString name = pair.section(QLatin1Char('='), 0, 0);
        out << name + QLatin1Char('=') + values.value(name);
    }
    return out;
}

DocParts DocParts::parse(const QString& xml)
{
    DocParts d;
    QXmlStreamReader r(xml);
    bool head = false, tail = false;
    while (!r.atEnd()) {
        if (r.readNext() != QXmlStreamReader::StartElement)
            continue;
        DocElement e;
        for (const QXmlStreamAttribute& a : r.attributes()) {
            e.names << a.name().toString();
            e.values.insert(a.name().toString(), a.value().toString());
        }
        if (r.name() == QLatin1String("zendrik"))
            d.valid = true;
        else if (r.name() == QLatin1String("head") && !head)
            d.head = e, head = true;
        else if (r.name() == QLatin1String("item"))
            d.items << e;
        else if (r.name() == QLatin1String("tail") && !tail)
            d.tail = e, tail = true;
    }
    if (r.hasError()) {
        d.valid = false;
        d.error = r.errorString();
    }
    return d;
}

DocParts DocParts::fromRoot(const QDomElement& root)
{
    QString xml;
    QTextStream out(&xml);
    root.save(out, 0);
    return parse(xml);
}

QStringList DocParts::column(const QString& name) const
{
    QStringList out;
    for (const DocElement& e : items)
        out << e[name];
    return out;
}
