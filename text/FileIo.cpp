#include "text/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // 0 or the errno of a failed close.
    int Close() {
        if (fd_ < 0) return 0;
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

std::string ErrorText(int number) { return std::to_string(number) + " - " + std::generic_category().message(number); }

std::string SizeText(std::uint64_t bytes) {
    if (bytes >= (1ull << 30)) return std::to_string(bytes >> 30) + " GB";
    if (bytes >= (1ull << 20)) return std::to_string(bytes >> 20) + " MB";
    return std::to_string(bytes) + " bytes";
}

std::string TooLarge(std::uint64_t maxBytes) { return "is larger than " + SizeText(maxBytes); }

// Reads everything, never more than maxBytes + 1 bytes (a file growing
// while read, or one whose size the system reports as 0, stays bounded).
// The bytes go straight into the string: a map of a hundred megabytes is
// copied once, by the system, not a second time through a small buffer.
FileContent ReadOpenFile(int fd, std::uint64_t size, std::uint64_t maxBytes) {
    constexpr std::uint64_t FirstRoom = 1 << 16;
    FileContent result;
    std::string content;
    // One byte of room beyond the reported size shows a file that grew.
    content.resize(static_cast<std::size_t>(std::min(std::max(size + 1, FirstRoom), maxBytes + 1)));
    std::size_t length = 0;
    for (;;) {
        if (length == content.size())
            content.resize(static_cast<std::size_t>(std::min<std::uint64_t>(2 * content.size(), maxBytes + 1)));
        const ssize_t got = ::read(fd, content.data() + length, content.size() - length);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            result.number = errno;
            result.error = "cannot be read (" + ErrorText(errno) + ")";
            return result;
        }
        if (got == 0) break;
        length += static_cast<std::size_t>(got);
        if (length > maxBytes) {
            result.number = EFBIG;
            result.error = TooLarge(maxBytes);
            return result;
        }
    }
    content.resize(length);
    result.bytes = std::move(content);
    return result;
}

FileContent ReadChecked(const fs::path& path, std::uint64_t maxBytes) {
    FileContent result;
    // Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.Valid()) {
        result.number = errno;
        result.error = "cannot be opened (" + ErrorText(errno) + ")";
        return result;
    }
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0) {
        result.number = errno;
        result.error = "cannot be read (" + ErrorText(errno) + ")";
        return result;
    }
    if (!S_ISREG(status.st_mode)) {
        result.number = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        result.error = S_ISDIR(status.st_mode) ? "is a folder, not a file" : "is not a regular file";
        return result;
    }
    if (static_cast<std::uint64_t>(status.st_size) > maxBytes) {
        result.number = EFBIG;
        result.error = TooLarge(maxBytes);
        return result;
    }
    return ReadOpenFile(file.Get(), static_cast<std::uint64_t>(status.st_size), maxBytes);
}

}  // namespace

FileContent ReadWholeFile(const fs::path& path, std::uint64_t maxBytes) {
    try {
        return ReadChecked(path, maxBytes);
    } catch (const std::exception& failure) {  // out of memory on a file near the limit
        FileContent result;
        result.number = ENOMEM;
        result.error = std::string("cannot be read (") + failure.what() + ")";
        return result;
    }
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        // A CR left inside a line (a stray byte, old Mac line ends) is a
        // blank: a value holding it could never be written to a map.
        std::string& kept = lines.emplace_back(line);
        std::replace(kept.begin(), kept.end(), '\r', ' ');
        start = end + 1;
    }
    return lines;
}

std::optional<std::vector<std::string>> ReadTextLines(const fs::path& path, std::uint64_t maxBytes) {
    FileContent content = ReadWholeFile(path, maxBytes);
    if (!content.Ok()) return std::nullopt;
    try {
        return SplitLines(*content.bytes);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<std::string> ReadFileBytes(const fs::path& path, std::uint64_t maxBytes) {
    return std::move(ReadWholeFile(path, maxBytes).bytes);
}

std::string WriteTextFileSafely(const fs::path& path, const std::vector<std::string>& lines) {
    std::string content;
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    content.reserve(size);
    for (const auto& line : lines) {
        content += line;
        content += "\r\n";
    }
    return WriteTextContentSafely(path, content);
}

namespace {

// "number - description (what failed)".
std::string Failure(int number, const std::string& doing) { return ErrorText(number) + " (" + doing + ")"; }

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

// The file a path names once every link on the way was followed; a link
// chain that loops gives ELOOP.
fs::path FollowLinks(fs::path path, int& error) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) {
            error = ec.value();
            return path;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    error = ELOOP;
    return path;
}

// A file that exceeds the size limit must fail with EFBIG, not end the process.
void IgnoreFileSizeSignal() {
    static const bool ignored = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)ignored;
}

// A new file beside target, created exclusively (a name already taken, even
// by a link, is never opened). Returns the descriptor, -1 with errno set.
int CreateTemporary(const fs::path& target, fs::path& temporary) {
    static std::mt19937_64 names{std::random_device{}()};
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "-" +
                              std::to_string(names() % 1000000000) + ".tmp~");
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

int WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Why an existing target must not be replaced; empty when it may.
std::string RefuseTarget(const fs::path& target, struct stat& status, bool& exists) {
    exists = ::stat(target.c_str(), &status) == 0;
    if (!exists) return {};
    if (S_ISDIR(status.st_mode)) return Failure(EISDIR, "cannot replace " + Quoted(target));
    if (!S_ISREG(status.st_mode)) return Failure(EINVAL, "cannot replace " + Quoted(target) + ", not a regular file");
    // The write bits count even for a user whom the system would let through.
    if (::access(target.c_str(), W_OK) != 0 || (status.st_mode & 0222) == 0)
        return Failure(EACCES, "cannot replace " + Quoted(target) + ", the file is read-only");
    return {};
}

std::string WriteTemporary(int fd, const fs::path& temporary, std::string_view content, const struct stat* keep) {
    if (keep) {
        // The new file takes the old one's permissions (and owner, where allowed).
        if (::fchmod(fd, keep->st_mode & 07777) != 0) return Failure(errno, "cannot set the permissions of " + Quoted(temporary));
        [[maybe_unused]] const int owner = ::fchown(fd, keep->st_uid, keep->st_gid);
    }
    if (const int error = WriteAll(fd, content)) return Failure(error, "cannot write " + Quoted(temporary));
    return {};
}

}  // namespace

std::string WriteTextContentSafely(const fs::path& path, std::string_view content) {
    IgnoreFileSizeSignal();
    int linkError = 0;
    const fs::path target = FollowLinks(path, linkError);
    if (linkError) return Failure(linkError, "cannot follow the link " + Quoted(path));
    struct stat status {};
    bool exists = false;
    if (std::string refused = RefuseTarget(target, status, exists); !refused.empty()) return refused;
    fs::path temporary;
    Descriptor file(CreateTemporary(target, temporary));
    if (!file.Valid()) return Failure(errno, "cannot create a temporary file beside " + Quoted(target));
    std::string failure = WriteTemporary(file.Get(), temporary, content, exists ? &status : nullptr);
    if (const int closeError = file.Close(); failure.empty() && closeError)
        failure = Failure(closeError, "cannot write " + Quoted(temporary));
    if (failure.empty() && ::rename(temporary.c_str(), target.c_str()) != 0)
        failure = Failure(errno, "cannot replace " + Quoted(target));
    if (!failure.empty()) ::unlink(temporary.c_str());
    return failure;
}
