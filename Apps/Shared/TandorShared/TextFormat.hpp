#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>

namespace tandor::ui {

// The one formatter for the texts' printf-style placeholders: "%@", "%lld",
// "%ld", "%d", their positional forms ("%2$@", "%1$lld") and "%%". Values are
// always taken by index and checked against the arguments given, so a
// translation can reorder values but can never read one that is missing.
namespace TextFormat {

// The argument numbers (1-based) the placeholders of `pattern` refer to, in
// order of appearance. Plain placeholders count up from 1 on their own;
// positional ones name their number. nullopt when a positional number is 0 or
// does not fit.
std::optional<QList<int>> argumentNumbers(const QString& pattern);

// The argument number (1-based) of the first whole-number placeholder of
// `pattern`: the count that chooses a text's plural form. nullopt when there
// is none.
std::optional<int> countArgument(const QString& pattern);

// Whether a translation may stand in for its key: both refer to exactly the
// same set of arguments (a translation may reorder them, but not drop, add or
// invent any).
bool samePlaceholders(const QString& key, const QString& translation);

// `pattern` filled with `args`. nullopt when a placeholder names an argument
// that is not there (or a positional number is malformed); nothing is read
// beyond `args`.
std::optional<QString> format(const QString& pattern, const QStringList& args);

// The text of one argument: whole numbers with the locale's digit grouping
// ("12,320", "12.320"), everything else as its string form.
QString argumentText(const QVariant& value, const QLocale& locale);
QStringList argumentTexts(const QVariantList& values, const QLocale& locale);

}  // namespace TextFormat

}  // namespace tandor::ui
