#include "Simulator.h"

#include "profiles/ConsoleTerminal.h"
#include "profiles/Generation1Terminal.h"
#include "profiles/Generation2Terminal.h"
#include "profiles/HubTerminal.h"
#include "profiles/ScriptTerminal.h"
#include "store/DefaultSettings.h"

#include <QFile>

namespace {

// 115200 bit/s with a start and a stop bit around every byte.
constexpr int LineBytesPerSecond = 115200 / 10;
// The console terminal is type "1" to the configurator.
constexpr int ConsoleType = 1;

quint64 seedOf(const SimulatorOptions &options)
{
    return options.seed.value_or(QRandomGenerator::global()->generate64());
}

} // namespace

Simulator::Simulator(SimulatorOptions options, QObject *parent)
    : QObject(parent)
    , m_options(std::move(options))
    , m_seeds(seedOf(m_options))
    , m_log(m_options.verbose)
    , m_faults(m_seeds.generate64(), m_options.dropReply, m_options.corrupt)
{
    m_clock.setInterval(1000);
}

Simulator::~Simulator() = default;

bool Simulator::start(QString *error)
{
    m_terminal = createTerminal(error);
    if (!m_terminal)
        return false;
    std::unique_ptr<LinePort> port = openPort(error);
    if (!port)
        return false;
    OutputShaper shaper(m_seeds.generate64(), m_options.split, m_options.noise);
    m_line = std::make_unique<SerialLine>(std::move(port), std::move(shaper),
                                          m_options.flood ? 0 : LineBytesPerSecond, m_log);
    connect(m_line.get(), &SerialLine::received, m_terminal.get(), &Terminal::receive);
    connect(m_terminal.get(), &Terminal::send, m_line.get(), &SerialLine::send);
    connect(&m_clock, &QTimer::timeout, m_terminal.get(), &Terminal::tick);
    m_clock.start();
    m_terminal->start();
    return true;
}

std::unique_ptr<LinePort> Simulator::openPort(QString *error) const
{
    if (!m_options.devicePath.isEmpty())
        return LinePort::openDevice(m_options.devicePath, error);
    return LinePort::openPseudoTerminal(m_options.linkPath, error);
}

std::unique_ptr<Terminal> Simulator::createTerminal(QString *error)
{
    using Profile = SimulatorOptions::Profile;
    switch (m_options.profile) {
    case Profile::Generation1: {
        if (!loadSettings(m_options.type, error))
            return nullptr;
        Generation1Identity identity;
        identity.type = m_options.type;
        auto terminal = std::make_unique<Generation1Terminal>(identity, m_settings, m_faults,
                                                              m_seeds.generate64());
        connect(terminal.get(), &Generation1Terminal::firmwareReceived, this,
                &Simulator::saveFirmware);
        return terminal;
    }
    case Profile::Generation2:
        return std::make_unique<Generation2Terminal>(m_seeds.generate64());
    case Profile::Hub:
        return std::make_unique<HubTerminal>(m_options.sensors, m_faults);
    case Profile::Console:
        if (!loadSettings(ConsoleType, error))
            return nullptr;
        return std::make_unique<ConsoleTerminal>(m_settings, m_faults);
    case Profile::Script: {
        QFile file(m_options.scriptFile);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1").arg(m_options.scriptFile);
            return nullptr;
        }
        QString problem;
        const auto steps = parseScript(QString::fromUtf8(file.readAll()), &problem);
        if (!steps) {
            *error = m_options.scriptFile + QStringLiteral(", ") + problem;
            return nullptr;
        }
        return std::make_unique<ScriptTerminal>(*steps);
    }
    }
    return nullptr;
}

bool Simulator::loadSettings(int type, QString *error)
{
    m_settings = SettingsStore(DefaultSettings::forType(type));
    m_settings.setPassword(m_options.password);
    if (!m_options.settingsFile.isEmpty()) {
        QFile file(m_options.settingsFile);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            *error = QStringLiteral("cannot read %1").arg(m_options.settingsFile);
            return false;
        }
        const auto image = QByteArray::fromBase64Encoding(file.readLine().trimmed(),
                                                          QByteArray::AbortOnBase64DecodingErrors);
        if (!image || !m_settings.applyImage(*image)) {
            *error = QStringLiteral("%1 holds no valid settings image").arg(m_options.settingsFile);
            return false;
        }
    }
    if (m_options.passwordGiven)
        m_settings.setPassword(m_options.password);
    return true;
}

void Simulator::saveFirmware(const QByteArray &image)
{
    m_log.note(QStringLiteral("firmware of %1 bytes received").arg(image.size()));
    if (m_options.firmwareOut.isEmpty())
        return;
    QFile file(m_options.firmwareOut);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size())
        m_log.note(QStringLiteral("cannot write %1").arg(m_options.firmwareOut));
}
