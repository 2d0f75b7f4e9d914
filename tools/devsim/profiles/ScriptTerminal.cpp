#include "profiles/ScriptTerminal.h"

#include "protocol/MyTypes.h"

#include <QStringList>

namespace {

std::optional<ScriptStep> parseStep(const QString &keyword, const QString &argument)
{
    if (keyword == u"text")
        return ScriptStep{argument.toLatin1() + "\r\n", 0};
    if (keyword == u"hex") {
        QByteArray digits = argument.toLatin1();
        digits.replace(' ', QByteArray());
        const auto bytes = HexToBin(digits);
        if (!bytes || digits.size() % 2 != 0 || bytes->isEmpty())
            return std::nullopt;
        return ScriptStep{*bytes, 0};
    }
    if (keyword == u"delay") {
        bool isNumber = false;
        const int ms = argument.toInt(&isNumber);
        if (!isNumber || ms < 0)
            return std::nullopt;
        return ScriptStep{QByteArray(), ms};
    }
    return std::nullopt;
}

} // namespace

std::optional<QList<ScriptStep>> parseScript(const QString &text, QString *error)
{
    QList<ScriptStep> steps;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(u'#'))
            continue;
        const qsizetype colon = line.indexOf(u':');
        const QString keyword = line.left(colon).trimmed().toLower();
        QString argument = line.mid(colon + 1);
        while (argument.startsWith(u' ') || argument.startsWith(u'\t'))
            argument.remove(0, 1);
        const auto step = colon < 0 ? std::nullopt : parseStep(keyword, argument);
        if (!step) {
            *error = QStringLiteral("line %1: %2").arg(i + 1).arg(line);
            return std::nullopt;
        }
        steps.append(*step);
    }
    return steps;
}

ScriptTerminal::ScriptTerminal(QList<ScriptStep> steps, QObject *parent)
    : Terminal(parent)
    , m_steps(std::move(steps))
{
    m_delay.setSingleShot(true);
    connect(&m_delay, &QTimer::timeout, this, [this] { playFrom(m_next); });
}

void ScriptTerminal::start()
{
    playFrom(0);
}

void ScriptTerminal::playFrom(qsizetype step)
{
    for (; step < m_steps.size(); ++step) {
        const ScriptStep &current = m_steps[step];
        if (!current.bytes.isEmpty()) {
            Q_EMIT send(current.bytes);
            continue;
        }
        m_next = step + 1;
        m_delay.start(current.delayMs);
        return;
    }
    Q_EMIT finished();
}
