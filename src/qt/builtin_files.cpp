#include "qt/builtin_files.h"

#include <QFile>

namespace qt {

std::string ReadBuiltin(const std::string& name) {
  QFile file(QString::fromStdString(":/builtin/" + name));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace qt
