// The message and dialog seams and their test stand-ins keep one contract:
// each expectation runs against the platform's real boxes (answered here as a
// user would) and against the recorder and FakeDialogs, so a stand-in can
// never promise what the real dialog does not do.
#include "support/FakeDialogs.h"
#include "support/ModalAnswer.h"
#include "support/TempHome.h"

#include "MessageService.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QMessageBox>
#include <QtTest>

#include <memory>

using namespace quillon;

namespace {

// What the user does with the next box or dialog, and what it showed.
class User {
public:
    virtual ~User() = default;
    virtual void willAnswer(MessageAnswer answer) = 0;
    virtual void willOpen(const QString &fileName) = 0;
    // The font, then the colour dialog that follows it (an invalid colour cancels that one).
    virtual void willPickFont(const QFont &font, const QColor &color) = 0;
    virtual void willPickColor(const QColor &color) = 0;
    virtual void willCancel() = 0;
    [[nodiscard]] virtual QString lastMessage() const = 0;
    // The filter entry the last open dialog started with.
    [[nodiscard]] virtual QString openedFilter() const = 0;
};

// Real boxes and dialogs, driven through their widgets.
class RealUser : public User {
public:
    void willAnswer(MessageAnswer answer) override
    {
        test::answerNextModal<QMessageBox>([this, answer](QMessageBox *box) {
            // What the label shows: a label without a buddy never takes "&" as an access key.
            const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            m_message = label && !label->buddy() ? label->text() : QStringLiteral("<no plain label>");
            const auto button = answer == MessageAnswer::Yes ? QMessageBox::Yes
                : answer == MessageAnswer::No               ? QMessageBox::No
                                                            : QMessageBox::Ok;
            box->button(button)->click();
        });
    }
    void willOpen(const QString &fileName) override
    {
        test::answerNextModal<QFileDialog>([this, fileName](QFileDialog *d) {
            m_filter = d->selectedNameFilter();
            d->selectFile(fileName);
            static_cast<QDialog *>(d)->accept(); // QFileDialog's own accept() checks the name

        });
    }
    void willPickFont(const QFont &font, const QColor &color) override
    {
        test::answerNextModal<QFontDialog>([font](QFontDialog *d) {
            m_startFamily() = d->currentFont().family();
            d->setCurrentFont(font);
            d->accept();
        });
        test::answerNextModal<QColorDialog>([color](QColorDialog *d) {
            if (!color.isValid()) {
                d->reject();
                return;
            }
            d->setCurrentColor(color);
            d->accept();
        });
    }
    // The face the font dialog opened on.
    static QString &m_startFamily()
    {
        static QString family;
        return family;
    }
    void willPickColor(const QColor &color) override
    {
        test::answerNextModal<QColorDialog>([color](QColorDialog *d) {
            d->setCurrentColor(color);
            d->accept();
        });
    }
    void willCancel() override
    {
        test::answerNextModal<QDialog>([](QDialog *d) { d->reject(); });
    }
    [[nodiscard]] QString lastMessage() const override { return m_message; }
    [[nodiscard]] QString openedFilter() const override { return m_filter; }

private:
    QString m_message;
    QString m_filter;
};

// The recorder and FakeDialogs, told the answer beforehand.
class FakeUser : public User {
public:
    void willAnswer(MessageAnswer answer) override { m_messages.answers.append(answer); }
    void willOpen(const QString &fileName) override
    {
        m_dialogs.accept = true;
        m_dialogs.fileAnswer = fileName;
    }
    void willPickFont(const QFont &font, const QColor &color) override
    {
        m_dialogs.accept = true;
        m_dialogs.fontAnswer = font;
        m_dialogs.fontColorAnswer = color;
    }
    void willPickColor(const QColor &color) override
    {
        m_dialogs.accept = true;
        m_dialogs.colorAnswer = color;
    }
    void willCancel() override { m_dialogs.accept = false; }
    [[nodiscard]] QString lastMessage() const override
    {
        return m_messages.texts.isEmpty() ? QString() : m_messages.texts.last();
    }
    [[nodiscard]] QString openedFilter() const override
    {
        return m_dialogs.lastRequest.filter.split(QLatin1Char('|')).value(m_dialogs.lastRequest.filterIndex * 2);
    }

private:
    MessageRecorder m_messages;
    test::FakeDialogs m_dialogs;
};

std::unique_ptr<User> makeUser(bool real)
{
    if (real)
        return std::make_unique<RealUser>();
    return std::make_unique<FakeUser>();
}

void addImplementations()
{
    QTest::addColumn<bool>("real");
    QTest::newRow("platform") << true;
    QTest::newRow("stand-in") << false;
}

} // namespace

class DialogSeamsTest : public QObject {
    Q_OBJECT
private slots:
    void messages_data() { addImplementations(); }
    void messages();
    void openFile_data() { addImplementations(); }
    void openFile();
    void chooseFont_data() { addImplementations(); }
    void chooseFont();
    void chooseColor_data() { addImplementations(); }
    void chooseColor();
};

void DialogSeamsTest::messages()
{
    QFETCH(bool, real);
    const auto user = makeUser(real);
    QWidget parent;

    user->willAnswer(MessageAnswer::Ok);
    QCOMPARE(MessageService::show(&parent, QStringLiteral("Error : one\r\ntwo")), MessageAnswer::Ok);
    // The words reach the user; the line break is a line break either way.
    QCOMPARE(user->lastMessage().replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
             QStringLiteral("Error : one\ntwo"));

    // An "&" reaches the user as it is, once.
    user->willAnswer(MessageAnswer::Ok);
    MessageService::show(&parent, QStringLiteral("Information : not found\r\nR&D"));
    QVERIFY(user->lastMessage().endsWith(QStringLiteral("\nR&D")));

    user->willAnswer(MessageAnswer::Yes);
    QCOMPARE(MessageService::show(&parent, QStringLiteral("Sure?"), MessageButtons::YesNo), MessageAnswer::Yes);
    user->willAnswer(MessageAnswer::No);
    QCOMPARE(MessageService::show(&parent, QStringLiteral("Sure?"), MessageButtons::YesNo), MessageAnswer::No);
}

void DialogSeamsTest::openFile()
{
    QFETCH(bool, real);
    test::TempHome home;
    const QString file = home.write(QStringLiteral("a.txt"), QByteArray("a"));
    const auto user = makeUser(real);
    QWidget parent;
    const OpenFileRequest request{QStringLiteral("Text(*.txt)|*.txt|All(*.*)|*.*"), file};

    QString name = QStringLiteral("unchanged");
    user->willCancel();
    QVERIFY(!MessageService::dialogs().openFile(&parent, request, &name));
    QCOMPARE(name, QStringLiteral("unchanged"));

    user->willOpen(file);
    QVERIFY(MessageService::dialogs().openFile(&parent, request, &name));
    QCOMPARE(QFileInfo(name), QFileInfo(file));
    QVERIFY(user->openedFilter().startsWith(QStringLiteral("Text(*.txt)")));

    // A request may start on another entry of its filter.
    const QString program = home.write(QStringLiteral("tool"), QByteArray("#!/bin/sh\n"));
    const OpenFileRequest second{QStringLiteral("Exe(*.exe)|*.exe|All(*.*)|*"), program, 1};
    user->willOpen(program);
    QVERIFY(MessageService::dialogs().openFile(&parent, second, &name));
    QCOMPARE(QFileInfo(name), QFileInfo(program));
    QVERIFY2(user->openedFilter().startsWith(QStringLiteral("All(*.*)")), qPrintable(user->openedFilter()));
}

void DialogSeamsTest::chooseFont()
{
    QFETCH(bool, real);
    const auto user = makeUser(real);
    QWidget parent;
    const QFont initial(QStringLiteral("IPAGothic"), 12);
    const QColor initialColor(0xEE, 0xDD, 0xCC);
    QFont font;
    QColor color;

    user->willCancel();
    QVERIFY(!MessageService::dialogs().chooseFont(&parent, initial, initialColor, &font, &color));

    const QFont chosen(QStringLiteral("DejaVu Sans Mono"), 20);
    user->willPickFont(chosen, QColor(0x11, 0x22, 0x33));
    QVERIFY(MessageService::dialogs().chooseFont(&parent, initial, initialColor, &font, &color));
    QCOMPARE(font.family(), chosen.family());
    QCOMPARE(font.pointSize(), 20);
    QCOMPARE(color, QColor(0x11, 0x22, 0x33));
    if (real) // the dialog opens on the face in use, not on a stand-in
        QCOMPARE(RealUser::m_startFamily(), QStringLiteral("IPAGothic"));

    // A cancelled colour keeps the colour as it was; the font still counts.
    font = QFont();
    user->willPickFont(chosen, QColor());
    QVERIFY(MessageService::dialogs().chooseFont(&parent, initial, initialColor, &font, &color));
    QCOMPARE(font.family(), chosen.family());
    QCOMPARE(color, initialColor);
}

void DialogSeamsTest::chooseColor()
{
    QFETCH(bool, real);
    const auto user = makeUser(real);
    QWidget parent;
    QColor color(0x01, 0x02, 0x03);

    user->willCancel();
    QVERIFY(!MessageService::dialogs().chooseColor(&parent, QColor(Qt::white), &color));
    QCOMPARE(color, QColor(0x01, 0x02, 0x03));

    user->willPickColor(QColor(0x44, 0x55, 0x66));
    QVERIFY(MessageService::dialogs().chooseColor(&parent, QColor(Qt::white), &color));
    QCOMPARE(color, QColor(0x44, 0x55, 0x66));
}

QTEST_MAIN(DialogSeamsTest)
#include "DialogSeams_test.moc"
