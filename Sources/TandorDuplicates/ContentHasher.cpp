#include "TandorDuplicates/ContentHasher.hpp"

#include <fcntl.h>
#include <openssl/evp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <memory>
#include <stdexcept>
#include <vector>

#include "TandorCore/FileError.hpp"
#include "TandorCore/OpenWithoutAccessTime.hpp"
#include "TandorDuplicates/CancellationError.hpp"

namespace tandor {
namespace {

class OpenFile {
  public:
    // Opens path for reading and checks that it is the regular file with the
    // given identity: a path swapped for a symbolic link fails to open, one
    // swapped for a pipe or another file fails the check, and neither blocks.
    OpenFile(const std::string& path, const FileIdentity& identity) : path_(path) {
        fd_ = openWithoutAccessTime(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) {
            throw FileError("Cannot open", path, errno);
        }
        struct stat info {};
        if (::fstat(fd_, &info) != 0) {
            const int error = errno;
            ::close(fd_);
            throw FileError("Cannot examine", path, error);
        }
        if (!S_ISREG(info.st_mode) || static_cast<std::uint64_t>(info.st_dev) != identity.device ||
            static_cast<std::uint64_t>(info.st_ino) != identity.inode) {
            ::close(fd_);
            // The path no longer names the file that was examined.
            throw FileError("Cannot read", path, ESTALE);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() { ::close(fd_); }

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }

  private:
    int fd_ = -1;
    std::string path_;
};

class Digest {
  public:
    Digest() : context_(EVP_MD_CTX_new(), EVP_MD_CTX_free) {
        if (!context_ || EVP_DigestInit_ex(context_.get(), EVP_sha256(), nullptr) != 1) {
            throw std::runtime_error("SHA-256 is not available");
        }
    }

    void add(const unsigned char* bytes, std::size_t count) {
        if (EVP_DigestUpdate(context_.get(), bytes, count) != 1) {
            throw std::runtime_error("SHA-256 failed");
        }
        bytesRead_ += static_cast<std::int64_t>(count);
    }

    ContentHash finish() {
        std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
        unsigned int length = 0;
        if (EVP_DigestFinal_ex(context_.get(), digest.data(), &length) != 1) {
            throw std::runtime_error("SHA-256 failed");
        }
        return {hex(digest.data(), length), bytesRead_};
    }

  private:
    static std::string hex(const unsigned char* bytes, unsigned int count) {
        static constexpr char digits[] = "0123456789abcdef";
        std::string text;
        text.reserve(count * 2);
        for (unsigned int i = 0; i < count; ++i) {
            text.push_back(digits[bytes[i] >> 4]);
            text.push_back(digits[bytes[i] & 0x0f]);
        }
        return text;
    }

    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context_;
    std::int64_t bytesRead_ = 0;
};

// One reusable chunk per thread, so hashing many files allocates nothing.
std::vector<unsigned char>& chunk() {
    thread_local std::vector<unsigned char> buffer(ContentHasher::chunkSize);
    return buffer;
}

// Feeds the file from the current position to its end, checking stop before
// every chunk.
void hashToEnd(const OpenFile& file, Digest& digest, const std::stop_token& stop = {}) {
    auto& buffer = chunk();
    while (true) {
        CancellationError::checkCancellation(stop);
        const ssize_t count = ::read(file.fd(), buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            throw FileError("Cannot read", file.path(), errno);
        }
        if (count == 0) {
            return;
        }
        digest.add(buffer.data(), static_cast<std::size_t>(count));
    }
}

// Feeds up to count bytes starting at offset; stops early at the end of the file.
void hashRange(const OpenFile& file, std::int64_t offset, std::int64_t count, Digest& digest) {
    auto& buffer = chunk();
    while (count > 0) {
        const auto wanted = static_cast<std::size_t>(std::min(count, ContentHasher::chunkSize));
        const ssize_t got = ::pread(file.fd(), buffer.data(), wanted, offset);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw FileError("Cannot read", file.path(), errno);
        }
        if (got == 0) {
            return;
        }
        digest.add(buffer.data(), static_cast<std::size_t>(got));
        offset += got;
        count -= got;
    }
}

}  // namespace

ContentHash ContentHasher::sample(const std::string& path, const FileIdentity& identity,
                                  std::int64_t size, std::int64_t sampleSize) {
    if (sampleSize < 1 || sampleSize >= largestSampleSize) {
        throw std::invalid_argument("The sample size must lie in [1, 2^62)");
    }
    const OpenFile file(path, identity);
    Digest digest;
    if (2 * sampleSize >= size) {
        hashToEnd(file, digest);
    } else {
        hashRange(file, 0, sampleSize, digest);
        hashRange(file, size - sampleSize, sampleSize, digest);
    }
    return digest.finish();
}

ContentHash ContentHasher::full(const std::string& path, const FileIdentity& identity,
                                const std::stop_token& stop) {
    const OpenFile file(path, identity);
    ::posix_fadvise(file.fd(), 0, 0, POSIX_FADV_SEQUENTIAL);
    Digest digest;
    hashToEnd(file, digest, stop);
    return digest.finish();
}

}  // namespace tandor
