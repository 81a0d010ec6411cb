#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QVector>

/** A QR symbol: width × width modules, row by row. */
struct QrSymbol
{
    int width = 0;
    QVector<bool> dark;

    bool isNull() const { return width == 0; }
    /** Modules outside the symbol count as light. */
    bool isDark(int row, int column) const
    {
        return row >= 0 && column >= 0 && row < width && column < width && dark.at(row * width + column);
    }
};

/**
 * The QR code by which a customer pays through the payment service: the
 * symbol, its picture for pages and its bit image for slip printers.
 */
namespace QrPayment {

/** The name under which documents find the picture. */
inline QString imageName() { return QStringLiteral("SnapScanQR"); }

/** The text the code carries: the payment page of the merchant with the
 *  document's payment reference. */
QString paymentText(const QString& host, const QString& merchantId, const QString& reference);

/** Encodes @p text in the smallest version that holds it, error correction
 *  level L, 8-bit mode; a null symbol when the encoder refuses. */
QrSymbol encode(const QString& text);

/** One pixel per module, black on white, scaled four times; no quiet zone. */
QImage image(const QrSymbol& symbol);

/** The symbol as 24-dot double-density bit-image bands (ESC * 33), each
 *  module 8 × 8 dots, indented to stand in the middle of the paper, with the
 *  caption "SnapScan" below it. */
QByteArray bitImage(const QrSymbol& symbol);

} // namespace QrPayment
