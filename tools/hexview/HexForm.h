#pragma once
// The hex viewer window "Hex View": any file as a hexadecimal dump (the
// registered extensions, and files whose first block is no text) or as text
// (any other), switched between the two at will, shown at once whatever its
// size, saved as text, searched and gone through by offset, selected to the
// byte, and read through the data inspector beside it.
#include <QDialog>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "tools/hexview/HexView.h"

class QAction;
class QFileDialog;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTimer;
class TInspectorPanel;

namespace hexview {
class MappedFile;
class ViewLines;
}

class THexForm : public QDialog {
    Q_OBJECT
public:
    explicit THexForm(QWidget* parent = nullptr);
    ~THexForm() override;

    HexView* Rich;
    QStatusBar* StatusBar;
    QLabel* StatusText;    // the bar's one text: progress or the file's name
    QLabel* CursorOffset;  // the cursor's offset, hex and decimal
    QLabel* SelectionSize; // the selection's length in bytes, when there is one
    QMenuBar* MainMenu1;
    QAction *MenuOpen, *MenuSaveAs, *MenuExit;
    QAction *MenuGoTo, *MenuFind, *MenuFindNext;
    QAction *MenuDump, *MenuText;  // the "View" menu: how the open file is shown
    QAction* MenuInspector;        // and whether the data inspector is shown beside it
    TInspectorPanel* Inspector;
    QMenu* MenuPopup;
    QAction *MenuSelectAll, *MenuCopy;
    QFileDialog* OpenDlg = nullptr;  // both made when first needed
    QFileDialog* SaveDlg = nullptr;

    void FormCreate();
    void MenuOpenClick();
    void MenuSaveAsClick();
    void MenuExitClick();
    void MenuPopupPopup();
    void MenuSelectAllClick();
    void MenuCopyClick();
    void MenuGoToClick();
    void MenuFindClick();
    void MenuFindNextClick();
    void MenuDumpClick();
    void MenuTextClick();
    void MenuInspectorClick();

    // The status text "Reading...  $" and the offset in at least five hex digits, painted at once.
    void Progress(std::int64_t offset);

    // Opens `path` as the open dialog's choice would (Algorithm of "Open...").
    void openFile(const QString& path);
    // Goes to an offset typed as the go-to dialog takes it.
    void goTo(const QString& typed);
    // Finds and selects the next place of `typed` (hex bytes, or text) from the cursor, or past the
    // start of what it found last while that is still selected; false if there is none.
    bool find(const QString& typed, bool hexBytes);
    // The proposal of "Save as...": the last opened name with ".txt".
    QString saveProposal() const;
    // Writes the dump or the text to `path`.
    void saveTo(const QString& path);

    // Copying more text than this at once is left to "Save as...".
    static constexpr std::uint64_t kMaxCopyBytes = std::uint64_t{64} << 20;
    // A source that tells no size (a pipe, a device) is read into memory up to this.
    static constexpr std::uint64_t kMaxStreamBytes = std::uint64_t{64} << 20;

private:
    void makeDialogs();
    void showCursorOffset(std::uint64_t offset);
    // The inspector's fields for the bytes at the cursor, and the bytes of the field chosen marked.
    void showInspector();
    void InspectorFieldChosen(int length);
    void watchIndex();
    bool takeStream();
    // Shows the open file as the dump or as text, the cursor staying on its byte.
    void showAs(bool dump);

    std::shared_ptr<hexview::MappedFile> file_;
    std::unique_ptr<hexview::ViewLines> lines_;
    QString openedName_;
    std::string findPattern_;
    QString findText_;
    bool findHex_ = false;
    // The bytes the last find selected: F3 goes on after them while they are still selected.
    std::uint64_t foundFrom_ = 0, foundTo_ = 0;
    int chosenLength_ = 0;  // the bytes the inspector's chosen field reads
    // Where the cursor goes once the text's index reaches it.
    std::optional<std::uint64_t> pendingOffset_;
    QTimer* indexTimer_;
};

// The window that lives for the whole run, made when first shown (core/LastingWindow.h).
extern THexForm* HexForm;
