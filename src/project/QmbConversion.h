#pragma once

#include "project/QmbConverter.h"

class Prompter;

// Converts a .qmb file with the converter program of the program folder into a new
// project folder the user chooses (contract in docs/qmb-converter.md).
class QmbConversion : public QmbConverter
{
public:
    static inline const QString kProgramName = QStringLiteral("qmb2zep");
    static constexpr int kDefaultTimeoutMs = 120000;

    // programFolder ends with "/".
    QmbConversion(Prompter &prompter, QString programFolder);

    QString converterPath() const { return m_programFolder + kProgramName; }
    // A converter still running after this long is stopped and counts as failed.
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

    QString convert(const QString &qmbPath) override;

private:
    QString runConverter(const QString &folder, const QString &qmbPath);
    void fail(const QString &text);

    Prompter &m_prompter;
    QString m_programFolder;
    int m_timeoutMs = kDefaultTimeoutMs;
};
