#pragma once

#include <QByteArray>
#include <QString>

/** The Base64 encoder of the e-mail attachments. */
class ZkBase64
{
public:
    /** Standard Base64 with "=" padding and a line feed after every 76
     *  output characters. */
    static QString encode(const QByteArray& bytes);

private:
    static const char* const kAlphabet;
};
