import QtQuick

// The brand balloon, fitted to the frame its user gives it.
Image {
    source: "qrc:/qt-project.org/imports/Tandor/Shared/Balloon.svg"
    fillMode: Image.PreserveAspectFit
    sourceSize.width: Math.max(1, Math.ceil(width * 2))
    sourceSize.height: Math.max(1, Math.ceil(height * 2))
    smooth: true
    Accessible.ignored: true
}
