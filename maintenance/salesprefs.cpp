// The sales window's preferences command.

#include "sales/sales.h"

#include "core/zkprompt.h"
#include "maintenance/prefs.h"

void Sales::preferences()
{
    Prefs prefs(this);
    ZkPrompt::exec(&prefs);
}
