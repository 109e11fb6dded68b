#include "app/ui/ProfileListView.h"

#include "platform/Drawing.h"
#include "platform/ui/KeyPressWatch.h"

#include <QHeaderView>
#include <QScopedValueRollback>
#include <QTreeWidget>

namespace {
void ShowEntry(QTreeWidgetItem* item, const ProfileIndexEntry& entry)
{
    item->setText(0, QString::fromStdString(entry.fullName));
    item->setText(1, QString::fromStdString(entry.description));
    item->setText(2, QString::fromStdString(entry.calibrationLabel));
}
}

ProfileListView::ProfileListView(QWidget* parent) : tree(new QTreeWidget(parent))
{
    tree->setObjectName(QStringLiteral("profileList"));
    tree->setGeometry(28, 68, 726, 302);
    tree->setFont(ControlFont());
    tree->setToolTip(QStringLiteral("all profiles"));
    tree->setColumnCount(3);
    tree->setHeaderLabels({QStringLiteral("Full Name"), QStringLiteral("Description"), QStringLiteral("Calibration")});
    tree->header()->setFont(ControlFont());
    tree->header()->setSectionsMovable(false);
    tree->header()->setSortIndicatorShown(false);
    tree->header()->setStretchLastSection(false);
    tree->setColumnWidth(0, 250);
    tree->setColumnWidth(1, 300);
    tree->setColumnWidth(2, 100);
    tree->setRootIsDecorated(false);
    tree->setItemsExpandable(false);
    tree->setUniformRowHeights(true);
    tree->setSortingEnabled(false);
    tree->setAllColumnsShowFocus(true);
    tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette palette = tree->palette();
    palette.setColor(QPalette::Base, QColor(128, 128, 128));
    palette.setColor(QPalette::AlternateBase, QColor(128, 128, 128));
    palette.setColor(QPalette::Text, Qt::black);
    // The selection stays visible when the list loses the focus.
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, QColor(0, 0, 128));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    tree->setPalette(palette);
    KeyPressWatch::Watch(tree);
}

void ProfileListView::SetRows(const std::vector<ProfileIndexEntry>& entries)
{
    const QScopedValueRollback<bool> guard(updating, true);
    for (const ProfileIndexEntry& entry : entries)
        ShowEntry(new QTreeWidgetItem(tree), entry);
}

void ProfileListView::AddRow(const ProfileIndexEntry& entry)
{
    ShowEntry(new QTreeWidgetItem(tree), entry);
}

void ProfileListView::SetRow(int row, const ProfileIndexEntry& entry)
{
    ShowEntry(tree->topLevelItem(row), entry);
}

void ProfileListView::RemoveRow(int row)
{
    const QScopedValueRollback<bool> guard(updating, true);
    delete tree->takeTopLevelItem(row);
}

std::vector<int> ProfileListView::SelectedRows() const
{
    std::vector<int> rows;
    for (int row = 0; row < tree->topLevelItemCount(); ++row)
        if (tree->topLevelItem(row)->isSelected())
            rows.push_back(row);
    return rows;
}

void ProfileListView::SelectOnly(int row)
{
    const QScopedValueRollback<bool> guard(updating, true);
    tree->clearSelection();
    if (row < 0 || row >= tree->topLevelItemCount())
        return;
    QTreeWidgetItem* item = tree->topLevelItem(row);
    tree->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    item->setSelected(true);
    tree->scrollToItem(item);
}
