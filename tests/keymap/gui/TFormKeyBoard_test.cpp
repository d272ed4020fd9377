// The keyboard settings dialog as a user meets it: categories and commands of
// the owner's key map, keys changed with the selectors and refused with a
// message, the two initialisations, the difference file saved and applied,
// keys shared by two commands, and a key-map file that cannot be written.
#include "keymap/gui/KeyBoardTestSupport.h"
#include "support/Mnemonics.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include "FindAllKeyMap.h"
#include "IniFile.h"
#include "KeyListDelegate.h"
#include "KeyMapFile.h"
#include "LanguageSetter.h"
#include "MessageService.h"
#include "TFormKeyBoard.h"
#include "TFormKeyMap.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace quillon;
using test::J;

namespace {

const QString keyFile = QStringLiteral("Quillon-KeyMap.txt");
const QString diffFile = QStringLiteral("Quillon-KeyDiff.txt");

QStringList readMap(const test::TempHome &home, const QString &name = keyFile)
{
    return KeyMapFile::read(home.file(name));
}

void writeMap(const test::TempHome &home, const QStringList &map, const QString &name = keyFile)
{
    home.write(name, test::utf16LeFile(map));
}

QStringList withKeys(QStringList map, std::initializer_list<std::pair<const char16_t *, const char16_t *>> keys)
{
    for (const auto &[code, key] : keys) {
        const qsizetype i = KeyChange::indexOfCode(map, code);
        map[i] = KeyChange::withKey(map[i], QStringView(key));
    }
    return map;
}

QStringList columnOf(const QTreeWidget *list, int column)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts.append(list->topLevelItem(i)->text(column));
    return texts;
}

QStringList comboItems(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

// The dialog as an owner opens it; *result gets its result when it ends.
TFormKeyBoard *openDialog(KeyMapParent parent, bool japanese, int *result = nullptr, int *okRuns = nullptr)
{
    TFormKeyBoard *dialog = TFormKeyBoard::openFor(std::move(parent), japanese, nullptr, [okRuns] {
        if (okRuns)
            ++*okRuns;
    });
    if (result) {
        *result = -1;
        QObject::connect(dialog, &QDialog::finished, [result](int r) { *result = r; });
    }
    return dialog;
}

QStringList codesOf(const QStringList &lines)
{
    QStringList codes;
    for (const QString &l : lines)
        codes.append(KeyText::splitKeyMapLine(l).code.toString());
    return codes;
}

} // namespace

class TFormKeyBoardTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_home = std::make_unique<test::TempHome>(); }
    void cleanup()
    {
        QList<QPointer<QDialog>> dialogs;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *d = qobject_cast<QDialog *>(w))
                dialogs.append(d);
        }
        for (const QPointer<QDialog> &d : dialogs)
            delete d.data();
        m_home.reset();
    }

    void showsTheOwnersCategoriesAndCommands_data();
    void showsTheOwnersCategoriesAndCommands();
    void keysChangeThroughTheSelectorsAndRefusalsSaySo();
    void editorInitialisationThenCloseIsOkAndTheDifferenceListsTheChangedKeys();
    void differencesApplyToAnEnglishMapAndBadLinesAreReported();
    void missingDifferenceFileIsReported();
    void sharedKeysAreMarkedAndSavingWarns();
    void keyMapFileThatCannotBeWrittenLosesNothing();
    void selectedRowIsAquaWhileTheListHasNoFocus();
    void languageFilesMnemonicsAndDeveloperKeys_data();
    void languageFilesMnemonicsAndDeveloperKeys();
    void keyMapListOpensOnTheChosenFile();
    void placementIsSavedOnClose();

private:
    std::unique_ptr<test::TempHome> m_home;
};

void TFormKeyBoardTest::showsTheOwnersCategoriesAndCommands_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<bool>("japanese");
    QTest::addColumn<QStringList>("categories");
    QTest::newRow("main window, Japanese")
        << QStringLiteral("Main") << true
        << QStringList{J(u"ファイル"), J(u"検索"), J(u"編集"), J(u"文字コード"), J(u"表示"), J(u"テキスト"),
                       J(u"バイナリ"), J(u"共通"), J(u"拡張"), J(u"ヘルプ"), QStringLiteral("Jpn/Eng")};
    QTest::newRow("find-all window, English")
        << QStringLiteral("FindAll") << false
        << QStringList{QStringLiteral("File"), QStringLiteral("Search"), QStringLiteral("Move"), QStringLiteral("View"),
                       QStringLiteral("Common"), QStringLiteral("Edit")};
}

void TFormKeyBoardTest::showsTheOwnersCategoriesAndCommands()
{
    QFETCH(QString, parent);
    QFETCH(bool, japanese);
    QFETCH(QStringList, categories);
    MessageRecorder messages;
    test::installShippedLanguageFiles();
    KeyMapParent owner = KeyMapParent::forName(parent);
    // The file the dialog shows is the one on disk, whatever the defaults say.
    const QStringList defaults = withKeys(
        parent == QLatin1String("Main") ? CommandCatalogue::InitKeyMap(0) : FindAllKeyMap::InitKeyMap(0),
        {{parent == QLatin1String("Main") ? u"1021" : u"1002", u"Ctrl+Q"}});
    writeMap(*m_home, defaults, owner.files.keyMap);
    owner.defaults = [defaults](int) { return defaults; };

    TFormKeyBoard *dialog = openDialog(owner, japanese);
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(IniFile(AppPaths::settingsPath()).readString(QStringLiteral("FormKeyBoard"), QStringLiteral("Parent"), {}),
             parent);
    QCOMPARE(comboItems(dialog->categorySelector()), categories);
    QCOMPARE(dialog->categorySelector()->currentIndex(), 0);
    // The first category's commands in map order, the first selected.
    QStringList firstCodes;
    for (const QString &l : defaults) {
        if (KeyText::splitKeyMapLine(l).category == KeyText::splitKeyMapLine(defaults[0]).category)
            firstCodes.append(KeyText::splitKeyMapLine(l).code.toString());
    }
    QCOMPARE(columnOf(dialog->commandList(), 2), firstCodes);
    QCOMPARE(dialog->commandList()->currentItem(), dialog->commandList()->topLevelItem(0));
    QCOMPARE(dialog->commandList()->headerItem()->text(1),
             japanese ? J(u"現在のキー") : QStringLiteral("Current Key"));
    if (!japanese)
        QCOMPARE(dialog->commandList()->topLevelItem(0)->text(0), QStringLiteral("Show in Grid(&L)"));

    // A row with modifiers shows them in the selectors.
    const QString code = parent == QLatin1String("Main") ? QStringLiteral("1021") : QStringLiteral("1002");
    QTreeWidgetItem *row = test::selectCommand(*dialog, code);
    QVERIFY(row);
    QCOMPARE(dialog->keySelector(0)->currentIndex(), 0);
    QCOMPARE(dialog->keySelector(1)->currentText(), QStringLiteral("Ctrl"));
    QCOMPARE(dialog->keySelector(2)->currentIndex(), 0);
    QCOMPARE(dialog->keySelector(3)->currentText(), QStringLiteral("Q"));
    QCOMPARE(dialog->keySelector(3)->count(), 75);
    QVERIFY(messages.texts.isEmpty());
}

void TFormKeyBoardTest::keysChangeThroughTheSelectorsAndRefusalsSaySo()
{
    MessageRecorder messages;
    writeMap(*m_home, CommandCatalogue::InitKeyMap(0));
    const QByteArray fileBefore = m_home->read(keyFile);
    int result = 0;
    TFormKeyBoard *dialog = openDialog(test::mainKeyMap(), true, &result);
    QTRY_VERIFY(dialog->isVisible());
    QComboBox *shift = dialog->keySelector(0);
    QComboBox *ctrl = dialog->keySelector(1);
    QComboBox *key = dialog->keySelector(3);

    QTreeWidgetItem *open = test::selectCommand(*dialog, u"1001");
    QCOMPARE(open->text(1), QString());
    test::pick(key, QStringLiteral("A"));
    QCOMPARE(open->text(1), QStringLiteral("A"));
    test::pick(ctrl, QStringLiteral("Ctrl"));
    QCOMPARE(open->text(1), QStringLiteral("Ctrl+A"));
    QCOMPARE(test::keyInFile(dialog->StrListKeyMap, u"1001"), QStringLiteral("Ctrl+A"));
    QVERIFY(messages.texts.isEmpty());

    // A modifier without a key.
    test::pick(key, QString());
    QCOMPARE(messages.texts.value(0), J(u"Information : Shift,Ctrl,Altのキーが設定されていますが、キーが設定されていません"));
    QCOMPARE(open->text(1), QStringLiteral("Ctrl+A"));
    QCOMPARE(key->currentIndex(), 0); // the refused choice stays shown

    // The key the command has already.
    test::selectCommand(*dialog, u"1101");
    QCOMPARE(key->currentText(), QStringLiteral("F"));
    test::pick(key, QStringLiteral("F"));
    QCOMPARE(messages.texts.value(1), J(u"Information : 同一の設定です"));

    // A key of another category's command, named by its category.
    open = test::selectCommand(*dialog, u"1001");
    test::pick(ctrl, QString());
    test::pick(shift, QStringLiteral("Shift"));
    QCOMPARE(open->text(1), QStringLiteral("Shift+A"));
    test::pick(shift, QString());
    QCOMPARE(open->text(1), QStringLiteral("A"));
    test::pick(key, QStringLiteral("V"));
    QCOMPARE(messages.texts.value(2), J(u"Information : [検索] で既に使用済みですので設定できません"));
    QCOMPARE(open->text(1), QStringLiteral("A"));
    QCOMPARE(messages.texts.size(), 3);

    // Clear: gone from the list and the working map, the file untouched until saved.
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonClear")), Qt::LeftButton);
    QCOMPARE(open->text(1), QString());
    QCOMPARE(m_home->read(keyFile), fileBefore);
    test::selectCommand(*dialog, u"1021");
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonClear")), Qt::LeftButton);
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonOK")), Qt::LeftButton);
    QTRY_COMPARE(result, int(QDialog::Accepted));
    const QStringList saved = readMap(*m_home);
    QCOMPARE(saved, withKeys(CommandCatalogue::InitKeyMap(0), {{u"1021", u""}}));
}

void TFormKeyBoardTest::editorInitialisationThenCloseIsOkAndTheDifferenceListsTheChangedKeys()
{
    MessageRecorder messages;
    writeMap(*m_home, withKeys(CommandCatalogue::InitKeyMap(0), {{u"1001", u"Ctrl+O"}}));
    QStringList ownerCatalogue;
    int result = 0;
    int okRuns = 0;
    TFormKeyBoard *dialog = openDialog(test::mainKeyMap(&ownerCatalogue), true, &result, &okRuns);
    QTRY_VERIFY(dialog->isVisible());

    // No: nothing happens.
    messages.answers = {MessageAnswer::No};
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonInitMemo")), Qt::LeftButton);
    QCOMPARE(messages.texts, QStringList{J(u"Information : 設定を初期化して保存しますか？")});
    QCOMPARE(test::keyInFile(readMap(*m_home), u"1001"), QStringLiteral("Ctrl+O"));

    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonInitMemo")), Qt::LeftButton);
    QCOMPARE(readMap(*m_home), CommandCatalogue::InitKeyMap(1));
    QCOMPARE(dialog->StrListKeyMap, CommandCatalogue::InitKeyMap(1));
    QCOMPARE(ownerCatalogue, CommandCatalogue::InitKeyMap(0)); // the owner keeps the filer-style set
    QCOMPARE(dialog->categorySelector()->currentIndex(), 0);
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonCancel")), Qt::LeftButton);
    QTRY_COMPARE(result, int(QDialog::Accepted));
    QCOMPARE(okRuns, 1);

    // Reopened: the differences are exactly the commands whose editor key differs.
    dialog = openDialog(test::mainKeyMap(&ownerCatalogue), true, &result, &okRuns);
    QTRY_VERIFY(dialog->isVisible());
    messages.texts.clear();
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonDiffToFile")), Qt::LeftButton);
    QStringList expected;
    for (const CommandInfo &c : CommandCatalogue::commands()) {
        if (QStringView(c.filerKey) != QStringView(c.editorKey))
            expected.append(c.codeText());
    }
    const QStringList diff = readMap(*m_home, diffFile);
    QCOMPARE(codesOf(diff), expected);
    for (const QString &l : diff) {
        const KeyMapFields f = KeyText::splitKeyMapLine(l);
        QCOMPARE(f.keyText.toString(), CommandCatalogue::command(f.code)->defaultKey(1));
    }
    QCOMPARE(messages.texts, (QStringList{J(u"Information : 変更分をファイルに上書で保存しますか？"),
                                          J(u"Information : ファイルが保存されました\r\nQuillon-KeyDiff.txt")}));

    // The filer-style set has no differences: a file of the byte-order mark alone.
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonInitHarbek")), Qt::LeftButton);
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonDiffToFile")), Qt::LeftButton);
    QCOMPARE(m_home->read(diffFile), test::utf16LeBom);
    // Closed with Esc after an initialisation: still OK.
    QTest::keyClick(dialog->categorySelector(), Qt::Key_Escape);
    QTRY_COMPARE(result, int(QDialog::Accepted));
    QCOMPARE(okRuns, 2);
}

void TFormKeyBoardTest::differencesApplyToAnEnglishMapAndBadLinesAreReported()
{
    MessageRecorder messages;
    test::installShippedLanguageFiles();
    writeMap(*m_home, CommandCatalogue::InitKeyMap(0));
    // Japanese categories and names, one line for a code the map lacks.
    writeMap(*m_home,
             {J(u"検索\t検索(&F)... \tCtrl+F\t1101"), J(u"検索\t幻\tCtrl+G\t1199"),
              J(u"ファイル\t開く(&O)... \tCtrl+O\t1001")},
             diffFile);
    int result = 0;
    TFormKeyBoard *dialog = openDialog(test::mainKeyMap(), false, &result);
    QTRY_VERIFY(dialog->isVisible());
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonButtonLoadFromFile")), Qt::LeftButton);
    QCOMPARE(messages.texts.size(), 2);
    QCOMPARE(messages.texts[0], QStringLiteral("Information : Replace different items, and save to file ?\r\n[YES] / [NO]"));
    QCOMPARE(messages.texts[1], QStringLiteral("Information : Read file and Update items.\r\nQuillon-KeyDiff.txt\r\n"
                                               "These lines were not applied:\r\nline 2 : no command has the code "
                                               "\"1199\"\r\n[OK]"));
    // Only the keys changed: the list stays English.
    QTreeWidgetItem *find = test::selectCommand(*dialog, u"1101");
    QCOMPARE(dialog->categorySelector()->currentText(), QStringLiteral("Search"));
    QCOMPARE(find->text(0), QStringLiteral("&Find..."));
    QCOMPARE(find->text(1), QStringLiteral("Ctrl+F"));
    // The key-map file holds the result already.
    const QStringList onDisk = readMap(*m_home);
    QCOMPARE(test::keyInFile(onDisk, u"1101"), QStringLiteral("Ctrl+F"));
    QCOMPARE(test::keyInFile(onDisk, u"1001"), QStringLiteral("Ctrl+O"));
    QCOMPARE(onDisk[KeyChange::indexOfCode(onDisk, u"1101")], QStringLiteral("Search\t&Find...\tCtrl+F\t1101"));
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonCancel")), Qt::LeftButton);
    QTRY_COMPARE(result, int(QDialog::Accepted));
}

void TFormKeyBoardTest::missingDifferenceFileIsReported()
{
    MessageRecorder messages;
    KeyMapParent findAll = KeyMapParent::forName(QStringLiteral("FindAll"));
    const QStringList map = {J(u"検索\t検索(&F)\tF\t1101")};
    findAll.defaults = [map](int) { return map; };
    writeMap(*m_home, map, findAll.files.keyMap);
    int result = 0;
    TFormKeyBoard *dialog = openDialog(findAll, true, &result);
    QTRY_VERIFY(dialog->isVisible());
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonButtonLoadFromFile")), Qt::LeftButton);
    QCOMPARE(messages.texts.value(1), J(u"Information : ファイルがありません\r\nQuillon-KeyDiffFindAll.txt"));
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonCancel")), Qt::LeftButton);
    QTRY_COMPARE(result, int(QDialog::Rejected));
}

void TFormKeyBoardTest::sharedKeysAreMarkedAndSavingWarns()
{
    MessageRecorder messages;
    // A hand edit gave F to Open as well as to Find; Ctrl+V on 1021 and 1109 is the catalogue's own.
    const QStringList map = withKeys(CommandCatalogue::InitKeyMap(0), {{u"1001", u"F"}});
    writeMap(*m_home, map);
    int result = 0;
    TFormKeyBoard *dialog = openDialog(test::mainKeyMap(), true, &result);
    QTRY_VERIFY(dialog->isVisible());
    auto marked = [](QTreeWidgetItem *row) { return row->data(1, Qt::UserRole).toBool(); };
    QTreeWidgetItem *open = test::selectCommand(*dialog, u"1001");
    QVERIFY(marked(open));
    QVERIFY(open->toolTip(1).contains(J(u"[検索] 検索(&F)...")));
    QVERIFY(!marked(test::rowOf(*dialog, u"1021")));
    QVERIFY(marked(test::selectCommand(*dialog, u"1101")));

    messages.answers = {MessageAnswer::No};
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonOK")), Qt::LeftButton);
    QCOMPARE(messages.texts, QStringList{J(u"Information : 同じキーが複数のコマンドに設定されています\r\n"
                                           u"F : [ファイル] 開く(&O)... / [検索] 検索(&F)...\r\nこのまま保存しますか？")});
    QVERIFY(dialog->isVisible());
    QCOMPARE(result, -1);

    // Clearing one of them ends the conflict: saved without a question.
    test::selectCommand(*dialog, u"1001");
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonClear")), Qt::LeftButton);
    QVERIFY(!marked(test::selectCommand(*dialog, u"1101")));
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonOK")), Qt::LeftButton);
    QTRY_COMPARE(result, int(QDialog::Accepted));
    QCOMPARE(messages.texts.size(), 1);
    QCOMPARE(readMap(*m_home), CommandCatalogue::InitKeyMap(0));
}

void TFormKeyBoardTest::keyMapFileThatCannotBeWrittenLosesNothing()
{
    MessageRecorder messages;
    writeMap(*m_home, CommandCatalogue::InitKeyMap(0));
    const QByteArray before = m_home->read(keyFile);
    int result = 0;
    TFormKeyBoard *dialog = openDialog(test::mainKeyMap(), false, &result);
    QTRY_VERIFY(dialog->isVisible());
    test::selectCommand(*dialog, u"1001");
    test::pick(dialog->keySelector(3), QStringLiteral("O"));

    QFile::setPermissions(m_home->file(keyFile), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    QFile::setPermissions(m_home->path(), QFileDevice::Permissions(0x5555));
    {
        test::PermissionsApply asUser;
        QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonOK")), Qt::LeftButton);
    }
    QFile::setPermissions(m_home->path(), QFileDevice::Permissions(0x7777));
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts[0].startsWith(QStringLiteral("Error : The file can not write. The settings stay in this "
                                                         "window.\r\n")),
             qPrintable(messages.texts[0]));
    QVERIFY(messages.texts[0].contains(keyFile));
    QVERIFY(dialog->isVisible());
    QCOMPARE(test::keyInFile(dialog->StrListKeyMap, u"1001"), QStringLiteral("O"));
    QCOMPARE(m_home->read(keyFile), before);
}

void TFormKeyBoardTest::selectedRowIsAquaWhileTheListHasNoFocus()
{
    MessageRecorder messages;
    writeMap(*m_home, CommandCatalogue::InitKeyMap(0));
    TFormKeyBoard *dialog = openDialog(test::mainKeyMap(), true);
    QTRY_VERIFY(dialog->isVisible());
    dialog->activateWindow();
    QTreeWidget *list = dialog->commandList();
    QTreeWidgetItem *row = test::selectCommand(*dialog, u"1021");
    const QRect rect = list->visualItemRect(row);
    // The empty margin column and the gap right of a short key text.
    const QPoint margin(list->header()->sectionViewportPosition(3) + 4, rect.center().y());
    const QPoint inKeyCell(list->header()->sectionViewportPosition(1) + 150, rect.center().y());
    auto colourAt = [&](QPoint p) { return list->viewport()->grab().toImage().pixelColor(p); };

    dialog->categorySelector()->setFocus();
    QTRY_VERIFY(!list->hasFocus());
    QCOMPARE(colourAt(margin), QColor(KeyListDelegate::Aqua));
    QCOMPARE(colourAt(inKeyCell), QColor(KeyListDelegate::Aqua));
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    QVERIFY(colourAt(inKeyCell) != QColor(KeyListDelegate::Aqua));
}

void TFormKeyBoardTest::languageFilesMnemonicsAndDeveloperKeys_data()
{
    QTest::addColumn<bool>("japanese");
    QTest::newRow("Japanese") << true;
    QTest::newRow("English") << false;
}

void TFormKeyBoardTest::languageFilesMnemonicsAndDeveloperKeys()
{
    QFETCH(bool, japanese);
    MessageRecorder messages;
    test::installShippedLanguageFiles();
    writeMap(*m_home, CommandCatalogue::InitKeyMap(0));
    IniFile ini(AppPaths::settingsPath());
    ini.createIfMissing();
    ini.writeBool(QStringLiteral("Developer"), QStringLiteral("Enabled"), true);

    TFormKeyBoard *dialog = openDialog(test::mainKeyMap(), japanese);
    QTRY_VERIFY(dialog->isVisible());
    QVERIFY(LanguageSetter::uncoveredTags(dialog, LanguageFile::path(QStringLiteral("KeyBoard.txt"))).isEmpty());
    QStringList clashes = test::mnemonicClashes(dialog);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
    QCOMPARE(dialog->buttonNamed(QStringLiteral("ButtonOK"))->text(),
             japanese ? J(u"保存(&O)") : QStringLiteral("Save(&O)"));

    // The developer switch turns the dialog to the other language, list included.
    dialog->activateWindow();
    QTRY_VERIFY(dialog->isActiveWindow());
    QTest::keyClick(dialog, japanese ? Qt::Key_E : Qt::Key_J, Qt::ShiftModifier | Qt::ControlModifier);
    QTRY_COMPARE(dialog->BoolJapanese, !japanese);
    QCOMPARE(dialog->buttonNamed(QStringLiteral("ButtonOK"))->text(),
             japanese ? QStringLiteral("Save(&O)") : J(u"保存(&O)"));
    QCOMPARE(dialog->categorySelector()->itemText(0), japanese ? QStringLiteral("File") : J(u"ファイル"));
    QCOMPARE(dialog->commandList()->headerItem()->text(0), japanese ? QStringLiteral("Command") : J(u"コマンド"));
    clashes = test::mnemonicClashes(dialog);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
    QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(u'|')));

    // The key-map list in the same language.
    auto *list = new TFormKeyMap(japanese, dialog);
    list->show();
    QVERIFY(LanguageSetter::uncoveredTags(list, LanguageFile::path(QStringLiteral("KeyMap.txt"))).isEmpty());
    clashes = test::mnemonicClashes(list);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
    delete list;
}

void TFormKeyBoardTest::keyMapListOpensOnTheChosenFile()
{
    MessageRecorder messages;
    writeMap(*m_home, CommandCatalogue::InitKeyMap(0));
    TFormKeyBoard *dialog = openDialog(test::mainKeyMap(), false);
    QTRY_VERIFY(dialog->isVisible());
    // Unsaved changes of the dialog do not reach the list.
    test::selectCommand(*dialog, u"1001");
    test::pick(dialog->keySelector(3), QStringLiteral("O"));

    IniFile ini(AppPaths::settingsPath());
    for (const bool all : {true, false}) {
        QTest::mouseClick(dialog->buttonNamed(all ? QStringLiteral("ButtonShowAll") : QStringLiteral("ButtonShowDiff")),
                          Qt::LeftButton);
        QCOMPARE(ini.readBool(QStringLiteral("ShowKeyMapItem"), QStringLiteral("All"), !all), all);
        TFormKeyMap *list = nullptr;
        QTRY_VERIFY((list = qobject_cast<TFormKeyMap *>(QApplication::activeModalWidget())) != nullptr);
        QTRY_VERIFY(list->isVisible());
        QCOMPARE(list->filePath(), m_home->file(all ? keyFile : diffFile));
        QCOMPARE(list->list()->topLevelItemCount(), all ? CommandCatalogue::CommandCount : 0);
        if (all) {
            QCOMPARE(list->list()->topLevelItem(0)->text(2), QString());
        } else {
            QTRY_COMPARE(messages.texts, QStringList{QStringLiteral("Information : Keyboard map file is not exist.\r\n[OK]")});
        }
        QTest::mouseClick(list->buttonNamed(QStringLiteral("ButtonClose")), Qt::LeftButton);
        QTRY_VERIFY(QApplication::activeModalWidget() == dialog);
    }
}

void TFormKeyBoardTest::placementIsSavedOnClose()
{
    MessageRecorder messages;
    writeMap(*m_home, CommandCatalogue::InitKeyMap(0));
    int result = 0;
    TFormKeyBoard *dialog = openDialog(test::mainKeyMap(), true, &result);
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(dialog->minimumSize(), QSize(900, 460));
    dialog->resize(1000, 520);
    QTRY_COMPARE(dialog->size(), QSize(1000, 520));
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonCancel")), Qt::LeftButton);
    QTRY_COMPARE(result, int(QDialog::Rejected));
    const IniFile ini(AppPaths::settingsPath());
    QCOMPARE(ini.readInteger(QStringLiteral("FormKeyBoard"), QStringLiteral("Width"), 0), 1000);
    QCOMPARE(ini.readInteger(QStringLiteral("FormKeyBoard"), QStringLiteral("Height"), 0), 520);
    // Restoring it is the dialog base's, tested with it (the offscreen screen is too small for this one).
}

QTEST_MAIN(TFormKeyBoardTest)
#include "TFormKeyBoard_test.moc"
