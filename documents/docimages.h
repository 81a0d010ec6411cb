#pragma once

#include <QImage>
#include <QString>
#include <QTextDocument>
#include <QTextEdit>

/**
 * The named images that documents show through an image tag whose source is
 * the name ("PrintLogo", "SnapScanQR"). Every view and every printed copy of
 * a document looks its images up here, so a picture registered once appears
 * on screen, on paper and in e-mail alike.
 */
namespace DocImages {

/** Registers @p image under @p name; a null image removes the name. */
void set(const QString& name, const QImage& image);
QImage get(const QString& name);
bool has(const QString& name);

} // namespace DocImages

/** A text document that finds the registered images. */
class DocTextDocument : public QTextDocument
{
    Q_OBJECT

public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

/** A read-only rich-text view that finds the registered images. */
class DocView : public QTextEdit
{
    Q_OBJECT

public:
    explicit DocView(QWidget* parent = nullptr);

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};
