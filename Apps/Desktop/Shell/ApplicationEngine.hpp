#pragma once

class QQmlEngine;

namespace tandor {

class ScanModel;

// What every QML engine of the application needs before it loads a view:
// the scan model as the singleton ScanModel, and the module "Tandor" found by
// its qmldir (qrc:/Tandor/qmldir), so that a view of one feature folder can
// use the views of the others. main() and the tests call it alike.
namespace ApplicationEngine {

void prepare(QQmlEngine& engine, ScanModel& model);

}  // namespace ApplicationEngine
}  // namespace tandor
