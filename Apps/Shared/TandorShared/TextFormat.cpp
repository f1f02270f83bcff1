#include "TandorShared/TextFormat.hpp"

#include <QMetaType>
#include <QSet>
#include <QVariant>
#include <cmath>

namespace tandor::ui::TextFormat {
namespace {

// One placeholder found at `start`, `length` characters long; `argument` is
// its 1-based number, or 0 for "%%"; `wholeNumber` for "%lld", "%ld" and "%d".
struct Placeholder {
    qsizetype start = 0;
    qsizetype length = 0;
    int argument = 0;
    bool wholeNumber = false;
};

constexpr int maximumArgument = 99;

// Reads the conversion at `at` ("@", "lld", "ld", "d"); its length, or 0.
qsizetype conversionLength(const QString& text, qsizetype at) {
    const QStringView rest = QStringView(text).mid(at);
    if (rest.startsWith(u'@') || rest.startsWith(u'd')) {
        return 1;
    }
    if (rest.startsWith(u"lld")) {
        return 3;
    }
    if (rest.startsWith(u"ld")) {
        return 2;
    }
    return 0;
}

// All placeholders of `text` in order; a '%' that starts none of the known
// forms is plain text. nullopt for a positional number out of range.
std::optional<QList<Placeholder>> scan(const QString& text) {
    QList<Placeholder> found;
    int nextPlain = 1;
    qsizetype index = 0;
    while (index < text.size()) {
        if (text[index] != u'%') {
            ++index;
            continue;
        }
        if (index + 1 < text.size() && text[index + 1] == u'%') {
            found.append({index, 2, 0});
            index += 2;
            continue;
        }
        qsizetype cursor = index + 1;
        qsizetype digits = 0;
        while (cursor < text.size() && text[cursor].isDigit() && text[cursor].unicode() < 128) {
            ++cursor;
            ++digits;
        }
        int argument = 0;
        bool wholeNumber = false;
        if (digits > 0) {
            if (cursor >= text.size() || text[cursor] != u'$') {
                ++index;  // "%5" without "$": not a placeholder
                continue;
            }
            bool ok = false;
            const int number = QStringView(text).mid(index + 1, digits).toInt(&ok);
            const qsizetype length = conversionLength(text, cursor + 1);
            if (length == 0) {
                ++index;
                continue;
            }
            if (!ok || number < 1 || number > maximumArgument) {
                return std::nullopt;
            }
            argument = number;
            wholeNumber = text[cursor + 1] != u'@';
            cursor += 1 + length;
        } else {
            const qsizetype length = conversionLength(text, cursor);
            if (length == 0) {
                ++index;
                continue;
            }
            argument = nextPlain++;
            wholeNumber = text[cursor] != u'@';
            cursor += length;
        }
        found.append({index, cursor - index, argument, wholeNumber});
        index = cursor;
    }
    return found;
}

}  // namespace

std::optional<QList<int>> argumentNumbers(const QString& pattern) {
    const auto placeholders = scan(pattern);
    if (!placeholders) {
        return std::nullopt;
    }
    QList<int> numbers;
    for (const Placeholder& placeholder : *placeholders) {
        if (placeholder.argument > 0) {
            numbers.append(placeholder.argument);
        }
    }
    return numbers;
}

std::optional<int> countArgument(const QString& pattern) {
    const auto placeholders = scan(pattern);
    if (!placeholders) {
        return std::nullopt;
    }
    for (const Placeholder& placeholder : *placeholders) {
        if (placeholder.wholeNumber) {
            return placeholder.argument;
        }
    }
    return std::nullopt;
}

bool samePlaceholders(const QString& key, const QString& translation) {
    const auto keyNumbers = argumentNumbers(key);
    const auto translationNumbers = argumentNumbers(translation);
    if (!keyNumbers || !translationNumbers) {
        return false;
    }
    const QSet<int> keySet(keyNumbers->begin(), keyNumbers->end());
    const QSet<int> translationSet(translationNumbers->begin(), translationNumbers->end());
    return keySet == translationSet;
}

std::optional<QString> format(const QString& pattern, const QStringList& args) {
    const auto placeholders = scan(pattern);
    if (!placeholders) {
        return std::nullopt;
    }
    QString result;
    result.reserve(pattern.size());
    qsizetype copied = 0;
    for (const Placeholder& placeholder : *placeholders) {
        result += QStringView(pattern).mid(copied, placeholder.start - copied);
        if (placeholder.argument == 0) {
            result += u'%';
        } else if (placeholder.argument <= args.size()) {
            result += args[placeholder.argument - 1];
        } else {
            return std::nullopt;
        }
        copied = placeholder.start + placeholder.length;
    }
    result += QStringView(pattern).mid(copied);
    return result;
}

QString argumentText(const QVariant& value, const QLocale& locale) {
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
            return locale.toString(value.toLongLong());
        case QMetaType::Double:
        case QMetaType::Float: {
            // QML hands numbers over as doubles; a whole one is a count.
            const double number = value.toDouble();
            if (std::isfinite(number) && std::trunc(number) == number &&
                std::fabs(number) < 9.0e15) {
                return locale.toString(static_cast<qint64>(number));
            }
            return value.toString();
        }
        default:
            return value.toString();
    }
}

QStringList argumentTexts(const QVariantList& values, const QLocale& locale) {
    QStringList texts;
    texts.reserve(values.size());
    for (const QVariant& value : values) {
        texts.append(argumentText(value, locale));
    }
    return texts;
}

}  // namespace tandor::ui::TextFormat
