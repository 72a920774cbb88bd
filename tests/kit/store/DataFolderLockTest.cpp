#include "kit/store/DataFolderLock.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>

#include <gtest/gtest.h>

#include "kit/store/Paths.h"

namespace fs = std::filesystem;
using kit::DataFolderLock;

namespace {
std::string readFile(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
} // namespace

TEST(DataFolderLock, HoldsTheFolderAgainstASecondTakerAndNamesTheHolder) {
    kit::TemporaryDataDir dir;
    std::optional<DataFolderLock::Refusal> refusal;
    auto first = DataFolderLock::acquire(dir.path(), refusal);
    ASSERT_TRUE(first);
    EXPECT_FALSE(refusal);
    EXPECT_EQ(fs::status(dir.path() / DataFolderLock::fileName).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    auto second = DataFolderLock::acquire(dir.path(), refusal);
    EXPECT_FALSE(second);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->holder, static_cast<long>(::getpid()));
    EXPECT_EQ(refusal->summary(), "Tinctura is already open on this data folder.");
    EXPECT_NE(refusal->detail().find("The data folder " + dir.path().string() + " is in use by process " +
                                     std::to_string(::getpid())),
              std::string::npos)
        << refusal->detail();

    first.reset();
    EXPECT_TRUE(DataFolderLock::acquire(dir.path(), refusal));
}

// Whatever stands at the lock file's name that is not the user's own plain file is refused, named, and left as it was.
TEST(DataFolderLock, RefusesALockFileThatIsNoPlainFileOfTheUsers) {
    struct Case {
        const char* what;
        std::function<void(const fs::path& lock, const fs::path& outside)> make;
        const char* said;
    };
    const std::vector<Case> cases{
        {"link to a file", [](const fs::path& lock, const fs::path& outside) {
             std::ofstream(outside) << "precious";
             fs::create_symlink(outside, lock);
         }, "a symbolic link"},
        {"dangling link", [](const fs::path& lock, const fs::path& outside) { fs::create_symlink(outside, lock); },
         "a symbolic link"},
        {"folder", [](const fs::path& lock, const fs::path&) { fs::create_directory(lock); }, "a folder"},
        {"pipe", [](const fs::path& lock, const fs::path&) { ASSERT_EQ(::mkfifo(lock.c_str(), 0600), 0); },
         "not a regular file"},
        {"another user's file", [](const fs::path& lock, const fs::path&) {
             std::ofstream(lock) << "1\n";
             ASSERT_EQ(::chown(lock.c_str(), 65534, 65534), 0);
         }, "owned by another user"},
    };
    for (const auto& c : cases) {
        if (std::string(c.what) == "another user's file" && ::geteuid() != 0) continue;  // only root can give it away
        SCOPED_TRACE(c.what);
        kit::TemporaryDataDir dir;
        const auto folder = dir.path() / "data";
        fs::create_directories(folder);
        const auto lock = folder / DataFolderLock::fileName;
        const auto outside = dir.path() / "elsewhere.txt";
        c.make(lock, outside);

        std::optional<DataFolderLock::Refusal> refusal;
        EXPECT_FALSE(DataFolderLock::acquire(folder, refusal));
        ASSERT_TRUE(refusal);
        const auto text = refusal->message();
        EXPECT_NE(text.find(lock.string()), std::string::npos) << text;
        EXPECT_NE(text.find(c.said), std::string::npos) << text;
        EXPECT_NE(text.find("Remove it"), std::string::npos) << text;
        // A second refusal for the same reason: nothing was taken over meanwhile.
        EXPECT_FALSE(DataFolderLock::acquire(folder, refusal));
        if (!fs::is_symlink(lock)) continue;
        if (fs::exists(outside)) {
            EXPECT_EQ(readFile(outside), "precious");
        } else {
            EXPECT_FALSE(fs::exists(fs::symlink_status(outside)));  // nothing made where a dangling link points
        }
    }
}

// A lock file this user cannot open (a folder of another user's with their lock in it, or the user's own
// lock file without its write bit, as restored from a read-only copy) must refuse the start as well: holding
// no lock, two copies would run on one folder. Checked as an ordinary user in a child process.
TEST(DataFolderLock, RefusesALockFileItCannotOpenAndSaysWhatToDo) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving files away to another user needs root";
    constexpr uid_t nobody = 65534;
    struct Case {
        const char* what;
        std::function<void(const fs::path& folder, const fs::path& lock)> make;
    };
    const std::vector<Case> cases{
        {"another user's closed folder", [](const fs::path& folder, const fs::path& lock) {
             std::ofstream(lock) << "1\n";
             fs::permissions(folder, fs::perms::owner_all);
         }},
        {"own lock file without write bit", [](const fs::path& folder, const fs::path& lock) {
             std::ofstream(lock) << "1\n";
             ASSERT_EQ(::chown(lock.c_str(), nobody, nobody), 0);
             fs::permissions(lock, fs::perms::owner_read);
             fs::permissions(folder, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        kit::TemporaryDataDir dir;
        fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        const auto folder = dir.path() / "data";
        fs::create_directories(folder);
        const auto lock = folder / DataFolderLock::fileName;
        c.make(folder, lock);

        // The child tells what it got: the refusal's text, or that it went ahead.
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipe[0]);
            if (::setgid(nobody) != 0 || ::setuid(nobody) != 0) ::_exit(2);
            std::optional<DataFolderLock::Refusal> refusal;
            const auto held = DataFolderLock::acquire(folder, refusal);
            const std::string said = refusal ? refusal->title() + "|" + refusal->message()
                                     : held  ? "held" : "went ahead holding nothing";
            (void)!::write(pipe[1], said.data(), said.size());
            ::_exit(0);
        }
        ::close(pipe[1]);
        std::string said;
        char buffer[512];
        for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) said.append(buffer, std::size_t(n));
        ::close(pipe[0]);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;

        EXPECT_EQ(said.rfind("Tinctura cannot use its data folder|", 0), 0u) << said;
        EXPECT_NE(said.find(lock.string()), std::string::npos) << said;
        EXPECT_NE(said.find(std::strerror(EACCES)), std::string::npos) << said;
        EXPECT_NE(said.find("--data-dir"), std::string::npos) << said;
        EXPECT_EQ(readFile(lock), "1\n");  // left as it was
    }
}
