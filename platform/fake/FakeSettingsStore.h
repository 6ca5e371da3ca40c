#pragma once
// An in-memory settings store. Values are kept as text, as the real store reads them back.
#include <QMap>

#include "platform/SettingsStore.h"

namespace platform {

class FakeSettingsStore : public SettingsStore {
public:
    using Values = QMap<QString, QString>;

    // Keys opened from this store refer to it: it must outlive them.
    std::unique_ptr<SettingsKey> openKey(const QString& sub, bool create) override;

    // The stored text of a group's values; a group exists while it holds one.
    QMap<QString, Values> groups;
    // Every open fails, as when the settings file cannot be read or made.
    bool unavailable = false;
    // Writes and deletes fail and change nothing, as on a full disk.
    bool writesFail = false;
};

}  // namespace platform
