#include "platform/IniSettingsStore.h"

#include <QSettings>
#include <QStandardPaths>

#include "core/AppInfo.h"

namespace platform {

namespace {

const QString kApplicationName = QStringLiteral("Veltrano");

class IniSettingsKey : public SettingsKey {
public:
    explicit IniSettingsKey(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

    std::optional<QString> readString(const QString& name) const override {
        QVariant value = settings_->value(name);
        if (!value.isValid()) return std::nullopt;
        return value.toString();
    }

    bool writeInt(const QString& name, int value) override {
        settings_->setValue(name, value);
        return flush();
    }

    bool writeString(const QString& name, const QString& value) override {
        settings_->setValue(name, value);
        return flush();
    }

    bool deleteValue(const QString& name) override {
        settings_->remove(name);
        return flush();
    }

private:
    // QSettings replaces the file through a temporary one (atomic sync is required),
    // so a failed write leaves the previous file whole; status() tells whether it failed.
    bool flush() {
        settings_->sync();
        return settings_->status() == QSettings::NoError;
    }

    std::unique_ptr<QSettings> settings_;
};

}  // namespace

QString defaultSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           kv::kMakerName + QLatin1Char('/') + kApplicationName + QStringLiteral(".conf");
}

IniSettingsStore::IniSettingsStore(QString file) : file_(std::move(file)) {}

std::unique_ptr<SettingsKey> IniSettingsStore::openKey(const QString& sub, bool create) {
    auto settings = std::make_unique<QSettings>(file_, QSettings::IniFormat);
    settings->setAtomicSyncRequired(true);
    // A file QSettings cannot parse would be overwritten by the first write: leave it alone.
    if (settings->status() != QSettings::NoError) return nullptr;
    settings->beginGroup(sub);
    bool exists = !settings->allKeys().isEmpty();
    if (!exists && (!create || !settings->isWritable())) return nullptr;
    return std::make_unique<IniSettingsKey>(std::move(settings));
}

}  // namespace platform
