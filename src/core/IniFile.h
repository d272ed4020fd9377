#pragma once
// The settings file: INI text, UTF-16 LE with byte-order mark. Every read and
// every write goes to the file itself (windows pass values to each other
// through it), section and key names match without regard to case, and a
// write replaces the file atomically under a lock so two running viewers never
// lose each other's keys. A failed write is reported once through the handler.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace quillon {

// Colours as stored: 00BBGGRR.
using TColor = uint32_t;

class IniFile {
public:
    explicit IniFile(QString path);

    [[nodiscard]] const QString &path() const { return m_path; }

    // Creates the file holding only the byte-order mark when it is missing.
    // Returns false (and reports) when it cannot be created.
    bool createIfMissing();
    [[nodiscard]] bool exists() const;

    [[nodiscard]] QString readString(const QString &section, const QString &key,
                                     const QString &def = QString()) const;
    // Any non-zero whole number is true; absent or not a number gives def.
    [[nodiscard]] bool readBool(const QString &section, const QString &key, bool def) const;
    // Decimal, or hexadecimal after "$" or "0x"; absent or not a number gives def.
    [[nodiscard]] int readInteger(const QString &section, const QString &key, int def) const;
    // A colour name, "$00BBGGRR" or a decimal number.
    [[nodiscard]] TColor readColor(const QString &section, const QString &key, TColor def) const;
    [[nodiscard]] bool hasKey(const QString &section, const QString &key) const;
    [[nodiscard]] QStringList sectionKeys(const QString &section) const;

    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeBool(const QString &section, const QString &key, bool value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeColor(const QString &section, const QString &key, TColor value);
    bool deleteKey(const QString &section, const QString &key);

    // Called with the file's path and the system's reason the first time a
    // write fails; later failures of the same file are not reported again.
    using ErrorHandler = std::function<void(const QString &path, const QString &reason)>;
    static void setWriteErrorHandler(ErrorHandler handler);
    [[nodiscard]] static bool writeFailedOnce(const QString &path);
    static void resetReportedFailures();

    // Parsing helpers shared with other readers of settings text.
    [[nodiscard]] static bool parseInteger(const QString &text, int *value);

private:
    bool update(const QString &section, const QString &key, const QString *value);
    void reportFailure(const QString &reason);

    QString m_path;
};

} // namespace quillon
