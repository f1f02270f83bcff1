// Builds the same home-like tree on every run: about 500,000 entries in deep
// and wide folders (code projects with nested dependencies, caches fanned out
// over hashed folders, a mail folder of many small files, photos, documents),
// file sizes from 0 to a few MB with most files small, some hard links into a
// shared package store and some symbolic links. Sizes are allocated with
// fallocate, so building it writes little data.
//
// With --medium it builds a differently shaped home instead: about 40,000
// medium folders of 10 to 15 files each, nested 10 to 18 deep, with a few
// hard links, the way a lived-in home spreads its files.
//
//   make-scan-tree <destination> [--medium]    (destination must not exist yet)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A fixed pseudo-random sequence (splitmix64), the same with every library.
class Sequence {
  public:
    std::uint64_t next() {
        state_ += 0x9e3779b97f4a7c15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // A number from low to high, both included.
    int between(int low, int high) {
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    bool chance(int percent) { return between(1, 100) <= percent; }

  private:
    std::uint64_t state_ = 20240601;
};

class Builder {
  public:
    explicit Builder(std::string root) : root_(std::move(root)) {}

    void build() {
        folder(root_);
        store(root_ + "/.local");
        for (int i = 0; i < 44; ++i) {
            project(root_ + "/Projects", "project-" + std::to_string(i));
        }
        cache(root_ + "/.cache", "browser", 32, 30);
        cache(root_ + "/.cache", "thumbnails", 16, 40);
        cache(root_ + "/.cache", "pip", 16, 20);
        mail(root_ + "/Mail");
        documents(root_ + "/Documents", 0);
        pictures(root_ + "/Pictures");
        chain(root_ + "/Archive", 60);
        std::printf(
            "make-scan-tree: %lld files, %lld folders, %lld hard links, %lld symbolic links\n",
            files_, folders_, hardLinks_, symlinks_);
    }

    void buildMedium() {
        folder(root_);
        for (int area = 0; area < 40; ++area) {
            mediumFolder(root_ + "/area " + std::to_string(area), 1, sequence_.between(10, 18),
                         1000);
        }
        std::printf("make-scan-tree --medium: %lld files, %lld folders, %lld hard links\n", files_,
                    folders_, hardLinks_);
    }

  private:
    // A folder of 10 to 15 files heading a subtree of `budget` folders. One
    // branch always goes on until `deepest`, so every area reaches that depth;
    // the rest of the budget is shared among up to three more branches.
    void mediumFolder(const std::string& path, int depth, int deepest, int budget) {
        folder(path);
        const int files = sequence_.between(10, 15);
        for (int i = 0; i < files; ++i) {
            const std::string name = path + "/item " + std::to_string(i) + ".dat";
            if (!mediumFiles_.empty() && sequence_.chance(2)) {
                hardLink(mediumFiles_[sequence_.next() % mediumFiles_.size()], name);
            } else {
                file(name);
                keepForLinks(name);
            }
        }
        int left = budget - 1;
        if (left <= 0) {
            return;
        }
        const int branches = depth >= deepest ? 0 : std::min(left, sequence_.between(1, 3));
        const int spine =
            depth < deepest ? std::min(left, std::max(deepest - depth, left / (branches + 1))) : 0;
        if (spine > 0) {
            mediumFolder(path + "/deeper", depth + 1, deepest, spine);
            left -= spine;
        }
        for (int b = 0; b < branches && left > 0; ++b) {
            const int share = b + 1 == branches ? left : std::max(1, left / (branches - b));
            mediumFolder(path + "/part " + std::to_string(b), depth + 1, deepest, share);
            left -= share;
        }
    }

    // One file in a hundred stays a candidate for later hard links.
    void keepForLinks(const std::string& path) {
        if (sequence_.chance(1)) {
            mediumFiles_.push_back(path);
        }
    }

    // Most files are small; a few reach several MB.
    long long size() {
        const int roll = sequence_.between(1, 1000);
        if (roll <= 250) {
            return 0;
        }
        if (roll <= 700) {
            return sequence_.between(1, 4096);
        }
        if (roll <= 920) {
            return sequence_.between(4097, 16384);
        }
        if (roll <= 990) {
            return sequence_.between(16385, 65536);
        }
        if (roll <= 999) {
            return sequence_.between(65537, 1'000'000);
        }
        return sequence_.between(1'000'001, 4'000'000);
    }

    void folder(const std::string& path) {
        if (::mkdir(path.c_str(), 0755) == 0) {
            ++folders_;
        }
    }

    void file(const std::string& path, long long bytes) {
        const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (descriptor < 0) {
            return;
        }
        if (bytes > 0 && ::posix_fallocate(descriptor, 0, bytes) != 0) {
            [[maybe_unused]] const int ignored = ::ftruncate(descriptor, bytes);
        }
        ::close(descriptor);
        ++files_;
    }

    void file(const std::string& path) { file(path, size()); }

    void hardLink(const std::string& target, const std::string& path) {
        if (::link(target.c_str(), path.c_str()) == 0) {
            ++hardLinks_;
        }
    }

    void symlink(const std::string& target, const std::string& path) {
        if (::symlink(target.c_str(), path.c_str()) == 0) {
            ++symlinks_;
        }
    }

    // A content-addressed package store whose files projects link to.
    void store(const std::string& local) {
        folder(local);
        folder(local + "/share");
        const std::string base = local + "/share/pnpm-store";
        folder(base);
        for (int bucket = 0; bucket < 256; ++bucket) {
            const std::string dir = base + "/" + hex(bucket);
            folder(dir);
            for (int i = 0; i < 60; ++i) {
                const std::string path =
                    dir + "/" + hex(sequence_.between(0, 1 << 30)) + "-" + std::to_string(i);
                file(path);
                storeFiles_.push_back(path);
            }
        }
    }

    void project(const std::string& parent, const std::string& name) {
        folder(parent);
        const std::string base = parent + "/" + name;
        folder(base);
        file(base + "/package.json", sequence_.between(200, 3000));
        file(base + "/README.md");
        sourceTree(base + "/src", 0);
        gitObjects(base + "/.git");
        nodeModules(base + "/node_modules", sequence_.between(110, 200), 0);
        if (sequence_.chance(30)) {
            symlink("src", base + "/current");
        }
    }

    void sourceTree(const std::string& path, int depth) {
        folder(path);
        const int files = sequence_.between(3, 18);
        for (int i = 0; i < files; ++i) {
            file(path + "/module" + std::to_string(i) + ".ts");
        }
        if (depth < 4) {
            const int folders = sequence_.between(1, 4);
            for (int i = 0; i < folders; ++i) {
                sourceTree(path + "/part" + std::to_string(i), depth + 1);
            }
        }
    }

    void gitObjects(const std::string& git) {
        folder(git);
        file(git + "/HEAD", 23);
        file(git + "/config", 300);
        folder(git + "/objects");
        for (int bucket = 0; bucket < 64; ++bucket) {
            const std::string dir = git + "/objects/" + hex(bucket * 4);
            folder(dir);
            const int objects = sequence_.between(4, 30);
            for (int i = 0; i < objects; ++i) {
                file(dir + "/" + hex(sequence_.between(0, 1 << 30)) + std::to_string(i));
            }
        }
        file(git + "/objects/pack.pack", sequence_.between(1'000'001, 4'000'000));
    }

    void nodeModules(const std::string& path, int packages, int depth) {
        folder(path);
        folder(path + "/.bin");
        for (int p = 0; p < packages; ++p) {
            const std::string package = "pkg-" + std::to_string(depth) + "-" + std::to_string(p);
            const std::string base = path + "/" + package;
            folder(base);
            file(base + "/package.json", sequence_.between(300, 2500));
            folder(base + "/lib");
            const int files = sequence_.between(4, 30);
            for (int i = 0; i < files; ++i) {
                const std::string target = base + "/lib/file" + std::to_string(i) + ".js";
                if (sequence_.chance(15)) {
                    hardLink(storeFiles_[sequence_.next() % storeFiles_.size()], target);
                } else {
                    file(target);
                }
            }
            if (sequence_.chance(12)) {
                symlink("../" + package + "/lib/file0.js", path + "/.bin/" + package);
            }
            if (depth < 3 && sequence_.chance(8)) {
                nodeModules(base + "/node_modules", sequence_.between(3, 12), depth + 1);
            }
        }
    }

    // Two levels of hashed folders, as browsers and thumbnailers lay them out.
    void cache(const std::string& parent, const std::string& name, int fanOut, int perFolder) {
        folder(parent);
        const std::string base = parent + "/" + name;
        folder(base);
        for (int a = 0; a < fanOut; ++a) {
            const std::string first = base + "/" + hex(a);
            folder(first);
            for (int b = 0; b < fanOut; ++b) {
                const std::string second = first + "/" + hex(b);
                folder(second);
                for (int i = 0; i < perFolder; ++i) {
                    file(second + "/" + hex(sequence_.between(0, 1 << 30)) + std::to_string(i));
                }
            }
        }
    }

    // Wide folders: maildir-style boxes with tens of thousands of messages.
    void mail(const std::string& base) {
        folder(base);
        for (const char* box : {"Inbox", "Archive", "Lists"}) {
            const std::string dir = base + "/" + box;
            folder(dir);
            folder(dir + "/cur");
            const int messages = std::string(box) == "Archive" ? 40'000 : 12'000;
            for (int i = 0; i < messages; ++i) {
                file(dir + "/cur/" + std::to_string(1'600'000'000 + i) + ".mail:2,S",
                     sequence_.between(500, 20'000));
            }
        }
    }

    void documents(const std::string& path, int depth) {
        folder(path);
        const int files = sequence_.between(5, 40);
        for (int i = 0; i < files; ++i) {
            file(path + "/note " + std::to_string(i) + (i % 3 == 0 ? ".pdf" : ".odt"));
        }
        if (depth < 4) {
            const int folders = sequence_.between(2, 6);
            for (int i = 0; i < folders; ++i) {
                documents(path + "/topic " + std::to_string(i), depth + 1);
            }
        }
    }

    void pictures(const std::string& base) {
        folder(base);
        for (int year = 2015; year < 2025; ++year) {
            const std::string yearPath = base + "/" + std::to_string(year);
            folder(yearPath);
            for (int month = 1; month <= 12; ++month) {
                const std::string monthPath = yearPath + "/" + std::to_string(month);
                folder(monthPath);
                for (int i = 0; i < 4; ++i) {
                    file(monthPath + "/IMG_" + std::to_string(i) + ".jpg",
                         sequence_.between(1'000'001, 4'000'000));
                }
                for (int i = 0; i < 25; ++i) {
                    file(monthPath + "/.thumb_" + std::to_string(i) + ".png");
                }
            }
        }
    }

    // A narrow chain of folders, deep as backups of old trees tend to be.
    void chain(const std::string& base, int depth) {
        std::string path = base;
        for (int level = 0; level < depth; ++level) {
            folder(path);
            file(path + "/entry.txt");
            path += "/level" + std::to_string(level);
        }
    }

    static std::string hex(int value) {
        char text[16];
        std::snprintf(text, sizeof text, "%02x", value);
        return text;
    }

    std::string root_;
    Sequence sequence_;
    std::vector<std::string> storeFiles_;
    std::vector<std::string> mediumFiles_;
    long long files_ = 0;
    long long folders_ = 0;
    long long hardLinks_ = 0;
    long long symlinks_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const bool medium = argc == 3 && std::strcmp(argv[2], "--medium") == 0;
    if (argc != 2 && !medium) {
        std::fprintf(stderr, "usage: make-scan-tree <destination> [--medium]\n");
        return 2;
    }
    struct stat existing {};
    if (::lstat(argv[1], &existing) == 0) {
        std::fprintf(stderr, "make-scan-tree: %s exists already\n", argv[1]);
        return 1;
    }
    if (medium) {
        Builder(argv[1]).buildMedium();
    } else {
        Builder(argv[1]).build();
    }
    return 0;
}
