#include "gui/app/AboutDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/Logo.h"
#include "gui/app/Session.h"

namespace rm::gui {

AboutDialog::AboutDialog(Session& session, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Info qv4 RackMason"));

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("picLogo"));
    logo->setPixmap(logoPixmap(session, devicePixelRatioF()));

    auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setTextFormat(Qt::PlainText);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return l;
    };
    auto* name = label("Label1", QStringLiteral("RackMason   ") + QString::fromStdString(session.language.VersionText));
    auto* what = label("Label2", QStringLiteral("I/O configuration and data block sources for PLC stations"));
    auto* copyright = label("Label3", QStringLiteral("© 2026 RackMason developers"));

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // The logo sits 320 twips in from the top left; the lines below it are
    // aligned with it and spaced about a button's height apart.
    const int margin = twipsToPixels(320);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin / 2);
    layout->setSpacing(ok->sizeHint().height() / 3);
    layout->addWidget(logo, 0, Qt::AlignLeft);
    layout->addSpacing(ok->sizeHint().height() / 2);
    layout->addWidget(name);
    layout->addWidget(what);
    layout->addWidget(copyright);
    layout->addSpacing(ok->sizeHint().height() / 2);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
}

}  // namespace rm::gui
