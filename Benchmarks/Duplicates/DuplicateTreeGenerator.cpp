// duplicates-tree FOLDER [SCALE]
//
// Fills FOLDER (created if missing, expected empty) with a duplicate-heavy
// tree for comparing duplicate finders: at SCALE 1 about 20,000 files and
// 2 GB, a third of them in duplicate sets. Besides many small files it holds
// files of 1 MB and more that share their size with different content, copies
// that differ only in their middle, large files and hard links. The tree is
// the same on every run: all sizes and contents come from fixed seeds.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed * 0x9e3779b97f4a7c15ULL + 1) {}

    std::uint64_t next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545f4914f6cdd1dULL;
    }

    // Uniform enough in [low, high].
    std::int64_t between(std::int64_t low, std::int64_t high) {
        return low + static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(high - low + 1));
    }

  private:
    std::uint64_t state_;
};

// What a file holds: size bytes drawn from seed, with the byte at flipAt
// inverted when present.
struct Content {
    std::int64_t size;
    std::uint64_t seed;
    std::optional<std::int64_t> flipAt;
};

void fail(const std::string& what, const std::string& path) {
    throw std::runtime_error(what + " " + path + ": " + std::strerror(errno));
}

class Tree {
  public:
    Tree(std::string root, double scale) : root_(std::move(root)), scale_(scale) {
        makeFolder(root_);
        for (int outer = 0; outer < 20; ++outer) {
            const auto outerPath = root_ + "/d" + std::to_string(outer);
            makeFolder(outerPath);
            for (int inner = 0; inner < 10; ++inner) {
                folders_.push_back(outerPath + "/s" + std::to_string(inner));
                makeFolder(folders_.back());
            }
        }
    }

    std::size_t count(double atFullScale) const {
        const auto scaled = static_cast<std::size_t>(atFullScale * scale_);
        return scaled == 0 ? 1 : scaled;
    }

    // A large file's size at this scale, never below 2 MiB.
    std::int64_t bytes(std::int64_t atFullScale) const {
        return std::max<std::int64_t>(
            2'097'152, static_cast<std::int64_t>(static_cast<double>(atFullScale) * scale_));
    }

    std::string write(const char* prefix, const Content& content) {
        const auto path = folders_[static_cast<std::size_t>(layout_.next() % folders_.size())] +
                          "/" + prefix + "-" + std::to_string(files_) + ".bin";
        fill(path, content);
        ++files_;
        bytes_ += content.size;
        return path;
    }

    void link(const std::string& existing) {
        const auto path = folders_[static_cast<std::size_t>(layout_.next() % folders_.size())] +
                          "/link-" + std::to_string(files_) + ".bin";
        if (::link(existing.c_str(), path.c_str()) != 0) {
            fail("Cannot link", path);
        }
        ++files_;
    }

    void summary() const {
        std::printf("duplicates-tree: %zu files, %lld bytes in %s\n", files_,
                    static_cast<long long>(bytes_), root_.c_str());
    }

  private:
    static void makeFolder(const std::string& path) {
        if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) {
            fail("Cannot create", path);
        }
    }

    void fill(const std::string& path, const Content& content) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) {
            fail("Cannot create", path);
        }
        Random bytes(content.seed);
        std::int64_t offset = 0;
        while (offset < content.size) {
            const auto count = std::min<std::int64_t>(content.size - offset,
                                                      static_cast<std::int64_t>(buffer_.size()));
            for (std::size_t i = 0; i < static_cast<std::size_t>(count); i += 8) {
                const auto word = bytes.next();
                std::memcpy(buffer_.data() + i, &word, 8);
            }
            if (content.flipAt && *content.flipAt >= offset && *content.flipAt < offset + count) {
                auto& byte = buffer_[static_cast<std::size_t>(*content.flipAt - offset)];
                byte = static_cast<unsigned char>(~byte);
            }
            if (::write(fd, buffer_.data(), static_cast<std::size_t>(count)) != count) {
                ::close(fd);
                fail("Cannot write", path);
            }
            offset += count;
        }
        ::close(fd);
    }

    std::string root_;
    double scale_;
    std::vector<std::string> folders_;
    Random layout_{7};
    std::vector<unsigned char> buffer_ = std::vector<unsigned char>(1 << 20);
    std::size_t files_ = 0;
    std::int64_t bytes_ = 0;
};

// Originals, then copies of the first few of them, so that sets of two to
// several copies arise.
std::vector<std::string> writeWithCopies(Tree& tree, Random& random, const char* prefix,
                                         std::size_t originals, std::size_t copiedOriginals,
                                         std::size_t copies, std::int64_t smallest,
                                         std::int64_t largest, std::uint64_t seedBase) {
    std::vector<Content> contents;
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < originals; ++i) {
        contents.push_back({random.between(smallest, largest), seedBase + i, std::nullopt});
        paths.push_back(tree.write(prefix, contents.back()));
    }
    for (std::size_t i = 0; i < copies; ++i) {
        const auto& original = contents[static_cast<std::size_t>(random.next() % copiedOriginals)];
        paths.push_back(tree.write(prefix, original));
    }
    // Same size as an original, different content: the sample tells them apart.
    for (std::size_t i = 0; i < copiedOriginals / 2; ++i) {
        const auto& original = contents[static_cast<std::size_t>(random.next() % originals)];
        paths.push_back(
            tree.write(prefix, {original.size, seedBase + originals + i, std::nullopt}));
    }
    // Same head and tail, one byte changed in the middle: only a whole read
    // tells them apart.
    for (std::size_t i = 0; i < copiedOriginals / 4; ++i) {
        const auto& original = contents[i];
        paths.push_back(tree.write(prefix, {original.size, original.seed, original.size / 2}));
    }
    return paths;
}

void generate(Tree& tree) {
    Random random(42);
    writeWithCopies(tree, random, "small", tree.count(14'000), tree.count(2'000), tree.count(4'500),
                    1'024, 48'000, 1'000'000);
    const auto medium = writeWithCopies(tree, random, "medium", tree.count(700), tree.count(100),
                                        tree.count(200), 1'000'000, 1'400'000, 2'000'000);
    for (std::size_t i = 0; i < tree.count(100); ++i) {
        tree.link(medium[static_cast<std::size_t>(random.next() % medium.size())]);
    }
    constexpr std::int64_t mebibyte = 1'048'576;
    const Content first{tree.bytes(64 * mebibyte), 3'000'000, std::nullopt};
    const Content second{tree.bytes(48 * mebibyte), 3'000'001, std::nullopt};
    const Content third{tree.bytes(80 * mebibyte), 3'000'002, std::nullopt};
    tree.write("large", first);
    tree.write("large", first);
    tree.write("large", second);
    tree.write("large", {second.size, second.seed, second.size / 2});
    tree.link(tree.write("large", third));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: duplicates-tree FOLDER [SCALE]\n");
        return 2;
    }
    double scale = 1.0;
    if (argc == 3) {
        char* end = nullptr;
        scale = std::strtod(argv[2], &end);
        if (end == argv[2] || *end != '\0' || !(scale > 0.0 && scale <= 10.0)) {
            std::fprintf(stderr, "duplicates-tree: SCALE must be a number in (0, 10]\n");
            return 2;
        }
    }
    try {
        Tree tree(argv[1], scale);
        generate(tree);
        tree.summary();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "duplicates-tree: %s\n", error.what());
        return 1;
    }
    return 0;
}
