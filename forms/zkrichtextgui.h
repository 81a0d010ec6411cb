#pragma once

#include <QDialog>

class DocView;
class QPushButton;
namespace Ui {
class ZkRichTextGui;
}

/** The layout of the paged rich-text window: the page view and the Prev,
 *  Next, Print, Print All and Close buttons. ZkRichText gives it its logic. */
class ZkRichTextGui : public QDialog
{
    Q_OBJECT

public:
    explicit ZkRichTextGui(QWidget* parent = nullptr);
    ~ZkRichTextGui() override;

    DocView* TextView;
    QPushButton* PrevButton;
    QPushButton* NextButton;
    QPushButton* PrintButton;
    QPushButton* PrintAllButton;
    QPushButton* CloseButton;

public slots:
    virtual void print() {}
    virtual void printAll() {}
    virtual void prev() {}
    virtual void next() {}

protected:
    /** Sets every visible text through the translator. */
    virtual void languageChange();

private:
    Ui::ZkRichTextGui* m_ui;
};
