#include "Duplicates/DuplicatesText.hpp"

#include <QDateTime>
#include <QLocale>
#include <chrono>

#include "TandorShared/Texts.hpp"

namespace tandor::DuplicatesText {

namespace {

QDateTime localTime(Date date) {
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(date.time_since_epoch()).count();
    return QDateTime::fromSecsSinceEpoch(seconds).toLocalTime();
}

}  // namespace

QString bytes(std::int64_t count) {
    return ui::Texts::byteCount(count);
}

QString day(Date date) {
    return ui::Texts::locale().toString(localTime(date).date(), QStringLiteral("d MMM yyyy"));
}

QString dayAndTime(Date date) {
    const QDateTime local = localTime(date);
    return ui::Texts::locale().toString(local.date(), QStringLiteral("d MMM yyyy")) +
           QStringLiteral(", ") + ui::Texts::locale().toString(local.time(), QLocale::ShortFormat);
}

}  // namespace tandor::DuplicatesText
