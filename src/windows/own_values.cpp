#include "windows/own_values.h"

#include "core/networks/stock.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace vantrel::windows {

QString ownValuesPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/own-values.txt");
}

QString readOwnValues() {
    QFile file(ownValuesPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(static_cast<qint64>(networks::kLongestStockText)));
}

bool keepOwnValues(const QString& text) {
    const QString path = ownValuesPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

} // namespace vantrel::windows
