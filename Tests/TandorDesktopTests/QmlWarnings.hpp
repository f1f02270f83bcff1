#pragma once

#include <QList>
#include <QQmlError>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace tandor::testing {

// Collects every warning Qt prints while it is alive (QML errors, binding
// failures, console warnings), so that a test can require there are none. It
// starts with an empty record.
class QmlWarnings {
  public:
    QmlWarnings() {
        messages().clear();
        previous_ = qInstallMessageHandler(&QmlWarnings::record);
    }
    QmlWarnings(const QmlWarnings&) = delete;
    QmlWarnings& operator=(const QmlWarnings&) = delete;
    ~QmlWarnings() { qInstallMessageHandler(previous_); }

    static QStringList& messages() {
        static QStringList recorded;
        return recorded;
    }

  private:
    static void record(QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && type != QtInfoMsg &&
            !message.startsWith(QStringLiteral("QStandardPaths:"))) {
            messages().append(message);
        }
    }

    QtMessageHandler previous_;
};

// Every warning recorded so far, one per line, for a failure message.
inline QString allWarnings() {
    return QmlWarnings::messages().join(QStringLiteral("\n"));
}

}  // namespace tandor::testing
