// The bar's buttons made from the entries of the bar and of every tool
// (app/BarEntries), what each button and menu entry runs, and the form's
// names the bar keeps for them.
#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QToolButton>
#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "app/BarEntries.h"
#include "app/BarGlyphs.h"
#include "app/Form1.h"
#include "core/Error.h"
#include "core/HandlerGuard.h"

namespace {

constexpr int kButtonSize = 27;
constexpr int kGlyphSize = 22;

bool named(const char* name, const char* wanted) {
    return name && std::strcmp(name, wanted) == 0;
}

}  // namespace

void TForm1::addEntryButtons() {
    // Made in the order of their places, row by row, as the form has them:
    // the order the buttons are found in and read out.
    std::vector<const kv::BarButton*> buttons;
    for (const kv::BarEntry& entry : barEntries())
        if (entry.button.name) buttons.push_back(&entry.button);
    std::stable_sort(buttons.begin(), buttons.end(), [](const kv::BarButton* a, const kv::BarButton* b) {
        return std::pair(a->top, a->left) < std::pair(b->top, b->left);
    });
    for (const kv::BarButton* button : buttons) addButton(*button);

    auto bind = [this](QToolButton*& member, const char* name) {
        member = Panel1->findChild<QToolButton*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    };
    bind(SpeedButton1, "SpeedButton1");
    bind(SpeedButton2, "SpeedButton2");
    bind(SpeedButton3, "SpeedButton3");
    bind(SpeedButton4, "SpeedButton4");
    bind(SpeedButton6, "SpeedButton6");
    bind(SpeedButton7, "SpeedButton7");
    bind(SpeedButton8, "SpeedButton8");
    bind(SpeedButton9, "SpeedButton9");
    bind(SpeedButton10, "SpeedButton10");
    bind(SpeedButton11, "SpeedButton11");
    bind(SpeedButton12, "SpeedButton12");
    bind(SpeedButton13, "SpeedButton13");
    bind(SpeedButton15, "SpeedButton15");
    bind(SpeedButton16, "SpeedButton16");
    bind(SpeedButton17, "SpeedButton17");
    bind(SpeedButton18, "SpeedButton18");
    bind(SpeedButton19, "SpeedButton19");
    bind(SpeedButton20, "SpeedButton20");
    bind(SpeedButton21, "SpeedButton21");
}

QToolButton* TForm1::addButton(const kv::BarButton& entry) {
    auto* button = new QToolButton(Panel1);
    button->setObjectName(QString::fromLatin1(entry.name));
    button->setGeometry(entry.left, entry.top, kButtonSize, kButtonSize);
    button->setAutoRaise(true);
    // Tab reaches every tool from the keyboard; a click leaves the focus where it was.
    button->setFocusPolicy(Qt::TabFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(QString::fromUtf8(entry.hint));
    button->setIcon(barGlyph(QString::fromLatin1(entry.glyph)));
    button->setIconSize(QSize(kGlyphSize, kGlyphSize));
    return button;
}

void TForm1::connectEntries() {
    for (const kv::BarEntry& entry : barEntries()) {
        auto run = [this, &entry] { kv::guarded([&] { runEntry(entry); }); };
        if (entry.button.name)
            if (auto* button = Panel1->findChild<QToolButton*>(QString::fromLatin1(entry.button.name)))
                connect(button, &QToolButton::clicked, this, run);
        if (entry.menu.name)
            if (auto* action = PopupMenu1->findChild<QAction*>(QString::fromLatin1(entry.menu.name)))
                connect(action, &QAction::triggered, this, run);
    }
}

void TForm1::runEntry(const kv::BarEntry& entry) {
    // The hot keys open the converter and the finder too, also from inside
    // their own windows: every way in goes through the handlers that show
    // each of them once.
    if (named(entry.button.name, "SpeedButton2")) {
        SpeedButton2Click();
    } else if (named(entry.menu.name, "Findmeasure1")) {
        Findmeasure1Click();
    } else {
        entry.open(this);
    }
}

void TForm1::openTool(const char* control) {
    for (const kv::BarEntry& entry : barEntries()) {
        if (named(entry.button.name, control) || named(entry.menu.name, control)) {
            entry.open(this);
            return;
        }
    }
    throw kv::Error(std::string("The bar has no tool behind ") + control);
}
