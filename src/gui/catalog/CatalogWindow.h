// The catalog window: the module tree, a splitter and the description of the
// selected entry. Modules are inserted by double click, Enter or Space, or
// dragged onto a project table.
#pragma once

#include <QPlainTextEdit>
#include <QSplitter>
#include <QTreeWidget>
#include <QWidget>

#include "gui/app/Session.h"

namespace rm::gui {

class CatalogFilter;

class CatalogTree : public QTreeWidget {
    Q_OBJECT
public:
    CatalogTree(Session& session, QWidget* parent);
    // Catalog index of an item; 0 for groups and entries that insert nothing.
    static int indexOf(const QTreeWidgetItem* item);

signals:
    void moduleActivated(int index);
    void escapePressed();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    Session& session_;
    QPoint pressPos_;
};

class CatalogWindow : public QWidget {
    Q_OBJECT
public:
    CatalogWindow(Session& session, QWidget* parent);
    CatalogTree* tree() { return tree_; }
    QPlainTextEdit* description() { return text_; }
    // The item showing a catalog index (the first one), for tests and selection.
    QTreeWidgetItem* findModule(int index) const;
    CatalogFilter* filter() { return filter_; }
    // Ctrl+F: the search field, its text selected.
    void focusSearch();

signals:
    void moduleActivated(int index);
    void escapePressed();
    void visibilityChanged(bool shown);

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void build(const CatalogNode& node, QTreeWidgetItem* parent);
    void showDescription(QTreeWidgetItem* item);

    Session& session_;
    CatalogTree* tree_;
    QPlainTextEdit* text_;
    QSplitter* splitter_;
    CatalogFilter* filter_ = nullptr;
};

QIcon catalogIcon(const Session& session, const std::string& key);

}  // namespace rm::gui
