#pragma once

#include <QElapsedTimer>
#include <QString>

class QProgressDialog;
class QWidget;

/**
 * How far a run over many accounts or documents is, shown in a window with
 * a Cancel button; the run asks after each step whether to go on. The
 * window stays out of the way of the documents the run shows.
 */
class RunProgress
{
public:
    RunProgress(QWidget* parent, const QString& caption, int steps);
    ~RunProgress();
    RunProgress(const RunProgress&) = delete;
    RunProgress& operator=(const RunProgress&) = delete;

    /** Shows that step @p done of the run is under way, naming it; false
     *  when the operator cancelled the run. */
    bool step(int done, const QString& what);

private:
    QProgressDialog* m_dialog;
    QElapsedTimer m_shown; // since the window was last brought up to date
};
