#pragma once

#include "LControl.h"

#include <QTreeWidget>

#include <functional>
#include <vector>

// A list view: a header with the model's columns and one row of cells per model row, several rows
// selectable. What the user does comes back through the two callbacks; the model's state is put on
// it with Apply, which never calls them.
class LQtListView : public QTreeWidget {
public:
    LQtListView(QWidget* parent, std::function<void(const std::vector<int>& rows)> selected,
                std::function<void(int column, int width)> resized);

    void Apply(const LControl& control);

private:
    void ApplyColumns(const LControl& control);
    void ApplyRows(const LControl& control);
    void ApplySelection(const LControl& control);
    std::vector<int> SelectedRows() const;

    std::function<void(const std::vector<int>&)> selected;
    std::function<void(int, int)> resized;
};
