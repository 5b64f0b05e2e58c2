#include "gui/app/StatusLine.h"

#include <QDir>
#include <QPainter>
#include <QStyle>

#include "core/base/OwnTexts.h"
#include "core/project/ProjectCheck.h"
#include "core/project/StatusSummary.h"
#include "gui/project/ProjectWindow.h"

namespace rm::gui {

ElidingLabel::ElidingLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void ElidingLabel::setLine(const QString& text)
{
    line_ = text;
    setText(text);  // for sizeHint and accessibility
    updateTip();
    update();
}

QSize ElidingLabel::minimumSizeHint() const
{
    return {fontMetrics().horizontalAdvance(QStringLiteral("...")), QLabel::minimumSizeHint().height()};
}

void ElidingLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect r = contentsRect();
    const QString shown = fontMetrics().elidedText(line_, Qt::ElideRight, r.width());
    style()->drawItemText(&painter, r, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), shown,
                          foregroundRole());
}

void ElidingLabel::resizeEvent(QResizeEvent* e)
{
    QLabel::resizeEvent(e);
    updateTip();
}

void ElidingLabel::updateTip()
{
    const bool cut = fontMetrics().horizontalAdvance(line_) > contentsRect().width();
    setToolTip(cut ? line_ : QString());
}

StatusLine::StatusLine(Session& session, QWidget* parent)
    : QStatusBar(parent),
      session_(session),
      row_(new ElidingLabel(this)),
      slots_(new ElidingLabel(this)),
      problems_(new QPushButton(this))
{
    setObjectName("StatusLine");
    row_->setObjectName("lblStatusRow");
    slots_->setObjectName("lblStatusSlots");
    problems_->setObjectName("btnStatusProblems");
    problems_->setFlat(true);
    problems_->setCursor(Qt::PointingHandCursor);
    addWidget(row_, 1);
    addPermanentWidget(slots_);
    addPermanentWidget(problems_);
    connect(problems_, &QPushButton::clicked, this, &StatusLine::listProblems);
    showProject(nullptr);
}

void StatusLine::showProject(ProjectWindow* w)
{
    problems_->setVisible(w != nullptr);
    slots_->setVisible(w != nullptr);
    if (!w) {
        row_->setLine({});
        problemCount_ = 0;
        return;
    }
    const ProjectTable& t = w->table();
    const Texts& texts = session_.app.texts;
    row_->setLine(QString::fromStdString(selectedRowText(texts, t, t.currentRow())));
    slots_->setLine(QString::fromStdString(stationSlotsText(texts, stationSlots(t))));
    problemCount_ = findProblems(t, session_.app.ModulKatalog).size();
    problems_->setText(QString::fromStdString(problemCountText(texts, problemCount_)));
    problems_->setEnabled(problemCount_ != 0);
}

void StatusLine::showNote(const QString& note)
{
    if (note.isEmpty())
        clearMessage();
    else
        showMessage(note);
}

void StatusLine::showWritten(const QString& path)
{
    if (!path.isEmpty())
        showNote(QString::fromStdString(
            ownText(session_.app.texts, OwnText::FileWritten, {QDir::toNativeSeparators(path).toStdString()})));
}

void StatusLine::listProblems()
{
    if (problemCount_ != 0) emit problemsWanted();
}

}  // namespace rm::gui
