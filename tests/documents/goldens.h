#pragma once

#include <QByteArray>
#include <QString>

/**
 * Reference files of rendered documents, kept in tests/documents/data/golden.
 * A reference is reviewed once by a person and then compared byte for byte.
 * With BREVALON_UPDATE_GOLDEN=1 in the environment a comparison writes the
 * reference instead (for review before committing); without it a missing
 * reference fails.
 */
namespace Goldens {

QString dataDir();
QByteArray readData(const QString& name);
/** Empty when @p actual equals the reference @p name, else what differs. */
QString compare(const QString& name, const QByteArray& actual);

} // namespace Goldens
