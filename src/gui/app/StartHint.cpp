#include "gui/app/StartHint.h"

#include <QEvent>
#include <QFileInfo>

#include "core/base/Files.h"
#include "core/base/OwnTexts.h"
#include "gui/app/MainWindow.h"

namespace rm::gui {

namespace fs = std::filesystem;

namespace {
QString tr3(const Session& s, OwnText which)
{
    return QString::fromUtf8(ownText(s.app.texts, which));
}
}  // namespace

fs::path examplesDir(const Session& session)
{
    // Installed beside the documentation; in a source tree beside the resources.
    std::error_code ec;
    for (const fs::path& dir : {session.programDir / ".." / "share" / "doc" / "rackmason" / "examples",
                                session.resourceDir / ".." / "examples"})
        if (fs::is_directory(dir, ec)) return dir.lexically_normal();
    return {};
}

StartHint::StartHint(Session& session, MainWindow& main, QWidget* workspace)
    : QLabel(workspace), session_(session), main_(main)
{
    setObjectName("lblStartHint");
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setAutoFillBackground(true);
    setMargin(16);
    setFrameShape(QFrame::StyledPanel);
    connect(this, &QLabel::linkActivated, this, &StartHint::follow);
    workspace->installEventFilter(this);
}

void StartHint::refresh(bool workspaceEmpty)
{
    setVisible(workspaceEmpty);
    if (!workspaceEmpty) return;
    files_.clear();
    auto link = [](const QString& href, const QString& text) {
        return QString("<a href=\"%1\">%2</a>").arg(href, text.toHtmlEscaped());
    };
    auto fileLinks = [&](const QStringList& paths) {
        QStringList out;
        for (const QString& p : paths) {
            out << link("file:" + QString::number(files_.size()), QFileInfo(p).fileName());
            files_ << p;
        }
        return out.join(" &nbsp; ");
    };
    QString html = "<p><b>" + tr3(session_, OwnText::StartNoProject).toHtmlEscaped() + "</b></p><p>" +
                   link("new", tr3(session_, OwnText::StartNewProject)) + " (Ctrl+N)<br>" +
                   link("open", tr3(session_, OwnText::StartOpenProject)) + " (Ctrl+O) " +
                   tr3(session_, OwnText::StartOrDrop).toHtmlEscaped() + "</p>";
    QStringList examples;
    if (const fs::path dir = examplesDir(session_); !dir.empty()) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(dir, ec))
            if (entry.path().extension() == ".qv4") examples << QString::fromStdString(entry.path().string());
        examples.sort();
    }
    if (!examples.isEmpty())
        html += "<p>" + tr3(session_, OwnText::StartExamples).toHtmlEscaped() + " " + fileLinks(examples) + "</p>";
    QStringList recent;
    for (const std::string& p : session_.recent.entries()) recent << QString::fromStdString(p);
    if (!recent.isEmpty())
        html += "<p>" + tr3(session_, OwnText::StartRecent).toHtmlEscaped() + " " + fileLinks(recent) + "</p>";
    setText(html);
    place();
}

void StartHint::follow(const QString& link)
{
    if (link == "new")
        main_.NewProject();
    else if (link == "open")
        main_.OpenProject(true);
    else if (link.startsWith("file:"))
        if (const int i = link.mid(5).toInt(); i >= 0 && i < files_.size()) main_.openProjectFile(files_[i]);
}

void StartHint::place()
{
    adjustSize();
    const QWidget* area = parentWidget();
    const QSize size = sizeHint().boundedTo(area->size());
    setGeometry(QRect(QPoint((area->width() - size.width()) / 2, (area->height() - size.height()) / 3), size));
}

bool StartHint::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == parentWidget() && e->type() == QEvent::Resize) place();
    return QLabel::eventFilter(watched, e);
}

}  // namespace rm::gui
