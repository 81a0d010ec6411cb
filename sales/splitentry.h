#pragma once

#include "core/utility.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

/**
 * Choosing what of a bill goes to a new bill: the bill's lines, each with
 * how much of it moves. On the touch layout a touch on a line moves one
 * more of it (after the last, none again); the keys do the same: + and -
 * one more or less, A all of the line, F8 splits, F5 or Escape cancels.
 */
class SplitEntry : public QDialog
{
    Q_OBJECT

public:
    /** Lists the lines of invoice @p invoice. */
    explicit SplitEntry(int invoice, QWidget* parent = nullptr);

    /** Lines shown (lines with a quantity). */
    int lineCount() const;
    /** Sets how much of the @p row-th line moves. */
    void setMoving(int row, double quantity);
    /** The lines and quantities chosen to move. */
    QList<Utility::SplitMove> moves() const;

    QTreeWidget* linesView() const { return m_lines; }
    QPushButton* splitButton() const { return m_split; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void touched(QTreeWidgetItem* item);
    /** Moves @p step more of the current line, within 0 and all of it. */
    void step(double step);
    void showMoving(QTreeWidgetItem* item, double quantity);

    QTreeWidget* m_lines = nullptr;
    QLabel* m_total = nullptr;
    QPushButton* m_split = nullptr;
};
