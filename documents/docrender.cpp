#include "documents/docrender.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

namespace {

const QRegularExpression& placeholderPattern()
{
    static const QRegularExpression re(QStringLiteral("<!--\\$([^-]+)-->"));
    return re;
}

// Width marks, wrap marks and placeholders of a slip line, in line order.
const QRegularExpression& slipTokenPattern()
{
    static const QRegularExpression re(
        QStringLiteral("\\[(-*\\d+)\\]|\\{(-*\\d+)\\}|<!--\\$([^-]+)-->"));
    return re;
}

const QRegularExpression& rawBytePattern()
{
    static const QRegularExpression re(QStringLiteral("&(\\d+)&"));
    return re;
}

const QRegularExpression& lineBreakPattern()
{
    static const QRegularExpression re(QStringLiteral("\\\\[nN]"));
    return re;
}

int markWidth(const QString& mark)
{
    const bool negative = mark.startsWith(QLatin1Char('-'));
    QString digits = mark;
    digits.remove(QLatin1Char('-'));
    const int n = digits.toInt();
    return negative ? -n : n;
}

// The columns a slip text takes on paper: tags and raw bytes take none and
// an entity takes one.
int printedWidth(const QString& text)
{
    static const QRegularExpression tags(
        QStringLiteral("</?(B|EM|D)>|<(CUT|ICUT|LOGO|SNAPSCAN)>"), QRegularExpression::CaseInsensitiveOption);
    QString t = text;
    t.remove(rawBytePattern());
    t.remove(tags);
    return int(t.length()) - DocRender::escapedCodeSize(t);
}

QString fixedField(const QString& value, int n)
{
    if (n == 0)
        return value;
    const int w = qAbs(n) + DocRender::escapedCodeSize(value);
    return n > 0 ? value.left(w).rightJustified(w, QLatin1Char(' '))
                 : value.left(w).leftJustified(w, QLatin1Char(' '));
}

QString latin1Of(const QString& text)
{
    return QString::fromLatin1(text.toUtf8());
}

} // namespace

RenderSettings RenderSettings::current(const QString& caption)
{
    RenderSettings s;
    s.caption = caption;
    s.installDir = settings->readEntry(QStringLiteral("/Global/InstallDir"));
    s.language = settings->readEntry(QStringLiteral("/Global/i18n"));
    if (utils) {
        s.tax1 = utils->sysInfo().tax1;
        s.tax2 = utils->sysInfo().tax2;
    }
    return s;
}

namespace DocRender {

QString correctAmpersands(const QString& xml)
{
    static const QRegularExpression bare(QStringLiteral("&(?!\\b(amp|lt|gt)\\b;)"));
    QString text = xml;
    text.replace(bare, QStringLiteral("&amp;"));
    return text;
}

int escapedCodeSize(const QString& text)
{
    return int(text.count(QLatin1String("&amp;"))) * 4 + int(text.count(QLatin1String("&apos;"))) * 5
           + int(text.count(QLatin1String("&quot;"))) * 5 + int(text.count(QLatin1String("&lt;"))) * 3
           + int(text.count(QLatin1String("&gt;"))) * 3;
}

QDomElement first(const QDomElement& root, const QString& tag)
{
    return root.elementsByTagName(tag).item(0).toElement();
}

QString templateType(const QString& type, bool altLanguage)
{
    QString t = type;
    if (!t.isEmpty())
        t[0] = t.at(0).toUpper();
    return altLanguage ? QLatin1String("alt/") + t : t;
}

QString templatePrefix(const RenderSettings& s, const QString& type, const QString& headFile)
{
    QString t = type;
    if (s.tax2 != 0)
        t.prepend(QLatin1String("TAX2/"));
    else if (s.tax1 != 0)
        t.prepend(QLatin1String("TAX1/"));
    const QString folder = s.installDir + QLatin1String("/share/") + s.caption + QLatin1Char('/')
                           + s.language + QLatin1Char('/');
    auto exists = [&] { return QFileInfo::exists(folder + t + headFile); };
    if (!exists() && t.contains(QLatin1String("alt/")))
        t.remove(QLatin1String("alt/"));
    if (!exists() && t.contains(QLatin1String("TAX2/")))
        t.remove(QLatin1String("TAX2/"));
    if (!exists() && t.contains(QLatin1String("TAX1/")))
        t.remove(QLatin1String("TAX1/"));
    return folder + t;
}

QString fillPageLine(const QString& line, const QDomElement& e)
{
    // Values may carry markup ("<b>Bad Debt Write Off</b>", the logo's
    // image tag), but a "<" that cannot begin a tag ("< 5") is text and
    // would otherwise swallow the rest of the value.
    static const QRegularExpression loneLess(QStringLiteral("<(?![A-Za-z/!])"));
    // Values are not scanned again, so a value holding a placeholder (even
    // its own) ends up as text instead of looping.
    QString out;
    qsizetype from = 0;
    QRegularExpressionMatchIterator it = placeholderPattern().globalMatch(line);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += line.mid(from, m.capturedStart() - from);
        out += e.attribute(m.captured(1)).replace(loneLess, QStringLiteral("&lt;"));
        from = m.capturedEnd();
    }
    out += line.mid(from);
    out.replace(lineBreakPattern(), QStringLiteral(" <BR> "));
    return out;
}

// The entities a slip value may hold, and the characters of Unicode's
// private use area that stand for them while a value is wrapped.
const std::pair<QLatin1String, QChar> kEntities[] = {
    { QLatin1String("&amp;"), QChar(0xE000) }, { QLatin1String("&apos;"), QChar(0xE001) },
    { QLatin1String("&quot;"), QChar(0xE002) }, { QLatin1String("&lt;"), QChar(0xE003) },
    { QLatin1String("&gt;"), QChar(0xE004) },
};

QString entitiesAsCharacters(QString value)
{
    for (const auto& [entity, stand] : kEntities)
        value.replace(entity, QString(stand));
    return value;
}

QString charactersAsEntities(QString value)
{
    for (const auto& [entity, stand] : kEntities)
        value.replace(stand, entity);
    return value;
}

QStringList wrapField(const QString& value, int n)
{
    static const QRegularExpression breaks(QStringLiteral(" ?\\\\[nN]"));
    const int w = qAbs(n);
    QString v = value;
    v.replace(breaks, QStringLiteral("\n"));
    if (n < 0 && v.length() < w)
        v = v.leftJustified(w, QLatin1Char(' '));
    QStringList pieces;
    if (w == 0) {
        pieces << v;
        return pieces;
    }
    qsizetype pos = 0;
    while (pos < v.length()) {
        const QString piece = v.mid(pos, w);
        const qsizetype feed = piece.indexOf(QLatin1Char('\n'));
        if (feed >= 0) {
            pieces << piece.left(feed).leftJustified(w, QLatin1Char(' '));
            pos += feed + 1;
            continue;
        }
        const qsizetype next = pos + w;
        const bool insideWord = piece.length() == w && next < v.length() && piece.at(w - 1) != QLatin1Char(' ')
                                && v.at(next) != QLatin1Char(' ') && v.at(next) != QLatin1Char('\n');
        const qsizetype blank = piece.lastIndexOf(QLatin1Char(' '));
        if (insideWord && blank >= 0) {
            pieces << piece.left(blank + 1).leftJustified(w, QLatin1Char(' '));
            pos += blank + 1;
            continue;
        }
        pieces << piece;
        pos += piece.length();
        // A break that falls on a blank would start the next piece with it.
        if (pos < v.length() && v.at(pos) == QLatin1Char(' ') && piece.length() == w)
            ++pos;
    }
    if (pieces.isEmpty())
        pieces << QString();
    return pieces;
}

QStringList fillSlipLine(const QString& line, const QDomElement& e)
{
    if (line.startsWith(QLatin1Char('#')))
        return {};
    QString out;
    QStringList continuation;
    int continuationColumn = 0;
    qsizetype from = 0;

    QList<QRegularExpressionMatch> tokens;
    QRegularExpressionMatchIterator it = slipTokenPattern().globalMatch(line);
    while (it.hasNext())
        tokens << it.next();

    for (int i = 0; i < tokens.size(); ++i) {
        const QRegularExpressionMatch& m = tokens.at(i);
        out += line.mid(from, m.capturedStart() - from);
        from = m.capturedEnd();
        if (m.capturedStart(3) >= 0) {
            out += e.attribute(m.captured(3));
            continue;
        }
        // A mark not directly followed by a placeholder is plain text.
        const bool field = i + 1 < tokens.size() && tokens.at(i + 1).capturedStart() == m.capturedEnd()
                           && tokens.at(i + 1).capturedStart(3) >= 0;
        if (!field) {
            out += m.captured(0);
            continue;
        }
        const QRegularExpressionMatch& p = tokens.at(++i);
        from = p.capturedEnd();
        const QString value = e.attribute(p.captured(3));
        if (m.capturedStart(1) >= 0) {
            out += fixedField(value, markWidth(m.captured(1)));
        } else {
            // An entity is one column on paper: the value is wrapped with
            // each entity as one character, so that every piece of a
            // wrapped field is as wide as the field, wherever the entities
            // fall.
            QStringList pieces = wrapField(entitiesAsCharacters(value), markWidth(m.captured(2)));
            for (QString& piece : pieces)
                piece = charactersAsEntities(piece);
            continuationColumn = printedWidth(out);
            out += pieces.first();
            continuation = pieces.mid(1);
        }
    }
    out += line.mid(from);
    out.replace(lineBreakPattern(), QStringLiteral("\n"));

    QStringList lines;
    lines << out;
    for (const QString& piece : qAsConst(continuation))
        lines << QString(continuationColumn, QLatin1Char(' ')) + piece;
    return lines;
}

bool fillTemplate(const QString& path, const QDomElement& e, bool slip, QString* out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (slip) {
            const QStringList lines = fillSlipLine(line, e);
            for (const QString& l : lines)
                *out += l + QLatin1Char('\n');
        } else {
            *out += fillPageLine(line, e) + QLatin1Char('\n');
        }
    }
    return true;
}

namespace {

Rendered render(const RenderSettings& s, const QString& type, const QDomElement& root, const QString& suffix,
                bool slip)
{
    Rendered r;
    r.prefix = templatePrefix(s, type, QLatin1String("Head") + suffix);
    const QString head = r.prefix + QLatin1String("Head") + suffix;
    if (!fillTemplate(head, first(root, QStringLiteral("head")), slip, &r.text))
        r.missingHead = head;
    const QDomNodeList items = root.elementsByTagName(QStringLiteral("item"));
    for (int i = 0; i < items.count(); ++i)
        fillTemplate(r.prefix + QLatin1String("Item") + suffix, items.item(i).toElement(), slip, &r.text);
    fillTemplate(r.prefix + QLatin1String("Tail") + suffix, first(root, QStringLiteral("tail")), slip, &r.text);
    return r;
}

} // namespace

Rendered page(const RenderSettings& s, const QString& type, const QDomElement& root)
{
    return render(s, type, root, QStringLiteral(".html"), false);
}

Rendered slip(const RenderSettings& s, const QString& type, const QDomElement& root, bool forty)
{
    Rendered r = render(s, type, root, forty ? QStringLiteral(".slip40") : QStringLiteral(".slip"), true);
    // Printers take bytes: anything beyond Latin-1 prints as a question mark.
    r.text = QString::fromLatin1(r.text.toLatin1());
    return r;
}

QString slipPreview(const QString& slip, bool withQr)
{
    static const QRegularExpression dOn(QStringLiteral("<d>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression dOff(QStringLiteral("</d>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression qr(QStringLiteral("<snapscan>"), QRegularExpression::CaseInsensitiveOption);
    QString p = QLatin1String("<pre>") + slip + QLatin1String("</pre>");
    p.remove(rawBytePattern());
    p.replace(dOn, QStringLiteral("<font size=\"+3\">"));
    p.replace(dOff, QStringLiteral("</font>"));
    p.replace(qr, withQr ? QStringLiteral("<center><img src=SnapScanQR><br>SnapScan</center>") : QString());

    // The rich-text view handles very long preformatted blocks badly.
    const QString split = QStringLiteral("</pre><pre>");
    qsizetype at = 0;
    for (;;) {
        const qsizetype feed = p.indexOf(QLatin1Char('\n'), at + 49152);
        if (feed < 0)
            break;
        p.insert(feed + 1, split);
        at = feed + 1 + split.length();
    }
    return p;
}

SlipBytes slipBytes(const QString& slip, const SlipCodes& codes, const QByteArray& qrImage)
{
    QString s = slip;
    s.replace(QLatin1String("\n"), QLatin1String("\r\n"));

    // Raw byte marks.
    QString raw;
    qsizetype from = 0;
    QRegularExpressionMatchIterator it = rawBytePattern().globalMatch(s);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        raw += s.mid(from, m.capturedStart() - from);
        const QString digits = m.captured(1);
        int n = 0;
        for (QChar c : digits)
            n = (n * 10 + c.digitValue()) % 256;
        raw += QChar(n);
        from = m.capturedEnd();
    }
    raw += s.mid(from);
    s = raw;

    const struct { const char* entity; QString text; } entities[] = {
        {"&lsquo;", latin1Of(QString(QChar(0x2018)))},
        {"&rsquo;", QStringLiteral("`")},
        {"&sbquo;", latin1Of(QString(QChar(0x201A)))},
        {"&ldquo;", latin1Of(QString(QChar(0x201C)))},
        {"&rdquo;", latin1Of(QString(QChar(0x201D)))},
        {"&bdquo;", latin1Of(QString(QChar(0x201E)))},
        {"&quot;", QStringLiteral("\"")},
        {"&frasl;", QStringLiteral("/")},
        {"&lt;", QStringLiteral("<")},
        {"&gt;", QStringLiteral(">")},
        {"&apos;", QStringLiteral("'")},
        {"&amp;", QStringLiteral("&")},
    };
    for (const auto& entity : entities)
        s.replace(QLatin1String(entity.entity), entity.text);

    // The QR image holds zero bytes, which the text stage cannot carry: a
    // stand-in of its length keeps its place until the bytes are made.
    const QChar standIn(0xFFFF);
    const bool withQr = !qrImage.isEmpty() && codes.bitImage == QLatin1String(SlipCodes::kBitImageForm);
    const struct { const char* tag; QByteArray code; } tags[] = {
        {"<LOGO>", codes.logo}, {"<B>", codes.bold},      {"</B>", codes.boldOff}, {"<D>", codes.dbl},
        {"</D>", codes.dblOff}, {"<EM>", codes.emp},      {"</EM>", codes.empOff}, {"<SNAPSCAN>", QByteArray()},
        {"<CUT>", codes.cut},   {"<ICUT>", codes.icut},
    };
    for (const auto& tag : tags) {
        const QString upper = QLatin1String(tag.tag);
        s.replace(upper.toLower(), upper);
        if (upper == QLatin1String("<SNAPSCAN>")) {
            const qsizetype at = s.indexOf(upper);
            s.remove(upper);
            if (withQr && at >= 0)
                s.insert(at, QString(qrImage.size(), standIn));
            continue;
        }
        s.replace(upper, QString::fromLatin1(tag.code));
    }
    s.prepend(QString::fromLatin1(codes.init));
    s.append(QString::fromLatin1(codes.eop));

    SlipBytes out;
    out.bytes = s.toLatin1();
    const qsizetype at = s.indexOf(standIn);
    if (withQr && at >= 0) {
        out.qrOffset = int(at);
        out.qrLength = int(qrImage.size());
        out.bytes.replace(at, qrImage.size(), qrImage);
    }
    return out;
}

} // namespace DocRender
