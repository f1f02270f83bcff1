#include "Sorting/SortingFolderText.hpp"

#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor::SortingFolderText {
namespace {

bool isBlank(QChar character) {
    return character == QLatin1Char(' ') || character == QLatin1Char('\t');
}

std::string lastComponent(const std::string& path) {
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/') {
        trimmed.pop_back();
    }
    const auto slash = trimmed.rfind('/');
    return slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
}

}  // namespace

QString fate(const SortingFolder& folder, Date now) {
    switch (folder.fate.fateCase()) {
        case SortingFate::Case::moveTo:
            return ui::Texts::tr(QStringLiteral("then to %@"),
                                 {ui::displayPath(lastComponent(folder.fate.target()))});
        case SortingFate::Case::pileAfter: {
            const auto left = folder.daysLeft(now);
            if (!left || *left == 0) {
                return ui::Texts::tr(QStringLiteral("ready for the pile"));
            }
            return ui::Texts::tr(QStringLiteral("to the pile in %lld days"), {qlonglong(*left)});
        }
        case SortingFate::Case::keep:
            break;
    }
    return folder.isTemporary ? ui::Texts::tr(QStringLiteral("stays a folder"))
                              : ui::Texts::tr(QStringLiteral("your folder"));
}

FinishButton finishButton(const SortingFolder& folder, int count) {
    switch (folder.fate.fateCase()) {
        case SortingFate::Case::moveTo:
            return {ui::Texts::tr(QStringLiteral("Move On Now")), count > 0};
        case SortingFate::Case::pileAfter:
            return {ui::Texts::tr(QStringLiteral("Add to Pile")), count > 0};
        case SortingFate::Case::keep:
            break;
    }
    return {ui::Texts::tr(QStringLiteral("Done")), true};
}

QString newFolderName(const QString& typed) {
    qsizetype start = 0;
    qsizetype end = typed.size();
    while (start < end && isBlank(typed.at(start))) {
        ++start;
    }
    while (end > start && isBlank(typed.at(end - 1))) {
        --end;
    }
    if (start == end) {
        return ui::Texts::tr(QStringLiteral("To check"));
    }
    return typed.mid(start, end - start);
}

}  // namespace tandor::SortingFolderText
