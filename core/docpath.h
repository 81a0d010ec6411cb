#pragma once

#include <QString>

/** The folder that file dialogs for the operator's own files start in: the
 *  home folder ($HOME) followed by "/Documents". */
QString getDocPath();
