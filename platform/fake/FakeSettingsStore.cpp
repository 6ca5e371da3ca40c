#include "platform/fake/FakeSettingsStore.h"

namespace platform {

namespace {

class FakeSettingsKey : public SettingsKey {
public:
    FakeSettingsKey(FakeSettingsStore& store, QString sub) : store_(store), sub_(std::move(sub)) {}

    std::optional<QString> readString(const QString& name) const override {
        auto group = store_.groups.constFind(sub_);
        if (group == store_.groups.constEnd() || !group->contains(name)) return std::nullopt;
        return group->value(name);
    }

    bool writeInt(const QString& name, int value) override { return writeString(name, QString::number(value)); }

    bool writeString(const QString& name, const QString& value) override {
        if (store_.writesFail) return false;
        store_.groups[sub_][name] = value;
        return true;
    }

    bool deleteValue(const QString& name) override {
        if (store_.writesFail) return false;
        auto group = store_.groups.find(sub_);
        if (group == store_.groups.end()) return true;
        group->remove(name);
        if (group->isEmpty()) store_.groups.erase(group);
        return true;
    }

private:
    FakeSettingsStore& store_;
    QString sub_;
};

}  // namespace

std::unique_ptr<SettingsKey> FakeSettingsStore::openKey(const QString& sub, bool create) {
    if (unavailable) return nullptr;
    if (!create && groups.value(sub).isEmpty()) return nullptr;
    return std::make_unique<FakeSettingsKey>(*this, sub);
}

}  // namespace platform
