#include "gui/modules/EncoderDialogs.h"
#include "core/base/TextIds.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

namespace rm::gui {

namespace {

QGroupBox* frame(const QString& name, const QString& caption, QWidget* parent)
{
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(name);
    return f;
}

}  // namespace

// ---------------------------------------------------------------- CntTyp2

SsiEncoderDialog::SsiEncoderDialog(Session& session, ProjectTable& table, QWidget* parent)
    : AddressTabDialog(session, table, parent)
{
    setObjectName("CntTyp2");
    form_.load(current());

    auto* page = new QWidget;
    page->setObjectName("TabExtra");
    auto* grid = new QGridLayout(page);

    auto* mode = frame("txtModus", t(txt::Mode), page);
    optionGroup(this, "rbMode", 0, {t(txt::ModeNormal), t(txt::ModeRingCheck)}, form_.mode, new QVBoxLayout(mode),
                [this](int k) { form_.mode = k; });
    grid->addWidget(mode, 0, 0);

    auto* format = frame("txtFormat", t(txt::Format), page);
    optionGroup(this, "rbFormat", 0, {t(txt::FormatBinary), t(txt::FormatGraycode)}, form_.format,
                new QVBoxLayout(format), [this](int k) { form_.format = k; });
    grid->addWidget(format, 0, 1);

    auto* frequency = frame("txtFrequenz", t(txt::EncoderFrequency), page);
    optionGroup(
        this, "rbFrequenz", 0,
        {QStringLiteral("100 kHz"), QStringLiteral("200 kHz"), QStringLiteral("300 kHz"), QStringLiteral("500 kHz")},
        form_.frequency, new QVBoxLayout(frequency), [this](int k) { form_.frequency = k; });
    grid->addWidget(frequency, 1, 0, 2, 1);

    auto* bits = new QHBoxLayout;
    auto* label = new QLabel(t(txt::DataBitCount), page);
    label->setObjectName("Label6");
    dataBits_ = new UpDownBox(SsiEncoderForm::kMinBits, SsiEncoderForm::kMaxBits, page);
    dataBits_->setObjectName("txtAnzahlDatenBit");
    dataBits_->setText(qs(form_.dataBits));
    label->setBuddy(dataBits_);
    connect(dataBits_, &UpDownBox::textEdited, this, [this](const QString& s) { form_.dataBits = s.toStdString(); });
    bits->addWidget(label);
    bits->addWidget(dataBits_);
    bits->addStretch(1);
    grid->addLayout(bits, 1, 1, Qt::AlignTop);
    grid->setRowStretch(2, 1);
    addTab(page, txt::TabExtra);
}

bool SsiEncoderDialog::validateParameters(QString* message)
{
    std::string why;
    if (form_.check(session().app.texts, &why)) return true;
    *message = qs(why);
    showField(dataBits_);
    return false;
}

void SsiEncoderDialog::storeParameters(RowEintrag& current)
{
    form_.store(current);
}

// ---------------------------------------------------------------- CntTyp3

TwoAxisEncoderDialog::TwoAxisEncoderDialog(Session& session, ProjectTable& table, QWidget* parent)
    : AddressTabDialog(session, table, parent)
{
    setObjectName("CntTyp3");
    form_.load(current(), session.app.NextModule, isAxisYRow(table, table.currentRow()));
    addTab(axisPage(0), txt::AxisX);
    const int y = addTab(axisPage(1), txt::AxisY);
    tabs()->setTabVisible(y, form_.hasAxisY);
}

QWidget* TwoAxisEncoderDialog::axisPage(int a)
{
    // Axis X has the frames Frame4(0..3), axis Y Frame5(0..3).
    const QString xy = a == 0 ? "X" : "Y";
    const QString frameName = a == 0 ? "Frame4" : "Frame5";
    EncoderAxis& ax = axis(a);
    auto* page = new QWidget;
    page->setObjectName("TabAxis" + xy);
    auto* grid = new QGridLayout(page);

    auto* type = frame(frameName + "0", t(txt::EncoderType), page);
    optionGroup(this, "rbMode" + xy, 0, {t(txt::IncrementalEncoder), t(txt::SsiEncoder)}, ax.type,
                new QVBoxLayout(type), [this, a](int k) {
                    axis(a).type = k;
                    showAxis(a);
                });
    grid->addWidget(type, 0, 0);

    auto* frequency = frame(frameName + "1", t(txt::EncoderFrequency), page);
    optionGroup(this, "rbFrequenz" + xy, 0,
                {QStringLiteral("250 kHz"), QStringLiteral("500 kHz"), QStringLiteral("1 MHz")}, ax.frequency,
                new QVBoxLayout(frequency), [this, a](int k) { axis(a).frequency = k; });
    grid->addWidget(frequency, 1, 0);

    auto* format = frame(frameName + "2", t(txt::Format), page);
    optionGroup(this, "rbFormat" + xy, 0, {t(txt::FormatBinary), t(txt::FormatGraycode)}, ax.format,
                new QVBoxLayout(format), [this, a](int k) { axis(a).format = k; });
    grid->addWidget(format, 0, 1);

    auto* bits = frame(frameName + "3", t(txt::DataBitCount), page);
    auto* bitsLayout = new QHBoxLayout(bits);
    auto* box = new UpDownBox(EncoderAxis::kMinBits, EncoderAxis::kMaxBits, bits);
    box->setObjectName("txtAnzahlDatenBit" + xy);
    box->setText(qs(ax.dataBits));
    connect(box, &UpDownBox::textEdited, this, [this, a](const QString& s) { axis(a).dataBits = s.toStdString(); });
    bitsLayout->addWidget(box);
    bitsLayout->addStretch(1);
    grid->addWidget(bits, 1, 1, Qt::AlignTop);
    grid->setRowStretch(2, 1);

    const std::size_t i = static_cast<std::size_t>(a);
    details_[i] = {frequency, format, bits};
    dataBits_[i] = box;
    for (QWidget* w : details_[i]) keepPlaceWhenHidden(w);
    showAxis(a);
    return page;
}

void TwoAxisEncoderDialog::showAxis(int a)
{
    for (QWidget* w : details_[static_cast<std::size_t>(a)]) w->setVisible(axis(a).detailsVisible());
}

bool TwoAxisEncoderDialog::validateParameters(QString* message)
{
    std::string why;
    int bad = 0;
    if (form_.check(session().app.texts, &why, &bad)) return true;
    *message = qs(why);
    showField(dataBits_[static_cast<std::size_t>(bad)]);
    return false;
}

void TwoAxisEncoderDialog::storeParameters(RowEintrag& current)
{
    form_.store(current, session().app.NextModule);
}

}  // namespace rm::gui
