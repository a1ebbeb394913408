#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/RegistryAccess.h"

namespace {

namespace fs = std::filesystem;

// Points XDG_CONFIG_DIRS at fresh folders for one test and writes store files into them.
class InstallationStore : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::path(::testing::TempDir()) /
                ("store-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "first");
        fs::create_directories(root_ / "second");
        UseFolders((root_ / "first").string() + ":" + (root_ / "second").string());
    }
    void TearDown() override {
        ::unsetenv("XDG_CONFIG_DIRS");
        fs::remove_all(root_);
    }
    void UseFolders(const std::string& folders) { ::setenv("XDG_CONFIG_DIRS", folders.c_str(), 1); }
    void WriteStore(const std::string& folder, const std::string& text) {
        fs::create_directories(root_ / folder / "Orvanti");
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

TEST_F(InstallationStore, ReadsBothStringValues) {
    WriteStore("first", kGoodStore);
    EXPECT_EQ(ReadInstalledVersion("Vexmora"), "1.0");
    EXPECT_EQ(ReadInstalledWebsite("Vexmora"), "http://localhost:8421/vexmora.html");
}

TEST_F(InstallationStore, MissingStoreKeyOrValueGivesEmptyText) {
    EXPECT_EQ(ReadInstalledVersion("Vexmora"), "") << "no store file at all";

    WriteStore("first",
               "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Orvanti\\Other]\n\"Version\"=\"2.0\"\n");
    EXPECT_EQ(ReadInstalledVersion("Vexmora"), "") << "key missing";

    WriteStore("first",
               "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Orvanti\\Vexmora]\n\"Version\"=\"1.0\"\n");
    EXPECT_EQ(ReadInstalledVersion("Vexmora"), "1.0");
    EXPECT_EQ(ReadInstalledWebsite("Vexmora"), "") << "value missing";
    EXPECT_EQ(ReadInstalledVersion("Other"), "") << "another product's store";
}

TEST_F(InstallationStore, ValuesOfAnotherTypeCountAsMissing) {
    WriteStore("first",
               "Windows Registry Editor Version 5.00\n"
               "[HKEY_LOCAL_MACHINE\\Software\\Orvanti\\Vexmora]\n"
               "\"Version\"=dword:00000001\n"
               "\"Website\"=hex(2):68,00,74,00,\\\n"
               "  74,00,70,00\n");
    EXPECT_EQ(ReadInstalledVersion("Vexmora"), "");
    EXPECT_EQ(ReadInstalledWebsite("Vexmora"), "");
}

TEST_F(InstallationStore, MalformedOrUnreadableStoresGiveEmptyText) {
    WriteStore("first", "[HKEY_LOCAL_MACHINE\\Software\\Orvanti\\Vexmora\n\"Version\"=\"1.0\"\n");
    EXPECT_EQ(ReadInstalledVersion("Vexmora"), "") << "unclosed key line";

    WriteStore("first", "[HKEY_LOCAL_MACHINE\\Software\\Orvanti\\Vexmora]\n\"Version\"=\"1.0\n");
    EXPECT_EQ(ReadInstalledVersion("Vexmora"), "") << "unterminated string";

    WriteStore("first", "\"Version\"=\"1.0\"\n");
    EXPECT_EQ(ReadInstalledVersion("Vexmora"), "") << "value outside any key";

    WriteStore("first", std::string(70 * 1024, ';') + "\n" + kGoodStore);
    EXPECT_EQ(ReadInstalledVersion("Vexmora"), "") << "larger than any store of ours";

    fs::remove_all(root_ / "first" / "Orvanti");
    fs::create_directories(root_ / "first" / "Orvanti" / "Vexmora.reg");
    EXPECT_EQ(ReadInstalledVersion("Vexmora"), "") << "a folder where the file should be";
}

TEST_F(InstallationStore, AcceptsTheExportFormatsDetails) {
    WriteStore("first",
               "\xEF\xBB\xBFWindows Registry Editor Version 5.00\n"
               "; written by the installer\n"
               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\orvanti\\VEXMORA]\n"
               "@=\"default\"\n"
               "\"version\"=\"1.0\"\n"
               "\"Website\"=\"http://host/a \\\"b\\\" \\\\c\"\n");
    EXPECT_EQ(ReadInstalledVersion("Vexmora"), "1.0") << "names compare without case";
    EXPECT_EQ(ReadInstalledWebsite("Vexmora"), "http://host/a \"b\" \\c") << "escapes decoded";
}

TEST_F(InstallationStore, FirstFolderWithAStoreWins) {
    WriteStore("second", kGoodStore);
    EXPECT_EQ(ReadInstalledVersion("Vexmora"), "1.0") << "found in a later folder";
    WriteStore("first",
               "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Orvanti\\Vexmora]\n\"Version\"=\"3.5\"\n");
    EXPECT_EQ(ReadInstalledVersion("Vexmora"), "3.5");
    EXPECT_EQ(ReadInstalledWebsite("Vexmora"), "") << "stores are not merged";
}

}  // namespace
