#include "tests/posting/docparts.h"

#include <QXmlStreamReader>

namespace {

DocElement fromAttributes(const QXmlStreamAttributes& attributes)
{
    DocElement e;
    for (const QXmlStreamAttribute& a : attributes) {
        e.names << a.name().toString();
        e.values.insert(a.name().toString(), a.value().toString());
    }
    return e;
}

DocElement fromDom(const QDomElement& element)
{
    DocElement e;
    const QDomNamedNodeMap attributes = element.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomAttr a = attributes.item(i).toAttr();
        e.names << a.name();
        e.values.insert(a.name(), a.value());
    }
    return e;
}

} // namespace

DocParts DocParts::parse(const QString& xml)
{
    DocParts d;
    QXmlStreamReader r(xml);
    bool head = false, tail = false;
    while (!r.atEnd()) {
        if (r.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = r.name().toString();
        if (name == QLatin1String("zendrik")) {
            d.valid = true;
        } else if (name == QLatin1String("head") && !head) {
            d.head = fromAttributes(r.attributes());
            head = true;
        } else if (name == QLatin1String("item")) {
            d.items << fromAttributes(r.attributes());
        } else if (name == QLatin1String("tail") && !tail) {
            d.tail = fromAttributes(r.attributes());
            tail = true;
        }
    }
    if (r.hasError()) {
        d.valid = false;
        d.error = r.errorString();
    }
    return d;
}

DocParts DocParts::fromRoot(const QDomElement& root)
{
    DocParts d;
    d.valid = root.tagName() == QLatin1String("zendrik");
    d.head = fromDom(root.firstChildElement(QStringLiteral("head")));
    for (QDomElement e = root.firstChildElement(QStringLiteral("item")); !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("item")))
        d.items << fromDom(e);
    d.tail = fromDom(root.firstChildElement(QStringLiteral("tail")));
    return d;
}

QStringList DocParts::column(const QString& name) const
{
    QStringList out;
    for (const DocElement& e : items)
        out << e[name];
    return out;
}
