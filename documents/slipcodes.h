#pragma once

#include <QByteArray>
#include <QString>

/**
 * The printer control codes of the slip printers: lists of decimal byte
 * values kept in "/SlipCodes" (printers of the default width) and
 * "/Slip40Codes" (40-column printers).
 */
struct SlipCodes
{
    QByteArray init;
    QByteArray eop;
    QByteArray bold;
    QByteArray boldOff;
    QByteArray emp;
    QByteArray empOff;
    QByteArray dbl;
    QByteArray dblOff;
    QByteArray cut;
    QByteArray icut;
    QByteArray logo;
    QByteArray kick;
    /** The bit-image command form; the QR code prints only for kBitImageForm. */
    QString bitImage;

    /** The one bit-image command form the renderer can print. */
    static const char* const kBitImageForm;

    /** The settings group of a printer width. */
    static QString group(bool forty);
    /** One code's text from the settings, with the printer family's default. */
    static QString entry(const QString& name, bool forty);
    /** All codes of one printer width from the settings. */
    static SlipCodes load(bool forty);
    /** The bytes of a code text: comma-separated decimal values, each taken
     *  modulo 256; reading stops at the first empty entry and after 31 values. */
    static QByteArray parse(const QString& list);
};
