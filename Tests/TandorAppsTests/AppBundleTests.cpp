// Reading application bundles built by the tests.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "BundleFixtures.hpp"
#include "TandorApps/AppBundle.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::makeBundle;
using testing::PlistKeys;
using testing::writeText;

class AppBundleRead : public ::testing::Test {
  protected:
    std::optional<AppBundle> bundle(const std::string& name, const PlistKeys& keys,
                                    bool binary = false) {
        makeBundle(folder_ / name, keys, binary);
        return AppBundle::read(folder_ / name);
    }

    testing::TemporaryFolder folder_;
};

TEST_F(AppBundleRead, ReadsXMLAndBinaryPropertyListsAlike) {
    const PlistKeys keys{{"CFBundleIdentifier", "com.example.Editor"},
                         {"CFBundleDisplayName", "Editor Pro"},
                         {"CFBundleName", "Editor"},
                         {"CFBundleShortVersionString", "2.1"},
                         {"CFBundleIconFile", "Editor"}};
    for (const bool binary : {false, true}) {
        const auto name = binary ? "Binary.app" : "Xml.app";
        const auto app = bundle(name, keys, binary);
        ASSERT_TRUE(app) << name;
        EXPECT_EQ(*app, (AppBundle{folder_ / name, "com.example.Editor", "Editor Pro", "2.1", false,
                                   "Editor", AppBundle::Kind::bundle, std::nullopt}));
        EXPECT_EQ(app->id(), folder_ / name);
    }
}

TEST_F(AppBundleRead, NamesFallBackFromDisplayNameToBundleNameToFileName) {
    EXPECT_EQ(bundle("A.app", {{"CFBundleIdentifier", "x.a"}, {"CFBundleName", "Short"}})->name,
              "Short");
    EXPECT_EQ(bundle("Foo Bar.app", {{"CFBundleIdentifier", "x.b"}})->name, "Foo Bar");
    EXPECT_EQ(bundle("C.app", {{"CFBundleIdentifier", "x.c"},
                               {"CFBundleDisplayName", std::uint64_t{7}},
                               {"CFBundleName", "Named"}})
                  ->name,
              "Named");
    EXPECT_EQ(bundle("D.app", {{"CFBundleIdentifier", "x.d"}, {"CFBundleDisplayName", ""}})->name,
              "");
    const auto numbered =
        bundle("E.app", {{"CFBundleIdentifier", "x.e"}, {"CFBundleShortVersionString", 3ULL}});
    EXPECT_EQ(numbered->version, std::nullopt);
}

TEST_F(AppBundleRead, TheReceiptMarksAnAppStoreApplication) {
    writeText(folder_ / "Store.app/Contents/_MASReceipt/receipt", "r");
    EXPECT_TRUE(bundle("Store.app", {{"CFBundleIdentifier", "x.store"}})->fromAppStore);
    EXPECT_FALSE(bundle("Plain.app", {{"CFBundleIdentifier", "x.plain"}})->fromAppStore);
}

TEST_F(AppBundleRead, UnreadableBundlesGiveNothing) {
    EXPECT_FALSE(bundle("Empty.app", {{"CFBundleIdentifier", ""}}));
    EXPECT_FALSE(bundle("Number.app", {{"CFBundleIdentifier", std::uint64_t{42}}}));
    EXPECT_FALSE(bundle("NoID.app", {{"CFBundleName", "x"}}));
    EXPECT_FALSE(bundle("Upper.APP", {{"CFBundleIdentifier", "x.upper"}}));

    std::filesystem::create_directories(folder_ / "Missing.app/Contents");
    EXPECT_FALSE(AppBundle::read(folder_ / "Missing.app"));
    EXPECT_FALSE(AppBundle::read(folder_ / "Nowhere.app"));

    const std::vector<std::pair<std::string, std::string>> broken{
        {"Garbage.app", "not a property list at all"},
        {"Truncated.app", "<?xml version=\"1.0\"?><plist><dict><key>CFBundleIdentifier</key>"},
        {"Array.app", "<?xml version=\"1.0\"?><plist><array><string>a</string></array></plist>"},
        {"BinaryJunk.app", "bplist00\xff\xff\xff\xff"},
        {"EmptyFile.app", ""},
    };
    for (const auto& [name, contents] : broken) {
        writeText(folder_ / (name + "/Contents/Info.plist"), contents);
        EXPECT_FALSE(AppBundle::read(folder_ / name)) << name;
    }

    std::filesystem::create_directories(folder_ / "Folder.app/Contents/Info.plist");
    EXPECT_FALSE(AppBundle::read(folder_ / "Folder.app"));

    const auto huge = testing::propertyList(
        {{"CFBundleIdentifier", "x.huge"}, {"Padding", std::string(9 * 1024 * 1024, 'p')}}, false);
    writeText(folder_ / "Huge.app/Contents/Info.plist", huge);
    EXPECT_FALSE(AppBundle::read(folder_ / "Huge.app")) << "larger than any real one";
}

TEST(AppBundle, ProtectionIsACaseSensitivePrefixTest) {
    struct Case {
        std::string path;
        std::string bundleID;
        bool isProtected;
    };
    const std::vector<Case> cases{
        {"/Applications/Notes.app", "com.apple.Notes", true},
        {"/System/Applications/Tool.app", "org.example.tool", true},
        {"/Applications/Sauce.app", "com.applesauce.tool", false},
        {"/Applications/X.app", "Com.Apple.X", false},
        {"/system/X.app", "org.example.x", false},
    };
    for (const auto& testCase : cases) {
        const AppBundle app{
            testCase.path,           testCase.bundleID, "Name", std::nullopt, false, {},
            AppBundle::Kind::bundle, std::nullopt};
        EXPECT_EQ(app.isProtected(), testCase.isProtected) << testCase.bundleID;
    }
}

TEST(AppBundle, FolderNamesKeepNamesLongerThanThreeCharacters) {
    const auto names = [](const std::string& path, const std::string& name) {
        return AppBundle{
            path,        "x.y", name, std::nullopt, false, std::nullopt, AppBundle::Kind::bundle,
            std::nullopt}
            .folderNames();
    };
    EXPECT_THAT(names("/Applications/Git.app", "Git"), IsEmpty());
    EXPECT_THAT(names("/Applications/VTool.app", "Visual Tool"),
                ElementsAre("VTool", "Visual Tool"));
    EXPECT_THAT(names("/Applications/Notes.app", "Notes"), ElementsAre("Notes"));
    EXPECT_THAT(names("/Applications/\u00c9t\u00e9.app", "E\u0301t\u00e9"), IsEmpty())
        << "three characters, however many bytes";
}

}  // namespace
}  // namespace tandor
