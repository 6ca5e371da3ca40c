#include "tools/hexview/HexForm.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <future>

#include "core/Error.h"
#include "core/HandlerGuard.h"
#include "widgets/guard/MessageBox.h"
#include "platform/DesktopServices.h"
#include "platform/HelpKey.h"
#include "tools/hexview/Conversion.h"
#include "tools/hexview/DumpWriter.h"
#include "tools/hexview/Find.h"
#include "tools/hexview/Inspector.h"
#include "tools/hexview/InspectorPanel.h"
#include "tools/hexview/LineIndex.h"
#include "tools/hexview/MappedFile.h"
#include "tools/hexview/ViewLines.h"
#include "widgets/forms/Clipboard.h"
#include "widgets/forms/FileDialog.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ToolDialog.h"

THexForm* HexForm = nullptr;

namespace {

QString hexOffset(std::uint64_t offset) {
    return QStringLiteral("%1").arg(offset, 5, 16, QLatin1Char('0')).toUpper();
}

// The busy cursor until the end of the scope, whatever happens.
auto busyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    return qScopeGuard([] { QApplication::restoreOverrideCursor(); });
}

}  // namespace

THexForm::THexForm(QWidget* parent)
    : QDialog(parent, forms::dialogFrame(forms::Frame::SizableMinMax)) {
    forms::setUpDialog(this, "HexForm", QStringLiteral("Hex View"));
    setSizeGripEnabled(true);
    // 603 x 386 outside, less a usual frame and title.
    resize(595, 359);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    MainMenu1 = new QMenuBar(this);
    forms::name(MainMenu1, "MainMenu1");
    QMenu* file = MainMenu1->addMenu(QStringLiteral("&File"));
    MenuOpen = file->addAction(QStringLiteral("&Open..."));
    MenuSaveAs = file->addAction(QStringLiteral("Save &as..."));
    file->addSeparator();
    MenuExit = file->addAction(QStringLiteral("Close"));
    QMenu* search = MainMenu1->addMenu(QStringLiteral("&Search"));
    MenuGoTo = search->addAction(QStringLiteral("&Go to offset..."));
    MenuGoTo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    MenuFind = search->addAction(QStringLiteral("&Find..."));
    MenuFind->setShortcut(QKeySequence::Find);
    MenuFindNext = search->addAction(QStringLiteral("Find &next"));
    MenuFindNext->setShortcut(QKeySequence(Qt::Key_F3));
    QMenu* view = MainMenu1->addMenu(QStringLiteral("&View"));
    MenuDump = view->addAction(QStringLiteral("&Dump"));
    MenuDump->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    MenuText = view->addAction(QStringLiteral("&Text"));
    MenuText->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    auto* shownAs = new QActionGroup(this);
    for (QAction* a : {MenuDump, MenuText}) {
        a->setCheckable(true);
        a->setEnabled(false);
        shownAs->addAction(a);
    }
    view->addSeparator();
    MenuInspector = view->addAction(QStringLiteral("Data &inspector"));
    MenuInspector->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    MenuInspector->setCheckable(true);
    layout->setMenuBar(MainMenu1);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    layout->addLayout(row, 1);
    Rich = new HexView(this);
    Rich->setAccessibleName(QStringLiteral("File contents"));
    forms::name(Rich, "Rich");
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    courier.setPixelSize(12);
    Rich->setFont(courier);
    Rich->setContextMenuPolicy(Qt::CustomContextMenu);
    row->addWidget(Rich, 1);
    Inspector = new TInspectorPanel(this);
    Inspector->setFixedWidth(300);
    Inspector->hide();
    row->addWidget(Inspector);

    StatusBar = new QStatusBar(this);
    forms::name(StatusBar, "StatusBar");
    StatusBar->setSizeGripEnabled(false);
    StatusText = new QLabel(StatusBar);
    forms::name(StatusText, "StatusText");
    CursorOffset = new QLabel(StatusBar);
    forms::name(CursorOffset, "CursorOffset");
    SelectionSize = new QLabel(StatusBar);
    forms::name(SelectionSize, "SelectionSize");
    StatusBar->addWidget(StatusText, 1);
    StatusBar->addPermanentWidget(SelectionSize);
    StatusBar->addPermanentWidget(CursorOffset);
    layout->addWidget(StatusBar);

    MenuPopup = new QMenu(this);
    forms::name(MenuPopup, "MenuPopup");
    MenuSelectAll = MenuPopup->addAction(QStringLiteral("&Select all"));
    MenuCopy = MenuPopup->addAction(QStringLiteral("&Copy"));

    indexTimer_ = new QTimer(this);
    indexTimer_->setInterval(200);

    connect(MenuOpen, &QAction::triggered, this, kv::guard(this, &THexForm::MenuOpenClick));
    connect(MenuSaveAs, &QAction::triggered, this, kv::guard(this, &THexForm::MenuSaveAsClick));
    connect(MenuExit, &QAction::triggered, this, kv::guard(this, &THexForm::MenuExitClick));
    connect(MenuGoTo, &QAction::triggered, this, kv::guard(this, &THexForm::MenuGoToClick));
    connect(MenuFind, &QAction::triggered, this, kv::guard(this, &THexForm::MenuFindClick));
    connect(MenuFindNext, &QAction::triggered, this, kv::guard(this, &THexForm::MenuFindNextClick));
    connect(MenuPopup, &QMenu::aboutToShow, this, kv::guard(this, &THexForm::MenuPopupPopup));
    connect(MenuSelectAll, &QAction::triggered, this, kv::guard(this, &THexForm::MenuSelectAllClick));
    connect(MenuCopy, &QAction::triggered, this, kv::guard(this, &THexForm::MenuCopyClick));
    connect(Rich, &QWidget::customContextMenuRequested, this,
            kv::guard([this](const QPoint& at) { MenuPopup->popup(Rich->mapToGlobal(at)); }));
    connect(Rich, &HexView::copyRequested, this, kv::guard(this, &THexForm::MenuCopyClick));
    connect(Rich, &HexView::cursorMoved, this, kv::guard([this](std::uint64_t at) { showCursorOffset(at); }));
    connect(MenuDump, &QAction::triggered, this, kv::guard(this, &THexForm::MenuDumpClick));
    connect(MenuText, &QAction::triggered, this, kv::guard(this, &THexForm::MenuTextClick));
    connect(MenuInspector, &QAction::triggered, this, kv::guard(this, &THexForm::MenuInspectorClick));
    connect(Inspector, &TInspectorPanel::orderChanged, this, kv::guard([this](bool bigEndian) {
        if (auto key = platform::desktop().settings->openKey(QStringLiteral("HexView"), true))
            key->writeInt(QStringLiteral("BigEndian"), bigEndian ? 1 : 0);
        showInspector();
    }));
    connect(Inspector, &TInspectorPanel::fieldChosen, this, kv::guard(this, &THexForm::InspectorFieldChosen));
    connect(indexTimer_, &QTimer::timeout, this, kv::guard(this, &THexForm::watchIndex));
    platform::helpOnF1(this, QStringLiteral("hexview.html"));
    FormCreate();
}

THexForm::~THexForm() {
    // The view must let go of the lines before they (and their index thread) go.
    Rich->setLines(nullptr);
}

void THexForm::FormCreate() {
    for (const char* extension : {"bin", "obj", "exe"})
        hexview::conversions().registerConversion(extension, [] { return std::make_unique<hexview::THexConversion>(); });
    // The inspector is shown, in the byte order it had, as when the window was last used.
    if (auto key = platform::desktop().settings->openKey(QStringLiteral("HexView"), false)) {
        const QSignalBlocker quiet(Inspector);
        Inspector->BigEndianCheck->setChecked(key->readInt(QStringLiteral("BigEndian")).value_or(0) == 1);
        const bool shown = key->readInt(QStringLiteral("Inspector")).value_or(0) == 1;
        MenuInspector->setChecked(shown);
        Inspector->setVisible(shown);
    }
}

void THexForm::MenuInspectorClick() {
    const bool shown = MenuInspector->isChecked();
    Inspector->setVisible(shown);
    if (auto key = platform::desktop().settings->openKey(QStringLiteral("HexView"), true))
        key->writeInt(QStringLiteral("Inspector"), shown ? 1 : 0);
    if (!shown) InspectorFieldChosen(0);
    showInspector();
}

void THexForm::showInspector() {
    if (!Inspector->isVisible()) return;
    const std::uint64_t at = lines_ ? Rich->cursorOffset() : 0;
    Inspector->showFields(file_ ? hexview::inspectFile(*file_, at, Inspector->BigEndianCheck->isChecked())
                                : hexview::inspectBytes(nullptr, 0, false));
    if (chosenLength_ > 0) Rich->highlight(at, at + static_cast<std::uint64_t>(chosenLength_));
}

void THexForm::InspectorFieldChosen(int length) {
    chosenLength_ = length;
    const std::uint64_t at = Rich->cursorOffset();
    Rich->highlight(at, at + static_cast<std::uint64_t>(length));
}

void THexForm::Progress(std::int64_t offset) {
    StatusText->setText(QStringLiteral("Reading...  $") + hexOffset(static_cast<std::uint64_t>(offset)));
    StatusBar->repaint();
}

void THexForm::showCursorOffset(std::uint64_t offset) {
    CursorOffset->setText(file_ ? QStringLiteral("Offset $%1 (%2)").arg(hexOffset(offset)).arg(offset) : QString());
    const std::uint64_t selected = lines_ && Rich->hasSelection() ? Rich->selectionEnd() - Rich->selectionStart() : 0;
    SelectionSize->setText(selected == 0   ? QString()
                           : selected == 1 ? QStringLiteral("1 byte selected")
                                           : QStringLiteral("%1 bytes selected").arg(selected));
    showInspector();
}

void THexForm::makeDialogs() {
    // Made when first needed: a window never asked to open a file does not
    // read folders for dialogs it never shows.
    if (OpenDlg) return;
    OpenDlg = new forms::FileDialog(this);
    forms::name(OpenDlg, "OpenDlg");
    OpenDlg->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDlg->setFileMode(QFileDialog::ExistingFile);
    OpenDlg->setNameFilters({QStringLiteral("Binary (*.bin *.obj *.exe)"), QStringLiteral("Text (*.txt)"),
                             QStringLiteral("All files (*)")});
    OpenDlg->selectNameFilter(QStringLiteral("All files (*)"));
    if (!openedName_.isEmpty()) OpenDlg->selectFile(openedName_);

    SaveDlg = new forms::FileDialog(this, QStringLiteral("Save text"));
    forms::name(SaveDlg, "SaveDlg");
    SaveDlg->setOption(QFileDialog::DontConfirmOverwrite);
    SaveDlg->setAcceptMode(QFileDialog::AcceptSave);
    SaveDlg->setNameFilters({QStringLiteral("Text file (*.txt)"), QStringLiteral("Any file (*)")});
}

void THexForm::MenuOpenClick() {
    makeDialogs();
    if (OpenDlg->exec() != QDialog::Accepted || OpenDlg->selectedFiles().isEmpty()) return;
    openFile(OpenDlg->selectedFiles().constFirst());
}

void THexForm::openFile(const QString& path) {
    const auto busy = busyCursor();
    StatusText->setText(QStringLiteral("Reading..."));
    indexTimer_->stop();
    Rich->setLines(nullptr);
    lines_.reset();
    file_.reset();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    const QString name = QFileInfo(path).fileName();
    try {
        file_ = std::make_shared<hexview::MappedFile>(path.toStdString());
    } catch (const hexview::OpenError& e) {
        StatusText->clear();
        showCursorOffset(0);
        for (QAction* a : {MenuDump, MenuText}) a->setEnabled(false);
        // A named pipe without a writer says why, as nothing else would tell.
        const bool noWriter = dynamic_cast<const hexview::NoWriterError*>(&e);
        const QString why = noWriter ? QStringLiteral(": ") + e.what() : QString();
        kv::showMessageBox(kv::MessageKind::Error, QStringLiteral("Can't open file %1%2.").arg(name, why), this);
        return;
    }
    const bool cut = file_->stream() && !takeStream();
    if (OpenDlg) OpenDlg->selectFile(path);
    openedName_ = QFileInfo(path).absoluteFilePath();
    showAs(hexview::opensAsDump(path.toStdString(), *file_));
    StatusText->setText(name);
    if (cut)
        kv::showMessageBox(kv::MessageKind::Information,
                           QStringLiteral("%1 tells no size and had not ended after %2 MB: only its first %2 MB are "
                                          "shown.")
                               .arg(name)
                               .arg(kMaxStreamBytes >> 20),
                           this);
}

void THexForm::showAs(bool dump) {
    if (!file_) return;
    const std::uint64_t at = lines_ ? Rich->cursorOffset() : 0;
    indexTimer_->stop();
    Rich->setLines(nullptr);
    if (dump) {
        lines_ = std::make_unique<hexview::DumpLines>(file_);
    } else {
        lines_ = std::make_unique<hexview::TextLines>(file_);
        indexTimer_->start();
    }
    Rich->setLines(lines_.get());
    (dump ? MenuDump : MenuText)->setChecked(true);
    for (QAction* a : {MenuDump, MenuText}) a->setEnabled(true);
    pendingOffset_.reset();
    if (at > 0) {
        Rich->goToOffset(at);
        // A text line past what is indexed yet is gone to once the index reaches it.
        const auto* text = dynamic_cast<const hexview::TextLines*>(lines_.get());
        if (text && !text->index().complete() && text->index().indexedBytes() <= at) pendingOffset_ = at;
    }
}

void THexForm::MenuDumpClick() {
    if (!lines_ || !lines_->isDump()) showAs(true);
}

void THexForm::MenuTextClick() {
    if (!lines_ || lines_->isDump()) showAs(false);
}

// Read in full before it is shown, up to the limit, with a way to stop a
// pipe whose writer goes on and on; false when the limit cut it short.
bool THexForm::takeStream() {
    const auto file = file_;
    QProgressDialog progress(QStringLiteral("Reading..."), QStringLiteral("Stop"), 0, 0, this);
    progress.setWindowTitle(QStringLiteral("Hex View"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    QElapsedTimer sincePainted;
    const auto taken = file->take(kMaxStreamBytes, [&](std::uint64_t count) {
        if (sincePainted.isValid() && sincePainted.elapsed() < 100) return true;
        sincePainted.start();
        Progress(static_cast<std::int64_t>(count));
        // Until the dialog is up (and keeps the window from input), nothing typed or clicked is taken.
        QCoreApplication::processEvents(progress.isVisible() ? QEventLoop::AllEvents
                                                             : QEventLoop::ExcludeUserInputEvents);
        return !progress.wasCanceled();
    });
    return taken != hexview::MappedFile::Taken::Cut;
}

void THexForm::watchIndex() {
    const auto* text = dynamic_cast<const hexview::TextLines*>(lines_.get());
    if (!text) {
        indexTimer_->stop();
        return;
    }
    const bool complete = text->index().complete();
    if (complete) indexTimer_->stop();
    Rich->linesChanged();
    if (pendingOffset_ && (complete || text->index().indexedBytes() > *pendingOffset_)) {
        Rich->goToOffset(*pendingOffset_);
        pendingOffset_.reset();
    }
}

QString THexForm::saveProposal() const {
    if (openedName_.isEmpty()) return QStringLiteral(".txt");
    const QFileInfo info(openedName_);
    const QString suffix = info.suffix();
    QString base = openedName_;
    if (!suffix.isEmpty()) base.chop(suffix.size() + 1);
    return base + QStringLiteral(".txt");
}

void THexForm::MenuSaveAsClick() {
    makeDialogs();
    SaveDlg->selectFile(saveProposal());
    if (SaveDlg->exec() != QDialog::Accepted || SaveDlg->selectedFiles().isEmpty()) return;
    saveTo(SaveDlg->selectedFiles().constFirst());
}

void THexForm::saveTo(const QString& path) {
    const auto busy = busyCursor();
    const QString shown = StatusText->text();
    const auto restore = qScopeGuard([&] { StatusText->setText(shown); });
    // A long save can be cancelled: the temporary file goes, the chosen one stays as it was.
    QProgressDialog progress(QStringLiteral("Saving %1...").arg(QFileInfo(path).fileName()),
                             QStringLiteral("Cancel"), 0, 1000, this);
    progress.setWindowTitle(QStringLiteral("Save text"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    std::atomic<bool> cancelled{false};
    const auto file = file_;
    const std::uint64_t size = file ? std::max<std::uint64_t>(1, file->size()) : 1;
    // Progress is asked for at every 4096 bytes; the status bar is painted a
    // few times a second, which is all the eye can follow.
    QElapsedTimer sincePainted;
    hexview::WriteControl control;
    control.stop = &cancelled;
    control.progress = [&](std::uint64_t at) {
        if (sincePainted.isValid() && sincePainted.elapsed() < 100) return;
        sincePainted.start();
        Progress(static_cast<std::int64_t>(at));
        progress.setValue(static_cast<int>(1000.0L * std::min(at, size) / size));
        // Until the dialog is up (and keeps the window from input), nothing typed or clicked is taken.
        QCoreApplication::processEvents(progress.isVisible() ? QEventLoop::AllEvents
                                                             : QEventLoop::ExcludeUserInputEvents);
        if (progress.wasCanceled()) cancelled = true;
    };
    try {
        hexview::saveReplacing(path.toStdString(), [&](hexview::OutputBuffer& out) {
            if (!lines_) return;
            if (lines_->isDump()) hexview::writeDump(*file, out, control);
            else hexview::writeText(*file, out, control);
        });
    } catch (const kv::Error&) {
        if (!cancelled) throw;
    }
}

void THexForm::MenuExitClick() { close(); }

void THexForm::MenuPopupPopup() { MenuCopy->setEnabled(Rich->hasSelection()); }

void THexForm::MenuSelectAllClick() { Rich->selectAll(); }

void THexForm::MenuCopyClick() {
    if (!lines_ || !Rich->hasSelection()) return;
    const std::uint64_t from = Rich->selectionStart(), to = Rich->selectionEnd();
    const bool printable = Rich->inPrintable();
    const std::uint64_t size = lines_->copySize(from, to, printable);
    if (size > kMaxCopyBytes)
        throw kv::Error(QStringLiteral("The selection is %1 MB of text, more than can be copied at once (64 MB). "
                                       "Use File | Save as... to write it to a file.")
                            .arg((size + (1 << 20) - 1) >> 20)
                            .toStdString());
    const auto busy = busyCursor();
    forms::copyText(lines_->copyText(from, to, printable));
}

void THexForm::goTo(const QString& typed) {
    if (!lines_) return;
    const std::uint64_t offset = hexview::parseOffset(typed.toStdString());
    const std::uint64_t size = file_->size();
    if (offset >= size && size > 0)
        throw kv::Error(QStringLiteral("Offset $%1 lies past the end of the file (%2 bytes).")
                            .arg(hexOffset(offset))
                            .arg(size)
                            .toStdString());
    Rich->goToOffset(offset);
}

void THexForm::MenuGoToClick() {
    if (!lines_) return;
    bool ok = false;
    const QString typed =
        QInputDialog::getText(this, QStringLiteral("Go to offset"),
                              QStringLiteral("Offset (hexadecimal, or decimal after #):"), QLineEdit::Normal,
                              QStringLiteral("0x") + hexOffset(Rich->cursorOffset()), &ok);
    if (ok) goTo(typed);
}

bool THexForm::find(const QString& typed, bool hexBytes) {
    if (!lines_) return false;
    findText_ = typed;
    findHex_ = hexBytes;
    findPattern_ = hexBytes ? hexview::parseHexBytes(typed.toStdString()) : typed.toStdString();
    if (findPattern_.empty()) return false;
    // From the byte after the last find's start while what it found is still
    // selected (F3 goes on), else from the selection or the cursor.
    std::uint64_t from = Rich->selectionStart();
    if (Rich->hasSelection() && foundTo_ > foundFrom_ && from == foundFrom_ && Rich->selectionEnd() == foundTo_) ++from;

    const auto busy = busyCursor();
    std::atomic<bool> stop{false};
    std::atomic<std::uint64_t> reached{from};
    const hexview::MappedFile& file = *file_;
    const std::string pattern = findPattern_;
    auto search = std::async(std::launch::async, [&] {
        return hexview::findForward(file, pattern, from, &stop, [&](std::uint64_t at) { reached = at; });
    });
    // A search through gigabytes can be stopped; a short one shows no dialog at all.
    QProgressDialog progress(QStringLiteral("Finding..."), QStringLiteral("Stop"), 0, 1000, this);
    progress.setWindowTitle(QStringLiteral("Find"));
    progress.setMinimumDuration(400);
    const std::uint64_t size = std::max<std::uint64_t>(1, file_->size());
    while (search.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        progress.setValue(static_cast<int>(1000.0L * reached / size));
        QCoreApplication::processEvents();
        if (progress.wasCanceled()) stop = true;
    }
    const hexview::FindResult result = search.get();
    if (result.stopped) return false;
    if (!result.offset) {
        kv::showMessageBox(kv::MessageKind::Information,
                           QStringLiteral("\"%1\" was not found after offset $%2.").arg(typed, hexOffset(from)), this);
        return false;
    }
    foundFrom_ = *result.offset;
    foundTo_ = *result.offset + findPattern_.size();
    Rich->goToOffset(foundFrom_);
    Rich->select(foundFrom_, foundTo_);
    return true;
}

void THexForm::MenuFindClick() {
    if (!lines_) return;
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Find"));
    auto* form = new QFormLayout(&dialog);
    auto* FindEdit = new QLineEdit(findText_, &dialog);
    forms::name(FindEdit, "FindEdit");
    auto* HexCheck = new QCheckBox(QStringLiteral("&Hex bytes (such as DE AD BE EF)"), &dialog);
    forms::name(HexCheck, "HexCheck");
    HexCheck->setChecked(findHex_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(QStringLiteral("&Find:"), FindEdit);
    form->addRow(HexCheck);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted || FindEdit->text().isEmpty()) return;
    find(FindEdit->text(), HexCheck->isChecked());
}

void THexForm::MenuFindNextClick() {
    if (findText_.isEmpty()) {
        MenuFindClick();
        return;
    }
    find(findText_, findHex_);
}
