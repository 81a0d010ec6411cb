#include "core/zkprompt.h"

#include "core/zktransaction.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPushButton>

namespace {

// Names a file's type from its name alone. The stock provider reads each
// file of the folder shown to guess its type; when that folder holds the
// SQLite database, opening and closing the database file drops every lock
// this process holds on it (POSIX record locks belong to the process, not
// to the descriptor), and another till or brevalon-db may then checkpoint
// the database under us and delete the write-ahead log with our last sales.
class NameOnlyIconProvider : public QAbstractFileIconProvider
{
public:
    QIcon icon(const QFileInfo& info) const override
    {
        return QAbstractFileIconProvider::icon(info.isDir() ? Folder : File);
    }
    using QAbstractFileIconProvider::icon;

    QString type(const QFileInfo& info) const override
    {
        if (info.isDir())
            return QObject::tr("Folder");
        return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension).comment();
    }
};

// Qt's own dialog, never the desktop's: a native one runs in this process
// too and guesses types by reading the files just the same.
QString pickFile(const ZkPrompt::Request& r, QFileDialog::AcceptMode mode)
{
    static NameOnlyIconProvider provider;
    QFileDialog dialog(r.parent, r.caption, r.value, r.text);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&provider);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

ZkPrompt::Handler& handler()
{
    static ZkPrompt::Handler h;
    return h;
}

int showBox(QMessageBox::Icon icon, const ZkPrompt::Request& r)
{
    QMessageBox box(icon, r.caption, r.text, QMessageBox::NoButton, r.parent);
    if (r.text.contains(QLatin1Char('<')))
        box.setTextFormat(Qt::AutoText);
    QStringList buttons = r.buttons;
    if (buttons.isEmpty())
        buttons << QObject::tr("OK");
    QList<QPushButton*> pushed;
    for (const QString& b : buttons)
        pushed << box.addButton(b, QMessageBox::ActionRole);
    if (r.defaultButton >= 0 && r.defaultButton < pushed.size())
        box.setDefaultButton(pushed.at(r.defaultButton));
    if (r.escapeButton >= 0 && r.escapeButton < pushed.size())
        box.setEscapeButton(pushed.at(r.escapeButton));
    box.exec();
    const int chosen = int(pushed.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
    return chosen < 0 ? qMax(r.escapeButton, 0) : chosen;
}

ZkPrompt::Reply qtReply(const ZkPrompt::Request& r)
{
    ZkPrompt::Reply reply;
    switch (r.kind) {
    case ZkPrompt::Information:
        reply.button = showBox(QMessageBox::Information, r);
        break;
    case ZkPrompt::Warning:
        reply.button = showBox(QMessageBox::Warning, r);
        break;
    case ZkPrompt::Critical:
        reply.button = showBox(QMessageBox::Critical, r);
        break;
    case ZkPrompt::Question:
        reply.button = showBox(QMessageBox::Question, r);
        break;
    case ZkPrompt::TextInput:
        reply.value = QInputDialog::getText(r.parent, r.caption, r.text, QLineEdit::Normal, r.value,
                                            &reply.ok);
        break;
    case ZkPrompt::ItemInput:
        reply.value = QInputDialog::getItem(r.parent, r.caption, r.text, r.buttons, r.defaultButton,
                                            r.escapeButton == 1, &reply.ok);
        break;
    case ZkPrompt::IntegerInput: {
        const QStringList range = r.buttons;
        reply.value = QString::number(QInputDialog::getInt(r.parent, r.caption, r.text, r.value.toInt(),
                                                           range.value(0).toInt(), range.value(1).toInt(),
                                                           1, &reply.ok));
        break;
    }
    case ZkPrompt::DoubleInput: {
        const QStringList range = r.buttons;
        reply.value = QString::number(
            QInputDialog::getDouble(r.parent, r.caption, r.text, r.value.toDouble(),
                                    range.value(0).toDouble(), range.value(1).toDouble(),
                                    range.value(2).toInt(), &reply.ok),
            'f', range.value(2).toInt());
        break;
    }
    case ZkPrompt::OpenFile:
        reply.value = pickFile(r, QFileDialog::AcceptOpen);
        reply.ok = !reply.value.isEmpty();
        break;
    case ZkPrompt::SaveFile:
        reply.value = pickFile(r, QFileDialog::AcceptSave);
        reply.ok = !reply.value.isEmpty();
        break;
    case ZkPrompt::Beep:
        QApplication::beep();
        break;
    case ZkPrompt::Exec:
        reply.button = r.dialog->exec();
        break;
    }
    return reply;
}

ZkPrompt::Request request(ZkPrompt::Kind kind, QWidget* parent, const QString& caption, const QString& text)
{
    ZkPrompt::Request r;
    r.kind = kind;
    r.parent = parent;
    r.caption = caption;
    r.text = text;
    return r;
}

} // namespace

ZkPrompt::Reply ZkPrompt::ask(const Request& asked)
{
    Request request = asked;
    if (request.kind != Beep && ZkTransaction::active()) {
        request.insideUnit = true;
        qWarning("Brevalon: a box was asked for while a posting unit is open (%s: %s)",
                 qPrintable(request.caption), qPrintable(request.text.left(200)));
    }
    if (handler())
        return handler()(request);
    // A box must never sit behind a wait cursor.
    const bool waiting = QApplication::overrideCursor() != nullptr && request.kind != Beep
        && request.kind != Exec;
    if (waiting)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const Reply reply = qtReply(request);
    if (waiting)
        QApplication::restoreOverrideCursor();
    return reply;
}

void ZkPrompt::information(QWidget* parent, const QString& caption, const QString& text)
{
    Request r = request(Information, parent, caption, text);
    ask(r);
}

void ZkPrompt::warning(QWidget* parent, const QString& caption, const QString& text)
{
    Request r = request(Warning, parent, caption, text);
    ask(r);
}

void ZkPrompt::critical(QWidget* parent, const QString& caption, const QString& text)
{
    Request r = request(Critical, parent, caption, text);
    ask(r);
}

int ZkPrompt::question(QWidget* parent, const QString& caption, const QString& text,
                       const QStringList& buttons, int defaultButton, int escapeButton)
{
    return askButtons(Question, parent, caption, text, buttons, defaultButton, escapeButton);
}

int ZkPrompt::informationQuestion(QWidget* parent, const QString& caption, const QString& text,
                                  const QStringList& buttons, int defaultButton, int escapeButton)
{
    return askButtons(Information, parent, caption, text, buttons, defaultButton, escapeButton);
}

int ZkPrompt::warningQuestion(QWidget* parent, const QString& caption, const QString& text,
                              const QStringList& buttons, int defaultButton, int escapeButton)
{
    return askButtons(Warning, parent, caption, text, buttons, defaultButton, escapeButton);
}

int ZkPrompt::askButtons(Kind kind, QWidget* parent, const QString& caption, const QString& text,
                         const QStringList& buttons, int defaultButton, int escapeButton)
{
    Request r = request(kind, parent, caption, text);
    r.buttons = buttons;
    r.defaultButton = defaultButton;
    r.escapeButton = escapeButton;
    return ask(r).button;
}

QString ZkPrompt::getText(QWidget* parent, const QString& caption, const QString& label,
                          const QString& text, bool* ok)
{
    Request r = request(TextInput, parent, caption, label);
    r.value = text;
    const Reply reply = ask(r);
    if (ok)
        *ok = reply.ok;
    return reply.ok ? reply.value : QString();
}

QString ZkPrompt::getItem(QWidget* parent, const QString& caption, const QString& label,
                          const QStringList& items, int current, bool editable, bool* ok)
{
    Request r = request(ItemInput, parent, caption, label);
    r.buttons = items;
    r.defaultButton = current;
    r.escapeButton = editable ? 1 : 0;
    const Reply reply = ask(r);
    if (ok)
        *ok = reply.ok;
    return reply.ok ? reply.value : QString();
}

int ZkPrompt::getInteger(QWidget* parent, const QString& caption, const QString& label, int value,
                         int min, int max, bool* ok)
{
    Request r = request(IntegerInput, parent, caption, label);
    r.value = QString::number(value);
    r.buttons = QStringList{QString::number(min), QString::number(max)};
    const Reply reply = ask(r);
    if (ok)
        *ok = reply.ok;
    return reply.ok ? reply.value.toInt() : value;
}

double ZkPrompt::getDouble(QWidget* parent, const QString& caption, const QString& label,
                           double value, double min, double max, int decimals, bool* ok)
{
    Request r = request(DoubleInput, parent, caption, label);
    r.value = QString::number(value, 'f', decimals);
    r.buttons = QStringList{QString::number(min, 'f', decimals), QString::number(max, 'f', decimals),
                            QString::number(decimals)};
    const Reply reply = ask(r);
    if (ok)
        *ok = reply.ok;
    return reply.ok ? reply.value.toDouble() : value;
}

QString ZkPrompt::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                               const QString& filter)
{
    Request r = request(OpenFile, parent, caption, filter);
    r.value = dir;
    const Reply reply = ask(r);
    return reply.ok ? reply.value : QString();
}

QString ZkPrompt::saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                               const QString& filter)
{
    Request r = request(SaveFile, parent, caption, filter);
    r.value = dir;
    const Reply reply = ask(r);
    return reply.ok ? reply.value : QString();
}

void ZkPrompt::beep()
{
    Request r;
    r.kind = Beep;
    ask(r);
}

int ZkPrompt::exec(QDialog* dialog)
{
    Request r;
    r.kind = Exec;
    r.dialog = dialog;
    r.caption = dialog->windowTitle();
    r.text = dialog->objectName();
    return ask(r).button;
}

void ZkPrompt::setWaitCursor(bool on)
{
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }
}

void ZkPrompt::setHandler(Handler h)
{
    handler() = std::move(h);
}

bool ZkPrompt::hasHandler()
{
    return bool(handler());
}
