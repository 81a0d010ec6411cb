#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QWidget;

/**
 * The one door through which the program talks to the operator: message
 * boxes, questions, input boxes, file dialogs, the beep, the wait cursor and
 * the running of modal dialogs. In the program each call goes to Qt; a test
 * installs a handler that answers instead, so no code path needs a person.
 *
 * No box may open while a posting unit is open: the unit would hold its
 * locks (and the other tills) for as long as the operator takes. Such a
 * request is marked insideUnit; the program logs a warning, the test's
 * handler fails the test.
 */
class ZkPrompt
{
public:
    enum Kind {
        Information,
        Warning,
        Critical,
        Question,
        TextInput,
        ItemInput,
        IntegerInput,
        DoubleInput,
        OpenFile,
        SaveFile,
        Beep,
        Exec
    };

    /** What a prompt asks; handed to an installed handler. */
    struct Request
    {
        Kind kind = Information;
        QWidget* parent = nullptr;
        QString caption;
        QString text;
        QStringList buttons;   ///< question buttons, or the items of an item input
        int defaultButton = 0; ///< question default, or current item
        int escapeButton = -1;
        QString value;         ///< initial text, number or file name
        QDialog* dialog = nullptr;
        /** Asked while a posting unit (ZkTransaction) is open: a fault of the
         *  caller, which must gather, commit, then ask or print. */
        bool insideUnit = false;
    };

    /** The handler's answer. */
    struct Reply
    {
        int button = 0;  ///< question button index, or a dialog's result code
        bool ok = false; ///< input boxes: false when cancelled
        QString value;   ///< the text, item, number or file name given
    };

    using Handler = std::function<Reply(const Request&)>;

    static void information(QWidget* parent, const QString& caption, const QString& text);
    static void warning(QWidget* parent, const QString& caption, const QString& text);
    static void critical(QWidget* parent, const QString& caption, const QString& text);

    /** A question with up to three named buttons; returns the index of the
     *  button chosen. @p escapeButton is what closing the box answers. */
    static int question(QWidget* parent, const QString& caption, const QString& text,
                        const QStringList& buttons, int defaultButton = 0, int escapeButton = -1);
    /** As question, but drawn as an information box (icon only differs). */
    static int informationQuestion(QWidget* parent, const QString& caption, const QString& text,
                                   const QStringList& buttons, int defaultButton = 0,
                                   int escapeButton = -1);
    /** As question, but drawn as a warning: a refusal the operator may
     *  answer with more than OK. */
    static int warningQuestion(QWidget* parent, const QString& caption, const QString& text,
                               const QStringList& buttons, int defaultButton = 0, int escapeButton = -1);

    static QString getText(QWidget* parent, const QString& caption, const QString& label,
                           const QString& text = QString(), bool* ok = nullptr);
    static QString getItem(QWidget* parent, const QString& caption, const QString& label,
                           const QStringList& items, int current = 0, bool editable = false,
                           bool* ok = nullptr);
    static int getInteger(QWidget* parent, const QString& caption, const QString& label, int value,
                          int min, int max, bool* ok = nullptr);
    static double getDouble(QWidget* parent, const QString& caption, const QString& label,
                            double value, double min, double max, int decimals, bool* ok = nullptr);
    static QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                const QString& filter);
    static QString saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                const QString& filter);

    static void beep();

    /** Runs a modal dialog and returns its result code. */
    static int exec(QDialog* dialog);

    /** Wait cursor on or off; off restores the normal cursor whatever was set. */
    static void setWaitCursor(bool on);

    /** Installs a handler in place of Qt; an empty one restores Qt. */
    static void setHandler(Handler handler);
    static bool hasHandler();

private:
    static Reply ask(const Request& request);
    static int askButtons(Kind kind, QWidget* parent, const QString& caption, const QString& text,
                          const QStringList& buttons, int defaultButton, int escapeButton);
};
