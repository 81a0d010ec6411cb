#pragma once

#include "core/zkprompt.h"

#include <QList>
#include <QString>
#include <functional>

/**
 * Stands in for the operator. A test lists the prompts it expects, in
 * order, each with the answer to give; a prompt that is not expected fails
 * the test at once and is answered with a cancel, so no test waits on a box.
 */
class ScriptedPrompts
{
public:
    ScriptedPrompts();
    ~ScriptedPrompts();
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    /** Expects a box of @p kind whose caption is @p caption (a null string:
     *  any) and whose text contains @p text (empty: any); answers @p button
     *  / @p value. */
    ScriptedPrompts& expect(ZkPrompt::Kind kind, const QString& caption, const QString& text,
                            int button = 0, const QString& value = QString(), bool ok = true);
    /** Expects a modal dialog run; @p run fills it and returns its result. */
    ScriptedPrompts& expectExec(const QString& objectName, std::function<int(QDialog*)> run);

    /** Beeps are counted, not scripted. */
    int beeps() const { return m_beeps; }
    /** Every prompt seen, as "kind|caption|text" lines, for messages. */
    QStringList seen() const { return m_seen; }
    /** True when every expected prompt came. */
    bool done() const { return m_expected.isEmpty(); }
    /** The expected prompts that did not come, for messages. */
    QString pending() const;

private:
    struct Expected
    {
        ZkPrompt::Kind kind;
        QString caption;
        QString text;
        ZkPrompt::Reply reply;
        std::function<int(QDialog*)> run;
    };

    ZkPrompt::Reply answer(const ZkPrompt::Request& request);

    QList<Expected> m_expected;
    QStringList m_seen;
    int m_beeps = 0;
    int m_unexpected = 0;
};

/** The name of a prompt kind, for messages. */
QString kindName(ZkPrompt::Kind kind);
