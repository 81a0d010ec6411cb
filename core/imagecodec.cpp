#include "core/utility.h"

#include "core/globals.h"
#include "core/zksettings.h"

#include <QApplication>
#include <QBuffer>
#include <QFont>
#include <QPainter>

namespace {

QImage::Format formatForDepth(int depth)
{
    switch (depth) {
    case 1:
        return QImage::Format_Mono;
    case 8:
        return QImage::Format_Indexed8;
    case 16:
        return QImage::Format_RGB16;
    case 24:
        return QImage::Format_RGB888;
    default:
        return QImage::Format_ARGB32;
    }
}

// The escape digit of each byte that may not appear raw in the stored text.
int escapeDigit(unsigned char byte)
{
    switch (byte) {
    case 0x00: return 0;
    case 0x0A: return 1;
    case 0x0D: return 2;
    case '\\': return 3;
    case '\'': return 4;
    case '"': return 5;
    case 'x': return 6;
    default: return -1;
    }
}

const unsigned char kEscaped[7] = {0x00, 0x0A, 0x0D, '\\', '\'', '"', 'x'};

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

QByteArray Utility::encodeImage(const QImage& image, int depth)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(formatForDepth(depth)).save(&buffer, "PNG", 80);

    QByteArray out;
    out.reserve(png.size() * 3 + 1);
    static const char hex[] = "0123456789abcdef";
    for (const char ch : png) {
        const unsigned char byte = static_cast<unsigned char>(ch);
        const int digit = escapeDigit(byte);
        if (digit >= 0) {
            // Two backslashes: the statement's text leaves one in the column
            // on servers that treat backslash as an escape, two elsewhere.
            out.append("\\\\");
            out.append(char('0' + digit));
        } else if (byte >= 0x80) {
            out.append('x');
            out.append(hex[byte >> 4]);
            out.append(hex[byte & 0x0f]);
        } else {
            out.append(ch);
        }
    }
    return out;
}

QByteArray Utility::decodeImageBytes(const QByteArray& stored)
{
    QByteArray bytes;
    bytes.reserve(stored.size());
    for (int i = 0; i < stored.size(); ++i) {
        const char c = stored.at(i);
        if (c == '\\') {
            // One or two backslashes lead an escape digit, by server.
            int j = i + 1;
            if (j < stored.size() && stored.at(j) == '\\')
                ++j;
            if (j < stored.size() && stored.at(j) >= '0' && stored.at(j) <= '6') {
                bytes.append(char(kEscaped[stored.at(j) - '0']));
                i = j;
                continue;
            }
            bytes.append(c);
        } else if (c == 'x' && i + 2 < stored.size() && hexValue(stored.at(i + 1)) >= 0
                   && hexValue(stored.at(i + 2)) >= 0) {
            bytes.append(char(hexValue(stored.at(i + 1)) * 16 + hexValue(stored.at(i + 2))));
            i += 2;
        } else {
            bytes.append(c);
        }
    }
    return bytes;
}

QImage Utility::decodeImage(const QByteArray& stored, int length, const QString& label, int width,
                            int height)
{
    const QByteArray data = stored.left(length);
    if (data.size() > 3) {
        QImage image;
        if (image.loadFromData(decodeImageBytes(data)))
            return image.scaled(width, height - 20, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        // A damaged picture still leaves a button that shows its label.
    }
    if (label.isEmpty())
        return QImage();

    const QColor background = QApplication::palette().color(QPalette::Button);
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(background);
    QFont font(settings->readEntry(QStringLiteral("/Global/TouchFont")),
               settings->readNumEntry(QStringLiteral("/Global/TouchFontSize")));
    font.setWeight(fontWeight(settings->readNumEntry(QStringLiteral("/Global/TouchFontWeight"))));
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(QApplication::palette().color(QPalette::ButtonText));
        painter.drawText(image.rect(), Qt::AlignCenter | Qt::TextWordWrap, label);
    }
    // Only the text stays; the button's own face shows through the rest.
    const QRgb face = background.rgba();
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == face)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

QFont::Weight Utility::fontWeight(int legacyWeight)
{
    // Stored weights use the old 0..99 scale (50 normal, 75 bold).
    return static_cast<QFont::Weight>(qBound(100, (legacyWeight - 50) * 12 + 400, 900));
}
