#include "TandorShared/Texts.hpp"

#include <QDateTime>
#include <QRegularExpression>
#include <QSettings>
#include <QTranslator>
#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdint>
#include <memory>
#include <mutex>

#include "TandorCore/ByteFormat.hpp"
#include "TandorShared/StringTemplates.hpp"
#include "TandorShared/TextFormat.hpp"

namespace tandor::ui {
namespace {

constexpr char context[] = "Tandor";

// One language at a time for the whole process. Views may ask from any
// thread, so the current pair is swapped under a lock and shared out.
struct Language {
    QString name;
    // English carries only the plural forms; every other key is its own text.
    std::shared_ptr<QTranslator> translator;
    std::shared_ptr<StringTemplates> templates;
};

struct State {
    std::mutex mutex;
    bool chosen = false;
    std::shared_ptr<const Language> current;
};

State& state() {
    static State instance;
    return instance;
}

// The translation of `key`, or a null QString when there is none. With a
// count, a key that has plural forms gives the one for that count; a key
// without them gives its one translation.
QString lookup(const QTranslator* translator, const QString& key, int count = -1) {
    if (translator == nullptr) {
        return {};
    }
    const QByteArray source = key.toUtf8();
    QString answer = translator->translate(context, source.constData(), nullptr, count);
    if (answer.isEmpty() && count >= 0) {
        answer = translator->translate(context, source.constData());
    }
    return answer.isEmpty() ? QString() : answer;
}

// The count that chooses the plural form of `key` filled with `args`: the
// value of its first whole-number placeholder; -1 when there is none.
int pluralCount(const QString& key, const QVariantList& args) {
    const auto argument = TextFormat::countArgument(key);
    if (!argument || *argument > args.size()) {
        return -1;
    }
    bool isNumber = false;
    const double value = args[*argument - 1].toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value)) {
        return -1;
    }
    // The sign does not choose the form: -1 reads like 1.
    return static_cast<int>(std::min(std::trunc(std::fabs(value)), double(INT_MAX)));
}

std::shared_ptr<const Language> makeLanguage(const QString& name) {
    auto language = std::make_shared<Language>();
    language->name = name;
    auto loaded = std::make_shared<QTranslator>();
    if (loaded->load(QStringLiteral(":/i18n/tandor_%1.qm").arg(name))) {
        language->translator = loaded;
    }
    // The engines write English: only another language rebuilds their texts.
    std::shared_ptr<QTranslator> translator =
        name == QStringLiteral("en") ? nullptr : language->translator;
    language->templates = std::make_shared<StringTemplates>(
        [translator](const QString& key) { return lookup(translator.get(), key); });
    return language;
}

std::shared_ptr<const Language> currentLanguage() {
    State& shared = state();
    const std::lock_guard lock(shared.mutex);
    if (!shared.chosen) {
        const QSettings settings;
        const QString stored = settings.value(QStringLiteral("tandorLanguage")).toString();
        shared.current =
            makeLanguage(Texts::resolveLanguage(stored, QLocale::system().uiLanguages()));
        shared.chosen = true;
    }
    return shared.current;
}

}  // namespace

Texts::Texts(QObject* parent) : QObject(parent) {
}

QStringList Texts::availableLanguages() {
    return {QStringLiteral("en"), QStringLiteral("it")};
}

QString Texts::resolveLanguage(const QString& stored, const QStringList& systemLanguages) {
    const QStringList available = availableLanguages();
    if (available.contains(stored)) {
        return stored;
    }
    for (const QString& preferred : systemLanguages) {
        const QString primary = preferred.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (available.contains(primary)) {
            return primary;
        }
    }
    return QStringLiteral("en");
}

void Texts::setLanguage(const QString& language) {
    const QString name = availableLanguages().contains(language) ? language : QStringLiteral("en");
    auto next = makeLanguage(name);
    State& shared = state();
    const std::lock_guard lock(shared.mutex);
    shared.current = std::move(next);
    shared.chosen = true;
}

QString Texts::language() {
    return currentLanguage()->name;
}

QLocale Texts::locale() {
    return language() == QStringLiteral("it") ? QLocale(QLocale::Italian, QLocale::Italy)
                                              : QLocale(QLocale::English, QLocale::UnitedStates);
}

QString Texts::tr(const QString& key, const QVariantList& args) {
    const auto current = currentLanguage();
    const QStringList values = TextFormat::argumentTexts(args, locale());
    QString pattern = lookup(current->translator.get(), key, pluralCount(key, args));
    // A translation that refers to other values than its key would show the
    // wrong value or none: the English key is used instead.
    if (pattern.isNull() || !TextFormat::samePlaceholders(key, pattern)) {
        pattern = key;
    }
    // Too few values: the text as written rather than a read past the values.
    return TextFormat::format(pattern, values).value_or(pattern);
}

QString Texts::localized(const QString& text) {
    return currentLanguage()->templates->localized(text);
}

QString Texts::count(double value) {
    if (!std::isfinite(value) || std::fabs(value) >= 9.0e18) {
        return locale().toString(value, 'f', 0);
    }
    return locale().toString(static_cast<qint64>(value));
}

QString Texts::bytes(double value) {
    // Out-of-range doubles are clamped before the conversion, never cast.
    const double clamped = std::isfinite(value) ? std::clamp(value, -9.0e18, 9.0e18) : 0.0;
    return byteCount(static_cast<std::int64_t>(clamped));
}

QString Texts::byteCount(std::int64_t value) {
    // Whole bytes are a count with a word of its own; larger units read alike.
    if (value <= ByteFormat::largestInBytes) {
        return tr(QStringLiteral("%lld bytes"), {qint64{value}});
    }
    return QString::fromStdString(ByteFormat::string(value));
}

QString Texts::elapsed(double seconds) {
    const double clamped = std::isfinite(seconds) ? std::clamp(seconds, 0.0, 1.0e12) : 0.0;
    const auto whole = static_cast<qint64>(clamped);
    return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

QString Texts::dateTime(Date date) {
    const QLocale current = locale();
    QString format = current.dateFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("dddd[,]?\\s*")));
    format.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(date.time_since_epoch()).count();
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(milliseconds);
    return current.toString(local.date(), format) + QStringLiteral(", ") +
           current.toString(local.time(), QLocale::ShortFormat);
}

}  // namespace tandor::ui
