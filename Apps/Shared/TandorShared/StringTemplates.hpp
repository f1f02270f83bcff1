#pragma once

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <functional>
#include <mutex>
#include <optional>

namespace tandor::ui {

// Translates the English sentences the engines build at run time ("Last
// opened 12 days ago") by matching them against the translated keys that
// carry placeholders, then filling the translation with the captured values.
class StringTemplates {
  public:
    // The translation of one whole key, or a null QString when there is none.
    using Lookup = std::function<QString(const QString&)>;

    // The English keys that may become templates, in the program's order.
    static const QStringList& keys();

    explicit StringTemplates(Lookup lookup);

    // The translated text, or nullopt when no template applies.
    std::optional<QString> translate(const QString& text);

    // The text in the current language: its own entry, else a template's
    // result, else the text unchanged.
    QString localized(const QString& text);

  private:
    struct Entry {
        QRegularExpression pattern;
        QString format;
        // The values shown as captured, untranslated (names).
        QList<int> names;
    };

    void buildTable();

    Lookup lookup_;
    std::once_flag built_;
    QList<Entry> table_;
    std::mutex cacheMutex_;
    QHash<QString, QString> cache_;
};

}  // namespace tandor::ui
