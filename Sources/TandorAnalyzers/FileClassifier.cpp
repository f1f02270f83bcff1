#include "TandorAnalyzers/FileClassifier.hpp"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "TandorCore/FileNode.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/UnicodeText.hpp"

namespace tandor {
namespace {

using Names = std::unordered_set<std::string_view>;

struct KnownPlace {
    // A place path of HomePlaces::resolve.
    std::string_view place;
    FileKind kind;
    std::string_view owner;
};

// The Mac places, and beside them where the same programs keep the same things
// here.
constexpr std::array<KnownPlace, 22> knownPlaces{{
    {".ollama", FileKind::aiModels, "Ollama"},
    {".lmstudio", FileKind::aiModels, "LM Studio"},
    {".cache/huggingface", FileKind::aiModels, "Hugging Face"},
    {"$XDG_CACHE_HOME/huggingface", FileKind::aiModels, "Hugging Face"},
    {"Library/Application Support/MobileSync", FileKind::deviceBackups, "Finder"},
    {"Library/Messages", FileKind::messaging, "Messages"},
    {"Library/Mail", FileKind::messaging, "Mail"},
    {"Library/Developer", FileKind::developerTools, "Xcode"},
    {"Parallels", FileKind::virtualMachines, "Parallels"},
    {"Virtual Machines.localized", FileKind::virtualMachines, "VMware Fusion"},
    {"VirtualBox VMs", FileKind::virtualMachines, "VirtualBox"},
    {"vmware", FileKind::virtualMachines, "VMware"},
    {"$XDG_DATA_HOME/gnome-boxes", FileKind::virtualMachines, "GNOME Boxes"},
    {"$XDG_DATA_HOME/libvirt", FileKind::virtualMachines, "libvirt"},
    {".docker", FileKind::virtualMachines, "Docker"},
    {"Library/Fonts", FileKind::fonts, "Fonts"},
    {"$XDG_DATA_HOME/fonts", FileKind::fonts, "Fonts"},
    {".npm", FileKind::appCaches, "npm"},
    {".gradle", FileKind::appCaches, "Gradle"},
    {".cocoapods", FileKind::appCaches, "CocoaPods"},
    {".cargo", FileKind::developerTools, "Rust"},
    {".rustup", FileKind::developerTools, "Rust"},
}};

struct ApplicationFolder {
    std::string_view place;
    // The kind of a child whose name implies no family.
    FileKind kind;
};

// Folders in which each child folder belongs to one application, named by the
// child's name.
constexpr std::array<ApplicationFolder, 8> applicationFolders{{
    {"Library/Caches", FileKind::appCaches},
    {"Library/Containers", FileKind::appData},
    {"Library/Group Containers", FileKind::appData},
    {"Library/Application Support", FileKind::appData},
    {"$XDG_CACHE_HOME", FileKind::appCaches},
    {"$XDG_CONFIG_HOME", FileKind::appData},
    {"$XDG_DATA_HOME", FileKind::appData},
    {".var/app", FileKind::appData},
}};

const std::unordered_map<std::string_view, std::vector<std::string_view>>& buildFolderTable() {
    static const std::unordered_map<std::string_view, std::vector<std::string_view>> table{
        {"node_modules", {"package.json"}},
        {".build", {"Package.swift"}},
        {"Pods", {"Podfile"}},
        {"target", {"Cargo.toml", "pom.xml"}},
        {".venv", {"pyproject.toml", "requirements.txt", "setup.py"}},
        {"venv", {"pyproject.toml", "requirements.txt", "setup.py"}},
        {".next", {"package.json"}},
        {".gradle", {"build.gradle", "build.gradle.kts", "settings.gradle", "settings.gradle.kts"}},
    };
    return table;
}

// Searched in order: the first fragment found in the lowercased name wins, so
// the more particular fragments come first.
constexpr std::array<std::pair<std::string_view, std::string_view>, 17> friendlyNames{{
    {"whatsapp", "WhatsApp"},
    {"keepcoder.telegram", "Telegram"},
    {"telegram", "Telegram"},
    {"tinyspeck.slack", "Slack"},
    {"slack", "Slack"},
    {"discord", "Discord"},
    {"microsoft.teams", "Microsoft Teams"},
    {"signal", "Signal"},
    {"com.apple.mail", "Mail"},
    {"steam", "Steam"},
    {"epic", "Epic Games"},
    {"crossover", "CrossOver"},
    {"com.docker.docker", "Docker"},
    {"utmapp", "UTM"},
    {"parallels", "Parallels"},
    {"google.chrome", "Google Chrome"},
    {"spotify", "Spotify"},
}};

constexpr std::array<std::pair<std::string_view, FileKind>, 17> familyFragments{{
    {"whatsapp", FileKind::messaging},
    {"telegram", FileKind::messaging},
    {"tinyspeck.slack", FileKind::messaging},
    {"slack", FileKind::messaging},
    {"discord", FileKind::messaging},
    {"microsoft.teams", FileKind::messaging},
    {"signal", FileKind::messaging},
    {"com.apple.mail", FileKind::messaging},
    {"steam", FileKind::games},
    {"epic", FileKind::games},
    {"crossover", FileKind::games},
    {"com.blizzard", FileKind::games},
    {"battle.net", FileKind::games},
    {"com.docker.docker", FileKind::virtualMachines},
    {"utmapp", FileKind::virtualMachines},
    {"parallels", FileKind::virtualMachines},
    {"vmware", FileKind::virtualMachines},
}};

constexpr std::array<std::string_view, 3> identifierNoiseWords{"shared", "group", "helper"};

constexpr std::array<std::string_view, 4> screenshotPrefixes{"screenshot", "screen shot",
                                                             "schermata", "istantanea"};

// GNOME names its recordings "Screencast from <date>"; its screenshots,
// "Screenshot from <date>", already start with a screenshot prefix.
constexpr std::array<std::string_view, 4> screenRecordingPrefixes{
    "screen recording", "registrazione schermo", "registrazione dello schermo", "screencast from"};

const Names& imageExtensions() {
    static const Names names{"jpg", "jpeg", "png", "heic", "heif",
                             "gif", "webp", "tif", "tiff", "bmp"};
    return names;
}

const Names& videoExtensions() {
    static const Names names{"mov", "mp4", "m4v", "avi", "mkv", "webm", "mpg", "mpeg", "3gp"};
    return names;
}

const std::unordered_map<std::string_view, FileKind>& extensionKinds() {
    static const auto table = [] {
        const std::pair<FileKind, std::vector<std::string_view>> lists[] = {
            {FileKind::rawPhotos,
             {"cr2", "cr3", "nef", "arw", "dng", "raf", "orf", "rw2", "srw", "pef"}},
            {FileKind::audio,
             {"mp3", "m4a", "wav", "aif", "aiff", "flac", "aac", "ogg", "opus", "logicx", "band"}},
            {FileKind::documents,
             {"pdf", "doc", "docx", "xls", "xlsx", "ppt", "pptx", "pages", "numbers", "key", "txt",
              "rtf", "md", "csv", "epub", "odt", "ods"}},
            {FileKind::installers,
             {"dmg", "pkg", "mpkg", "xip", "iso", "exe", "msi", "deb", "rpm"}},
            {FileKind::archives, {"zip", "rar", "7z", "tar", "gz", "tgz", "bz2", "xz", "zst"}},
            {FileKind::diskImages,
             {"vmdk", "qcow2", "vdi", "vhd", "vhdx", "raw", "img", "sparseimage", "sparsebundle"}},
            {FileKind::fonts, {"ttf", "otf", "ttc", "woff", "woff2"}},
            {FileKind::aiModels,
             {"gguf", "safetensors", "ckpt", "pt", "pth", "onnx", "mlmodel", "mlpackage", "ggml"}},
        };
        std::unordered_map<std::string_view, FileKind> kinds;
        for (const auto& [kind, extensions] : lists) {
            for (const auto extension : extensions) {
                kinds.emplace(extension, kind);
            }
        }
        return kinds;
    }();
    return table;
}

// True when path is absolute and already in the form FileNode::normalize
// gives, as every path of a scanned tree is; such paths need no copy.
bool isNormalized(std::string_view path) {
    if (path.empty() || path.front() != '/' || (path.size() > 1 && path.back() == '/')) {
        return false;
    }
    for (std::size_t start = 1; start < path.size();) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        const std::string_view piece = path.substr(start, slash - start);
        if (piece.empty() || piece == "." || piece == "..") {
            return false;
        }
        start = slash + 1;
    }
    return true;
}

std::string_view normalized(std::string_view path, std::string& storage) {
    if (isNormalized(path)) {
        return path;
    }
    storage = FileNode::normalize(path);
    return storage;
}

// The lowercased extension of a file or folder name (never a path). Most
// extensions are ASCII and are lowercased without the Unicode tables.
std::string lowercasedExtension(std::string_view name) {
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) {
        return "";
    }
    std::string extension(name.substr(dot + 1));
    const bool ascii = std::all_of(extension.begin(), extension.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        return unicode::lowercased(extension);
    }
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return extension;
}

template <std::size_t N>
bool startsWithAny(std::string_view text, const std::array<std::string_view, N>& prefixes) {
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [text](std::string_view prefix) { return text.starts_with(prefix); });
}

bool isNoiseWord(std::string_view lowercasedWord) {
    return std::find(identifierNoiseWords.begin(), identifierNoiseWords.end(), lowercasedWord) !=
           identifierNoiseWords.end();
}

// The non-empty pieces between "." separators.
std::vector<std::string_view> dotSeparatedParts(std::string_view name) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= name.size()) {
        const auto dot = std::min(name.find('.', start), name.size());
        if (dot > start) {
            parts.push_back(name.substr(start, dot - start));
        }
        start = dot + 1;
    }
    return parts;
}

std::optional<FileClassifier::FolderMatch> bundleMatch(std::string_view name) {
    const std::string extension = lowercasedExtension(name);
    if (extension == "app") {
        return FileClassifier::FolderMatch{FileKind::applications,
                                           paths::nameWithoutExtension(name)};
    }
    if (extension == "pvm" || extension == "utm" || extension == "vmwarevm") {
        return FileClassifier::FolderMatch{FileKind::virtualMachines,
                                           paths::nameWithoutExtension(name)};
    }
    if (extension == "photoslibrary") {
        return FileClassifier::FolderMatch{FileKind::photos, "Photos"};
    }
    return std::nullopt;
}

bool hasMarkerAmong(const std::vector<std::string_view>& markers,
                    std::span<const std::string_view> siblings) {
    return std::any_of(siblings.begin(), siblings.end(), [&markers](std::string_view sibling) {
        return std::find(markers.begin(), markers.end(), sibling) != markers.end();
    });
}

}  // namespace

FileClassifier::FileClassifier(const HomePlaces& places)
    : home_(places.home()), trashFolder_(places.trashFolder()) {
    for (const auto& known : knownPlaces) {
        for (auto& path : places.resolve(known.place)) {
            knownFolders_.emplace(std::move(path),
                                  FolderMatch{known.kind, std::string(known.owner)});
        }
    }
    for (const auto& folder : applicationFolders) {
        for (auto& path : places.resolve(folder.place)) {
            // An XDG folder set to home, or above it, would make the user's
            // own folders application data.
            if (path != home_ && !paths::isInside(home_, path)) {
                applicationFolders_.emplace(std::move(path), folder.kind);
            }
        }
    }
}

std::optional<std::string_view> FileClassifier::relativePath(
    std::string_view normalizedPath) const {
    if (!paths::isInside(normalizedPath, home_)) {
        return std::nullopt;
    }
    const std::size_t dropped = home_ == "/" ? 1 : home_.size() + 1;
    return normalizedPath.substr(dropped);
}

std::optional<FileClassifier::FolderMatch> FileClassifier::placeMatch(std::string_view path) const {
    std::string storage;
    const std::string_view normalizedPath = normalized(path, storage);
    if (normalizedPath == trashFolder_) {
        return FolderMatch{FileKind::trash, "Trash"};
    }
    if (const auto known = knownFolders_.find(normalizedPath); known != knownFolders_.end()) {
        return known->second;
    }
    const auto slash = normalizedPath.rfind('/');
    const std::string_view parent = normalizedPath.substr(0, std::max<std::size_t>(slash, 1));
    if (const auto folder = applicationFolders_.find(parent); folder != applicationFolders_.end()) {
        const std::string_view name = normalizedPath.substr(slash + 1);
        return FolderMatch{familyKind(name).value_or(folder->second), appName(name)};
    }
    return std::nullopt;
}

std::optional<FileClassifier::FolderMatch> FileClassifier::folderMatch(
    std::string_view path, std::string_view name,
    std::span<const std::string_view> siblings) const {
    if (auto match = placeMatch(path)) {
        return match;
    }
    if (auto match = bundleMatch(name)) {
        return match;
    }
    const auto* markers = buildFolderMarkers(name);
    if (markers != nullptr && hasMarkerAmong(*markers, siblings)) {
        return FolderMatch{FileKind::buildFolders,
                           paths::lastComponent(paths::deletingLastComponent(path))};
    }
    return std::nullopt;
}

FileKind FileClassifier::fileKind(std::string_view name) {
    const std::string extension = lowercasedExtension(name);
    if (imageExtensions().contains(extension)) {
        return startsWithAny(unicode::lowercased(name), screenshotPrefixes) ? FileKind::screenshots
                                                                            : FileKind::photos;
    }
    if (videoExtensions().contains(extension)) {
        return startsWithAny(unicode::lowercased(name), screenRecordingPrefixes)
                   ? FileKind::screenRecordings
                   : FileKind::videos;
    }
    const auto& kinds = extensionKinds();
    const auto found = kinds.find(extension);
    return found != kinds.end() ? found->second : FileKind::other;
}

std::string FileClassifier::topFolder(std::string_view path) const {
    std::string storage;
    const auto relative = relativePath(normalized(path, storage));
    if (!relative) {
        return "/";
    }
    return std::string(relative->substr(0, relative->find('/')));
}

std::string FileClassifier::appName(std::string_view name) {
    const std::string lower = unicode::lowercased(name);
    for (const auto& [fragment, displayName] : friendlyNames) {
        if (lower.find(fragment) != std::string::npos) {
            return std::string(displayName);
        }
    }
    const auto parts = dotSeparatedParts(name);
    if (parts.size() >= 3) {
        for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
            if (!isNoiseWord(unicode::lowercased(*part))) {
                return std::string(*part);
            }
        }
    }
    return std::string(name);
}

std::optional<FileKind> FileClassifier::familyKind(std::string_view name) {
    const std::string lower = unicode::lowercased(name);
    for (const auto& [fragment, kind] : familyFragments) {
        if (lower.find(fragment) != std::string::npos) {
            return kind;
        }
    }
    return std::nullopt;
}

const std::vector<std::string_view>* FileClassifier::buildFolderMarkers(std::string_view name) {
    const auto& table = buildFolderTable();
    const auto found = table.find(name);
    return found != table.end() ? &found->second : nullptr;
}

}  // namespace tandor
