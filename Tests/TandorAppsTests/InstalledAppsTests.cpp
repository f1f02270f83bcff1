// Listing applications in folders built by the tests.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "BundleFixtures.hpp"
#include "TandorApps/InstalledApps.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using ::testing::ElementsAre;
using testing::makeApp;
using testing::writeText;

InstalledApps::Places in(std::vector<std::string> folders) {
    return {std::move(folders), {}, {}};
}

std::vector<std::string> pathsOf(const std::vector<AppBundle>& apps) {
    std::vector<std::string> paths;
    for (const auto& app : apps) {
        paths.push_back(app.path);
    }
    return paths;
}

TEST(InstalledApps, FindsBundlesOneFolderLevelDownSortedByName) {
    testing::TemporaryFolder system;
    testing::TemporaryFolder user;
    makeApp(system / "Zeta.app", "x.zeta", "zeta");
    makeApp(system / "alpha.app", "x.alpha", "Alpha");
    makeApp(system / "Utilities/beta.app", "x.beta", "beta");
    makeApp(system / "Foo.APP/Inner.app", "x.inner", "Inner");
    makeApp(system / "Deep/Level/Deep.app", "x.deep", "Deep");
    makeApp(system / "Broken.app/Nested.app", "x.nested", "Nested");
    makeApp(system / ".Hidden.app", "x.hidden", "Hidden");
    writeText(system / "README", "not an application");
    makeApp(user / "Alpha.app", "x.alpha", "alpha");

    const auto apps = InstalledApps::list(in({system.path(), system / "missing", user.path()}));
    EXPECT_THAT(pathsOf(apps), ElementsAre(system / "alpha.app", user / "Alpha.app",
                                           system / "Utilities/beta.app", system / ".Hidden.app",
                                           system / "Foo.APP/Inner.app", system / "Zeta.app"));
}

TEST(InstalledApps, UsesTheGivenNameOrder) {
    testing::TemporaryFolder folder;
    makeApp(folder / "A.app", "x.a", "Apple");
    makeApp(folder / "B.app", "x.b", "Banana");
    const auto apps = InstalledApps::list(
        in({folder.path()}), [](const std::string& a, const std::string& b) { return a > b; });
    EXPECT_THAT(pathsOf(apps), ElementsAre(folder / "B.app", folder / "A.app"));
}

TEST(InstalledApps, DefaultOrderIgnoresCaseAndNormalisation) {
    EXPECT_TRUE(InstalledApps::defaultNameOrder("alpha", "Beta"));
    EXPECT_FALSE(InstalledApps::defaultNameOrder("ALPHA", "alpha"));
    EXPECT_FALSE(InstalledApps::defaultNameOrder("\u00c9cole", "E\u0301cole"));
    EXPECT_FALSE(InstalledApps::defaultNameOrder("E\u0301cole", "\u00c9cole"));
}

TEST(InstalledApps, NothingToListGivesAnEmptyList) {
    EXPECT_TRUE(InstalledApps::list(in({})).empty());
    EXPECT_TRUE(InstalledApps::list(in({"/nonexistent/Applications"})).empty());
    const auto places = InstalledApps::defaultPlaces(HomePlaces("/home/ann"));
    EXPECT_THAT(places.folders,
                ElementsAre("/Applications", "/home/ann/Applications", "/home/ann/.local/bin"));
    EXPECT_EQ(places.desktopEntryFolder, "/home/ann/.local/share/applications");
}

}  // namespace
}  // namespace tandor
