#pragma once
// The settings file: INI text, UTF-16 LE with byte-order mark. Every read and
// every write goes to the file itself (windows pass values to each other
// through it), section and key names match without regard to case, and a
// write replaces the file atomically under a lock so two running viewers never
// lose each other's keys. A failed write is reported once through the handler;
// a file that is there but cannot be read is never replaced. What a write
// could not save stays in memory for the rest of the run: reads of that key
// (through any IniFile or batch of the same file) give it back, and the next
// write that succeeds saves it too.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace quillon {

// Colours as stored: 00BBGGRR.
using TColor = uint32_t;

// Typed access to settings text, shared by the file itself and by a batch.
class IniAccess {
public:
    virtual ~IniAccess() = default;

    // The value of a key, or false when the key is absent.
    [[nodiscard]] virtual bool lookup(const QString &section, const QString &key, QString *value) const = 0;
    virtual bool writeString(const QString &section, const QString &key, const QString &value) = 0;

    [[nodiscard]] QString readString(const QString &section, const QString &key,
                                     const QString &def = QString()) const;
    // Any non-zero whole number is true; absent or not a number gives def.
    [[nodiscard]] bool readBool(const QString &section, const QString &key, bool def) const;
    // Decimal, or hexadecimal after "$" or "0x"; absent or not a number gives def.
    [[nodiscard]] int readInteger(const QString &section, const QString &key, int def) const;
    // A colour name, "$00BBGGRR" or a decimal number.
    [[nodiscard]] TColor readColor(const QString &section, const QString &key, TColor def) const;
    [[nodiscard]] bool hasKey(const QString &section, const QString &key) const;

    bool writeBool(const QString &section, const QString &key, bool value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeColor(const QString &section, const QString &key, TColor value);
};

class IniFile : public IniAccess {
public:
    explicit IniFile(QString path);

    [[nodiscard]] const QString &path() const { return m_path; }

    // Creates the file holding only the byte-order mark when it is missing.
    // Returns false (and reports) when it cannot be created.
    bool createIfMissing();
    [[nodiscard]] bool exists() const;

    [[nodiscard]] bool lookup(const QString &section, const QString &key, QString *value) const override;
    using IniAccess::writeString;
    bool writeString(const QString &section, const QString &key, const QString &value) override;
    bool deleteKey(const QString &section, const QString &key);
    [[nodiscard]] QStringList sectionKeys(const QString &section) const;

    // Called with the file's path and the system's reason the first time a
    // write fails; later failures of the same file are not reported again.
    using ErrorHandler = std::function<void(const QString &path, const QString &reason)>;
    static void setWriteErrorHandler(ErrorHandler handler);
    [[nodiscard]] static bool writeFailedOnce(const QString &path);
    static void resetReportedFailures();

    // Parsing helpers shared with other readers of settings text.
    [[nodiscard]] static bool parseInteger(const QString &text, int *value);

private:
    friend class IniBatch;
    struct Change {
        QString section, key, value;
        bool erase = false;
    };
    // Applies changes under the lock to what the file holds now, in one write.
    bool update(const QList<Change> &changes);
    void reportFailure(const QString &reason);

    QString m_path;
};

// Many keys at one moment: the file is read once when the batch starts and
// written once when it commits (or is destroyed), under the lock, applying
// only the keys written through the batch to what the file holds then. Start
// and exit of a window read and write dozens of keys this way instead of
// opening, parsing and replacing the file for every one of them.
class IniBatch : public IniAccess {
public:
    explicit IniBatch(IniFile &file);
    ~IniBatch() override;
    IniBatch(const IniBatch &) = delete;
    IniBatch &operator=(const IniBatch &) = delete;

    [[nodiscard]] bool lookup(const QString &section, const QString &key, QString *value) const override;
    using IniAccess::writeString;
    bool writeString(const QString &section, const QString &key, const QString &value) override;
    bool commit();

private:
    IniFile &m_file;
    QStringList m_lines; // the file as read when the batch started
    QList<IniFile::Change> m_changes;
};

} // namespace quillon
