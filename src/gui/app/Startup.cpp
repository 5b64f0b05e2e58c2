#include "gui/app/Startup.h"
#include "core/base/TextIds.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#include "core/app/Language.h"
#include "core/base/Files.h"
#include "core/base/OwnTexts.h"
#include "gui/app/GuiAsker.h"
#include "gui/app/MainWindow.h"
#include "gui/app/RecoveryDialog.h"
#include "gui/app/Session.h"
#include "gui/app/SplashWindow.h"
#include "gui/cpu/CpuDialogs.h"
#include "gui/modules/FrameDialogs.h"
#include "gui/modules/MotionDialogs.h"
#include "gui/project/ProjectGuard.h"

namespace rm::gui {

namespace fs = std::filesystem;

namespace {

void installQtTranslations(QCoreApplication& app, int languageBase)
{
    if (languageBase == kEnglishBase) return;
    auto* translator = new QTranslator(&app);
    const QString name = languageBase == kGermanBase ? "qtbase_de" : "qtbase_fr";
    if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) app.installTranslator(translator);
}

// The start options, described in the language of `texts`.
struct StartParser {
    explicit StartParser(const Texts& texts)
        : splash("splash-ms", q(ownText(texts, OwnText::StartOptionSplash)), "ms", "2000"),
          resources("resources", q(ownText(texts, OwnText::StartOptionResources)), "dir"),
          autosave("autosave-seconds", q(ownText(texts, OwnText::StartOptionAutosave)), "n")
    {
        parser.setApplicationDescription(q(ownText(texts, OwnText::StartDescription)));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(splash);
        parser.addOption(resources);
        parser.addOption(autosave);
        parser.addPositionalArgument("project", q(ownText(texts, OwnText::StartOptionProjects)), "[project...]");
    }
    static QString q(const std::string& s) { return QString::fromStdString(s); }
    QCommandLineParser parser;
    QCommandLineOption splash, resources, autosave;
};

// The language the program would start in with these resources: the help
// is shown in it.
int startLanguage(const QString& resources)
{
    const fs::path programDir = QCoreApplication::applicationDirPath().toStdString();
    const fs::path resourceDir =
        resources.isEmpty() ? defaultResourceDir(programDir) : fs::path(resources.toStdString());
    LanguageChoice choice = LoadLanguage(resourceDir);
    applyLanguageChoice(languageChoiceFile(resourceDir, programDir, userDataDir()), resourceDir, choice);
    return choice.LanguageBase;
}

}  // namespace

bool parseStartOptions(const QStringList& arguments, StartOptions& options, QString* error)
{
    auto q = StartParser::q;
    StartParser start{Texts(kEnglishBase)};
    QCommandLineParser& parser = start.parser;
    if (!parser.parse(arguments)) {
        if (error) *error = parser.errorText();
        return false;
    }
    if (parser.isSet("help")) {
        const int language = startLanguage(parser.value(start.resources));
        if (QCoreApplication::instance()) installQtTranslations(*QCoreApplication::instance(), language);
        StartParser shown{Texts(language)};
        (void)shown.parser.parse(arguments);
        shown.parser.showHelp(0);
    }
    if (parser.isSet("version")) parser.showVersion();
    bool ok = true;
    options.splashMs = parser.value(start.splash).toInt(&ok);
    // An option's error in the language the program would start in.
    auto refuse = [&](OwnText which) {
        if (error) *error = q(ownText(Texts(startLanguage(parser.value(start.resources))), which));
        return false;
    };
    if (!ok || options.splashMs < 0) return refuse(OwnText::StartSplashNotNumber);
    if (parser.isSet(start.autosave)) {
        options.autosaveSeconds = parser.value(start.autosave).toInt(&ok);
        if (!ok || options.autosaveSeconds < 0) return refuse(OwnText::StartAutosaveNotNumber);
    }
    options.resources = parser.value(start.resources);
    options.projects = parser.positionalArguments();
    return true;
}

namespace {

// detail: the file and what is wrong with it, when the file is there.
void fatalMissingFile(Session& session, const std::string& detail = {})
{
    // No language is chosen yet when the catalog file is missing: English.
    const Texts english(kEnglishBase);
    session.asker.ShowMessage(english.byEnglishId(txt::SystemFileMissing) + (detail.empty() ? "" : "\n\n" + detail),
                              english.byEnglishId(txt::InitialisationNotLoaded), style::Ok + style::Critical);
}

// The user's language choice, where the shipped catalog file cannot be written.
void applyUserLanguage(Session& session)
{
    applyLanguageChoice(session.languageFile(), session.resourceDir, session.language);
}

}  // namespace

std::unique_ptr<MainWindow> startProgram(QApplication& app, Session& session, const StartOptions& options)
{
    session.programDir = QCoreApplication::applicationDirPath().toStdString();
    session.resourceDir = options.resources.isEmpty() ? defaultResourceDir(session.programDir)
                                                      : fs::path(options.resources.toStdString());
    session.userDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    std::error_code ec;
    fs::create_directories(session.userDir, ec);

    session.settings = loadSettings();
    session.settings.grid.preferPlatformSize(QApplication::font().pointSizeF());
    session.recent.read(session.recentListFile(), [](const std::string& p) { return FileExists(p); });
    session.language = LoadLanguage(session.resourceDir);
    if (!session.language.catalogFound) {
        fatalMissingFile(session);
        return nullptr;
    }
    if (!session.language.catalogError.empty()) {
        fatalMissingFile(session, resourcePath(session.resourceDir, kCatalogFileName).string() + ": " +
                                      session.language.catalogError);
        return nullptr;
    }
    applyUserLanguage(session);
    if (session.language.moduleFileName.empty()) {
        fatalMissingFile(session, resourcePath(session.resourceDir, kCatalogFileName).string() +
                                      ": section LANGUAGE, key SELECTED names no known language "
                                      "(ENGLISH, DEUTSCH or OPTION)");
        return nullptr;
    }
    session.app.setLanguage(session.language.LanguageBase);
    installQtTranslations(app, session.language.LanguageBase);
    QApplication::setApplicationDisplayName("qv4 RackMason");

    registerFrameDialogs();
    registerMotionDialogs();
    registerCpuDialog();
    auto window = std::make_unique<MainWindow>(session);
    window->show();

    bool loaded = false;
    std::string failure, warnings;
    SplashWindow::runWithSplash(session, options.splashMs, [&] {
        if (session.language.moduleFileName.empty()) return;
        try {
            const fs::path data = resourcePath(session.resourceDir, session.language.moduleFileName);
            auto res = LoadModuleDescriptions(data);
            if (!res.catalog) {
                failure = data.string() + ": " + res.error;
                return;
            }
            session.app.ModulKatalog = std::move(*res.catalog);
            const fs::path ini = resourcePath(session.resourceDir, kCatalogFileName);
            std::string error;
            session.catalogIni = IniFile::load(ini, &error);
            CatalogTreeReport report;
            if (error.empty()) {
                session.tree = CreateTreeV(session.catalogIni, session.app.ModulKatalog, &report);
                applyCatalogTitles(session.tree, session.catalogIni, session.language.LanguageIndex);
            }
            if (!error.empty() || !report.refused.empty()) {
                failure = ini.string() + ": " + (error.empty() ? report.refused : error);
                return;
            }
            warnings = catalogWarnings(session.app.texts, report, data.filename().string());
            for (const auto& w : res.warnings) warnings += (warnings.empty() ? "" : "\n") + data.string() + ", " + w;
            loaded = true;
        } catch (const std::bad_alloc&) {
            failure = "out of memory";
        }
    });
    if (!loaded) {
        window->hide();
        fatalMissingFile(session, failure);
        return nullptr;
    }
    window->createCatalogWindow();
    if (!warnings.empty()) session.asker.ShowMessage(warnings, "", style::Ok + style::Exclamation);
    QStringList projects;
    for (const QString& p : options.projects) projects << QFileInfo(p).absoluteFilePath();
    if (options.autosaveSeconds >= 0) setAutosaveOverride(options.autosaveSeconds);
    offerRecovery(session, *window);
    window->openProjectFiles(projects);
    return window;
}

int runProgram(QApplication& app)
{
    QApplication::setApplicationName("RackMason");
    QApplication::setOrganizationName("RackMason");
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    StartOptions options;
    QString error;
    if (!parseStartOptions(QApplication::arguments(), options, &error)) {
        fprintf(stderr, "rackmason: %s\n", qPrintable(error));
        return 2;
    }
    GuiAsker asker;
    NativeFileChooser files;
    NativeFontChooser fonts;
    Session session(asker, files, fonts);
    auto window = startProgram(app, session, options);
    if (!window) return 1;
    return app.exec();
}

}  // namespace rm::gui
