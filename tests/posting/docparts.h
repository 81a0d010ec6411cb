#pragma once

#include <QDomElement>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

/** One element of a document: its attributes in written order. */
struct DocElement
{
    QStringList names;
    QMap<QString, QString> values;

    bool has(const QString& name) const { return values.contains(name); }
    QString operator[](const QString& name) const { return values.value(name); }
    /** "name=value" for the name of each "name=..." in @p expected, to compare with it. */
    QStringList pick(const QStringList& expected) const;
};

/** A document taken apart into head, items and tail. */
struct DocParts
{
    bool valid = false;
    QString error;
    DocElement head;
    QList<DocElement> items;
    DocElement tail;

    /** Reads a document as written, keeping the order of attributes;
     *  invalid when it is not well-formed or its root is not "zendrik". */
    static DocParts parse(const QString& xml);
    /** The parts of a document the window parsed (attribute order lost). */
    static DocParts fromRoot(const QDomElement& root);

    /** One attribute of every item, in document order. */
    QStringList column(const QString& name) const;
};
