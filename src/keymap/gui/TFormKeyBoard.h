#pragma once
// The keyboard settings dialog: the keys of one window's commands (the main
// window's or the find-all window's), listed by category and changed with
// four selectors. It works on its own copy of the key map; the key-map file
// changes when the user saves, initialises the map to a default key set, or
// applies the difference file. The owner applies the file again when the
// dialog ends with OK.
#include "KeyChange.h"
#include "KeyMapParent.h"
#include "MessageService.h"
#include "PlacedDialog.h"

#include <QStringList>

#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quillon {

struct MessageText;

class TFormKeyBoard : public PlacedDialog {
    Q_OBJECT
public:
    TFormKeyBoard(KeyMapParent parent, bool japanese, QWidget *owner = nullptr);
    ~TFormKeyBoard() override;

    // What an owner does: writes "Parent" of [FormKeyBoard], opens the dialog
    // window-modal over `owner`, and runs onOk when it ends with OK. The
    // dialog deletes itself when it closes.
    static TFormKeyBoard *openFor(KeyMapParent parent, bool japanese, QWidget *owner, std::function<void()> onOk);

    QString StrParentForm;
    QStringList StrListKeyMap;
    bool BoolSaveToFile = false;

    void ReadKeyMapFromFile();
    void SetThisCategory();
    void SetCommand();
    void SetPresentKey();
    void ChangePresentKey();

    // Closing without saving: OK once the file was rewritten, else Cancel.
    void reject() override;

    [[nodiscard]] QComboBox *categorySelector() const { return ComboBox1; }
    // 0 Shift, 1 Ctrl, 2 Alt, 3 the key.
    [[nodiscard]] QComboBox *keySelector(int index) const { return m_keySelectors[size_t(index)]; }
    [[nodiscard]] QTreeWidget *commandList() const { return ListView1; }
    [[nodiscard]] QPushButton *buttonNamed(const QString &name) const;

protected:
    void firstShown() override;

private:
    void createControls();
    void setColumnTitles();
    void loadAndShow();
    void initialize(int exeType);
    void save();
    void saveDifference();
    void applyDifference();
    void showKeyMapList(bool all);
    void switchLanguage(bool japanese);
    void applyLanguageFile();
    void refreshConflictMarks();
    [[nodiscard]] bool writeKeyMap();
    [[nodiscard]] KeySelection selection() const;
    [[nodiscard]] QTreeWidgetItem *selectedRow();
    MessageAnswer message(const MessageText &text, MessageButtons buttons = MessageButtons::Ok);

    KeyMapParent m_parent;
    bool m_filling = false; // the list is being filled: no row change counts

    QLabel *LabelCategory = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QLabel *LabelNewKey = nullptr;
    QComboBox *ComboBox2 = nullptr;
    QComboBox *ComboBox3 = nullptr;
    QComboBox *ComboBox4 = nullptr;
    QComboBox *ComboBox5 = nullptr;
    std::array<QComboBox *, 4> m_keySelectors{};
    QTreeWidget *ListView1 = nullptr;
    QPushButton *ButtonInitHarbek = nullptr;
    QPushButton *ButtonInitMemo = nullptr;
    QPushButton *ButtonClear = nullptr;
    QPushButton *ButtonOK = nullptr;
    QPushButton *ButtonCancel = nullptr;
    QPushButton *ButtonDiffToFile = nullptr;
    QPushButton *ButtonButtonLoadFromFile = nullptr;
    QPushButton *ButtonShowAll = nullptr;
    QPushButton *ButtonShowDiff = nullptr;
};

} // namespace quillon
