// Writes a dpkg status file of a few thousand packages shaped like a real
// one (about 900 bytes each, descriptions over several lines, one package in
// ten removed), then times reading and parsing it.
//
//   package-status-bench [<packages>]    (3,000 when not given)
//
// The timing is the median of 21 reads.
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "TandorCore/InstalledPackages.hpp"

namespace {

constexpr int runs = 21;

std::string paragraph(int index) {
    const std::string name = "package-" + std::to_string(index);
    const bool removed = index % 10 == 9;
    std::string text =
        "Package: " + name + "\n" +
        (removed ? "Status: deinstall ok config-files\n" : "Status: install ok installed\n") +
        "Priority: optional\nSection: libs\nInstalled-Size: 420\n"
        "Maintainer: Example Maintainers <maintainers@example.org>\n"
        "Architecture: amd64\nMulti-Arch: same\nSource: " +
        name + "-source\nVersion: 1.2." + std::to_string(index) +
        "-1\nDepends: libc6 (>= 2.34), libexample1 (>= 1.0), zlib1g (>= 1:1.2.0)\n"
        "Description: example library number " +
        std::to_string(index) + "\n";
    for (int line = 0; line < 6; ++line) {
        text += " This line continues the long description of the package, as real ones do.\n";
    }
    text += "Homepage: https://example.org/" + name + "\n\n";
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    int packages = 3'000;
    if (argc > 2 ||
        (argc == 2 &&
         std::from_chars(argv[1], argv[1] + std::string_view(argv[1]).size(), packages).ec !=
             std::errc{})) {
        std::fprintf(stderr, "usage: package-status-bench [<packages>]\n");
        return 2;
    }
    try {
        std::string folder = (std::filesystem::temp_directory_path() / "package-status-XXXXXX");
        if (::mkdtemp(folder.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        const std::string path = folder + "/status";
        {
            std::ofstream file(path, std::ios::binary);
            for (int index = 0; index < packages; ++index) {
                file << paragraph(index);
            }
        }
        std::size_t found = 0;
        std::vector<double> milliseconds;
        for (int run = 0; run < runs; ++run) {
            const auto start = std::chrono::steady_clock::now();
            found = tandor::InstalledPackages::read(path).size();
            milliseconds.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
        }
        std::sort(milliseconds.begin(), milliseconds.end());
        std::printf("package-status-bench: packages=%d bytes=%lld installed=%zu read=%.2f ms\n",
                    packages, static_cast<long long>(std::filesystem::file_size(path)), found,
                    milliseconds[milliseconds.size() / 2]);
        std::filesystem::remove_all(folder);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "package-status-bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
