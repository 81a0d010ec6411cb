#include "kitchen/docketcard.h"

#include <QDomDocument>
#include <QJsonArray>

namespace {

// Documents write a line break inside a text as backslash and n.
QString plain(const QString& text)
{
    return QString(text).replace(QLatin1String("\\n"), QLatin1String("\n"));
}

} // namespace

namespace DocketCard {

QJsonObject fromDocument(int id, const QDateTime& ordered, const QString& document)
{
    QJsonObject card{{QStringLiteral("id"), id}, {QStringLiteral("ordered"), ordered.toMSecsSinceEpoch()}};
    QDomDocument dom;
    if (!dom.setContent(document))
        return card;
    const QDomElement head = dom.documentElement().firstChildElement(QStringLiteral("head"));
    card.insert(QStringLiteral("table"), plain(head.attribute(QStringLiteral("client"))));
    card.insert(QStringLiteral("waiter"), plain(head.attribute(QStringLiteral("waiter"))));
    card.insert(QStringLiteral("sequence"), head.attribute(QStringLiteral("sequence")));
    card.insert(QStringLiteral("invoice"), head.attribute(QStringLiteral("number")));
    QJsonArray lines;
    for (QDomElement item = dom.documentElement().firstChildElement(QStringLiteral("item")); !item.isNull();
         item = item.nextSiblingElement(QStringLiteral("item"))) {
        // The separator's empty description is spelt "desription".
        const bool gap = item.hasAttribute(QStringLiteral("desription"));
        const QString quantity = item.attribute(QStringLiteral("quantity"));
        const QString kind = gap ? QStringLiteral("gap") : quantity.isEmpty() ? QStringLiteral("sub") : QStringLiteral("main");
        lines.append(QJsonObject{{QStringLiteral("kind"), kind},
                                 {QStringLiteral("quantity"), quantity},
                                 {QStringLiteral("uom"), plain(item.attribute(QStringLiteral("uom")))},
                                 {QStringLiteral("text"), plain(item.attribute(QStringLiteral("description")))}});
    }
    card.insert(QStringLiteral("lines"), lines);
    return card;
}

} // namespace DocketCard
