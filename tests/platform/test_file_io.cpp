#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/FileIO.h"

namespace fs = std::filesystem;

namespace {

class FileIOTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("tintsmith-fileio-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::size_t entriesInDir() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }

    // Runs `write` in a child process whose file size limit is `limit` bytes,
    // so the write fails (or the child dies) part-way through.
    static int inChildWithFileSizeLimit(rlim_t limit, bool ignoreSignal, const std::function<int()>& write) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (ignoreSignal) std::signal(SIGXFSZ, SIG_IGN);
            rlimit rl{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &rl);
            ::_exit(write());
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return status;
    }

    fs::path dir_;
};

} // namespace

TEST_F(FileIOTest, WritesTheWholeTextAndReplacesAnOldFile) {
    // The longest name the folder takes saves too: the temporary name fits.
    for (const std::string& name : {std::string("curve.quad"), std::string(250, 'n') + ".quad"}) {
        SCOPED_TRACE(name.size());
        const auto file = dir_ / name;
        ASSERT_TRUE(platform::writeFileAtomically(file, "old"));
        const std::string text = "## QuadToneRIP K,C,M,Y\n# K Curve\n0\n65535";
        const auto result = platform::writeFileAtomically(file, text);
        ASSERT_TRUE(result) << result.errorDescription;
        EXPECT_EQ(read(file), text);
        EXPECT_EQ(entriesInDir(), 1u); // no temporary file left behind
        fs::remove(file);
    }
}

TEST_F(FileIOTest, KeepsThePermissionsOfTheFileItReplaces) {
    const auto file = dir_ / "shared.cube";
    ASSERT_TRUE(platform::writeFileAtomically(file, "a"));
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(platform::writeFileAtomically(file, "b"));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// A new file gets what open(2) gives one under the process's umask, and the
// umask itself is left alone.
TEST_F(FileIOTest, NewFilesGetTheModeOpenWouldGiveThem) {
    const mode_t umaskBefore = ::umask(022);
    ::umask(umaskBefore);
    const auto made = dir_ / "made-by-open";
    const int fd = ::open(made.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    ASSERT_GE(fd, 0);
    ::close(fd);
    const auto file = dir_ / "new.quad";
    ASSERT_TRUE(platform::writeFileAtomically(file, "x"));
    EXPECT_EQ(fs::status(file).permissions(), fs::status(made).permissions());
    const mode_t umaskAfter = ::umask(022);
    ::umask(umaskAfter);
    EXPECT_EQ(umaskAfter, umaskBefore);
}

TEST_F(FileIOTest, AFailedWriteLeavesTheOldFileIntactAndSaysWhy) {
    const auto file = dir_ / "curve.quad";
    ASSERT_TRUE(platform::writeFileAtomically(file, "old contents"));
    const std::string big(1 << 20, 'x');
    const int status = inChildWithFileSizeLimit(4096, true, [&] {
        const auto result = platform::writeFileAtomically(file, big);
        return (!result.ok && !result.errorDescription.empty()) ? 0 : 1;
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write should fail and report an error";
    EXPECT_EQ(read(file), "old contents");
    EXPECT_EQ(entriesInDir(), 1u);
}

TEST_F(FileIOTest, AnInterruptedWriteLeavesTheOldFileIntact) {
    const auto file = dir_ / "curve.quad";
    ASSERT_TRUE(platform::writeFileAtomically(file, "old contents"));
    const std::string big(1 << 20, 'x');
    // The process is killed by the signal in the middle of writing.
    const int status = inChildWithFileSizeLimit(4096, false, [&] {
        platform::writeFileAtomically(file, big);
        return 0;
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(read(file), "old contents");
}

TEST_F(FileIOTest, RefusesPlacesItCannotWrite) {
    EXPECT_FALSE(platform::writeFileAtomically(dir_ / "missing-folder" / "a.quad", "x"));
    EXPECT_FALSE(platform::writeFileAtomically(dir_, "x").ok); // a folder
    fs::create_directories(dir_ / "occupied" / "child");
    const auto result = platform::writeFileAtomically(dir_ / "occupied", "x");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(fs::is_directory(dir_ / "occupied" / "child"));
}

TEST_F(FileIOTest, ReadsWholeFilesAndRefusesWhatItCannotRead) {
    const auto file = dir_ / "wedge.txt";
    ASSERT_TRUE(platform::writeFileAtomically(file, std::string("L*\ta*\n\0x", 9)));
    std::string text;
    ASSERT_TRUE(platform::readWholeFile(file, text));
    EXPECT_EQ(text, std::string("L*\ta*\n\0x", 9));

    std::string untouched = "previous";
    EXPECT_FALSE(platform::readWholeFile(dir_ / "absent.txt", untouched));
    EXPECT_FALSE(platform::readWholeFile(dir_, untouched));
    const auto tooLarge = platform::readWholeFile(file, untouched, 4);
    EXPECT_FALSE(tooLarge);
    EXPECT_FALSE(tooLarge.errorDescription.empty());
    EXPECT_EQ(untouched, "previous");
}

// Only regular files are read; anything else is refused before it is opened,
// so that a named pipe without a writer cannot hang the load and a device
// cannot feed it forever. The description says what the path is.
TEST_F(FileIOTest, RefusesWhatIsNoRegularFileBeforeOpeningIt) {
    const auto pipe = dir_ / "wedge.txt";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    struct Case {
        fs::path path;
        std::string says;
    };
    const Case cases[] = {
        {pipe, "named pipe"},
        {"/dev/zero", "device"},
        {"/dev/null", "device"},
        {dir_, "folder"},
    };
    for (const auto& c : cases) {
        std::string untouched = "previous";
        const auto result = platform::readWholeFile(c.path, untouched);
        EXPECT_FALSE(result) << c.path;
        EXPECT_NE(result.errorDescription.find(c.says), std::string::npos) << result.errorDescription;
        EXPECT_EQ(untouched, "previous");
        // Opening it to read in parts is refused in the same words, and
        // leaves nothing open.
        platform::ReadableFile opened;
        const auto open = platform::openRegularFile(c.path, opened);
        EXPECT_FALSE(open) << c.path;
        EXPECT_EQ(open.errorDescription, result.errorDescription);
        EXPECT_FALSE(opened.isOpen()) << c.path;
    }
}

TEST_F(FileIOTest, OpensARegularFileForReadingInPartsWithinTheSizeLimit) {
    const auto file = dir_ / "picture.tif";
    ASSERT_TRUE(platform::writeFileAtomically(file, std::string("II*\0pixels", 10)));
    platform::ReadableFile opened;
    ASSERT_TRUE(platform::openRegularFile(file, opened));
    ASSERT_TRUE(opened.isOpen());
    char head[4] = {};
    ASSERT_EQ(::read(opened.descriptor(), head, sizeof head), 4);
    EXPECT_EQ(std::string(head, 4), std::string("II*\0", 4));

    platform::ReadableFile refused;
    const auto tooLarge = platform::openRegularFile(file, refused, 4);
    EXPECT_FALSE(tooLarge);
    EXPECT_NE(tooLarge.errorDescription.find("too large"), std::string::npos) << tooLarge.errorDescription;
    EXPECT_FALSE(refused.isOpen());
}

TEST_F(FileIOTest, SizeLimitIsSaidInTheRefusal) {
    const auto file = dir_ / "big.quad";
    ASSERT_TRUE(platform::writeFileAtomically(file, std::string(3000, '0')));
    struct Case {
        std::size_t limit;
        bool reads;
        std::string says;
    };
    const Case cases[] = {
        {3000, true, ""},
        {2999, false, "more than 2999 bytes"},
        {2048, false, "more than 2 kB"},
        {1, false, "too large"},
    };
    for (const auto& c : cases) {
        std::string text;
        const auto result = platform::readWholeFile(file, text, c.limit);
        EXPECT_EQ(result.ok, c.reads) << c.limit;
        EXPECT_NE(result.errorDescription.find(c.says), std::string::npos) << result.errorDescription;
        EXPECT_EQ(text.size(), c.reads ? 3000u : 0u);
    }
    ASSERT_TRUE(platform::writeFileAtomically(file, std::string((std::size_t{1} << 20) + 1, '0')));
    std::string text;
    const auto megabytes = platform::readWholeFile(file, text, std::size_t{1} << 20);
    EXPECT_NE(megabytes.errorDescription.find("more than 1 MB"), std::string::npos) << megabytes.errorDescription;
}
