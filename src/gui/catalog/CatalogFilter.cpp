#include "gui/catalog/CatalogFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QTreeWidgetItemIterator>

#include "gui/app/WorkTexts.h"
#include "gui/catalog/CatalogWindow.h"

namespace rm::gui {

CatalogFilter::CatalogFilter(Session& session, QTreeWidget& tree, QWidget* parent)
    : QObject(parent),
      session_(session),
      tree_(tree),
      field_(new QLineEdit(parent)),
      noHit_(new QLabel(tree.viewport()))
{
    field_->setObjectName("catalogSearch");
    field_->setPlaceholderText(workText(session, OwnText::SearchHint));
    field_->setClearButtonEnabled(true);
    field_->installEventFilter(this);
    tree_.installEventFilter(this);
    viewport_ = tree_.viewport();
    viewport_->installEventFilter(this);
    noHit_->setObjectName("catalogNoHit");
    noHit_->setWordWrap(true);
    noHit_->setAlignment(Qt::AlignCenter);
    noHit_->setStyleSheet("color: #616161; padding: 12px");
    noHit_->hide();
    connect(field_, &QLineEdit::textChanged, this, &CatalogFilter::apply);
}

void CatalogFilter::apply(const QString& text)
{
    const std::string folded = foldCase(text.trimmed().toStdString());
    if (folded.empty()) {
        restore();
        return;
    }
    if (!search_) search_ = std::make_unique<CatalogSearch>(session_.app.ModulKatalog);
    if (saved_.empty()) {
        savedCurrent_ = tree_.currentItem();
        QTreeWidgetItemIterator it(&tree_);
        for (; *it; ++it)
            if ((*it)->childCount()) saved_[*it] = (*it)->isExpanded();
    }
    hits_ = 0;
    tree_.setUpdatesEnabled(false);
    for (int i = 0; i < tree_.topLevelItemCount(); ++i) filterItem(tree_.topLevelItem(i), folded);
    tree_.setUpdatesEnabled(true);
    noHit_->setText(workText(session_, OwnText::NoHit, text.trimmed()));
    noHit_->setGeometry(tree_.viewport()->rect());
    noHit_->setVisible(hits_ == 0);
    // The description below shows a hit, or nothing.
    if (QTreeWidgetItem* cur = tree_.currentItem(); !cur || cur->isHidden()) tree_.setCurrentItem(firstHit());
}

bool CatalogFilter::filterItem(QTreeWidgetItem* item, const std::string& folded)
{
    bool shown = false;
    if (item->childCount() == 0) {
        shown = search_->matches(CatalogTree::indexOf(item), folded);
        hits_ += shown;
    } else {
        for (int i = 0; i < item->childCount(); ++i) shown |= filterItem(item->child(i), folded);
        item->setExpanded(shown);
    }
    item->setHidden(!shown);
    return shown;
}

void CatalogFilter::restore()
{
    noHit_->hide();
    if (saved_.empty()) return;
    tree_.setUpdatesEnabled(false);
    QTreeWidgetItemIterator it(&tree_);
    for (; *it; ++it) (*it)->setHidden(false);
    // Making an item current scrolls to it and opens its groups: first the
    // item, then the groups as they were.
    const bool scrolls = tree_.hasAutoScroll();
    tree_.setAutoScroll(false);
    if (savedCurrent_) tree_.setCurrentItem(savedCurrent_);
    tree_.setAutoScroll(scrolls);
    for (const auto& [item, expanded] : saved_) item->setExpanded(expanded);
    tree_.setUpdatesEnabled(true);
    saved_.clear();
    savedCurrent_ = nullptr;
}

QTreeWidgetItem* CatalogFilter::firstHit() const
{
    QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree_), QTreeWidgetItemIterator::NotHidden);
    for (; *it; ++it)
        if (CatalogTree::indexOf(*it)) return *it;
    return nullptr;
}

bool CatalogFilter::eventFilter(QObject* watched, QEvent* e)
{
    // The viewport's own size: it may be resized while the tree is torn down.
    if (watched == viewport_ && e->type() == QEvent::Resize)
        noHit_->setGeometry(QRect(QPoint(), static_cast<QResizeEvent*>(e)->size()));
    if (e->type() != QEvent::KeyPress) return QObject::eventFilter(watched, e);
    auto* k = static_cast<QKeyEvent*>(e);
    // In the tree, Escape first ends a search; without one it goes on as before.
    if (watched == &tree_) {
        if (k->key() != Qt::Key_Escape || !active()) return false;
        field_->clear();
        return true;
    }
    if (watched != field_) return false;
    switch (k->key()) {
        case Qt::Key_Escape:
            field_->clear();
            tree_.setFocus();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            QTreeWidgetItem* item = tree_.currentItem();
            if (!item || item->isHidden() || !CatalogTree::indexOf(item)) item = active() ? firstHit() : nullptr;
            if (int index = CatalogTree::indexOf(item)) emit moduleActivated(index);
            return true;
        }
        case Qt::Key_Down:
        case Qt::Key_Up:
            tree_.setFocus();
            QCoreApplication::sendEvent(&tree_, e);
            return true;
        default:
            return false;
    }
}

}  // namespace rm::gui
