#pragma once

#include <cstdint>
#include <stop_token>
#include <string>

#include "TandorDuplicates/FileIdentity.hpp"

namespace tandor {

// A SHA-256 digest as 64 lowercase hexadecimal digits, and the number of
// content bytes read and hashed to compute it.
struct ContentHash {
    std::string hash;
    std::int64_t bytesRead = 0;
};

// The two content digests of the identical-file finder. Every call opens the
// file read-only without following a symbolic link and without waiting on a
// pipe, checks that the path still names the regular file with the expected
// identity, reads in chunks of at most 1 MiB and closes the file on every way
// out. Failures throw FileError (opening, reading, or a path that now names
// another file); the calls keep no state and may run on any thread.
class ContentHasher {
  public:
    static constexpr std::int64_t chunkSize = 1'048'576;
    // Samples are at most this long, so that twice a sample still fits.
    static constexpr std::int64_t largestSampleSize = std::int64_t{1} << 62;

    // When 2 × sampleSize >= size, the digest of the whole content; otherwise
    // the digest of the first sampleSize bytes followed by the sampleSize bytes
    // that start at size − sampleSize. sampleSize must lie in [1, largestSampleSize);
    // std::invalid_argument otherwise.
    static ContentHash sample(const std::string& path, const FileIdentity& identity,
                              std::int64_t size, std::int64_t sampleSize);

    // The digest of the whole content, read to its end whatever its size was.
    // A stop requested through stop ends the read between two chunks with
    // CancellationError, so that a search over very large files stops soon.
    static ContentHash full(const std::string& path, const FileIdentity& identity,
                            const std::stop_token& stop = {});
};

}  // namespace tandor
