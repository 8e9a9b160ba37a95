#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TempFolder.h"
#include "text/FileIo.h"

namespace fs = std::filesystem;

namespace {

std::string Content(const fs::path& file) { return ReadFileBytes(file).value_or("<unreadable>"); }

// Every entry of the folder: a save must leave nothing but its target behind.
std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Lowers the process's file-size limit for one scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

}  // namespace

TEST(FileIo, SaveNeverFollowsALinkPlantedAtATemporaryName) {
    TempFolder temp;
    const fs::path victim = temp.Path() / "victim.txt", target = temp.Path() / "Map.txt";
    std::ofstream(victim) << "precious";
    // The name the writer once always used for its temporary file.
    fs::create_symlink(victim, temp.Path() / "Map.txt.tmp~");
    ASSERT_EQ(WriteTextContentSafely(target, "new map\r\n"), "");
    EXPECT_EQ(Content(victim), "precious");
    EXPECT_EQ(Content(target), "new map\r\n");
    EXPECT_EQ(Entries(temp.Path()), (std::vector<std::string>{"Map.txt", "Map.txt.tmp~", "victim.txt"}));
}

TEST(FileIo, SaveThroughALinkReplacesTheFileItNamesAndKeepsTheLink) {
    TempFolder temp;
    fs::create_directories(temp.Path() / "real");
    const fs::path real = temp.Path() / "real" / "Map.txt", link = temp.Path() / "Map.txt";
    std::ofstream(real) << "old";
    fs::create_symlink("real/Map.txt", link);
    ASSERT_EQ(WriteTextContentSafely(link, "new"), "");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(Content(real), "new");
    EXPECT_EQ(Entries(temp.Path() / "real"), std::vector<std::string>{"Map.txt"});

    // A link that loops is refused with its number and leaves nothing.
    fs::create_symlink("Loop.txt", temp.Path() / "Loop.txt");
    const std::string error = WriteTextContentSafely(temp.Path() / "Loop.txt", "x");
    EXPECT_EQ(error.rfind(std::to_string(ELOOP) + " - ", 0), 0u) << error;
}

TEST(FileIo, SaveKeepsPermissionsAndRefusesAReadOnlyTarget) {
    TempFolder temp;
    const fs::path target = temp.Path() / "Map.txt";
    std::ofstream(target) << "old";
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    ASSERT_EQ(WriteTextContentSafely(target, "new"), "");
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);

    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    const std::string error = WriteTextContentSafely(target, "newer");
    EXPECT_EQ(error.rfind(std::to_string(EACCES) + " - ", 0), 0u) << error;
    EXPECT_NE(error.find("Map.txt"), std::string::npos);
    EXPECT_EQ(Content(target), "new");
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0444u);
    EXPECT_EQ(Entries(temp.Path()), std::vector<std::string>{"Map.txt"});
}

TEST(FileIo, FileSizeLimitGivesAFailureAndLeavesTheOldFile) {
    TempFolder temp;
    const fs::path target = temp.Path() / "Map.txt";
    std::ofstream(target) << "old";
    std::string error;
    {
        const FileSizeLimit limit(1000);
        error = WriteTextContentSafely(target, std::string(5000, 'x'));
    }
    EXPECT_EQ(error.rfind(std::to_string(EFBIG) + " - ", 0), 0u) << error;
    EXPECT_EQ(Content(target), "old");
    EXPECT_EQ(Entries(temp.Path()), std::vector<std::string>{"Map.txt"});
}

TEST(FileIo, ReadersRefuseSpecialAndOversizedFilesAtOnce) {
    TempFolder temp;
    const fs::path fifo = temp.Path() / "pipe.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Opening a FIFO for reading would wait for a writer forever.
    FileContent read = ReadWholeFile(fifo, MaxDataFileBytes);
    EXPECT_FALSE(read.Ok());
    EXPECT_EQ(read.error, "is not a regular file");
    EXPECT_FALSE(ReadTextLines(fifo));

    read = ReadWholeFile("/dev/urandom", MaxDataFileBytes);
    EXPECT_EQ(read.error, "is not a regular file");
    EXPECT_EQ(ReadWholeFile(temp.Path(), MaxDataFileBytes).error, "is a folder, not a file");
    EXPECT_EQ(ReadWholeFile(temp.Path() / "missing", MaxDataFileBytes).error.rfind("cannot be opened (2 - ", 0), 0u);

    const fs::path big = temp.Path() / "big.dat";
    std::ofstream(big) << std::string(MaxSmallFileBytes + 1, 'a');
    EXPECT_EQ(ReadWholeFile(big, MaxSmallFileBytes).error, "is larger than 1 MB");
    EXPECT_EQ(ReadWholeFile(big, MaxDataFileBytes).bytes->size(), MaxSmallFileBytes + 1);
    // A file whose size the system reports as 0 is still read only up to the limit.
    EXPECT_EQ(ReadWholeFile("/proc/self/status", 10).error, "is larger than 10 bytes");
}

TEST(FileIo, ReadersReturnEveryByteAtAnySize) {
    TempFolder temp;
    std::string bytes;
    for (unsigned i = 0; i < 300'000; ++i) bytes += static_cast<char>('a' + (i * 7919u) % 26u);
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{65'535}, std::size_t{65'536},
                                   std::size_t{65'537}, bytes.size()}) {
        const fs::path file = temp.Path() / ("size" + std::to_string(size) + ".txt");
        std::ofstream(file, std::ios::binary) << bytes.substr(0, size);
        const FileContent read = ReadWholeFile(file, MaxDataFileBytes);
        ASSERT_TRUE(read.Ok()) << size;
        ASSERT_EQ(read.bytes->size(), size);
        EXPECT_TRUE(*read.bytes == bytes.substr(0, size)) << size;
        // Exactly at the limit is allowed; one byte over is not.
        EXPECT_TRUE(ReadWholeFile(file, size).Ok()) << size;
        if (size > 0) {
            EXPECT_FALSE(ReadWholeFile(file, size - 1).Ok()) << size;
        }
    }
    // The size is reported as 0, yet the whole file comes back.
    const FileContent status = ReadWholeFile("/proc/self/status", MaxDataFileBytes);
    ASSERT_TRUE(status.Ok());
    EXPECT_EQ(status.bytes->rfind("Name:", 0), 0u);
    EXPECT_EQ(status.bytes->back(), '\n');
}
