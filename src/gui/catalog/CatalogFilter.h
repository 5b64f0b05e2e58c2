// The search field above the catalog tree: typing shows only the modules
// whose order number, designation or description holds the text, with their
// groups expanded; Escape (in the field or the tree) brings the tree back as
// it was.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QTreeWidget>
#include <map>
#include <memory>

#include "core/catalog/CatalogSearch.h"
#include "gui/app/Session.h"

namespace rm::gui {

class CatalogFilter : public QObject {
    Q_OBJECT
public:
    CatalogFilter(Session& session, QTreeWidget& tree, QWidget* parent);
    QLineEdit* field() { return field_; }
    bool active() const { return !saved_.empty(); }
    // Shows the hits of a text; an empty text restores the tree.
    void apply(const QString& text);
    // The matching modules shown now.
    int hitCount() const { return hits_; }

signals:
    void moduleActivated(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool filterItem(QTreeWidgetItem* item, const std::string& folded);
    void restore();
    QTreeWidgetItem* firstHit() const;

    Session& session_;
    QTreeWidget& tree_;
    QLineEdit* field_;
    QLabel* noHit_;
    QWidget* viewport_ = nullptr;
    std::unique_ptr<CatalogSearch> search_;
    std::map<QTreeWidgetItem*, bool> saved_;  // expansion of the groups before the search
    QTreeWidgetItem* savedCurrent_ = nullptr;
    int hits_ = 0;
};

}  // namespace rm::gui
