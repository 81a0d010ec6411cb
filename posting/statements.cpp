// Client statements. The statement run (ageing, interest, the document) is
// still to come; until it does, asking for a statement says so plainly
// instead of printing nothing.

#include "core/utility.h"

#include "core/zkprompt.h"

void Utility::processStatement(int mode)
{
    Q_UNUSED(mode)
    ZkPrompt::information(m_mainWindow, tr("Brevalon - Statement"),
                          tr("Statements are not available yet in this version of Brevalon.\n"
                             "No statement was printed for account %1.")
                              .arg(m_account));
}
