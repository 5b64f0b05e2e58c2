// The help window: the help page of a context id in a browser with back,
// forward and contents buttons. One window serves every Help button; it is
// not modal, so the user can keep it open beside the dialog it explains.
#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>

class QAbstractButton;
class QTextBrowser;
class QToolButton;

namespace rm::gui {

struct Session;

class HelpViewer : public QWidget {
    Q_OBJECT

public:
    // Shows the page of the context (0: the contents) in the one help window,
    // opening it when needed. The window stays usable while parent is a
    // modal dialog and moves on to parent's owner when the dialog closes.
    static void showHelp(Session& session, int context, QWidget* parent);
    // F1 anywhere in button's window does what the button does (the
    // dialog's Help button opens the dialog's own page).
    static void bindHelpKey(QAbstractButton* button);
    // The open help window, or nullptr.
    static HelpViewer* instance();

    QUrl source() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit HelpViewer(QWidget* owner);
    void retranslate(const Session& session);
    void open(const QString& page, const QString& contents);
    void attachTo(QWidget* owner);

    QTextBrowser* browser_;
    QToolButton* back_;
    QToolButton* forward_;
    QToolButton* contents_;
    QUrl contentsUrl_;
    QPointer<QWidget> owner_;
};

}  // namespace rm::gui
