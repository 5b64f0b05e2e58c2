// A project window: the seven-column table of one project, with drag and
// drop, the keyboard, and the project's file, edit and generate commands.
#pragma once

#include <QWidget>
#include <functional>
#include <map>

#include "core/table/ProjectHistory.h"
#include "core/table/ProjectTable.h"
#include "gui/app/Session.h"
#include "gui/project/ProjectGrid.h"

namespace rm::gui {

class StationView;

// What a module or CPU dialog does: edit CurrentModule (and NextModule);
// true when it ended with OK. Registered per dialog kind.
using RowDialog = std::function<bool(Session&, ProjectTable&, QWidget* parent)>;

class ProjectWindow : public QWidget {
    Q_OBJECT
public:
    ProjectWindow(Session& session, const QString& title, QWidget* parent = nullptr);

    ProjectTable& table() { return table_; }
    Session& session() { return session_; }
    ProjectGrid* grid() { return grid_; }
    StationView* picture() { return picture_; }
    void setPictureShown(bool shown);
    QString title() const { return title_; }
    // Full path of the project file; empty until saved or opened.
    QString path() const { return QString::fromStdString(table_.info().ProjektPfad); }

    // ---- commands of the main window
    bool ProjektSpeichern(bool saveAs);
    // false: the window is to be closed. With `error`, the failure is
    // described there instead of in a message.
    bool ProjektLaden(const QString& path, QString* error = nullptr);
    QString saveProposal() const;  // the file Save As offers
    void FktCut();
    void FktCopy();
    void FktPaste();
    void FktDelete();
    void FktKonfig();
    void FktProjektInfo();
    void ProjektPrint();
    void printPreview();
    // The file written; empty when none was (cancelled or failed, and said so).
    QString exportPdf();
    int writeDB(int ioDb, int cpuDb);
    void OpenModuleDialog(int row);
    void ChangeFlexGridFontANDColWidth();
    std::array<int, 7> columnWidthsTwips() const;
    // Room for every column and the rows of a full station.
    QSize preferredSize() const;
    // The table's columns and its scroll bar.
    int tableWidth() const;
    static constexpr int kPictureWidth = 520;  // the picture's share of a new window

    // After any change of the table: redraw, keep the selection, tell the main window.
    void refresh();
    void selectRow(int row);
    // Brings this window to the front and selects `row` with the focus on the table.
    void goToRow(int row);
    ProjectTableModel& model() { return model_; }
    void insertFromCatalog(int index);  // double click in the catalog tree
    bool dropped(const QMimeData* data, int row, bool ctrl);
    // Whether a drag may be dropped onto a row; else `refusal` says why (empty
    // when there is nothing to say). A catalog entry becomes CurrentModule.
    bool canDrop(const QMimeData* data, int row, QString* refusal);

    // The dialogs of the module families, by kind; a kind without a dialog opens nothing.
    static std::map<DialogKind, RowDialog>& dialogs();

    bool closeCancelled() const { return closeCancelled_; }

    // ---- undo and redo
    ProjectHistory& history() { return history_; }
    void undo();
    void redo();
    // After a step: the modified state follows the history.
    void historyChanged();

signals:
    void editStateChanged();
    void titleChanged(const QString& title);
    void saved(const QString& path);
    void contextMenuWanted(const QPoint& globalPos);
    void windowClosed(ProjectWindow* window);
    // While dragging: why the row under the cursor refuses the drop; empty when it takes it.
    void dropNote(const QString& note);

protected:
    void closeEvent(QCloseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    void setTitle(const QString& title);
    // The open project window a row drag came from: one in a workspace of
    // the program; nullptr when there is none.
    static ProjectWindow* dragSource(quintptr id);

    Session& session_;
    ProjectTable table_;
    ProjectTableModel model_;
    ProjectGrid* grid_;
    StationView* picture_ = nullptr;
    QString title_;
    bool closeCancelled_ = false;
    ProjectHistory history_;
};

}  // namespace rm::gui
