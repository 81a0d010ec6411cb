// E-mail of the document window: the recipient, the message and the wait
// for the server.

#include "documents/docprint.h"

#include "core/globals.h"
#include "core/zkclock.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "documents/docmail.h"
#include "documents/smtp.h"
#include "documents/zkbase64.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPushButton>

void DocPrint::emailPage()
{
    if (!m_valid)
        return;
    QString to;
    if (!m_email.isEmpty() && m_auto == QLatin1String("email")) {
        to = m_email;
    } else {
        const QStringList known = DocMail::remembered();
        QStringList choices = known;
        if (!m_email.isEmpty()) {
            choices.removeAll(m_email);
            choices.prepend(m_email);
        }
        bool ok = false;
        to = ZkPrompt::getItem(this, tr("%1 Document Email").arg(m_caption), tr("Enter the required Email address"),
                               choices, 0, true, &ok)
                 .trimmed();
        if (!ok || to.isEmpty())
            return;
        m_email = to;
        DocMail::store(DocMail::remember(known, to));
    }

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!m_logo.isNull())
        m_logo.save(&buffer, "PNG");
    const QString body = DocMail::body(ZkBase64::encode(png), DocMail::mailHtml(m_pageHtml));

    const QString caption = windowTitle();
    setEnabled(false);
    setWindowTitle(to);
    int result;
    {
        Smtp smtp(settings->readEntry(QStringLiteral("/Global/FromEmail")), to, m_title, body);
        while (smtp.result() == Smtp::Running) {
            setWindowTitle(to + QLatin1String(" - ") + ZkClock::now().toString(QStringLiteral("hh:mm:ss")));
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        result = smtp.result();
    }
    setEnabled(true);
    setWindowTitle(caption);

    if (result == Smtp::Sent) {
        m_emailSent = true;
        finish();
    } else {
        m_auto.clear();
        m_emailFailed = true;
        EmailButton->setEnabled(false);
    }
}
