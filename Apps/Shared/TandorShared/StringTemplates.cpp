#include "TandorShared/StringTemplates.hpp"

#include <QTextBoundaryFinder>
#include <algorithm>

#include "TandorShared/TextFormat.hpp"

namespace tandor::ui {
namespace {

const QRegularExpression& placeholderPattern() {
    static const QRegularExpression pattern(QStringLiteral("%(\\d+\\$)?(@|lld|ld|d)"));
    return pattern;
}

qsizetype graphemeCount(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() > 0) {
        ++count;
    }
    return count;
}

bool hasLetter(const QString& text) {
    const auto codePoints = text.toUcs4();
    return std::any_of(codePoints.begin(), codePoints.end(),
                       [](char32_t point) { return QChar::isLetter(point); });
}

// The values of a template that stand for names from the disk or from the
// user (folders, apps, extensions, addresses), by their order in the key.
// They are shown as they are: a folder called "Fonts" must not read as the
// translated kind title.
QList<int> nameValues(const QString& key) {
    static const QHash<QString, QList<int>> names{
        {QStringLiteral("%@ is installed"), {1}},
        {QStringLiteral("Already extracted to “%@”"), {1}},
        {QStringLiteral("Project “%@” last changed %lld days ago"), {1}},
        {QStringLiteral("App %@, %lld leftover %@ %@"), {1}},
        {QStringLiteral("Version %@, %@"), {1}},
        {QStringLiteral("Uninstall %@"), {1}},
        {QStringLiteral("You moved %lld .%@ files from %@ to the Trash in the last %lld months "
                        "(%@)"),
         {2, 3}},
        {QStringLiteral(".%@ files in %@"), {1, 2}},
        {QStringLiteral(".%@ files in %@ not opened for %lld days"), {1, 2}},
        {QStringLiteral(".%@ files in %@ older than %lld days"), {1, 2}},
        {QStringLiteral("items in %@"), {1}},
        {QStringLiteral("items in %@ not opened for %lld days"), {1}},
        {QStringLiteral("items in %@ older than %lld days"), {1}},
        {QStringLiteral("Same phone number ending in %@"), {1}},
        {QStringLiteral("Same email %@"), {1}},
    };
    return names.value(key);
}

}  // namespace

const QStringList& StringTemplates::keys() {
    static const QStringList list{
        QStringLiteral("Last changed %@"),
        QStringLiteral("%lld days ago"),
        QStringLiteral("%lld months ago"),
        QStringLiteral("%lld years ago"),
        QStringLiteral("%lld bytes"),
        QStringLiteral("%lld %@, %@ on disk"),
        QStringLiteral("%lld item, %@ on disk"),
        QStringLiteral("%lld items, %@ on disk"),
        QStringLiteral("%@ is installed"),
        QStringLiteral("Most recent change %lld days ago (%@)"),
        QStringLiteral("To get it back: %@"),
        QStringLiteral("Folder with %lld files"),
        QStringLiteral("Not changed for over %lld months. Tandor cannot tell whether you still "
                       "need it."),
        QStringLiteral("Already extracted to “%@”"),
        QStringLiteral("Project “%@” last changed %lld days ago"),
        QStringLiteral("%lld groups of photos that look alike, compared on this computer by their "
                       "image fingerprints"),
        QStringLiteral("%lld groups of files with identical content (same size and SHA-256)"),
        QStringLiteral("Last opened %lld days ago"),
        QStringLiteral("%@ (the most recent of %lld items)"),
        QStringLiteral("%@ (most recent; dates known for %lld of %lld items)"),
        QStringLiteral("App %@, %lld leftover %@ %@"),
        QStringLiteral("Version %@, %@"),
        QStringLiteral("Uninstall %@"),
        QStringLiteral("%lld of them matched by name only: check they are not used by another "
                       "app"),
        QStringLiteral("Today it would pick %lld %@, %@"),
        QStringLiteral("%lld more match but were opened recently, so they stay"),
        QStringLiteral("You cleaned it on %lld different days, %@ in total"),
        QStringLiteral("You moved %lld .%@ files from %@ to the Trash in the last %lld months "
                       "(%@)"),
        QStringLiteral("You put back %lld of them"),
        QStringLiteral("It takes %@ today"),
        QStringLiteral("%@ It grows back, so a weekly check keeps it small."),
        QStringLiteral(".%@ files in %@"),
        QStringLiteral("%@, put %@ in the pile for review."),
        QStringLiteral(".%@ files in %@ not opened for %lld days"),
        QStringLiteral(".%@ files in %@ older than %lld days"),
        QStringLiteral("items in %@"),
        QStringLiteral("items in %@ not opened for %lld days"),
        QStringLiteral("items in %@ older than %lld days"),
        QStringLiteral("From %@ to %@"),
        QStringLiteral("It now catches %@, but you approved about %@."),
        QStringLiteral("%@ takes %@."),
        QStringLiteral("Same phone number ending in %@"),
        QStringLiteral("Same email %@"),
    };
    return list;
}

StringTemplates::StringTemplates(Lookup lookup) : lookup_(std::move(lookup)) {
}

void StringTemplates::buildTable() {
    struct Weighted {
        Entry entry;
        qsizetype weight = 0;
    };
    QList<Weighted> weighted;
    for (const QString& key : keys()) {
        const QString translation = lookup_(key);
        if (translation.isNull()) {
            continue;
        }
        // A translation that names other values than its key would show the
        // wrong value or read a missing one: the English text is shown instead.
        if (!TextFormat::samePlaceholders(key, translation)) {
            continue;
        }
        QString pattern = QStringLiteral("^");
        QString literal;
        qsizetype previousEnd = 0;
        bool any = false;
        auto matches = placeholderPattern().globalMatch(key);
        while (matches.hasNext()) {
            const auto match = matches.next();
            any = true;
            const QString piece = key.mid(previousEnd, match.capturedStart() - previousEnd);
            literal += piece;
            pattern += QRegularExpression::escape(piece);
            pattern += match.captured(2) == u"@" ? QStringLiteral("(.+?)")
                                                 : QStringLiteral("([0-9][0-9.,]*)");
            previousEnd = match.capturedEnd();
        }
        if (!any) {
            continue;
        }
        const QString rest = key.mid(previousEnd);
        literal += rest;
        pattern += QRegularExpression::escape(rest) + QStringLiteral("$");
        if (!hasLetter(literal)) {
            continue;
        }
        QRegularExpression expression(pattern);
        if (!expression.isValid()) {
            continue;
        }
        weighted.append({{expression, translation, nameValues(key)}, graphemeCount(literal)});
    }
    std::stable_sort(weighted.begin(), weighted.end(),
                     [](const Weighted& a, const Weighted& b) { return a.weight > b.weight; });
    for (auto& item : weighted) {
        table_.append(std::move(item.entry));
    }
}

std::optional<QString> StringTemplates::translate(const QString& text) {
    std::call_once(built_, [this] { buildTable(); });
    {
        const std::lock_guard lock(cacheMutex_);
        const auto cached = cache_.constFind(text);
        if (cached != cache_.constEnd()) {
            if (*cached == text) {
                return std::nullopt;
            }
            return *cached;
        }
    }
    std::optional<QString> result;
    for (const Entry& entry : std::as_const(table_)) {
        const auto match = entry.pattern.match(text);
        if (!match.hasMatch()) {
            continue;
        }
        QStringList values;
        for (int group = 1; group <= match.lastCapturedIndex(); ++group) {
            const QString value = match.captured(group);
            values.append(entry.names.contains(group) ? value : localized(value));
        }
        result = TextFormat::format(entry.format, values);
        break;
    }
    const std::lock_guard lock(cacheMutex_);
    cache_.insert(text, result.value_or(text));
    return result;
}

QString StringTemplates::localized(const QString& text) {
    const QString entry = lookup_(text);
    if (!entry.isNull()) {
        return entry;
    }
    return translate(text).value_or(text);
}

}  // namespace tandor::ui
