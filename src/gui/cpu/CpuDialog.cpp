#include "gui/cpu/CpuDialog.h"
#include "core/base/TextIds.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValidator>

#include "core/base/FlowText.h"
#include "core/base/SourceText.h"
#include "core/modules/ModuleFrame.h"
#include "gui/app/HelpViewer.h"
#include "gui/app/HintTexts.h"
#include "gui/modules/ControlNames.h"

namespace rm::gui {

namespace {

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

QStringList qlist(const std::vector<std::string>& items)
{
    QStringList out;
    for (const auto& s : items) out << qs(s);
    return out;
}

// A frame that the rules show and hide keeps its place, so that the page
// does not jump while the user clicks.
void keepPlace(QWidget* w)
{
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

// Limits of the text boxes, so that each generated setting stays within
// the 254 characters of a STRING ("COMP:", "WEB:DateFormat=", the four
// passwords behind "WEB:Password=" with their commas).
constexpr int kPriorityChars = 249;
constexpr int kFormatChars = 239;
constexpr int kPasswordChars = 59;

// Refuses, as they are typed or pasted, the characters that OK would refuse
// in a text of the generated block. A text loaded with such a character
// still shows and goes back unchanged: the box only keeps new ones out.
class SourceTextValidator : public QValidator {
public:
    SourceTextValidator(int maxChars, bool refuseComma, QObject* parent)
        : QValidator(parent), maxChars_(static_cast<std::size_t>(maxChars)), refuseComma_(refuseComma)
    {
    }

    State validate(QString& input, int&) const override
    {
        return sourceTextFault(input.toStdString(), maxChars_, refuseComma_) == SourceTextFault::None ? Acceptable
                                                                                                      : Invalid;
    }

private:
    std::size_t maxChars_;
    bool refuseComma_;
};

void keepToSourceText(QLineEdit* e, int maxChars, bool refuseComma = false)
{
    e->setValidator(new SourceTextValidator(maxChars, refuseComma, e));
}

constexpr const char* kTimeOutEntry = "COM<port>:PTP_MPI,TIMEOUT=<value>";

}  // namespace

CpuDialog::CpuDialog(Session& session, ProjectTable& table, QWidget* parent)
    : QDialog(parent), session_(session), table_(table)
{
    setObjectName("CPUConfig");
    RowEintrag& current = session_.app.CurrentModule;
    CpuForm::prepareRecord(current);
    form_.load(current);
    setWindowTitle(t(txt::PropertiesTitle) + qs(current.BestellNr));

    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("SSTab1");
    // Every tab caption in full, in all three languages.
    tabs_->tabBar()->setUsesScrollButtons(false);
    tabs_->tabBar()->setElideMode(Qt::ElideNone);
    tabs_->addTab(generalPage(), t(txt::TabGeneral));
    tabs_->addTab(memoryPage(), t(txt::TabMemoryCompiler));
    tabs_->addTab(webPage(), t(txt::WebServer));
    tabs_->addTab(mpiPage(), QStringLiteral("MPI"));
    tabs_->addTab(serialPage(), t(txt::SerialPort));
    tabs_->addTab(startUpPage(), t(txt::StartUp));
    tabs_->setCurrentIndex(cputab::General);
    outer->addWidget(tabs_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName("btnOk");
    ok->setDefault(true);
    auto* cancel = new QPushButton(t(txt::CancelButton), this);
    cancel->setObjectName("btnCancel");
    cancel->setAutoDefault(false);
    auto* help = new QPushButton(t(txt::HelpButton), this);
    help->setObjectName("btnHelp");
    help->setAutoDefault(false);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    outer->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &CpuDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &CpuDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { HelpViewer::showHelp(session_, kHelpContext, this); });
    HelpViewer::bindHelpKey(help);

    showStates();
}

bool CpuDialog::run()
{
    form_.tellLoadNotice(session_.app.asker, session_.app.texts);
    return exec() == QDialog::Accepted;
}

void CpuDialog::showEvent(QShowEvent* e)
{
    nameControls(this);
    QDialog::showEvent(e);
}

QLineEdit* CpuDialog::lineEdit(const QString& name, std::string* field, QWidget* parent, int maxLength)
{
    auto* e = new QLineEdit(qs(*field), parent);
    e->setObjectName(name);
    if (maxLength > 0) e->setMaxLength(maxLength);
    connect(e, &QLineEdit::textChanged, this, [field](const QString& s) { *field = s.toStdString(); });
    return e;
}

QLabel* CpuDialog::label(const QString& name, const QString& caption, QWidget* parent, QWidget* buddy)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    if (buddy) l->setBuddy(buddy);
    return l;
}

QGroupBox* CpuDialog::frame(const QString& name, const QString& caption, QWidget* parent)
{
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(name);
    return f;
}

void CpuDialog::numberTip(QWidget* field, long long min, long long max, const char* entry, std::optional<OwnText> when)
{
    const QString shown = QString::fromLatin1(entry)
                              .replace("<value>", "<" + hintText(session_, OwnText::ValueWord) + ">")
                              .replace("<port>", "<" + hintText(session_, OwnText::PortWord) + ">");
    QString tip = hintText(session_, OwnText::NumberRange, QString::number(min), QString::number(max)) + "\n" +
                  hintText(session_, OwnText::WrittenAs, shown);
    if (when) tip += "\n" + hintText(session_, *when);
    if (when == OwnText::WhenTimings || when == OwnText::WhenTimeOut)
        tip += "\n" + hintText(session_, OwnText::PassedAsTyped);
    field->setToolTip(tip);
}

QWidget* CpuDialog::generalPage()
{
    auto* page = new QWidget;
    page->setObjectName("TabGeneral");
    auto* v = new QVBoxLayout(page);
    auto* frame1 = frame("Frame1", t(txt::ModuleFrame), page);
    auto* g = new QGridLayout(frame1);
    auto value = [frame1](const char* name, const std::string& text) {
        auto* l = new QLabel(qs(text), frame1);
        l->setObjectName(name);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return l;
    };
    const int textWidth = QFontMetrics(font()).horizontalAdvance(QLatin1Char('M')) * 24;
    QLabel* bestellNr = value("lblBestellNr", form_.lblBestellNr);
    QLabel* kurzbez = value("lblKurzbez", form_.lblKurzbez);
    QLineEdit* bezeichnung = lineEdit("txtBezeichnung", &form_.txtBezeichnung, frame1);
    bezeichnung->setMinimumWidth(textWidth);
    // Several lines, as the module dialogs' comment boxes; the text is shown
    // as paragraphs and stored as it was until the user edits it.
    auto* kommentar = new QPlainTextEdit(qs(flowParagraphs(form_.txtKommentar)), frame1);
    kommentar->setObjectName("txtKommentar");
    kommentar->setMinimumWidth(textWidth);
    kommentar->setTabChangesFocus(true);
    kommentar->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    kommentar->setFixedHeight(kommentar->fontMetrics().lineSpacing() * 4 + 2 * kommentar->frameWidth() + 8);
    connect(kommentar, &QPlainTextEdit::textChanged, this,
            [this, kommentar] { form_.txtKommentar = kommentar->toPlainText().replace("\n", "\r\n").toStdString(); });
    g->addWidget(label("Label2", t(txt::OrderNumberLabel), frame1, bestellNr), 0, 0);
    g->addWidget(bestellNr, 0, 1);
    g->addWidget(label("Label1", t(txt::ShortNameLabel), frame1, kurzbez), 1, 0);
    g->addWidget(kurzbez, 1, 1);
    g->addWidget(label("Label4", t(txt::DescriptionLabel), frame1, bezeichnung), 2, 0);
    g->addWidget(bezeichnung, 2, 1);
    g->addWidget(label("Label3", t(txt::CommentLabel), frame1, kommentar), 3, 0);
    g->addWidget(kommentar, 3, 1);
    g->itemAtPosition(3, 0)->setAlignment(Qt::AlignTop);
    g->setColumnStretch(1, 1);
    v->addWidget(frame1);
    v->addStretch(1);
    return page;
}

QWidget* CpuDialog::memoryPage()
{
    auto* page = new QWidget;
    page->setObjectName("TabMemoryCompiler");
    auto* v = new QVBoxLayout(page);

    auto* memoryRow = new QHBoxLayout;
    memorySelect_ = new QCheckBox(t(txt::MemoryFrame), page);
    memorySelect_->setObjectName("CheckMemorySelect");
    memoryFrame_ = frame("Frame30", {}, page);
    keepPlace(memoryFrame_);
    auto* mh = new QHBoxLayout(memoryFrame_);
    memorySize_ = new QSpinBox(memoryFrame_);
    memorySize_->setObjectName("MemorySizeUpDown");
    memorySize_->setRange(form_.memoryMin(), form_.memoryLimit());
    memorySize_->setAlignment(Qt::AlignRight);
    memorySize_->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("000000000")));
    if (auto* edit = memorySize_->findChild<QLineEdit*>()) edit->setObjectName("MemorySize");
    numberTip(memorySize_, form_.memoryMin(), form_.memoryLimit(), "MEM7:<value>", OwnText::WhenMemorySelected);
    const ParsedNumber shown = parseNumber(form_.MemorySize, form_.memoryMin(), form_.memoryLimit());
    memorySize_->setValue(static_cast<int>(shown.value));
    if (form_.memoryOffered()) form_.MemorySize = std::to_string(memorySize_->value());
    mh->addWidget(memorySize_);
    memoryRow->addWidget(memorySelect_);
    memoryRow->addWidget(memoryFrame_);
    memoryRow->addStretch(1);
    v->addLayout(memoryRow);
    connect(memorySelect_, &QCheckBox::clicked, this, [this](bool on) {
        form_.clickMemorySelect(on);
        showStates();
    });
    connect(memorySize_, &QSpinBox::valueChanged, this, [this](int value) {
        if (!showing_) form_.MemorySize = std::to_string(value);
    });

    compilerFrame_ = frame("Frame31", t(txt::CompilerPriority), page);
    auto* cv = new QFormLayout(compilerFrame_);
    for (int i = 0; i < 6; ++i) {
        QLineEdit* e = lineEdit(QStringLiteral("CompilePriority%1").arg(i), &form_.CompilePriority[i], compilerFrame_,
                                kPriorityChars);
        keepToSourceText(e, kPriorityChars);
        e->setPlaceholderText(hintText(session_, OwnText::PriorityExample));
        e->setToolTip(hintText(session_, OwnText::PriorityRule, QString::number(kPriorityChars)));
        cv->addRow(label(QStringLiteral("lblCompilePriority%1").arg(i), QString::number(i + 1), compilerFrame_, e), e);
    }
    v->addWidget(compilerFrame_);
    v->addStretch(1);
    return page;
}

QWidget* CpuDialog::webPage()
{
    auto* page = new QWidget;
    page->setObjectName("TabWeb");
    auto* v = new QVBoxLayout(page);
    web_ = new QCheckBox(t(txt::WebServer), page);
    web_->setObjectName("CheckOperatingWeb");
    v->addWidget(web_);
    connect(web_, &QCheckBox::clicked, this, [this](bool on) {
        form_.clickOperatingWeb(on, session_.app.asker, session_.app.texts);
        showStates();
    });

    webFrame_ = frame("Frame40", {}, page);
    keepPlace(webFrame_);
    auto* g = new QGridLayout(webFrame_);
    const int numberWidth = QFontMetrics(font()).horizontalAdvance(QStringLiteral("00000000"));
    const int formatWidth = QFontMetrics(font()).horizontalAdvance(QLatin1Char('M')) * 12;
    auto number = [&](const char* name, std::string* field) {
        QLineEdit* e = lineEdit(name, field, webFrame_, 6);
        e->setFixedWidth(numberWidth);
        e->setAlignment(Qt::AlignRight);
        return e;
    };
    QLineEdit* indexDb = number("txtIndexDB", &form_.txtIndexDB);
    QLineEdit* ramDisk = number("txtRamDiskSize", &form_.txtRamDiskSize);
    QLineEdit* dateFormat = lineEdit("txtDateFormat", &form_.txtDateFormat, webFrame_, kFormatChars);
    QLineEdit* timeFormat = lineEdit("txtTimeFormat", &form_.txtTimeFormat, webFrame_, kFormatChars);
    keepToSourceText(dateFormat, kFormatChars);
    keepToSourceText(timeFormat, kFormatChars);
    numberTip(indexDb, cpurange::IndexDbMin, cpurange::IndexDbMax, "WEB:IndexDB=<value>");
    numberTip(ramDisk, cpurange::RamDiskMin, cpurange::RamDiskMax, "WEB:RamDisk=<value>");
    dateFormat->setMinimumWidth(formatWidth);
    timeFormat->setMinimumWidth(formatWidth);
    g->addWidget(label("labelIndexDB", t(txt::IndexDb), webFrame_, indexDb), 0, 0);
    g->addWidget(indexDb, 0, 1, Qt::AlignLeft);
    g->addWidget(label("labelDateFormat", t(txt::DateFormat), webFrame_, dateFormat), 0, 3);
    g->addWidget(dateFormat, 0, 4);
    g->addWidget(label("labelRamDiskSize", t(txt::RamDiskSize), webFrame_, ramDisk), 1, 0);
    g->addWidget(ramDisk, 1, 1, Qt::AlignLeft);
    g->addWidget(label("labelTimeFormat", t(txt::TimeFormat), webFrame_, timeFormat), 1, 3);
    g->addWidget(timeFormat, 1, 4);
    g->setColumnMinimumWidth(2, QFontMetrics(font()).horizontalAdvance(QStringLiteral("MM")));
    g->setColumnStretch(1, 1);
    g->setColumnStretch(4, 1);

    auto* passwords = label("labelWebPassword", t(txt::Password), webFrame_);
    QFont bold = passwords->font();
    bold.setBold(true);
    passwords->setFont(bold);
    g->addWidget(passwords, 2, 0, 1, 5);
    for (int i = 1; i <= 4; ++i) {
        QLineEdit* pwd =
            lineEdit(QStringLiteral("txtPassword%1").arg(i), &form_.txtPassword[i], webFrame_, kPasswordChars);
        keepToSourceText(pwd, kPasswordChars, true);
        pwd->setMinimumWidth(formatWidth);
        const int row = 3 + (i - 1) / 2;
        const int col = (i - 1) % 2 == 0 ? 0 : 3;
        g->addWidget(
            label(QStringLiteral("labelPwdLevel%1").arg(i), t(txt::PasswordLevel) + QString::number(i), webFrame_, pwd),
            row, col);
        g->addWidget(pwd, row, col + 1);
    }

    auto* timeOutRow = new QHBoxLayout;
    timeOut_[1] = lineEdit("TextTimeOut1", &form_.TextTimeOut[1], webFrame_, 6);
    timeOut_[1]->setFixedWidth(numberWidth);
    timeOut_[1]->setAlignment(Qt::AlignRight);
    numberTip(timeOut_[1], cpurange::TimeOutMin, cpurange::TimeOutMax, kTimeOutEntry, OwnText::WhenTimeOut);
    timeOutLabel_[1] = label("labelTimeOut1", t(txt::HangUpAndPasswordReset), webFrame_, timeOut_[1]);
    timeOutRow->addWidget(timeOutLabel_[1]);
    timeOutRow->addWidget(timeOut_[1]);
    timeOutRow->addStretch(1);
    g->addLayout(timeOutRow, 5, 0, 1, 5);
    v->addWidget(webFrame_);
    v->addStretch(1);
    return page;
}

QWidget* CpuDialog::mpiPage()
{
    auto* page = new QWidget;
    page->setObjectName("TabMpi");
    auto* v = new QVBoxLayout(page);
    mpi_ = new QCheckBox(t(txt::MpiMode), page);
    mpi_->setObjectName("CheckConfigMPI");
    v->addWidget(mpi_);
    connect(mpi_, &QCheckBox::clicked, this, [this](bool on) {
        form_.clickConfigMpi(on, session_.app.asker, session_.app.texts);
        showStates();
    });
    const int numberWidth = QFontMetrics(font()).horizontalAdvance(QStringLiteral("00000000"));
    auto number = [&](const char* name, std::string* field, QWidget* parent) {
        QLineEdit* e = lineEdit(name, field, parent, 6);
        e->setFixedWidth(numberWidth);
        e->setAlignment(Qt::AlignRight);
        return e;
    };
    auto* frames = new QHBoxLayout;

    // Connection, port, baud rate and timings.
    mpiFrame_ = frame("Frame50", {}, page);
    keepPlace(mpiFrame_);
    auto* g = new QGridLayout(mpiFrame_);
    auto* through = new QButtonGroup(this);
    g->addWidget(label("labelCommThrough", t(txt::CommunicationThrough), mpiFrame_), 0, 0);
    auto* throughRow = new QHBoxLayout;
    g->addLayout(throughRow, 0, 1, 1, 3);
    for (int i = 0; i < 2; ++i) {
        coomThrough_[i] = new QRadioButton(t(txt::Rs232 + i), mpiFrame_);
        coomThrough_[i]->setObjectName(QStringLiteral("OptionCoomThrough%1").arg(i));
        through->addButton(coomThrough_[i], i);
        throughRow->addWidget(coomThrough_[i]);
        connect(coomThrough_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (showing_ || !on) return;
            form_.clickCoomThrough(i);
            showStates();
        });
    }
    throughRow->addStretch(1);
    port_ = new QComboBox(mpiFrame_);
    port_->setObjectName("ComboPortNumber");
    port_->setEditable(true);
    port_->setInsertPolicy(QComboBox::NoInsert);
    port_->setFixedWidth(numberWidth + QFontMetrics(font()).horizontalAdvance(QStringLiteral("MMM")));
    connect(port_, &QComboBox::currentTextChanged, this, [this](const QString& s) {
        if (!showing_) form_.ComboPortNumber = s.toStdString();
    });
    g->addWidget(label("labelPort", t(txt::PortNumber), mpiFrame_, port_), 1, 0);
    g->addWidget(port_, 1, 1, 1, 2, Qt::AlignLeft);
    baudRate_ = new QComboBox(mpiFrame_);
    baudRate_->setObjectName("ComboBaudRate");
    baudRate_->setEditable(true);
    baudRate_->setInsertPolicy(QComboBox::NoInsert);
    baudRate_->addItems(qlist(CpuForm::baudRates()));
    baudRate_->setEditText(qs(form_.ComboBaudRate));
    baudRate_->setFixedWidth(numberWidth + QFontMetrics(font()).horizontalAdvance(QStringLiteral("MMM")));
    connect(baudRate_, &QComboBox::currentTextChanged, this,
            [this](const QString& s) { form_.ComboBaudRate = s.toStdString(); });
    g->addWidget(label("labelbaudrate", t(txt::BaudRate), mpiFrame_, baudRate_), 2, 0);
    g->addWidget(baudRate_, 2, 1, 1, 2, Qt::AlignLeft);

    timing_ = new QCheckBox(t(txt::ProtocolTimingAdt) + QStringLiteral(" && ") + t(txt::ProtocolTimingCdt), mpiFrame_);
    timing_->setObjectName("Check1");
    g->addWidget(timing_, 3, 0, 1, 4);
    connect(timing_, &QCheckBox::clicked, this, [this](bool on) {
        form_.clickTiming(on);
        showStates();
    });
    timingFrame_ = frame("Frame52", {}, mpiFrame_);
    keepPlace(timingFrame_);
    auto* tg = new QGridLayout(timingFrame_);
    QLineEdit* adt = number("txtADT", &form_.txtADT, timingFrame_);
    QLineEdit* cdt = number("txtCDT", &form_.txtCDT, timingFrame_);
    numberTip(adt, cpurange::TimingMin, cpurange::TimingMax, "COM<port>:PTP_MPI,ADT=<value>", OwnText::WhenTimings);
    numberTip(cdt, cpurange::TimingMin, cpurange::TimingMax, "COM<port>:PTP_MPI,CDT=<value>", OwnText::WhenTimings);
    tg->addWidget(label("labelADT", t(txt::ProtocolTimingAdt), timingFrame_, adt), 0, 0);
    tg->addWidget(adt, 0, 1);
    tg->addWidget(label("labelCDT", t(txt::ProtocolTimingCdt), timingFrame_, cdt), 1, 0);
    tg->addWidget(cdt, 1, 1);
    tg->setColumnStretch(2, 1);
    g->addWidget(timingFrame_, 4, 0, 1, 4);
    g->setColumnStretch(3, 1);
    frames->addWidget(mpiFrame_, 0, Qt::AlignTop);

    // The modem: its type and the time-out for hanging up.
    modemFrame_ = frame("Frame51", t(txt::Modem), page);
    keepPlace(modemFrame_);
    auto* mg = new QGridLayout(modemFrame_);
    auto* modemType = new QButtonGroup(this);
    mg->addWidget(label("labelModemType", t(txt::ModemType), modemFrame_), 0, 0, 1, 2);
    static const char* const types[2] = {"N613", "N618"};
    for (int i = 0; i < 2; ++i) {
        modemType_[i] = new QRadioButton(QString::fromLatin1(types[i]), modemFrame_);
        modemType_[i]->setObjectName(QStringLiteral("Optionmodemtype%1").arg(i));
        modemType->addButton(modemType_[i], i);
        mg->addWidget(modemType_[i], 1 + i, 0, 1, 2);
        connect(modemType_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!showing_ && on) form_.Optionmodemtype = i;
        });
    }
    timeOut_[0] = number("TextTimeOut0", &form_.TextTimeOut[0], modemFrame_);
    numberTip(timeOut_[0], cpurange::TimeOutMin, cpurange::TimeOutMax, kTimeOutEntry, OwnText::WhenTimeOut);
    timeOutLabel_[0] = label("labelTimeOut0", t(txt::HangUpTimeOut), modemFrame_, timeOut_[0]);
    keepPlace(timeOut_[0]);
    keepPlace(timeOutLabel_[0]);
    mg->addWidget(timeOutLabel_[0], 3, 0);
    mg->addWidget(timeOut_[0], 3, 1);
    mg->setRowStretch(4, 1);
    frames->addWidget(modemFrame_, 0, Qt::AlignTop);
    frames->addStretch(1);
    v->addLayout(frames);
    v->addStretch(1);
    return page;
}

QWidget* CpuDialog::serialPage()
{
    auto* page = new QWidget;
    page->setObjectName("TabSerialPort");
    auto* h = new QHBoxLayout(page);
    for (int i = 1; i <= 2; ++i) {
        QGroupBox* f = frame(QStringLiteral("Frame6%1").arg(i), t(txt::SerialPort + i), page);
        auto* g = new QGridLayout(f);
        auto* combo = new QComboBox(f);
        combo->setObjectName(QStringLiteral("ComboMaxBaudRate%1").arg(i));
        combo->addItems(qlist(CpuForm::baudRates()));
        combo->setCurrentIndex(combo->findText(qs(form_.ComboMaxBaudRate[i])));
        connect(combo, &QComboBox::currentTextChanged, this,
                [this, i](const QString& s) { form_.ComboMaxBaudRate[i] = s.toStdString(); });
        g->addWidget(label(QStringLiteral("Label5%1").arg(i), t(txt::MaximumBaudRate), f, combo), 0, 0);
        g->addWidget(combo, 0, 1);
        g->setRowStretch(1, 1);
        maxBaudRate_[i] = combo;
        h->addWidget(f, 0, Qt::AlignTop);
        if (i == 2) slotB2Frame_ = f;
    }
    keepPlace(slotB2Frame_);
    h->addStretch(1);
    return page;
}

QWidget* CpuDialog::startUpPage()
{
    auto* page = new QWidget;
    page->setObjectName("TabStartUp");
    auto* v = new QVBoxLayout(page);
    QGroupBox* f = frame("Frame71", t(txt::Ob100), page);
    auto* fv = new QVBoxLayout(f);
    periphery_ = new QCheckBox(t(txt::DisablePeripheryAccess), f);
    periphery_->setObjectName("CheckPeripheryAccess");
    periphery_->setChecked(form_.CheckPeripheryAccess);
    connect(periphery_, &QCheckBox::toggled, this, [this](bool on) { form_.CheckPeripheryAccess = on; });
    fv->addWidget(periphery_);
    auto* row = new QHBoxLayout;
    row->addWidget(f);
    row->addStretch(1);
    v->addLayout(row);
    v->addStretch(1);
    return page;
}

void CpuDialog::showStates()
{
    showing_ = true;
    for (int tab = 0; tab < cputab::Count; ++tab) tabs_->setTabEnabled(tab, form_.tabEnabled(tab));

    memorySelect_->setEnabled(form_.memoryOffered());
    memorySelect_->setChecked(form_.CheckMemorySelect);
    memoryFrame_->setVisible(form_.frameMemoryVisible());
    const ParsedNumber size = parseNumber(form_.MemorySize, form_.memoryMin(), form_.memoryLimit());
    if (size.problem == NumberProblem::None && size.value != memorySize_->value())
        memorySize_->setValue(static_cast<int>(size.value));
    compilerFrame_->setVisible(form_.frameCompilerVisible());

    web_->setChecked(form_.CheckOperatingWeb);
    webFrame_->setVisible(form_.frameWebVisible());
    const bool webTimeOut = form_.webTimeOutShown();
    timeOutLabel_[1]->setVisible(webTimeOut);
    timeOut_[1]->setVisible(webTimeOut);
    timeOutLabel_[0]->setVisible(!webTimeOut);
    timeOut_[0]->setVisible(!webTimeOut);

    mpi_->setChecked(form_.CheckConfigMPI);
    mpiFrame_->setVisible(form_.frameMpiVisible());
    modemFrame_->setVisible(form_.frameModemVisible());
    coomThrough_[form_.OptionCoomThrough == 1 ? 1 : 0]->setChecked(true);
    modemType_[form_.Optionmodemtype == 1 ? 1 : 0]->setChecked(true);
    const QStringList ports = qlist(form_.portList);
    QStringList listed;
    for (int i = 0; i < port_->count(); ++i) listed << port_->itemText(i);
    if (listed != ports) {
        port_->clear();
        port_->addItems(ports);
    }
    if (port_->currentText() != qs(form_.ComboPortNumber)) port_->setEditText(qs(form_.ComboPortNumber));
    timing_->setChecked(form_.Check1);
    timingFrame_->setVisible(form_.frameTimingVisible());

    slotB2Frame_->setVisible(form_.frameSlotB2Visible());
    showing_ = false;
}

void CpuDialog::accept()
{
    memorySize_->interpretText();
    AppState& app = session_.app;
    if (auto refusal = form_.check(app.texts)) {
        tabs_->setCurrentIndex(refusal->tab);
        app.asker.ShowMessage(refusal->message, refusal->title, refusal->style);
        if (auto* w = findChild<QWidget*>(qs(refusal->control))) {
            w->setFocus(Qt::OtherFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
            if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit()) combo->lineEdit()->selectAll();
        }
        return;
    }
    form_.store(app.CurrentModule);
    {
        const ReadingRows reading(table_);
        table_.WriteRowEintrag(RecordFrom::CurrentModule);
    }
    QDialog::accept();
}

}  // namespace rm::gui
