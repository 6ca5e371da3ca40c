#pragma once
// The per-user settings store: named groups ("Screen", "HKey") of named values.
//
// A key is opened, with or without creating it, and then read and written. A key that
// cannot be opened is the caller's cue to do nothing further; a value that is missing
// or is no number counts as not set. Nothing is ever written by default.
#include <QString>
#include <memory>
#include <optional>

namespace platform {

// One opened group of values.
class SettingsKey {
public:
    virtual ~SettingsKey() = default;
    // Missing, or stored text that is no 32-bit decimal integer: not set. Read
    // through readString, as another process may have written the value as text.
    std::optional<int> readInt(const QString& name) const {
        std::optional<QString> text = readString(name);
        if (!text) return std::nullopt;
        bool ok = false;
        int value = text->trimmed().toInt(&ok, 10);
        if (!ok) return std::nullopt;
        return value;
    }
    virtual std::optional<QString> readString(const QString& name) const = 0;
    // Each write reaches the disk before it returns; false when it could not.
    virtual bool writeInt(const QString& name, int value) = 0;
    virtual bool writeString(const QString& name, const QString& value) = 0;
    virtual bool deleteValue(const QString& name) = 0;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Null when the key does not exist and create is false, or when it cannot be made.
    // A key exists once it holds a value.
    virtual std::unique_ptr<SettingsKey> openKey(const QString& sub, bool create) = 0;

    bool keyExists(const QString& sub) { return openKey(sub, false) != nullptr; }
};

}  // namespace platform
