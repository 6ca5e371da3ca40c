#pragma once
// What a test of the program's windows stands on: its own copy of the built
// tables, opened in the data module, and fakes of the desktop and the hot keys.
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "data/DM.h"
#include "platform/fake/FakeDesktop.h"
#include "platform/fake/FakeHotKeys.h"
#include "tests/support/BuiltTables.h"

namespace testsupport {

struct WindowWorld {
    QTemporaryDir tables;
    std::unique_ptr<platform::FakeDesktop> fakes;
    std::unique_ptr<platform::FakeHotKeys> keys;

    // What went wrong in setting up; empty when the windows can be made.
    QString setUp() {
        if (!tables.isValid()) return QStringLiteral("no temporary folder");
        const QStringList failed = copyBuiltTables(tables.path());
        if (!failed.isEmpty()) return QStringLiteral("not copied: ") + failed.join(' ');
        DM = new TDM(tables.path() + "/", nullptr);
        fakes = std::make_unique<platform::FakeDesktop>();
        keys = std::make_unique<platform::FakeHotKeys>();
        return QString::fromStdString(DM->openError());
    }
    ~WindowWorld() {
        keys.reset();
        fakes.reset();
        delete DM;
        DM = nullptr;
    }
};

}  // namespace testsupport
