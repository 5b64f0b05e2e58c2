#include "gui/catalog/CatalogWindow.h"

#include <QApplication>
#include <QDockWidget>
#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/base/FlowText.h"
#include "gui/catalog/CatalogFilter.h"
#include "gui/project/ProjectWindow.h"

namespace rm::gui {

namespace {
constexpr int kIndexRole = Qt::UserRole + 1;
constexpr int kTagRole = Qt::UserRole + 2;
constexpr int kImageRole = Qt::UserRole + 3;

QString fromCrLf(const std::string& text)
{
    QString s = QString::fromStdString(text);
    s.replace("\r\n", "\n");
    return s;
}
}  // namespace

QIcon catalogIcon(const Session& session, const std::string& key)
{
    std::string file = key == "CPU" ? "cpu" : key == "MODUL" ? "modul" : key;
    return QIcon(QString::fromStdString((session.resourceDir / "images" / (file + ".svg")).string()));
}

CatalogTree::CatalogTree(Session& session, QWidget* parent) : QTreeWidget(parent), session_(session)
{
    setObjectName("TreeV");
    setHeaderHidden(true);
    // The order number beside the designation tells modules of the same name
    // in two families apart. Long texts scroll rather than being cut short.
    setColumnCount(2);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setDragEnabled(false);  // drags are started here, with our own data
    setExpandsOnDoubleClick(true);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (int i = indexOf(item)) emit moduleActivated(i);
    });
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (item->data(0, kImageRole).toString() == "closed") item->setIcon(0, catalogIcon(session_, "open"));
    });
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (item->data(0, kImageRole).toString() == "closed") item->setIcon(0, catalogIcon(session_, "closed"));
    });
}

int CatalogTree::indexOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kIndexRole).toInt() : 0;
}

void CatalogTree::mousePressEvent(QMouseEvent* e)
{
    QTreeWidget::mousePressEvent(e);
    pressPos_ = e->pos();
    if (int i = indexOf(itemAt(e->pos()))) session_.app.CurrentModule = session_.app.ModulKatalog.at(i);
}

void CatalogTree::mouseMoveEvent(QMouseEvent* e)
{
    const int index = indexOf(currentItem());
    if (!(e->buttons() & Qt::LeftButton) || !index ||
        (e->pos() - pressPos_).manhattanLength() < QApplication::startDragDistance()) {
        QTreeWidget::mouseMoveEvent(e);
        return;
    }
    session_.app.CurrentModule = session_.app.ModulKatalog.at(index);
    auto* mime = new QMimeData;
    mime->setData(kCatalogMime, QByteArray::number(index));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    // The entry's icon and name follow the cursor, held at the icon's middle.
    const QRect band = visualItemRect(currentItem()).intersected(viewport()->rect());
    if (!band.isEmpty()) {
        drag->setPixmap(viewport()->grab(band));
        drag->setHotSpot(QPoint(std::min(pressPos_.x() - band.left(), band.width() - 1), band.height() / 2));
    } else {
        drag->setPixmap(currentItem()->icon(0).pixmap(16, 16));
        drag->setHotSpot(QPoint(8, 8));
    }
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

void CatalogTree::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (int i = indexOf(currentItem())) {
                emit moduleActivated(i);
                return;
            }
            break;
        case Qt::Key_Escape:
            emit escapePressed();
            return;
        default:
            break;
    }
    QTreeWidget::keyPressEvent(e);
}

CatalogWindow::CatalogWindow(Session& session, QWidget* parent)
    : QWidget(parent),
      session_(session),
      tree_(new CatalogTree(session, this)),
      text_(new QPlainTextEdit(this)),
      splitter_(new QSplitter(Qt::Vertical, this))
{
    setObjectName("TreeForm");
    setWindowTitle(session.caption("038"));
    text_->setObjectName("Text1");
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    splitter_->setObjectName("picSplitter");
    splitter_->addWidget(tree_);
    splitter_->addWidget(text_);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 1);
    splitter_->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);
    filter_ = new CatalogFilter(session, *tree_, this);
    layout->insertWidget(0, filter_->field());
    connect(filter_, &CatalogFilter::moduleActivated, this, &CatalogWindow::moduleActivated);
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, &CatalogWindow::focusSearch);
    resize(420, 600);

    auto* root = new QTreeWidgetItem(tree_);
    root->setText(0, QString::fromStdString(shownText(session.tree)));
    root->setIcon(0, catalogIcon(session, "closed"));
    root->setData(0, kImageRole, "closed");
    for (const auto& child : session.tree.children) build(child, root);
    root->setExpanded(true);
    for (int i = 0; i < root->childCount(); ++i) root->child(i)->setExpanded(false);

    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { showDescription(item); });
    connect(tree_, &CatalogTree::moduleActivated, this, &CatalogWindow::moduleActivated);
    connect(tree_, &CatalogTree::escapePressed, this, &CatalogWindow::escapePressed);
}

void CatalogWindow::build(const CatalogNode& node, QTreeWidgetItem* parent)
{
    auto* item = new QTreeWidgetItem(parent);
    item->setText(0, QString::fromStdString(shownText(node)));
    item->setIcon(0, catalogIcon(session_, node.image));
    item->setData(0, kImageRole, QString::fromStdString(node.image));
    if (node.isGroup) {
        if (node.tag) item->setData(0, kTagRole, fromCrLf(*node.tag));
    } else {
        item->setData(0, kIndexRole, node.index);
        const QString order =
            node.index ? QString::fromStdString(session_.app.ModulKatalog.at(node.index).BestellNr) : QString();
        if (order != item->text(0)) {
            item->setText(1, order);
            item->setForeground(1, tree_->palette().brush(QPalette::Disabled, QPalette::Text));
        }
        // The whole of both, whatever the width of the catalog.
        const QString tip = order.isEmpty() || order == item->text(0) ? item->text(0) : item->text(0) + "\n" + order;
        item->setToolTip(0, tip);
        item->setToolTip(1, tip);
    }
    for (const auto& child : node.children) build(child, item);
}

void CatalogWindow::showDescription(QTreeWidgetItem* item)
{
    if (!item) {
        text_->clear();
        return;
    }
    const int index = CatalogTree::indexOf(item);
    text_->setPlainText(index ? QString::fromStdString(flowParagraphs(session_.app.ModulKatalog.at(index).Kommentar))
                              : item->data(0, kTagRole).toString());
}

void CatalogWindow::focusSearch()
{
    if (auto* dock = qobject_cast<QDockWidget*>(parentWidget())) {
        dock->show();
        dock->raise();
    }
    window()->activateWindow();
    filter_->field()->setFocus();
    filter_->field()->selectAll();
}

QTreeWidgetItem* CatalogWindow::findModule(int index) const
{
    QTreeWidgetItemIterator it(tree_);
    for (; *it; ++it)
        if (CatalogTree::indexOf(*it) == index) return *it;
    return nullptr;
}

void CatalogWindow::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    emit visibilityChanged(true);
}

void CatalogWindow::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    emit visibilityChanged(false);
}

}  // namespace rm::gui
