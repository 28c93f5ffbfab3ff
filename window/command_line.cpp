#include "command_line.h"

#include "window/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

constexpr int kUsageError = 2;

// The options QGuiApplication and QApplication read themselves, with
// whether they take a value.
struct ToolkitOption {
    const char* name;
    bool takesValue;
};
constexpr std::array<ToolkitOption, 26> kToolkitOptions{{
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qmljsdebugger", true},
    {"qwindowgeometry", true},
    {"geometry", true},
    {"qwindowicon", true},
    {"icon", true},
    {"qwindowtitle", true},
    {"title", true},
    {"session", true},
    {"display", true},
    {"name", true},
    {"visual", true},
    {"ncols", true},
    {"style", true},
    {"stylesheet", true},
    {"fontengine", true},
    {"dialogs", true},
    {"reverse", false},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
    {"cmap", false},
}};

QtMessageHandler g_previousHandler = nullptr;
QList<std::pair<QtMsgType, QString>> g_heldMessages;

void HoldOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        g_heldMessages.append({type, qFormatLogMessage(type, context, message)});
        return;
    }
    const QString display = qEnvironmentVariable("DISPLAY");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    const QString tried = QStringList{display.isEmpty() ? QString() : QStringLiteral("DISPLAY=") + display,
        wayland.isEmpty() ? QString() : QStringLiteral("WAYLAND_DISPLAY=") + wayland}
                              .join(QLatin1Char(' '))
                              .trimmed();
    std::fprintf(stderr,
        "dewpoint-converter: cannot open the display%s; start it in a desktop session or over ssh -X, or convert "
        "with dewpoint(1)\n",
        tried.isEmpty() ? "" : qPrintable(QStringLiteral(" (") + tried + QLatin1Char(')')));
    std::fflush(stderr);
    std::_Exit(1);
}

QString Usage(const QCommandLineParser& parser)
{
    // Without an application object the parser does not know the program's name.
    return parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("dewpoint-converter"))
        + QStringLiteral("\nThe toolkit's own options are accepted too, among them -platform NAME, -style NAME,\n"
                         "-display DISPLAY and -reverse.\n");
}

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Converts the dewpoint a humidity sensor reports into the pressure dewpoint of a\n"
                       "compressed-air line, in a window. For the same conversion on the command line,\n"
                       "and over whole logged tables, see dewpoint(1)."));
    // -platform and the like are single-dash words, as the toolkit reads them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const ToolkitOption& toolkit : kToolkitOptions) {
        QCommandLineOption option(QString::fromLatin1(toolkit.name));
        if (toolkit.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString program = QStringLiteral("dewpoint-converter");
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.positionalArguments().isEmpty()
            ? parser.errorText()
            : QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
        Print(stderr, program + QStringLiteral(": ") + error + QLatin1Char('\n') + Usage(parser));
        return kUsageError;
    }
    if (parser.isSet(help)) {
        Print(stdout, Usage(parser));
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, program + QLatin1Char(' ') + QString::fromLatin1(kApplicationVersion) + QLatin1Char('\n'));
        return 0;
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Without a display the toolkit would abort with advice to reinstall.
    if (!parser.isSet(QStringLiteral("platform")) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        Print(stderr,
            program
                + QStringLiteral(": no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); start it in a "
                                 "desktop session or over ssh -X, or convert with dewpoint(1)\n"));
        return 1;
    }
#endif
    return std::nullopt;
}

void HoldToolkitStartUpMessages()
{
    g_previousHandler = qInstallMessageHandler(HoldOrEnd);
}

void ReleaseToolkitStartUpMessages()
{
    qInstallMessageHandler(g_previousHandler);
    for (const auto& [type, text] : std::as_const(g_heldMessages))
        std::fprintf(stderr, "%s\n", qPrintable(text));
    g_heldMessages.clear();
}
