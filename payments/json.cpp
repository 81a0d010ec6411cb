#include "payments/json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QUtf8StringView>

namespace {

/**
 * Qt's reader takes a few forms that JSON does not: numbers such as ".5"
 * and "1.", unknown escapes such as "\x", and control characters inside a
 * string. The text is checked for them first; everything else is Qt's.
 */
bool strictlyJson(const QByteArray& text)
{
    static const QRegularExpression number(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]+)?([eE][+-]?[0-9]+)?$"));
    auto isNumberChar = [](char c) {
        return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
    };
    auto isHex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); };
    const int n = text.size();
    for (int i = 0; i < n;) {
        const char c = text.at(i);
        if (c == '"') {
            for (++i;; ++i) {
                if (i >= n)
                    return false;
                const unsigned char s = static_cast<unsigned char>(text.at(i));
                if (s == '"')
                    break;
                if (s < 0x20)
                    return false;
                if (s != '\\')
                    continue;
                if (++i >= n)
                    return false;
                const char e = text.at(i);
                if (e == 'u') {
                    if (i + 4 >= n)
                        return false;
                    for (int k = 1; k <= 4; ++k) {
                        if (!isHex(text.at(i + k)))
                            return false;
                    }
                    i += 4;
                } else if (!QByteArrayView("\"\\/bfnrt").contains(e)) {
                    return false;
                }
            }
            ++i;
        } else if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.') {
            int end = i;
            while (end < n && isNumberChar(text.at(end)))
                ++end;
            if (!number.match(QString::fromLatin1(text.mid(i, end - i))).hasMatch())
                return false;
            i = end;
        } else {
            ++i;
        }
    }
    return true;
}

std::unique_ptr<JSONValue> fromQt(const QJsonValue& v)
{
    switch (v.type()) {
    case QJsonValue::Bool:
        return std::make_unique<JSONValue>(v.toBool());
    case QJsonValue::Double:
        return std::make_unique<JSONValue>(v.toDouble());
    case QJsonValue::String:
        return std::make_unique<JSONValue>(v.toString());
    case QJsonValue::Array: {
        JSONValue::Array children;
        const QJsonArray a = v.toArray();
        children.reserve(a.size());
        for (const QJsonValue& e : a)
            children.push_back(fromQt(e));
        return std::make_unique<JSONValue>(std::move(children));
    }
    case QJsonValue::Object: {
        JSONValue::Object children;
        const QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it)
            children.emplace(it.key(), fromQt(it.value()));
        return std::make_unique<JSONValue>(std::move(children));
    }
    default:
        return std::make_unique<JSONValue>();
    }
}

QJsonValue toQt(const JSONValue& v)
{
    if (v.IsString())
        return v.AsString();
    if (v.IsBool())
        return v.AsBool();
    if (v.IsNumber())
        return v.AsNumber();
    if (v.IsArray()) {
        QJsonArray a;
        for (const auto& e : v.AsArray())
            a.append(toQt(*e));
        return a;
    }
    if (v.IsObject()) {
        QJsonObject o;
        for (const auto& [key, member] : v.AsObject())
            o.insert(key, toQt(*member));
        return o;
    }
    return QJsonValue::Null;
}

} // namespace

JSONValue::JSONValue(const QString& text)
    : m_value(text)
{
}

JSONValue::JSONValue(const char* utf8)
    : m_value(QString::fromUtf8(utf8))
{
}

JSONValue::JSONValue(bool value)
    : m_value(value)
{
}

JSONValue::JSONValue(double value)
    : m_value(value)
{
}

JSONValue::JSONValue(int value)
    : m_value(double(value))
{
}

JSONValue::JSONValue(Array children)
    : m_value(std::move(children))
{
}

JSONValue::JSONValue(Object children)
    : m_value(std::move(children))
{
}

const QString& JSONValue::AsString() const
{
    static const QString none;
    const QString* s = std::get_if<QString>(&m_value);
    return s ? *s : none;
}

bool JSONValue::AsBool() const
{
    const bool* b = std::get_if<bool>(&m_value);
    return b && *b;
}

double JSONValue::AsNumber() const
{
    const double* d = std::get_if<double>(&m_value);
    return d ? *d : 0;
}

const JSONValue::Array& JSONValue::AsArray() const
{
    static const Array none;
    const Array* a = std::get_if<Array>(&m_value);
    return a ? *a : none;
}

const JSONValue::Object& JSONValue::AsObject() const
{
    static const Object none;
    const Object* o = std::get_if<Object>(&m_value);
    return o ? *o : none;
}

std::size_t JSONValue::CountChildren() const
{
    return IsArray() ? AsArray().size() : AsObject().size();
}

bool JSONValue::HasChild(std::size_t index) const
{
    return Child(index) != nullptr;
}

bool JSONValue::HasChild(const QString& key) const
{
    return Child(key) != nullptr;
}

const JSONValue* JSONValue::Child(std::size_t index) const
{
    const Array& a = AsArray();
    return index < a.size() ? a[index].get() : nullptr;
}

const JSONValue* JSONValue::Child(const QString& key) const
{
    const Object& o = AsObject();
    const auto it = o.find(key);
    return it != o.end() ? it->second.get() : nullptr;
}

QString JSONValue::Stringify() const
{
    // Qt writes whole documents only: the value goes in an array of one,
    // whose brackets come off again.
    const QByteArray text = QJsonDocument(QJsonArray{toQt(*this)}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(text.mid(1, text.size() - 2));
}

std::unique_ptr<JSONValue> JSON::Parse(const char* text)
{
    return text ? Parse(QByteArray(text)) : nullptr;
}

std::unique_ptr<JSONValue> JSON::Parse(const QByteArray& text)
{
    if (!QUtf8StringView(text).isValidUtf8() || !strictlyJson(text))
        return nullptr;
    // Qt reads a document (an array or an object); a single value of any
    // kind is read as the one element of an array around it.
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson('[' + text + ']', &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray() || doc.array().size() != 1)
        return nullptr;
    return fromQt(doc.array().at(0));
}

QString JSON::Stringify(const JSONValue* value)
{
    return value ? value->Stringify() : QString();
}
