#pragma once
// The key-map list: every line of a window's key-map file, or of its
// difference file, with category, command, key and code, in file order or
// grouped by modifiers and sorted by key; the list as shown goes to the
// clipboard. It reads the files as stored: changes the keyboard dialog has not
// saved do not appear.
#include "KeyMapListing.h"
#include "PlacedDialog.h"

#include <QStringList>

class QPushButton;
class QTimer;
class QTreeWidget;

namespace quillon {

struct MessageText;

class TFormKeyMap : public PlacedDialog {
    Q_OBJECT
public:
    // Whose file ([FormKeyBoard] "Parent") and which ([ShowKeyMapItem] "All")
    // are read from the settings file.
    explicit TFormKeyMap(bool japanese, QWidget *owner = nullptr);
    ~TFormKeyMap() override;

    QString StrParentForm;
    QStringList StrListKeyMap;
    KeyMapListing::Groups StrListKeyMapKey;
    QStringList StrListKeyMapClip;
    bool BoolFileExist = false;

    void ReadKeyMapFromFile();
    void GetKeySort1();
    void SetKeySort0();
    void SetKeySort1();
    void copyToClipboard();

    [[nodiscard]] QTreeWidget *list() const { return ListView1; }
    [[nodiscard]] QPushButton *buttonNamed(const QString &name) const;
    // The file this window shows.
    [[nodiscard]] QString filePath() const;

protected:
    void firstShown() override;

private:
    void setColumnTitles();
    void applyLanguageFile();
    void loadAndShow();
    void switchLanguage(bool japanese);
    void fill(const QStringList &lines);
    void message(const MessageText &text);

    bool m_all = true;
    QTreeWidget *ListView1 = nullptr;
    QPushButton *ButtonSort0 = nullptr;
    QPushButton *ButtonSort1 = nullptr;
    QPushButton *ButtonCopyToClip = nullptr;
    QPushButton *ButtonClose = nullptr;
    QTimer *TimerMissing = nullptr;
};

} // namespace quillon
