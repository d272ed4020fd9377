#include "IniFile.h"

#include "ColorText.h"
#include "Utf16TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QLockFile>
#include <QRandomGenerator>
#include <QThread>
#include <QSet>

namespace quillon {

namespace {

IniFile::ErrorHandler &errorHandler()
{
    static IniFile::ErrorHandler handler;
    return handler;
}

QSet<QString> &reportedPaths()
{
    static QSet<QString> paths;
    return paths;
}

// Values written in this run that their file could not take, per file path,
// in the order they were written. Reads look here first, so the program
// behaves the same whether or not its folder is writable; the next write that
// succeeds saves them too.
struct UnsavedValue {
    QString section, key, value;
    bool erase = false;
};

QHash<QString, QList<UnsavedValue>> &unsavedValues()
{
    static QHash<QString, QList<UnsavedValue>> values;
    return values;
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// "[name]" with optional spaces around; returns the name or a null view.
QStringView sectionName(QStringView line)
{
    const QStringView t = line.trimmed();
    if (t.size() >= 2 && t.front() == u'[') {
        const qsizetype close = t.indexOf(u']');
        if (close > 0)
            return t.mid(1, close - 1).trimmed();
    }
    return {};
}

bool enclosedInQuotes(QStringView v)
{
    return v.size() >= 2 && ((v.front() == u'"' && v.back() == u'"') || (v.front() == u'\'' && v.back() == u'\''));
}

bool splitKeyValue(QStringView line, QStringView *key, QStringView *value)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0)
        return false;
    *key = line.left(eq).trimmed();
    QStringView v = line.mid(eq + 1).trimmed();
    // Quotes around a whole value are not part of it.
    if (enclosedInQuotes(v))
        v = v.mid(1, v.size() - 2);
    *value = v;
    return !key->isEmpty();
}

struct Lookup {
    bool found = false;
    QString value;
};

// The latest unsaved value of a key, if this run holds one.
const UnsavedValue *unsavedValue(const QString &path, const QString &section, const QString &key)
{
    const auto it = unsavedValues().constFind(path);
    if (it == unsavedValues().constEnd())
        return nullptr;
    for (auto v = it->crbegin(); v != it->crend(); ++v) {
        if (sameName(v->section, section) && sameName(v->key, key))
            return &*v;
    }
    return nullptr;
}

// The whole file as lines. A missing file is an empty one; a file that is
// there but cannot be read gives false and the system's reason.
bool readSettingsLines(const QString &path, QStringList *lines, QString *reason)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (!f.exists()) {
            lines->clear();
            return true;
        }
        *reason = f.errorString();
        return false;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        *reason = f.errorString();
        return false;
    }
    *lines = Utf16TextFile::splitLines(Utf16TextFile::decode(bytes));
    return true;
}

Lookup lookup(const QStringList &lines, const QString &section, const QString &key)
{
    bool inSection = false;
    for (const QString &line : lines) {
        const QStringView name = sectionName(line);
        if (!name.isNull()) {
            inSection = sameName(name, section);
            continue;
        }
        if (!inSection)
            continue;
        QStringView k, v;
        if (splitKeyValue(line, &k, &v) && sameName(k, key))
            return {true, v.toString()};
    }
    return {};
}

} // namespace

IniFile::IniFile(QString path)
    : m_path(std::move(path))
{
}

bool IniFile::exists() const
{
    return QFileInfo::exists(m_path);
}

bool IniFile::createIfMissing()
{
    if (exists())
        return true;
    const WriteResult r = Utf16TextFile::writeText(m_path, QString());
    if (!r.ok)
        reportFailure(r.error);
    return r.ok;
}

bool IniFile::lookup(const QString &section, const QString &key, QString *value) const
{
    if (const UnsavedValue *u = unsavedValue(m_path, section, key)) {
        if (value && !u->erase)
            *value = u->value;
        return !u->erase;
    }
    const Lookup l = quillon::lookup(Utf16TextFile::readLines(m_path), section, key);
    if (l.found && value)
        *value = l.value;
    return l.found;
}

QStringList IniFile::sectionKeys(const QString &section) const
{
    QStringList keys;
    bool inSection = false;
    for (const QString &line : Utf16TextFile::readLines(m_path)) {
        const QStringView name = sectionName(line);
        if (!name.isNull()) {
            inSection = sameName(name, section);
            continue;
        }
        QStringView k, v;
        if (inSection && splitKeyValue(line, &k, &v))
            keys.append(k.toString());
    }
    for (const UnsavedValue &u : unsavedValues().value(m_path)) {
        if (!sameName(u.section, section))
            continue;
        keys.removeIf([&](const QString &k) { return sameName(k, u.key); });
        if (!u.erase)
            keys.append(u.key);
    }
    return keys;
}

bool IniFile::parseInteger(const QString &text, int *value)
{
    QStringView t = QStringView(text).trimmed();
    bool negative = false;
    if (t.startsWith(u'-')) {
        negative = true;
        t = t.mid(1);
    } else if (t.startsWith(u'+')) {
        t = t.mid(1);
    }
    bool ok = false;
    qint64 v = 0;
    if (t.startsWith(u'$')) {
        v = t.mid(1).toLongLong(&ok, 16);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        v = t.mid(2).toLongLong(&ok, 16);
    } else {
        v = t.toLongLong(&ok, 10);
        if (ok && v > qint64(INT32_MAX) + (negative ? 1 : 0))
            ok = false;
    }
    if (!ok || v < 0 || v > qint64(UINT32_MAX))
        return false;
    // Hexadecimal values fill all 32 bits ($FFFFFFFF is -1), as colours need.
    int32_t r = int32_t(uint32_t(v));
    *value = negative ? -r : r;
    return true;
}

QString IniAccess::readString(const QString &section, const QString &key, const QString &def) const
{
    QString v;
    return lookup(section, key, &v) ? v : def;
}

bool IniAccess::hasKey(const QString &section, const QString &key) const
{
    return lookup(section, key, nullptr);
}

bool IniAccess::readBool(const QString &section, const QString &key, bool def) const
{
    int v = 0;
    if (!IniFile::parseInteger(readString(section, key), &v))
        return def;
    return v != 0;
}

int IniAccess::readInteger(const QString &section, const QString &key, int def) const
{
    int v = 0;
    if (!IniFile::parseInteger(readString(section, key), &v))
        return def;
    return v;
}

TColor IniAccess::readColor(const QString &section, const QString &key, TColor def) const
{
    TColor c = 0;
    if (!textToColor(readString(section, key), &c))
        return def;
    return c;
}

bool IniAccess::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniAccess::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniAccess::writeColor(const QString &section, const QString &key, TColor value)
{
    return writeString(section, key, colorToText(value));
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    return update({Change{section, key, value, false}});
}

bool IniFile::deleteKey(const QString &section, const QString &key)
{
    return update({Change{section, key, QString(), true}});
}

namespace {

bool validName(const QString &section, const QString &key)
{
    // A name with a line break, "]" or "=" would corrupt the file.
    return !(section.contains(u'\n') || section.contains(u'\r') || section.contains(u']') || key.contains(u'=')
             || key.contains(u'\n') || key.contains(u'\r') || key.trimmed().isEmpty());
}

// Sets (or erases) one key in the lines of a settings text.
void applyChange(QStringList &lines, const QString &section, const QString &key, const QString *value)
{
    QString v;
    if (value) {
        v = *value;
        v.replace(u'\r', u' ').replace(u'\n', u' ');
        // Reading drops the spaces around a value and one pair of quotes
        // around it; a value that would lose either is written in quotes.
        if (enclosedInQuotes(v) || QStringView(v).trimmed().size() != v.size())
            v = QLatin1Char('"') + v + QLatin1Char('"');
    }
    const QString newLine = key + QLatin1Char('=') + v;

    qsizetype sectionLine = -1, lastInSection = -1;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView name = sectionName(lines[i]);
        if (!name.isNull()) {
            if (inSection)
                break; // end of our section
            inSection = sameName(name, section);
            if (inSection) {
                sectionLine = i;
                lastInSection = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!lines[i].trimmed().isEmpty())
            lastInSection = i;
        QStringView k, val;
        if (splitKeyValue(lines[i], &k, &val) && sameName(k, key)) {
            if (value)
                lines[i] = newLine;
            else
                lines.removeAt(i);
            return;
        }
    }
    if (!value)
        return; // nothing to delete
    if (sectionLine < 0) {
        lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        lines.append(newLine);
    } else {
        lines.insert(lastInSection + 1, newLine);
    }
}

} // namespace

namespace {

constexpr int StaleLockMs = 10000;

// Waits for the lock in short random steps: another viewer holds it for a
// few milliseconds per write, and QLockFile's own wait doubles its sleep up
// to seconds, so a viewer writing many keys in a row could keep the other
// out until it gave up. A folder where no lock can be made (or a lock held
// past the stale time, which QLockFile then takes over) still gets the
// atomic write. A lock file without its holder's id was left by a viewer
// killed while making it (a live one fills it in at once); it is not waited
// for to go stale.
void lockForWrite(QLockFile &lock, const QString &lockPath)
{
    const QDeadlineTimer deadline(StaleLockMs + 2000);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return;
        qint64 pid = 0;
        QString host, app;
        if (!lock.getLockInfo(&pid, &host, &app)
            && QFileInfo(lockPath).lastModified().msecsTo(QDateTime::currentDateTime()) > 500) {
            (void)lock.removeStaleLockFile();
            continue;
        }
        QThread::usleep(200 + QRandomGenerator::global()->bounded(1800));
    }
}

} // namespace

bool IniFile::update(const QList<Change> &changes)
{
    QList<Change> valid;
    for (const Change &c : changes) {
        if (validName(c.section, c.key))
            valid.append(c);
    }
    if (valid.isEmpty())
        return changes.isEmpty();

    // Held from read to rename, so another viewer's write in between is not lost.
    const QString lockPath = m_path + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    lock.setStaleLockTime(StaleLockMs);
    lockForWrite(lock, lockPath);

    // Values an earlier write could not save go along with this one.
    QList<UnsavedValue> pending = unsavedValues().value(m_path);
    for (const Change &c : valid)
        pending.append(UnsavedValue{c.section, c.key, c.value, c.erase});

    // A file that is there but cannot be read is never replaced: writing what
    // could be read (nothing) would lose every other key.
    QStringList lines;
    QString reason;
    bool ok = readSettingsLines(m_path, &lines, &reason);
    if (ok) {
        for (const UnsavedValue &u : pending)
            applyChange(lines, u.section, u.key, u.erase ? nullptr : &u.value);
        const WriteResult r = Utf16TextFile::writeLines(m_path, lines);
        ok = r.ok;
        reason = r.error;
    }
    if (ok) {
        unsavedValues().remove(m_path);
    } else {
        unsavedValues().insert(m_path, pending);
        reportFailure(reason);
    }
    return ok && valid.size() == changes.size();
}

IniBatch::IniBatch(IniFile &file)
    : m_file(file)
    , m_lines(Utf16TextFile::readLines(file.path()))
{
}

IniBatch::~IniBatch()
{
    commit();
}

bool IniBatch::lookup(const QString &section, const QString &key, QString *value) const
{
    // A key written through the batch reads back as written.
    for (auto it = m_changes.crbegin(); it != m_changes.crend(); ++it) {
        if (sameName(it->section, section) && sameName(it->key, key)) {
            if (value)
                *value = it->value;
            return !it->erase;
        }
    }
    if (const UnsavedValue *u = unsavedValue(m_file.path(), section, key)) {
        if (value && !u->erase)
            *value = u->value;
        return !u->erase;
    }
    const Lookup l = quillon::lookup(m_lines, section, key);
    if (l.found && value)
        *value = l.value;
    return l.found;
}

bool IniBatch::writeString(const QString &section, const QString &key, const QString &value)
{
    if (!validName(section, key))
        return false;
    m_changes.append(IniFile::Change{section, key, value, false});
    return true;
}

bool IniBatch::commit()
{
    if (m_changes.isEmpty())
        return true;
    const QList<IniFile::Change> changes = std::exchange(m_changes, {});
    return m_file.update(changes);
}

void IniFile::reportFailure(const QString &reason)
{
    if (reportedPaths().contains(m_path))
        return;
    reportedPaths().insert(m_path);
    if (errorHandler())
        errorHandler()(m_path, reason);
}

void IniFile::setWriteErrorHandler(ErrorHandler handler)
{
    errorHandler() = std::move(handler);
}

bool IniFile::writeFailedOnce(const QString &path)
{
    return reportedPaths().contains(path);
}

void IniFile::resetReportedFailures()
{
    reportedPaths().clear();
}

} // namespace quillon
