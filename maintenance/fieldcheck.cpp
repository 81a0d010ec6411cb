#include "maintenance/fieldcheck.h"

#include "core/utility.h"
#include "core/zkprompt.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <cmath>

namespace FieldCheck {

bool number(QWidget* parent, const QString& caption, const QString& name, QLineEdit* field, double min, double max,
            int decimals, double* value)
{
    const QString text = field->text().trimmed();
    bool ok = true;
    const double v = text.isEmpty() ? 0 : Utility::strNum(text, &ok);
    if (ok && std::isfinite(v) && v >= min && v <= max) {
        *value = v;
        return true;
    }
    ZkPrompt::warning(parent, caption,
                      QCoreApplication::translate("FieldCheck", "%1 must be a number from %2 to %3, not \"%4\".")
                          .arg(name, Utility::numStr(min, decimals), Utility::numStr(max, decimals), text));
    field->setFocus();
    return false;
}

} // namespace FieldCheck
