// Help > About: the logo, the program's name and version, OK.
#pragma once

#include <QDialog>

namespace rm::gui {

struct Session;

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(Session& session, QWidget* parent = nullptr);
};

}  // namespace rm::gui
