#pragma once

#include <sys/statvfs.h>

#include "TandorScanner/DirectoryScanner.hpp"
#include "TandorSystem/CommandRunner.hpp"
#include "TandorSystem/SystemProbe.hpp"

namespace tandor {

// The probe of the real machine. Keeps nothing between calls; every call
// blocks its thread until the reading is done and may run on any thread.
class LiveSystemProbe final : public SystemProbe {
  public:
    // makeReader lists folders for measure (tests pass a reader that refuses
    // some folders); runner runs the snapshot command.
    explicit LiveSystemProbe(
        DirectoryScanner::ReaderFactory makeReader = DirectoryScanner::standardReader,
        CommandRunner runner = CommandRunner());

    // volumeUsageOf the statvfs of path.
    std::optional<VolumeUsage> volumeUsage(const std::string& path) override;
    // Runs "/usr/bin/tmutil listlocalsnapshots /" and parses what it prints;
    // absent when it cannot run, fails or runs out of time.
    std::optional<std::vector<LocalSnapshot>> localSnapshots() override;
    // Scans path keeping no node below it and skipping excluded; absent when
    // nothing exists at path (a symbolic link to nothing included). A root that
    // cannot be read is 0 bytes and 1 unreadable folder.
    std::optional<FolderMeasurement> measure(const std::string& path,
                                             const std::vector<std::string>& excluded) override;
    // Reads the file at swapTable (the format of /proc/swaps).
    std::vector<std::string> swapFiles(const std::string& swapTable) override;
    // From the statfs file system type of path; false when it cannot be read.
    bool isInMemory(const std::string& path) override;

    // The figures as df shows them: used is the blocks less the free blocks,
    // available the blocks an ordinary user may still fill. The blocks kept
    // back for root are neither, so total is used + available, the whole that
    // df's percentage is taken of. This platform has no figure for important
    // usage. Absent when the figures do not fit in signed 64-bit bytes.
    static std::optional<VolumeUsage> volumeUsageOf(const struct statvfs& figures);

  private:
    DirectoryScanner::ReaderFactory makeReader_;
    CommandRunner runner_;
};

}  // namespace tandor
