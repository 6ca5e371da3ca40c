// Every window from the keyboard alone: Tab visits the controls in the order
// they are read (top to bottom, across a line left to right, a group's
// controls together in the group's place), starts on the control to fill in,
// never stays caught in one control, and every button can be reached.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "tests/support/AllWindows.h"
#include "tests/support/WindowWorld.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ProgramFonts.h"
#include "widgets/forms/ToolDialog.h"

using testsupport::kWindows;

namespace {

constexpr int kSlack = 3;
constexpr int kPressesToLeave = 300;  // a help page's links, one by one

// The controls below `window` that hold `w`, outermost first, `w` last.
QList<QWidget*> holders(QWidget* w, const QWidget* window) {
    QList<QWidget*> out;
    for (; w && w != window; w = w->parentWidget()) out.prepend(w);
    return out;
}

bool overlaps(int a0, int a1, int b0, int b1) { return std::min(a1, b1) - std::max(a0, b0) > kSlack; }

// `a` is read before `b`: above it in a column they share, or left of it on a line.
bool readBefore(const QRect& a, const QRect& b) {
    const bool column = overlaps(a.x(), a.x() + a.width(), b.x(), b.x() + b.width());
    const bool line = overlaps(a.y(), a.y() + a.height(), b.y(), b.y() + b.height());
    return (column && a.y() + a.height() <= b.y() + kSlack) || (line && a.x() + a.width() <= b.x() + kSlack);
}

QString name(const QWidget* w) { return w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName(); }

// The places of `a` and `b` where they part: as the groups that hold them,
// side by side in the one that holds both.
bool readBeforeInWindow(QWidget* a, QWidget* b, const QWidget* window) {
    const QList<QWidget*> pa = holders(a, window), pb = holders(b, window);
    qsizetype k = 0;
    while (k < pa.size() && k < pb.size() && pa[k] == pb[k]) ++k;
    if (k == pa.size() || k == pb.size()) return false;  // one holds the other
    return readBefore(pa[k]->geometry(), pb[k]->geometry());
}

// The controls a user could Tab to: shown, enabled, taking the focus from Tab.
QList<QWidget*> tabbable(QWidget* window) {
    QList<QWidget*> out;
    for (QWidget* w : window->findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisibleTo(window) && w->isEnabled()) out << w;
    return out;
}

// What the keyboard meets in `window`: the controls Tab stops at, in turn,
// from the one with the focus; and the controls that keep Tab to themselves.
struct Walk {
    QList<QWidget*> stops;
    QStringList caught;
};

Walk walkTabs(QWidget* window) {
    Walk walk;
    QWidget* first = window->focusWidget();
    for (QWidget* at = first; at && walk.stops.size() < 400;) {
        walk.stops.append(at);
        QWidget* next = at;
        for (int press = 0; press < kPressesToLeave && next == at; ++press) {
            QTest::keyClick(at, Qt::Key_Tab);
            next = QApplication::focusWidget();
        }
        if (next == at) {
            if (tabbable(window).size() > 1) walk.caught << name(at) + " keeps Tab";
            break;
        }
        if (next == first || walk.stops.contains(next)) break;
        at = next;
    }
    return walk;
}

bool isButton(const QWidget* w) { return qobject_cast<const QPushButton*>(w) || qobject_cast<const QToolButton*>(w); }

// The faults of the order Tab goes in. The chain is a ring: it is read from
// the place where it goes back the least, which is where reading begins.
QStringList orderFaults(const QList<QWidget*>& ring, QWidget* window, QList<QWidget*>* read = nullptr) {
    QStringList best;
    qsizetype bestStart = 0;
    for (qsizetype start = 0; start < ring.size(); ++start) {
        QStringList faults;
        const auto at = [&](qsizetype i) { return ring[(start + i) % ring.size()]; };
        for (qsizetype i = 0; i < ring.size(); ++i)
            for (qsizetype j = i + 1; j < ring.size(); ++j)
                if (readBeforeInWindow(at(j), at(i), window))
                    faults << QString("%1 comes after %2").arg(name(at(j)), name(at(i)));
        // A group's controls together.
        for (qsizetype i = 0; i < ring.size(); ++i)
            for (QWidget* group : holders(at(i), window).mid(0, holders(at(i), window).size() - 1)) {
                qsizetype last = i;
                for (qsizetype j = i + 1; j < ring.size(); ++j)
                    if (group->isAncestorOf(at(j))) last = j;
                for (qsizetype j = i + 1; j < last; ++j)
                    if (!group->isAncestorOf(at(j))) faults << QString("%1 breaks into %2").arg(name(at(j)), name(group));
            }
        faults.removeDuplicates();
        if (start == 0 || faults.size() < best.size()) {
            best = faults;
            bestStart = start;
        }
    }
    if (read) {
        read->clear();
        for (qsizetype i = 0; i < ring.size(); ++i) read->append(ring[(bestStart + i) % ring.size()]);
    }
    return best;
}

QStringList walkFaults(QWidget* window) {
    const Walk walk = walkTabs(window);
    QStringList faults = walk.caught;
    if (!walk.caught.isEmpty()) return faults;
    faults << orderFaults(walk.stops, window);
    for (QWidget* w : tabbable(window))
        if (!walk.stops.contains(w)) faults << name(w) + " is never reached by Tab";
    return faults;
}

QWidget* showActive(QWidget* w) {
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w)) qWarning("%s is not active", qPrintable(name(w)));
    return w;
}

// Buttons with no way from the keyboard, each with its reason.
struct Exception {
    const char* window;
    const char* control;  // object name, or the class of Qt's own parts
    const char* why;
};
const Exception kMouseOnly[] = {
    {"periodic table", "Button1", "lies under the element cells, never seen: it holds the handler every element runs"},
    {"hot keys", "ScrollRightButton", "the tab bar's scroll arrow: the arrow keys move between the tabs"},
    {"hot keys", "ScrollLeftButton", "the tab bar's scroll arrow: the arrow keys move between the tabs"},
};

bool mouseOnly(const QString& window, const QWidget* w) {
    for (const Exception& e : kMouseOnly)
        if (window == QLatin1String(e.window) &&
            (w->objectName() == QLatin1String(e.control) || w->inherits(e.control)))
            return true;
    return false;
}

// What a button needs to be used without the mouse: Tab reaches it, or a key
// of its own, or the arrow keys from the chosen one of its group.
bool reachable(const QAbstractButton* b) {
    if (b->focusPolicy() & Qt::TabFocus) return true;
    if (!b->shortcut().isEmpty()) return true;
    if (qobject_cast<const QRadioButton*>(b) && b->autoExclusive() && b->parentWidget())
        for (const QRadioButton* other : b->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            if (other->autoExclusive() && (other->focusPolicy() & Qt::TabFocus)) return true;
    return false;
}

QStringList unreachable(const QString& window, QWidget* w) {
    QStringList faults;
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
        if (b->isVisibleTo(w) && b->isEnabled() && !reachable(b) && !mouseOnly(window, b))
            faults << name(b) + " (" + (b->toolTip().isEmpty() ? b->text() : b->toolTip()) + ") has no way from the keyboard";
    // A menu bar's menus open with Alt and their underlined letter.
    for (QMenuBar* bar : w->findChildren<QMenuBar*>())
        for (QAction* menu : bar->actions())
            if (menu->isVisible() && menu->isEnabled() && !menu->text().contains('&') && menu->shortcut().isEmpty())
                faults << "the menu " + menu->text() + " has no letter to open it by";
    return faults;
}

// Small windows whose order is wrong, or right, as the check must tell.
struct Layout {
    const char* name;
    std::function<void(QDialog*)> build;  // makes the controls in the order Tab takes them
    bool ordered;                         // the window's own Tab order by layout
    bool right;
};
QLineEdit* edit(QWidget* p, const char* n, QRect r) { return forms::placed(new QLineEdit(p), n, r); }
const Layout kLayouts[] = {
    {"made bottom first", [](QDialog* d) {
         edit(d, "Lower", {4, 90, 100, 24});
         edit(d, "Middle", {4, 47, 100, 24});
         edit(d, "Upper", {4, 4, 100, 24});
     }, false, false},
    {"made right first", [](QDialog* d) {
         edit(d, "Right", {210, 4, 90, 24});
         edit(d, "Middle", {110, 4, 90, 24});
         edit(d, "Left", {4, 4, 90, 24});
     }, false, false},
    {"made in reading order", [](QDialog* d) { edit(d, "Left", {4, 4, 100, 24}); edit(d, "Right", {120, 4, 100, 24}); edit(d, "Below", {4, 60, 100, 24}); }, false, true},
    {"a group broken into", [](QDialog* d) {
         auto* box = forms::placed(new QWidget(d), "Box", {4, 4, 110, 90});
         edit(box, "InBoxTop", {2, 2, 100, 24});
         edit(d, "Outside", {130, 4, 100, 24});
         edit(box, "InBoxLow", {2, 60, 100, 24});
     }, false, false},
    {"ordered: bottom first", [](QDialog* d) { edit(d, "Lower", {4, 60, 100, 24}); edit(d, "Upper", {4, 4, 100, 24}); }, true, true},
    {"ordered: a group broken into", [](QDialog* d) {
         auto* box = forms::placed(new QWidget(d), "Box", {4, 4, 110, 90});
         edit(box, "InBoxTop", {2, 2, 100, 24});
         edit(d, "Outside", {130, 4, 100, 24});
         edit(box, "InBoxLow", {2, 60, 100, 24});
     }, true, true},
    {"ordered: a column beside lines", [](QDialog* d) {
         forms::placed(new QPushButton("Help", d), "Side2", {240, 40, 60, 24});
         edit(d, "Row2", {4, 40, 100, 24});
         forms::placed(new QPushButton("Close", d), "Side1", {240, 4, 60, 24});
         edit(d, "Row1", {4, 4, 200, 24});
         edit(d, "Row2b", {110, 40, 100, 24});
     }, true, true},
    {"ordered: a grid gives Tab back", [](QDialog* d) {
         auto* t = forms::placed(new QTableWidget(3, 3, d), "Grid", {4, 40, 200, 100});
         t->setCurrentCell(0, 0);
         edit(d, "Above", {4, 4, 200, 24});
     }, true, true},
    {"a grid keeps Tab", [](QDialog* d) {
         edit(d, "Above", {4, 4, 200, 24});
         forms::placed(new QTableWidget(3, 3, d), "Grid", {4, 40, 200, 100})->setCurrentCell(0, 0);
     }, false, false},
};

}  // namespace

class FocusOrderTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testsupport::WindowWorld> world;

private slots:
    void initTestCase() {
        forms::useProgramFonts();
        world = std::make_unique<testsupport::WindowWorld>();
        QCOMPARE(world->setUp(), QString());
    }
    void cleanupTestCase() { world.reset(); }

    void tabFollowsTheLayout_data() {
        QTest::addColumn<int>("window");
        for (int i = 0; i < int(std::size(kWindows)); ++i) QTest::newRow(kWindows[i].name) << i;
    }
    void tabFollowsTheLayout() {
        QFETCH(int, window);
        std::unique_ptr<QWidget> w(showActive(kWindows[window].make()));
        QStringList faults;
        // Focus starts on the first control to fill in, as read.
        QWidget* start = w->focusWidget();
        QList<QWidget*> read;
        orderFaults(walkTabs(w.get()).stops, w.get(), &read);
        const auto fill = std::find_if(read.begin(), read.end(), [](QWidget* c) { return !isButton(c); });
        QWidget* expected = fill != read.end() ? *fill : read.value(0);
        if (start != expected) faults << QString("starts on %1, not on %2").arg(start ? name(start) : "nothing", expected ? name(expected) : "nothing");
        if (start) start->setFocus();
        faults << walkFaults(w.get());
        // Each page of tabs, each as it is shown.
        for (QTabBar* tabs : w->findChildren<QTabBar*>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QCoreApplication::processEvents();
                tabs->setFocus();
                for (const QString& f : walkFaults(w.get())) faults << QString("%1 \"%2\": %3").arg(name(tabs), tabs->tabText(i), f);
            }
        }
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void everyButtonIsReachedFromTheKeyboard_data() { tabFollowsTheLayout_data(); }
    void everyButtonIsReachedFromTheKeyboard() {
        QFETCH(int, window);
        std::unique_ptr<QWidget> w(showActive(kWindows[window].make()));
        QStringList faults = unreachable(kWindows[window].name, w.get());
        for (QTabBar* tabs : w->findChildren<QTabBar*>())
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                faults << unreachable(kWindows[window].name, w.get());
            }
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // The bar's buttons take no focus: its menu, which holds their tools,
    // opens from the keyboard as from the right button.
    void theBarsMenuOpensFromTheKeyboard_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("the menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier);
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
    }
    void theBarsMenuOpensFromTheKeyboard() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        TForm1 bar;
        showActive(&bar);
        QVERIFY(!bar.PopupMenu1->isVisible());
        QTest::keyClick(bar.windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY(bar.PopupMenu1->isVisible());
        // Its entries are chosen with the arrows and Enter.
        QVERIFY(!bar.PopupMenu1->actions().isEmpty());
        QTest::keyClick(bar.PopupMenu1, Qt::Key_Escape);
        QTRY_VERIFY(!bar.PopupMenu1->isVisible());
    }

    void aWrongOrderIsFound_data() {
        QTest::addColumn<int>("layout");
        for (int i = 0; i < int(std::size(kLayouts)); ++i) QTest::newRow(kLayouts[i].name) << i;
    }
    void aWrongOrderIsFound() {
        QFETCH(int, layout);
        QDialog window;
        window.resize(320, 160);
        kLayouts[layout].build(&window);
        if (kLayouts[layout].ordered) forms::setUpDialog(&window, "Layout", "Layout");
        showActive(&window);
        const QStringList faults = walkFaults(&window);
        QVERIFY2(faults.isEmpty() == kLayouts[layout].right, qPrintable(faults.join('\n')));
    }
};

QTEST_MAIN(FocusOrderTest)
#include "FocusOrderTest.moc"
