#pragma once

#include <string>
#include <string_view>

namespace tandor {

// An open folder, closed when the object goes away.
class FolderDescriptor {
  public:
    // Opens folder read-only without following a symbolic link at any component
    // that the path walk has to take piece by piece; invalid when that fails
    // (a symbolic link, not a folder, no permission, gone), with errno set.
    // Paths longer than the kernel accepts in one call are opened one
    // component at a time below the longest prefix it does accept.
    static FolderDescriptor open(const std::string& folder);
    // Opens the folder at relative below base one component at a time, never
    // following a symbolic link at any of them, so a folder swapped for a link
    // after it was listed is refused instead of followed; invalid when that
    // fails, with errno set. relative names at least one component.
    static FolderDescriptor openBelow(const FolderDescriptor& base, std::string_view relative);

    FolderDescriptor() = default;
    explicit FolderDescriptor(int descriptor) : descriptor_(descriptor) {}
    FolderDescriptor(FolderDescriptor&& other) noexcept;
    FolderDescriptor& operator=(FolderDescriptor&& other) noexcept;
    FolderDescriptor(const FolderDescriptor&) = delete;
    FolderDescriptor& operator=(const FolderDescriptor&) = delete;
    ~FolderDescriptor();

    bool isValid() const { return descriptor_ >= 0; }
    int get() const { return descriptor_; }
    // A second open of the same folder, read from its start; invalid when that
    // fails.
    FolderDescriptor reopened() const;
    // Gives up ownership; the caller closes the descriptor.
    int release();

  private:
    int descriptor_ = -1;
};

}  // namespace tandor
