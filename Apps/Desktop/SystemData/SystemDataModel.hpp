#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>
#include <string>

#include "Shell/ScanModel.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/HomePlaces.hpp"
#include "TandorSystem/SystemDataReport.hpp"

namespace tandor {

// The System Data tab's model: runs the System Data inspector off the main
// thread and publishes its report, with every text the tab shows derived
// from it. One model per view: the tab makes a new one each time it is shown.
//
// Main thread only. An inspection runs on a worker that holds the model
// through a QPointer and the tree it was given strongly; its report is
// published with a queued call, before isLoading falls. A model destroyed
// meanwhile drops the report. Nothing is ever cleared: "Measure Again" keeps
// the old report on screen until the new one replaces it.
class SystemDataModel : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(bool hasReport READ hasReport NOTIFY reportChanged)
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged)
    // "Tandor measured %@ of System Data".
    Q_PROPERTY(QString headline READ headline NOTIFY reportChanged)
    // The volume bar and its legends show only when the volume was read.
    Q_PROPERTY(bool hasVolume READ hasVolume NOTIFY reportChanged)
    // The three values of the bar in bytes: used less purgeable, purgeable,
    // available.
    Q_PROPERTY(QVariantList volumeValues READ volumeValues NOTIFY reportChanged)
    Q_PROPERTY(QString usedText READ usedText NOTIFY reportChanged)
    // Empty when there is no purgeable space: its legend is left out.
    Q_PROPERTY(QString purgeableText READ purgeableText NOTIFY reportChanged)
    Q_PROPERTY(QString freeText READ freeText NOTIFY reportChanged)
    // Folders that could not be read; the hint shows when above 0.
    Q_PROPERTY(int unreadableCount READ unreadableCount NOTIFY reportChanged)
    // One map per item, in the report's order: id, title, sizeText,
    // explanation, advice (translated), details (as they came), paths (for
    // display) and handledBySystem.
    Q_PROPERTY(QVariantList rows READ rows NOTIFY reportChanged)

  public:
    using Inspect =
        std::function<SystemDataReport(const FileNodePtr& tree, const HomePlaces& places)>;
    using OpenFolder = std::function<void(const std::string& path)>;

    struct Services {
        // Runs on the worker; must be callable from any thread.
        Inspect inspect;
        OpenFolder openFolder;

        // The inspector with the live probe on the given places and the
        // process's temporary folder; the desktop's file manager.
        static Services standard();
    };

    explicit SystemDataModel(QObject* parent = nullptr);
    SystemDataModel(Services services, QObject* parent = nullptr);

    // Tests and benchmarks replace the services of a model that QML made.
    void setServices(Services services);

    const std::optional<SystemDataReport>& report() const { return report_; }
    bool hasReport() const { return report_.has_value(); }
    bool isLoading() const { return isLoading_; }
    QString headline() const;
    bool hasVolume() const;
    QVariantList volumeValues() const;
    QString usedText() const;
    QString purgeableText() const;
    QString freeText() const;
    int unreadableCount() const;
    QVariantList rows() const;

    // Starts one inspection of the given tree (the last scan's root, or null)
    // and of the places of that home unless one is running; a call meanwhile
    // is ignored, not queued.
    void load(FileNodePtr tree, HomePlaces places);
    // The same with the scan model's tree and places.
    Q_INVOKABLE void load(tandor::ScanModel* scanModel);
    // Opens the folder at this row's path in the file manager.
    Q_INVOKABLE void openFolder(int row, int pathIndex) const;

  signals:
    void reportChanged();
    void isLoadingChanged();

  private:
    void publish(SystemDataReport report);

    Services services_;
    std::optional<SystemDataReport> report_;
    bool isLoading_ = false;
};

}  // namespace tandor
