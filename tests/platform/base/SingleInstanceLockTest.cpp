#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/base/SingleInstanceLock.h"

namespace {

using SingleInstanceLock::Acquire;
using SingleInstanceLock::Result;

class SingleInstance : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = ::testing::TempDir() + "/runtime-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::create_directories(folder_);
        ::setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // Runs Acquire in a child process and returns what it saw.
    static Result AcquireInChild(const std::string& name) {
        const pid_t child = ::fork();
        if (child == 0) _exit(static_cast<int>(Acquire(name)));
        int status = 0;
        ::waitpid(child, &status, 0);
        return static_cast<Result>(WEXITSTATUS(status));
    }

    std::string folder_;
};

TEST_F(SingleInstance, SecondHolderIsRefusedWhileTheFirstLives) {
    EXPECT_EQ(Acquire("Vexmora"), Result::Acquired);
    EXPECT_EQ(AcquireInChild("Vexmora"), Result::AlreadyHeld);
    EXPECT_EQ(AcquireInChild("Other"), Result::Acquired) << "names are independent";
}

TEST_F(SingleInstance, TheSystemReleasesTheLockHoweverTheHolderEnds) {
    for (const int signal : {0, SIGKILL, SIGSEGV}) {
        const pid_t holder = ::fork();
        if (holder == 0) {
            Acquire("Vexmora");
            if (signal != 0) ::raise(signal);
            _exit(0);
        }
        int status = 0;
        ::waitpid(holder, &status, 0);
        EXPECT_EQ(AcquireInChild("Vexmora"), Result::Acquired) << "after signal " << signal;
    }
}

TEST_F(SingleInstance, WithoutRuntimeFolderUsesAPrivateFolderOfTheUser) {
    ::unsetenv("XDG_RUNTIME_DIR");
    const std::string folder = SingleInstanceLock::LockFolder();
    ASSERT_FALSE(folder.empty());
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, ::getuid());
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    const std::string name = "VexmoraTest" + std::to_string(::getpid());
    EXPECT_EQ(AcquireInChild(name), Result::Acquired);
    ::unlink((folder + "/" + name + ".lock").c_str());
}

TEST_F(SingleInstance, AnUnusableFolderIsAFailureNotAnInstance) {
    ::setenv("XDG_RUNTIME_DIR", "/nonexistent-runtime-folder", 1);
    EXPECT_EQ(AcquireInChild("Vexmora"), Result::Failed);
}

}  // namespace
