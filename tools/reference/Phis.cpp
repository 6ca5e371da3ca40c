#include "tools/reference/Phis.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <optional>

#include "core/Error.h"
#include "core/HandlerGuard.h"
#include "data/DM.h"
#include "data/TableModel.h"
#include "tools/reference/PhisText.h"
#include "platform/HelpKey.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/Clipboard.h"
#include "widgets/forms/DBGrid.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ToolDialog.h"

TPhisForm* PhisForm = nullptr;

namespace {

QFont timesFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// Typing in the grid looks a constant up by the start of its name, whichever
// column the current cell is in, and the cell stays in its column. Editing
// starts only on purpose (double-click or F2), so a user typing to find a
// constant cannot overwrite one in the file.
//
// The columns share the grid's width, so the names stay in view beside the
// values and symbols and the grid never scrolls sideways; a text cut short
// shows whole in its tooltip.
class ConstantsGrid : public TDBGrid {
public:
    using TDBGrid::TDBGrid;

    // The symbols take what they need (up to a fifth of the width); names and
    // values share the rest in proportion to their longest texts, the values
    // never wider than their longest, and the names take what is left.
    void fitColumns() {
        if (!model() || model()->columnCount() < 3) return;
        const int room = viewport()->width();
        const int symbol = std::min(sizeHintForColumn(2), room / 5);
        const int name = sizeHintForColumn(0), rest = room - symbol;
        int value = sizeHintForColumn(1);
        if (name + value > rest && name + value > 0) value = std::min(value, rest * value / (name + value));
        horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        horizontalHeader()->setSectionResizeMode(1, QHeaderView::Interactive);
        horizontalHeader()->setSectionResizeMode(2, QHeaderView::Interactive);
        setColumnWidth(1, value);
        setColumnWidth(2, symbol);
    }

    // Whether `index`'s text is shown whole in its column.
    bool fitsItsColumn(const QModelIndex& index) const {
        const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
        return fontMetrics().horizontalAdvance(index.data().toString()) + margin <= columnWidth(index.column());
    }

    void keyboardSearch(const QString& search) override {
        const QModelIndex here = currentIndex();
        if (!here.isValid() || here.column() == 0) return QTableView::keyboardSearch(search);
        // The view searches the current cell's column: lend it the name's.
        selectionModel()->setCurrentIndex(model()->index(here.row(), 0), QItemSelectionModel::NoUpdate);
        QTableView::keyboardSearch(search);
        setCurrentIndex(model()->index(currentIndex().row(), here.column()));
    }

protected:
    bool viewportEvent(QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return QTableView::viewportEvent(event);
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        if (index.isValid() && !fitsItsColumn(index))
            QToolTip::showText(help->globalPos(), index.data().toString(), viewport(), visualRect(index));
        else
            QToolTip::hideText();
        return true;
    }
    void resizeEvent(QResizeEvent* event) override {
        QTableView::resizeEvent(event);
        fitColumns();
    }
};

// Writes a cell's edit to the table. An edit the table refuses (too long for
// the field, a character its code page lacks) is not lost: once the error has
// been shown, the cell's editor opens again on the text as typed, to be
// corrected or abandoned with Escape.
class ConstantsDelegate : public QStyledItemDelegate {
public:
    explicit ConstantsDelegate(QAbstractItemView* view) : QStyledItemDelegate(view), view_(view) {}

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        const auto* line = qobject_cast<QLineEdit*>(editor);
        if (!line) return QStyledItemDelegate::setModelData(editor, model, index);
        if (model->setData(index, line->text(), Qt::EditRole)) return;
        refused_ = Refused{QPersistentModelIndex(index), line->text()};
        // After the editor has closed: the view opens one editor at a time.
        QTimer::singleShot(0, view_, [this] {
            if (!refused_ || !refused_->index.isValid()) return;
            view_->setCurrentIndex(refused_->index);
            view_->edit(refused_->index);
        });
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (line && refused_ && refused_->index == index) {
            line->setText(refused_->text);
            refused_.reset();
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

private:
    struct Refused {
        QPersistentModelIndex index;
        QString text;
    };
    QAbstractItemView* view_;
    mutable std::optional<Refused> refused_;
};

}  // namespace

TPhisForm::TPhisForm(QWidget* parent, TDM* dm)
    : QDialog(parent, forms::dialogFrame(forms::Frame::Fixed)),
      dm_(dm ? dm : DM) {
    if (!dm_) throw kv::Error("The physical constants window needs the data module");
    forms::setUpDialog(this, "PhisForm", QStringLiteral("PhisForm"), {532, 371});
    platform::helpOnF1(this, QStringLiteral("constants.html"));
    move(23, 113);

    Label1 = forms::label(this, "Label1", QStringLiteral("Phisical constants"), {163, 4}, timesFont(19, true));

    model_ = new TableModel(&dm_->DataSource3, {QStringLiteral("NAME"), QStringLiteral("VALUE"),
                                                QStringLiteral("CHAR_VIEW")}, this);
    model_->setReadOnly(false);
    model_->setColumnTitle(2, QStringLiteral("SYMBOL"));

    auto* grid = new ConstantsGrid(this);
    DBGrid1 = forms::placed(grid, "DBGrid1", {3, 32, 524, 305});
    DBGrid1->setSource(model_);
    DBGrid1->setItemDelegate(new ConstantsDelegate(DBGrid1));
    DBGrid1->setFont(timesFont(13, true));
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->verticalHeader()->setDefaultSectionSize(18);
    QPalette cells = DBGrid1->palette();
    cells.setColor(QPalette::Base, QApplication::palette().color(QPalette::ToolTipBase));
    cells.setColor(QPalette::Text, QApplication::palette().color(QPalette::ToolTipText));
    DBGrid1->setPalette(cells);
    QHeaderView* titles = DBGrid1->horizontalHeader();
    titles->setFont(timesFont(15, true));
    titles->setDefaultAlignment(Qt::AlignCenter);
    // A style sheet is the one way to colour header sections in every style.
    titles->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background-color: rgb(255, 255, 0); color: black;"
        " border: 1px solid gray; border-top: none; border-left: none; padding: 1px; }"));
    // An edit can lengthen a text, so the widths follow the table's changes.
    DBGrid1->setTextElideMode(Qt::ElideRight);
    DBGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DBGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);  // the width to share does not change
    grid->fitColumns();
    connect(model_, &QAbstractItemModel::modelReset, grid, &ConstantsGrid::fitColumns);
    connect(model_, &QAbstractItemModel::dataChanged, grid, &ConstantsGrid::fitColumns);

    Edit1 = forms::placed(new QLineEdit(this), "Edit1", {2, 344, 334, 23});
    Edit1->setFont(timesFont(13, false));

    BitBtn2 = forms::placed(new QPushButton(QStringLiteral("Copy"), this), "BitBtn2", {342, 344, 97, 25});
    BitBtn2->setToolTip(QStringLiteral("Copy to clipboard"));
    BitBtn2->setIcon(forms::buttonGlyph("copy"));
    BitBtn2->setAutoDefault(false);

    BitBtn1 = forms::placed(new QPushButton(QStringLiteral("Close"), this), "BitBtn1", {439, 344, 89, 25});
    BitBtn1->setToolTip(QStringLiteral("Close window"));
    BitBtn1->setIcon(forms::buttonGlyph("close"));
    BitBtn1->setAutoDefault(false);

    connect(DBGrid1, &QTableView::clicked, this, kv::guard(this, &TPhisForm::DBGrid1CellClick));
    connect(BitBtn2, &QPushButton::clicked, this, kv::guard(this, &TPhisForm::BitBtn2Click));
    connect(BitBtn1, &QPushButton::clicked, this, kv::guard(this, &TPhisForm::BitBtn1Click));
    // The grid moves the table's cursor and follows it; the keyboard moves
    // the cursor but leaves Edit1 alone. The window opens on the first
    // constant by name, wherever the cursor was left when the table was
    // opened and ordered.
    if (dm_->Table3.active()) dm_->Table3.first();
}

void TPhisForm::DBGrid1CellClick(const QModelIndex& index) {
    // The click has made the row current already; make sure of it, since the
    // line is read from the table's current row.
    if (index.isValid()) model_->setCurrentRow(index.row());
    Edit1->setText(reference::constantLine(*dm_->DataSource3.dataSet()));
    Edit1->setCursorPosition(0);  // the line is read from its start
}

void TPhisForm::BitBtn2Click() {
    forms::copyAll(Edit1);
}

void TPhisForm::BitBtn1Click() {
    close();
}
