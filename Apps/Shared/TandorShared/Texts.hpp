#pragma once

#include <QtQml/qqmlregistration.h>

#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <cstdint>

#include "TandorCore/Date.hpp"

namespace tandor::ui {

// Every text the user sees goes through here. Keys are the English texts in
// the context "Tandor"; the Italian translations come from the embedded
// tandor_it.qm. Without a translation the English key is shown, filled in.
//
// The language is chosen once, on first use: the setting "tandorLanguage"
// ("en" or "it"), else the first of the system's languages that we have,
// else English. The language picker relaunches the application to change it.
class Texts : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

  public:
    explicit Texts(QObject* parent = nullptr);

    // `key` in the current language with its placeholders filled from `args`.
    // A translation that refers to other values than its key is not used;
    // with too few values the text is shown unfilled.
    Q_INVOKABLE static QString tr(const QString& key, const QVariantList& args = {});

    // An English text built by an engine (a reason, an evidence line, a
    // title), in the current language: its own entry, else a template.
    Q_INVOKABLE static QString localized(const QString& text);

    // A whole number with the current language's digit grouping.
    Q_INVOKABLE static QString count(double value);

    // A byte count as the engines write it ("1.2 GB"), with whole bytes in
    // the current language ("1 byte", "12 byte").
    Q_INVOKABLE static QString bytes(double value);
    static QString byteCount(std::int64_t value);

    // Seconds as minutes and two-digit seconds ("4:07"); negative counts as 0.
    Q_INVOKABLE static QString elapsed(double seconds);

    // The locale's long date without the weekday and with short month names
    // ("Jun 5, 2025", "5 giu 2025"), then its short time: Qt has no medium
    // date.
    static QString dateTime(Date date);

    // The language in use ("en" or "it") and its locale.
    static QString language();
    static QLocale locale();

    // Switches the language for this process (start-up and tests).
    static void setLanguage(const QString& language);

    // The language to use for a stored choice and the system's preferred
    // languages (BCP 47 names, best first).
    static QString resolveLanguage(const QString& stored, const QStringList& systemLanguages);

    static QStringList availableLanguages();
};

}  // namespace tandor::ui
