#include "core/utility.h"

#include "documents/docprint.h"

void Utility::newDocPrint()
{
    delete m_docPrint;
    m_docPrint = new DocPrint(nullptr, QStringLiteral("Brevalon"));
}
