#include "profiles/ConsoleTerminal.h"

#include <algorithm>

namespace {

constexpr int RebootSeconds = 2;

const QByteArray Banner = "Quorvel console 1.4.2 ready";
const QByteArray RepeatHint = "[Press ENTER to execute the previous command again]";
const QByteArray SettingsSet = "settings set ";

// Only what follows the last unprintable byte counts: the configurator probes a silent port
// with a binary frame that would otherwise prefix the next line.
QByteArray printableTail(const QByteArray &line)
{
    const auto unprintable = [](char c) { return quint8(c) < 0x20 || quint8(c) >= 0x7F; };
    const auto last = std::find_if(line.rbegin(), line.rend(), unprintable);
    return line.right(std::distance(line.rbegin(), last));
}

} // namespace

ConsoleTerminal::ConsoleTerminal(SettingsStore &settings, Faults &faults, QObject *parent)
    : Terminal(parent)
    , m_settings(settings)
    , m_faults(faults)
{
}

void ConsoleTerminal::start()
{
    answer(Banner);
}

void ConsoleTerminal::receive(const QByteArray &bytes)
{
    if (m_rebootSilence > 0)
        return;
    for (const QByteArray &line : m_lines.feed(bytes)) {
        if (!m_faults.dropRequest())
            handleLine(printableTail(line));
    }
}

void ConsoleTerminal::tick()
{
    if (m_rebootSilence > 0 && --m_rebootSilence == 0)
        answer(Banner);
}

void ConsoleTerminal::handleLine(const QByteArray &line)
{
    if (!m_unlocked) {
        m_unlocked = line == m_settings.password();
        answer(m_unlocked ? "DEVICE PASSWORD OK" : "DEVICE PASSWORD ERROR");
        return;
    }
    const QByteArray command = line.isEmpty() ? m_previousCommand : line;
    if (command.isEmpty())
        return;
    m_previousCommand = command;
    runCommand(command);
}

void ConsoleTerminal::runCommand(const QByteArray &command)
{
    if (command.startsWith(SettingsSet)) {
        const auto image = QByteArray::fromBase64Encoding(command.mid(SettingsSet.size()),
                                                          QByteArray::AbortOnBase64DecodingErrors);
        const bool written = image && m_settings.applyImage(*image);
        answer(written ? "Settings write OK EXTFLASH" : "Settings write Error EXTFLASH");
    } else if (command == "settings get") {
        answer("SETTINGS " + m_settings.image().toBase64());
    } else if (command == "restart") {
        answer("Restarting...");
        m_unlocked = false;
        m_previousCommand.clear();
        m_lines.clear();
        m_rebootSilence = RebootSeconds;
        return;
    } else if (command == "upgrade extflash") {
        answer("Upgrade from EXTFLASH: no firmware image stored");
    } else if (command == "webconf getfw") {
        answer("WEBCONF: firmware request queued");
    } else if (command == "webconf getconf") {
        answer("WEBCONF: configuration request queued");
    } else if (command == "storage clear") {
        answer("Storage cleared");
    } else if (command == "sendpacket") {
        answer("Packet with coordinates queued");
    } else {
        answer("Unknown command: " + command);
    }
    answer(RepeatHint);
}

void ConsoleTerminal::answer(const QByteArray &text)
{
    Q_EMIT send(text + "\r\n");
}
