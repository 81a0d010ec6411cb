#include "documents/qrpayment.h"

#include <QPainter>

#include <qrencode.h>

namespace QrPayment {

QString paymentText(const QString& host, const QString& merchantId, const QString& reference)
{
    return QLatin1String("https://") + host + QLatin1String("/qr/") + merchantId + QLatin1Char('?')
           + reference;
}

QrSymbol encode(const QString& text)
{
    QrSymbol symbol;
    const QByteArray bytes = text.toUtf8();
    QRcode* code = QRcode_encodeString(bytes.constData(), 0, QR_ECLEVEL_L, QR_MODE_8, 1);
    if (!code)
        return symbol;
    symbol.width = code->width;
    symbol.dark.resize(code->width * code->width);
    for (int i = 0; i < code->width * code->width; ++i)
        symbol.dark[i] = (code->data[i] & 1) != 0;
    QRcode_free(code);
    return symbol;
}

QImage image(const QrSymbol& symbol)
{
    if (symbol.isNull())
        return QImage();
    QImage modules(symbol.width, symbol.width, QImage::Format_RGB32);
    modules.fill(Qt::white);
    for (int row = 0; row < symbol.width; ++row) {
        for (int column = 0; column < symbol.width; ++column) {
            if (symbol.isDark(row, column))
                modules.setPixel(column, row, qRgb(0, 0, 0));
        }
    }
    return modules.scaled(symbol.width * 4, symbol.width * 4);
}

QByteArray bitImage(const QrSymbol& symbol)
{
    QByteArray out;
    if (symbol.isNull())
        return out;
    const int w = symbol.width;
    const int rows = (w / 3) * 3 + 3;
    const int indent = int(((64 - w) * 8) / 25.4);
    const int dots = 8 * w;
    out.append("\n\n");
    for (int band = 0; band < rows; band += 3) {
        out.append(QByteArray(qMax(indent, 0), ' '));
        out.append("\x1b\x2a\x21", 3);
        out.append(char(dots % 256));
        out.append(char(dots / 256));
        for (int column = 0; column < w; ++column) {
            for (int rep = 0; rep < 8; ++rep) {
                for (int k = 0; k < 3; ++k)
                    out.append(symbol.isDark(band + k, column) ? '\xff' : '\0');
            }
        }
        out.append("\x1b\x4a\x03", 3);
    }
    out.append('\n');
    out.append(QByteArray(16, ' '));
    out.append("SnapScan\n");
    return out;
}

} // namespace QrPayment
