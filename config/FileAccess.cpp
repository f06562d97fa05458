#include "config/FileAccess.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

// One C runtime file descriptor, closed exactly once.
class CrtFile {
  public:
    CrtFile(const std::string& path, int flags)
        : m_fd(_open(path.c_str(), flags | _O_BINARY, _S_IREAD | _S_IWRITE)) {}
    ~CrtFile() {
        if (IsOpen())
            _close(m_fd);
    }
    CrtFile(const CrtFile&) = delete;
    CrtFile& operator=(const CrtFile&) = delete;

    bool IsOpen() const { return m_fd >= 0; }

    // Appends the rest of the file to bytes; false on a read error.
    bool ReadToEnd(std::string& bytes) {
        std::vector<char> block(64 * 1024);
        for (;;) {
            const int count = _read(m_fd, block.data(), static_cast<unsigned>(block.size()));
            if (count < 0)
                return false;
            if (count == 0)
                return true;
            bytes.append(block.data(), static_cast<size_t>(count));
        }
    }

    // Writes all of bytes; a short write (a full disk) is a failure.
    bool WriteAll(std::string_view bytes) {
        constexpr size_t kMaxChunk = 1 << 20;
        while (!bytes.empty()) {
            const size_t chunk = bytes.size() < kMaxChunk ? bytes.size() : kMaxChunk;
            const int count = _write(m_fd, bytes.data(), static_cast<unsigned>(chunk));
            if (count <= 0)
                return false;
            bytes.remove_prefix(static_cast<size_t>(count));
        }
        return true;
    }

    // Flushes to the disk and closes; a failure of either means the data may not be there.
    bool CommitAndClose() {
        const bool committed = _commit(m_fd) == 0;
        const bool closed = _close(std::exchange(m_fd, -1)) == 0;
        return committed && closed;
    }

  private:
    int m_fd;
};

// Whether the file is really not there (no file, folder, drive or disk), as opposed to there
// but not readable (held by another program, access denied, a bad sector).
bool FileIsAbsent(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return false;
    switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_NOT_READY:
    case ERROR_BAD_UNIT:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return true;
    default:
        return false;
    }
}

bool WriteNewFile(const std::string& path, std::string_view bytes) {
    CrtFile file(path, _O_WRONLY | _O_CREAT | _O_TRUNC);
    return file.IsOpen() && file.WriteAll(bytes) && file.CommitAndClose();
}

} // namespace

ReadResult ReadFileBytes(const std::string& path, std::string& bytes) {
    bytes.clear();
    CrtFile file(path, _O_RDONLY);
    if (!file.IsOpen())
        return FileIsAbsent(path) ? ReadResult::NotFound : ReadResult::Failed;
    return file.ReadToEnd(bytes) ? ReadResult::Read : ReadResult::Failed;
}

bool ReplaceFileBytes(const std::string& path, std::string_view bytes) {
    const std::string temporary = ReplacementPath(path);
    if (WriteNewFile(temporary, bytes) &&
        MoveFileExA(temporary.c_str(), path.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    std::remove(temporary.c_str());
    return false;
}

std::string ReplacementPath(const std::string& path) {
    const size_t nameStart = path.find_last_of("\\/:") + 1; // npos + 1 is 0
    const size_t dot = path.rfind('.');
    const size_t stemEnd = dot != std::string::npos && dot >= nameStart ? dot : path.size();
    return path.substr(0, stemEnd) + ".tmp";
}
