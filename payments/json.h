#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <memory>
#include <variant>
#include <vector>

/**
 * A JSON value: null, string, boolean, number (a double), array or object.
 * A value owns its children and releases them with itself. Reading and
 * writing go through Qt's JSON classes; this class is the tree the program
 * walks, with the few questions a reply is asked.
 */
class JSONValue
{
public:
    using Array = std::vector<std::unique_ptr<JSONValue>>;
    /** Keys are unique and kept in order. */
    using Object = std::map<QString, std::unique_ptr<JSONValue>>;

    /** Null. */
    JSONValue() = default;
    explicit JSONValue(const QString& text);
    explicit JSONValue(const char* utf8);
    explicit JSONValue(bool value);
    explicit JSONValue(double value);
    explicit JSONValue(int value);
    explicit JSONValue(Array children);
    explicit JSONValue(Object children);
    JSONValue(const JSONValue&) = delete;
    JSONValue& operator=(const JSONValue&) = delete;

    bool IsNull() const { return std::holds_alternative<std::monostate>(m_value); }
    bool IsString() const { return std::holds_alternative<QString>(m_value); }
    bool IsBool() const { return std::holds_alternative<bool>(m_value); }
    bool IsNumber() const { return std::holds_alternative<double>(m_value); }
    bool IsArray() const { return std::holds_alternative<Array>(m_value); }
    bool IsObject() const { return std::holds_alternative<Object>(m_value); }

    /** The value as its kind; another kind gives an empty text, false, 0,
     *  or an empty array or object. */
    const QString& AsString() const;
    bool AsBool() const;
    double AsNumber() const;
    const Array& AsArray() const;
    const Object& AsObject() const;

    /** The number of elements of an array or members of an object; 0 for
     *  anything else. */
    std::size_t CountChildren() const;
    bool HasChild(std::size_t index) const;
    bool HasChild(const QString& key) const;
    /** The element or member asked for; null when there is none. */
    const JSONValue* Child(std::size_t index) const;
    const JSONValue* Child(const QString& key) const;

    /** The value written as JSON text, without white space. */
    QString Stringify() const;

private:
    std::variant<std::monostate, QString, bool, double, Array, Object> m_value;
};

/** Reading and writing JSON text. */
class JSON
{
public:
    /** The value of @p text (UTF-8), or null when it is not JSON: one value,
     *  white space around it allowed, nothing else. */
    static std::unique_ptr<JSONValue> Parse(const char* text);
    static std::unique_ptr<JSONValue> Parse(const QByteArray& text);
    static QString Stringify(const JSONValue* value);
};
