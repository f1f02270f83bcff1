#include "Assistant/AssistantSheetModel.hpp"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QtConcurrent/QtConcurrentRun>
#include <chrono>
#include <set>

#include "Assistant/AssistantProposalFilter.hpp"
#include "Support/BackgroundPool.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {
namespace {

void copyToClipboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

}  // namespace

AssistantSheetModel::Services AssistantSheetModel::Services::standard() {
    return {AssistantSettings::defaultPath(),
            paths::join(AssistantSettings::folder(), "assistant-proposals.json"),
            homeFolderPath(),
            AssistantSetup::executablePath(),
            [] { return std::chrono::system_clock::now(); },
            copyToClipboard};
}

AssistantSheetModel::AssistantSheetModel(QObject* parent)
    : AssistantSheetModel(Services::standard(), parent) {
}

AssistantSheetModel::AssistantSheetModel(Services services, QObject* parent)
    : QObject(parent), services_(std::move(services)), proposals_(services_.home) {
    refresh_.setInterval(refreshMilliseconds);
    connect(&refresh_, &QTimer::timeout, this, &AssistantSheetModel::refresh);
    readSettings();
}

AssistantSheetModel::~AssistantSheetModel() = default;

void AssistantSheetModel::setServices(Services services) {
    services_ = std::move(services);
    proposals_.setHome(services_.home);
    hasRead_ = false;
    readSettings();
    emit clientChanged();
}

void AssistantSheetModel::setScanModel(ScanModel* model) {
    if (scanModel_ != model) {
        scanModel_ = model;
        emit scanModelChanged();
    }
}

QStringList AssistantSheetModel::clients() {
    QStringList names;
    for (const auto client : AssistantSetup::allClients) {
        names << ui::fromEngine(AssistantSetup::rawValue(client));
    }
    return names;
}

void AssistantSheetModel::setClient(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= AssistantSetup::allClients.size() ||
        index == client()) {
        return;
    }
    client_ = AssistantSetup::allClients[static_cast<std::size_t>(index)];
    emit clientChanged();
    if (copied_) {
        copied_ = false;
        emit copiedChanged();
    }
}

QString AssistantSheetModel::hint() const {
    switch (client_) {
        case AssistantSetup::Client::claudeCode:
            return ui::Texts::tr(QStringLiteral("Run this once in a terminal."));
        case AssistantSetup::Client::codex:
            return ui::Texts::tr(QStringLiteral("Add this to ~/.codex/config.toml."));
        case AssistantSetup::Client::claudeDesktop:
            return ui::Texts::tr(
                QStringLiteral("Add this to claude_desktop_config.json (Claude → Settings → "
                               "Developer → Edit Config), then restart Claude."));
    }
    return {};
}

std::optional<std::string> AssistantSheetModel::setupText() const {
    if (!services_.executablePath) {
        return std::nullopt;
    }
    return AssistantSetup::snippet(client_, *services_.executablePath);
}

QString AssistantSheetModel::snippet() const {
    const auto text = setupText();
    return text ? ui::fromEngine(*text) : QString();
}

QString AssistantSheetModel::snippetError() const {
    if (setupText()) {
        return {};
    }
    if (!services_.executablePath) {
        return ui::Texts::tr(
            QStringLiteral("Tandor's program file was moved or removed after it started, so no "
                           "set-up text can name it. Start Tandor again from where it is now."));
    }
    return ui::Texts::tr(
        QStringLiteral("Tandor's path, %@, is not valid UTF-8, so no set-up text can name it. "
                       "Move Tandor to a folder whose name is valid UTF-8."),
        {ui::displayPath(*services_.executablePath)});
}

QString AssistantSheetModel::proposalSummary() const {
    std::int64_t total = 0;
    for (const auto& proposal : proposals_.proposals()) {
        total = saturatingAdd(total, proposal.bytes);
    }
    return ui::Texts::tr(QStringLiteral("%lld items · %@"),
                         {qlonglong{proposalCount()}, ui::Texts::byteCount(total)});
}

void AssistantSheetModel::setEnabled(bool on) {
    AssistantSettings next;
    next.enabled = on;
    if (on) {
        next.enabledAt = services_.now();
    }
    try {
        next.save(services_.settingsPath);
        setSettings(next, {});
    } catch (const std::exception& error) {
        setSettings(AssistantSettings::load(services_.settingsPath),
                    ui::Texts::tr(QStringLiteral("The switch could not be saved: %@"),
                                  {ui::fromEngine(error.what())}));
    }
    if (settings_.enabled) {
        readProposals();
    }
}

void AssistantSheetModel::copySnippet() {
    const QString text = snippet();
    if (text.isEmpty() || !services_.copy) {
        return;
    }
    services_.copy(text);
    if (!copied_) {
        copied_ = true;
        emit copiedChanged();
    }
}

void AssistantSheetModel::reload() {
    readSettings();
    readProposals();
}

void AssistantSheetModel::refresh() {
    readSettings();
    if (reading_ == 0 && (!hasRead_ || FileStamp::of(services_.proposalsPath) != readStamp_)) {
        readProposals();
    }
}

void AssistantSheetModel::readSettings() {
    setSettings(AssistantSettings::load(services_.settingsPath), switchError_);
}

void AssistantSheetModel::setSettings(AssistantSettings settings, QString error) {
    const bool changed = settings_.enabled != settings.enabled || switchError_ != error;
    settings_ = settings;
    switchError_ = std::move(error);
    updateTimer();
    if (changed) {
        emit enabledChanged();
    }
}

void AssistantSheetModel::updateTimer() {
    if (settings_.enabled && !refresh_.isActive()) {
        refresh_.start();
    } else if (!settings_.enabled) {
        refresh_.stop();
    }
}

void AssistantSheetModel::readProposals() {
    const std::uint64_t generation = ++generation_;
    ++reading_;
    readStamp_ = FileStamp::of(services_.proposalsPath);
    hasRead_ = true;
    const QPointer<AssistantSheetModel> guard(this);
    static_cast<void>(QtConcurrent::run(
        BackgroundPool::shared(),
        [guard, generation, store = AssistantProposalStore(services_.proposalsPath),
         home = services_.home] {
            auto offered = AssistantProposalFilter::offered(store.load(), home);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [guard, generation, offered = std::move(offered)]() mutable {
                    if (guard) {
                        guard->finishRead(generation, std::move(offered));
                    }
                },
                Qt::QueuedConnection);
        }));
}

void AssistantSheetModel::finishRead(std::uint64_t generation,
                                     std::vector<AssistantProposal> proposals) {
    --reading_;
    if (generation == generation_) {
        show(std::move(proposals));
    }
}

void AssistantSheetModel::show(std::vector<AssistantProposal> proposals) {
    if (proposals_.setProposals(std::move(proposals))) {
        emit proposalsChanged();
    }
}

void AssistantSheetModel::addToPile(int row) {
    if (row >= 0 && row < proposalCount()) {
        add({proposals()[static_cast<std::size_t>(row)]});
    }
}

void AssistantSheetModel::addAllToPile() {
    add(proposals());
}

void AssistantSheetModel::ignore(int row) {
    if (row >= 0 && row < proposalCount()) {
        dismiss({proposals()[static_cast<std::size_t>(row)]});
    }
}

void AssistantSheetModel::add(const std::vector<AssistantProposal>& items) {
    if (scanModel_) {
        const ScanModel::PileBatch batch(scanModel_);
        for (const auto& item : items) {
            scanModel_->addToPile({item.path, item.bytes, std::string("assistant")});
        }
    }
    dismiss(items);
}

void AssistantSheetModel::dismiss(const std::vector<AssistantProposal>& items) {
    std::set<std::string> paths;
    for (const auto& item : items) {
        paths.insert(item.path);
    }
    try {
        AssistantProposalStore(services_.proposalsPath).dismiss(paths);
        // Gone from the file: gone from the list at once, before the re-read.
        auto remaining = proposals();
        std::erase_if(remaining,
                      [&](const auto& proposal) { return paths.contains(proposal.path); });
        show(std::move(remaining));
    } catch (const std::exception&) {
        // The re-read shows the proposals still in the file.
    }
    reload();
}

}  // namespace tandor
