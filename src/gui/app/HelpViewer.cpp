#include "gui/app/HelpViewer.h"
#include "core/base/TextIds.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/base/OwnTexts.h"
#include "gui/app/Session.h"

namespace rm::gui {

namespace {

QPointer<HelpViewer> theViewer;

QToolButton* toolButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(parent->style()->standardIcon(icon));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    return b;
}

}  // namespace

HelpViewer::HelpViewer(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    // An open help window must not keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);

    back_ = toolButton(this, "btnBack", QStyle::SP_ArrowBack);
    forward_ = toolButton(this, "btnForward", QStyle::SP_ArrowForward);
    contents_ = toolButton(this, "btnContents", QStyle::SP_DirHomeIcon);
    back_->setShortcut(QKeySequence::Back);
    forward_->setShortcut(QKeySequence::Forward);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("txtHelp"));
    browser_->setOpenExternalLinks(true);

    auto* bar = new QHBoxLayout;
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addWidget(contents_);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);

    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents_, &QToolButton::clicked, this, [this] { browser_->setSource(contentsUrl_); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    resize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 36);
    attachTo(owner);
}

HelpViewer* HelpViewer::instance()
{
    return theViewer.data();
}

QUrl HelpViewer::source() const
{
    return browser_->source();
}

void HelpViewer::showHelp(Session& session, int context, QWidget* parent)
{
    QWidget* owner = parent ? parent->window() : nullptr;
    if (!theViewer) {
        theViewer = new HelpViewer(owner);
    } else if (theViewer->owner_ != owner) {
        theViewer->attachTo(owner);
    }
    theViewer->retranslate(session);
    theViewer->open(session.helpPage(context), session.helpPage(0));
    theViewer->show();
    theViewer->raise();
    theViewer->activateWindow();
}

void HelpViewer::bindHelpKey(QAbstractButton* button)
{
    auto* key = new QShortcut(QKeySequence::HelpContents, button->window());
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, button, [button] {
        if (button->isVisible() && button->isEnabled()) button->click();
    });
}

void HelpViewer::retranslate(const Session& session)
{
    setWindowTitle(session.t(txt::MenuHelp));
    contents_->setText(session.t(txt::HelpContents));
    back_->setText(QString::fromUtf8(ownText(session.app.texts, OwnText::HelpBack)));
    forward_->setText(QString::fromUtf8(ownText(session.app.texts, OwnText::HelpForward)));
}

void HelpViewer::open(const QString& page, const QString& contents)
{
    contentsUrl_ = QUrl::fromLocalFile(contents);
    if (QFileInfo::exists(page)) {
        browser_->setSource(QUrl::fromLocalFile(page));
    } else {
        browser_->setPlainText(page);  // names the page that is missing
    }
}

// A window blocked by a modal dialog cannot be used, but the dialog's own
// windows can: the viewer belongs to the window that asked for it, and when
// that one goes away it moves on to that window's owner.
void HelpViewer::attachTo(QWidget* owner)
{
    if (owner_) owner_->removeEventFilter(this);
    owner_ = owner;
    if (parentWidget() != owner) {
        const QRect where = geometry();
        const bool shown = isVisible();
        setParent(owner, windowFlags());
        setGeometry(where);
        if (shown) show();
    }
    if (owner_) owner_->installEventFilter(this);
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event)
{
    // Only a dialog closing hands the viewer on; a minimised or closing main
    // window keeps it (and takes it along when it goes).
    if (watched == owner_ && event->type() == QEvent::Hide && !event->spontaneous() && owner_->parentWidget())
        attachTo(owner_->parentWidget()->window());
    return QWidget::eventFilter(watched, event);
}

}  // namespace rm::gui
