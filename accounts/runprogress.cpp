#include "accounts/runprogress.h"

#include <QCoreApplication>
#include <QProgressDialog>

RunProgress::RunProgress(QWidget* parent, const QString& caption, int steps)
    : m_dialog(new QProgressDialog(parent))
{
    m_dialog->setObjectName(QStringLiteral("RunProgress"));
    m_dialog->setWindowTitle(caption);
    m_dialog->setRange(0, qMax(steps, 1));
    // Not modal: each document of the run shows its own window.
    m_dialog->setWindowModality(Qt::NonModal);
    m_dialog->setMinimumDuration(0);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setValue(0);
    // Shown at once: the run's first question or statement comes before
    // any time could pass that would show it by itself.
    m_dialog->show();
}

RunProgress::~RunProgress()
{
    delete m_dialog;
}

bool RunProgress::step(int done, const QString& what)
{
    // Ten times a second is as often as anyone reads it; drawing it for
    // every step of a long run would cost more than the steps.
    if (m_shown.isValid() && m_shown.elapsed() < 100)
        return !m_dialog->wasCanceled();
    m_shown.start();
    m_dialog->setLabelText(QCoreApplication::translate("Utility", "%1 of %2: %3")
                               .arg(done + 1)
                               .arg(m_dialog->maximum())
                               .arg(what));
    m_dialog->setValue(done);
    QCoreApplication::processEvents();
    return !m_dialog->wasCanceled();
}
