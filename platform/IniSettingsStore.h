#pragma once
// The settings store as an INI file: ~/.config/Tessmark Ltd./Veltrano.conf.
#include "platform/SettingsStore.h"

namespace platform {

// The user's settings file, under $XDG_CONFIG_HOME (default ~/.config).
QString defaultSettingsFile();

class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(QString file = defaultSettingsFile());
    std::unique_ptr<SettingsKey> openKey(const QString& sub, bool create) override;

    const QString& file() const { return file_; }

private:
    QString file_;
};

}  // namespace platform
