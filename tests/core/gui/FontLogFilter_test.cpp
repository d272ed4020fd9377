// Text in scripts the installed fonts shape without OpenType tables (a binary
// file shown as text reaches many) must not flood standard error, while every
// other message still gets through.
#include "FontLogFilter.h"

#include <QLabel>
#include <QPixmap>
#include <QtTest>

using namespace quillon;

namespace {

QStringList *seen = nullptr;

void record(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (seen)
        seen->append(message);
}

} // namespace

class FontLogFilterTest : public QObject {
    Q_OBJECT
private slots:
    void dropsOnlyTheFontEngineNotes();
};

void FontLogFilterTest::dropsOnlyTheFontEngineNotes()
{
    QStringList messages;
    seen = &messages;
    const QtMessageHandler before = qInstallMessageHandler(record);
    FontLogFilter::install();

    // One letter each of Devanagari, Bengali, Gurmukhi, Tamil, Telugu, Kannada,
    // Malayalam, Thai, Tibetan, Myanmar, Khmer, as control bytes decoded as text give them.
    QString text;
    for (char16_t c : {u'\u0915', u'\u0995', u'\u0A15', u'\u0B95', u'\u0C15', u'\u0C95', u'\u0D15', u'\u0E01',
                       u'\u0F40', u'\u1000', u'\u1780'})
        text += QChar(c);
    QLabel label(text);
    label.setFont(QFont(QStringLiteral("Monospace"), 12));
    label.adjustSize();
    QVERIFY(!label.grab().isNull());
    qWarning("a warning of our own");

    seen = nullptr;
    qInstallMessageHandler(before);
    QVERIFY2(messages.filter(QStringLiteral("OpenType support missing")).isEmpty(), qPrintable(messages.join(u'\n')));
    QVERIFY(messages.contains(QStringLiteral("a warning of our own")));
}

QTEST_MAIN(FontLogFilterTest)
#include "FontLogFilter_test.moc"
