#include "tests/support/scriptedprompts.h"

#include <QDialog>
#include <QTest>

QString kindName(ZkPrompt::Kind kind)
{
    static const char* const names[] = {"information", "warning", "critical",  "question",
                                        "text",        "item",    "integer",   "double",
                                        "open file",   "save file", "beep",    "exec"};
    return QString::fromLatin1(names[kind]);
}

ScriptedPrompts::ScriptedPrompts()
{
    ZkPrompt::setHandler([this](const ZkPrompt::Request& r) { return answer(r); });
}

ScriptedPrompts::~ScriptedPrompts()
{
    ZkPrompt::setHandler({});
}

ScriptedPrompts& ScriptedPrompts::expect(ZkPrompt::Kind kind, const QString& caption, const QString& text,
                                         int button, const QString& value, bool ok)
{
    Expected e{kind, caption, text, ZkPrompt::Reply{}, {}};
    e.reply.button = button;
    e.reply.value = value;
    e.reply.ok = ok;
    m_expected.append(e);
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectExec(const QString& objectName, std::function<int(QDialog*)> run)
{
    m_expected.append(Expected{ZkPrompt::Exec, QString(), objectName, ZkPrompt::Reply{}, std::move(run)});
    return *this;
}

QString ScriptedPrompts::pending() const
{
    QStringList out;
    for (const Expected& e : m_expected)
        out << kindName(e.kind) + QLatin1Char('|') + e.caption + QLatin1Char('|') + e.text;
    return out.join(QLatin1String("; "));
}

ZkPrompt::Reply ScriptedPrompts::answer(const ZkPrompt::Request& r)
{
    if (r.kind == ZkPrompt::Beep) {
        ++m_beeps;
        return {};
    }
    const QString line = kindName(r.kind) + QLatin1Char('|') + r.caption + QLatin1Char('|') + r.text;
    m_seen << line;
    // A box while a posting unit is open would hold every other till.
    if (r.insideUnit)
        QTest::qFail(qPrintable(QStringLiteral("prompt inside a posting unit: %1").arg(line)), __FILE__, __LINE__);

    const bool matches = !m_expected.isEmpty() && m_expected.first().kind == r.kind
        && (r.kind == ZkPrompt::Exec ? (m_expected.first().text.isEmpty()
                                        || r.dialog->objectName() == m_expected.first().text)
                                     : ((m_expected.first().caption.isNull()
                                         || m_expected.first().caption == r.caption)
                                        && r.text.contains(m_expected.first().text)));
    if (!matches) {
        const QString wanted = m_expected.isEmpty()
            ? QStringLiteral("nothing")
            : kindName(m_expected.first().kind) + QLatin1Char('|') + m_expected.first().caption
                + QLatin1Char('|') + m_expected.first().text;
        QTest::qFail(qPrintable(QStringLiteral("unexpected prompt: %1 (expected %2)").arg(line, wanted)),
                     __FILE__, __LINE__);
        // Code that asks again whatever it is told (a login loop) would
        // otherwise keep the test waiting until its time-out.
        if (++m_unexpected > 20)
            qFatal("the code under test keeps asking: %s", qPrintable(line));
        ZkPrompt::Reply cancel;
        cancel.button = qMax(r.escapeButton, 0);
        if (r.kind == ZkPrompt::Exec)
            cancel.button = QDialog::Rejected;
        return cancel;
    }
    Expected e = m_expected.takeFirst();
    if (r.kind == ZkPrompt::Exec)
        e.reply.button = e.run ? e.run(r.dialog) : QDialog::Accepted;
    return e.reply;
}
