#include "gui/app/OptionsDialog.h"
#include "core/base/TextIds.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "gui/app/HelpViewer.h"
#include "gui/app/HintTexts.h"
#include "gui/app/Session.h"
#include "gui/app/WorkTexts.h"
#include "gui/project/ProjectGuard.h"

namespace rm::gui {

namespace {

constexpr int kHelpContext = 15;
const char* const kLanguageKeywords[4] = {"", "ENGLISH", "DEUTSCH", "OPTION"};

void named(QObject* o, const QString& name)
{
    o->setObjectName(name);
}

// A font size the grid can take: whole points within the chooser's range.
int gridFontSize(const QFont& font)
{
    double points = font.pointSizeF();
    if (points <= 0 && font.pixelSize() > 0) points = font.pixelSize() * 72.0 / 96.0;
    if (points <= 0) points = 7;
    return std::clamp(static_cast<int>(std::lround(points)), OptionsDialog::kMinFontSize, OptionsDialog::kMaxFontSize);
}

}  // namespace

OptionsDialog::OptionsDialog(Session& session, bool projectActive, const std::array<int, 7>& activeColumnWidths,
                             QWidget* parent)
    : QDialog(parent), session_(session), projectActive_(projectActive), activeWidths_(activeColumnWidths)
{
    named(this, QStringLiteral("frmInit"));
    // The design caption "Optionen" is no text number; the window is titled
    // like the menu item that opens it.
    setWindowTitle(session.t(txt::ExtraOptions));

    auto* frameFont = new QGroupBox(session.t(txt::OptionsFont), this);
    named(frameFont, QStringLiteral("frameFont"));
    auto* lblFont = new QLabel(session.t(txt::OptionsFontStyle), frameFont);
    named(lblFont, QStringLiteral("lblFont"));
    txtFont_ = new QLineEdit(frameFont);
    named(txtFont_, QStringLiteral("txtFont"));
    txtFont_->setReadOnly(true);
    txtFont_->setMinimumWidth(txtFont_->fontMetrics().averageCharWidth() * 24);
    lblFont->setBuddy(txtFont_);
    auto* lblFontHeight = new QLabel(session.t(txt::OptionsFontSize), frameFont);
    named(lblFontHeight, QStringLiteral("lblFontHeight"));
    txtFontHeight_ = new QLineEdit(frameFont);
    named(txtFontHeight_, QStringLiteral("txtFontHeight"));
    txtFontHeight_->setReadOnly(true);
    txtFontHeight_->setMaximumWidth(txtFontHeight_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) * 2);
    lblFontHeight->setBuddy(txtFontHeight_);
    auto* cmdChangeFont = new QPushButton(session.t(txt::OptionsSelectFont), frameFont);
    named(cmdChangeFont, QStringLiteral("cmdChangeFont"));
    cmdChangeFont->setAutoDefault(false);
    auto* fontLayout = new QFormLayout(frameFont);
    fontLayout->addRow(lblFont, txtFont_);
    fontLayout->addRow(lblFontHeight, txtFontHeight_);
    fontLayout->addRow(QString(), cmdChangeFont);
    connect(cmdChangeFont, &QPushButton::clicked, this, &OptionsDialog::chooseFont);

    frameColWidth_ = new QGroupBox(session.t(txt::OptionsColumnWidths), this);
    named(frameColWidth_, QStringLiteral("frameColWidth"));
    auto* widthLayout = new QVBoxLayout(frameColWidth_);
    for (int i = 0; i < 3; ++i) {
        optColWidth_[i] = new QRadioButton(session.t(txt::OptionsSaveWithProject + i), frameColWidth_);
        named(optColWidth_[i], QStringLiteral("optColWidth%1").arg(i));
        widthLayout->addWidget(optColWidth_[i]);
    }

    auto* frameDelete = new QGroupBox(session.t(txt::OptionsDeleteModule), this);
    named(frameDelete, QStringLiteral("frameDelete"));
    ckbDelete_ = new QCheckBox(session.t(txt::OptionsConfirmDelete), frameDelete);
    named(ckbDelete_, QStringLiteral("ckbDelete"));
    auto* deleteLayout = new QVBoxLayout(frameDelete);
    deleteLayout->addWidget(ckbDelete_);
    // Recovery files and the backup at a save, kept in the settings.
    const SafetySettings safety = loadSafetySettings();
    auto* autosaveRow = new QHBoxLayout;
    auto* spnAutosave = new QSpinBox(frameDelete);
    named(spnAutosave, QStringLiteral("spnAutosave"));
    spnAutosave->setRange(0, 3600);
    spnAutosave->setSuffix(workText(session, OwnText::AutosaveSuffix));
    spnAutosave->setValue(safety.autosaveSeconds);
    auto* lblAutosave = new QLabel(workText(session, OwnText::AutosaveEvery), frameDelete);
    lblAutosave->setBuddy(spnAutosave);
    autosaveRow->addWidget(lblAutosave);
    autosaveRow->addWidget(spnAutosave);
    deleteLayout->addLayout(autosaveRow);
    auto* ckbBackup = new QCheckBox(workText(session, OwnText::KeepBackup), frameDelete);
    named(ckbBackup, QStringLiteral("ckbBackup"));
    ckbBackup->setChecked(safety.keepBackup);
    deleteLayout->addWidget(ckbBackup);
    deleteLayout->addStretch();

    auto* frameLanguage = new QGroupBox(session.t(txt::OptionsLanguage), this);
    named(frameLanguage, QStringLiteral("FrameSelLanguage"));
    auto* languageLayout = new QVBoxLayout(frameLanguage);
    for (int i = 1; i <= 3; ++i) {
        // The third language is named by the catalog file, not by the text table.
        const QString text =
            i == 3 ? QString::fromStdString(session.language.OptionCaption) : session.t(txt::OptionsLanguage + i);
        optLanguage_[i] = new QRadioButton(text, frameLanguage);
        named(optLanguage_[i], QStringLiteral("optLanguage%1").arg(i));
        if (text.trimmed().isEmpty()) optLanguage_[i]->setAccessibleName(session.t(txt::LanguageFrench));
        languageLayout->addWidget(optLanguage_[i]);
    }
    languageLayout->addStretch();

    auto* btnOk = new QPushButton(QStringLiteral("&OK"), this);
    named(btnOk, QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    auto* btnCancel = new QPushButton(session.t(txt::CancelButton), this);
    named(btnCancel, QStringLiteral("btnCancel"));
    auto* btnHelp = new QPushButton(session.t(txt::HelpButton), this);
    named(btnHelp, QStringLiteral("btnHelp"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(btnOk, QDialogButtonBox::AcceptRole);
    buttons->addButton(btnCancel, QDialogButtonBox::RejectRole);
    buttons->addButton(btnHelp, QDialogButtonBox::HelpRole);
    connect(btnOk, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, [this] { HelpViewer::showHelp(session_, kHelpContext, this); });
    HelpViewer::bindHelpKey(btnHelp);

    auto* grid = new QGridLayout;
    grid->addWidget(frameFont, 0, 0);
    grid->addWidget(frameLanguage, 0, 1);
    grid->addWidget(frameColWidth_, 1, 0);
    grid->addWidget(frameDelete, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    // Opening.
    // The font is the program's, so it shows with or without a project.
    txtFont_->setText(session.settings.grid.fontName);
    txtFontHeight_->setText(session.settings.grid.fontSize);
    if (projectActive_)
        optColWidth_[0]->setChecked(true);
    else
        frameColWidth_->setEnabled(false);
    // The box shows the switch as it is, project or not: OK writes it back.
    ckbDelete_->setChecked(session.app.ConfirmDelete);
    const int index = session.language.LanguageIndex;
    if (index >= 1 && index <= 3) optLanguage_[index]->setChecked(true);
}

void OptionsDialog::chooseFont()
{
    std::optional<QFont> chosen =
        session_.fonts.chooseFont(this, session_.settings.grid.font(), session_.t(txt::OptionsFont));
    if (!chosen) return;
    QFont& font = *chosen;
    font.setPointSize(gridFontSize(font));
    chosenFont_ = font;
    FontChosen = true;
    txtFont_->setText(font.family());
    txtFontHeight_->setText(QString::number(font.pointSize()));
}

int OptionsDialog::selectedLanguage() const
{
    for (int i = 1; i <= 3; ++i)
        if (optLanguage_[i]->isChecked()) return i;
    return 0;
}

void OptionsDialog::accept()
{
    GridSettings& grid = session_.settings.grid;
    if (FontChosen) {
        grid.fontName = chosenFont_.family();
        grid.fontSize = QString::number(chosenFont_.pointSize());
        grid.bold = chosenFont_.bold();
        grid.italic = chosenFont_.italic();
    }
    if (frameColWidth_->isEnabled()) {
        if (optColWidth_[1]->isChecked()) grid.colWidths = GridSettings::standardColumnWidths();
        if (optColWidth_[2]->isChecked()) grid.colWidths = activeWidths_;
    }
    session_.app.ConfirmDelete = ckbDelete_->isChecked();
    applyToActive_ = projectActive_;
    if (auto* spn = findChild<QSpinBox*>(QStringLiteral("spnAutosave"))) {
        const auto* backup = findChild<QCheckBox*>(QStringLiteral("ckbBackup"));
        saveSafetySettings({spn->value(), backup && backup->isChecked()});
    }

    const int language = selectedLanguage();
    if (language != 0 && language != session_.language.LanguageIndex) {
        const WriteResult written =
            writeIniString(session_.languageFile(), "LANGUAGE", "SELECTED", kLanguageKeywords[language]);
        if (written.ok()) {
            // The fixed text stays as it always was; the line after it says the
            // same in the language the user is reading now.
            QString name = optLanguage_[language]->text().remove(QLatin1Char('&')).trimmed();
            if (name.isEmpty()) name = optLanguage_[language]->accessibleName();
            const QString line = hintText(session_, OwnText::LanguageNextStart, name);
            session_.app.asker.ShowMessage(" Change will take effect on next start  \n" + line.toStdString(),
                                           "Language change", style::Ok + style::Exclamation);
        } else {
            // Saying the change will take effect would be untrue.
            session_.app.asker.ShowMessage(session_.msg(txt::NotSaved).toStdString() + "\n\n" + written.reason(),
                                           session_.msg(txt::ErrorTitle).toStdString(), style::Ok + style::Critical);
        }
    }
    QDialog::accept();
}

}  // namespace rm::gui
