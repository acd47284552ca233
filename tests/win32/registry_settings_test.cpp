// The settings store against the real registry under Wine: per-user fallback when the machine
// refuses a write, per-user values read first, a machine write removing the per-user copy.
#include "win32/registry_settings.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

constexpr const wchar_t* kTestRoot = L"Software\\QuorvaneStoreTest";

std::optional<std::wstring> RawValue(HKEY root, const std::wstring& key, const wchar_t* name) {
    wchar_t data[256] = {};
    DWORD size = sizeof data;
    DWORD type = 0;
    if (RegGetValueW(root, (std::wstring(kTestRoot) + L"\\" + kSettingsPath + L"\\" + key).c_str(),
                     name, RRF_RT_REG_SZ, &type, data, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(data);
}

class RegistryStore : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kTestRoot);
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot);
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kTestRoot, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &machine_rw, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kTestRoot, 0, KEY_READ, &machine_ro),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestRoot, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &user, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        for (HKEY key : {machine_rw, machine_ro, user}) {
            if (key) RegCloseKey(key);
        }
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kTestRoot);
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot);
    }

    HKEY machine_rw = nullptr;
    HKEY machine_ro = nullptr;
    HKEY user = nullptr;
};

TEST_F(RegistryStore, AWritableMachineKeyTakesTheValueAsText) {
    RegistrySettings store(machine_rw, user);
    EXPECT_TRUE(store.Write("SaveGreetMessage\\Message",
                            "Gr\xC3\xBC\xC3\x9F"
                            "e \xE2\x82\xAC"));
    EXPECT_EQ(RawValue(HKEY_LOCAL_MACHINE, L"SaveGreetMessage", L"Message"),
              L"Gr\x00fc\x00df"
              L"e \x20ac");
    EXPECT_EQ(RawValue(HKEY_CURRENT_USER, L"SaveGreetMessage", L"Message"), std::nullopt);
    EXPECT_EQ(store.Read("SaveGreetMessage\\Message"),
              "Gr\xC3\xBC\xC3\x9F"
              "e \xE2\x82\xAC");
}

TEST_F(RegistryStore, AMachineRootOpenedReadOnlyRefusesAndTheUserKeepsTheValue) {
    RegistrySettings store(machine_ro, user);
    EXPECT_TRUE(store.Write("SaveTimeMessage\\Message1", "hello"));
    EXPECT_EQ(RawValue(HKEY_LOCAL_MACHINE, L"SaveTimeMessage", L"Message1"), std::nullopt);
    EXPECT_EQ(RawValue(HKEY_CURRENT_USER, L"SaveTimeMessage", L"Message1"), L"hello");
    EXPECT_EQ(store.Read("SaveTimeMessage\\Message1"), "hello");
    // A new store on the same roots, as after a restart of the program.
    RegistrySettings later(machine_ro, user);
    EXPECT_EQ(later.Read("SaveTimeMessage\\Message1"), "hello");
}

TEST_F(RegistryStore, TheUsersValueIsReadBeforeTheMachines) {
    RegistrySettings writable(machine_rw, user);
    ASSERT_TRUE(writable.Write("SaveAlertMessage\\Enable", "0"));
    RegistrySettings refused(machine_ro, user);
    ASSERT_TRUE(refused.Write("SaveAlertMessage\\Enable", "1"));
    EXPECT_EQ(refused.Read("SaveAlertMessage\\enable"), "1");
    EXPECT_EQ(writable.Read("SaveAlertMessage\\Enable"), "1");
    // Only the machine value: it is read.
    ASSERT_TRUE(writable.Write("SaveAlertMessage\\Message1", "bob"));
    EXPECT_EQ(refused.Read("SaveAlertMessage\\Message1"), "bob");
    EXPECT_EQ(refused.Read("SaveAlertMessage\\Message2"), std::nullopt);
}

TEST_F(RegistryStore, AMachineWriteRemovesThePerUserCopy) {
    RegistrySettings refused(machine_ro, user);
    ASSERT_TRUE(refused.Write("SaveStyle\\Style", "2"));
    RegistrySettings writable(machine_rw, user);
    ASSERT_TRUE(writable.Write("SaveStyle\\Style", "3"));
    EXPECT_EQ(RawValue(HKEY_LOCAL_MACHINE, L"SaveStyle", L"Style"), L"3");
    EXPECT_EQ(RawValue(HKEY_CURRENT_USER, L"SaveStyle", L"Style"), std::nullopt);
    EXPECT_EQ(refused.Read("SaveStyle\\Style"), "3") << "no older copy shadows the new value";
}

TEST_F(RegistryStore, AMachineKeyThatTakesNoSubkeysRefusesToo) {
    // A volatile machine key takes no lasting subkeys: the registry itself refuses.
    HKEY volatile_root = nullptr;
    ASSERT_EQ(RegCreateKeyExW(machine_rw, L"Volatile", 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &volatile_root, nullptr),
              ERROR_SUCCESS);
    RegistrySettings store(volatile_root, user);
    EXPECT_TRUE(store.Write("Logfile\\Log", "1"));
    EXPECT_EQ(RawValue(HKEY_CURRENT_USER, L"Logfile", L"Log"), L"1");
    EXPECT_EQ(store.Read("Logfile\\Log"), "1");
    RegCloseKey(volatile_root);
}

TEST_F(RegistryStore, BothRefusedLosesTheWriteAndMissingValuesReadAsNothing) {
    HKEY user_ro = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kTestRoot, 0, KEY_READ, &user_ro), ERROR_SUCCESS);
    RegistrySettings store(machine_ro, user_ro);
    EXPECT_FALSE(store.Write("SaveHide\\Hide", "0"));
    EXPECT_EQ(RawValue(HKEY_LOCAL_MACHINE, L"SaveHide", L"Hide"), std::nullopt);
    EXPECT_EQ(RawValue(HKEY_CURRENT_USER, L"SaveHide", L"Hide"), std::nullopt);
    EXPECT_EQ(store.Read("SaveHide\\Hide"), std::nullopt);
    EXPECT_EQ(store.Read("NoGroup"), std::nullopt);
    RegCloseKey(user_ro);
}

TEST(RegistryStoreProgram, TheProgramsStoreWritesTheMachineKeyUnderWine) {
    // As root under Wine the machine key is writable: the value lands there.
    RegistrySettings store;
    ASSERT_TRUE(store.Write("QuorvaneStoreTest\\Value", "x"));
    wchar_t data[8] = {};
    DWORD size = sizeof data;
    EXPECT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, L"Software\\QuorvaneDIZuvo\\QuorvaneStoreTest",
                           L"Value", RRF_RT_REG_SZ, nullptr, data, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(data), L"x");
    EXPECT_EQ(store.Read("QuorvaneStoreTest\\Value"), "x");
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\QuorvaneDIZuvo\\QuorvaneStoreTest");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\QuorvaneDIZuvo\\QuorvaneStoreTest");
}

}  // namespace
}  // namespace qv
