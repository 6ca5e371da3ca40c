// Every window offscreen in the program's fonts: no caption, button, tab,
// group title or list item is wider than the box it is drawn in, every button
// that shows only a picture names itself in a tooltip, and the tool windows'
// pictures are the program's own.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/AbForm.h"
#include "app/Form1.h"
#include "app/Hot.h"
#include "app/BarGlyphs.h"
#include "app/PictureWindow.h"
#include "widgets/gif/GIFImage.h"
#include "data/DM.h"
#include "tests/support/WindowWorld.h"
#include "tests/support/AllWindows.h"
#include "platform/HelpDialog.h"
#include "platform/fake/FakeDesktop.h"
#include "platform/fake/FakeHotKeys.h"
#include "tests/support/ShownErrors.h"
#include "tests/support/TextContrast.h"
#include "tools/calc/Unit9.h"
#include "tools/convert/Find.h"
#include "tools/convert/Meas.h"
#include "tools/engineering/Resist.h"
#include "tools/engineering/Color_h.h"
#include "tools/engineering/Decib.h"
#include "tools/engineering/Unit2.h"
#include "tools/hexview/HexForm.h"
#include "tools/numbers/Ar_rom.h"
#include "tools/engineering/Cost.h"
#include "tools/numbers/FormDate.h"
#include "tools/numbers/Prim.h"
#include "tools/reference/Map_k.h"
#include "tools/reference/Phis.h"
#include "tools/reference/Steel.h"
#include "tools/reference/RefTablesForm.h"
#include "tools/reference/Tabl.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ProgramFonts.h"
#include "widgets/forms/ReadableColours.h"

namespace {

const char* const kGlyphs[] = {"copy", "copy-units", "copy-graph", "help",      "close",      "ok",
                               "save", "convert",    "constants",  "notepad", "calculator", "clear",
                               "nav-first", "nav-prior", "nav-next", "nav-last", "nav-refresh",
                               "up",   "down",       "invert"};

using testsupport::kWindows;

QString fault(const QWidget* w, const QString& what, int need, int room) {
    return QStringLiteral("%1 \"%2\": %3 px in %4 px").arg(w->objectName(), what).arg(need).arg(room);
}

int textWidth(const QFontMetrics& fm, const QString& text) { return fm.size(Qt::TextShowMnemonic, text).width(); }

void checkLabel(const QLabel* l, QStringList& faults) {
    if (l->text().isEmpty() || !l->pixmap().isNull()) return;
    const int m = l->margin();
    const QRect box = l->contentsRect().adjusted(m, m, -m, -m);
    QSize need;
    if (l->textFormat() == Qt::RichText || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()))) {
        QTextDocument doc;
        doc.setDocumentMargin(0);
        doc.setDefaultFont(l->font());
        doc.setHtml(l->text());
        if (l->wordWrap()) doc.setTextWidth(box.width());
        need = QSize(qCeil(l->wordWrap() ? doc.size().width() : doc.idealWidth()), qCeil(doc.size().height()));
    } else {
        const int flags = (l->buddy() ? Qt::TextShowMnemonic : 0) | (l->wordWrap() ? Qt::TextWordWrap : 0);
        need = l->fontMetrics().boundingRect(QRect(0, 0, box.width(), 1 << 20), flags, l->text()).size();
    }
    if (need.width() > box.width()) faults << fault(l, l->text(), need.width(), box.width());
    if (need.height() > box.height()) faults << fault(l, l->text() + " (height)", need.height(), box.height());
}

// The room the style leaves for a button's picture and caption.
QRect buttonContents(const QAbstractButton* b) {
    QStyle* style = b->style();
    if (auto* tool = qobject_cast<const QToolButton*>(b)) {
        QStyleOptionToolButton o;
        o.initFrom(tool);
        o.subControls = QStyle::SC_ToolButton;
        o.icon = tool->icon();
        o.iconSize = tool->iconSize();
        o.text = tool->text();
        o.toolButtonStyle = tool->toolButtonStyle();
        if (tool->autoRaise()) o.state |= QStyle::State_AutoRaise;
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, tool);
        return style->subControlRect(QStyle::CC_ToolButton, &o, QStyle::SC_ToolButton, tool)
            .adjusted(frame, frame, -frame, -frame);
    }
    QStyleOptionButton o;
    o.initFrom(b);
    o.text = b->text();
    o.icon = b->icon();
    o.iconSize = b->iconSize();
    if (auto* push = qobject_cast<const QPushButton*>(b)) {
        if (push->isDefault()) o.features |= QStyleOptionButton::DefaultButton;
        if (push->autoDefault()) o.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isFlat()) o.features |= QStyleOptionButton::Flat;
        return style->subElementRect(QStyle::SE_PushButtonContents, &o, b);
    }
    const bool radio = qobject_cast<const QRadioButton*>(b);
    return style->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &o, b);
}

void checkButton(const QAbstractButton* b, QStringList& faults) {
    const bool picture = !b->icon().isNull();
    auto* tool = qobject_cast<const QToolButton*>(b);
    const bool iconOnly =
        picture && (b->text().isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly));
    if (tool && tool->arrowType() != Qt::NoArrow) return;
    if (iconOnly && b->toolTip().isEmpty()) faults << b->objectName() + ": a picture without a tooltip";
    if (!picture && b->text().isEmpty()) return;
    const QRect room = buttonContents(b);
    const QString shown = iconOnly ? QString() : b->text();
    int need = shown.isEmpty() ? 0 : textWidth(b->fontMetrics(), shown);
    if (picture) need += b->iconSize().width() + (shown.isEmpty() ? 0 : 4);
    if (need > room.width()) faults << fault(b, shown.isEmpty() ? "picture" : shown, need, room.width());
    const int high = std::max(shown.isEmpty() ? 0 : b->fontMetrics().height(), picture ? b->iconSize().height() : 0);
    if (high > room.height()) faults << fault(b, shown + " (height)", high, room.height());
}

void checkTabs(const QTabBar* bar, QStringList& faults) {
    for (int i = 0; i < bar->count(); ++i) {
        QStyleOptionTab o;
        o.initFrom(bar);
        o.rect = bar->tabRect(i);
        o.text = bar->tabText(i);
        o.shape = bar->shape();
        o.icon = bar->tabIcon(i);
        o.iconSize = bar->iconSize();
        const QRect room = bar->style()->subElementRect(QStyle::SE_TabBarTabText, &o, bar);
        const int need = textWidth(bar->fontMetrics(), o.text);
        if (need > room.width()) faults << fault(bar, o.text, need, room.width());
    }
}

void checkGroupTitle(const QGroupBox* box, QStringList& faults) {
    if (box->title().isEmpty()) return;
    QStyleOptionGroupBox o;
    o.initFrom(box);
    o.text = box->title();
    o.textAlignment = box->alignment();
    o.lineWidth = 1;
    o.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box->isCheckable()) o.subControls |= QStyle::SC_GroupBoxCheckBox;
    if (box->isFlat()) o.features |= QStyleOptionFrame::Flat;
    const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, box);
    const int need = textWidth(box->fontMetrics(), o.text);
    const QRect room = label.intersected(box->rect());
    if (need > room.width()) faults << fault(box, o.text, need, room.width());
}

void checkComboItems(const QComboBox* combo, QStringList& faults) {
    QStyleOptionComboBox o;
    o.initFrom(combo);
    o.editable = combo->isEditable();
    o.frame = combo->hasFrame();
    o.subControls = QStyle::SC_All;
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, combo);
    // The edit inside keeps 2 px clear at either side.
    const int room = field.width() - 4;
    for (int i = 0; i < combo->count(); ++i) {
        const int need = combo->fontMetrics().horizontalAdvance(combo->itemText(i));
        if (need > room) faults << fault(combo, combo->itemText(i), need, room);
    }
}

// Only lists that cannot scroll sideways to a long item: those in columns of
// a fixed width, or without a horizontal scroll bar.
void checkListItems(const QListWidget* list, QStringList& faults) {
    const bool fixed = list->gridSize().isValid() || list->isWrapping() ||
                       list->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff;
    if (!fixed) return;
    const int cell = list->gridSize().isValid() ? list->gridSize().width() : list->viewport()->width();
    // The item delegate keeps this much clear at either side of the text.
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem* item = list->item(i);
        const QFont font = item->font().resolve(list->font());
        const int need = QFontMetrics(font).horizontalAdvance(item->text()) + 2 * margin;
        if (need > cell) faults << fault(list, item->text(), need, cell);
    }
}

// What is cut in `window` and its controls, one line each.
QStringList clippedTexts(QWidget* window) {
    QStringList faults;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (w->isHidden()) continue;
        if (auto* l = qobject_cast<QLabel*>(w)) checkLabel(l, faults);
        if (auto* b = qobject_cast<QAbstractButton*>(w)) checkButton(b, faults);
        if (auto* t = qobject_cast<QTabBar*>(w)) checkTabs(t, faults);
        if (auto* g = qobject_cast<QGroupBox*>(w)) checkGroupTitle(g, faults);
        if (auto* c = qobject_cast<QComboBox*>(w)) checkComboItems(c, faults);
        if (auto* v = qobject_cast<QListWidget*>(w)) checkListItems(v, faults);
    }
    return faults;
}

// A picture window shows its picture at its own size, and every part of it
// can be scrolled into view.
QStringList cutPicture(QWidget* window) {
    auto* w = qobject_cast<TPictureWindow*>(window);
    if (!w) return {};
    QStringList faults;
    const QSize picture = w->GIFImage1->pictureSize();
    if (picture.isEmpty()) faults << "no picture";
    if (w->GIFImage1->size() != picture) faults << QString("picture shown at %1 x %2").arg(w->GIFImage1->width()).arg(w->GIFImage1->height());
    const QSize page = w->ScrollBox->widget()->size();
    const QSize view = w->ScrollBox->viewport()->size();
    const QSize reach = view + QSize(w->ScrollBox->horizontalScrollBar()->maximum(), w->ScrollBox->verticalScrollBar()->maximum());
    if (reach != page.expandedTo(view)) faults << QString("%1 x %2 of the page can be seen").arg(reach.width()).arg(reach.height());
    return faults;
}

// Where a window draws text: each area named by its control, in the
// window's own pixels.
struct TextArea {
    QString name;
    QRect area;
};

QRect inWindow(const QWidget* w, const QWidget* window, const QRect& r) {
    return QRect(w->mapTo(window, r.topLeft()), r.size());
}

QRect labelText(const QLabel* l) {
    const int m = l->margin();
    const QRect box = l->contentsRect().adjusted(m, m, -m, -m);
    if (l->textFormat() == Qt::RichText || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()))) return box;
    const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0) | Qt::TextShowMnemonic;
    return l->fontMetrics().boundingRect(box, flags, l->text()).intersected(box);
}

void viewCells(const QAbstractItemView* v, const QWidget* window, QList<TextArea>& areas) {
    const QAbstractItemModel* m = v->model();
    if (!m) return;
    const QRect shown = v->viewport()->rect();
    for (int row = 0; row < std::min(m->rowCount(), 60); ++row)
        for (int column = 0; column < m->columnCount(); ++column) {
            const QModelIndex i = m->index(row, column);
            if (m->data(i).toString().trimmed().isEmpty()) continue;
            // Only whole cells: the edge of a cell cut by the view may hold any sliver.
            const QRect cell = v->visualRect(i);
            if (cell.isEmpty() || !shown.contains(cell)) continue;
            areas.append({QString("%1 cell %2,%3").arg(v->objectName()).arg(row).arg(column), inWindow(v->viewport(), window, cell)});
        }
}

void headerSections(const QHeaderView* h, const QWidget* window, QList<TextArea>& areas) {
    const QAbstractItemModel* m = h->model();
    if (!m) return;
    for (int i = 0; i < h->count(); ++i) {
        if (h->isSectionHidden(i) || m->headerData(i, h->orientation()).toString().trimmed().isEmpty()) continue;
        const int at = h->sectionViewportPosition(i);
        const QRect section = h->orientation() == Qt::Horizontal ? QRect(at, 0, h->sectionSize(i), h->height())
                                                                   : QRect(0, at, h->width(), h->sectionSize(i));
        const QRect shown = section.adjusted(2, 2, -2, -2).intersected(h->viewport()->rect());
        if (!shown.isEmpty()) areas.append({QString("%1 heading %2").arg(h->parentWidget()->objectName()).arg(i), inWindow(h->viewport(), window, shown)});
    }
}

QList<TextArea> textAreas(QWidget* window) {
    QList<TextArea> areas;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        // A control that cannot be used is greyed on purpose.
        if (!w->isVisibleTo(window) || !w->isEnabled()) continue;
        auto add = [&](const QString& what, const QRect& r) {
            if (!r.isEmpty()) areas.append({w->objectName() + " \"" + what + "\"", inWindow(w, window, r)});
        };
        if (auto* l = qobject_cast<QLabel*>(w); l && l->pixmap().isNull() && !l->text().trimmed().isEmpty())
            add(l->text(), labelText(l));
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty()) {
            auto* tool = qobject_cast<const QToolButton*>(b);
            const bool iconOnly = !b->icon().isNull() && tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly;
            if (!iconOnly && !(tool && tool->arrowType() != Qt::NoArrow)) add(b->text(), buttonContents(b));
        }
        if (auto* c = qobject_cast<TCaptionPanel*>(w); c && !c->caption().trimmed().isEmpty())
            add(c->caption(), c->contentsRect());
        if (auto* e = qobject_cast<QLineEdit*>(w); e && !e->text().isEmpty()) add(e->text(), e->contentsRect().adjusted(2, 1, -2, -1));
        if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty()) {
            QStyleOptionGroupBox o;
            o.initFrom(g);
            o.text = g->title();
            o.subControls = QStyle::SC_GroupBoxLabel;
            add(g->title(), g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g));
        }
        if (auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i) add(t->tabText(i), t->tabRect(i).adjusted(4, 3, -4, -3));
        if (auto* h = qobject_cast<QHeaderView*>(w)) headerSections(h, window, areas);
        else if (auto* v = qobject_cast<QAbstractItemView*>(w)) viewCells(v, window, areas);
    }
    return areas;
}

// A desktop's dark colours, as a dark style gives them.
QPalette darkPalette() {
    const QColor ground(53, 53, 53), base(35, 35, 35), light(235, 235, 235), grey(127, 127, 127);
    QPalette p(light, ground);
    p.setColor(QPalette::Window, ground);
    p.setColor(QPalette::WindowText, light);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, ground);
    p.setColor(QPalette::ToolTipBase, QColor(25, 25, 25));
    p.setColor(QPalette::ToolTipText, light);
    p.setColor(QPalette::PlaceholderText, grey);
    p.setColor(QPalette::Text, light);
    p.setColor(QPalette::Button, ground);
    p.setColor(QPalette::ButtonText, light);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) p.setColor(QPalette::Disabled, role, grey);
    return p;
}

// The texts that measure below the level, each with its reason.
struct Exception {
    const char* window;
    const char* area;  // the start of the area's name
    const char* why;
};
const Exception kDimOnPurpose[] = {
    {"fonts and character codes", "StringGrid1 cell 1,31",
     "the underscore is one thin line drawn between two pixel rows: no pixel of it takes the full ink "
     "(the cells' ink is the palette's text colour, as in every other cell)"},
    {"fonts and character codes", "StringGrid1 cell 4,15", "the macron, as thin as the underscore"},
};

bool dimOnPurpose(const QString& window, const QString& area) {
    for (const Exception& e : kDimOnPurpose)
        if (window == QLatin1String(e.window) && area.startsWith(QLatin1String(e.area))) return true;
    return false;
}

// What the desktop's ground and ink faults look like: each small window must
// measure as dim, or as readable, under the dark colours.
struct Ground {
    const char* name;
    std::function<void(QWidget*)> add;
    bool readable;
};
QLabel* groundLabel(QWidget* p, const QColor& ground) {
    auto* l = forms::placed(new QLabel("Luminous Flux", p), "AtFault", {4, 4, 120, 20});
    QPalette c = l->palette();
    c.setColor(QPalette::Window, ground);
    l->setPalette(c);
    l->setAutoFillBackground(true);
    return l;
}
const Ground kGrounds[] = {
    {"the desktop's ink", [](QWidget* p) { forms::placed(new QLabel("Luminous Flux", p), "AtFault", {4, 4, 120, 20}); }, true},
    {"a fixed ink on the desktop's ground", [](QWidget* p) {
         auto* l = forms::placed(new QLabel("Luminous Flux", p), "AtFault", {4, 4, 120, 20});
         l->setStyleSheet("color: rgb(0, 0, 128)");
     }, false},
    {"a fixed ground with the desktop's ink", [](QWidget* p) { groundLabel(p, QColor(255, 255, 0)); }, false},
    {"a fixed ground with its own ink", [](QWidget* p) {
         QLabel* l = groundLabel(p, QColor(255, 255, 0));
         QPalette c = l->palette();
         c.setColor(QPalette::WindowText, forms::inkFor(QColor(255, 255, 0)));
         l->setPalette(c);
     }, true},
    {"a heading", [](QWidget* p) { forms::heading(p, "AtFault", "Calculator", {4, 4}); }, true},
    {"a red note", [](QWidget* p) {
         forms::setTextColour(forms::placed(new QLabel("Hot key", p), "AtFault", {4, 4, 120, 20}), Qt::red);
     }, true},
    {"a heading row of a fixed colour", [](QWidget* p) {
         auto* t = forms::placed(new QTableWidget(1, 1, p), "AtFault", {4, 4, 200, 80});
         t->setHorizontalHeaderLabels({"Mass"});
         t->setStyleSheet("QHeaderView::section { background-color: rgb(128, 255, 128); }");
     }, false},
};

QWidget* showOffscreen(QWidget* w) {
    w->show();
    QCoreApplication::processEvents();
    return w;
}

// Small windows with one control each that does not fit, or a picture
// button without its tooltip: the checks must see each.
struct Clipped {
    const char* name;
    std::function<QWidget*(QWidget*)> add;  // gives the control at fault
};
const Clipped kClipped[] = {
    {"label", [](QWidget* p) { return forms::placed(new QLabel("Luminous Flux Density", p), "", {4, 4, 60, 20}); }},
    {"wrapped label", [](QWidget* p) {
         auto* l = forms::placed(new QLabel("Radiation Dose (absorbed) in three lines", p), "", {4, 4, 90, 16});
         l->setWordWrap(true);
         return l;
     }},
    {"button with picture", [](QWidget* p) {
         auto* b = forms::placed(new QPushButton("Close", p), "", {4, 4, 44, 25});
         b->setIcon(forms::buttonGlyph("close"));
         return b;
     }},
    {"check box", [](QWidget* p) { return forms::placed(new QCheckBox("Always on Top", p), "", {4, 4, 50, 18}); }},
    {"picture without tooltip",
     [](QWidget* p) { return forms::pictureButton(p, "", {4, 4, 25, 25}, forms::buttonGlyph("help"), ""); }},
    {"picture too big", [](QWidget* p) {
         QToolButton* b = forms::pictureButton(p, "", {4, 4, 25, 25}, forms::buttonGlyph("help"), "Help");
         b->setIconSize({30, 30});
         return b;
     }},
    {"tab", [](QWidget* p) {
         auto* t = forms::placed(new QTabWidget(p), "", {4, 4, 200, 80});
         t->addTab(new QWidget, "Hide/Restore  main window");
         t->tabBar()->setElideMode(Qt::ElideRight);
         t->setStyleSheet("QTabBar::tab { width: 60px; }");
         return t->tabBar();
     }},
    {"group title",
     [](QWidget* p) { return forms::placed(new QGroupBox("Mathematical operator", p), "", {4, 4, 60, 40}); }},
    {"combo item", [](QWidget* p) {
         auto* c = forms::placed(new QComboBox(p), "", {4, 4, 60, 23});
         c->addItems({"x", "1/2*x^2-(1/2)*x-2"});
         return c;
     }},
    {"list in columns", [](QWidget* p) {
         auto* l = forms::placed(new QListWidget(p), "", {4, 4, 300, 80});
         l->setFlow(QListView::TopToBottom);
         l->setWrapping(true);
         l->setGridSize({100, 16});
         l->addItems({"Length", "Luminous Flux Density", "Mass"});
         return l;
     }},
};

}  // namespace

class WindowLooksTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testsupport::WindowWorld> world;

private slots:
    void initTestCase() {
        forms::useProgramFonts();
        world = std::make_unique<testsupport::WindowWorld>();
        QCOMPARE(world->setUp(), QString());
    }
    void cleanupTestCase() { world.reset(); }

    void theWindowFacesAreTheMetricTwins_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("installed");
        QTest::newRow("serif") << "Times New Roman" << "Liberation Serif";
        QTest::newRow("sans") << "Arial" << "Liberation Sans";
        QTest::newRow("mono") << "Courier New" << "Liberation Mono";
        QTest::newRow("dialog") << "MS Sans Serif" << "Liberation Sans";
        QTest::newRow("bitmap serif") << "MS Serif" << "Liberation Serif";
        QTest::newRow("system") << "System" << "Liberation Sans";
    }
    void theWindowFacesAreTheMetricTwins() {
        QFETCH(QString, face);
        QFETCH(QString, installed);
        QCOMPARE(QFontInfo(QFont(face, 8)).family(), installed);
        // Every window without a face of its own is in the dialog face at 8 pt.
        QCOMPARE(QFontInfo(QLabel().font()).family(), QString("Liberation Sans"));
        QCOMPARE(QApplication::font().pointSize(), 8);
    }

    void everyTextFitsItsBox_data() {
        QTest::addColumn<int>("window");
        for (int i = 0; i < int(std::size(kWindows)); ++i) QTest::newRow(kWindows[i].name) << i;
    }
    void everyTextFitsItsBox() {
        QFETCH(int, window);
        ShownErrors shown;
        std::unique_ptr<QWidget> w(showOffscreen(kWindows[window].make()));
        QCOMPARE(shown.messages, QStringList());
        // The converter's units: every category's in turn.
        QStringList faults = clippedTexts(w.get());
        if (auto* converter = qobject_cast<TMeasForm*>(w.get())) {
            for (int row = 0; row < converter->ListBox1->count(); ++row) {
                converter->ListBox1->setCurrentRow(row);
                converter->ListBox1Click();
                QCoreApplication::processEvents();
                faults << clippedTexts(converter);
            }
        }
        faults << cutPicture(w.get());
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // WCAG's level for body text: 4.5 : 1.
    void everyTextIsReadableOnADarkDesktop_data() { everyTextFitsItsBox_data(); }
    void everyTextIsReadableOnADarkDesktop() {
        QFETCH(int, window);
        const QPalette light = QApplication::palette();
        QApplication::setPalette(darkPalette());
        std::unique_ptr<QWidget> w(showOffscreen(kWindows[window].make()));
        const QImage shot = w->grab().toImage();
        QApplication::setPalette(light);
        QStringList faults;
        for (const TextArea& a : textAreas(w.get())) {
            const auto reading = testsupport::readText(shot, a.area);
            if (!reading) continue;
            if (reading->ratio < 4.5 && !dimOnPurpose(kWindows[window].name, a.name))
                faults << QString("%1: %2 : 1, ink %3 on %4").arg(a.name).arg(reading->ratio, 0, 'f', 2)
                              .arg(QColor(reading->ink).name(), QColor(reading->ground).name());
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void aDimTextIsFound_data() {
        QTest::addColumn<int>("ground");
        for (int i = 0; i < int(std::size(kGrounds)); ++i) QTest::newRow(kGrounds[i].name) << i;
    }
    void aDimTextIsFound() {
        QFETCH(int, ground);
        const QPalette light = QApplication::palette();
        QApplication::setPalette(darkPalette());
        QWidget window;
        window.resize(220, 100);
        kGrounds[ground].add(&window);
        showOffscreen(&window);
        const QImage shot = window.grab().toImage();
        QApplication::setPalette(light);
        const QList<TextArea> areas = textAreas(&window);
        QVERIFY(!areas.isEmpty());
        for (const TextArea& a : areas) {
            QVERIFY2(a.name.startsWith("AtFault"), qPrintable(a.name));
            const auto reading = testsupport::readText(shot, a.area);
            QVERIFY2(reading.has_value(), qPrintable(a.name));
            QVERIFY2((reading->ratio >= 4.5) == kGrounds[ground].readable,
                     qPrintable(QString("%1 : 1, ink %2 on %3").arg(reading->ratio).arg(QColor(reading->ink).name(), QColor(reading->ground).name())));
        }
    }

    void theToolWindowsShowOnlyTheirOwnGlyphs_data() { everyTextFitsItsBox_data(); }
    void theToolWindowsShowOnlyTheirOwnGlyphs() {
        QFETCH(int, window);
        if (!kWindows[window].toolGlyphs) QSKIP("the bar's glyphs are its tools'");
        QSet<qint64> own;
        for (const char* g : kGlyphs) own << forms::buttonGlyph(g).cacheKey();
        std::unique_ptr<QWidget> w(kWindows[window].make());
        for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
            // Qt's own buttons (a menu bar's overflow arrow) carry the style's pictures.
            if (!b->icon().isNull() && !b->objectName().startsWith(QLatin1String("qt_"))) QVERIFY2(own.contains(b->icon().cacheKey()), qPrintable(b->objectName()));
    }

    void everyGlyphIsDrawnOnceForEachSize_data() {
        QTest::addColumn<QString>("glyph");
        for (const char* g : kGlyphs) QTest::newRow(g) << QString(g);
    }
    void everyGlyphIsDrawnOnceForEachSize() {
        QFETCH(QString, glyph);
        const QByteArray name = glyph.toLatin1();
        const QIcon icon = forms::buttonGlyph(name.constData());
        QVERIFY(!icon.isNull());
        QCOMPARE(forms::buttonGlyph(name.constData()).cacheKey(), icon.cacheKey());
        for (int side : {16, 17, 24}) {
            const QPixmap first = icon.pixmap(QSize(side, side), 1.0);
            QCOMPARE(first.size(), QSize(side, side));
            QCOMPARE(icon.pixmap(QSize(side, side), 1.0).cacheKey(), first.cacheKey());
            const QImage image = first.toImage();
            int inked = 0;
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x) inked += qAlpha(image.pixel(x, y)) > 128;
            QVERIFY2(inked > side * side / 10, qPrintable(QString("%1 px inked").arg(inked)));
        }
        QVERIFY(forms::buttonGlyph("no-such-glyph").isNull());
    }

    // On a high-density screen every picture is drawn for its pixels, not
    // enlarged from a smaller one: the button glyphs, the bar's and the tray's.
    void everyGlyphIsDrawnAtTheScreensDensity_data() {
        QTest::addColumn<QIcon>("icon");
        QTest::addColumn<int>("side");
        for (const char* g : kGlyphs) QTest::newRow(g) << forms::buttonGlyph(g) << 16;
        for (const char* g : {"converter", "hex", "exit"}) QTest::newRow(g) << barGlyph(g) << 22;
        for (int i : {0, 7}) QTest::newRow(qPrintable(QString("tray frame %1").arg(i))) << trayFrames().value(i) << 22;
    }
    void everyGlyphIsDrawnAtTheScreensDensity() {
        QFETCH(QIcon, icon);
        QFETCH(int, side);
        QVERIFY(!icon.isNull());
        for (qreal ratio : {1.25, 1.5, 2.0, qApp->devicePixelRatio()}) {
            const QPixmap drawn = icon.pixmap(QSize(side, side), ratio);
            const QString at = QString("at %1: %2 x %3 px, ratio %4").arg(ratio).arg(drawn.width()).arg(drawn.height()).arg(drawn.devicePixelRatio());
            QVERIFY2(qAbs(drawn.width() - side * ratio) <= 1 && qAbs(drawn.height() - side * ratio) <= 1, qPrintable(at));
            QVERIFY2(qFuzzyCompare(drawn.devicePixelRatio(), ratio), qPrintable(at));
            // Drawn at the size, not enlarged: a sharp picture has pixels of full ink at 2 x.
            const QImage image = drawn.toImage();
            int solid = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) solid += qAlpha(image.pixel(x, y)) == 255;
            QVERIFY2(solid > 0, qPrintable(at));
        }
    }

    void aClippedControlIsFound_data() {
        QTest::addColumn<int>("control");
        for (int i = 0; i < int(std::size(kClipped)); ++i) QTest::newRow(kClipped[i].name) << i;
    }
    void aClippedControlIsFound() {
        QFETCH(int, control);
        QWidget window;
        window.resize(320, 100);
        QWidget* atFault = kClipped[control].add(&window);
        atFault->setObjectName("AtFault");
        showOffscreen(&window);
        const QStringList faults = clippedTexts(&window);
        QVERIFY2(!faults.isEmpty(), "nothing found");
        for (const QString& f : faults) QVERIFY2(f.startsWith("AtFault"), qPrintable(f));
    }
};

QTEST_MAIN(WindowLooksTest)
#include "WindowLooksTest.moc"
