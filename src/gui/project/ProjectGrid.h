// The project table on screen: the model that shows a project's rows to Qt,
// and the view that takes the mouse, the keyboard and drag and drop for its
// project window.
#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <map>

#include "core/table/ProjectTable.h"

namespace rm::gui {

class ProjectWindow;

// The table as Qt sees it: table row r is view row r - 1 (row 0 is the header).
class ProjectTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ProjectTableModel(ProjectTable& table, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void refresh();
    // Rows the project check finds a problem in, with the problems' texts:
    // they are marked and the texts are their tooltips.
    void setProblemRows(std::map<int, QString> rows) { problemRows_ = std::move(rows); }
    bool hasProblem(int row) const { return problemRows_.count(row) != 0; }

private:
    ProjectTable& table_;
    std::map<int, QString> problemRows_;
};

// Drag data: a catalog entry, or a row of a project window.
inline constexpr const char* kCatalogMime = "application/x-rackmason-catalog-entry";
inline constexpr const char* kRowMime = "application/x-rackmason-project-row";

class ProjectGrid : public QTableView {
    Q_OBJECT
public:
    ProjectGrid(ProjectWindow& window, QWidget* parent);

signals:
    void rowActivated(int row);  // double click, Enter or Space on a row
    void deletePressed();
    void contextMenuWanted(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

public:
    int dropRow() const { return dropRow_; }  // the row a drop would go to; 0 when none

private:
    int tableRowAt(const QPoint& pos) const;
    bool acceptDrag(QDropEvent* e);
    void setDropRow(int row, const QString& note);

    ProjectWindow& window_;
    QPoint pressPos_;
    int pressRow_ = 0;
    int dropRow_ = 0;
    QString refusal_;  // why the row under the cursor refuses the drag; empty when it takes it
};

}  // namespace rm::gui
