// The settings store: the INI file and the in-memory fake keep the same rules.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <climits>

#include "TestEnvironment.h"
#include "platform/IniSettingsStore.h"
#include "platform/fake/FakeSettingsStore.h"

using platform::IniSettingsStore;

namespace {

enum class Kind { Ini, Fake };
void PrintTo(Kind kind, std::ostream* out) { *out << (kind == Kind::Ini ? "INI file" : "fake"); }

class SettingsStoreRules : public ::testing::TestWithParam<Kind> {
protected:
    // Each call gives a store over the same data, as a new process of the program sees it.
    std::shared_ptr<platform::SettingsStore> store() {
        if (GetParam() == Kind::Fake) return fake_;
        return std::make_shared<IniSettingsStore>(dir_.path() + "/Veltrano.conf");
    }

private:
    QTemporaryDir dir_;
    std::shared_ptr<platform::FakeSettingsStore> fake_ = std::make_shared<platform::FakeSettingsStore>();
};

TEST_P(SettingsStoreRules, AKeyExistsWhileItHoldsAValue) {
    EXPECT_EQ(store()->openKey("Screen", false), nullptr);
    auto key = store()->openKey("Screen", true);
    ASSERT_NE(key, nullptr);
    EXPECT_FALSE(store()->keyExists("Screen"));
    ASSERT_TRUE(key->writeInt("X_SC", 1));
    ASSERT_TRUE(key->writeInt("Y_SC", 2));
    EXPECT_TRUE(store()->keyExists("Screen"));
    EXPECT_FALSE(store()->keyExists("HKey"));
    ASSERT_TRUE(key->deleteValue("X_SC"));
    EXPECT_EQ(store()->openKey("Screen", false)->readInt("X_SC"), std::nullopt);
    ASSERT_TRUE(key->deleteValue("Y_SC"));
    EXPECT_FALSE(store()->keyExists("Screen"));
    EXPECT_TRUE(key->deleteValue("Y_SC")) << "deleting what is not there is no failure";
}

TEST_P(SettingsStoreRules, ValuesSurviveANewProcess) {
    auto key = store()->openKey("Screen", true);
    ASSERT_TRUE(key->writeInt("X_SC", INT_MAX));
    ASSERT_TRUE(key->writeInt("Y_SC", INT_MIN));
    ASSERT_TRUE(key->writeString("Note", "a, b = c; \"d\""));
    auto reread = store()->openKey("Screen", false);
    ASSERT_NE(reread, nullptr);
    EXPECT_EQ(reread->readInt("X_SC"), INT_MAX);
    EXPECT_EQ(reread->readInt("Y_SC"), INT_MIN);
    EXPECT_EQ(reread->readString("Note"), QString("a, b = c; \"d\""));
}

TEST_P(SettingsStoreRules, MissingOrNonNumberCountsAsNotSet) {
    auto key = store()->openKey("HKey", true);
    ASSERT_TRUE(key->writeInt("Key1", 122));
    for (const char* text : {"", "abc", "12abc", "1.5", "0x10", "99999999999", "-2147483649"}) {
        ASSERT_TRUE(key->writeString("Modif1", text));
        EXPECT_EQ(store()->openKey("HKey", false)->readInt("Modif1"), std::nullopt) << text;
    }
    EXPECT_EQ(store()->openKey("HKey", false)->readInt("NumKey1"), std::nullopt);
    EXPECT_EQ(store()->openKey("HKey", false)->readString("NumKey1"), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Stores, SettingsStoreRules, ::testing::Values(Kind::Ini, Kind::Fake),
                         [](const auto& info) { return info.param == Kind::Ini ? "Ini" : "Fake"; });

TEST(IniSettingsStore, LivesInTheUsersConfigFolderBesideOtherKeys) {
    QTemporaryDir config;
    EnvOverride env("XDG_CONFIG_HOME", config.path());
    QString file = config.path() + "/Tessmark Ltd./Veltrano.conf";
    writeText(file, "[HKey]\nKey3 = 122\nModif3=x\n[Screen]\nTray=1\n");
    ASSERT_TRUE(IniSettingsStore().openKey("Screen", true)->writeInt("X_SC", 173));
    IniSettingsStore reread(file);
    EXPECT_EQ(reread.openKey("HKey", false)->readInt("Key3"), 122);
    EXPECT_EQ(reread.openKey("HKey", false)->readInt("Modif3"), std::nullopt);
    EXPECT_EQ(reread.openKey("Screen", false)->readInt("Tray"), 1);
    EXPECT_TRUE(readText(file).contains("X_SC=173")) << readText(file).toStdString();
}

TEST(IniSettingsStore, FailuresToOpenOrWriteAreReported) {
    QTemporaryDir dir;
    writeText(dir.path() + "/blocker", "a file where the folder should be");
    EXPECT_EQ(IniSettingsStore(dir.path() + "/blocker/Veltrano.conf").openKey("Screen", true), nullptr);

    QString folder = dir.path() + "/config";
    writeText(folder + "/Veltrano.conf", "[Screen]\nTray=1\n");
    auto key = IniSettingsStore(folder + "/Veltrano.conf").openKey("Screen", true);
    ASSERT_NE(key, nullptr);
    // The folder turns into a file: no replacement can be written there any more.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    writeText(folder, "");
    EXPECT_FALSE(key->writeInt("X_SC", 5));
}

}  // namespace
