#include "tools/reference/DbNavigator.h"

#include <QHBoxLayout>
#include <QToolButton>

#include "data/DataSource.h"
#include "widgets/forms/ButtonGlyphs.h"

TDBNavigator::TDBNavigator(TDataSource* source, QWidget* parent) : QWidget(parent), source_(source) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    First = addButton("First", "nav-first", QStringLiteral("First record"));
    Prior = addButton("Prior", "nav-prior", QStringLiteral("Prior record"));
    Next = addButton("Next", "nav-next", QStringLiteral("Next record"));
    Last = addButton("Last", "nav-last", QStringLiteral("Last record"));
    Refresh = addButton("Refresh", "nav-refresh", QStringLiteral("Refresh data"));
    // The data source reports its own errors through the handler guard.
    connect(First, &QToolButton::clicked, source_, &TDataSource::first);
    connect(Prior, &QToolButton::clicked, source_, &TDataSource::prior);
    connect(Next, &QToolButton::clicked, source_, &TDataSource::next);
    connect(Last, &QToolButton::clicked, source_, &TDataSource::last);
    connect(Refresh, &QToolButton::clicked, source_, &TDataSource::refresh);
    connect(source_, &TDataSource::rowsChanged, this, [this] { followTable(); });
    connect(source_, &TDataSource::currentChanged, this, [this] { followTable(); });
    followTable();
}

QToolButton* TDBNavigator::addButton(const char* name, const char* glyph, const QString& hint) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(forms::buttonGlyph(glyph));
    b->setToolTip(hint);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout()->addWidget(b);
    return b;
}

void TDBNavigator::followTable() {
    const dbase::Table& t = *source_->dataSet();
    const bool open = t.active();
    const int row = open ? t.recNo() : -1;
    const int rows = open ? t.recordCount() : 0;
    First->setEnabled(row > 0);
    Prior->setEnabled(row > 0);
    Next->setEnabled(row >= 0 && row < rows - 1);
    Last->setEnabled(row >= 0 && row < rows - 1);
    Refresh->setEnabled(open);
}
