#include "core/AppInfo.h"

namespace kv {

QString appVersion() { return QStringLiteral(KV_VERSION); }

}  // namespace kv
