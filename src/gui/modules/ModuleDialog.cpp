#include "gui/modules/ModuleDialog.h"
#include "core/base/TextIds.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "core/base/FlowText.h"
#include "core/modules/ModuleOk.h"
#include "gui/app/HelpViewer.h"
#include "gui/modules/ControlNames.h"

namespace rm::gui {

namespace {

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

QLabel* valueLabel(const QString& name, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

}  // namespace

ModuleDialog::ModuleDialog(Session& session, ProjectTable& table, QWidget* parent)
    : QDialog(parent),
      session_(session),
      table_(table),
      openedWith_(session.app.CurrentModule),
      nextOpenedWith_(session.app.NextModule)
{
    const AppState& app = session_.app;
    form_.load(app.CurrentModule, app.CurrentStationText, app.CurrentSlotText, addressBoxesFor(app.CurrentModule));
    setWindowTitle(t(txt::PropertiesTitle) + qs(app.CurrentModule.BestellNr));
    buildFrame();
    setAddressBoxes(form_.boxes);
}

void ModuleDialog::buildFrame()
{
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);  // the dialog always fits what it shows
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("SSTab1");
    outer->addWidget(tabs_);

    general_ = new QWidget;
    general_->setObjectName("TabGeneral");
    generalLayout_ = new QVBoxLayout(general_);
    addTab(general_, txt::TabGeneral);

    const int textWidth = QFontMetrics(font()).horizontalAdvance(QLatin1Char('M')) * 24;

    // Identification
    auto* frame1 = new QGroupBox(t(txt::ModuleFrame), general_);
    frame1->setObjectName("Frame1");
    auto* g1 = new QGridLayout(frame1);
    auto addRow = [](QGridLayout* g, int row, const QString& labelName, const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, g->parentWidget());
        label->setObjectName(labelName);
        label->setBuddy(field);
        g->addWidget(label, row, 0);
        g->addWidget(field, row, 1);
    };
    auto* bestellNr = valueLabel("lblBestellNr", frame1);
    bestellNr->setText(qs(form_.lblBestellNr));
    auto* kurzbez = valueLabel("lblKurzbez", frame1);
    kurzbez->setText(qs(form_.lblKurzbez));
    bezeichnung_ = new QLineEdit(qs(form_.txtBezeichnung), frame1);
    bezeichnung_->setObjectName("txtBezeichnung");
    bezeichnung_->setMinimumWidth(textWidth);
    bezeichnung_->setCursorPosition(0);
    kommentar_ = new QPlainTextEdit(qs(flowParagraphs(form_.txtKommentar)), frame1);
    kommentar_->setObjectName("txtKommentar");
    kommentar_->setMinimumWidth(textWidth);
    kommentar_->setTabChangesFocus(true);
    kommentar_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // lines wrap
    kommentar_->setFixedHeight(kommentar_->fontMetrics().lineSpacing() * 4 + 2 * kommentar_->frameWidth() + 8);
    addRow(g1, 0, "Label2", t(txt::OrderNumberLabel), bestellNr);
    addRow(g1, 1, "Label1", t(txt::ShortNameLabel), kurzbez);
    addRow(g1, 2, "Label4", t(txt::DescriptionLabel), bezeichnung_);
    addRow(g1, 3, "Label3", t(txt::CommentLabel), kommentar_);
    g1->itemAtPosition(3, 0)->setAlignment(Qt::AlignTop);
    g1->setColumnStretch(1, 1);
    generalLayout_->addWidget(frame1);
    connect(bezeichnung_, &QLineEdit::textEdited, this,
            [this](const QString& s) { form_.txtBezeichnung = s.toStdString(); });
    connect(kommentar_, &QPlainTextEdit::textChanged, this,
            [this] { form_.txtKommentar = kommentar_->toPlainText().toStdString(); });

    // Location
    auto* frame2 = new QGroupBox(t(txt::LocationFrame), general_);
    frame2->setObjectName("Frame2");
    auto* g2 = new QGridLayout(frame2);
    auto* traeger = valueLabel("lblTraeger", frame2);
    traeger->setText(qs(form_.lblTraeger));
    auto* steckplatz = valueLabel("lblSteckplatz", frame2);
    steckplatz->setText(qs(form_.lblSteckplatz));
    addRow(g2, 0, "Label5", t(txt::StationLabel), traeger);
    addRow(g2, 1, "Label7", t(txt::SlotLabel), steckplatz);
    g2->setColumnStretch(1, 1);
    generalLayout_->addWidget(frame2);

    // Start addresses: inputs left, outputs right.
    addressPanel_ = new QWidget(general_);
    addressPanel_->setObjectName("AddressPanel");
    auto* h = new QHBoxLayout(addressPanel_);
    h->setContentsMargins(0, 0, 0, 0);
    const int numberWidth = QFontMetrics(font()).horizontalAdvance(QStringLiteral("0000000"));
    for (int box = 0; box < 2; ++box) {
        auto* frame = new QGroupBox(t(box == 0 ? txt::Input : txt::Output), addressPanel_);
        auto* g = new QGridLayout(frame);
        startLabel_[box] = new QLabel(t(txt::StartLabel), frame);
        start_[box] = new QLineEdit(qs(form_.txtAnfangsAdresse[static_cast<std::size_t>(box)]), frame);
        start_[box]->setMaxLength(11);
        start_[box]->setMinimumWidth(numberWidth);
        start_[box]->setAlignment(Qt::AlignRight);
        startLabel_[box]->setBuddy(start_[box]);
        endLabel_[box] = new QLabel(t(txt::EndLabel), frame);
        end_[box] = new QLabel(frame);
        end_[box]->setMinimumWidth(numberWidth);
        end_[box]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->addWidget(startLabel_[box], 0, 0);
        g->addWidget(start_[box], 0, 1);
        g->addWidget(endLabel_[box], 1, 0);
        g->addWidget(end_[box], 1, 1);
        addressFrame_[box] = frame;
        h->addWidget(frame);
        connect(start_[box], &QLineEdit::textChanged, this, [this, box](const QString& s) {
            form_.txtAnfangsAdresse[static_cast<std::size_t>(box)] = s.toStdString();
            updateEnd(box);
        });
        updateEnd(box);
    }
    h->addStretch(1);
    generalLayout_->addWidget(addressPanel_);
    generalLayout_->addStretch(1);

    // Buttons
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setObjectName("btnOk");
    ok_->setDefault(true);
    auto* cancel = new QPushButton(t(txt::CancelButton), this);
    cancel->setObjectName("btnCancel");
    auto* help = new QPushButton(t(txt::HelpButton), this);
    help->setObjectName("btnHelp");
    help->setAutoDefault(false);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    outer->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &ModuleDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &ModuleDialog::reject);
    connect(help, &QPushButton::clicked, this, &ModuleDialog::showHelp);
    HelpViewer::bindHelpKey(help);
}

void ModuleDialog::showEvent(QShowEvent* e)
{
    nameControls(this);
    QDialog::showEvent(e);
}

int ModuleDialog::addTab(QWidget* page, int textId)
{
    return tabs_->addTab(page, t(textId));
}

void ModuleDialog::moveAddressesTo(QBoxLayout* layout, int index)
{
    generalLayout_->removeWidget(addressPanel_);
    layout->insertWidget(index, addressPanel_);
}

void ModuleDialog::setAddressBoxes(AddressBoxes which)
{
    form_.boxes = which;
    const bool shown[2] = {hasInputBox(which), hasOutputBox(which)};
    const bool both = which == AddressBoxes::Both;
    for (int box = 0; box < 2; ++box) {
        // Array names (suffix 0/1) when the dialog has both boxes; the box
        // not shown keeps its suffix so that the plain names stay unique.
        const QString suffix = both || !shown[box] ? QString::number(box) : QString();
        addressFrame_[box]->setObjectName("Frame3" + suffix);
        startLabel_[box]->setObjectName("Label10" + suffix);
        start_[box]->setObjectName("txtAnfangsAdresse" + suffix);
        endLabel_[box]->setObjectName("Label11" + suffix);
        end_[box]->setObjectName("lblEnde" + suffix);
        addressFrame_[box]->setVisible(shown[box]);
    }
    addressPanel_->setVisible(which != AddressBoxes::None);
}

void ModuleDialog::setByteCounts(int32_t inCnt, int16_t outCnt)
{
    form_.inCnt = inCnt;
    form_.outCnt = outCnt;
    updateEnd(0);
    updateEnd(1);
}

QLineEdit* ModuleDialog::startBox(int box) const
{
    if (box < 0 || box > 1) return nullptr;
    const bool shown = box == 0 ? hasInputBox(form_.boxes) : hasOutputBox(form_.boxes);
    return shown ? start_[box] : nullptr;
}

void ModuleDialog::updateEnd(int box)
{
    if (end_[box]) end_[box]->setText(qs(form_.lblEnde(box)));
}

bool ModuleDialog::validateParameters(QString*)
{
    return true;
}

void ModuleDialog::storeParameters(RowEintrag&) {}

void ModuleDialog::accept()
{
    AppState& app = session_.app;
    std::string message;
    int badBox = 0;
    const auto entered = form_.entered(app.texts, &message, &badBox);
    if (!entered) {
        app.asker.ShowMessage(message, app.texts.byEnglishId(txt::InvalidDataTitle), style::Ok + style::Critical);
        for (int i = 0; i < tabs_->count(); ++i)
            if (tabs_->widget(i)->isAncestorOf(addressPanel_)) tabs_->setCurrentIndex(i);
        start_[badBox]->setFocus();
        start_[badBox]->selectAll();
        return;
    }
    QString refusal;
    if (!validateParameters(&refusal)) {
        if (!refusal.isEmpty())
            app.asker.ShowMessage(refusal.toStdString(), app.texts.byEnglishId(txt::InvalidDataTitle),
                                  style::Ok + style::Critical);
        return;
    }
    app.SavedModule = app.CurrentModule;
    form_.storeTexts(app.CurrentModule);
    const ModuleOkResult result = runModuleOk(table_, *entered, [this](RowEintrag& r) { storeParameters(r); });
    if (result == ModuleOkResult::Written) QDialog::accept();
}

void ModuleDialog::reject()
{
    session_.app.CurrentModule = openedWith_;
    session_.app.NextModule = nextOpenedWith_;
    QDialog::reject();
}

void ModuleDialog::showHelp()
{
    HelpViewer::showHelp(session_, helpContext(), this);
}

}  // namespace rm::gui
