#include "TandorReview/TrashIndex.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <functional>
#include <memory>
#include <string_view>

namespace tandor {

TrashIndex::TrashIndex(const std::string& filesFolder) {
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(::opendir(filesFolder.c_str()), ::closedir);
    if (!directory) {
        return;
    }
    const int folder = ::dirfd(directory.get());
    while (const dirent* entry = ::readdir(directory.get())) {
        const std::string_view name = entry->d_name;
        struct stat info {};
        if (name == "." || name == ".." ||
            ::fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        names_[FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                            static_cast<std::uint64_t>(info.st_ino)}]
            .emplace_back(name);
    }
}

const std::vector<std::string>& TrashIndex::namesOf(const FileIdentity& identity) const {
    static const std::vector<std::string> none;
    const auto found = names_.find(identity);
    return found == names_.end() ? none : found->second;
}

std::size_t TrashIndex::IdentityHash::operator()(const FileIdentity& identity) const {
    const std::hash<std::uint64_t> hash;
    return hash(identity.device) ^ (hash(identity.inode) * 0x9E3779B97F4A7C15ULL);
}

}  // namespace tandor
