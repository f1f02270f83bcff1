#include "SystemData/SystemDataModel.hpp"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QPointer>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>
#include <climits>
#include <memory>

#include "Support/FileManagerReveal.hpp"
#include "Support/BackgroundPool.hpp"
#include "Shell/ScanModel.hpp"
#include "SystemData/SystemDataText.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"
#include "TandorSystem/LiveSystemProbe.hpp"
#include "TandorSystem/SystemDataInspector.hpp"

namespace tandor {
namespace {

QString bytesText(std::int64_t bytes) {
    return ui::Texts::byteCount(bytes);
}

SystemDataReport inspectLive(const FileNodePtr& tree, const HomePlaces& places) {
    const SystemDataInspector inspector(std::make_shared<LiveSystemProbe>(), places,
                                        QDir::tempPath().toStdString());
    return inspector.inspect(tree);
}

// Opens a window of the file manager rooted at the folder itself.
void openInFileManager(const std::string& path) {
    QDesktopServices::openUrl(QUrl(FileManagerReveal::fileUri(path), QUrl::StrictMode));
}

}  // namespace

SystemDataModel::Services SystemDataModel::Services::standard() {
    return {inspectLive, openInFileManager};
}

SystemDataModel::SystemDataModel(QObject* parent) : SystemDataModel(Services::standard(), parent) {
}

SystemDataModel::SystemDataModel(Services services, QObject* parent)
    : QObject(parent), services_(std::move(services)) {
}

void SystemDataModel::setServices(Services services) {
    services_ = std::move(services);
}

void SystemDataModel::load(FileNodePtr tree, HomePlaces places) {
    if (isLoading_) {
        return;
    }
    isLoading_ = true;
    emit isLoadingChanged();
    const QPointer<SystemDataModel> guard(this);
    static_cast<void>(QtConcurrent::run(
        BackgroundPool::shared(),
        [guard, tree = std::move(tree), places = std::move(places), inspect = services_.inspect] {
            SystemDataReport report = inspect(tree, places);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [guard, report = std::move(report)]() mutable {
                    if (guard) {
                        guard->publish(std::move(report));
                    }
                },
                Qt::QueuedConnection);
        }));
}

void SystemDataModel::load(ScanModel* scanModel) {
    if (scanModel) {
        // The home's parts are sized from the tree as it is after the commits
        // since the scan; the tree itself stays as scanned for the other readers.
        const auto& tree = scanModel->root();
        load(tree ? tree->without(scanModel->movedSinceScan()) : nullptr, scanModel->homePlaces());
    } else {
        load(nullptr, HomePlaces::read(homeFolderPath()));
    }
}

void SystemDataModel::publish(SystemDataReport report) {
    report_ = std::move(report);
    emit reportChanged();
    isLoading_ = false;
    emit isLoadingChanged();
}

QString SystemDataModel::headline() const {
    return report_ ? ui::Texts::tr(QStringLiteral("Tandor measured %@ of System Data"),
                                   {bytesText(report_->measuredTotal())})
                   : QString();
}

bool SystemDataModel::hasVolume() const {
    return report_ && report_->volume;
}

QVariantList SystemDataModel::volumeValues() const {
    if (!hasVolume()) {
        return {};
    }
    const auto amounts = SystemDataText::volumeAmounts(*report_->volume);
    return {static_cast<double>(amounts.usedSegment), static_cast<double>(amounts.purgeable),
            static_cast<double>(amounts.available)};
}

QString SystemDataModel::usedText() const {
    if (!hasVolume()) {
        return {};
    }
    return ui::Texts::tr(QStringLiteral("Used %@"),
                         {bytesText(SystemDataText::volumeAmounts(*report_->volume).used)});
}

QString SystemDataModel::purgeableText() const {
    if (!hasVolume()) {
        return {};
    }
    const auto purgeable = SystemDataText::volumeAmounts(*report_->volume).purgeable;
    return purgeable > 0 ? ui::Texts::tr(QStringLiteral("Purgeable %@"), {bytesText(purgeable)})
                         : QString();
}

QString SystemDataModel::freeText() const {
    if (!hasVolume()) {
        return {};
    }
    return ui::Texts::tr(QStringLiteral("Free %@"),
                         {bytesText(SystemDataText::volumeAmounts(*report_->volume).available)});
}

int SystemDataModel::unreadableCount() const {
    if (!report_) {
        return 0;
    }
    const auto count = SystemDataText::unreadableFolderCount(*report_);
    return count > INT_MAX ? INT_MAX : static_cast<int>(count);
}

QVariantList SystemDataModel::rows() const {
    QVariantList rows;
    if (!report_) {
        return rows;
    }
    for (const auto& item : report_->items) {
        QStringList details;
        for (const auto& line : item.details) {
            details << ui::fromEngine(line);
        }
        QStringList paths;
        for (const auto& path : item.paths) {
            paths << ui::displayPath(path);
        }
        rows.append(QVariantMap{
            {QStringLiteral("id"), QString::fromStdString(item.id())},
            {QStringLiteral("title"), ui::Texts::localized(ui::fromEngine(item.title))},
            {QStringLiteral("sizeText"), SystemDataText::sizeText(item)},
            {QStringLiteral("explanation"), ui::Texts::localized(ui::fromEngine(item.explanation))},
            {QStringLiteral("advice"), ui::Texts::localized(ui::fromEngine(item.advice))},
            {QStringLiteral("details"), details},
            {QStringLiteral("paths"), paths},
            {QStringLiteral("handledBySystem"), item.handledByMacOS},
        });
    }
    return rows;
}

void SystemDataModel::openFolder(int row, int pathIndex) const {
    if (!report_ || row < 0 || static_cast<std::size_t>(row) >= report_->items.size()) {
        return;
    }
    const auto& paths = report_->items[static_cast<std::size_t>(row)].paths;
    if (pathIndex < 0 || static_cast<std::size_t>(pathIndex) >= paths.size() ||
        !services_.openFolder) {
        return;
    }
    services_.openFolder(paths[static_cast<std::size_t>(pathIndex)]);
}

}  // namespace tandor
