#include "Options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const QString DefaultSensors = QStringLiteral("1:A1B2C3D4E5F6:-67,4:010203040506:-80");

std::optional<double> rate(const QCommandLineParser &parser, const QString &name)
{
    bool isNumber = false;
    const double value = parser.value(name).toDouble(&isNumber);
    if (!isNumber || value < 0 || value > 1)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<SimulatorOptions> parseOptions(const QStringList &arguments, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Behaves like a telematics terminal on the far end of a serial line.\n"
        "By default it opens a pseudo-terminal pair, prints the path of the slave side as its\n"
        "first line on stdout and serves until stdin (a pipe or a terminal) closes or it gets\n"
        "SIGTERM (any other stdin, such as /dev/null, is not watched). Output runs at\n"
        "115200 bit/s. Settings start from the defaults of the type's settings description\n"
        "(a small built-in set when the program has none)."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("gen"),
         QStringLiteral("Protocol generation: 1 (text records, the default), 2 (binary frames) "
                        "or 3 (the BLE sensor hub, type 250)."),
         QStringLiteral("N"), QStringLiteral("1")},
        {QStringLiteral("type"),
         QStringLiteral("Device type a generation-1 terminal reports, 5 to 249 (default 206)."),
         QStringLiteral("N"), QStringLiteral("206")},
        {QStringLiteral("console"),
         QStringLiteral("Be the plain-text console terminal (type 1) instead.")},
        {QStringLiteral("link"), QStringLiteral("Also make a symlink PATH to the pty slave."),
         QStringLiteral("PATH")},
        {QStringLiteral("device"),
         QStringLiteral(
             "Serve an existing serial device (set to 115200 8N1 raw) instead of a new pty."),
         QStringLiteral("PATH")},
        {QStringLiteral("flood"), QStringLiteral("Write at full speed instead of 115200 bit/s.")},
        {QStringLiteral("settings"),
         QStringLiteral(
             "Preload the settings of a .cfg file (one line: the Base64 of a settings image)."),
         QStringLiteral("FILE")},
        {QStringLiteral("password"),
         QStringLiteral("Device password, setting 5 (default 470913; a --settings file may "
                        "bring its own)."),
         QStringLiteral("TEXT"), QStringLiteral("470913")},
        {QStringLiteral("sensors"),
         QStringLiteral("Sensors the hub's search finds: kind:address:dB,... with the address as "
                        "the configurator shows it, or \"none\" (default: two sensors)."),
         QStringLiteral("LIST"), DefaultSensors},
        {QStringLiteral("firmware-out"),
         QStringLiteral("Write a firmware image uploaded to a generation-1 terminal to FILE."),
         QStringLiteral("FILE")},
        {QStringLiteral("split"),
         QStringLiteral("Cut output into random chunks of 1 to N bytes written apart (default 0: "
                        "no cuts). Firmware requests always go out whole."),
         QStringLiteral("N"), QStringLiteral("0")},
        {QStringLiteral("noise"),
         QStringLiteral("Chance (0 to 1) of garbage bytes before each record."),
         QStringLiteral("RATE"), QStringLiteral("0")},
        {QStringLiteral("corrupt"),
         QStringLiteral("Chance (0 to 1) of a flipped bit in each memory block sent and each "
                        "firmware piece received."),
         QStringLiteral("RATE"), QStringLiteral("0")},
        {QStringLiteral("drop-reply"),
         QStringLiteral("Chance (0 to 1) that a request goes unanswered."), QStringLiteral("RATE"),
         QStringLiteral("0")},
        {QStringLiteral("seed"),
         QStringLiteral("Seed of every random choice, for runs that repeat exactly."),
         QStringLiteral("S")},
        {QStringLiteral("script"),
         QStringLiteral(
             "Send a recorded sequence instead of a profile. Lines: \"hex: 3E4920...\", \"text: "
             ">DN=12345\" (CR LF appended), \"delay: 250\" (ms), \"#\" comments."),
         QStringLiteral("FILE")},
        {QStringLiteral("verbose"), QStringLiteral("Log what is received and sent on stderr.")},
    });
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first());
        return std::nullopt;
    }

    SimulatorOptions options;
    const int generation = parser.value(QStringLiteral("gen")).toInt();
    if (generation < 1 || generation > 3) {
        *error = QStringLiteral("--gen takes 1, 2 or 3");
        return std::nullopt;
    }
    options.profile = generation == 2   ? SimulatorOptions::Profile::Generation2
                      : generation == 3 ? SimulatorOptions::Profile::Hub
                                        : SimulatorOptions::Profile::Generation1;
    if (parser.isSet(QStringLiteral("console")))
        options.profile = SimulatorOptions::Profile::Console;
    options.scriptFile = parser.value(QStringLiteral("script"));
    if (!options.scriptFile.isEmpty())
        options.profile = SimulatorOptions::Profile::Script;

    options.type = parser.value(QStringLiteral("type")).toInt();
    if (options.type < 5 || options.type > 249) {
        *error = QStringLiteral("--type takes a generation-1 type, 5 to 249");
        return std::nullopt;
    }
    options.linkPath = parser.value(QStringLiteral("link"));
    options.devicePath = parser.value(QStringLiteral("device"));
    options.flood = parser.isSet(QStringLiteral("flood"));
    options.settingsFile = parser.value(QStringLiteral("settings"));
    options.password = parser.value(QStringLiteral("password")).toLatin1();
    options.passwordGiven = parser.isSet(QStringLiteral("password"));
    options.firmwareOut = parser.value(QStringLiteral("firmware-out"));
    options.verbose = parser.isSet(QStringLiteral("verbose"));

    const auto sensors = parseSensorList(parser.value(QStringLiteral("sensors")));
    if (!sensors) {
        *error =
            QStringLiteral("--sensors wants kind:address:dB,... (address 12 hex digits) or none");
        return std::nullopt;
    }
    options.sensors = *sensors;

    bool isNumber = false;
    options.split = parser.value(QStringLiteral("split")).toInt(&isNumber);
    if (!isNumber || options.split < 0) {
        *error = QStringLiteral("--split takes a chunk size of 1 or more (0: no split)");
        return std::nullopt;
    }
    const auto noise = rate(parser, QStringLiteral("noise"));
    const auto corrupt = rate(parser, QStringLiteral("corrupt"));
    const auto dropReply = rate(parser, QStringLiteral("drop-reply"));
    if (!noise || !corrupt || !dropReply) {
        *error = QStringLiteral("--noise, --corrupt and --drop-reply take a rate from 0 to 1");
        return std::nullopt;
    }
    options.noise = *noise;
    options.corrupt = *corrupt;
    options.dropReply = *dropReply;
    if (parser.isSet(QStringLiteral("seed"))) {
        options.seed = parser.value(QStringLiteral("seed")).toULongLong(&isNumber);
        if (!isNumber) {
            *error = QStringLiteral("--seed takes a whole number");
            return std::nullopt;
        }
    }
    return options;
}
