// The printed listing on real devices: a PDF file written whole or not at
// all, every page reaching the PDF and the preview, and millimetres landing
// where they should.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "core/project/OverviewPrint.h"
#include "gui/project/PrintPage.h"
#include "gui/support/GuiFixture.h"
#include "support/TestSupport.h"

using namespace rm;
using namespace rm::gui;

class Print : public QObject {
    Q_OBJECT

private slots:
    void init();
    void pdfIsWrittenWholeOrNotAtAll();
    void everyPageReachesTheDevice();
    void millimetresOnTheDevice();

private:
    void place(const std::string& order, int row)
    {
        table_->setCurrentRow(row);
        QVERIFY2(table_->DblClickInTree(app_.ModulKatalog.indexOf(order)), order.c_str());
    }
    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    static int pdfPages(const QByteArray& pdf)
    {
        return static_cast<int>(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page[^s]")));
    }

    rm::test::ScriptedAsker asker_;
    AppState app_{asker_};
    std::unique_ptr<ProjectTable> table_;
    std::unique_ptr<QTemporaryDir> tmp_;
    QDir dir_;
};

void Print::init()
{
    tmp_ = std::make_unique<QTemporaryDir>();
    dir_ = QDir(tmp_->path());
    app_.ModulKatalog = rm::test::testCatalog();
    table_ = std::make_unique<ProjectTable>(app_);
    table_->info().ProjektName = "Hall2";
    place("QMV2.R300", 1);
    place("QMV2.D310", 5);
    place("QMV2.E301", 6);
}

void Print::pdfIsWrittenWholeOrNotAtAll()
{
    const QString path = dir_.filePath("listing.pdf");
    write(path, "an older listing");
    QString error;
    QVERIFY2(exportPdf(*table_, app_.texts, path, &error), qPrintable(error));
    const QByteArray pdf = read(path);
    QVERIFY(pdf.startsWith("%PDF") && pdf.trimmed().endsWith("%%EOF"));
    QCOMPARE(pdfPages(pdf), 2);                                         // the listing and the address overview
    QCOMPARE(dir_.entryList(QDir::Files), QStringList{"listing.pdf"});  // no temporary file beside it

    // A folder where the file should go: the folder and its content stay.
    const QString folder = dir_.filePath("busy.pdf");
    QVERIFY(QDir().mkpath(folder));
    write(folder + "/keep.txt", "kept");
    QVERIFY(!exportPdf(*table_, app_.texts, folder, &error));
    QVERIFY2(error.contains("busy.pdf"), qPrintable(error));
    QCOMPARE(read(folder + "/keep.txt"), QByteArray("kept"));

    // The project file itself, chosen in the dialog, is not replaced by its listing.
    const QString project = dir_.filePath("hall2.qv4");
    write(project, "project");
    table_->info().ProjektPfad = dir_.filePath("./hall2.qv4").toStdString();
    QVERIFY(!exportPdf(*table_, app_.texts, project, &error));
    QCOMPARE(read(project), QByteArray("project"));
}

void Print::everyPageReachesTheDevice()
{
    // CPU, two extensions and a module in every slot: 24 modules, two pages.
    place("QMV2.X100", 13);
    place("QMV2.X100", table_->lastRow());
    for (int r = 5; r <= table_->lastRow(); ++r)
        if (table_->RowIs(r) == kind::Slot && table_->rowEmpty(r)) place("QMV2.D310", r);
    QCOMPARE(Prepare_print_pages(*table_, app_.texts, "").size(), std::size_t{2});
    // The address overview follows the listing.
    const int pages = 2 + static_cast<int>(overviewPrintPages(addressRanges(*table_), app_.texts, "").size());
    QVERIFY(pages > 2);
    const QString path = dir_.filePath("rack.pdf");
    QString error;
    QVERIFY2(exportPdf(*table_, app_.texts, path, &error), qPrintable(error));
    QCOMPARE(pdfPages(read(path)), pages);

    int previewPages = -1;
    rm::gui::test::GuiFixture::whenModal([&](QWidget* dlg) {
        if (auto* preview = dlg->findChild<QPrintPreviewWidget*>()) previewPages = preview->pageCount();
        dlg->close();
    });
    previewProject(*table_, app_.texts, nullptr);
    QCOMPARE(previewPages, pages);
}

void Print::millimetresOnTheDevice()
{
    // A4 at 100 dots per inch.
    QImage image(827, 1170, QImage::Format_RGB32);
    image.setDotsPerMeterX(3937);
    image.setDotsPerMeterY(3937);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintPage(painter, Prepare_print_form(*table_, app_.texts, "06-12-2026    14:05"));
    }
    auto dark = [&](double xMm, double yMm) {
        const QPoint p(qRound(xMm * 100 / 25.4), qRound(yMm * 100 / 25.4));
        return qGray(image.pixel(p)) < 128;
    };
    // The frame from (15, 6) to (195, 30), 0.5 mm wide, and the heading rule at 57.
    QVERIFY(dark(15, 18) && dark(195, 18) && dark(100, 6) && dark(100, 30));
    QVERIFY(!dark(16, 18) && !dark(100, 31));
    QVERIFY(dark(16, 57) && dark(194, 57) && !dark(14, 57) && !dark(196, 57));
}

QTEST_MAIN(Print)
#include "tst_print.moc"
