#pragma once

#include "protocol/version1/Version1Fields.h"
#include "settings/Variant.h"
#include "shell/Theme.h"

#include <QHash>

class TDecoderHost;
class TPortInfo;
class TVersion1;

// One generation-1 record line while it is decoded: its key and fields, and the way its values
// leave for the window.
class TVersion1Record
{
public:
    TVersion1Record(TVersion1 &decoder, TDecoderHost &host, QStringView key, QStringView value);

    QStringView Key() const { return m_key; }
    // The value without its line end, unsplit.
    QStringView Whole() const { return m_fields.Whole(); }
    // Field `index`; null when there is no such field.
    QStringView Field(int index) const { return m_fields.At(index); }
    // The field as text; the empty value when there is no such field.
    Variant Text(int index) const;
    // The field as a signed 32-bit number; 0 when it is none.
    qint32 Integer(int index) const;

    TVersion1 &Decoder() const { return m_decoder; }
    TDecoderHost &Host() const { return m_host; }
    // The current device, or nullptr.
    TPortInfo *Device() const;
    QString Tr(const QString &key) const;
    void Send(const QString &ident, const Variant &value, QRgb color = ElementGreen,
              const QString &alternate = QString()) const;

private:
    TVersion1 &m_decoder;
    TDecoderHost &m_host;
    int m_language;
    QStringView m_key;
    TVersion1Fields m_fields;
};

// A record rule: true when it took the line, false when it rejected it or failed.
using TVersion1Rule = bool (*)(const TVersion1Record &record);
// Rules by key code (Version1KeyCode).
using TVersion1Rules = QHash<quint64, TVersion1Rule>;

// A compact code of a key of one to eight Latin-1 characters other than zero; 0 for any other.
quint64 Version1KeyCode(QStringView key);
// The rule for `key`, or nullptr when no rule handles it.
TVersion1Rule FindVersion1Rule(QStringView key);

// The rules by family, each adding its keys.
void AddVersion1DeviceRules(TVersion1Rules &rules);
void AddVersion1StatusRules(TVersion1Rules &rules);
void AddVersion1NetworkRules(TVersion1Rules &rules);
void AddVersion1StorageRules(TVersion1Rules &rules);
void AddVersion1CanRules(TVersion1Rules &rules);
void AddVersion1SensorRules(TVersion1Rules &rules);
// Input and output keys follow a pattern instead of a list (I, O + line type + number).
bool IsVersion1InOutKey(QStringView key);
bool DecodeVersion1InOut(const TVersion1Record &record);

// True when every character is a decimal digit (an empty text passes).
bool IsDigits(QStringView text);
