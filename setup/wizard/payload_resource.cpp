#include "payload_resource.h"

#include <QFile>

namespace setup {

std::string BuiltInPayload() {
  QFile payload(QStringLiteral(":/payload/OvaltoDat4"));
  if (!payload.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = payload.readAll();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace setup
