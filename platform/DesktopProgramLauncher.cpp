#include "platform/DesktopProgramLauncher.h"

#include <QDir>
#include <QTemporaryFile>

#include "core/Error.h"

namespace platform {

namespace {

const QString kOpener = QStringLiteral("xdg-open");

[[noreturn]] void noneInstalled(const QString& kind, const QStringList& lookedFor) {
    throw kv::Error(QStringLiteral("No %1 is installed. Looked for: %2.")
                        .arg(kind, lookedFor.join(QStringLiteral(", ")))
                        .toStdString());
}

// Where the desktop's default editor is asked to open a new, empty text.
QString newEmptyTextFile() {
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/Untitled-XXXXXX.txt"));
    file.setAutoRemove(false);
    if (!file.open()) throw kv::Error("Could not create a new text file in " + QDir::tempPath().toStdString() + ".");
    return file.fileName();
}

}  // namespace

QStringList calculatorCandidates() {
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),     QStringLiteral("qalculate-qt"),
            QStringLiteral("qalculate-gtk"),    QStringLiteral("galculator"), QStringLiteral("mate-calc"),
            QStringLiteral("speedcrunch"),      QStringLiteral("xcalc")};
}

QStringList textEditorCandidates() {
    return {QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"), QStringLiteral("kate"),
            QStringLiteral("kwrite"),            QStringLiteral("mousepad"), QStringLiteral("xed"),
            QStringLiteral("pluma"),             QStringLiteral("featherpad"), QStringLiteral("leafpad")};
}

DesktopProgramLauncher::DesktopProgramLauncher(ProgramStarter starter) : starter_(std::move(starter)) {}

void DesktopProgramLauncher::startCalculator() {
    if (starter_.startFirst(calculatorCandidates()).isEmpty())
        noneInstalled(QStringLiteral("calculator"), calculatorCandidates());
}

void DesktopProgramLauncher::startTextEditor() {
    if (!starter_.startFirst(textEditorCandidates()).isEmpty()) return;
    if (starter_.find(kOpener).isEmpty())
        noneInstalled(QStringLiteral("text editor"), textEditorCandidates() << kOpener);
    starter_.startFirst({kOpener}, {newEmptyTextFile()});
}

void DesktopProgramLauncher::startFileManager() {
    if (starter_.startFirst({kOpener}, {QStringLiteral("/")}).isEmpty())
        noneInstalled(QStringLiteral("file manager opener"), {kOpener});
}

}  // namespace platform
