#include "LQtListView.h"

#include "LQtGeometry.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include <algorithm>

LQtListView::LQtListView(QWidget* parent,
                         std::function<void(const std::vector<int>& rows)> onSelected,
                         std::function<void(int column, int width)> onResized)
    : QTreeWidget(parent), selected(std::move(onSelected)), resized(std::move(onResized)) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAlternatingRowColors(true);
    header()->setStretchLastSection(false);
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] { selected(SelectedRows()); });
    // A fill column follows the list's width: only the user's resizing is reported.
    connect(header(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (header()->sectionResizeMode(column) == QHeaderView::Interactive) {
            resized(column, width);
        }
    });
}

void LQtListView::Apply(const LControl& control) {
    const QSignalBlocker quiet(this);
    const QSignalBlocker quietHeader(header());
    ApplyColumns(control);
    ApplyRows(control);
    ApplySelection(control);
    // The edit hint tells how to change the editable columns; a help tag of its own wins.
    if (control.tooltip.empty()) {
        setToolTip(LQtString(control.editHint));
    }
}

void LQtListView::ApplyColumns(const LControl& control) {
    const int count = std::max(static_cast<int>(control.columns.size()), 1);
    setColumnCount(count);
    setHeaderHidden(control.columns.empty());
    QStringList titles;
    for (const LListViewColumn& column : control.columns) {
        titles << LQtString(column.title);
    }
    setHeaderLabels(titles);
    for (int index = 0; index < static_cast<int>(control.columns.size()); ++index) {
        const LListViewColumn& column = control.columns[static_cast<size_t>(index)];
        // A fill column takes what the others leave of the visible width, scroll bar included.
        header()->setSectionResizeMode(
            index, column.fill ? QHeaderView::Stretch : QHeaderView::Interactive);
        if (!column.fill && columnWidth(index) != column.width) {
            setColumnWidth(index, column.width);
        }
    }
}

void LQtListView::ApplyRows(const LControl& control) {
    const int rows = static_cast<int>(control.rows.size());
    while (topLevelItemCount() > rows) {
        delete takeTopLevelItem(topLevelItemCount() - 1);
    }
    for (int row = 0; row < rows; ++row) {
        QTreeWidgetItem* item = topLevelItem(row);
        if (item == nullptr) {
            item = new QTreeWidgetItem(this);
        }
        const std::vector<std::string>& cells = control.rows[static_cast<size_t>(row)];
        for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
            const QString text = LQtString(cells[static_cast<size_t>(column)]);
            if (item->text(column) != text) {
                item->setText(column, text);
            }
        }
    }
}

void LQtListView::ApplySelection(const LControl& control) {
    for (int row = 0; row < topLevelItemCount(); ++row) {
        const bool chosen = row < static_cast<int>(control.selected.size()) &&
                            control.selected[static_cast<size_t>(row)];
        QTreeWidgetItem* item = topLevelItem(row);
        if (item->isSelected() != chosen) {
            item->setSelected(chosen);
        }
    }
}

std::vector<int> LQtListView::SelectedRows() const {
    std::vector<int> rows;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        if (topLevelItem(row)->isSelected()) {
            rows.push_back(row);
        }
    }
    return rows;
}
