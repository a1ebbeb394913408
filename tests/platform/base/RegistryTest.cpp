#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/base/Registry.h"

namespace {

namespace fs = std::filesystem;

// Points XDG_CONFIG_DIRS at a fresh folder for one test and writes a store file into it.
class InstallationStore : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::path(::testing::TempDir()) /
                ("registry-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "first" / "Orvanti");
        ::setenv("XDG_CONFIG_DIRS", (root_ / "first").c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("XDG_CONFIG_DIRS");
        fs::remove_all(root_);
    }
    void WriteStore(const std::string& folder, const std::string& text) {
        std::ofstream(root_ / folder / "Orvanti" / "Vexmora.reg", std::ios::binary) << text;
    }
    fs::path root_;
};

const char* const kGoodStore =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Orvanti\\Vexmora]\r\n"
    "\"Version\"=\"1.0\"\r\n"
    "\"Website\"=\"http://localhost:8421/vexmora.html\"\r\n";

TEST_F(InstallationStore, OnlyProductKeysReachTheStore) {
    WriteStore("first", kGoodStore);
    TRegistry registry;
    EXPECT_TRUE(registry.OpenKeyReadOnly("\\Software\\Orvanti\\Vexmora"));
    EXPECT_EQ(registry.ReadString("Version").value_or("?"), "1.0");
    EXPECT_FALSE(registry.ReadString("Missing").has_value());
    registry.CloseKey();
    EXPECT_FALSE(registry.ReadString("Version").has_value()) << "closed key reads nothing";

    EXPECT_FALSE(registry.OpenKeyReadOnly("\\Software\\Orvanti"));
    EXPECT_FALSE(registry.OpenKeyReadOnly("\\Software\\..\\..\\etc\\passwd"));
    EXPECT_FALSE(registry.OpenKeyReadOnly("\\Software\\Orvanti\\Vexmora\\Sub"));
    EXPECT_FALSE(registry.OpenKeyReadOnly("\\Software\\Orvanti/../x\\Vexmora"));
}

TEST(RegistryStore, SearchPathDefaultsToEtcXdgAndEndsWithTheProgramsFolder) {
    ::unsetenv("XDG_CONFIG_DIRS");
    const std::string path = RegistryStore::SearchPath();
    EXPECT_EQ(path.rfind("/etc/xdg:", 0), 0u) << path;
    EXPECT_TRUE(path.ends_with("/../etc/xdg")) << path;
}

}  // namespace
