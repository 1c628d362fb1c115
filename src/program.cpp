#include "program.h"

#include "app/main_window.h"
#include "app/window_registry.h"
#include "engines/delphi/delphi_screen.h"
#include "engines/dfi/dfi_screen.h"
#include "engines/ficht/ficht_screen.h"
#include "engines/mercruiser/mercruiser_screen.h"
#include "engines/yamaha/yamaha_screen.h"
#include "history/history.h"
#include "reference/history_messages.h"
#include "reference/reference_windows.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

namespace {

// Options of Qt itself, which QApplication takes from the command line.
const char *const kToolkitOptions[] = {"platform",
                                       "platformpluginpath",
                                       "platformtheme",
                                       "plugin",
                                       "qwindowgeometry",
                                       "qwindowicon",
                                       "qwindowtitle",
                                       "reverse",
                                       "session",
                                       "style",
                                       "stylesheet",
                                       "widgetcount",
                                       "display",
                                       "geometry",
                                       "title",
                                       "name",
                                       "visual",
                                       "ncols",
                                       "cmap",
                                       "sync",
                                       "nograb",
                                       "dograb",
                                       "qmljsdebugger"};

std::optional<QString> &serverFromCommandLine() {
    static std::optional<QString> server;
    return server;
}

// The shared history's address: the command line, else TIDEWELL_HISTORY,
// else [history] server in the settings file; empty: this PC only.
QString historyServer() {
    if (serverFromCommandLine())
        return *serverFromCommandLine();
    if (qEnvironmentVariableIsSet("TIDEWELL_HISTORY"))
        return qEnvironmentVariable("TIDEWELL_HISTORY");
    QSettings settings;
    return settings.value(QStringLiteral("history/server")).toString();
}

} // namespace

std::optional<int> answerCommandLine(int argc, char *argv[]) {
    QCoreApplication::setOrganizationName(QStringLiteral("tidewell"));
    QCoreApplication::setApplicationName(QStringLiteral("tidewell"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Velmo V 1.00: marine engine diagnosis, demonstration edition."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption server(
        QStringLiteral("history-server"),
        QStringLiteral("Keep the history on this PostgreSQL server for this run, for example "
                       "postgresql://host:5432/tidewell (overrides TIDEWELL_HISTORY and the "
                       "settings file)."),
        QStringLiteral("url"));
    parser.addOption(server);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    bool understood = parser.parse(arguments);
    if (!understood) {
        understood = !parser.unknownOptionNames().isEmpty();
        for (const QString &name : parser.unknownOptionNames())
            if (std::find(std::begin(kToolkitOptions), std::end(kToolkitOptions),
                          name.toStdString()) == std::end(kToolkitOptions))
                understood = false;
    }
    if (!understood) {
        std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", qPrintable(arguments.value(0)),
                     qPrintable(parser.errorText()), qPrintable(arguments.value(0)));
        return 2;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // No application object exists yet to name the program in the usage line.
        const QString program = QFileInfo(arguments.value(0)).fileName();
        std::fputs(
            qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"), program)),
            stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("tidewell %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (parser.isSet(server))
        serverFromCommandLine() = parser.value(server);
    return std::nullopt;
}

void registerProgramWindows() {
    WindowRegistry &registry = WindowRegistry::instance();
    registry.registerWindow(QStringLiteral("Form3"), [] { return new MainWindow; });
    registry.registerWindow(QStringLiteral("Form47"), createMercruiserScreen);
    registry.registerWindow(QStringLiteral("Form46"), createDfiScreen);
    registry.registerWindow(QStringLiteral("Form5"), createYamahaScreen);
    registry.registerWindow(QStringLiteral("Form44"), createFichtScreen);
    registry.registerWindow(QStringLiteral("Form45"), createDelphiScreen);
    registry.registerWindow(QStringLiteral("Form9"), createGlossaryWindow);
    registry.registerWindow(QStringLiteral("Form6"), createConnectorWindow);
    registry.registerWindow(QStringLiteral("Form10"), createHistoryWindow);
    reference::sayHistoryProblems();
}

void startProgram() {
    QApplication::setQuitOnLastWindowClosed(false);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    history::History::instance().configure(
        {QDir(folder).filePath(QStringLiteral("history.sqlite")), historyServer()});
    registerProgramWindows();
    WindowRegistry &registry = WindowRegistry::instance();
    QObject::connect(&registry, &WindowRegistry::lastWindowUnloaded, qApp,
                     [] { QCoreApplication::exit(0); });
    registry.open(QStringLiteral("Form3"));
}
