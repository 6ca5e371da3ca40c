#include "tools/convert/Find.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <memory>

#include "core/HandlerGuard.h"
#include "data/DM.h"
#include "data/TableModel.h"
#include "platform/HelpKey.h"
#include "tools/convert/Meas.h"
#include "widgets/forms/DBGrid.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ToolDialog.h"

namespace {

QFont serif(const QFont& base, bool italic) {
    QFont f(QStringLiteral("Times New Roman"), base.pointSize());
    f.setStyleHint(QFont::Serif);
    f.setBold(true);
    f.setItalic(italic);
    return f;
}

}  // namespace

TFindForm::TFindForm(QWidget* parent)
    : QDialog(parent, forms::dialogFrame(forms::Frame::Fixed)) {
    forms::setUpDialog(this, "FindForm", QStringLiteral("Find "), {222, 348});
    platform::helpOnF1(this, QStringLiteral("40.html#finding"));
    move(180, 123);

    Label1 = forms::label(this, "Label1", QStringLiteral("Input name "), {72, 0}, serif(font(), true));

    Edit1 = forms::placed(new QLineEdit(this), "Edit1", {8, 23, 201, 24});
    Edit1->setFont(serif(font(), false));

    DBGrid1 = forms::placed(new TDBGrid(this), "DBGrid1", {8, 51, 201, 265});
    DBGrid1->setFont(serif(font(), false));
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->verticalHeader()->setDefaultSectionSize(QFontMetrics(DBGrid1->font()).height() + 4);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: rgb(128, 255, 128); color: black; font-weight: bold; }"));

    BitBtn1 = forms::placed(new QPushButton(QStringLiteral("Go to converter"), this), "BitBtn1", {8, 321, 113, 25});
    BitBtn1->setAutoDefault(false);
    BitBtn2 = forms::placed(new QPushButton(QStringLiteral("&Close"), this), "BitBtn2", {128, 321, 81, 25});
    BitBtn2->setAutoDefault(false);

    connect(Edit1, &QLineEdit::textChanged, this, kv::guard([this](const QString&) { Edit1Change(); }));
    connect(BitBtn1, &QPushButton::clicked, this, kv::guard(this, &TFindForm::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, kv::guard(this, &TFindForm::BitBtn2Click));
    connect(DBGrid1, &QTableView::doubleClicked, this, kv::guard([this](const QModelIndex&) { BitBtn1Click(); }));

    kv::guarded([this] { FormCreate(); });
    attachGrid();
}

TFindForm::~TFindForm() {
    // Destroyed without being closed (the program ending): the table is shared still.
    if (tableTaken_) kv::guarded([this] { FormClose(); });
}

void TFindForm::FormCreate() {
    tableTaken_ = true;
    DM->Table1.setIndexName("NAME");
    DM->Table1.setFiltered(false);
}

void TFindForm::attachGrid() {
    if (model_) return;
    model_ = new TableModel(&DM->DataSource1, {QStringLiteral("NAME")}, this);
    model_->setColumnTitle(0, QStringLiteral("Name of measure"));
    DBGrid1->setSource(model_);
}

void TFindForm::detachGrid() {
    if (!model_) return;
    DBGrid1->setSource(nullptr);
    delete model_;
    model_ = nullptr;
}

void TFindForm::Edit1Change() {
    DM->Table1.findKey(Edit1->text().toStdString());
}

void TFindForm::BitBtn1Click() {
    auto converter = std::make_unique<TMeasForm>(nullptr);
    dbase::Table& units = DM->Table1;
    const int category = static_cast<int>(units.asInteger("CLASS"));
    const int number = static_cast<int>(units.asInteger("NUMBER"));
    {
        QSignalBlocker quiet(converter->ListBox1);
        converter->ListBox1->setCurrentRow(category - 1);
    }

    // The converter works on the table in its own order; the grid must not
    // follow its moves.
    units.setIndexName("NUMBER");
    units.setFiltered(true);
    detachGrid();
    // Back to this window's order however the converter ends, errors included.
    auto back = qScopeGuard([this] {
        kv::guarded([this] {
            DM->Table1.setIndexName("NAME");
            DM->Table1.setFiltered(false);
        });
        attachGrid();
    });

    converter->ListBox1Click();
    {
        QSignalBlocker quiet(converter->ListBox2);
        converter->ListBox2->setCurrentRow(number);
    }
    converter->ListBox2Click();
    {
        QSignalBlocker quiet(converter->ListBox3);
        converter->ListBox3->setCurrentRow(number);
    }
    converter->ListBox3Click();
    converter->exec();
}

void TFindForm::BitBtn2Click() {
    close();
}

void TFindForm::FormClose() {
    tableTaken_ = false;
    DM->Table1.setIndexName("NUMBER");
    DM->Table1.setFiltered(true);
}

void TFindForm::done(int result) {
    if (tableTaken_) kv::guarded([this] { FormClose(); });
    QDialog::done(result);
}
