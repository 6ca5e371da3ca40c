#include "tools/hexview/InspectorPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/HandlerGuard.h"
#include "widgets/forms/FormControls.h"

TInspectorPanel::TInspectorPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("InspectorPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 0, 0);
    BigEndianCheck = new QCheckBox(QStringLiteral("&Big-endian"), this);
    forms::name(BigEndianCheck, "BigEndianCheck");
    InspectorList = new QTreeWidget(this);
    forms::name(InspectorList, "InspectorList");
    InspectorList->setColumnCount(2);
    InspectorList->setHeaderLabels({QStringLiteral("Field"), QStringLiteral("Value")});
    InspectorList->setRootIsDecorated(false);
    InspectorList->setUniformRowHeights(true);
    InspectorList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    InspectorList->setContextMenuPolicy(Qt::CustomContextMenu);
    InspectorList->installEventFilter(this);
    layout->addWidget(BigEndianCheck);
    layout->addWidget(InspectorList, 1);

    InspectorPopup = new QMenu(this);
    forms::name(InspectorPopup, "InspectorPopup");
    MenuCopyValue = InspectorPopup->addAction(QStringLiteral("&Copy value"));

    connect(BigEndianCheck, &QCheckBox::toggled, this, [this](bool on) { emit orderChanged(on); });
    connect(InspectorList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const int row = item ? InspectorList->indexOfTopLevelItem(item) : -1;
        if (row < 0 || row >= static_cast<int>(fields_.size())) return;
        const hexview::InspectorField& field = fields_[static_cast<std::size_t>(row)];
        emit fieldChosen(field.value == hexview::kPastTheEnd ? 0 : field.length);
    });
    connect(InspectorList, &QWidget::customContextMenuRequested, this, kv::guard([this](const QPoint& at) {
        if (QTreeWidgetItem* item = InspectorList->itemAt(at)) InspectorList->setCurrentItem(item);
        InspectorPopup->popup(InspectorList->viewport()->mapToGlobal(at));
    }));
    connect(MenuCopyValue, &QAction::triggered, this, kv::guard(this, &TInspectorPanel::MenuCopyValueClick));
}

void TInspectorPanel::showFields(const std::vector<hexview::InspectorField>& fields) {
    const int chosen = InspectorList->indexOfTopLevelItem(InspectorList->currentItem());
    const QSignalBlocker quiet(InspectorList);
    if (InspectorList->topLevelItemCount() != static_cast<int>(fields.size())) {
        InspectorList->clear();
        for (const hexview::InspectorField& f : fields)
            InspectorList->addTopLevelItem(new QTreeWidgetItem({QString::fromLatin1(f.name), QString()}));
    }
    for (std::size_t k = 0; k < fields.size(); ++k)
        InspectorList->topLevelItem(static_cast<int>(k))->setText(1, QString::fromStdString(fields[k].value));
    fields_ = fields;
    if (chosen >= 0) InspectorList->setCurrentItem(InspectorList->topLevelItem(chosen));
}

void TInspectorPanel::MenuCopyValueClick() {
    const int row = InspectorList->indexOfTopLevelItem(InspectorList->currentItem());
    if (row < 0 || row >= static_cast<int>(fields_.size())) return;
    QApplication::clipboard()->setText(QString::fromStdString(fields_[static_cast<std::size_t>(row)].value));
}

bool TInspectorPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == InspectorList && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        kv::guarded([this] { MenuCopyValueClick(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
